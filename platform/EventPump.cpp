#include "platform/EventPump.h"

#include <QCoreApplication>
#include <memory>

LetEventsRun MakeEventPump(std::chrono::milliseconds interval) {
  using Clock = std::chrono::steady_clock;
  auto last = std::make_shared<Clock::time_point>(Clock::now());
  return [last, interval] {
    Clock::time_point now = Clock::now();
    if (now - *last < interval) return;
    // Stamp before running: a nested loop started inside processEvents()
    // shares the pump and must not recurse straight back into it.
    *last = now;
    QCoreApplication::processEvents();
  };
}
