#include "results/ResultValues.h"

#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "stats/NumberText.h"

namespace analysis {
namespace {

constexpr std::string_view kTieSeparator = " or ";

// The double whose number text is `text`. The text of a value near the
// largest double may round beyond the double range ("1.79769313486232E+308"):
// that is the text of the largest double itself.
std::optional<double> ValueSpelt(std::string_view text, const numtext::Separators& sep) {
  std::optional<double> value;
  try {
    value = numtext::NumericValue(text, sep);
  } catch (...) {
    const double largest = std::numeric_limits<double>::max();
    for (const double candidate : {largest, -largest})
      if (numtext::NumberText(candidate, sep) == text) value = candidate;
  }
  if (!value || numtext::NumberText(*value, sep) != text) return std::nullopt;
  return value;
}

}  // namespace

ResultValue NumberValue(double number) {
  ResultValue value;
  value.kind = ResultValue::Kind::kNumber;
  value.number = number;
  return value;
}

ResultValue TextValue(std::string text) {
  ResultValue value;
  value.kind = ResultValue::Kind::kText;
  value.text = std::move(text);
  return value;
}

ResultValue ModeValue(const StatResult& mode, const numtext::Separators& sep) {
  ResultValue value;
  value.kind = ResultValue::Kind::kModes;
  if (mode.IsNumber()) {
    value.modes.push_back(mode.Number());
    return value;
  }
  const std::string& text = mode.Text();
  if (text == kNoneText || text == kErrorText) return TextValue(text);
  const std::string_view list = text;
  for (std::size_t from = 0;;) {
    const std::size_t at = list.find(kTieSeparator, from);
    const std::optional<double> tied = ValueSpelt(list.substr(from, at == list.npos ? at : at - from), sep);
    if (!tied) return TextValue(text);
    value.modes.push_back(*tied);
    if (at == list.npos) return value;
    from = at + kTieSeparator.size();
  }
}

ResultRow MakeRow(Row row, ResultValue value, std::string valueText) {
  const RowLabel& label = LabelOf(row);
  return {.key = label.key, .label = label.label, .value = std::move(value), .valueText = std::move(valueText)};
}

}  // namespace analysis
