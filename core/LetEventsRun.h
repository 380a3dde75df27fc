#pragma once
// "Let pending window events run": what a long loop calls between items so the
// window stays alive while it works. The window passes its throttled pump
// (platform/EventPump.h); the analyser and tests pass nothing or their own.
// Calling an empty one is not allowed: check it first.
#include <functional>

namespace tallowmere::core {

using LetEventsRun = std::function<void()>;

}  // namespace tallowmere::core
