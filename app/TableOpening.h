#pragma once
// One column of a table chosen in the table dialog, read whole into the
// number list: each cell of it after the header put to the number test as a
// line of a list file is, what passes appended as its text, what fails
// skipped and told to the list as a skipped line is.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "app/TablePreview.h"
#include "core/LetEventsRun.h"
#include "input/EntrySink.h"
#include "input/ListCandidates.h"
#include "input/ListFile.h"
#include "input/TableCells.h"
#include "input/TableColumns.h"
#include "numtext/Separators.h"

namespace tallowmere::app {

class ColumnCandidates final : public input::CellSink {
 public:
  // `column` from 0; `header`: the first row names the columns; `decimal`:
  // the convention the table's numbers are written in, `user` the user's
  // separators, which the list reads its texts with.
  ColumnCandidates(input::EntrySink& list, std::size_t column, bool header, input::DecimalConvention decimal,
                   const numtext::Separators& user);
  void BeginRow(std::uint64_t line) override;
  void Cell(const input::TableCell& cell) override;
  // A sheet is read without blocks to stop between: every so many rows the
  // window's events run and a stop is asked for (the hooks may be empty).
  void StopBetweenRows(core::LetEventsRun letEventsRun, input::ShouldStopFn shouldStop);
  bool Stopped() const override;
  // Whether a stop ended the reading.
  bool WasStopped() const { return stopped_; }

  // What the rule decides, told back (input::CandidateRule::Decide).
  void Number(double) {}  // never: the rule keeps no values
  void Text(std::string_view candidate);
  void Skip(std::string_view candidate);
  void Other(std::string_view candidate) { list_.NoteOtherConvention(candidate, 1); }

 private:
  input::EntrySink& list_;
  std::size_t column_;
  bool header_;
  bool firstRow_ = true;
  bool inHeader_ = false;
  numtext::Separators user_;
  // A convention chosen for the table (not merely the user's): a text it
  // reads strictly to another value than the list would ("1.234" in a table
  // of decimal commas is 1234, where the list reads a plain 1.234) is
  // appended as the number it means.
  bool ownConvention_;
  input::CandidateRule rule_;
  core::LetEventsRun letEventsRun_;
  input::ShouldStopFn shouldStop_;
  mutable std::uint64_t rows_ = 0;
  mutable bool stopped_ = false;
};

// What a table's reading tells besides its numbers (each hook may be empty).
struct TableReadHooks {
  // Delimited text: the quoted field begun on `line` (from 1) is not closed
  // before the text ends; it is left out. Told once the text was read whole.
  std::function<void(std::uint64_t line)> unclosedQuote;
  // A held text (TableChoice::text): how many of its bytes were read so far.
  std::function<void(std::size_t bytesRead)> textRead;
};

// Reads the first column of `choice` from its file, or its held text, into
// `list`, with the arguments and answer of input::LoadListFile (false:
// `shouldStop` ended it). A workbook's sheet that cannot be read is told to
// `sheetProblem`, after the rows before the fault were appended.
bool ReadChosenColumn(input::EntrySink& list, const TableChoice& choice, const numtext::Separators& user,
                      const input::ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                      const input::ShouldStopFn& shouldStop,
                      const std::function<void(const input::SheetProblem&)>& sheetProblem = {},
                      const TableReadHooks& hooks = {});

// Reads the columns of `choice` (each split by its group column, when it has
// one) from its file, or its held text, into lists of their own, as the
// table's own convention reads them (ConventionSeparators); arguments and
// answer as ReadChosenColumn.
bool ReadChosenColumns(const TableChoice& choice, const numtext::Separators& user,
                       std::vector<input::ColumnEntries>& blocks, const input::ShowNotReadFn& showNotRead,
                       const core::LetEventsRun& letEventsRun, const input::ShouldStopFn& shouldStop,
                       const std::function<void(const input::SheetProblem&)>& sheetProblem = {},
                       const TableReadHooks& hooks = {});

}  // namespace tallowmere::app
