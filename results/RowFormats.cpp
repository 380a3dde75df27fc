#include "results/RowFormats.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "core/Utf8.h"
#include "numtext/NumberText.h"
#include "results/FrequencyFormats.h"
#include "stats/StatResult.h"

namespace tallowmere::results {

namespace {

constexpr std::string_view kModeKey = "mode";
constexpr std::string_view kTieSeparator = " or ";
const numtext::Separators kPoint{".", ","};

// -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view t) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    return i - from;
  };
  if (i < t.size() && t[i] == '-') ++i;
  if (i < t.size() && t[i] == '0') {
    ++i;
  } else if (digits() == 0) {
    return false;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    if (digits() == 0) return false;
  }
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == t.size();
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view t) {
  out += '"';
  for (std::size_t i = 0; i < t.size();) {
    const char c = t[i];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(c));
      out += esc;
    } else {
      const std::size_t n = core::Utf8SequenceLength(t, i);
      if (n == 0) {
        out += "\xEF\xBF\xBD";
        ++i;
        continue;
      }
      out.append(t, i, n);
      i += n;
      continue;
    }
    ++i;
  }
  out += '"';
}

namespace {

// A number as a script reads it, with '.' and without a unit: as the row
// shows it, or with every digit. A tied mode is the engine's own value either
// way (the row spells it in full); only its form follows `digits`.
std::string ScriptNumber(double shown, double engine, Digits digits) {
  return digits == Digits::kEvery ? numtext::RoundTripText(engine, kPoint) : numtext::NumberText(shown, kPoint);
}

}  // namespace

std::string ScriptText(const ResultValue& value, Digits digits) {
  switch (value.kind) {
    case ResultValue::Kind::kNumber:
      return ScriptNumber(value.number, value.engine, digits);
    case ResultValue::Kind::kModes: {
      std::string text;
      for (const double tied : value.modes) {
        if (!text.empty()) text += kTieSeparator;
        text += ScriptNumber(tied, tied, digits);
      }
      return text;
    }
    case ResultValue::Kind::kText:
      break;
  }
  return value.text;
}

namespace {

// The mode as an array of its tied values ("[]" for none); nullopt when it is
// a text or one of its values is no JSON number.
std::optional<std::string> ModeArray(const ResultValue& value, Digits digits) {
  if (value.kind == ResultValue::Kind::kText) {
    if (value.text == stats::kNoneText) return "[]";
    return std::nullopt;
  }
  if (value.kind != ResultValue::Kind::kModes) return std::nullopt;
  std::string array = "[";
  for (const double tied : value.modes) {
    const std::string number = ScriptNumber(tied, tied, digits);
    if (!IsJsonNumber(number)) return std::nullopt;
    if (array.size() > 1) array += ',';
    array += number;
  }
  return array + "]";
}

}  // namespace

void AppendJsonValue(std::string& out, const ResultRow& row, Digits digits) {
  const std::string text = ScriptText(row.value, digits);
  if (row.key == kModeKey) {
    if (const std::optional<std::string> array = ModeArray(row.value, digits)) {
      out += *array;
      return;
    }
  } else if (IsJsonNumber(text)) {
    out += text;
    return;
  }
  AppendJsonString(out, text);
}

namespace {

void AppendFrequencies(std::string& out, const stats::FrequencyTable& table, const numtext::Separators& sep,
                       Format format, Digits digits) {
  switch (format) {
    case Format::kText:
      out += FrequencyText(table, sep);
      return;
    case Format::kTsv:
      out += FrequencyTsvHeader() + FrequencyTsvLines(table, digits);
      return;
    case Format::kJson:
      if (out.size() > 1) out += ',';
      out += "\"frequencies\":";
      AppendFrequencyJson(out, table, digits);
      return;
  }
}

}  // namespace

std::string FormatResults(const results::Results& results, Format format, Digits digits) {
  std::string out;
  if (format == Format::kJson) out += '{';
  for (const auto* list : {&results.rows, &results.more}) {
    for (const ResultRow& row : *list) {
      switch (format) {
        case Format::kText:
          out += row.Line();
          out += '\n';
          break;
        case Format::kTsv:
          out += row.key;
          out += '\t';
          out += ScriptText(row.value, digits);
          out += '\n';
          break;
        case Format::kJson:
          if (out.size() > 1) out += ',';
          AppendJsonString(out, row.key);
          out += ':';
          AppendJsonValue(out, row, digits);
          break;
      }
    }
  }
  if (results.frequencies) AppendFrequencies(out, *results.frequencies, results.separators, format, digits);
  if (format == Format::kJson) out += "}\n";
  return out;
}

}  // namespace tallowmere::results
