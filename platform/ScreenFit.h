#pragma once
// A window of a least size on a screen that may be too small for it: a
// large scale factor or a small laptop screen leaves less room than the
// window's least size. Where it fits, the window stands centred; where it
// does not, the content keeps its size and places (docs/compatibility.md,
// "The window's geometry") inside a window
// that fits the screen's free area and scrolls it, so every control stays in
// reach.
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

namespace tallowmere::platform {

struct WindowPlace {
  QPoint topLeft;  // the outer corner, frame included, on the screen
  QSize client;    // the window's inside
  bool scrolls = false;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// Where a window whose content is `content` goes in `area` (a screen's free
// area), `frame` being what the window system draws around it (none known:
// zero). The content fits when it does with its frame: then it is centred as
// if it had none (as it was always placed), moved in only as far as its frame
// needs. Otherwise the window takes what room there is, scroll bars
// (`scrollBar` wide) included, and stands as far up and left as it must.
WindowPlace PlaceWindow(QSize content, QMargins frame, int scrollBar, const QRect& area);

// Keeps `content`, a window of a least size, on its screen. While it fits,
// the content is its own window; once it does not, whether known at once or
// only when the window system adds its frame, it moves into a scrolling
// window of its own title, icon and buttons, and a control that takes the
// focus from the keyboard is scrolled into view.
class ScreenFit final : public QObject {
 public:
  explicit ScreenFit(QWidget& content);
  // Takes the content out of the scrolling window (hidden), so the two can
  // die in either order.
  ~ScreenFit() override;

  // Places the window in `area`, with the frame the window system has given
  // it so far; a window that may be resized is first made no larger than
  // the area's room, down to its least size.
  void Place(const QRect& area);
  // The scrolling window, or null while the content is its own window.
  QScrollArea* Host() const { return host_; }
  // What to call when the content is shown or hidden: the scrolling window
  // follows.
  void ContentShown(bool shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Window() const;
  void MoveIntoHost();
  void Apply(const WindowPlace& place);
  void ScrollToFocus(QWidget* now);

  QWidget& content_;
  QScrollArea* host_ = nullptr;  // ours: deleted with this
  QRect area_;                   // where the window was last placed
  QMargins frame_;               // the frame the last placing knew of
  bool moving_ = false;
  bool replacing_ = false;
};

}  // namespace tallowmere::platform
