#include "app/TableOpening.h"

#include "input/DelimitedFile.h"
#include "numtext/NumberText.h"

namespace tallowmere::app {

namespace {
const numtext::Separators kPlain{.decimal = ".", .group = ""};
}  // namespace

ColumnCandidates::ColumnCandidates(input::EntrySink& list, std::size_t column, bool header,
                                   const numtext::Separators& sep)
    : list_(list), column_(column), header_(header), rule_(nullptr, sep), offer_(list, rule_) {}

void ColumnCandidates::BeginRow(std::uint64_t /*line*/) {
  inHeader_ = header_ && firstRow_;
  firstRow_ = false;
}

void ColumnCandidates::Cell(const input::TableCell& cell) {
  if (inHeader_ || cell.column != column_) return;
  switch (cell.kind) {
    case input::CellKind::kText:
      offer_.Offer(cell.text);
      break;
    case input::CellKind::kNumber:
      // A workbook's stored number, as a plain text that reads back to it
      // in every locale.
      list_.AppendTestedText(numtext::RoundTripText(cell.number, kPlain));
      break;
    case input::CellKind::kOther:
      list_.NoteSkipped(cell.text, 1);
      break;
  }
}

bool ReadChosenColumn(input::EntrySink& list, const TableChoice& choice, const numtext::Separators& user,
                      const input::ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                      const input::ShouldStopFn& shouldStop) {
  ColumnCandidates cells(list, choice.columns.at(0), choice.layout.header,
                         ConventionSeparators(choice.layout.decimal, user));
  input::DelimitedTextReader text(choice.layout.delimiter.value_or('\t'), cells);
  return input::LoadFileText(list, text, choice.path, showNotRead, letEventsRun, shouldStop);
}

}  // namespace tallowmere::app
