#pragma once
// The main window's controls in a window larger than designed: the number
// list and the results list take the extra height, in proportion to their
// designed heights, and the extra width, as does "Start Analysis" that spans
// the window like them; the other controls keep their sizes, the left
// column at the left edge, the right column following the right edge, each
// row following the list above it. At the designed size every control is
// where the inventory puts it.
#include <QRect>
#include <QSize>
#include <vector>

#include "app/FormInventory.h"

namespace tallowmere::app {

// The designed content (8040 x 9570 twips), in pixels.
QSize DesignedContentSize();

// Where a control of the window itself (not one inside a frame) goes when the
// content is `extra` larger than designed (a negative part counts as none).
QRect GrownPlace(const ControlSpec& spec, QSize extra);

// The controls that take the keyboard focus in reading order: top to bottom
// and left to right as they are placed, the controls of a frame in their
// frame's place and in reading order within it.
std::vector<const ControlSpec*> ReadingOrder();

}  // namespace tallowmere::app
