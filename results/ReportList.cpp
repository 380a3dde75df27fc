#include "results/ReportList.h"

#include <QAbstractItemModel>
#include <stdexcept>

namespace tallowmere::results {

namespace {
void CheckCell(const QAbstractItemModel& list, int row, int column) {
  if (row < 0 || row >= list.rowCount() || column < 0 || column >= list.columnCount())
    throw std::out_of_range("Index out of bounds");
}
}  // namespace

QString CellText(const QAbstractItemModel& list, int row, int column) {
  CheckCell(list, row, column);
  return list.index(row, column).data(Qt::DisplayRole).toString();
}

bool Ticked(const QAbstractItemModel& list, int row) {
  CheckCell(list, row, 0);
  return list.index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

QString HeaderText(const QAbstractItemModel& list, int column) {
  if (column < 0 || column >= list.columnCount()) throw std::out_of_range("Index out of bounds");
  return list.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

}  // namespace tallowmere::results
