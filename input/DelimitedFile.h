#pragma once
// The cells of table files held as delimited text, decoded as a list file is
// (byte-order marks, UTF-16 and UTF-32): a reader of a file's text that hands
// every cell on (input::DelimitedCells). Fed to a ListFileReader, or through
// LoadFileText and ReadDescriptorText.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "input/DelimitedCells.h"
#include "input/ListCandidates.h"
#include "input/ListText.h"
#include "input/TableCells.h"

namespace tallowmere::input {

class DelimitedTextReader final : public TextPieceReader {
 public:
  // `cells` is held by reference and must outlive the reader.
  DelimitedTextReader(char delimiter, CellSink& cells, std::size_t maxFieldBytes = kMaxCandidateBytes)
      : cells_(delimiter, cells, maxFieldBytes) {}
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr) override;
  void Finish() override;
  // As DelimitedCells::UnclosedQuoteLine, once Finish has been called.
  std::uint64_t UnclosedQuoteLine() const { return cells_.UnclosedQuoteLine(); }

 private:
  DelimitedCells cells_;
};

}  // namespace tallowmere::input
