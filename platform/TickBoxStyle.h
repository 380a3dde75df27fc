#pragma once
// Check boxes whose edge reads on their background under any desktop theme.
// Fusion, the style Qt paints with under GNOME's and most other themes,
// outlines a box in the window colour darkened, on the base colour: under a
// dark theme the two all but match (about 1.1:1), and an unticked box in a
// list, or an unticked check box, vanishes. The ticked one's mark stays.
class QWidget;

namespace tallowmere::platform {

// Paints `widget`'s check boxes (its own, or those of its items, for an
// item view) in the style it has, their edge drawn again in a colour that
// reads on the box's background (ReadableEdge). The style is the widget's
// child; children of the widget keep theirs.
void MakeTickBoxesReadable(QWidget& widget);

}  // namespace tallowmere::platform
