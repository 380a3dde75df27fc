// Fuzz target: delimited text split into table cells. The first byte picks
// the delimiter and where the text is cut in two; the cells must be the same
// whole or cut there, rows must come in line order with their columns
// increasing, and no cell may be longer than the limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/DelimitedCells.h"
#include "tests/fuzz/Target.h"

using namespace tallowmere::input;

namespace {

constexpr std::size_t kLimit = 64;

class Cells final : public CellSink {
 public:
  void BeginRow(std::uint64_t line) override {
    if (line < lastLine_) failure_ = "rows out of line order";
    lastLine_ = line;
    lastColumn_ = -1;
    told_ += "row " + std::to_string(line) + "\n";
  }
  void Cell(const TableCell& cell) override {
    if (static_cast<long long>(cell.column) <= lastColumn_) failure_ = "columns not increasing in a row";
    if (cell.text.size() > kLimit) failure_ = "a cell longer than the limit";
    lastColumn_ = static_cast<long long>(cell.column);
    told_ += std::to_string(cell.column) + (cell.kind == CellKind::kText ? " text " : " other ");
    told_.append(cell.text);
    told_ += "\n";
  }
  void EndRow() override { told_ += "end\n"; }

  const std::string& Told() const { return told_; }
  const std::string& Failure() const { return failure_; }

 private:
  std::string told_, failure_;
  std::uint64_t lastLine_ = 0;
  long long lastColumn_ = -1;
};

std::string Split(char delimiter, std::string_view text, std::size_t cut, std::string& failure) {
  Cells cells;
  DelimitedCells split(delimiter, cells, kLimit);
  split.Feed(text.data(), cut);
  split.Feed(text.data() + cut, text.size() - cut);
  split.Finish();
  if (!cells.Failure().empty()) failure = cells.Failure();
  return cells.Told() + "unclosed " + std::to_string(split.UnclosedQuoteLine());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char kDelimiters[] = {',', ';', '\t', '|'};
  const char delimiter = kDelimiters[data[0] % 4];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t cut = text.empty() ? 0 : (data[0] / 4) % (text.size() + 1);
  std::string failure;
  const std::string whole = Split(delimiter, text, text.size(), failure);
  const std::string cutThere = Split(delimiter, text, cut, failure);
  fuzzcheck::Require(failure);
  if (whole != cutThere) fuzzcheck::Require("the cells differ when the text is cut at " + std::to_string(cut));
  return 0;
}
