#include "app/FormControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <string>

#include "app/Mnemonics.h"
#include "numtext/NumberText.h"

namespace tallowmere::app {

namespace {

// The outer pixels of a list that its border takes: the frame line and, with
// the focus, one more inside it.
constexpr int kBorderWidth = 2;

class ListBorder final : public QWidget {
 public:
  explicit ListBorder(ReportListView* list) : QWidget(list), list_(list) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }

  void Place() {
    setGeometry(list_->rect());
    // Only the border: the rows under the mask's hole paint as if this were
    // not here.
    setMask(
        QRegion(rect()).subtracted(QRegion(rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth))));
    raise();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    // At a fractional scale the viewport's edge rounds outward over the frame
    // line the list drew first: drawn again here, on top.
    const QStyleOptionFrame option = list_->FrameOption();
    list_->style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, list_);
    if (!list_->hasFocus()) return;
    const QColor ring = list_->palette().color(QPalette::Highlight);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), kBorderWidth), ring);
    painter.fillRect(QRect(r.left(), r.bottom() - kBorderWidth + 1, r.width(), kBorderWidth), ring);
    painter.fillRect(QRect(r.left(), r.top(), kBorderWidth, r.height()), ring);
    painter.fillRect(QRect(r.right() - kBorderWidth + 1, r.top(), kBorderWidth, r.height()), ring);
  }

 private:
  ReportListView* list_;
};

}  // namespace
// ---------------------------------------------------------------------------

ReportListView::ReportListView(QWidget* parent) : QTableView(parent), border_(new ListBorder(this)) {}

QStyleOptionFrame ReportListView::FrameOption() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  return option;
}

QModelIndex ReportListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
  return QTableView::moveCursor(action, modifiers);
}

void ReportListView::keyPressEvent(QKeyEvent* event) {
  const QPersistentModelIndex before(currentIndex());
  QTableView::keyPressEvent(event);
  const QModelIndex now = currentIndex();
  if (now.isValid() && before != now) scrollTo(now);
}

void ReportListView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  border_->update();
}

void ReportListView::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  border_->update();
}

void ReportListView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  static_cast<ListBorder*>(border_)->Place();
}

// ---------------------------------------------------------------------------

FormFrame::FormFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void FormFrame::SetBorderAbove(int top) {
  borderAbove_ = top;
  update();
}

int FormFrame::StyleBorderTop() const {
  // Styles differ in where the border goes; drawing it alone shows where.
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_GroupBoxFrame;
  option.rect.moveTo(0, 0);
  QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
  }
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    if (std::any_of(line, line + image.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; })) return y;
  }
  return 0;
}

int FormFrame::Lift() const {
  if (borderAbove_ <= 0) return 0;
  // One clear pixel between the border and the highest control.
  return std::max(0, StyleBorderTop() - (borderAbove_ - 2));
}

void FormFrame::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  const int lift = Lift();
  if (lift == 0) {
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
    return;
  }
  // The border drawn for a frame that starts higher; the title where it was.
  QStyleOptionGroupBox frame = option;
  frame.subControls = QStyle::SC_GroupBoxFrame;
  frame.rect.setTop(frame.rect.top() - lift);
  painter.drawComplexControl(QStyle::CC_GroupBox, frame);
  QStyleOptionGroupBox title = option;
  title.subControls &= ~QStyle::SubControls(QStyle::SC_GroupBoxFrame);
  painter.drawComplexControl(QStyle::CC_GroupBox, title);
}

// ---------------------------------------------------------------------------

int CaptionRoomOf(const QWidget& control) {
  QStyle* style = control.style();
  if (auto* frame = qobject_cast<const QGroupBox*>(&control)) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    return frame->width() - 2 * title.left();
  }
  if (auto* label = qobject_cast<const QLabel*>(&control)) return label->contentsRect().width();
  auto* button = qobject_cast<const QAbstractButton*>(&control);
  if (!button) return 0;
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  QStyle::SubElement inside = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QRadioButton*>(button)) inside = QStyle::SE_RadioButtonContents;
  if (qobject_cast<const QCheckBox*>(button)) inside = QStyle::SE_CheckBoxContents;
  return style->subElementRect(inside, &option, button).width();
}

QString CaptionOf(const QWidget& control) {
  // As shown: a mnemonic's mark takes no room.
  if (auto* frame = qobject_cast<const QGroupBox*>(&control)) return ShownCaption(frame->title());
  if (auto* label = qobject_cast<const QLabel*>(&control)) return ShownCaption(label->text());
  if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return ShownCaption(button->text());
  return QString();
}

// ---------------------------------------------------------------------------

int SteppedItem(const QComboBox& combo, int step, const numtext::Separators& sep) {
  const std::string shown = combo.currentText().toStdString();
  if (!numtext::IsNumeric(shown, sep)) return 0;
  const double value = numtext::NumericValue(shown, sep);
  const auto item = [&combo, &sep](int i) { return numtext::NumericValue(combo.itemText(i).toStdString(), sep); };
  if (step > 0) {
    for (int i = 0; i < combo.count(); ++i)
      if (item(i) > value) return i;
    return combo.count() - 1;
  }
  for (int i = combo.count() - 1; i >= 0; --i)
    if (item(i) < value) return i;
  return 0;
}

}  // namespace tallowmere::app
