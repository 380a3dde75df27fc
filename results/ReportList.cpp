#include "results/ReportList.h"

#include <stdexcept>

namespace tallowmere::results {

namespace {
void CheckCell(const ReportList& list, int row, int column) {
  if (row < 0 || row >= list.ReportRows() || column < 0 || column >= list.ReportColumns())
    throw std::out_of_range("Index out of bounds");
}
}  // namespace

QString CellText(const ReportList& list, int row, int column) {
  CheckCell(list, row, column);
  return list.ReportCell(row, column);
}

bool Ticked(const ReportList& list, int row) {
  CheckCell(list, row, 0);
  return list.ReportTicked(row);
}

QString HeaderText(const ReportList& list, int column) {
  if (column < 0 || column >= list.ReportColumns()) throw std::out_of_range("Index out of bounds");
  return list.ReportHeader(column);
}

}  // namespace tallowmere::results
