#include "app/Announcer.h"

#include <QTimer>

namespace tallowmere::app {

Announcer::Announcer(QWidget* window) : QWidget(window), flush_(new QTimer(this)) {
  setObjectName(QStringLiteral("announcer"));
  setAttribute(Qt::WA_TransparentForMouseEvents, true);
  setFocusPolicy(Qt::NoFocus);
  // One transparent pixel under the controls: a reader reports a hidden
  // object as gone, an empty one is still shown.
  setGeometry(0, 0, 1, 1);
  lower();
  flush_->setSingleShot(true);
  flush_->setInterval(0);
  connect(flush_, &QTimer::timeout, this, [this] { Say(); });
}

void Announcer::Announce(const QString& text) {
  if (text.isEmpty()) return;
  if (!pending_.isEmpty()) pending_ += QLatin1Char(' ');
  pending_ += text;
  flush_->start();
}

void Announcer::Say() {
  const QString text = pending_;
  pending_.clear();
  // Readers speak a notification as it appears: it shows again, named anew.
  hide();
  setAccessibleName(text);
  show();
  lower();
}

}  // namespace tallowmere::app
