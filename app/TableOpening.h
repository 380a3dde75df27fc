#pragma once
// One column of a table chosen in the table dialog, read whole into the
// number list: each cell of it after the header put to the number test as a
// line of a list file is, what passes appended as its text, what fails
// skipped and told to the list as a skipped line is.
#include <cstddef>
#include <cstdint>

#include "app/TablePreview.h"
#include "core/LetEventsRun.h"
#include "input/EntrySink.h"
#include "input/ListCandidates.h"
#include "input/ListFile.h"
#include "input/TableCells.h"
#include "numtext/Separators.h"

namespace tallowmere::app {

class ColumnCandidates final : public input::CellSink {
 public:
  // `column` from 0; `header`: the first row names the columns.
  ColumnCandidates(input::EntrySink& list, std::size_t column, bool header, const numtext::Separators& sep);
  void BeginRow(std::uint64_t line) override;
  void Cell(const input::TableCell& cell) override;

 private:
  input::EntrySink& list_;
  std::size_t column_;
  bool header_;
  bool firstRow_ = true;
  bool inHeader_ = false;
  input::CandidateRule rule_;
  input::OfferToList offer_;
};

// Reads the first column of `choice` from its file into `list`, with the
// arguments and answer of input::LoadListFile (false: `shouldStop` ended it).
bool ReadChosenColumn(input::EntrySink& list, const TableChoice& choice, const numtext::Separators& user,
                      const input::ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                      const input::ShouldStopFn& shouldStop);

}  // namespace tallowmere::app
