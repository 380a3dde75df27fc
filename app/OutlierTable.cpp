#include "app/OutlierTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <algorithm>
#include <numeric>
#include <set>

#include "platform/Clipboard.h"

namespace tallowmere::app {

namespace {

// Whether row a goes before row b sorted by `column`; ties in list order.
bool Before(const OutlierRow& a, const OutlierRow& b, int column, Qt::SortOrder order) {
  const bool up = order == Qt::AscendingOrder;
  switch (column) {
    case OutlierModel::kKindColumn:
      if (a.kindOrder != b.kindOrder) return up ? a.kindOrder < b.kindOrder : a.kindOrder > b.kindOrder;
      break;
    case OutlierModel::kValueColumn:
      if (a.value != b.value) return up ? a.value < b.value : a.value > b.value;
      break;
    default:
      return up ? a.index < b.index : a.index > b.index;
  }
  return a.index < b.index;
}

}  // namespace

OutlierModel::OutlierModel(QObject* parent) : QAbstractTableModel(parent) {}

void OutlierModel::SetRows(std::vector<OutlierRow> rows) {
  beginResetModel();
  given_ = std::move(rows);
  order_.resize(given_.size());
  std::iota(order_.begin(), order_.end(), std::size_t{0});
  endResetModel();
  if (sortColumn_ >= 0) sort(sortColumn_, sortOrder_);
}

int OutlierModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int OutlierModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant OutlierModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const OutlierRow& row = Row(index.row());
  if (role == Qt::TextAlignmentRole)
    return index.column() == kKindColumn ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kKindColumn:
      return row.kind;
    case kPositionColumn:
      return QString::number(row.index + 1);
    default:
      return row.text;
  }
}

QVariant OutlierModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  switch (section) {
    case kKindColumn:
      return tr("Kind");
    case kPositionColumn:
      return tr("Position");
    default:
      return tr("Value");
  }
}

void OutlierModel::sort(int column, Qt::SortOrder order) {
  sortColumn_ = column;
  sortOrder_ = order;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<std::size_t> next(given_.size());
  std::iota(next.begin(), next.end(), std::size_t{0});
  if (column >= 0)
    std::stable_sort(next.begin(), next.end(),
                     [&](std::size_t a, std::size_t b) { return Before(given_[a], given_[b], column, order); });
  // The selection and the current row follow their rows.
  std::vector<int> rowOf(next.size());
  for (std::size_t r = 0; r < next.size(); ++r) rowOf[next[r]] = static_cast<int>(r);
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  for (const QModelIndex& index : from)
    to << this->index(rowOf[order_[static_cast<std::size_t>(index.row())]], index.column());
  order_ = std::move(next);
  changePersistentIndexList(from, to);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

OutlierTable::OutlierTable(QWidget* parent) : QTableView(parent), model_(new OutlierModel(this)) {
  setModel(model_);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setShowGrid(false);
  // Numbers are never cut short: where room is scarce the kind's words
  // give way, ending in "…".
  QHeaderView* columns = horizontalHeader();
  columns->setSectionResizeMode(OutlierModel::kKindColumn, QHeaderView::Stretch);
  columns->setSectionResizeMode(OutlierModel::kPositionColumn, QHeaderView::ResizeToContents);
  columns->setSectionResizeMode(OutlierModel::kValueColumn, QHeaderView::ResizeToContents);
  columns->setStretchLastSection(false);
  // In the order given until a header is clicked.
  columns->setSortIndicator(-1, Qt::AscendingOrder);
  setSortingEnabled(true);
  auto* copyRows = new QAction(QCoreApplication::translate("OutlierTable", "Copy"), this);
  connect(copyRows, &QAction::triggered, this,
          [this] { platform::ClipboardSetText(RowsText(selectionModel()->hasSelection())); });
  addAction(copyRows);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void OutlierTable::SetRows(std::vector<OutlierRow> rows) { model_->SetRows(std::move(rows)); }

std::vector<std::size_t> OutlierTable::SelectedIndexes() const {
  std::set<std::size_t> indexes;
  for (const QModelIndex& row : selectionModel()->selectedRows()) indexes.insert(model_->Row(row.row()).index);
  return {indexes.begin(), indexes.end()};
}

QString OutlierTable::RowsText(bool selectedOnly) const {
  QString text;
  for (int r = 0; r < model_->rowCount(); ++r) {
    if (selectedOnly && !selectionModel()->isRowSelected(r, QModelIndex())) continue;
    for (int c = 0; c < OutlierModel::kColumns; ++c)
      text += model_->index(r, c).data().toString() + QLatin1Char(c + 1 < OutlierModel::kColumns ? '\t' : '\n');
  }
  return text;
}

// Ctrl+C with rows selected is the table's: the window's own Ctrl+C (the
// picture) must not take it first.
bool OutlierTable::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) && selectionModel()->hasSelection()) {
      event->accept();
      return true;
    }
  }
  return QTableView::event(event);
}

void OutlierTable::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && selectionModel()->hasSelection()) {
    platform::ClipboardSetText(RowsText(true));
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace tallowmere::app
