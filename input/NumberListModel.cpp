#include "input/NumberListModel.h"

#include <QMetaObject>
#include <limits>
#include <stdexcept>

namespace tallowmere::input {

namespace {
// Qt's views count rows in int.
constexpr std::size_t kMaxRows = static_cast<std::size_t>(std::numeric_limits<int>::max());
}  // namespace

NumberListModel::NumberListModel(QObject* parent) : QAbstractListModel(parent) {}

NumberListModel::Change::Change(NumberListModel& list, std::string name) : list_(list) {
  list_.Flush();
  ticket_ = list_.history_.BeginAddition(std::move(name), list_.store_);
}

NumberListModel::Change::~Change() {
  // Out of memory while recording the last part: the entries stay in the
  // list, only that part cannot be undone on its own; the addition ends all
  // the same.
  try {
    list_.Flush();
  } catch (const std::exception&) {
  }
  try {
    list_.history_.EndAddition(ticket_, list_.store_);
  } catch (const std::exception&) {
  }
}

void NumberListModel::Append(std::string_view text) { Keep(text, false); }

void NumberListModel::AppendTestedText(std::string_view text) { Keep(text, true); }

void NumberListModel::Keep(std::string_view text, bool passedNumberTest) {
  if (store_.Size() >= kMaxRows) throw std::length_error("Out of memory");
  store_.Append(text, passedNumberTest);
  if (tally_) ++tally_->appended;
  if (!flushQueued_) {
    flushQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Flush(); }, Qt::QueuedConnection);
  }
}

void NumberListModel::Flush() {
  flushQueued_ = false;
  history_.Settle(store_);
  if (shown_ == store_.Size()) return;
  beginInsertRows(QModelIndex(), static_cast<int>(shown_), static_cast<int>(store_.Size() - 1));
  shown_ = store_.Size();
  endInsertRows();
}

void NumberListModel::NoteSkipped(std::string_view first, std::size_t count) {
  if (tally_) tally_->NoteSkipped(first, count);
}

void NumberListModel::NoteOtherConvention(std::string_view first, std::size_t count) {
  if (tally_) tally_->NoteOtherConvention(first, count);
}

void NumberListModel::Remove(std::size_t index) {
  Flush();
  if (index >= store_.Size()) throw std::out_of_range("Invalid entry index");
  history_.RecordRemove(store_, index);
  const int row = static_cast<int>(index);
  beginRemoveRows(QModelIndex(), row, row);
  store_.Remove(index);
  shown_ = store_.Size();
  endRemoveRows();
}

void NumberListModel::RemoveEntries(std::string name, std::vector<std::size_t> rows) {
  Flush();
  if (rows.empty()) return;
  beginResetModel();
  // The views must hear of the end of the reset even when the removal fails
  // (the list is then as it was).
  struct End {
    NumberListModel& model;
    ~End() {
      model.shown_ = model.store_.Size();
      model.endResetModel();
    }
  } end{*this};
  history_.RemoveRows(std::move(name), store_, std::move(rows));
}

void NumberListModel::SwapTexts(std::size_t a, std::size_t b) {
  Flush();
  history_.RecordSwap(store_, a, b);
  store_.SwapTexts(a, b);
  const QModelIndex ia = index(static_cast<int>(a));
  const QModelIndex ib = index(static_cast<int>(b));
  emit dataChanged(ia, ia, {Qt::DisplayRole});
  emit dataChanged(ib, ib, {Qt::DisplayRole});
}

void NumberListModel::Clear() {
  Flush();
  beginResetModel();
  // The history takes the entries over; an empty list records nothing.
  history_.RecordClear(store_);
  store_.Clear();
  shown_ = 0;
  endResetModel();
}

std::optional<RowChange> NumberListModel::Undo() { return TakeStep(&ListHistory::Undo); }

std::optional<RowChange> NumberListModel::Redo() { return TakeStep(&ListHistory::Redo); }

std::optional<RowChange> NumberListModel::TakeStep(bool (ListHistory::*take)(EntryStore&,
                                                                             const ListHistory::BeforeChange&)) {
  Flush();
  std::optional<RowChange> change;
  const auto before = [&](const RowChange& c) {
    change = c;
    BeginRowChange(c);
  };
  if (!(history_.*take)(store_, before)) return std::nullopt;
  EndRowChange(*change);
  return change;
}

void NumberListModel::BeginRowChange(const RowChange& change) {
  const int first = static_cast<int>(change.first);
  const int last = static_cast<int>(change.last);
  switch (change.kind) {
    case RowChange::Kind::kInserted:
      beginInsertRows(QModelIndex(), first, last);
      break;
    case RowChange::Kind::kRemoved:
      beginRemoveRows(QModelIndex(), first, last);
      break;
    case RowChange::Kind::kReset:
      beginResetModel();
      break;
    case RowChange::Kind::kEdited:
      break;
  }
}

void NumberListModel::EndRowChange(const RowChange& change) {
  shown_ = store_.Size();
  switch (change.kind) {
    case RowChange::Kind::kInserted:
      endInsertRows();
      break;
    case RowChange::Kind::kRemoved:
      endRemoveRows();
      break;
    case RowChange::Kind::kReset:
      endResetModel();
      break;
    case RowChange::Kind::kEdited:
      emit dataChanged(index(static_cast<int>(change.first)), index(static_cast<int>(change.last)), {Qt::DisplayRole});
      break;
  }
}

void NumberListModel::SetHeader(const QString& text) {
  header_ = text;
  emit headerDataChanged(Qt::Horizontal, 0, 0);
}

int NumberListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant NumberListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.column() != 0 || static_cast<std::size_t>(index.row()) >= shown_) return {};
  if (role != Qt::DisplayRole) return {};
  const std::string_view t = store_.Text(static_cast<std::size_t>(index.row()));
  return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QVariant NumberListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole) return header_;
  return QAbstractListModel::headerData(section, orientation, role);
}

Qt::ItemFlags NumberListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // Selectable but never editable in place.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace tallowmere::input
