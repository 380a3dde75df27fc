#pragma once
// Spoken notices: a screen reader hears what the window tells the sighted
// user in passing (an addition's notice, the results note, the end of an
// analysis, a tick of every row), as a notification object of the window
// that shows afresh with the new text as its name. It takes no room, no
// focus and no click.
#include <QString>
#include <QWidget>

class QTimer;

namespace tallowmere::app {

class Announcer final : public QWidget {
 public:
  explicit Announcer(QWidget* window);
  // Says `text` once the current event is handled; texts asked for in the
  // same turn of the event loop are said together, in the order asked.
  void Announce(const QString& text);
  // What was said last, as a reader finds it in the window's tree.
  QString LastSaid() const { return accessibleName(); }

 private:
  void Say();

  QString pending_;
  QTimer* flush_;
};

}  // namespace tallowmere::app
