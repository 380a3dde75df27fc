#include "input/PastedTextReader.h"

#include <algorithm>

namespace tallowmere::input {

void PastedTextReader::Feed(const char* data, std::size_t size) {
  if (size > room_) {
    lines_.reset();  // never hold the old piece and the new one at once
    lines_.reset(new char[size]);
    room_ = size;
  }
  std::replace_copy(data, data + size, lines_.get(), '\t', '\n');
  text_.Feed(lines_.get(), size);
}

bool ReadPastedText(EntrySink& list, std::string_view text, const numtext::Separators& sep,
                    const core::LetEventsRun& letEventsRun, const system::ShouldStopFn& shouldStop,
                    const std::function<void(std::size_t bytesRead)>& progress) {
  PastedTextReader reader(list, sep);
  // Between pieces the window may paint and stop.
  const std::size_t piece = system::kReadBlockBytes;
  for (std::size_t at = 0; at < text.size(); at += piece) {
    if (at > 0) {
      if (progress) progress(at);
      if (letEventsRun) {
        list.Flush();
        letEventsRun();
      }
      if (shouldStop && shouldStop()) return false;
    }
    reader.Feed(text.data() + at, std::min(piece, text.size() - at));
  }
  reader.Finish();
  return true;
}

}  // namespace tallowmere::input
