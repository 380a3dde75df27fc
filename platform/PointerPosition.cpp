#include "platform/PointerPosition.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tallowmere::platform {

QPoint CentredPlace(QSize size, const QRect& area) {
  return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
}

QPoint PointerOnScreen(const QWidget* window, QPoint inWindow) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return QCursor::pos();
  const QScreen* screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return inWindow;
  return CentredPlace(window->size(), screen->availableGeometry()) + inWindow;
}

}  // namespace tallowmere::platform
