#include "app/ListNotice.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QMoveEvent>
#include <QPropertyAnimation>
#include <QTimer>
#include <algorithm>

namespace tallowmere::app {

namespace {

// The progress strip's colours: white on #263238 is 13:1.
constexpr const char* kNoticeStyle = "#%1 { color: #FFFFFF; background: #263238; border: none; padding: 1px 4px; }";

}  // namespace

ListNotice::ListNotice(QAbstractScrollArea* list, Lasting lasting, const QString& name, const QString& accessibleName)
    : QLabel(list->viewport()),
      list_(list),
      lasting_(lasting),
      opacity_(new QGraphicsOpacityEffect(this)),
      fade_(new QPropertyAnimation(opacity_, "opacity", this)),
      wait_(new QTimer(this)) {
  setObjectName(name);
  setAttribute(Qt::WA_StyledBackground, true);
  setAttribute(Qt::WA_TransparentForMouseEvents, true);
  setAttribute(Qt::WA_ShowWithoutActivating, true);
  setFocusPolicy(Qt::NoFocus);
  setStyleSheet(QString::fromLatin1(kNoticeStyle).arg(name));
  // A style sheet stops the list's font from reaching the label.
  setFont(list->font());
  // A lasting note covers rows for as long as it shows: one line, cut to
  // the rows' width, covers the fewest (the whole text is its description).
  setWordWrap(lasting_ == Lasting::kFewSeconds);
  setTextFormat(Qt::PlainText);
  setAccessibleName(accessibleName);
  opacity_->setOpacity(1.0);
  setGraphicsEffect(opacity_);
  wait_->setSingleShot(true);
  wait_->setInterval(kShownFor);
  fade_->setDuration(static_cast<int>(kFadeFor.count()));
  fade_->setStartValue(1.0);
  fade_->setEndValue(0.0);
  connect(wait_, &QTimer::timeout, fade_, [this] { fade_->start(); });
  connect(fade_, &QPropertyAnimation::finished, this, &QWidget::hide);
  // The rows may gain or lose a scroll bar while the notice shows.
  list_->viewport()->installEventFilter(this);
  hide();
}

void ListNotice::Show(const QString& text) {
  fade_->stop();
  opacity_->setOpacity(1.0);
  const bool fresh = isHidden() || lasting_ == Lasting::kFewSeconds || text != text_;
  text_ = text;
  setAccessibleDescription(text);
  Place();
  show();
  raise();
  if (lasting_ == Lasting::kFewSeconds) wait_->start();
  if (fresh && shown_) shown_(text_);
}

void ListNotice::SetTimes(std::chrono::milliseconds shownFor, std::chrono::milliseconds fadeFor) {
  wait_->setInterval(shownFor);
  fade_->setDuration(static_cast<int>(fadeFor.count()));
}

void ListNotice::Dismiss() {
  wait_->stop();
  fade_->stop();
  hide();
}

void ListNotice::Place() {
  const QRect rows = list_->viewport()->rect();
  int lines = 0;  // the height the text needs
  if (wordWrap()) {
    setText(text_);
    lines = heightForWidth(rows.width());
  } else {
    // The style's padding lies inside the label's rectangle.
    if (width() != rows.width()) resize(rows.width(), height());
    const int room = contentsRect().width() - 2 * margin();
    setText(fontMetrics().elidedText(QString(text_).replace(QLatin1Char('\n'), QLatin1Char(' ')), Qt::ElideRight,
                                     std::max(room, 0)));
    lines = sizeHint().height();
  }
  const int tall = std::min(lines, rows.height());
  const QRect place(rows.left(), rows.bottom() + 1 - tall, rows.width(), tall);
  if (geometry() != place) setGeometry(place);
}

void ListNotice::moveEvent(QMoveEvent* event) {
  QLabel::moveEvent(event);
  // Scrolling the rows carries the viewport's children along: back to the edge.
  if (!isHidden()) Place();
}

bool ListNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_->viewport() && event->type() == QEvent::Resize && !isHidden()) Place();
  return false;
}

}  // namespace tallowmere::app
