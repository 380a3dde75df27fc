#include "results/ColumnFormats.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "results/FrequencyFormats.h"

namespace tallowmere::results {

namespace {

std::string Heading(const ColumnResults& column) {
  return column.group ? column.column + ": " + *column.group : column.column;
}

template <class Visit>
void ForEachRow(const Results& results, Visit&& visit) {
  for (const auto* list : {&results.rows, &results.more})
    for (const ResultRow& row : *list) visit(row);
}

std::string Text(std::span<const ColumnResults> columns, Digits digits) {
  std::string out;
  for (const ColumnResults& column : columns) {
    if (!out.empty()) out += '\n';
    out += Heading(column);
    out += '\n';
    out += column.noNumbers.empty() ? FormatResults(column.results, Format::kText, digits) : column.noNumbers + '\n';
  }
  return out;
}

// A heading as one cell of a tsv line.
std::string TsvCell(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

// Every key of the columns, in row order: a column whose rows an error cut
// short lacks some, and a key new to the list goes after the key before it
// in its column.
std::vector<std::string_view> Keys(std::span<const ColumnResults> columns) {
  std::vector<std::string_view> keys;
  for (const ColumnResults& column : columns) {
    std::size_t next = 0;
    ForEachRow(column.results, [&](const ResultRow& row) {
      auto at = std::find(keys.begin(), keys.end(), row.key);
      if (at == keys.end()) at = keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(next), row.key);
      next = static_cast<std::size_t>(at - keys.begin()) + 1;
    });
  }
  return keys;
}

std::string Tsv(std::span<const ColumnResults> columns, Digits digits) {
  std::string out = "statistic";
  for (const ColumnResults& column : columns) {
    out += '\t';
    out += TsvCell(Heading(column));
  }
  out += '\n';
  const std::vector<std::string_view> keys = Keys(columns);
  for (const std::string_view key : keys) {
    out += key;
    for (const ColumnResults& column : columns) {
      out += '\t';
      if (const ResultRow* row = column.results.Find(key)) out += ScriptText(row->value, digits);
    }
    out += '\n';
  }
  // The frequency tables of the blocks, one after another, each line
  // naming its block.
  bool header = false;
  for (const ColumnResults& column : columns) {
    if (!column.results.frequencies) continue;
    if (!header) out += FrequencyTsvHeader("column");
    header = true;
    out += FrequencyTsvLines(*column.results.frequencies, digits, TsvCell(Heading(column)));
  }
  return out;
}

std::string Json(std::span<const ColumnResults> columns, Digits digits) {
  std::string out = "[";
  for (const ColumnResults& column : columns) {
    if (&column != &columns.front()) out += ',';
    out += "{\"column\":";
    AppendJsonString(out, column.column);
    out += ",\"group\":";
    if (column.group)
      AppendJsonString(out, *column.group);
    else
      out += "null";
    ForEachRow(column.results, [&](const ResultRow& row) {
      out += ',';
      AppendJsonString(out, row.key);
      out += ':';
      AppendJsonValue(out, row, digits);
    });
    if (column.results.frequencies) {
      out += ",\"frequencies\":";
      AppendFrequencyJson(out, *column.results.frequencies, digits);
    }
    out += '}';
  }
  return out + "]\n";
}

}  // namespace

std::string FormatColumns(std::span<const ColumnResults> columns, Format format, Digits digits) {
  switch (format) {
    case Format::kText:
      return Text(columns, digits);
    case Format::kTsv:
      return Tsv(columns, digits);
    case Format::kJson:
      break;
  }
  return Json(columns, digits);
}

}  // namespace tallowmere::results
