#include "app/RestoreOffer.h"

#include <QAbstractScrollArea>
#include <QEvent>

namespace tallowmere::app {

namespace {

// The notices' colours (white on #263238 is 13:1), underlined as a link is,
// so that it reads as something to click in light and dark themes alike.
constexpr const char* kOfferStyle =
    "#restoreOffer { color: #FFFFFF; background: #263238; border: none; padding: 2px 4px; text-align: left;"
    " text-decoration: underline; }";

}  // namespace

RestoreOffer::RestoreOffer(QAbstractScrollArea* list) : QPushButton(list->viewport()), list_(list) {
  setObjectName(QStringLiteral("restoreOffer"));
  setAttribute(Qt::WA_StyledBackground, true);
  setFocusPolicy(Qt::NoFocus);
  setFlat(true);
  setCursor(Qt::PointingHandCursor);
  setStyleSheet(QString::fromLatin1(kOfferStyle));
  setFont(list->font());
  list->viewport()->installEventFilter(this);
  hide();
}

void RestoreOffer::Offer(const QString& text) {
  offered_ = true;
  setText(text);
  setAccessibleName(text);
  Place();
  show();
  raise();
}

void RestoreOffer::Withdraw() {
  offered_ = false;
  hide();
}

void RestoreOffer::Place() {
  const QWidget* rows = list_->viewport();
  setGeometry(0, 0, rows->width(), sizeHint().height());
}

bool RestoreOffer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && offered_) Place();
  return QPushButton::eventFilter(watched, event);
}

}  // namespace tallowmere::app
