#pragma once
// The window's fonts. Its layout is measured with Arial (or Liberation Sans,
// made to Arial's metrics, to which the system's aliases turn a request for
// Arial). Where neither is installed a wider face stands in, at the largest
// size at which every caption still fits its control.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tallowmere::platform {

inline constexpr const char* kLayoutFontFamily = "Arial";

// The family to ask for: Arial where Arial or Liberation Sans is installed,
// else the first installed of a few common sans-serif faces, else Arial still
// (the system then picks a stand-in of its own).
QString ChooseFontFamily(const QStringList& installed);

// The families installed, as the chooser sees them: the system's, unless
// replaced (an empty function gives the system's back).
QStringList InstalledFontFamilies();
void SetInstalledFontFamilies(std::function<QStringList()> source);

struct CaptionRoom {
  QString text;
  int room;  // pixels
};

// The smallest size a caption may shrink to.
inline constexpr qreal kSmallestCaptionPoints = 6;

// The largest size from `font`'s own down, in quarter points, at which every
// caption's text fits its room; kSmallestCaptionPoints when none does.
qreal FittingPointSize(QFont font, const std::vector<CaptionRoom>& captions);

}  // namespace tallowmere::platform
