// Files read one after another: a stop asked once ends the reading for good,
// a file cut short by it counts but is not told, and what the reader is
// handed between a long file's blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/FileReading.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

struct Outcome {
  std::vector<std::string> read;  // paths handed to the reader
  std::vector<std::size_t> told;  // filesRead at every progress call
  int asked = 0;                  // times the host was asked to stop
  DropState end;
};

// Reads `files` in turn; the reader stops inside the file `cutAt` (1-based,
// 0 never) by asking the reading, and the host says stop from its
// `stopAtAsk`-th question on (0 never).
Outcome ReadAll(const std::vector<std::string>& files, std::size_t cutAt, int stopAtAsk) {
  Outcome run;
  FileReadingHost host;
  host.readFile = [&](const std::string& path, const ShowNotReadFn&, const core::LetEventsRun&,
                      const ShouldStopFn& shouldStop) {
    run.read.push_back(path);
    // The reader asks between its blocks; a cut file is stopped there.
    return !(run.read.size() == cutAt && shouldStop());
  };
  host.shouldStop = [&] { return ++run.asked >= stopAtAsk && stopAtAsk > 0; };
  host.progress = [&](const DropState& state) { run.told.push_back(state.filesRead); };
  FileReading reading(host);
  reading.ReadInTurn(
      files.size(), [&] { return reading.AskedToStop(); }, [&](std::size_t k) { reading.Read(files[k]); });
  run.end = reading.State();
  return run;
}

TEST(FileReading, AStopEndsTheReadingForGood) {
  using Paths = std::vector<std::string>;
  using Counts = std::vector<std::size_t>;
  const Paths files = {"a", "b", "c"};
  struct Row {
    const char* name;
    std::size_t cutAt;
    int stopAtAsk;
    Paths read;
    Counts told;
    bool stopped, cut;
    std::size_t filesRead;
  };
  const std::vector<Row> rows = {
      {"never stopped: every file read and told", 0, 0, files, {1, 2, 3}, false, false, 3},
      {"stopped before the first file", 0, 1, {}, {}, true, false, 0},
      {"stopped before the second file", 0, 2, {"a"}, {1}, true, false, 1},
      {"stopped inside the second file: counted, untold", 2, 3, {"a", "b"}, {1}, true, true, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome run = ReadAll(files, row.cutAt, row.stopAtAsk);
    EXPECT_EQ(run.read, row.read);
    EXPECT_EQ(run.told, row.told);
    EXPECT_EQ(run.end.stopped, row.stopped);
    EXPECT_EQ(run.end.fileCut, row.cut);
    EXPECT_EQ(run.end.filesRead, row.filesRead);
    EXPECT_EQ(run.end.firstFile, row.read.empty() ? "" : row.read.front());
    // Once the host said stop, it is not asked again.
    if (row.stopped) {
      EXPECT_EQ(run.asked, row.stopAtAsk);
    }
  }
}

TEST(FileReading, HandsTheReaderItsHostsFunctions) {
  FileReadingHost host;
  int shown = 0, ran = 0;
  host.showNotRead = [&](const std::string&, NotRead) { ++shown; };
  host.letEventsRun = [&] { ++ran; };
  host.readFile = [](const std::string& path, const ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                     const ShouldStopFn& shouldStop) {
    showNotRead(path, NotRead::kMissing);
    letEventsRun();
    return !shouldStop();
  };
  FileReading reading(host);
  reading.Read("x");
  reading.Counted();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(ran, 1);
  EXPECT_FALSE(reading.State().fileCut) << "no host stop: the file was read whole";
  EXPECT_EQ(reading.State().filesRead, 1u);
}

}  // namespace
