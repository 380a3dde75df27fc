#include "results/ResultValues.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "core/Translation.h"
#include "numtext/NumberText.h"
#include "stats/StatResult.h"

namespace tallowmere::results {

namespace {

constexpr std::string_view kTieSeparator = " or ";
// Ten decimals that show fewer significant digits than this show a value too
// poorly to stand for it.
constexpr std::size_t kFewestShownDigits = 4;
// Longer than any number text ("-1.23456789012345E-308" and the like).
constexpr std::size_t kLongestText = 64;

// The double whose number text is `text`. The text of a value near the
// largest double may round beyond the double range ("1.79769313486232E+308"):
// that is the text of the largest double itself. A list of many tied values
// is read here at every run, so the text is read as C reads it, once its
// decimal separator is a point, and checked by spelling the value again.
std::optional<double> ValueSpelt(std::string_view text, const numtext::Separators& sep) {
  char plain[kLongestText];
  std::size_t length = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (length == sizeof plain) return std::nullopt;
    if (!sep.decimal.empty() && text.substr(i).starts_with(sep.decimal)) {
      plain[length++] = '.';
      i += sep.decimal.size() - 1;
    } else {
      plain[length++] = text[i];
    }
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(plain, plain + length, value);
  if (end != plain + length) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    const double largest = std::numeric_limits<double>::max();
    value = plain[0] == '-' ? -largest : largest;
  } else if (error != std::errc{}) {
    return std::nullopt;
  }
  if (numtext::NumberText(value, sep) != text) return std::nullopt;
  return value;
}

}  // namespace

ResultValue NumberValue(double number) { return NumberValue(number, number); }

ResultValue NumberValue(double shown, double engine) {
  ResultValue value;
  value.kind = ResultValue::Kind::kNumber;
  value.number = shown;
  value.engine = engine;
  return value;
}

ResultValue TextValue(std::string text) {
  ResultValue value;
  value.kind = ResultValue::Kind::kText;
  value.text = std::move(text);
  return value;
}

ResultValue ModeValue(const stats::StatResult& mode, const numtext::Separators& sep) {
  ResultValue value;
  value.kind = ResultValue::Kind::kModes;
  if (mode.IsNumber()) {
    value.modes.push_back(mode.Number());
    return value;
  }
  const std::string& text = mode.Text();
  if (text == stats::kNoneText || text == stats::kErrorText) return TextValue(text);
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

bool ShortOfMemory(std::uint64_t failures, std::uint64_t rowMark, std::uint64_t runMark, const ResultRow& row) {
  return failures != rowMark || (failures != runMark && row.value.kind == ResultValue::Kind::kText);
}

double ShownValue(double worked, double engine, std::string_view tenDecimals, bool roundingFlag) {
  if (roundingFlag || engine == 0.0 || !std::isfinite(engine)) return worked;
  // The digits from the first that is not 0 to the last of the ten decimals;
  // the decimal separator, however the user spells it, holds no ASCII digit.
  std::size_t significant = 0;
  for (const char c : tenDecimals) {
    if (c < '0' || c > '9') continue;
    if (significant > 0 || c != '0') ++significant;
  }
  return significant < kFewestShownDigits ? engine : worked;
}

namespace {

// The words a row can show in place of a number, in the user's language; the
// machine formats keep the English words of the value itself.
constexpr const char* kNoneWord = QT_TRANSLATE_NOOP("ResultValues", "None");
constexpr const char* kErrorWord = QT_TRANSLATE_NOOP("ResultValues", "Error");
// What joins tied modes ("2 or 3").
constexpr const char* kOrWord = QT_TRANSLATE_NOOP("ResultValues", " or ");

std::string ShownWords(Row row, std::string valueText) {
  if (valueText == stats::kNoneText) return std::string(core::Translated("ResultValues", kNoneWord));
  if (valueText == stats::kErrorText) return std::string(core::Translated("ResultValues", kErrorWord));
  if (row != Row::kMode) return valueText;
  const std::string_view joiner = core::Translated("ResultValues", kOrWord);
  if (joiner == kOrWord) return valueText;
  std::string shown;
  std::size_t from = 0;
  for (std::size_t at; (at = valueText.find(kOrWord, from)) != std::string::npos; from = at + 4)
    shown.append(valueText, from, at - from).append(joiner);
  return shown.append(valueText, from, std::string::npos);
}

}  // namespace

ResultRow MakeRow(Row row, ResultValue value, std::string valueText) {
  const RowLabel& label = LabelOf(row);
  const bool words = value.kind != ResultValue::Kind::kNumber;
  return {.key = label.key,
          .label = core::Translated("ResultRows", label.label.data()),
          .value = std::move(value),
          .valueText = words ? ShownWords(row, std::move(valueText)) : std::move(valueText)};
}

ResultRow MakeRow(const RowLabel& label, ResultValue value, std::string valueText) {
  const bool words = value.kind != ResultValue::Kind::kNumber;
  return {.key = label.key,
          .label = label.label,
          .value = std::move(value),
          .valueText = words ? ShownWords(Row::kMean, std::move(valueText)) : std::move(valueText)};
}

}  // namespace tallowmere::results
