#include "platform/OneSizeWindow.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tallowmere::platform {

namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

// Lives as a child of the top-level window it keeps.
class OneSizeGuard final : public QObject {
 public:
  explicit OneSizeGuard(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

  void WatchStateRequests() {
    QWindow* handle = window_->windowHandle();
    if (!handle || handle == watchedHandle_) return;
    watchedHandle_ = handle;
    // A state request reaches the window handle before the compositor
    // answers it with the larger size: the window must be free to take that
    // size by then. Windows that may be resized anyway are left alone.
    connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
      if (!(state & kLarger) || freed_ || window_->minimumSize() != window_->maximumSize()) return;
      freed_ = true;
      size_ = window_->size();
      // A box keeps its size through its layout, which would fix it again.
      if (QLayout* layout = window_->layout()) {
        constraint_ = layout->sizeConstraint();
        layout->setSizeConstraint(QLayout::SetNoConstraint);
      }
      window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    switch (event->type()) {
      case QEvent::Show:
        WatchStateRequests();
        break;
      case QEvent::WindowStateChange:
        // The larger state is in force now: ask for the normal one, after
        // this event, so the compositor sees the two requests in order.
        if (freed_ && (window_->windowState() & kLarger))
          QTimer::singleShot(0, window_, [w = window_] { w->setWindowState(w->windowState() & ~kLarger); });
        break;
      case QEvent::Resize:
        // Back at its size in the normal state: the fixed size holds again.
        if (freed_ && !(window_->windowState() & kLarger) && window_->size() == size_) {
          freed_ = false;
          window_->setMaximumSize(size_);
          if (QLayout* layout = window_->layout()) layout->setSizeConstraint(constraint_);
        }
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QWidget* window_;
  QPointer<QWindow> watchedHandle_;
  bool freed_ = false;
  QSize size_;
  QLayout::SizeConstraint constraint_ = QLayout::SetDefaultConstraint;
};

class TopLevelWatcher final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow()) return false;
    OneSizeGuard* guard = nullptr;
    for (QObject* child : widget->children())
      if ((guard = dynamic_cast<OneSizeGuard*>(child))) break;
    if (!guard) guard = new OneSizeGuard(widget);
    guard->WatchStateRequests();
    return false;
  }
};

}  // namespace

void KeepFixedSizeWindowsInShape(QApplication& app) { app.installEventFilter(new TopLevelWatcher(&app)); }

}  // namespace tallowmere::platform
