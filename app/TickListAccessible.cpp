#include "app/TickListAccessible.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTimer>
#include <QWindow>

namespace tallowmere::app {

namespace {

constexpr const char* kTickListProperty = "tallowmere_tickList";

bool Ticked(const QModelIndex& index) { return index.data(Qt::CheckStateRole).toInt() == Qt::Checked; }

class TickRowAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TickRowAccessible(QTableView* view, const QModelIndex& index) : view_(view), index_(index) {}

  bool isValid() const override { return view_ && index_.isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::CheckBox; }
  void setText(QAccessible::Text, const QString&) override {}
  int Row() const { return index_.row(); }

  QString text(QAccessible::Text kind) const override {
    if (!isValid()) return QString();
    if (kind == QAccessible::Name) return index_.data(Qt::DisplayRole).toString();
    if (kind == QAccessible::Description) return TickStateText(Ticked(index_));
    return QString();
  }

  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect row = view_->visualRect(index_);
    return QRect(view_->viewport()->mapToGlobal(row.topLeft()), row.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.focusable = true;
    state.selectable = true;
    state.checkable = true;
    state.checked = Ticked(index_);
    state.selected = view_->selectionModel()->isSelected(index_);
    state.focused = view_->hasFocus() && view_->currentIndex() == index_;
    state.invisible = !view_->viewport()->rect().intersects(view_->visualRect(index_));
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }
  QStringList keyBindingsForAction(const QString& action) const override {
    return action == toggleAction() ? QStringList{QStringLiteral("space")} : QStringList();
  }
  QString localizedActionDescription(const QString& action) const override {
    if (action == toggleAction()) return QCoreApplication::translate("TickList", "Ticks or unticks the result");
    return QAccessibleActionInterface::localizedActionDescription(action);
  }

  void doAction(const QString& action) override {
    if (!isValid()) return;
    if (action == toggleAction()) {
      auto* model = const_cast<QAbstractItemModel*>(index_.model());
      model->setData(index_, Ticked(index_) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    } else if (action == setFocusAction()) {
      view_->setFocus(Qt::OtherFocusReason);
      view_->selectionModel()->setCurrentIndex(index_, QItemSelectionModel::ClearAndSelect);
    }
  }

 private:
  QPointer<QTableView> view_;
  QPersistentModelIndex index_;
};

// Sends what the view itself does not: the ticks' changes, and the current
// row's focus after the list's own on entry.
class TickEvents final : public QObject {
 public:
  explicit TickEvents(QTableView& view) : QObject(&view), view_(view) {
    connect(view.model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
              if (roles.isEmpty() || roles.contains(Qt::CheckStateRole)) TicksChanged(from.row(), to.row());
            });
    view.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &view_ && event->type() == QEvent::FocusIn)
      QTimer::singleShot(0, this, [this] { FocusCurrentRow(); });
    return false;
  }

 private:
  TickListAccessible* List() const {
    return dynamic_cast<TickListAccessible*>(QAccessible::queryAccessibleInterface(&view_));
  }

  void TicksChanged(int first, int last) {
    if (!QAccessible::isActive() || !IsTickList(view_)) return;
    for (int row = first; row <= last; ++row) {
      QAccessibleInterface* item = List() ? List()->Row(row) : nullptr;
      if (!item) continue;
      QAccessible::State changed;
      changed.checked = true;
      QAccessibleStateChangeEvent stateEvent(item, changed);
      QAccessible::updateAccessibility(&stateEvent);
      QAccessibleEvent textEvent(item, QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&textEvent);
    }
  }

  void FocusCurrentRow() {
    if (!view_.hasFocus() || !view_.model() || view_.model()->rowCount() == 0) return;
    if (!view_.currentIndex().isValid()) {
      // A current row the reader can name: the first, not selected.
      view_.selectionModel()->setCurrentIndex(view_.model()->index(0, 0), QItemSelectionModel::NoUpdate);
      return;  // the view says its new current row itself
    }
    if (!QAccessible::isActive() || !IsTickList(view_)) return;
    if (QAccessibleInterface* item = List() ? List()->Row(view_.currentIndex().row()) : nullptr) {
      QAccessibleEvent focusEvent(item, QAccessible::Focus);
      QAccessible::updateAccessibility(&focusEvent);
    }
  }

  QTableView& view_;
};

}  // namespace

QString TickStateText(bool ticked) {
  return ticked ? QCoreApplication::translate("TickList", "Ticked")
                : QCoreApplication::translate("TickList", "Not ticked");
}

TickListAccessible::TickListAccessible(QTableView* view) : QAccessibleWidget(view, QAccessible::List) {}

TickListAccessible::~TickListAccessible() {
  for (const auto& [row, id] : rows_) QAccessible::deleteAccessibleInterface(id);
}

QTableView* TickListAccessible::View() const { return static_cast<QTableView*>(widget()); }

int TickListAccessible::HeaderCount() const { return View()->horizontalHeader()->isVisible() ? 1 : 0; }

int TickListAccessible::childCount() const {
  const QAbstractItemModel* model = View()->model();
  return HeaderCount() + (model ? model->rowCount() : 0);
}

QAccessibleInterface* TickListAccessible::child(int index) const {
  if (index < HeaderCount())
    return index < 0 ? nullptr : QAccessible::queryAccessibleInterface(View()->horizontalHeader());
  // Past the rows only a table's number comes, from one of the view's own
  // events before it is renumbered: the row it means.
  if (index >= childCount()) {
    const int renumbered = TickListChild(*View(), index);
    return renumbered < HeaderCount() ? nullptr : Row(renumbered - HeaderCount());
  }
  return Row(index - HeaderCount());
}

QAccessibleInterface* TickListAccessible::Row(int row) const {
  const QAbstractItemModel* model = View()->model();
  if (!model || row < 0 || row >= model->rowCount()) return nullptr;
  // A row keeps its interface while it stays that row: readers hold on to it.
  if (auto found = rows_.find(row); found != rows_.end()) {
    auto* known = static_cast<TickRowAccessible*>(QAccessible::accessibleInterface(found->second));
    if (known && known->isValid() && known->Row() == row) return known;
    if (known) QAccessible::deleteAccessibleInterface(found->second);
    rows_.erase(found);
  }
  auto* made = new TickRowAccessible(View(), model->index(row, 0));
  rows_[row] = QAccessible::registerAccessibleInterface(made);
  return made;
}

int TickListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child) return -1;
  if (const auto* row = dynamic_cast<const TickRowAccessible*>(child))
    return row->isValid() ? HeaderCount() + row->Row() : -1;
  return child->object() == View()->horizontalHeader() && HeaderCount() ? 0 : -1;
}

QAccessibleInterface* TickListAccessible::focusChild() const {
  if (!View()->hasFocus() || !View()->currentIndex().isValid()) return nullptr;
  return Row(View()->currentIndex().row());
}

int TickListChild(const QTableView& view, int tableChild) {
  const QAbstractItemModel* model = view.model();
  if (!model || tableChild < 0) return -1;
  const int width = model->columnCount() + 1;
  const int row = tableChild / width - 1;
  if (row < 0 || tableChild % width == 0) return -1;
  return (view.horizontalHeader()->isVisible() ? 1 : 0) + row;
}

void MakeTickList(QTableView& view) {
  view.setProperty(kTickListProperty, true);
  // An interface made before this, of a plain table, goes: the next one asked
  // for is the tick list's.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&view))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  new TickEvents(view);
}

bool IsTickList(const QWidget& widget) { return widget.property(kTickListProperty).toBool(); }

}  // namespace tallowmere::app
