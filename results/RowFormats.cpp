#include "results/RowFormats.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

#include "stats/NumberText.h"
#include "stats/StatResult.h"

namespace rowformat {
namespace {

// The key of each row for tsv and json, found by the row's label; in the
// order the rows come.
struct RowKey {
  std::string_view label;
  std::string_view key;
};
constexpr RowKey kRowKeys[] = {
    {"The number of entries is: ", "count"},
    {"The sum of the numbers are: ", "sum"},
    {"The sum squared is: ", "sum_squared"},
    {"The sum of squares is: ", "sum_of_squares"},
    {"The mode is: ", "mode"},
    {"The median is: ", "median"},
    {"The mean is: ", "mean"},
    {"The variance is: ", "variance"},
    {"The skew is: ", "skew"},
    {"The average deviation is: ", "average_deviation"},
    {"The standard deviation is: ", "standard_deviation"},
    {"The coefficient of variation is: ", "coefficient_of_variation"},
};
constexpr std::string_view kModeKey = "mode";
constexpr std::string_view kCoefficientKey = "coefficient_of_variation";
constexpr std::string_view kTieSeparator = " or ";
constexpr std::string_view kPercentUnit = " %";

struct KeyedValue {
  std::string_view key;
  std::string value;
};

std::string WithDecimalPoint(std::string_view text, std::string_view decimal) {
  if (decimal.empty() || decimal == ".") return std::string(text);
  std::string out;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(decimal, from);
    out += text.substr(from, at == std::string_view::npos ? at : at - from);
    if (at == std::string_view::npos) return out;
    out += '.';
    from = at + decimal.size();
  }
}

// The rows present, each as its key and its value as the window shows it,
// but with '.' for the user's decimal separator (a script should not have to
// know the locale) and without the unit of the coefficient.
std::vector<KeyedValue> KeyedRows(const std::vector<std::string>& rows, const std::string& decimal) {
  std::vector<KeyedValue> keyed;
  for (const RowKey& rk : kRowKeys) {
    auto row = std::find_if(rows.begin(), rows.end(), [&](const std::string& r) { return r.starts_with(rk.label); });
    if (row == rows.end()) continue;
    std::string value = row->substr(rk.label.size());
    if (rk.key == kCoefficientKey && value.ends_with(kPercentUnit)) value.resize(value.size() - kPercentUnit.size());
    keyed.push_back({rk.key, WithDecimalPoint(value, decimal)});
  }
  return keyed;
}

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

// The length of the well-formed UTF-8 sequence at t[i], or 0. The second
// byte's range also rules out overlong forms, surrogates and values beyond
// U+10FFFF.
std::size_t Utf8Length(std::string_view t, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > t.size() || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
  return length;
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
      const std::size_t n = Utf8Length(t, i);
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

// The mode as an array of its tied values; nullopt when the text is not a
// list of numbers (an error text).
std::optional<std::string> ModeArray(std::string_view value) {
  if (value == kNoneText) return "[]";
  std::string array = "[";
  for (std::size_t from = 0;;) {
    const std::size_t at = value.find(kTieSeparator, from);
    const std::string_view number = value.substr(from, at == std::string_view::npos ? at : at - from);
    if (!IsJsonNumber(number)) return std::nullopt;
    if (array.size() > 1) array += ',';
    array += number;
    if (at == std::string_view::npos) break;
    from = at + kTieSeparator.size();
  }
  return array + "]";
}

}  // namespace

std::string FormatRows(const std::vector<std::string>& rows, Format format, const std::string& decimal) {
  std::string out;
  if (format == Format::kText) {
    for (const std::string& row : rows) {
      out += row;
      out += '\n';
    }
    return out;
  }
  const std::vector<KeyedValue> keyed = KeyedRows(rows, decimal);
  if (format == Format::kTsv) {
    for (const KeyedValue& kv : keyed) {
      out += kv.key;
      out += '\t';
      out += kv.value;
      out += '\n';
    }
    return out;
  }
  out += '{';
  for (const KeyedValue& kv : keyed) {
    if (out.size() > 1) out += ',';
    AppendJsonString(out, kv.key);
    out += ':';
    std::optional<std::string> mode;
    if (kv.key == kModeKey) mode = ModeArray(kv.value);
    if (mode) {
      out += *mode;
    } else if (kv.key != kModeKey && IsJsonNumber(kv.value)) {
      out += kv.value;
    } else {
      AppendJsonString(out, kv.value);
    }
  }
  out += "}\n";
  return out;
}

}  // namespace rowformat
