#include "input/DelimitedCells.h"

namespace tallowmere::input {

DelimitedCells::DelimitedCells(char delimiter, CellSink& cells, std::size_t maxFieldBytes)
    : cells_(cells), split_(delimiter, *this, maxFieldBytes) {}

void DelimitedCells::Feed(const char* data, std::size_t size) { split_.Feed(data, size); }

void DelimitedCells::Finish() { split_.Finish(); }

}  // namespace tallowmere::input
