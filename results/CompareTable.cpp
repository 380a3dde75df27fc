#include "results/CompareTable.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numtext/NumberText.h"
#include "results/AnalysisEntries.h"

namespace tallowmere::results {

namespace {

constexpr std::string_view kTieSeparator = " or ";

std::string HeadingOf(const input::ColumnEntries& block, std::string_view unnamed) {
  std::string name = block.name.empty() ? core::Fill(unnamed, {std::to_string(block.number)}) : block.name;
  return block.group ? name + ": " + *block.group : name;
}

std::vector<double> ValuesOf(input::EntrySource& entries, const numtext::Separators& sep) {
  const std::size_t count = entries.Count();
  input::EntrySource::Values known = entries.TakeValues();
  std::vector<double> values(count, 0.0);
  for (std::size_t i = 0; i < count; ++i) {
    if (i < known.size() && !std::isnan(known[i])) {
      values[i] = known[i];
      continue;
    }
    if (!entries.HasText(i)) continue;
    const input::HeldText held = entries.TextOf(i);
    try {
      values[i] = EntryWorth(held.text, held.passedNumberTest, sep);
    } catch (...) {
      values[i] = 0.0;  // beyond the double range: the run counts it 0 too
    }
  }
  return values;
}

// Where a CSV cell needs quotes: the separator, a quote or a line end in it.
std::string CsvCell(const std::string& text, char separator) {
  if (text.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// Tabs and line ends would break the table's lines.
std::string TabCell(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

}  // namespace

std::vector<CompareColumn> CompareColumnsOf(std::vector<input::ColumnEntries> blocks, const numtext::Separators& sep,
                                            std::string_view unnamed) {
  std::vector<CompareColumn> columns;
  columns.reserve(blocks.size());
  for (input::ColumnEntries& block : blocks)
    columns.push_back({.heading = HeadingOf(block, unnamed), .values = ValuesOf(block.entries, sep)});
  return columns;
}

CompareTable::CompareTable(std::vector<CompareColumn> columns, numtext::Separators separators)
    : columns_(std::move(columns)), separators_(separators), analysis_(std::move(separators)) {
  analysis_.SetMoreStatistics(true);
  results_.resize(columns_.size());
}

void CompareTable::ReportError(const std::string&, std::string_view, int) { ++failures_; }

void CompareTable::Analyse(const CompareOptions& options) {
  options_ = options;
  failures_ = 0;
  analysis_.Statistics().SetMethodIsSample(options.sample);
  for (std::size_t column = 0; column < columns_.size(); ++column) AnalyseColumn(column);
  CollectKeys();
}

void CompareTable::AnalyseColumn(std::size_t column) {
  input::EntrySource entries;
  entries.AppendNumbers(columns_[column].values);
  const AnalysisHost host{
      .errors = *this,
      .entries = entries,
      .decimals = {.places = options_.places, .placesFailure = nullptr, .showAll = options_.showAll},
      .setBusy = [](bool) {},
      .clearResults = [] {},
      .addResultRow = [](const std::string&) {},
      .showMessage = [](const std::string&) {}};
  // A list without numbers has no rows; the run would leave the last
  // column's in place.
  results_[column] = analysis_.StartAnalysis(host) == RunOutcome::kNoNumbers ? Results{} : analysis_.LastResults();
}

// In row order: a column whose rows an error cut short lacks some, and a key
// new to the list goes after the key before it in its column.
void CompareTable::CollectKeys() {
  keys_.clear();
  for (const Results& results : results_) {
    std::size_t next = 0;
    for (const auto* list : {&results.rows, &results.more})
      for (const ResultRow& row : *list) {
        auto at = std::find(keys_.begin(), keys_.end(), row.key);
        if (at == keys_.end()) at = keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(next), row.key);
        next = static_cast<std::size_t>(at - keys_.begin()) + 1;
      }
  }
}

const ResultRow* CompareTable::Cell(std::size_t key, std::size_t column) const {
  return results_[column].Find(keys_[key]);
}

std::string CompareTable::PlainCell(std::size_t key, std::size_t column) const {
  const ResultRow* row = Cell(key, column);
  if (!row) return {};
  const ResultValue& value = row->value;
  switch (value.kind) {
    case ResultValue::Kind::kNumber:
      return numtext::NumberText(value.number, separators_);
    case ResultValue::Kind::kModes: {
      std::string text;
      for (const double tied : value.modes) {
        if (!text.empty()) text += kTieSeparator;
        text += numtext::NumberText(tied, separators_);
      }
      return text;
    }
    case ResultValue::Kind::kText:
      break;
  }
  return value.text;
}

std::vector<std::vector<std::string>> CompareTable::Grid(std::string_view corner,
                                                         const std::vector<std::string>& labels) const {
  std::vector<std::vector<std::string>> grid;
  grid.emplace_back(1, std::string(corner));
  for (const CompareColumn& column : columns_) grid.front().push_back(column.heading);
  for (std::size_t key = 0; key < keys_.size(); ++key) {
    std::vector<std::string>& line = grid.emplace_back();
    line.push_back(key < labels.size() ? labels[key] : std::string(keys_[key]));
    for (std::size_t column = 0; column < columns_.size(); ++column) line.push_back(PlainCell(key, column));
  }
  return grid;
}

std::string CompareTable::TabText(std::string_view corner, const std::vector<std::string>& labels) const {
  std::string out;
  for (const std::vector<std::string>& line : Grid(corner, labels)) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (i > 0) out += '\t';
      out += TabCell(line[i]);
    }
    out += '\n';
  }
  return out;
}

std::string CompareTable::CsvText(std::string_view corner, const std::vector<std::string>& labels) const {
  // As a spreadsheet of the same locale writes CSV: where the comma is the
  // decimal separator, the cells are parted by semicolons.
  const char separator = separators_.decimal == "," ? ';' : ',';
  std::string out;
  for (const std::vector<std::string>& line : Grid(corner, labels)) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (i > 0) out += separator;
      out += CsvCell(line[i], separator);
    }
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> CompareTable::NumberTexts(std::size_t column) const {
  std::vector<std::string> texts;
  texts.reserve(columns_[column].values.size());
  for (const double v : columns_[column].values) texts.push_back(numtext::RoundTripText(v, separators_));
  return texts;
}

}  // namespace tallowmere::results
