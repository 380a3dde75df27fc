#pragma once
// A drop on the number list can take long (a folder tree of a hundred
// thousand files on a cold disk takes tens of seconds), and it leaves the
// window working as usual meanwhile: no busy pointer, the list still takes
// clicks and further drops. So a drop that has run for more than half a second
// shows how far it has come in a slim strip over the list's bottom edge, and
// can be stopped: Esc anywhere in the window, or the stop mark at the strip's
// right end. The strip floats over the list; it is no part of the window's
// layout and never takes the focus. "Load Numbers From File" shows it too, and
// stops the same way, since one file may be long or never end (a file of
// /proc).
//
// Drops nest when one is dropped while another is read (the second runs
// inside the first's event runs, and the first waits for it). The strip shows
// the innermost, and a stop ends that one only: the outer drop then goes on,
// shown again, and can be stopped in turn.
#include <QFrame>
#include <QString>
#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

#include "core/LetEventsRun.h"
#include "input/DropFiles.h"

class QAbstractScrollArea;
class QLabel;
class QToolButton;

namespace tallowmere::app {

// 1234567 as "1,234,567": the drop's texts group digits with ',' whatever
// the locale.
QString GroupedCount(std::size_t count);
// What the strip says about a drop, e.g. "Reading files: 5,600 of 120,000 —
// Esc to stop".
QString DropProgressText(const input::DropState& state);
// The notice after a drop was stopped.
QString DropStoppedNotice(const input::DropState& state);
// The notice after "Load Numbers From File" was stopped.
QString LoadStoppedNotice(const input::DropState& state);

// The strip itself: the text and the stop mark. Drags over it reach the
// list below it, so a drop there lands in the list as anywhere else.
class DropProgressStrip final : public QFrame {
  Q_OBJECT

 public:
  explicit DropProgressStrip(QAbstractScrollArea* list);
  QString Text() const;
  void SetText(const QString& text);
  QToolButton* StopMark() const { return stop_; }
  // Over the bottom edge of the list's visible rows, as wide as they are.
  void Place();

 signals:
  void stopClicked();

 protected:
  void moveEvent(QMoveEvent* event) override;

 private:
  QAbstractScrollArea* list_;
  QLabel* text_;
  QToolButton* stop_;
};

class DropProgress final : public QObject {
  Q_OBJECT

 public:
  using Clock = std::chrono::steady_clock;
  // A drop shorter than this shows nothing: the strip would only flicker.
  static constexpr std::chrono::milliseconds kShowAfter{500};

  // `list`: the number list the strip floats over; Esc counts when a control
  // of `window` has the keyboard.
  DropProgress(QAbstractScrollArea* list, QWidget* window);
  ~DropProgress() override;

  // One drop, from its start to its end: the drop's hooks come from here.
  class Drop {
   public:
    explicit Drop(DropProgress& owner);
    ~Drop();
    Drop(const Drop&) = delete;
    Drop& operator=(const Drop&) = delete;
    // Refreshes the strip, then lets window events run as the owner's pump does.
    core::LetEventsRun EventPump();
    std::function<void(const input::DropState&)> Progress();
    std::function<bool()> ShouldStop();
    // The drop has returned: the strip goes (or shows the drop around this one)
    // before any notice about this one opens.
    void End();

   private:
    friend class DropProgress;
    DropProgress& owner_;
    input::DropState state_;
    Clock::time_point started_;
    bool stopAsked_ = false;
    bool ended_ = false;
  };

  bool Running() const { return !drops_.empty(); }
  // Asks the innermost drop running to stop after the file it is reading.
  void StopInnermost();
  DropProgressStrip* Strip() const { return strip_; }

  // For tests: the clock the half second is measured with, and the event pump
  // each drop gets (by default one that runs events at most every 10 ms).
  void SetClock(std::function<Clock::time_point()> clock) { clock_ = std::move(clock); }
  void SetEventPump(std::function<std::function<void()>()> makePump) { makePump_ = std::move(makePump); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // `now` skips the limit on how often the text changes (a drop began or ended).
  void Refresh(bool now);
  void Forget(Drop* drop);

  QWidget* window_;
  DropProgressStrip* strip_;
  std::vector<Drop*> drops_;  // outermost first
  std::function<Clock::time_point()> clock_;
  std::function<std::function<void()>()> makePump_;
  Clock::time_point textShown_{};
};

}  // namespace tallowmere::app
