#pragma once
// What one addition to the number list came to: how many entries it appended,
// how many candidates of list text it skipped as not numbers and how many it
// read in the other decimal convention than the user's, with the start of the
// first of each. The window tells the user from it.
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
  std::size_t otherConvention = 0;
  std::string firstOtherConvention;

  void NoteSkipped(std::string_view first, std::size_t count) { Note(skipped, firstSkipped, first, count); }
  void NoteOtherConvention(std::string_view first, std::size_t count) {
    Note(otherConvention, firstOtherConvention, first, count);
  }

 private:
  static void Note(std::size_t& total, std::string& firstText, std::string_view first, std::size_t count) {
    if (count == 0) return;
    if (total == 0) firstText.assign(first.substr(0, std::min(first.size(), kFirstSkippedBytes)));
    total += count;
  }
};

}  // namespace tallowmere::input
