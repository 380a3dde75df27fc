// Delimited text split into cells and into one column: a table of
// 10,000,000 rows of four columns (about 200 MB) held in memory, fed in the
// blocks files are read in. Goal: all its cells in well under a second on one
// core, and one column no slower than that. Then every column read into the
// analyser's blocks (TableColumns, `--all-fields`), its cells told one by one
// to the columns (kept on a helper thread while the next are split), and its
// whole rows split and tested in parts on two threads (TwoThreadTable).
//
//   bench_delimited [ROWS] [REPEATS]
//
// Each reader runs REPEATS times (3 by default); the best time is shown.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "input/DelimitedCells.h"
#include "input/DelimitedFile.h"
#include "input/TableColumn.h"
#include "input/TableColumns.h"
#include "input/TwoThreadTable.h"
#include "system/BlockReader.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

using Clock = std::chrono::steady_clock;

// An id, a weight, a height and a group, as a lab's export writes them.
std::string Table(long rows) {
  std::string text;
  text.reserve(static_cast<std::size_t>(rows) * 24);
  text += "id,weight,height,group\n";
  unsigned long long state = 20261211;
  char line[64];
  for (long i = 0; i < rows; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const unsigned r = static_cast<unsigned>(state >> 33);
    const int n = std::snprintf(line, sizeof line, "%ld,%u.%u,%u.%u,%c\n", i + 1, 40 + r % 80, r % 10, 150 + r % 50,
                                (r >> 8) % 10, static_cast<char>('A' + (r >> 12) % 4));
    text.append(line, static_cast<std::size_t>(n));
  }
  return text;
}

class CountCells final : public CellSink {
 public:
  std::size_t cells = 0;
  std::size_t bytes = 0;
  void BeginRow(std::uint64_t /*line*/) override {}
  void Cell(const TableCell& cell) override {
    ++cells;
    bytes += cell.text.size();
  }
};

class CountFields final : public FieldSink, public TableProblems {
 public:
  std::size_t fields = 0;
  std::size_t bytes = 0;
  void Field(std::string_view text) override {
    ++fields;
    bytes += text.size();
  }
  void ShortRecord(std::uint64_t /*line*/, std::size_t /*fields*/) override {}
  void NameNotInHeader() override {}
  void UnclosedQuote(std::uint64_t /*line*/) override {}
};

template <class Reader>
void FeedBlocks(Reader& reader, std::string_view text) {
  for (std::size_t at = 0; at < text.size(); at += system::kReadBlockBytes) {
    const std::string_view block = text.substr(at, system::kReadBlockBytes);
    reader.Feed(block.data(), block.size());
  }
  reader.Finish();
}

template <class Run>
double Best(int repeats, const Run& run) {
  double best = 1e9;
  for (int i = 0; i < repeats; ++i) {
    const Clock::time_point start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 10'000'000;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 3;
  const std::string text = Table(rows);
  const double mb = static_cast<double>(text.size()) / 1e6;
  std::printf("%ld rows, %.1f MB\n", rows, mb);

  std::size_t cells = 0;
  const double all = Best(repeats, [&] {
    CountCells sink;
    DelimitedCells split(',', sink);
    FeedBlocks(split, text);
    cells = sink.cells;
  });
  std::printf("all cells:        %.3f s  %6.0f MB/s  (%zu cells)\n", all, mb / all, cells);

  std::size_t fields = 0;
  const double one = Best(repeats, [&] {
    CountFields sink;
    TableColumn column(',', ColumnChoice{.number = 2, .name = {}, .header = true}, sink, sink, kMaxCandidateBytes);
    FeedBlocks(column, text);
    fields = sink.fields;
  });
  std::printf("column 2:         %.3f s  %6.0f MB/s  (%zu fields)\n", one, mb / one, fields);

  const ColumnsChoice every{.columns = {}, .all = true, .group = {}, .header = true};
  const numtext::Separators point{".", ","};
  std::size_t blocks = 0;
  const double told = Best(repeats, [&] {
    TableColumns columns(every, point);
    columns.BeginTable();
    DelimitedTextReader reader(',', columns);
    FeedBlocks(reader, text);
    blocks = columns.TakeBlocks().size();
  });
  std::printf("all fields, told: %.3f s  %6.0f MB/s  (%zu blocks)\n", told, mb / told, blocks);
  const double parts = Best(repeats, [&] {
    TableColumns columns(every, point);
    columns.BeginTable();
    TwoThreadTableReader reader(',', columns);
    FeedBlocks(reader, text);
    blocks = columns.TakeBlocks().size();
  });
  std::printf("all fields, parts: %.3f s  %6.0f MB/s  (%zu blocks)\n", parts, mb / parts, blocks);
  return 0;
}
