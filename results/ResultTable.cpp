#include "results/ResultTable.h"

#include <string_view>

#include "numtext/NumberText.h"

namespace tallowmere::results {

namespace {

constexpr std::string_view kLabelEnd = ": ";

std::string_view TableLabel(std::string_view label) {
  if (label.ends_with(kLabelEnd)) label.remove_suffix(kLabelEnd.size());
  return label;
}

void AppendCells(std::string& out, const ResultValue& value, const numtext::Separators& sep) {
  switch (value.kind) {
    case ResultValue::Kind::kNumber:
      out += numtext::NumberText(value.number, sep);
      return;
    case ResultValue::Kind::kModes:
      for (std::size_t i = 0; i < value.modes.size(); ++i) {
        if (i > 0) out += '\t';
        out += numtext::NumberText(value.modes[i], sep);
      }
      return;
    case ResultValue::Kind::kText:
      out += value.text;
      return;
  }
}

}  // namespace

std::string TableText(const std::vector<const ResultRow*>& rows, const numtext::Separators& sep) {
  std::string out;
  for (const ResultRow* row : rows) {
    out += TableLabel(row->label);
    out += '\t';
    AppendCells(out, row->value, sep);
    out += '\n';
  }
  return out;
}

}  // namespace tallowmere::results
