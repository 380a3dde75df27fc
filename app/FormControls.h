#pragma once
// What the main window's controls need beyond the plain Qt ones: lists that
// behave as lists under the keyboard and show the focus, frames whose border
// keeps clear of the controls inside them, and the drop-down's Up and Down
// steps.
#include <QGroupBox>
#include <QStyleOptionFrame>
#include <QTableView>

#include "numtext/Separators.h"

class QComboBox;

namespace tallowmere::app {

// Both lists: Home and End go to the first and the last row (a table view
// would stay in the row), a keyboard move brings the new current row into
// view (the view's own auto-scroll stays off: the carried entry of the number
// list scrolls by the pointer's place on the screen), and the border, drawn
// again over the contents, shows the focus in the selection colour.
class ReportListView final : public QTableView {
 public:
  explicit ReportListView(QWidget* parent);
  QStyleOptionFrame FrameOption() const;

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* border_;
};

// A frame whose border line runs above the controls inside it. The
// inventory's places put the top control where a border through the title's
// middle would leave room; a style that draws the border under the title has
// it lifted.
class FormFrame final : public QGroupBox {
 public:
  FormFrame(const QString& title, QWidget* parent);
  // The top of the highest control the border must stay above (frame
  // coordinates); frames side by side get the same, so their borders align.
  void SetBorderAbove(int top);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the style would draw the border (frame coordinates).
  int StyleBorderTop() const;
  int Lift() const;
  int borderAbove_ = 0;
};

// The width a control's caption may take before it is clipped: a button's
// inside, an option button's or check box's right of its mark, a label's
// inside, a frame's title line between its margins; 0 for other controls.
int CaptionRoomOf(const QWidget& control);
// The caption itself (empty for controls without one).
QString CaptionOf(const QWidget& control);

// The item Up (step -1) or Down (step +1) takes an editable drop-down of
// numbers in increasing order to from the text it shows: the nearest item in
// the key's direction, the end of the list when there is none beyond (so a
// number past either end comes back to that end), and the first item from a
// text that is not a number under the user's number rules.
int SteppedItem(const QComboBox& combo, int step, const numtext::Separators& sep);

}  // namespace tallowmere::app
