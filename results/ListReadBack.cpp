#include "results/ListReadBack.h"

#include <string_view>

#include "numtext/ListNumber.h"

namespace tallowmere::results {

namespace {

enum class Loss { kNone, kLeft, kChanged, kSplit };

// How the text of one entry fares: it is written as it is, and read as a line.
Loss EntryLoss(std::string_view text, bool passedNumberTest, bool first, const numtext::Separators& sep) {
  if (text.find_first_of("\r\n") != std::string_view::npos) return Loss::kSplit;
  // The file's very first bytes are read as a byte-order mark.
  if (first && text.substr(0, 3) == "\xEF\xBB\xBF") return Loss::kChanged;
  if (numtext::TestListLine(text, sep) == numtext::ListLine::kNotNumber) return Loss::kLeft;
  if (passedNumberTest) return Loss::kNone;
  try {
    return EntryWorth(text, false, sep) == EntryWorth(text, true, sep) ? Loss::kNone : Loss::kChanged;
  } catch (...) {
    // Beyond the double range either way: the run fails alike on both.
    return Loss::kNone;
  }
}

}  // namespace

ReadBackLosses ListReadBackLosses(const input::EntrySource& entries, std::size_t count,
                                  const numtext::Separators& sep) {
  ReadBackLosses losses;
  for (std::size_t i = entries.NextText(0); i < count; i = entries.NextText(i + 1)) {
    const auto [text, tested] = entries.TextOf(i);
    const Loss loss = EntryLoss(text, tested, i == 0, sep);
    if (loss == Loss::kNone) continue;
    if (loss == Loss::kLeft) ++losses.left;
    if (loss == Loss::kChanged) ++losses.changed;
    if (loss == Loss::kSplit) ++losses.split;
    if (losses.first.size() < ReadBackLosses::kNamed) losses.first.emplace_back(text);
  }
  return losses;
}

}  // namespace tallowmere::results
