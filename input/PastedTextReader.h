#pragma once
// Text pasted from a spreadsheet or an editor (UTF-8), read as the lines of
// a list file with tabs separating candidates too: a block of cells gives
// each cell that is a number, row by row, and a header is skipped. (The
// window reads the clipboard's own text with the same rules: see
// PastedText.)
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "core/LetEventsRun.h"
#include "input/EntrySink.h"
#include "input/ListText.h"
#include "numtext/Separators.h"
#include "system/BlockReader.h"

namespace tallowmere::input {

// Pasted text (UTF-8) fed in pieces of any size: a ListTextReader for which
// a tab ends a candidate as a line end does.
class PastedTextReader {
 public:
  PastedTextReader(EntrySink& list, numtext::Separators sep) : text_(list, std::move(sep)) {}
  void Feed(const char* data, std::size_t size);
  void Finish() { text_.Finish(); }

 private:
  ListTextReader text_;
  // A piece with its tabs made line ends, reused, as large as the largest
  // piece so far, so that a paste of millions of lines is not held twice.
  std::unique_ptr<char[]> lines_;
  std::size_t room_ = 0;
};

// Reads pasted text into `list`. A long text is read in blocks: between them
// `progress` hears how many bytes were read, the entries so far are flushed
// and `letEventsRun` runs, then `shouldStop` is asked (each when given); true
// ends the reading there, the candidate it was in dropped, and the answer is
// false.
bool ReadPastedText(EntrySink& list, std::string_view text, const numtext::Separators& sep,
                    const core::LetEventsRun& letEventsRun = {}, const system::ShouldStopFn& shouldStop = {},
                    const std::function<void(std::size_t bytesRead)>& progress = {});

}  // namespace tallowmere::input
