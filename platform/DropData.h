#pragma once
// What a drag onto the number list carries: local files (and folders),
// dropped from the desktop or a file manager, or text dropped from another
// program. Files come first: a drag that offers any local file is a drop of
// files, whatever text it also carries.
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QMimeData;

namespace tallowmere::platform {

// True when the drag offers at least one local file URL.
bool OffersLocalFiles(const QMimeData* data);

// The local paths of a drop, in the order the drag lists them, in the file
// system's own encoding; other URLs are left out.
std::vector<std::string> DroppedLocalPaths(const QMimeData* data);

// True when the drag offers no local file but text, or links (which Qt
// offers as text, one a line): a drop of text.
bool OffersText(const QMimeData* data);

// The text of a drag that offers no local file (see OffersText); nothing
// when it offers none.
std::optional<QString> DroppedText(const QMimeData* data);

}  // namespace tallowmere::platform
