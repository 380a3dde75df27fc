#pragma once
// The text of a paste or a text drop as Qt hands it over (UTF-16), read by
// the pasted-text rules of ListFile (ReadPastedText): converted to UTF-8 a
// block at a time while it is read, never as a whole, so that a paste of ten
// million lines keeps the window painting from its first block on.
#include <QStringView>
#include <cstddef>
#include <functional>

#include "core/LetEventsRun.h"
#include "input/EntrySink.h"
#include "input/ListFile.h"
#include "numtext/Separators.h"

namespace tallowmere::input {

// Characters converted and read at a time.
inline constexpr qsizetype kPastedBlockCharacters = qsizetype{1} << 18;

// As ReadPastedText, `progress` hearing how many characters were read.
bool ReadPastedCharacters(EntrySink& list, QStringView text, const numtext::Separators& sep,
                          const core::LetEventsRun& letEventsRun = {}, const ShouldStopFn& shouldStop = {},
                          const std::function<void(std::size_t charactersRead)>& progress = {});

}  // namespace tallowmere::input
