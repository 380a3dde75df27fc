#include "app/FormInventory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>

#include "app/FormControls.h"
#include "app/GrowingLayout.h"
#include "platform/ReadableColours.h"

namespace tallowmere::app {

namespace {

using K = ControlKind;

QWidget* MakeButton(const QString& caption, QWidget* parent, const QString& fontFamily) {
  auto* button = new QPushButton(caption, parent);
  button->setFont(FormFont(fontFamily, kButtonPoints));
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
  const QString caption = QCoreApplication::translate("Form1", spec.caption);
  switch (spec.kind) {
    case K::kList:
      return new ReportListView(parent);
    case K::kButton:
      return MakeButton(caption, parent, fontFamily);
    case K::kFrame:
      return new FormFrame(caption, parent);
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

// White like the window, with a text colour that reads on it.
bool OnWindowWhite(ControlKind kind) {
  return kind == K::kFrame || kind == K::kLabel || kind == K::kOption || kind == K::kCheckBox;
}

// Shorthands for the table's rows of captioned controls, which name only
// what such a control has: name, (frame,) caption, place and tab index.
constexpr ControlSpec Button(const char* name, const char* caption, TwipsRect at, int tab,
                             const char* accessibleName = nullptr) {
  return {.name = name, .kind = K::kButton, .caption = caption, .at = at, .tab = tab, .accessibleName = accessibleName};
}

constexpr ControlSpec Frame(const char* name, const char* caption, TwipsRect at, int tab) {
  return {.name = name, .kind = K::kFrame, .caption = caption, .at = at, .tab = tab};
}

constexpr ControlSpec InFrame(ControlKind kind, const char* name, const char* frame, const char* caption, TwipsRect at,
                              int tab) {
  return {.name = name, .kind = kind, .parent = frame, .caption = caption, .at = at, .tab = tab};
}

}  // namespace

QFont FormFont(const QString& family, qreal points) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

// clang-format off
const std::array<ControlSpec, 18> kFormInventory = {{
    {.name = "ListView1", .kind = K::kList, .at = {120, 90, 7800, 1815}, .tab = 0,
     .toolTip = kListToolTip, .accessibleName = QT_TRANSLATE_NOOP("Form1", "Number list"), .accessibleDescription = kListDescription},
    Button("PushButton3", QT_TRANSLATE_NOOP("Form1", "Add Number / Numbers"), {120, 2010, 3840, 405}, 1),
    Button("PushButton6", QT_TRANSLATE_NOOP("Form1", "Load Numbers From File"), {4080, 2010, 3840, 405}, 2),
    Button("PushButton1", QT_TRANSLATE_NOOP("Form1", "Clear List"), {120, 2520, 3840, 405}, 4, QT_TRANSLATE_NOOP("Form1", "Clear number list")),
    Button("PushButton2", QT_TRANSLATE_NOOP("Form1", "Load Sample/Example Numbers"), {4080, 2520, 3840, 405}, 15),
    Frame("Frame1", QT_TRANSLATE_NOOP("Form1", "Method"), {120, 3000, 3840, 1065}, 5),
    InFrame(K::kOption, "Option1", "Frame1", QT_TRANSLATE_NOOP("Form1", "Sample"), {240, 300, 1305, 240}, 6),
    InFrame(K::kOption, "Option2", "Frame1", QT_TRANSLATE_NOOP("Form1", "Population"), {240, 650, 1665, 225}, 7),
    Frame("Frame2", QT_TRANSLATE_NOOP("Form1", "Decimal Options"), {4080, 3000, 3840, 1065}, 11),
    InFrame(K::kLabel, "Label1", "Frame2", QT_TRANSLATE_NOOP("Form1", "Decimal places:"), {240, 300, 1485, 255}, 14),
    {.name = "Combo1", .kind = K::kDropDown, .parent = "Frame2", .at = {1680, 255, 975, 345}, .tab = 12,
     .accessibleName = QT_TRANSLATE_NOOP("Form1", "Decimal places"),
     .accessibleDescription = QT_TRANSLATE_NOOP("Form1", "Decimals shown in the results: pick 1 to 10, step with Up and Down, or type a number.")},
    InFrame(K::kCheckBox, "Check1", "Frame2", QT_TRANSLATE_NOOP("Form1", "Show all decimals"), {240, 700, 1875, 225}, 13),
    Button("PushButton7", QT_TRANSLATE_NOOP("Form1", "Start Analysis"), {120, 4185, 7800, 405}, 3),
    {.name = "ListView2", .kind = K::kList, .at = {120, 4710, 7800, 3735}, .tab = 8,
     .toolTip = kResultsListToolTip, .accessibleName = QT_TRANSLATE_NOOP("Form1", "Results list"), .accessibleDescription = kResultsListToolTip},
    Button("PushButton4", QT_TRANSLATE_NOOP("Form1", "Save Results As Text File"), {120, 8550, 3840, 405}, 9),
    Button("PushButton13", QT_TRANSLATE_NOOP("Form1", "Save Results As Excel File"), {4080, 8550, 3840, 405}, 10),
    Button("PushButton5", QT_TRANSLATE_NOOP("Form1", "Copy Results To Clipboard"), {120, 9060, 3840, 405}, 16),
    Button("PushButton8", QT_TRANSLATE_NOOP("Form1", "Clear List"), {4080, 9060, 3840, 405}, 17, QT_TRANSLATE_NOOP("Form1", "Clear results list")),
}};
// clang-format on

void BuildInventory(QWidget& window, const QString& fontFamily) {
  for (const ControlSpec& spec : kFormInventory) {
    QWidget* parent = spec.parent ? window.findChild<QWidget*>(QString::fromLatin1(spec.parent)) : &window;
    QWidget* control = Make(spec, parent, fontFamily);
    control->setObjectName(QString::fromLatin1(spec.name));
    control->setGeometry(Twips(spec.at.left), Twips(spec.at.top), Twips(spec.at.width), Twips(spec.at.height));
    if (spec.toolTip) control->setToolTip(QCoreApplication::translate("Form1", spec.toolTip));
    if (spec.accessibleName) control->setAccessibleName(QCoreApplication::translate("Form1", spec.accessibleName));
    if (spec.accessibleDescription)
      control->setAccessibleDescription(QCoreApplication::translate("Form1", spec.accessibleDescription));
    if (ReportsMoves(spec.kind)) {
      control->setMouseTracking(true);
      control->setAttribute(Qt::WA_NoMousePropagation);
    }
    if (OnWindowWhite(spec.kind)) platform::SetControlBackground(control, Qt::white);
  }
  // Tab follows the places, not the tab indices, which jump about.
  QWidget* previous = nullptr;
  for (const ControlSpec* spec : ReadingOrder()) {
    auto* control = window.findChild<QWidget*>(QString::fromLatin1(spec->name));
    if (control->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

}  // namespace tallowmere::app
