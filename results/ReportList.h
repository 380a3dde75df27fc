#pragma once
// Reading a report-style list (a Qt item model: header texts from headerData,
// column c of row r at index(r, c), ticked when column 0 holds Qt::Checked)
// the way the exports read it: live, since window events run between the
// reads and another command may have emptied the list meanwhile. A row or
// column that is gone fails the way reading past the end of a list does
// (std::out_of_range "Index out of bounds"), instead of reading as empty.
#include <QString>

class QAbstractItemModel;

namespace tallowmere::results {

QString CellText(const QAbstractItemModel& list, int row, int column);
bool Ticked(const QAbstractItemModel& list, int row);
QString HeaderText(const QAbstractItemModel& list, int column);

}  // namespace tallowmere::results
