#pragma once
// The shared strings of an Office Open XML workbook (xl/sharedStrings.xml):
// the texts its cells name by index, held in one buffer for the whole
// reading of a sheet. A rich text's runs are joined; phonetic guides are left
// out.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"

namespace tallowmere::input {

class SharedStrings {
 public:
  std::size_t Size() const { return ends_.size(); }
  // The text at `index`; empty past the end (a cell naming none there).
  std::string_view At(std::size_t index) const {
    if (index >= ends_.size()) return {};
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(texts_).substr(begin, ends_[index] - begin);
  }
  void Append(std::string_view text) {
    texts_.append(text);
    ends_.push_back(texts_.size());
  }
  void Clear() {
    texts_.clear();
    ends_.clear();
  }

 private:
  std::string texts_;
  std::vector<std::size_t> ends_;
};

SheetProblem ReadSharedStrings(ChunkSource& part, SharedStrings& strings);

}  // namespace tallowmere::input
