#pragma once
// What a drag onto the number list carries: the number list takes only local
// files (and folders), dropped from the desktop or a file manager.
#include <string>
#include <vector>

class QMimeData;

// True when the drag offers at least one local file URL; the drag-enter and
// drag-move handlers refuse the drag otherwise.
bool OffersLocalFiles(const QMimeData* data);

// The local paths of a drop, in the order the drag lists them, in the file
// system's own encoding; other URLs are left out.
std::vector<std::string> DroppedLocalPaths(const QMimeData* data);
