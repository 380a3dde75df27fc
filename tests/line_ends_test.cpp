// The line-end searches, a word or a vector register at a time, against their
// plain twin, a loop over the bytes one by one: on texts of every length
// around the word and register sizes, at every alignment, thick and thin with
// line ends and with the bytes next to them in the code table.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "core/LineEnds.h"

using namespace tallowmere;
using namespace tallowmere::core;

namespace {

// The plain twin: the places of every byte that is one of `ends`, in order.
std::vector<std::size_t> PlainPlaces(const std::string& text, std::size_t begin, const std::string& ends) {
  std::vector<std::size_t> places;
  for (std::size_t i = begin; i < text.size(); ++i)
    if (ends.find(text[i]) != std::string::npos) places.push_back(i);
  return places;
}

TEST(LineEnds, FindTheBytesTheBytewiseLoopFinds) {
  struct Row {
    const char* name;
    std::string pool;  // the bytes texts are made of
  } rows[] = {
      {"short lines", "0123456789\n\n\r"},
      {"long lines", std::string(40, '7') + "\n\r"},
      {"no line ends", "0123456789.-"},
      {"only line ends", "\n\r"},
      // A byte either side of each line end, and each with its top bit set:
      // none may be taken for one.
      {"near misses", std::string("\t\x0B\x0C\x0E\x8A\x8D\xFF\n\r", 9)},
  };
  std::mt19937_64 rng(31);
  for (const Row& row : rows) {
    for (std::size_t length = 0; length <= 200; ++length) {
      std::string text;
      for (std::size_t i = 0; i < length; ++i) text += row.pool[rng() % row.pool.size()];
      for (std::size_t begin = 0; begin <= std::min<std::size_t>(length, 9); ++begin) {
        const std::string where =
            std::string(row.name) + ", length " + std::to_string(length) + " from " + std::to_string(begin);
        const char* const first = text.data() + begin;
        const char* const last = text.data() + text.size();
        const std::vector<std::size_t> ends = PlainPlaces(text, begin, "\n\r");
        const std::vector<std::size_t> feeds = PlainPlaces(text, begin, "\n");

        std::vector<std::size_t> found;
        core::ForEachLineEnd(first, last,
                             [&](const char* at) { found.push_back(static_cast<std::size_t>(at - text.data())); });
        ASSERT_EQ(found, ends) << where;
        found.clear();
        core::ForEachLineFeed(first, last,
                              [&](const char* at) { found.push_back(static_cast<std::size_t>(at - text.data())); });
        ASSERT_EQ(found, feeds) << where;

        // Places as offsets, -1 for none.
        auto place = [&text](const char* at) { return at ? at - text.data() : std::ptrdiff_t{-1}; };
        auto plainPlace = [](const std::vector<std::size_t>& all, bool front) {
          return all.empty() ? std::ptrdiff_t{-1} : static_cast<std::ptrdiff_t>(front ? all.front() : all.back());
        };
        const std::ptrdiff_t firstEnd = ends.empty() ? static_cast<std::ptrdiff_t>(length) : plainPlace(ends, true);
        ASSERT_EQ(place(core::FindLineEnd(first, last)), firstEnd) << where;
        ASSERT_EQ(place(core::FindLastLineEnd(first, last)), plainPlace(ends, false)) << where;
        ASSERT_EQ(place(core::FindLastLineFeed(first, last)), plainPlace(feeds, false)) << where;
      }
    }
  }
}

}  // namespace
