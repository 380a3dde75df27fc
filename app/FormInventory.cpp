#include "app/FormInventory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <map>

#include "app/FormControls.h"
#include "platform/ReadableColours.h"

namespace tallowmere::app {

namespace {

using K = ControlKind;

QWidget* MakeButton(const QString& caption, QWidget* parent, const QString& fontFamily) {
  auto* button = new QPushButton(caption, parent);
  button->setFont(DesignFont(fontFamily, kButtonPoints));
  button->setAutoDefault(false);
  return button;
}

QWidget* MakeDropDown(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  // A plain editable drop-down: no completion, and a typed text never
  // becomes a list item.
  combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

QWidget* Make(const ControlSpec& spec, QWidget* parent, const QString& fontFamily) {
  const QString caption = QString::fromLatin1(spec.caption);
  switch (spec.kind) {
    case K::kList:
      return new ReportListView(parent);
    case K::kButton:
      return MakeButton(caption, parent, fontFamily);
    case K::kFrame:
      return new DesignFrame(caption, parent);
    case K::kOption:
      return new QRadioButton(caption, parent);
    case K::kLabel:
      return new QLabel(caption, parent);
    case K::kDropDown:
      return MakeDropDown(parent);
    case K::kCheckBox:
      return new QCheckBox(caption, parent);
  }
  return nullptr;
}

// Pointer moves reach the hover rules from the buttons and the frames, and
// stop there rather than reaching the window behind them too.
bool ReportsMoves(ControlKind kind) { return kind == K::kButton || kind == K::kFrame; }

// Designed white like the window, with a text colour that reads on it.
bool DesignedWhite(ControlKind kind) {
  return kind == K::kFrame || kind == K::kLabel || kind == K::kOption || kind == K::kCheckBox;
}

}  // namespace

QFont DesignFont(const QString& family, qreal points) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

// clang-format off
const std::array<ControlSpec, 18> kFormInventory = {{
    {.name = "ListView1", .kind = K::kList, .left = 120, .top = 90, .width = 7800, .height = 1815, .tab = 0,
     .toolTip = kListToolTip, .accessibleName = "Number list", .accessibleDescription = kListDescription},
    {.name = "PushButton3", .kind = K::kButton, .caption = "Add Number / Numbers",
     .left = 120, .top = 2010, .width = 3840, .height = 405, .tab = 1},
    {.name = "PushButton6", .kind = K::kButton, .caption = "Load Numbers From File",
     .left = 4080, .top = 2010, .width = 3840, .height = 405, .tab = 2},
    {.name = "PushButton1", .kind = K::kButton, .caption = "Clear List",
     .left = 120, .top = 2520, .width = 3840, .height = 405, .tab = 4, .accessibleName = "Clear number list"},
    {.name = "PushButton2", .kind = K::kButton, .caption = "Load Sample/Example Numbers",
     .left = 4080, .top = 2520, .width = 3840, .height = 405, .tab = 15},
    {.name = "Frame1", .kind = K::kFrame, .caption = "Method",
     .left = 120, .top = 3000, .width = 3840, .height = 1065, .tab = 5},
    {.name = "Option1", .kind = K::kOption, .parent = "Frame1", .caption = "Sample",
     .left = 240, .top = 300, .width = 1305, .height = 240, .tab = 6},
    {.name = "Option2", .kind = K::kOption, .parent = "Frame1", .caption = "Population",
     .left = 240, .top = 650, .width = 1665, .height = 225, .tab = 7},
    {.name = "Frame2", .kind = K::kFrame, .caption = "Decimal Options",
     .left = 4080, .top = 3000, .width = 3840, .height = 1065, .tab = 11},
    {.name = "Label1", .kind = K::kLabel, .parent = "Frame2", .caption = "Decimal places:",
     .left = 240, .top = 300, .width = 1485, .height = 255, .tab = 14},
    {.name = "Combo1", .kind = K::kDropDown, .parent = "Frame2",
     .left = 1680, .top = 255, .width = 975, .height = 345, .tab = 12, .accessibleName = "Decimal places",
     .accessibleDescription = "Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number."},
    {.name = "Check1", .kind = K::kCheckBox, .parent = "Frame2", .caption = "Show all decimals",
     .left = 240, .top = 700, .width = 1875, .height = 225, .tab = 13},
    {.name = "PushButton7", .kind = K::kButton, .caption = "Start Analysis",
     .left = 120, .top = 4185, .width = 7800, .height = 405, .tab = 3},
    {.name = "ListView2", .kind = K::kList, .left = 120, .top = 4710, .width = 7800, .height = 3735, .tab = 8,
     .toolTip = kResultsListToolTip, .accessibleName = "Results list", .accessibleDescription = kResultsListToolTip},
    {.name = "PushButton4", .kind = K::kButton, .caption = "Save Results As Text File",
     .left = 120, .top = 8550, .width = 3840, .height = 405, .tab = 9},
    {.name = "PushButton13", .kind = K::kButton, .caption = "Save Results As Excel File",
     .left = 4080, .top = 8550, .width = 3840, .height = 405, .tab = 10},
    {.name = "PushButton5", .kind = K::kButton, .caption = "Copy Results To Clipboard",
     .left = 120, .top = 9060, .width = 3840, .height = 405, .tab = 16},
    {.name = "PushButton8", .kind = K::kButton, .caption = "Clear List",
     .left = 4080, .top = 9060, .width = 3840, .height = 405, .tab = 17, .accessibleName = "Clear results list"},
}};
// clang-format on

void BuildInventory(QWidget& window, const QString& fontFamily) {
  std::map<int, QWidget*> tabOrder;
  for (const ControlSpec& spec : kFormInventory) {
    QWidget* parent = spec.parent ? window.findChild<QWidget*>(QString::fromLatin1(spec.parent)) : &window;
    QWidget* control = Make(spec, parent, fontFamily);
    control->setObjectName(QString::fromLatin1(spec.name));
    control->setGeometry(Twips(spec.left), Twips(spec.top), Twips(spec.width), Twips(spec.height));
    if (spec.toolTip) control->setToolTip(QString::fromUtf8(spec.toolTip));
    if (spec.accessibleName) control->setAccessibleName(QString::fromUtf8(spec.accessibleName));
    if (spec.accessibleDescription) control->setAccessibleDescription(QString::fromUtf8(spec.accessibleDescription));
    if (ReportsMoves(spec.kind)) {
      control->setMouseTracking(true);
      control->setAttribute(Qt::WA_NoMousePropagation);
    }
    if (DesignedWhite(spec.kind)) platform::SetDesignedBackground(control, Qt::white);
    if (control->focusPolicy() != Qt::NoFocus) tabOrder[spec.tab] = control;
  }
  QWidget* previous = nullptr;
  for (const auto& [tab, control] : tabOrder) {
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

}  // namespace tallowmere::app
