#include "results/FrequencyFormats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "core/Translation.h"
#include "core/Utf8.h"
#include "numtext/NumberText.h"

namespace tallowmere::results {

namespace {

const numtext::Separators kPoint{".", ","};

constexpr const char* kHeadings[] = {
    QT_TRANSLATE_NOOP("Frequencies", "Value"),
    QT_TRANSLATE_NOOP("Frequencies", "Count"),
    QT_TRANSLATE_NOOP("Frequencies", "Percent"),
    QT_TRANSLATE_NOOP("Frequencies", "Cumulative count"),
    QT_TRANSLATE_NOOP("Frequencies", "Cumulative percent"),
};
constexpr const char* kBinHeading = QT_TRANSLATE_NOOP("Frequencies", "Range");
constexpr const char* kTitle = QT_TRANSLATE_NOOP("Frequencies", "Frequencies:");

constexpr std::string_view kTsvKeys[] = {"low", "high", "count", "percent", "cumulative_count", "cumulative_percent"};

// The width a cell takes on a terminal: its code points.
std::size_t Width(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size(); ++width) i += std::max<std::size_t>(1, core::Utf8SequenceLength(text, i));
  return width;
}

std::string ScriptNumber(double v, Digits digits) {
  return digits == Digits::kEvery ? numtext::RoundTripText(v, kPoint) : numtext::NumberText(v, kPoint);
}

}  // namespace

std::string FrequencyHeading(std::size_t column, stats::FrequencyRowKind kind) {
  if (column == 0 && kind == stats::FrequencyRowKind::kBins)
    return std::string(core::Translated("Frequencies", kBinHeading));
  return column < kFrequencyColumns ? std::string(core::Translated("Frequencies", kHeadings[column])) : std::string();
}

std::string FrequencyFirstCell(const stats::FrequencyRow& row, stats::FrequencyRowKind kind, bool last,
                               const numtext::Separators& sep) {
  if (kind == stats::FrequencyRowKind::kValues) return numtext::NumberText(row.low, sep);
  // With a decimal comma a semicolon keeps the two ends apart.
  const std::string between = sep.decimal == "," ? "; " : ", ";
  return "[" + numtext::NumberText(row.low, sep) + between + numtext::NumberText(row.high, sep) + (last ? "]" : ")");
}

std::string FrequencyPercentText(double percent, const numtext::Separators& sep) {
  return numtext::NumberText(std::round(percent * 100.0) / 100.0, sep);
}

std::string FrequencyText(const stats::FrequencyTable& table, const numtext::Separators& sep) {
  using Line = std::array<std::string, 5>;
  std::vector<Line> lines;
  Line heading;
  for (std::size_t k = 0; k < heading.size(); ++k) heading[k] = FrequencyHeading(k, table.kind);
  lines.push_back(heading);
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const stats::FrequencyRow& row = table.rows[i];
    lines.push_back({FrequencyFirstCell(row, table.kind, i + 1 == table.rows.size(), sep), std::to_string(row.count),
                     FrequencyPercentText(row.percent, sep), std::to_string(row.cumulativeCount),
                     FrequencyPercentText(row.cumulativePercent, sep)});
  }
  std::array<std::size_t, 5> widths{};
  for (const Line& line : lines)
    for (std::size_t k = 0; k < widths.size(); ++k) widths[k] = std::max(widths[k], Width(line[k]));
  std::string out = std::string(core::Translated("Frequencies", kTitle)) + '\n';
  for (const Line& line : lines) {
    // The first column to the left, the figures to the right.
    out += line[0] + std::string(widths[0] - Width(line[0]), ' ');
    for (std::size_t k = 1; k < widths.size(); ++k)
      out += "  " + std::string(widths[k] - Width(line[k]), ' ') + line[k];
    out += '\n';
  }
  return out;
}

std::string FrequencyTsvHeader(std::string_view leadHeader) {
  std::string out;
  if (!leadHeader.empty()) out.append(leadHeader).append("\t");
  for (const std::string_view key : kTsvKeys) out.append(key).append(key == kTsvKeys[5] ? "\n" : "\t");
  return out;
}

std::string FrequencyTsvLines(const stats::FrequencyTable& table, Digits digits, std::optional<std::string_view> lead) {
  std::string out;
  for (const stats::FrequencyRow& row : table.rows) {
    if (lead) out.append(*lead).append("\t");
    out += ScriptNumber(row.low, digits) + '\t' + ScriptNumber(row.high, digits) + '\t' + std::to_string(row.count) +
           '\t' + ScriptNumber(row.percent, digits) + '\t' + std::to_string(row.cumulativeCount) + '\t' +
           ScriptNumber(row.cumulativePercent, digits) + '\n';
  }
  return out;
}

void AppendFrequencyJson(std::string& out, const stats::FrequencyTable& table, Digits digits) {
  auto number = [&](double v) {
    if (std::isfinite(v)) {
      out += ScriptNumber(v, digits);
    } else {
      AppendJsonString(out, ScriptNumber(v, digits));
    }
  };
  out += '[';
  for (const stats::FrequencyRow& row : table.rows) {
    if (&row != &table.rows.front()) out += ',';
    out += "{\"low\":";
    number(row.low);
    out += ",\"high\":";
    number(row.high);
    out += ",\"count\":" + std::to_string(row.count) + ",\"percent\":";
    number(row.percent);
    out += ",\"cumulative_count\":" + std::to_string(row.cumulativeCount) + ",\"cumulative_percent\":";
    number(row.cumulativePercent);
    out += '}';
  }
  out += ']';
}

}  // namespace tallowmere::results
