#pragma once
// Several lists of numbers (the columns of a table, or the groups of a
// column's rows) analysed one after the other by the same run as the main
// window's list, so that each column's statistics read exactly as that list
// would show them, side by side: a row per statistic, a column per list. The
// run is repeated whenever the method or the decimals change. Plain C++, no
// Qt.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/ErrorReport.h"
#include "input/TableColumns.h"
#include "numtext/Separators.h"
#include "results/Analysis.h"
#include "results/ResultModel.h"

namespace tallowmere::results {

// One list: its heading and its numbers in the order they were read.
struct CompareColumn {
  std::string heading;  // "weight", or "weight: A" for a group
  std::vector<double> values;
};

// The lists of table columns: each one's value as the run reads it (a text
// that passed the number test as its writer meant it; one beyond the double
// range counts 0, as in the run). A column without a header cell is headed
// by `unnamed` with "%1" replaced by its number.
std::vector<CompareColumn> CompareColumnsOf(std::vector<input::ColumnEntries> blocks, const numtext::Separators& sep,
                                            std::string_view unnamed);

// How the main window's options stand: its method and its decimals.
struct CompareOptions {
  bool sample = true;
  std::int16_t places = 0;
  bool showAll = false;
};

class CompareTable final : private core::ErrorSink {
 public:
  CompareTable(std::vector<CompareColumn> columns, numtext::Separators separators);

  // Runs every column's analysis afresh with `options`.
  void Analyse(const CompareOptions& options);
  const CompareOptions& Options() const { return options_; }

  const std::vector<CompareColumn>& Columns() const { return columns_; }
  // What the last Analyse made of column `column`; empty for a list without
  // numbers.
  const Results& ResultsOf(std::size_t column) const { return results_[column]; }
  // Every statistic any column has, in the order of the rows (the twelve,
  // then the rest; the interval only for Sample).
  const std::vector<std::string_view>& Keys() const { return keys_; }
  // The row of statistic `key` (an index into Keys()) for `column`; null
  // where that column has none.
  const ResultRow* Cell(std::size_t key, std::size_t column) const;
  // The steps of the last Analyse that failed (each cell then shows what the
  // main window's row would).
  std::size_t Failures() const { return failures_; }

  // A cell as a spreadsheet takes it: a plain number with the user's decimal
  // separator and no grouping or unit, the tied modes joined by " or ", a
  // text as it is; empty where the column has no such row.
  std::string PlainCell(std::size_t key, std::size_t column) const;
  // The table as tab-separated lines: `corner` and the headings first, then
  // a line per key beginning with its label (`labels`, one per key).
  std::string TabText(std::string_view corner, const std::vector<std::string>& labels) const;
  // The same as comma-separated values (semicolons where the decimal
  // separator is a comma), cells quoted where they must be, CR LF line ends.
  std::string CsvText(std::string_view corner, const std::vector<std::string>& labels) const;
  // A column's numbers as the shortest texts that read back to them in the
  // user's separators, for the number list.
  std::vector<std::string> NumberTexts(std::size_t column) const;

 private:
  void ReportError(const std::string& description, std::string_view location, int label) override;
  void AnalyseColumn(std::size_t column);
  void CollectKeys();
  std::vector<std::vector<std::string>> Grid(std::string_view corner, const std::vector<std::string>& labels) const;

  std::vector<CompareColumn> columns_;
  numtext::Separators separators_;
  Analysis analysis_;
  CompareOptions options_;
  std::vector<Results> results_;
  std::vector<std::string_view> keys_;
  std::size_t failures_ = 0;
};

}  // namespace tallowmere::results
