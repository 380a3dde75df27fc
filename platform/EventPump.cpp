#include "platform/EventPump.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace tallowmere::platform {

namespace {
// A run of the events shorter than this is the usual few repaints.
constexpr std::chrono::milliseconds kLongRun{2};
}  // namespace

core::LetEventsRun MakeEventPump(std::chrono::milliseconds interval) {
  using Clock = std::chrono::steady_clock;
  struct State {
    Clock::time_point last;
    Clock::duration wait;
  };
  auto state = std::make_shared<State>(State{Clock::now(), interval});
  return [state, interval] {
    const Clock::time_point now = Clock::now();
    if (now - state->last < state->wait) return;
    // Stamp before running: a nested loop started inside processEvents()
    // shares the pump and must not recurse straight back into it.
    state->last = now;
    QCoreApplication::processEvents();
    // A run of the events can itself take long: a list of ten million rows
    // that has just grown lays itself out again. Then the loop keeps at least
    // three quarters of the time: the next run waits four times as long as
    // this one took, or the interval if that is longer.
    const Clock::duration took = Clock::now() - now;
    state->wait = took < kLongRun ? interval : std::max<Clock::duration>(interval, 4 * took);
  };
}

}  // namespace tallowmere::platform
