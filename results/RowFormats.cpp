#include "results/RowFormats.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "core/Utf8.h"
#include "numtext/NumberText.h"
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

// A JSON string; bytes that are not UTF-8 become U+FFFD, so the output
// stays valid JSON whatever a text holds.
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

// A value as a script reads it: a number with '.' and without a unit, tied
// modes joined as the row joins them, a text as it is.
std::string ScriptText(const ResultValue& value) {
  switch (value.kind) {
    case ResultValue::Kind::kNumber:
      return numtext::NumberText(value.number, kPoint);
    case ResultValue::Kind::kModes: {
      std::string text;
      for (const double tied : value.modes) {
        if (!text.empty()) text += kTieSeparator;
        text += numtext::NumberText(tied, kPoint);
      }
      return text;
    }
    case ResultValue::Kind::kText:
      break;
  }
  return value.text;
}

// The mode as an array of its tied values ("[]" for none); nullopt when it is
// a text or one of its values is no JSON number.
std::optional<std::string> ModeArray(const ResultValue& value) {
  if (value.kind == ResultValue::Kind::kText) {
    if (value.text == stats::kNoneText) return "[]";
    return std::nullopt;
  }
  if (value.kind != ResultValue::Kind::kModes) return std::nullopt;
  std::string array = "[";
  for (const double tied : value.modes) {
    const std::string number = numtext::NumberText(tied, kPoint);
    if (!IsJsonNumber(number)) return std::nullopt;
    if (array.size() > 1) array += ',';
    array += number;
  }
  return array + "]";
}

void AppendJsonValue(std::string& out, const ResultRow& row) {
  const std::string text = ScriptText(row.value);
  if (row.key == kModeKey) {
    if (const std::optional<std::string> array = ModeArray(row.value)) {
      out += *array;
      return;
    }
  } else if (IsJsonNumber(text)) {
    out += text;
    return;
  }
  AppendJsonString(out, text);
}

}  // namespace

std::string FormatResults(const results::Results& results, Format format) {
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
          out += ScriptText(row.value);
          out += '\n';
          break;
        case Format::kJson:
          if (out.size() > 1) out += ',';
          AppendJsonString(out, row.key);
          out += ':';
          AppendJsonValue(out, row);
          break;
      }
    }
  }
  if (format == Format::kJson) out += "}\n";
  return out;
}

}  // namespace tallowmere::results
