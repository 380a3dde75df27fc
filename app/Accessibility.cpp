#include "app/Accessibility.h"

#include <QAccessibleWidget>
#include <QTableView>

#include "app/Announcer.h"
#include "app/DistributionWindow.h"
#include "app/Form1.h"
#include "app/TickListAccessible.h"

namespace tallowmere::app {

namespace {

// A top-level window of ours; inside the scrolling window of small screens
// the main window is a part of that one.
bool OurWindow(QWidget* widget) {
  return widget->isWindow() && (dynamic_cast<Form1*>(widget) || dynamic_cast<DistributionWindow*>(widget));
}

}  // namespace

QAccessibleInterface* ProgramAccessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (OurWindow(widget)) return new QAccessibleWidget(widget, QAccessible::Window);
  if (dynamic_cast<DistributionView*>(widget)) return new QAccessibleWidget(widget, QAccessible::Graphic);
  if (dynamic_cast<Announcer*>(widget)) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (auto* view = qobject_cast<QTableView*>(widget); view && IsTickList(*view)) return new TickListAccessible(view);
  return nullptr;
}

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&ProgramAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace tallowmere::app
