#include "app/TableOpening.h"

#include "input/DelimitedFile.h"
#include "input/TwoThreadTable.h"
#include "numtext/EntryValue.h"
#include "numtext/NumberTest.h"
#include "numtext/NumberText.h"

namespace tallowmere::app {

namespace {

// A number as a text every locale reads back to it.
const numtext::Separators kPlain{.decimal = ".", .group = ""};

// The delimited text of `choice` (its file's, in the form chosen for it, or
// the text it holds) split into `cells`; arguments and answer as
// input::LoadFileText. A quoted field left open is told to `hooks`.
// The text of `choice`, the file's or the one held, through `reader`.
bool ReadChoiceText(input::EntrySink& list, input::TextPieceReader& reader, const TableChoice& choice,
                    const input::ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                    const input::ShouldStopFn& shouldStop, const TableReadHooks& hooks) {
  return choice.text
             ? input::ReadHeldText(list, reader, *choice.text, letEventsRun, shouldStop, hooks.textRead,
                                   choice.encoding)
             : input::LoadFileText(list, reader, choice.path, showNotRead, letEventsRun, shouldStop, choice.encoding);
}

void TellUnclosedQuote(std::uint64_t line, const TableReadHooks& hooks) {
  if (line != 0 && hooks.unclosedQuote) hooks.unclosedQuote(line);
}

bool ReadChosenText(input::EntrySink& list, input::CellSink& cells, const TableChoice& choice,
                    const input::ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                    const input::ShouldStopFn& shouldStop, const TableReadHooks& hooks) {
  input::DelimitedTextReader text(choice.layout.delimiter.value_or('\t'), cells);
  const bool whole = ReadChoiceText(list, text, choice, showNotRead, letEventsRun, shouldStop, hooks);
  TellUnclosedQuote(text.UnclosedQuoteLine(), hooks);
  return whole;
}

}  // namespace

ColumnCandidates::ColumnCandidates(input::EntrySink& list, std::size_t column, bool header,
                                   input::DecimalConvention decimal, const numtext::Separators& user)
    : list_(list),
      column_(column),
      header_(header),
      user_(user),
      ownConvention_(decimal != input::DecimalConvention::kUndecided),
      rule_(nullptr, ConventionSeparators(decimal, user)) {}

void ColumnCandidates::BeginRow(std::uint64_t /*line*/) {
  inHeader_ = header_ && firstRow_;
  firstRow_ = false;
}

void ColumnCandidates::Cell(const input::TableCell& cell) {
  if (inHeader_ || cell.column != column_) return;
  switch (cell.kind) {
    case input::CellKind::kText:
      rule_.Decide(cell.text, *this);
      break;
    case input::CellKind::kNumber:
      // A workbook's stored number.
      list_.AppendTestedText(numtext::RoundTripText(cell.number, kPlain));
      break;
    case input::CellKind::kOther:
      list_.NoteSkipped(cell.text, 1);
      break;
  }
}

void ColumnCandidates::StopBetweenRows(core::LetEventsRun letEventsRun, input::ShouldStopFn shouldStop) {
  letEventsRun_ = std::move(letEventsRun);
  shouldStop_ = std::move(shouldStop);
}

bool ColumnCandidates::Stopped() const {
  // Often enough for Esc to be felt at once, seldom enough to cost nothing.
  constexpr std::uint64_t kRowsBetween = 4096;
  if (stopped_ || ++rows_ % kRowsBetween != 0) return stopped_;
  list_.Flush();
  if (letEventsRun_) letEventsRun_();
  stopped_ = shouldStop_ && shouldStop_();
  return stopped_;
}

void ColumnCandidates::Text(std::string_view candidate) {
  const numtext::Separators& own = rule_.Separators();
  // Only a separator can make the readings differ.
  if (ownConvention_ && candidate.find_first_of(",.") != std::string_view::npos &&
      numtext::IsStrictlyNumeric(candidate, own)) {
    const double meant = numtext::NumericValue(candidate, own);
    if (meant != numtext::ListEntryValue(candidate, user_)) {
      list_.AppendTestedText(numtext::RoundTripText(meant, kPlain));
      return;
    }
  }
  list_.AppendTestedText(candidate);
}

void ColumnCandidates::Skip(std::string_view candidate) {
  if (!candidate.empty()) list_.NoteSkipped(candidate, 1);
}

bool ReadChosenColumn(input::EntrySink& list, const TableChoice& choice, const numtext::Separators& user,
                      const input::ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                      const input::ShouldStopFn& shouldStop,
                      const std::function<void(const input::SheetProblem&)>& sheetProblem,
                      const TableReadHooks& hooks) {
  ColumnCandidates cells(list, choice.columns.at(0), choice.layout.header, choice.layout.decimal, user);
  if (choice.sheet) {
    cells.StopBetweenRows(letEventsRun, shouldStop);
    input::Spreadsheet book;
    input::SheetProblem problem = book.Open(choice.path);
    if (problem.Ok()) problem = book.ReadSheet(*choice.sheet, cells);
    list.Flush();
    if (!problem.Ok() && sheetProblem) sheetProblem(problem);
    return !cells.WasStopped();
  }
  return ReadChosenText(list, cells, choice, showNotRead, letEventsRun, shouldStop, hooks);
}

namespace {

input::ColumnsChoice ColumnsOf(const TableChoice& choice) {
  input::ColumnsChoice columns{.columns = {}, .all = false, .group = {}, .header = choice.layout.header};
  for (const std::size_t column : choice.columns) columns.columns.push_back({.number = column + 1, .name = {}});
  if (choice.group) columns.group = input::ColumnPick{.number = *choice.group + 1, .name = {}};
  return columns;
}

}  // namespace

bool ReadChosenColumns(const TableChoice& choice, const numtext::Separators& user,
                       std::vector<input::ColumnEntries>& blocks, const input::ShowNotReadFn& showNotRead,
                       const core::LetEventsRun& letEventsRun, const input::ShouldStopFn& shouldStop,
                       const std::function<void(const input::SheetProblem&)>& sheetProblem,
                       const TableReadHooks& hooks) {
  input::TableColumns columns(ColumnsOf(choice), ConventionSeparators(choice.layout.decimal, user));
  columns.BeginTable();
  bool whole = true;
  if (choice.sheet) {
    input::Spreadsheet book;
    input::SheetProblem problem = book.Open(choice.path);
    if (problem.Ok()) problem = book.ReadSheet(*choice.sheet, columns);
    if (!problem.Ok() && sheetProblem) sheetProblem(problem);
  } else {
    input::TwoThreadTableReader text(choice.layout.delimiter.value_or('	'), columns);
    whole = ReadChoiceText(text.FileList(), text, choice, showNotRead, letEventsRun, shouldStop, hooks);
    TellUnclosedQuote(text.UnclosedQuoteLine(), hooks);
  }
  blocks = columns.TakeBlocks();
  return whole;
}

}  // namespace tallowmere::app
