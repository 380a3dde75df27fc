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

#include "numtext/NumberText.h"

namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QColor c = colour.toRgb();
  return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

// What the user reads: the active window's and the inactive one's colours.
// Disabled texts are meant to recede and are left to the theme.
constexpr QPalette::ColorGroup kReadGroups[] = {QPalette::Active, QPalette::Inactive};

struct TextPair {
  QPalette::ColorRole background, text;
};
constexpr TextPair kTextPairs[] = {
    {QPalette::Window, QPalette::WindowText},
    {QPalette::Base, QPalette::Text},
    {QPalette::AlternateBase, QPalette::Text},
    {QPalette::Button, QPalette::ButtonText},
};

bool TextsRead(const QPalette& palette) {
  for (const QPalette::ColorGroup group : kReadGroups) {
    // The window, the frames and the captions on them are the designed white.
    if (ContrastRatio(palette.color(group, QPalette::WindowText), Qt::white) < kReadableContrast) return false;
    for (const TextPair& pair : kTextPairs) {
      if (ContrastRatio(palette.color(group, pair.background), palette.color(group, pair.text)) < kReadableContrast)
        return false;
    }
  }
  return true;
}

// Fusion's light colours: what Qt paints with when no theme gives a palette,
// so a dark desktop sees the window as a light one does. (The style's
// standard palette is no help: it follows the desktop's.)
QPalette LightPalette() {
  const QColor face(239, 239, 239);
  const QColor dark = face.darker(150);
  const QColor shadow = dark.darker(135);
  QPalette palette(Qt::black, face, Qt::white, dark, face.darker(130), Qt::black, Qt::white, Qt::white, face);
  QColor placeholder(Qt::black);
  placeholder.setAlpha(128);
  const struct {
    QPalette::ColorRole role;
    QColor colour;
  } all[] = {
      {QPalette::Midlight, face.darker(130).lighter(110)},
      {QPalette::Shadow, shadow},
      {QPalette::Highlight, QColor(48, 140, 198)},
      {QPalette::HighlightedText, Qt::white},
      {QPalette::Link, Qt::blue},
      {QPalette::LinkVisited, Qt::magenta},
      {QPalette::AlternateBase, QColor(247, 247, 247)},
      {QPalette::ToolTipBase, QColor(255, 255, 220)},
      {QPalette::ToolTipText, Qt::black},
      {QPalette::PlaceholderText, placeholder},
  };
  for (const auto& c : all) palette.setColor(c.role, c.colour);
  const QColor disabledText(190, 190, 190);
  const struct {
    QPalette::ColorRole role;
    QColor colour;
  } disabled[] = {
      {QPalette::WindowText, disabledText},
      {QPalette::Text, disabledText},
      {QPalette::ButtonText, disabledText},
      {QPalette::Base, face},
      {QPalette::Dark, QColor(209, 209, 209).darker(110)},
      {QPalette::Shadow, shadow.lighter(150)},
      {QPalette::Highlight, QColor(145, 145, 145)},
  };
  for (const auto& c : disabled) palette.setColor(QPalette::Disabled, c.role, c.colour);
  return palette;
}

// Many themes pick a selection colour that their white selected text reads on
// at about 3.7:1; the hue stays, only deeper (or paler under dark text). Some
// room is left above the floor: a style may lay a faint focus tint over the
// current row, text and all (Fusion's takes about a tenth off).
constexpr double kSelectionContrast = kReadableContrast * 1.15;

void DeepenSelection(QPalette& palette) {
  for (const QPalette::ColorGroup group : kReadGroups) {
    QColor selection = palette.color(group, QPalette::Highlight);
    const QColor text = palette.color(group, QPalette::HighlightedText);
    const bool darker = Luminance(text) > Luminance(selection);
    for (int i = 0; i < 40 && ContrastRatio(selection, text) < kSelectionContrast; ++i)
      selection = darker ? selection.darker(105) : selection.lighter(105);
    palette.setColor(group, QPalette::Highlight, selection);
    if (ContrastRatio(selection, text) < kSelectionContrast)
      palette.setColor(group, QPalette::HighlightedText, TextColourOn(selection));
  }
}

void HoldEveryRole(QPalette& palette) {
  for (int g = 0; g < QPalette::NColorGroups; ++g) {
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
      if (r == QPalette::NoRole) continue;
      const auto group = static_cast<QPalette::ColorGroup>(g);
      const auto role = static_cast<QPalette::ColorRole>(r);
      palette.setBrush(group, role, palette.brush(group, role));
    }
  }
}

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

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextColourOn(const QColor& background) {
  // Where black and white give the same ratio.
  return Luminance(background) > 0.1791 ? QColor(Qt::black) : QColor(Qt::white);
}

QPalette ReadablePalette(const QPalette& system) {
  QPalette palette = TextsRead(system) ? system : LightPalette();
  DeepenSelection(palette);
  HoldEveryRole(palette);
  return palette;
}

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

DesignFrame::DesignFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void DesignFrame::SetBorderAbove(int top) {
  borderAbove_ = top;
  update();
}

int DesignFrame::StyleBorderTop() const {
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

int DesignFrame::Lift() const {
  if (borderAbove_ <= 0) return 0;
  // One clear pixel between the border and the highest control.
  return std::max(0, StyleBorderTop() - (borderAbove_ - 2));
}

void DesignFrame::paintEvent(QPaintEvent*) {
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
  if (auto* frame = qobject_cast<const QGroupBox*>(&control)) return frame->title();
  if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
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
