// Pasted text: cells of a block as candidates, each kind of line end, and
// the window's chances to run and stop between a long paste's blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/PastedTextReader.h"
#include "input/ReadTally.h"
#include "numtext/NumberText.h"
#include "system/BlockReader.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;

namespace {

using loadertest::RecordingEntrySink;
using system::kReadBlockBytes;
using Entries = std::vector<std::string>;

// Pasted cells: a column with its header, a block of two columns, each kind
// of line end, and decimal commas in a German locale.
TEST(ReadPastedText, ReadsCellsAsCandidatesAndCountsTheRest) {
  std::string block = "A\tB\r\n";
  for (int row = 1; row <= 10; ++row) block += std::to_string(row) + "\t" + std::to_string(row * 10) + "\r\n";
  Entries blockEntries;
  for (int row = 1; row <= 10; ++row) {
    blockEntries.push_back(std::to_string(row));
    blockEntries.push_back(std::to_string(row * 10));
  }
  const numtext::Separators english{".", ","}, german{",", "."};
  struct Case {
    const char* name;
    std::string text;
    numtext::Separators sep;
    Entries entries;
    std::size_t skipped;
    std::string first;
  };
  const std::vector<Case> cases = {
      {"a column with its header", "Weight\n61.5\n70.2\n", english, {"61.5", "70.2"}, 1, "Weight"},
      {"a block of 2 by 10 with a header row", block, english, blockEntries, 2, "A"},
      {"CR ends", "1\r2\r", english, {"1", "2"}, 0, ""},
      {"CR LF ends and an empty cell", "1\t\r\n\t2\r\n", english, {"1", "2"}, 0, ""},
      {"decimal commas in German", "Gewicht\n61,5\n1.234,5\n", german, {"61,5", "1.234,5"}, 1, "Gewicht"},
      {"decimal commas in English are no numbers", "61,5;70,2\n", english, {}, 1, "61,5;70,2"},
  };
  for (const Case& c : cases) {
    RecordingEntrySink sink;
    EXPECT_TRUE(ReadPastedText(sink, c.text, c.sep)) << c.name;
    EXPECT_EQ(sink.entries, c.entries) << c.name;
    EXPECT_EQ(sink.tally.skipped, c.skipped) << c.name;
    EXPECT_EQ(sink.tally.firstSkipped, c.first) << c.name;
  }
}

// A long paste lets the window run between its blocks, with what was read
// so far shown, and can be stopped there.
TEST(ReadPastedText, LetsEventsRunBetweenBlocksAndStops) {
  std::string text;
  while (text.size() < 3 * kReadBlockBytes) text += "12345\n";
  const std::size_t lines = text.size() / 6;
  for (const bool stop : {false, true}) {
    RecordingEntrySink sink;
    int runs = 0;
    std::vector<std::size_t> progress;
    const bool whole = ReadPastedText(
        sink, text, {},
        [&] {
          ++runs;
          EXPECT_EQ(sink.pending, 0u) << "entries flushed before events run";
        },
        [&] { return stop; }, [&](std::size_t read) { progress.push_back(read); });
    EXPECT_EQ(whole, !stop);
    if (stop) {
      EXPECT_EQ(runs, 1);
      // The first block only, without the line it cut.
      EXPECT_EQ(sink.entries.size(), kReadBlockBytes / 6);
      EXPECT_EQ(progress, std::vector<std::size_t>{kReadBlockBytes});
    } else {
      EXPECT_EQ(runs, 2);
      EXPECT_EQ(sink.entries.size(), lines);
      EXPECT_EQ(progress, (std::vector<std::size_t>{kReadBlockBytes, 2 * kReadBlockBytes}));
    }
  }
}

}  // namespace
