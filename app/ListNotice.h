#pragma once
// The short notice over the number list's bottom edge, where the progress
// strip of long drops shows: what an addition brought, for a few seconds,
// then it fades. The same kind of notice over the results list says what the
// user should know of the results it shows, for as long as it holds. It floats over the rows (no part of the window's
// layout), never takes the focus nor a click (clicks reach the rows below), and keeps colours of its own so that it
// reads alike in light and dark themes.
#include <QCoreApplication>
#include <QLabel>
#include <chrono>
#include <functional>

class QAbstractScrollArea;
class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QTimer;

namespace tallowmere::app {

class ListNotice final : public QLabel {
 public:
  static constexpr std::chrono::milliseconds kShownFor{5000};
  static constexpr std::chrono::milliseconds kFadeFor{700};

  // How long a notice shows: a few seconds, or until it is dismissed.
  enum class Lasting { kFewSeconds, kUntilDismissed };

  // `name`: its object name; `accessibleName`: what a screen reader calls it.
  explicit ListNotice(QAbstractScrollArea* list, Lasting lasting = Lasting::kFewSeconds,
                      const QString& name = QStringLiteral("listNotice"),
                      const QString& accessibleName = QCoreApplication::translate("ListNotice", "Notice"));
  // Shows `text` afresh, for the full time. A lasting notice shows it on
  // one line, cut with an ellipsis where the rows are too narrow for it.
  void Show(const QString& text);
  // What the notice says, whole (also when it shows it cut).
  const QString& Text() const { return text_; }
  // Gone at once (a new addition is under way).
  void Dismiss();
  // Over the bottom edge of the list's visible rows, as wide as they are, as
  // high as the text needs there.
  void Place();
  // Shorter times for tests that wait for the fade.
  void SetTimes(std::chrono::milliseconds shownFor, std::chrono::milliseconds fadeFor);
  // Called with each text the notice starts showing (a lasting one showing
  // the same text again does not count): screen readers are told it.
  void SetOnShown(std::function<void(const QString&)> shown) { shown_ = std::move(shown); }

 protected:
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractScrollArea* list_;
  Lasting lasting_;
  QString text_;  // whole, as shown to a screen reader
  QGraphicsOpacityEffect* opacity_;
  QPropertyAnimation* fade_;
  QTimer* wait_;
  std::function<void(const QString&)> shown_;
};

}  // namespace tallowmere::app
