#pragma once
// Colours that read whatever the desktop theme: the contrast of two colours,
// the palette the main window paints with, and a control's background of its
// own with a text colour that reads on it.
#include <QColor>
#include <QPalette>

class QWidget;

namespace tallowmere::platform {

// The floor for a text's contrast against its background (the usual one for
// body text in the accessibility guidelines).
inline constexpr double kReadableContrast = 4.5;

// The guidelines' contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever reads better on `background`.
QColor TextColourOn(const QColor& background);

// The guidelines' floor for the parts of a control a user must see (a check
// box's edge) against what is next to them.
inline constexpr double kReadableEdgeContrast = 3.0;

// An edge that shows on `background`: `text` mixed into it just enough to
// differ from it kReadableEdgeContrast to one; black or white (TextColourOn)
// take the place of a text that differs less.
QColor ReadableEdge(const QColor& background, const QColor& text);

// The palette the window paints with, from the system's: kept when its texts
// read on its own backgrounds and its window text reads on the window's white
// (a light theme); otherwise (a dark theme) a light palette with dark texts.
// Either way the selection colour is deepened until its text reads, and every
// role is held, so no dark part of a theme mixes in through a control class's
// own palette.
QPalette ReadablePalette(const QPalette& system);

// Paints `widget`'s background in `colour` (the window's text turning black or
// white where the theme's would not read on it); a control on a frame shows
// the frame's panel through instead.
void SetControlBackground(QWidget* widget, const QColor& colour);

}  // namespace tallowmere::platform
