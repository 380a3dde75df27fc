#include "input/DelimitedFile.h"

namespace tallowmere::input {

void DelimitedTextReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  cells_.Feed(data, size);
  if (meanwhile) meanwhile();
}

void DelimitedTextReader::Finish() { cells_.Finish(); }

}  // namespace tallowmere::input
