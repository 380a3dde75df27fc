#include "platform/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "platform/PointerPosition.h"

namespace tallowmere::platform {

namespace {

// Moves `start` (the outer edge of a window `length` long) back into the
// span from `low`, `room` long; the low edge wins where it cannot fit.
int Clamp(int start, int length, int low, int room) { return std::max(low, std::min(start, low + room - length)); }

QMargins FrameOf(const QWidget& window) {
  const QRect inner = window.geometry();
  const QRect outer = window.frameGeometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

}  // namespace

WindowPlace PlaceWindow(QSize content, QMargins frame, int scrollBar, const QRect& area) {
  const int roomW = area.width() - frame.left() - frame.right();
  const int roomH = area.height() - frame.top() - frame.bottom();
  WindowPlace place;
  place.client = content;
  if (content.width() > roomW || content.height() > roomH) {
    // A bar across one way takes room the other way. Where that pushes the
    // other way past its room too, the room there is the limit already, and
    // the scrolling window shows that bar as well.
    const bool barV = content.height() > roomH;
    const bool barH = content.width() > roomW;
    place.client = QSize(std::max(1, std::min(content.width() + (barV ? scrollBar : 0), roomW)),
                         std::max(1, std::min(content.height() + (barH ? scrollBar : 0), roomH)));
    place.scrolls = true;
  }
  const QPoint centred = CentredPlace(place.client, area);
  place.topLeft =
      QPoint(Clamp(centred.x(), place.client.width() + frame.left() + frame.right(), area.left(), area.width()),
             Clamp(centred.y(), place.client.height() + frame.top() + frame.bottom(), area.top(), area.height()));
  return place;
}

ScreenFit::ScreenFit(QWidget& content) : QObject(nullptr), content_(content) {
  content_.installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { ScrollToFocus(now); });
}

ScreenFit::~ScreenFit() {
  content_.removeEventFilter(this);
  if (!host_) return;
  QScrollArea* host = host_;
  host_ = nullptr;
  moving_ = true;
  host->takeWidget();
  delete host;
}

QWidget* ScreenFit::Window() const { return host_ ? static_cast<QWidget*>(host_) : &content_; }

void ScreenFit::Place(const QRect& area) {
  area_ = area;
  QWidget* window = Window();
  frame_ = FrameOf(*window);
  const int scrollBar = content_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &content_);
  // A window that may be resized comes down to the room there is, as far as
  // its least size lets it, before any scrolling.
  if (!host_ && content_.minimumSize() != content_.maximumSize()) {
    const QSize room(area.width() - frame_.left() - frame_.right(), area.height() - frame_.top() - frame_.bottom());
    const QSize fitted = content_.size().boundedTo(room).expandedTo(content_.minimumSize());
    if (fitted != content_.size()) content_.resize(fitted);
  }
  const WindowPlace place = PlaceWindow(content_.size(), frame_, scrollBar, area);
  if (place.scrolls && !host_) MoveIntoHost();
  Apply(place);
}

void ScreenFit::Apply(const WindowPlace& place) {
  if (host_) host_->setFixedSize(place.client);
  // Moved even where it stands already: a window moved by the program keeps
  // its place when the window system maps it.
  Window()->move(place.topLeft);
}

void ScreenFit::MoveIntoHost() {
  const bool shown = content_.isVisible();
  QWidget* focus = content_.focusWidget();
  // The scrolling window stands for the content: its kind of window, its
  // title and icon; its frame is yet to come. It has one size, the room
  // there is: nothing to maximise.
  auto* host = new QScrollArea();
  host->setWindowFlags((content_.windowFlags() | Qt::Window) & ~Qt::WindowMaximizeButtonHint);
  host->setWindowTitle(content_.windowTitle());
  host->setWindowIcon(content_.windowIcon());
  // Its scroll bars in the content's colours, not in a dark theme's beside
  // a light window.
  host->setPalette(content_.palette());
  host->setFrameShape(QFrame::NoFrame);
  // Tab goes round the content's controls only; the scrolling window itself
  // is no stop on the way.
  host->setFocusPolicy(Qt::NoFocus);
  host->setWidgetResizable(false);
  host->setAttribute(Qt::WA_DeleteOnClose, false);
  host->installEventFilter(this);
  moving_ = true;
  host->setWidget(&content_);  // the content stops being a window here
  moving_ = false;
  host_ = host;
  frame_ = QMargins();
  if (!shown) return;
  host->show();
  host->activateWindow();
  if (focus) focus->setFocus(Qt::OtherFocusReason);
}

void ScreenFit::ContentShown(bool shown) {
  if (moving_ || !host_) return;
  host_->setVisible(shown);
}

void ScreenFit::ScrollToFocus(QWidget* now) {
  // A click focuses what is already under the pointer; scrolling then would
  // pull it away from the pointer in the middle of the click.
  if (!host_ || !now || !content_.isAncestorOf(now) || QGuiApplication::mouseButtons() != Qt::NoButton) return;
  host_->ensureWidgetVisible(now);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
  if (moving_) return false;
  const QEvent::Type type = event->type();
  if (watched == &content_) {
    // A title or icon given to the content belongs on the window around it.
    if (host_ && type == QEvent::WindowTitleChange) host_->setWindowTitle(content_.windowTitle());
    if (host_ && type == QEvent::WindowIconChange) host_->setWindowIcon(content_.windowIcon());
  } else if (watched == host_ && type == QEvent::Close) {
    // Closing the window closes the content, which may refuse.
    if (!content_.close()) {
      event->ignore();
      return true;
    }
    return false;
  }
  if (watched != Window()) return false;
  // The window system adds its frame once the window is up (and tells it
  // with a move); the placing made without it is made again, after this
  // event, since the window may move into another one.
  if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) && !replacing_) {
    replacing_ = true;
    QTimer::singleShot(0, this, [this] {
      replacing_ = false;
      if (FrameOf(*Window()) != frame_) Place(area_);
    });
  }
  return false;
}

}  // namespace tallowmere::platform
