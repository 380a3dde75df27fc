#include "results/ResultListModel.h"

#include <iterator>
#include <stdexcept>

namespace tallowmere::results {

ResultListModel::ResultListModel(QObject* parent) : QAbstractListModel(parent) {}

void ResultListModel::SetHeader(const QString& header) {
  header_ = header;
  headerSet_ = true;
  emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void ResultListModel::ShowRowsOf(const Results& results) {
  if (results.rows.size() <= rows_.size()) return;
  const int first = rowCount();
  const int last = static_cast<int>(results.rows.size()) - 1;
  // The copies and the room first: a list that cannot grow stays as it was.
  std::vector<ResultRow> added(results.rows.begin() + first, results.rows.end());
  rows_.reserve(results.rows.size());
  ticks_.reserve(results.rows.size());
  beginInsertRows(QModelIndex(), first, last);
  rows_.insert(rows_.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
  ticks_.resize(rows_.size(), Qt::Unchecked);
  endInsertRows();
}

void ResultListModel::Clear() {
  if (rows_.empty()) return;
  beginRemoveRows(QModelIndex(), 0, rowCount() - 1);
  rows_.clear();
  ticks_.clear();
  endRemoveRows();
}

bool ResultListModel::Ticked(int row) const {
  if (!Has(row)) throw std::out_of_range("Index out of bounds");
  return ticks_[static_cast<std::size_t>(row)] == Qt::Checked;
}

void ResultListModel::SetTicked(int row, bool ticked) {
  if (!Has(row)) throw std::out_of_range("Index out of bounds");
  SetTick(row, ticked ? Qt::Checked : Qt::Unchecked);
}

void ResultListModel::SetAllTicked(bool ticked) {
  for (int row = 0; row < rowCount(); ++row) SetTick(row, ticked ? Qt::Checked : Qt::Unchecked);
}

void ResultListModel::SetTick(int row, Qt::CheckState state) {
  Qt::CheckState& tick = ticks_[static_cast<std::size_t>(row)];
  if (tick == state) return;
  tick = state;
  const QModelIndex at = index(row);
  emit dataChanged(at, at, {Qt::CheckStateRole});
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.column() != 0 || !Has(index.row())) return {};
  if (role == Qt::DisplayRole) return ReportCell(index.row(), 0);
  if (role == Qt::CheckStateRole) return ticks_[static_cast<std::size_t>(index.row())];
  return {};
}

bool ResultListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !index.isValid() || index.column() != 0 || !Has(index.row())) return false;
  // The view's check box, a reader's "Toggle", a test: ticked or not.
  SetTick(index.row(), value.toInt() == Qt::Checked ? Qt::Checked : Qt::Unchecked);
  return true;
}

Qt::ItemFlags ResultListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole && headerSet_) return header_;
  return QAbstractListModel::headerData(section, orientation, role);
}

QString ResultListModel::ReportHeader(int column) const {
  return headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString ResultListModel::ReportCell(int row, int column) const {
  if (!Has(row) || column != 0) throw std::out_of_range("Index out of bounds");
  return QString::fromStdString(rows_[static_cast<std::size_t>(row)].Line());
}

}  // namespace tallowmere::results
