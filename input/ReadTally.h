#pragma once
// What one addition to the number list came to: how many entries it appended
// and how many candidates of list text it skipped as not numbers, with the
// start of the first of those. The window tells the user from it.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace tallowmere::input {

struct ReadTally {
  // Enough of the first skipped text to show it shortened; an enormous line
  // is never copied whole.
  static constexpr std::size_t kFirstSkippedBytes = 256;

  std::size_t appended = 0;
  std::size_t skipped = 0;
  std::string firstSkipped;

  void NoteSkipped(std::string_view first, std::size_t count) {
    if (count == 0) return;
    if (skipped == 0) firstSkipped.assign(first.substr(0, std::min(first.size(), kFirstSkippedBytes)));
    skipped += count;
  }
};

}  // namespace tallowmere::input
