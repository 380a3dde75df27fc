#pragma once
// "Let pending window events run" for long loops: a large folder tree should
// spend its time reading, not in the event loop, so events run at most once
// per interval however often the loop asks.
#include <chrono>

#include "core/LetEventsRun.h"

namespace tallowmere::platform {

// A callback that runs QCoreApplication::processEvents() when at least
// `interval` has passed since it last did (or since it was made); after a run
// that took long (a few milliseconds), at least four times as long as it took.
core::LetEventsRun MakeEventPump(std::chrono::milliseconds interval = std::chrono::milliseconds(10));

}  // namespace tallowmere::platform
