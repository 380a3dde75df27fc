#include "app/Accessibility.h"

#include <QAccessibleWidget>
#include <QTableView>

#include "app/Announcer.h"
#include "app/DistributionWindow.h"
#include "app/Form1.h"
#include "app/TickListAccessible.h"

namespace tallowmere::app {

namespace {

// A window of ours is a frame while it is a window of its own; inside the
// scrolling window of small screens the main window is a part of that one.
class OwnWindowAccessible final : public QAccessibleWidget {
 public:
  explicit OwnWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
  QAccessible::Role role() const override { return widget()->isWindow() ? QAccessible::Window : QAccessible::Client; }
};

bool OwnWindow(QWidget* widget) { return dynamic_cast<Form1*>(widget) || dynamic_cast<DistributionWindow*>(widget); }

QAccessible::UpdateHandler previousHandler = nullptr;
void RenumberTickListEvents(QAccessibleEvent* event);

void Forward(QAccessibleEvent* event) {
  if (previousHandler) {
    previousHandler(event);
    return;
  }
  // Without a handler of its own Qt hands the event to the platform's bridge.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&RenumberTickListEvents);
}

// The events a table view sends of its rows name them by a table's child
// numbers; a tick list's children are numbered as a list's.
void RenumberTickListEvents(QAccessibleEvent* event) {
  auto* view = qobject_cast<QTableView*>(event->object());
  const QAccessible::Event type = event->type();
  const bool ofRow = type == QAccessible::Focus || type == QAccessible::Selection ||
                     type == QAccessible::SelectionAdd || type == QAccessible::SelectionRemove;
  if (!view || !ofRow || event->child() < 0 || !IsTickList(*view)) {
    Forward(event);
    return;
  }
  QAccessibleEvent renumbered(view, type);
  renumbered.setChild(TickListChild(*view, event->child()));
  Forward(&renumbered);
}

}  // namespace

QAccessibleInterface* ProgramAccessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (OwnWindow(widget)) return new OwnWindowAccessible(widget);
  if (dynamic_cast<DistributionView*>(widget)) return new QAccessibleWidget(widget, QAccessible::Graphic);
  if (dynamic_cast<Announcer*>(widget)) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (auto* view = qobject_cast<QTableView*>(widget); view && IsTickList(*view)) return new TickListAccessible(view);
  return nullptr;
}

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&ProgramAccessible);
    previousHandler = QAccessible::installUpdateHandler(&RenumberTickListEvents);
    return true;
  }();
  (void)installed;
}

}  // namespace tallowmere::app
