#pragma once
// Where the pointer is on the screen, for rules written in screen pixels.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tallowmere::platform {

// The top-left corner that centres a window of `size` in `area`.
QPoint CentredPlace(QSize size, const QRect& area);

// The pointer's screen position, given its position in `window`. Where the
// window system tells neither where a window is nor where the pointer is on
// the screen (Wayland), it is taken as if the window stood where the program
// puts it elsewhere: centred on its screen.
QPoint PointerOnScreen(const QWidget* window, QPoint inWindow);

}  // namespace tallowmere::platform
