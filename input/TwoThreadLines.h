#pragma once
// The number test of a large stretch of list text shared with a helper
// thread. The text is cut, at line ends, into parts handed out in order: a
// part is either tested with what passes kept for later, or, when everything
// before it is appended, tested and appended at once. Only the calling thread
// appends, and in text order, so the list, and where a failure stops it, are
// as with OfferToList::OfferLines on one thread.
#include <cstddef>
#include <functional>
#include <memory>

#include "core/TwoThreads.h"
#include "input/EntrySink.h"
#include "input/ListCandidates.h"

namespace tallowmere::input {

// From this many bytes of whole candidates on, the number test is shared
// with a helper thread; below it the thread costs more than it saves.
inline constexpr std::size_t kTwoThreadBytes = std::size_t{1} << 16;

class TwoThreadLines {
 public:
  TwoThreadLines();
  ~TwoThreadLines();
  TwoThreadLines(const TwoThreadLines&) = delete;
  TwoThreadLines& operator=(const TwoThreadLines&) = delete;

  // Offers the candidates of [begin, end), which ends just after a line end,
  // to `list` by `rule`. `meanwhile`, when given, runs once on this thread
  // while the helper begins.
  void OfferLines(EntrySink& list, const CandidateRule& rule, const char* begin, const char* end,
                  const std::function<void()>& meanwhile);

 private:
  core::TwoThreads threads_;
  // What the parts keep, kept from stretch to stretch: made anew each time,
  // its pages would go back to the system and be taken (and zeroed) again.
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace tallowmere::input
