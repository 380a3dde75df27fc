#include "input/TableLayout.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>

#include "input/DelimitedCells.h"
#include "input/DelimitedSplit.h"
#include "input/ListCandidates.h"
#include "input/ListText.h"
#include "input/TextEncoding.h"
#include "numtext/ListNumber.h"
#include "numtext/NumberTest.h"

namespace tallowmere::input {

namespace {

// Lines enough to see a pattern, few enough for a file's first block.
constexpr std::size_t kSampleRecords = 50;

// The count of fields of each record, and whether any field was empty.
class FieldCounts {
 public:
  std::vector<std::size_t> counts;
  bool anyEmpty = false;

  static bool Wants(std::size_t /*field*/) { return true; }
  void BeginRecord(std::uint64_t /*line*/) {}
  void Field(std::size_t /*field*/, std::string_view text, bool overlong) {
    if (text.empty() && !overlong) anyEmpty = true;
  }
  bool EndRecord(std::uint64_t /*line*/, std::size_t fields) {
    counts.push_back(fields);
    return counts.size() < kSampleRecords;
  }
  void UnclosedQuote(std::uint64_t /*line*/) {}
};

FieldCounts CountFields(std::string_view text, bool whole, char delimiter) {
  FieldCounts counts;
  // A field matters here only for being empty: one too long to be a number
  // is not held whole.
  DelimitedSplitter<FieldCounts> split(delimiter, counts, kMaxCandidateBytes);
  split.Feed(text.data(), text.size());
  // A text cut short ends in a record that may be cut: it is not counted.
  if (whole) split.Finish();
  return counts;
}

// How many records share the commonest count of more than one field.
std::size_t Agreeing(const std::vector<std::size_t>& counts) {
  std::map<std::size_t, std::size_t> records;
  for (const std::size_t n : counts)
    if (n > 1) ++records[n];
  std::size_t most = 0;
  for (const auto& [n, many] : records) most = std::max(most, many);
  return most;
}

// Bytes that numbers, dates, times and words are written with, and the
// quote: never guessed as a delimiter of their own.
bool MayDelimit(char c) {
  const std::string_view never = "\"'.,-+:/()%_";
  return c > ' ' && c < 0x7F && !(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z') &&
         never.find(c) == std::string_view::npos;
}

std::optional<char> OtherDelimiter(std::string_view text, bool whole) {
  for (int b = 0; b < 0x80; ++b) {
    const char c = static_cast<char>(b);
    if (!MayDelimit(c) || c == ';' || c == '|' || text.find(c) == std::string_view::npos) continue;
    const FieldCounts f = CountFields(text, whole, c);
    if (f.counts.size() < 2 || f.anyEmpty) continue;
    if (f.counts.front() > 1 &&
        std::all_of(f.counts.begin(), f.counts.end(), [&](std::size_t n) { return n == f.counts.front(); }))
      return c;
  }
  return std::nullopt;
}

bool IsNumber(const SampleCell& cell, const numtext::Separators& sep) {
  switch (cell.kind) {
    case CellKind::kNumber:
      return true;
    case CellKind::kText:
      return PassesListTest(cell.text, sep) != numtext::ListLine::kNotNumber;
    case CellKind::kOther:
      break;
  }
  return false;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

numtext::Separators Convention(const char* decimal, const char* group) {
  numtext::Separators sep;
  sep.decimal = decimal;
  sep.group = group;
  return sep;
}

// The text of a file decoded, whole.
class Decoded final : public TextPieceReader {
 public:
  std::string text;
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) override {
    text.append(data, size);
    if (meanwhile) meanwhile();
  }
  void Finish() override {}
};

}  // namespace

std::optional<char> GuessDelimiter(std::string_view text, bool whole) {
  // In the order ties are settled.
  constexpr std::array<char, 4> kCommon = {'\t', ';', ',', '|'};
  std::optional<char> best;
  std::size_t bestAgreeing = 0;
  for (const char c : kCommon) {
    const FieldCounts f = CountFields(text, whole, c);
    const std::size_t agreeing = Agreeing(f.counts);
    if (agreeing * 2 > f.counts.size() && agreeing > bestAgreeing) {
      best = c;
      bestAgreeing = agreeing;
    }
  }
  return best ? best : OtherDelimiter(text, whole);
}

bool GuessHeader(const std::vector<SampleRow>& rows, const numtext::Separators& sep) {
  if (rows.size() < 2 || rows.front().cells.empty()) return false;
  std::map<std::size_t, std::pair<std::size_t, std::size_t>> columns;  // numbers, others
  for (const SampleCell& cell : rows.front().cells) {
    if (IsNumber(cell, sep)) return false;
    columns[cell.column];
  }
  for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
    for (const SampleCell& cell : row->cells) {
      const auto column = columns.find(cell.column);
      if (column == columns.end()) continue;
      ++(IsNumber(cell, sep) ? column->second.first : column->second.second);
    }
  }
  return std::any_of(columns.begin(), columns.end(),
                     [](const auto& column) { return column.second.first > column.second.second; });
}

DecimalConvention GuessDecimal(const std::vector<SampleRow>& rows, bool header) {
  static const numtext::Separators point = Convention(".", ",");
  static const numtext::Separators comma = Convention(",", ".");
  std::size_t points = 0;
  std::size_t commas = 0;
  for (auto row = rows.begin() + (header && !rows.empty() ? 1 : 0); row < rows.end(); ++row) {
    for (const SampleCell& cell : row->cells) {
      if (cell.kind != CellKind::kText) continue;
      const std::string_view text = Trimmed(cell.text);
      // "1,234" and "1.234" read in both: they say nothing.
      if (numtext::TakesOtherConvention(text, point)) ++commas;
      if (numtext::TakesOtherConvention(text, comma) && !numtext::IsStrictlyNumeric(text, comma)) ++points;
    }
  }
  if (commas == points) return DecimalConvention::kUndecided;
  return commas > points ? DecimalConvention::kComma : DecimalConvention::kPoint;
}

TableLayout GuessTableLayout(std::string_view bytes, bool whole, const numtext::Separators& sep,
                             std::optional<TextForm> form) {
  Decoded decoded;
  ListFileReader file(decoded, form);
  file.Feed(bytes.data(), bytes.size());
  file.Finish();
  TableLayout layout;
  layout.delimiter = GuessDelimiter(decoded.text, whole);
  SampleRows rows(kSampleRecords);
  // One column is split as TSV: the tab was found no delimiter, and a stray
  // one splits only its own line.
  DelimitedCells cells(layout.delimiter.value_or('\t'), rows);
  cells.Feed(decoded.text.data(), decoded.text.size());
  if (whole)
    cells.Finish();
  else
    rows.DropUnended();
  layout.header = GuessHeader(rows.Rows(), sep);
  layout.decimal = GuessDecimal(rows.Rows(), layout.header);
  return layout;
}

}  // namespace tallowmere::input
