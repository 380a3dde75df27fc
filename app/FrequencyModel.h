#pragma once
// The frequency table of an analysis as a table view reads it: a row per
// value, or per bin, and the count, percent, cumulative count and cumulative
// percent of each, in the texts the analyser's --frequencies writes. A row
// per value of many different numbers is read from the numbers when shown,
// so ten million rows cost a mark every 64 of them, not the rows.
#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <utility>
#include <vector>

#include "numtext/Separators.h"
#include "results/ResultModel.h"
#include "stats/Frequencies.h"
#include "stats/ValueRows.h"

namespace tallowmere::app {

// Rows as first and last (both included), ascending and apart.
using RowSpans = std::vector<std::pair<std::size_t, std::size_t>>;

class FrequencyModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit FrequencyModel(numtext::Separators separators, QObject* parent = nullptr);

  // The table of `sorted`: MakeFrequencyTable's with `bins` (0 automatic),
  // or a row per value when `valueRows`. The model holds the numbers while
  // it shows them.
  void Show(results::SortedNumbers sorted, int bins, bool valueRows);
  void Clear();

  stats::FrequencyRowKind Kind() const { return kind_; }
  std::size_t RowCount() const;
  stats::FrequencyRow Row(std::size_t i) const;

  // The rows as a spreadsheet reads them pasted: a line per row, its cells
  // separated by tabs (a bin's ends in two cells), the numbers with the
  // user's decimal separator and nothing else; with the header line first
  // when `header`.
  QString CopiedText(const RowSpans& rows, bool header) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  // A bin's range as the page shows it: its ends rounded to the bin's width.
  QString ShownRange(const stats::FrequencyRow& row, bool last) const;
  QString CellText(const stats::FrequencyRow& row, std::size_t i, int column) const;
  QString HeaderLine() const;
  void AppendCopiedRow(QString& out, const stats::FrequencyRow& row) const;

  numtext::Separators separators_;
  // NumberText never groups digits; only the decimal separator is the user's.
  numtext::Separators copied_;
  results::SortedNumbers sorted_;
  stats::FrequencyRowKind kind_ = stats::FrequencyRowKind::kValues;
  // One or the other: the table's rows, or the index of a row per value.
  std::vector<stats::FrequencyRow> rows_;
  stats::ValueRowIndex index_;
  bool indexed_ = false;
};

}  // namespace tallowmere::app
