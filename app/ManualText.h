#pragma once
// The program's manual: a short guide to the window and the two programs'
// reference, as one HTML page. Every sentence is a translatable piece of the
// "Manual" context; markup is added around the pieces, never inside them
// (but for a few <b> and <code>), and option names are never translated.
#include <QString>
#include <QStringList>
#include <vector>

namespace tallowmere::app {

struct ManualSection {
  QString anchor;  // the heading's id, the same in every language
  QString title;   // in the current language
};

// The headings of the manual, in order.
std::vector<ManualSection> ManualSections();

// The whole manual in the current language. Each image's source is
// `imageFolder` followed by its file name ("qrc:/manual/" in the program,
// "" beside an exported page).
QString ManualHtml(const QString& imageFolder);

// The file names of the manual's images, as built into the program under
// kManualImageResources.
QStringList ManualImages();
inline constexpr const char* kManualImageResources = ":/manual/";

}  // namespace tallowmere::app
