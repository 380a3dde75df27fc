#pragma once
// The main window's controls in one table: each control's name,
// kind, caption, place, tab order, tool tip and the names assistive
// technology announces, their texts marked for translation. The window is
// built from it, and its controls are found again by their names. The
// places, the names and the faces are kept from release to release (see
// docs/compatibility.md, The window's geometry).
#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <array>

class QWidget;

namespace tallowmere::app {

inline constexpr const char* kListToolTip = QT_TRANSLATE_NOOP(
    "Form1",
    "Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to "
    "reveal full names.");
inline constexpr const char* kResultsListToolTip = QT_TRANSLATE_NOOP(
    "Form1",
    "Tick the results to save or copy: Space ticks the current row, Ctrl+A ticks all, Ctrl+Shift+A none. "
    "Move | line to right to read long lines. “Show Distribution…” in the context menu, or Ctrl+D, "
    "pictures the numbers.");
inline constexpr const char* kListDescription = QT_TRANSLATE_NOOP(
    "Form1",
    "The numbers to analyse. Delete or a double-click removes the selected number; files dropped here add "
    "theirs, and so does text dropped or pasted (Ctrl+V).");

// The sizes (points) of the window's font and of the push buttons'.
inline constexpr qreal kWindowPoints = 9;
inline constexpr qreal kButtonPoints = 11.25;

// The inventory's unit: twips (1/1440 inch) to logical pixels at 96 dpi,
// rounded to the nearest.
constexpr int Twips(int twips) { return (twips * 2 + 15) / 30; }

// The window's face (`family`: Arial or its stand-in) at `points`, bold.
QFont FormFont(const QString& family, qreal points);

enum class ControlKind { kList, kButton, kFrame, kOption, kLabel, kDropDown, kCheckBox };

// A control's place in its parent, in twips.
struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct ControlSpec {
  const char* name;
  ControlKind kind;
  const char* parent = nullptr;  // a frame's name; none for the window itself
  const char* caption = "";
  TwipsRect at;
  int tab = -1;  // the control's tab index (Tab itself follows ReadingOrder)
  const char* toolTip = nullptr;
  const char* accessibleName = nullptr;
  const char* accessibleDescription = nullptr;
};

// In the order the controls are made, which is also the order they stack in.
extern const std::array<ControlSpec, 18> kFormInventory;

// Makes every control of the inventory on `window` in the window's face (the
// push buttons in their larger size), and links them in the tab order, which
// is the reading order of their places (ReadingOrder); the frames and the
// label take no focus.
void BuildInventory(QWidget& window, const QString& fontFamily);

}  // namespace tallowmere::app
