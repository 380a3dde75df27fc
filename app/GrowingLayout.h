#pragma once
// The main window's controls in a window larger than its content: the
// number list and the results list take the extra height, in proportion to
// their heights in the inventory, and the extra width, as does "Start
// Analysis" that spans the window like them; the other controls keep their
// sizes, the left column at the left edge, the right column following the
// right edge, each row following the list above it. At the content's own
// size every control is where the inventory puts it (see
// docs/compatibility.md, The window's geometry).
#include <QRect>
#include <QSize>
#include <vector>

#include "app/FormInventory.h"

namespace tallowmere::app {

// The window's content (8040 x 9570 twips), in pixels: 536 x 638.
QSize ContentSize();

// Where a control of the window itself (not one inside a frame) goes when the
// content is `extra` larger than ContentSize (a negative part counts as none).
QRect GrownPlace(const ControlSpec& spec, QSize extra);

// The controls that take the keyboard focus in reading order: top to bottom
// and left to right as they are placed, the controls of a frame in their
// frame's place and in reading order within it.
std::vector<const ControlSpec*> ReadingOrder();

}  // namespace tallowmere::app
