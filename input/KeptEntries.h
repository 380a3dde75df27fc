#pragma once
// What one part of a large text, read by a helper thread, keeps for a list
// that takes only the numbers of plain entries: those numbers, and the place
// of every other entry together with how many numbers come before it. Handed
// over in text order, the runs of numbers go at once.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "input/EntrySink.h"

namespace tallowmere::input {

struct KeptEntries {
  struct Text {
    std::uint32_t offset;  // from the part's start
    std::uint32_t length;
    std::size_t valuesBefore;
  };
  std::vector<double> values;
  std::vector<Text> texts;

  void Clear() {
    values.clear();
    texts.clear();
  }
  void AddText(std::size_t offset, std::size_t length) {
    texts.push_back({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length), values.size()});
  }
  // Appends everything kept to `list`, in text order; `part` is where the
  // part starts, `appendText` appends one entry kept as text.
  template <class AppendText>
  void HandOver(ValueSink& list, const char* part, AppendText&& appendText) const {
    std::size_t taken = 0;
    for (const Text& t : texts) {
      if (t.valuesBefore > taken)
        list.AppendNumbers(std::span<const double>(values.data() + taken, t.valuesBefore - taken));
      appendText(std::string_view(part + t.offset, t.length));
      taken = t.valuesBefore;
    }
    if (values.size() > taken)
      list.AppendNumbers(std::span<const double>(values.data() + taken, values.size() - taken));
  }
};

}  // namespace tallowmere::input
