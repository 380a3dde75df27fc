#pragma once
// The results list: one line for each row of a run's results, in the run's
// order, each with a tick box the user sets (the exports take the ticked
// lines). The rows are the list's own copy, shown as the run adds them; the
// ticks live here, with them. Not editable.
#include <QAbstractListModel>
#include <QString>
#include <vector>

#include "results/ReportList.h"
#include "results/ResultModel.h"

namespace tallowmere::results {

class ResultListModel final : public QAbstractListModel, public ReportList {
  Q_OBJECT

 public:
  explicit ResultListModel(QObject* parent = nullptr);

  // The text above the list's one column.
  void SetHeader(const QString& header);

  // Shows the rows of `results` past those the list shows already, each
  // unticked: called as a run adds its rows, the list grows with it.
  void ShowRowsOf(const Results& results);
  // Empties the list.
  void Clear();

  // The rows shown, in order.
  const std::vector<ResultRow>& Rows() const { return rows_; }
  // Row `row`'s tick; a row that is not there fails as std::out_of_range.
  bool Ticked(int row) const;
  void SetTicked(int row, bool ticked);
  // Ticks or unticks every row; only the rows that change say so.
  void SetAllTicked(bool ticked);

  // Qt's view of it: DisplayRole is the row's line, CheckStateRole its tick.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // What the exports read.
  int ReportColumns() const override { return 1; }
  int ReportRows() const override { return rowCount(); }
  QString ReportHeader(int column) const override;
  QString ReportCell(int row, int column) const override;
  bool ReportTicked(int row) const override { return Ticked(row); }

 private:
  bool Has(int row) const { return row >= 0 && static_cast<std::size_t>(row) < rows_.size(); }
  void SetTick(int row, Qt::CheckState state);

  std::vector<ResultRow> rows_;
  std::vector<Qt::CheckState> ticks_;  // one a row
  QString header_;
  bool headerSet_ = false;
};

}  // namespace tallowmere::results
