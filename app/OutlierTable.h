#pragma once
// A table of entries of the number list on the outliers page: what each is
// (an outlier, the smallest ...), where it stands in the list and its text.
// Sorted by a click on a column's header; Ctrl+C copies the selected rows,
// its context menu's Copy the selected ones or all.
#include <QAbstractTableModel>
#include <QString>
#include <QTableView>
#include <cstddef>
#include <vector>

namespace tallowmere::app {

struct OutlierRow {
  QString kind;
  // The kinds' own order, which the Kind column sorts by.
  int kindOrder = 0;
  // In the list, from 0; shown from 1 as the list's rows are counted.
  std::size_t index = 0;
  double value = 0.0;
  QString text;
};

class OutlierModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kKindColumn, kPositionColumn, kValueColumn, kColumns };

  explicit OutlierModel(QObject* parent = nullptr);
  // The rows in the order they are given, which a sort by no column
  // restores.
  void SetRows(std::vector<OutlierRow> rows);
  const OutlierRow& Row(int row) const { return given_[order_[static_cast<std::size_t>(row)]]; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  // The Value column by the numbers, not their texts; equal ones, and every
  // other column's ties, in list order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  std::vector<OutlierRow> given_;
  // Row r shows given_[order_[r]].
  std::vector<std::size_t> order_;
  // The last sort, kept for new rows; -1: as given.
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

class OutlierTable final : public QTableView {
 public:
  explicit OutlierTable(QWidget* parent);
  OutlierModel& Rows() const { return *model_; }
  void SetRows(std::vector<OutlierRow> rows);
  // The list indexes of the selected rows, ascending, each once.
  std::vector<std::size_t> SelectedIndexes() const;
  // "kind TAB position TAB text" lines, in the table's order.
  QString RowsText(bool selectedOnly) const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  OutlierModel* model_;
};

}  // namespace tallowmere::app
