#include "input/PastedText.h"

#include <QByteArray>
#include <algorithm>

namespace tallowmere::input {

bool ReadPastedCharacters(EntrySink& list, QStringView text, const numtext::Separators& sep,
                          const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop,
                          const std::function<void(std::size_t charactersRead)>& progress) {
  PastedTextReader reader(list, sep);
  for (qsizetype at = 0; at < text.size();) {
    if (at > 0) {
      if (progress) progress(static_cast<std::size_t>(at));
      if (letEventsRun) {
        list.Flush();
        letEventsRun();
      }
      if (shouldStop && shouldStop()) return false;
    }
    qsizetype length = std::min(kPastedBlockCharacters, text.size() - at);
    // A pair of surrogates stays in one block.
    if (at + length < text.size() && text[at + length - 1].isHighSurrogate()) --length;
    const QByteArray bytes = text.sliced(at, length).toUtf8();
    reader.Feed(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    at += length;
  }
  reader.Finish();
  return true;
}

}  // namespace tallowmere::input
