// The main window: start-up with every kind of stored options, the title,
// where the controls stand and what holds wherever they stand, its place on
// screens large and small, the fonts and captions that fit, the pointer
// rules, readable colours in every theme, what assistive technology finds,
// the skin and pointer files, and the end of the program.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionGroupBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "app/FormControls.h"
#include "app/FormInventory.h"
#include "platform/FontChoice.h"
#include "platform/ScreenFit.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::platform;
using namespace tallowmere::app;

using namespace windowtest;
using State = WindowPointer::State;

namespace {

QString FormLoadReport(const char* description, int label) {
  return QString::fromStdString(ErrorReportText(description, kFormLoadLocation, label));
}

// ---------------------------------------------------------------------------
// Start-up with stored options.

struct StartCase {
  const char* name;
  std::map<std::string, QString> stored;  // before start
  bool option1, option2, check1;
  QString combo;
  std::vector<int> reportedLabels;
  std::map<std::string, QString> storedAfter;  // keys that must hold these texts
};

class StartUp : public WindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUp, RestoresTheOptionsAsAUserWould) {
  const StartCase& c = GetParam();
  for (const auto& [key, text] : c.stored) Store(key.c_str(), text);
  Form1& f = Open();

  EXPECT_EQ(Controls(f).Option1->isChecked(), c.option1);
  EXPECT_EQ(Controls(f).Option2->isChecked(), c.option2);
  EXPECT_EQ(Controls(f).Check1->isChecked(), c.check1);
  EXPECT_EQ(Controls(f).Combo1->currentText(), c.combo);
  EXPECT_EQ(Controls(f).Combo1->isEnabled(), !c.check1);
  EXPECT_EQ(f.Analysis().Statistics().MethodIsSample(), c.option1);

  std::vector<int> labels;
  for (const QString& report : dialogs_.ErrorReports()) {
    ASSERT_TRUE(report.contains(QString::fromLatin1(kFormLoadLocation) + "at line ")) << report.toStdString();
    labels.push_back(report.section("at line ", 1).section('\r', 0, 0).toInt());
  }
  EXPECT_EQ(labels, c.reportedLabels);
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
  for (const auto& [key, text] : c.storedAfter) EXPECT_EQ(Stored(key.c_str()), text) << key;

  // Whatever failed, the later steps ran: both lists have their column.
  EXPECT_EQ(f.NumberList().headerData(0, Qt::Horizontal).toString(), "Number(s)");
  EXPECT_EQ(f.ResultsModel()->headerData(0, Qt::Horizontal).toString(), "Result(s)");
  EXPECT_EQ(f.NumberList().Count(), 0u);
  EXPECT_EQ(f.ResultsModel()->rowCount(), 0);
}

const StartCase kStartCases[] = {
    {"EmptyStore",
     {},
     true,
     false,
     false,
     "3",
     {},
     // Nothing differs from the defaults, so nothing is written.
     {{"Option1", kAbsent}, {"Option2", kAbsent}, {"Check1", kAbsent}, {"Combo1", kAbsent}}},
    {"Population",
     {{"Option1", "False"}, {"Option2", "True"}},
     false,
     true,
     false,
     "3",
     {},
     {{"Option1", "False"}, {"Option2", "True"}}},
    {"BothTrue",
     {{"Option1", "True"}, {"Option2", "True"}},
     false,
     true,
     false,
     "3",
     {},
     {{"Option1", "False"}, {"Option2", "True"}}},
    {"BothFalse",
     {{"Option1", "False"}, {"Option2", "False"}},
     false,
     false,
     false,
     "3",
     {},
     {{"Option1", "False"}, {"Option2", "False"}}},
    {"NumbersAsBooleans",
     {{"Option1", "0"}, {"Option2", "-2"}},
     false,
     true,
     false,
     "3",
     {},
     {{"Option1", "False"}, {"Option2", "True"}}},
    {"WordCaseIgnored", {{"Option1", "false"}, {"Option2", "TRUE"}}, false, true, false, "3", {}, {}},
    {"ShowAllDecimals", {{"Check1", "1"}}, true, false, true, "10", {}, {{"Check1", "1"}, {"Combo1", "10"}}},
    // Step 11 writes "10" before step 12 reads "Combo1".
    {"ShowAllDecimalsWinsOverStoredPlaces",
     {{"Check1", "1"}, {"Combo1", "7"}},
     true,
     false,
     true,
     "10",
     {},
     {{"Combo1", "10"}}},
    {"StoredPlaces", {{"Combo1", "7"}}, true, false, false, "7", {}, {{"Combo1", "7"}}},
    {"EmptyPlacesComeBackSilently", {{"Combo1", ""}}, true, false, false, "", {}, {{"Combo1", ""}}},
    {"WordPlacesComeBackSilently", {{"Combo1", "abc"}}, true, false, false, "abc", {}, {{"Combo1", "abc"}}},
    {"UnreadableOption1", {{"Option1", "maybe"}}, true, false, false, "3", {136}, {{"Option1", "maybe"}}},
    {"UnreadableOption2", {{"Option2", "x"}, {"Check1", "1"}}, true, false, true, "10", {138}, {}},
    {"UnreadableEverything",
     {{"Option1", "?"}, {"Option2", "?"}, {"Check1", "?"}},
     true,
     false,
     false,
     "3",
     {136, 138, 140},
     {}},
    {"CheckValueNotAccepted", {{"Check1", "5"}}, true, false, false, "3", {140}, {{"Check1", "5"}}},
    {"CheckValueOutOfRange", {{"Check1", "40000"}}, true, false, false, "3", {140}, {}},
    {"CheckValueNotANumber", {{"Check1", "yes"}}, true, false, false, "3", {140}, {}},
};

INSTANTIATE_TEST_SUITE_P(Settings, StartUp, ::testing::ValuesIn(kStartCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, AnUnreadableOptionIsReportedWithItsDescriptionAndLine) {
  const struct {
    const char* key;
    const char* stored;
    const char* readable;  // put back before the next case
    const char* description;
    int line;
  } cases[] = {
      {"Option1", "maybe", "True", "Type mismatch", 136},
      {"Check1", "5", "0", "Show all decimals takes 0 or 1", 140},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);  // one row for each key
    Store(c.key, c.stored);
    dialogs_.Clear();
    Open();
    EXPECT_EQ(dialogs_.ErrorReports(), QStringList({FormLoadReport(c.description, c.line)}));
    form_.reset();
    Store(c.key, c.readable);
  }
}

TEST_F(WindowTest, OptionsSurviveARestart) {
  {
    Form1& f = Open();
    Controls(f).Option2->click();
    Controls(f).Check1->click();
  }
  form_.reset();
  Form1& again = Open();
  EXPECT_TRUE(Controls(again).Option2->isChecked());
  EXPECT_FALSE(Controls(again).Option1->isChecked());
  EXPECT_TRUE(Controls(again).Check1->isChecked());
  EXPECT_EQ(Controls(again).Combo1->currentText(), "10");
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
}

// ---------------------------------------------------------------------------
// Title.

TEST(ApplicationTitle, CutsAtTheLastSpaceUntilShortEnough) {
  const QString forty = "Alpha Beta Gamma Delta Epsilon Zeta Eta";  // 39 characters, 7 words
  const QString sixty = "Alphabetical Beta Gamma Delta Epsilon Zeta Theta Iota Kappas";
  ASSERT_EQ(sixty.size(), 60);
  const struct {
    const char* row;
    QString name, title;
  } cases[] = {
      {"OneWord", "Tallowmere", "Tallowmere"},  // no space: the whole name
      {"TwoWords", "Two Words", "Two"},
      {"ShortStillCutOnce", forty, "Alpha Beta Gamma Delta Epsilon Zeta"},
      {"CutUntil40OrFewer", sixty, "Alphabetical Beta Gamma Delta Epsilon"},
      {"TrailingSpace", "Trailing ", "Trailing"},
      {"NoSpaceLeftStopsTheCutting", QString(60, 'x') + " tail", QString(60, 'x')},
      {"Empty", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ApplicationTitleFromName(c.name), c.title) << c.row;
  EXPECT_LE(ApplicationTitleFromName(sixty).size(), 40);
}

TEST_F(WindowTest, CaptionAndApplicationTitleAreTheProductName) {
  SetApplicationTitleText("stale");
  Form1& f = Open();
  EXPECT_EQ(f.windowTitle(), "Tallowmere");
  EXPECT_EQ(ApplicationTitle(), "Tallowmere");
  EXPECT_FALSE(f.windowIcon().isNull());
}

// The style options the controls paint with (protected in Qt).
template <class Widget, class Option>
Option StyleOptionOf(const Widget* widget) {
  struct Open : Widget {
    using Widget::initStyleOption;
  };
  Option option;
  (widget->*(&Open::initStyleOption))(&option);
  return option;
}

QRect InForm(Form1& f, QWidget* widget, const QRect& rect) {
  return QRect(widget->mapTo(&f, rect.topLeft()), rect.size());
}

// ---------------------------------------------------------------------------
// The controls: where they stand, and what holds wherever they stand.

// Every control the window is built with, found by its name.
std::vector<QWidget*> AllControls(Form1& f) {
  std::vector<QWidget*> all;
  for (const ControlSpec& spec : kFormInventory) {
    auto* control = f.findChild<QWidget*>(QString::fromLatin1(spec.name));
    EXPECT_NE(control, nullptr) << spec.name;
    if (control) all.push_back(control);
  }
  return all;
}

TEST_F(WindowTest, TheWindowIsItsContentBelowTheMenuBarCentred) {
  Form1& f = Open();
  const int bar = f.MenuBarHeight();
  ASSERT_GT(bar, 0);
  EXPECT_EQ(f.size(), QSize(536, 638 + bar));
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(f.pos(), QPoint(area.x() + (area.width() - 536) / 2, area.y() + (area.height() - 638 - bar) / 2));
  EXPECT_EQ(f.minimumSize(), QSize(536, 638 + bar));
  EXPECT_EQ(f.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  EXPECT_TRUE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(f.windowFlags() & Qt::WindowCloseButtonHint);

  QStringList items;
  for (int i = 0; i < Controls(f).Combo1->count(); ++i) items << Controls(f).Combo1->itemText(i);
  EXPECT_EQ(items, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_TRUE(Controls(f).Combo1->isEditable());
  EXPECT_EQ(Controls(f).Combo1->insertPolicy(), QComboBox::NoInsert);
}

// The one place the controls' places and captions are written out: pixels
// at 96 dpi, in their parent, below the menu bar for the window's own.
TEST_F(WindowTest, EveryControlStandsInItsPlaceWithItsCaption) {
  Form1& f = Open();
  const int bar = f.MenuBarHeight();
  const struct {
    const char* name;
    const char* frame;  // null: the window itself
    QRect rect;
    const char* caption;
  } places[] = {
      {"ListView1", nullptr, {8, 6, 520, 121}, ""},
      {"PushButton3", nullptr, {8, 134, 256, 27}, "Add Number / Numbers"},
      {"PushButton6", nullptr, {272, 134, 256, 27}, "Load Numbers From File"},
      {"PushButton1", nullptr, {8, 168, 256, 27}, "Clear List"},
      {"PushButton2", nullptr, {272, 168, 256, 27}, "Load Sample/Example Numbers"},
      {"Frame1", nullptr, {8, 200, 256, 71}, "Method"},
      {"Option1", "Frame1", {16, 20, 87, 16}, "Sample"},
      {"Option2", "Frame1", {16, 43, 111, 15}, "Population"},
      {"Frame2", nullptr, {272, 200, 256, 71}, "Decimal Options"},
      {"Label1", "Frame2", {16, 20, 99, 17}, "Decimal places:"},
      {"Combo1", "Frame2", {112, 17, 65, 23}, ""},
      {"Check1", "Frame2", {16, 47, 125, 15}, "Show all decimals"},
      {"PushButton7", nullptr, {8, 279, 520, 27}, "Start Analysis"},
      {"ListView2", nullptr, {8, 314, 520, 249}, ""},
      {"PushButton4", nullptr, {8, 570, 256, 27}, "Save Results As Text File"},
      {"PushButton13", nullptr, {272, 570, 256, 27}, "Save Results As Excel File"},
      {"PushButton5", nullptr, {8, 604, 256, 27}, "Copy Results To Clipboard"},
      {"PushButton8", nullptr, {272, 604, 256, 27}, "Clear List"},
  };
  EXPECT_EQ(std::size(places), AllControls(f).size()) << "a control without a place here, or a place without one";
  for (const auto& p : places) {
    SCOPED_TRACE(p.name);
    auto* control = f.findChild<QWidget*>(QString::fromLatin1(p.name));
    ASSERT_NE(control, nullptr);
    QWidget* parent = p.frame ? f.findChild<QWidget*>(QString::fromLatin1(p.frame)) : &f;
    EXPECT_EQ(control->parentWidget(), parent);
    EXPECT_EQ(control->geometry(), p.frame ? p.rect : p.rect.translated(0, bar));
    EXPECT_EQ(CaptionOf(*control), QString::fromLatin1(p.caption));
  }
}

// Where a frame draws its title, in the frame.
QRect FrameTitle(QGroupBox* frame) {
  const auto option = StyleOptionOf<QGroupBox, QStyleOptionGroupBox>(frame);
  return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
}

QRect InWindow(Form1& f, const QWidget* control) { return QRect(control->mapTo(&f, QPoint(0, 0)), control->size()); }

// What a control covers of the window. A label covers only as far as its
// text: "Decimal places:" reaches under the drop-down it names by three
// pixels of empty room.
QRect Covered(Form1& f, const QLabel* label) {
  const QRect inside = label->contentsRect();
  const int text = QFontMetrics(label->font()).horizontalAdvance(CaptionOf(*label));
  return QRect(label->mapTo(&f, inside.topLeft()), QSize(std::min(text, inside.width()), inside.height()));
}
QRect Covered(Form1& f, const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control)) return Covered(f, label);
  return InWindow(f, control);
}

// Whatever size the window is given, its controls keep apart and inside it:
// a control inside a frame lies within the frame and clear of its title, and
// no two controls meet unless one holds the other.
struct LayoutCase {
  const char* name;
  QSize grown;  // beyond the least size
};

class ControlLayout : public WindowTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ControlLayout, NoTwoControlsOverlapAndAllLieInsideTheWindow) {
  Form1& f = OpenShown();
  f.resize(f.minimumSize() + GetParam().grown);
  QApplication::processEvents();
  ASSERT_EQ(f.size(), f.minimumSize() + GetParam().grown);
  const int bar = f.MenuBarHeight();
  const QRect content(0, bar, f.width(), f.height() - bar);
  const std::vector<QWidget*> controls = AllControls(f);
  for (QWidget* a : controls) {
    SCOPED_TRACE(a->objectName().toStdString());
    EXPECT_FALSE(InWindow(f, a).isEmpty());
    EXPECT_TRUE(content.contains(InWindow(f, a)));
    if (auto* frame = qobject_cast<QGroupBox*>(a->parentWidget())) {
      EXPECT_TRUE(frame->rect().contains(a->geometry()));
      EXPECT_FALSE(FrameTitle(frame).intersects(a->geometry())) << "it covers the frame's title";
    }
    for (QWidget* b : controls) {
      if (a == b || a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
      EXPECT_FALSE(Covered(f, a).intersects(Covered(f, b))) << "meets " << b->objectName().toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ControlLayout,
                         ::testing::Values(LayoutCase{"Least", {0, 0}}, LayoutCase{"Wider", {400, 0}},
                                           LayoutCase{"Taller", {0, 300}}, LayoutCase{"LargerBothWays", {744, 386}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Tab goes round every control that takes input once, in reading order: the
// window's own controls row by row, left to right, a frame's controls in the
// frame's place, row by row within it.
TEST_F(WindowTest, TabReachesEveryInputControlOnceInReadingOrder) {
  Form1& f = Open();
  std::vector<QWidget*> stops;
  for (QWidget* control : AllControls(f)) {
    // Frames and the label show text only.
    const bool input = !qobject_cast<QGroupBox*>(control) && !qobject_cast<QLabel*>(control);
    EXPECT_EQ(control->focusPolicy() == Qt::NoFocus, !input) << control->objectName().toStdString();
    if (input) stops.push_back(control);
  }
  ASSERT_FALSE(stops.empty());
  const auto readingKey = [&](QWidget* w) {
    QWidget* outer = w->parentWidget() == &f ? w : w->parentWidget();
    return std::make_tuple(outer->y(), outer->x(), w->y(), w->x());
  };
  std::vector<QWidget*> reading = stops;
  std::sort(reading.begin(), reading.end(), [&](QWidget* a, QWidget* b) { return readingKey(a) < readingKey(b); });

  // One round of the focus chain from the first stop back to it.
  std::vector<QWidget*> round;
  QWidget* w = reading.front();
  for (int guard = 0; guard < 1000; ++guard) {
    if (std::find(stops.begin(), stops.end(), w) != stops.end()) round.push_back(w);
    w = w->nextInFocusChain();
    if (w == reading.front()) break;
  }
  const auto names = [](const std::vector<QWidget*>& ws) {
    QStringList out;
    for (QWidget* x : ws) out << x->objectName();
    return out.join(' ').toStdString();
  };
  EXPECT_EQ(names(round), names(reading));
}

// ---------------------------------------------------------------------------
// The window on screens large and small.

TEST(WindowPlace, CentresWhatFitsAndScrollsWhatDoesNot) {
  const QSize content(536, 638);
  const int bar = 16;
  const struct {
    const char* name;
    QRect area;  // the screen's free area, in the scale's pixels
    QMargins frame;
    WindowPlace place;
  } cases[] = {
      {"FitsCentred", {0, 0, 1280, 1024}, {}, {{372, 193}, content, false}},
      {"LargeScreenAtScale2", {0, 0, 1280, 1024}, {4, 30, 4, 4}, {{372, 193}, content, false}},
      {"BelowAPanel", {0, 27, 1366, 741}, {}, {{415, 78}, content, false}},
      {"JustFitsWithTheFrame", {0, 0, 1280, 676}, {1, 37, 1, 1}, {{372, 0}, content, false}},
      {"CentredWouldPushTheFrameOut", {0, 0, 1280, 680}, {1, 37, 1, 1}, {{372, 4}, content, false}},
      {"OnASecondScreen", {1920, 0, 1280, 1024}, {}, {{2292, 193}, content, false}},
      // 1600 x 1200 at scale 2; the window is as tall as the area, its
      // scroll bar beside the content.
      {"Scale2", {0, 0, 800, 600}, {}, {{124, 0}, {552, 600}, true}},
      {"Scale2BelowAPanelWithAFrame", {0, 27, 800, 573}, {2, 37, 2, 2}, {{124, 27}, {552, 534}, true}},
      {"OneFrameLineTooMany", {0, 0, 1280, 676}, {1, 38, 1, 1}, {{364, 0}, {552, 637}, true}},
      // 1366 x 768 at 1.25.
      {"Laptop125", {0, 0, 1093, 614}, {}, {{270, 0}, {552, 614}, true}},
      {"TooNarrowOnly", {0, 0, 500, 900}, {}, {{0, 123}, {500, 654}, true}},
      {"TooNarrowThenTheBarMakesItTooLow", {0, 0, 500, 650}, {}, {{0, 0}, {500, 650}, true}},
      {"TooLowThenTheBarMakesItTooNarrow", {0, 0, 545, 600}, {}, {{0, 0}, {545, 600}, true}},
      {"TooSmallBothWays", {0, 0, 512, 300}, {}, {{0, 0}, {512, 300}, true}},
      {"SecondScreenAtScale2", {1920, 0, 800, 600}, {}, {{2044, 0}, {552, 600}, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const WindowPlace place = PlaceWindow(content, c.frame, bar, c.area);
    EXPECT_EQ(place.topLeft, c.place.topLeft);
    EXPECT_EQ(place.client, c.place.client);
    EXPECT_EQ(place.scrolls, c.place.scrolls);
    // Whatever the case, the whole window, frame and all, is in the area.
    const QRect outer(place.topLeft, place.client.grownBy(c.frame));
    EXPECT_TRUE(c.area.contains(outer)) << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                                        << outer.height();
  }
}

class SmallScreen : public WindowTest {
 protected:
  // 1600 x 1200 at scale 2, less a panel of 27.
  static constexpr QRect kArea{0, 27, 800, 573};

  Form1& OpenOnSmallScreen() {
    Form1& f = Open();
    f.PlaceOnScreen(kArea);
    return f;
  }
  static QScrollArea* Host(Form1& f) { return qobject_cast<QScrollArea*>(f.window()); }
  // The part of `control` the scrolling window shows.
  static QRect Shown(Form1& f, QWidget* control) {
    QWidget* viewport = Host(f)->viewport();
    return QRect(control->mapTo(viewport, QPoint(0, 0)), control->size()) & viewport->rect();
  }
};

TEST_F(SmallScreen, TheContentKeepsItsSizeAndScrollsInAWindowThatFits) {
  Form1& f = OpenOnSmallScreen();
  QScrollArea* host = Host(f);
  ASSERT_NE(host, nullptr);
  EXPECT_FALSE(f.isWindow());
  EXPECT_EQ(host->windowTitle(), "Tallowmere");
  EXPECT_FALSE(host->windowIcon().isNull());
  EXPECT_FALSE(host->windowFlags() & Qt::WindowMaximizeButtonHint);
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
  EXPECT_TRUE(host->isVisible());
  // The platform's frame is known once the window is up; then the window,
  // frame and all, takes the area's height.
  for (int i = 0; i < 100 && !kArea.contains(host->frameGeometry()); ++i) QTest::qWait(10);
  EXPECT_TRUE(kArea.contains(host->frameGeometry()));
  EXPECT_EQ(host->frameGeometry().height(), kArea.height());
  EXPECT_EQ(host->frameGeometry().top(), kArea.top());
  EXPECT_TRUE(host->verticalScrollBar()->isVisible());
  EXPECT_FALSE(host->horizontalScrollBar()->isVisible());
  // The content at its own size, whole, beside its scroll bar.
  EXPECT_EQ(f.size(), QSize(536, 638 + f.MenuBarHeight()));
  EXPECT_EQ(host->viewport()->width(), 536);
  // Hidden with the content, and shown again.
  f.hide();
  EXPECT_FALSE(host->isVisible());
  f.show();
  EXPECT_TRUE(host->isVisible());
}

TEST_F(SmallScreen, AFrameThatOnlyComesWithTheShownWindowMovesItIntoAScrollingOne) {
  // Room for the window alone, not for the frame the platform then adds (2
  // pixels a side offscreen, a title bar under a window manager).
  Form1& f = Open();
  const QRect area(0, 0, 800, f.height() + 2);
  f.PlaceOnScreen(area);
  ASSERT_TRUE(f.isWindow());
  f.show();
  QApplication::setActiveWindow(&f);
  for (int i = 0; i < 100 && (f.isWindow() || !area.contains(f.window()->frameGeometry())); ++i) QTest::qWait(10);
  ASSERT_NE(Host(f), nullptr);
  EXPECT_TRUE(area.contains(Host(f)->frameGeometry()));
  EXPECT_TRUE(Host(f)->isVisible());
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.size(), QSize(536, 638 + f.MenuBarHeight()));
  // The number list keeps the focus it had.
  EXPECT_EQ(Host(f)->focusWidget(), Controls(f).ListView1);
}

TEST_F(SmallScreen, TabBringsEveryControlIntoViewDownToTheLastButton) {
  Form1& f = OpenOnSmallScreen();
  f.show();
  QApplication::setActiveWindow(f.window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.window()));
  Controls(f).ListView1->setFocus(Qt::TabFocusReason);
  ASSERT_FALSE(Shown(f, Controls(f).PushButton8).isValid()) << "the last button starts out of view";
  std::vector<QWidget*> reached;
  for (int i = 0; i < 30 && !Controls(f).PushButton8->hasFocus(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    ASSERT_NE(now, nullptr);
    // Combo1's text field has the focus for the drop-down.
    QWidget* control = Controls(f).Combo1->isAncestorOf(now) ? Controls(f).Combo1 : now;
    EXPECT_EQ(Shown(f, control), QRect(control->mapTo(Host(f)->viewport(), QPoint(0, 0)), control->size()))
        << control->metaObject()->className();
    reached.push_back(control);
  }
  EXPECT_TRUE(Controls(f).PushButton8->hasFocus());
  EXPECT_GT(Host(f)->verticalScrollBar()->value(), 0);
  // On round to the number list at the top, with nothing in between.
  QTest::keyClick(Controls(f).PushButton8, Qt::Key_Tab);
  EXPECT_TRUE(Controls(f).ListView1->hasFocus()) << QApplication::focusWidget()->metaObject()->className();
  EXPECT_EQ(Shown(f, Controls(f).ListView1).size(), Controls(f).ListView1->size());
  // And back down and up again with Shift+Tab.
  QTest::keyClick(Controls(f).ListView1, Qt::Key_Backtab);
  EXPECT_TRUE(Controls(f).PushButton8->hasFocus());
  for (int i = 0; i < 30 && !Controls(f).ListView1->hasFocus(); ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_TRUE(Controls(f).ListView1->hasFocus());
  EXPECT_EQ(Shown(f, Controls(f).ListView1).size(), Controls(f).ListView1->size());
}

TEST_F(SmallScreen, AClickedControlIsNotScrolledAway) {
  Form1& f = OpenOnSmallScreen();
  f.show();
  QApplication::setActiveWindow(f.window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.window()));
  const int before = Host(f)->verticalScrollBar()->value();
  // The results list, partly in view, focused by a press on its visible part.
  const QPoint inView(20, Shown(f, Controls(f).ListView2).height() / 2);
  QTest::mousePress(Controls(f).ListView2->viewport(), Qt::LeftButton, {}, inView);
  EXPECT_TRUE(Controls(f).ListView2->hasFocus());
  EXPECT_EQ(Host(f)->verticalScrollBar()->value(), before);
  QTest::mouseRelease(Controls(f).ListView2->viewport(), Qt::LeftButton, {}, inView);
}

TEST_F(SmallScreen, ClosingTheScrollingWindowEndsTheProgram) {
  Form1& f = OpenOnSmallScreen();
  int ends = 0;
  f.SetEndProgram([&] { ++ends; });
  f.show();
  EXPECT_TRUE(f.window()->close());
  EXPECT_TRUE(f.ProgramEnded());
  EXPECT_EQ(ends, 1);
  EXPECT_FALSE(f.window()->isVisible());
}

TEST_F(SmallScreen, LeavingTheDropDownIsNoticedInTheScrollingWindow) {
  Form1& f = OpenOnSmallScreen();
  f.show();
  QApplication::setActiveWindow(f.window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.window()));
  Controls(f).Combo1->setFocus(Qt::OtherFocusReason);
  Controls(f).Combo1->setEditText("abc");
  Controls(f).Check1->setFocus(Qt::OtherFocusReason);
  QTest::qWait(20);
  EXPECT_EQ(dialogs_.Messages(), QStringList({"Must be a numeric entry."}));
}

TEST_F(SmallScreen, ASkinStylesTheScrollingWindowWithoutResizingEither) {
  WriteProgramFile("x/o.cjs", "QScrollBar { background: rgb(10, 20, 30); } QWidget { min-width: 900px; }");
  Form1& f = OpenOnSmallScreen();
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window()));
  for (int i = 0; i < 100 && !kArea.contains(f.window()->frameGeometry()); ++i) QTest::qWait(10);
  QApplication::processEvents();
  EXPECT_EQ(f.size(), QSize(536, 638 + f.MenuBarHeight()));
  EXPECT_TRUE(kArea.contains(f.window()->frameGeometry()));
  EXPECT_EQ(Host(f)->verticalScrollBar()->palette().color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
}

TEST_F(SmallScreen, ALargeScreenKeepsTheContentItsOwnWindowCentred) {
  Form1& f = Open();
  f.PlaceOnScreen(QRect(0, 0, 1280, 1024));
  EXPECT_TRUE(f.isWindow());
  EXPECT_EQ(f.pos(), QPoint(372, (1024 - 638 - f.MenuBarHeight()) / 2));
  EXPECT_EQ(f.size(), QSize(536, 638 + f.MenuBarHeight()));
}

QString NumberListTip(const char* count) {
  return QString::fromLatin1(kListToolTip) + QLatin1Char('\n') + QString::fromLatin1(count);
}

TEST_F(WindowTest, ListsHaveOneFixedColumnAndNoEditing) {
  Form1& f = Open();
  for (QTableView* list : {Controls(f).ListView1, Controls(f).ListView2}) {
    EXPECT_EQ(list->model()->columnCount(), 1);
    EXPECT_EQ(list->horizontalHeader()->sectionSize(0), 467);  // 7000 twips
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(list->verticalHeader()->isVisible());
    EXPECT_EQ(list->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
  }
}

// The number list keeps its drag-and-drop tip, with its count below; the results
// list has its own.
TEST_F(WindowTest, BothListsShowTheirToolTipsOverTheirRows) {
  Form1& f = OpenShown();
  AddEntries({"1"});
  ShowResultLines({"The mean is: 1"});
  const std::pair<QTableView*, QString> lists[] = {{Controls(f).ListView1, NumberListTip("1 entry")},
                                                   {Controls(f).ListView2, QString::fromUtf8(kResultsListToolTip)}};
  for (const auto& [list, toolTip] : lists) {
    const QPoint overRow(10, 5);
    QHelpEvent help(QEvent::ToolTip, overRow, list->viewport()->mapToGlobal(overRow));
    QApplication::sendEvent(list->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), toolTip);
    QToolTip::hideText();
  }
}

// The count below the tip, and in the accessible description, follows every
// change of the list.
TEST_F(WindowTest, TheNumberListsToolTipCountsItsEntries) {
  Form1& f = Open();
  const struct {
    const char* step;
    std::function<void()> change;
    const char* count;
  } steps[] = {
      {"one appended", [&] { AddEntries({"1"}); }, "1 entry"},
      {"the sample series", [&] { f.PushButton2_Click(); }, "5 entries"},
      {"a thousand more", [&] { AddEntries(std::vector<std::string>(1000, "2")); }, "1,005 entries"},
      {"pending appends once the event loop ran",
       [&] {
         f.NumberList().Append("3");
         QApplication::processEvents();
       },
       "1,006 entries"},
      {"one removed", [&] { f.NumberList().Remove(0); }, "1,005 entries"},
      {"cleared", [&] { f.PushButton1_Click(); }, "0 entries"},
  };
  for (const auto& s : steps) {
    s.change();
    EXPECT_EQ(Controls(f).ListView1->toolTip(), NumberListTip(s.count)) << s.step;
    EXPECT_TRUE(
        Controls(f).ListView1->accessibleDescription().endsWith(QLatin1Char('\n') + QString::fromLatin1(s.count)))
        << s.step;
  }
}

TEST_F(WindowTest, FontsAreBoldArialOnWhite) {
  Form1& f = Open();
  const auto expectFont = [](QWidget* w, qreal points) {
    EXPECT_TRUE(w->font().bold()) << w->metaObject()->className();
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), points) << w->metaObject()->className();
    // "Arial" resolves to an installed face of the same metrics.
    const QString family = QFontInfo(w->font()).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
  };
  expectFont(&f, 9);
  expectFont(Controls(f).ListView1, 9);
  expectFont(Controls(f).ListView2, 9);
  for (QPushButton* b : {Controls(f).PushButton1, Controls(f).PushButton2, Controls(f).PushButton3,
                         Controls(f).PushButton4, Controls(f).PushButton5, Controls(f).PushButton6,
                         Controls(f).PushButton7, Controls(f).PushButton8, Controls(f).PushButton13})
    expectFont(b, 11.25);
  for (QWidget* w :
       {static_cast<QWidget*>(&f), static_cast<QWidget*>(Controls(f).Frame1), static_cast<QWidget*>(Controls(f).Frame2),
        static_cast<QWidget*>(Controls(f).Label1), static_cast<QWidget*>(Controls(f).Option1),
        static_cast<QWidget*>(Controls(f).Option2), static_cast<QWidget*>(Controls(f).Check1)}) {
    EXPECT_EQ(w->palette().color(w->backgroundRole()), QColor(Qt::white)) << w->metaObject()->className();
  }
}

// ---------------------------------------------------------------------------
// Pointer rules.

enum class Over { Button, Background, Frame, Results, Numbers, OptionButton, CheckBox, Label };

struct HoverCase {
  const char* name;
  Over over;
  State before;
  State after;
};

class Hover : public WindowTest, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(Hover, FollowsTheRulesAndNeverOverridesBusy) {
  const HoverCase& c = GetParam();
  Form1& f = Open();
  const auto moveOver = [&] {
    switch (c.over) {
      case Over::Button:
        for (QPushButton* b : {Controls(f).PushButton1, Controls(f).PushButton2, Controls(f).PushButton3,
                               Controls(f).PushButton4, Controls(f).PushButton5, Controls(f).PushButton6,
                               Controls(f).PushButton7, Controls(f).PushButton8, Controls(f).PushButton13}) {
          f.Pointer().Set(c.before);
          MoveOver(b, {5, 5});
          ASSERT_EQ(f.Pointer().Get(), c.after) << b->text().toStdString();
        }
        return;
      case Over::Background:
        return MoveOver(&f, {530, 300});  // the strip right of the frames
      case Over::Frame:
        return MoveOver(Controls(f).Frame2, {250, 60});
      case Over::Results:
        return MoveOver(Controls(f).ListView2->viewport(), {10, 10});
      case Over::Numbers:
        return MoveOver(Controls(f).ListView1->viewport(), {10, 10});
      case Over::OptionButton:
        return MoveOver(Controls(f).Option1, {5, 5});
      case Over::CheckBox:
        return MoveOver(Controls(f).Check1, {5, 5});
      case Over::Label:
        return MoveOver(Controls(f).Label1, {5, 5});
    }
  };
  f.Pointer().Set(c.before);
  moveOver();
  EXPECT_EQ(f.Pointer().Get(), c.after);
}

const HoverCase kHoverCases[] = {
    {"ButtonShowsHand", Over::Button, State::Default, State::Custom},
    {"ButtonKeepsBusy", Over::Button, State::Busy, State::Busy},
    {"BackgroundShowsArrow", Over::Background, State::Custom, State::Default},
    {"BackgroundKeepsBusy", Over::Background, State::Busy, State::Busy},
    {"FrameShowsArrow", Over::Frame, State::Custom, State::Default},
    {"FrameKeepsBusy", Over::Frame, State::Busy, State::Busy},
    {"ResultsShowArrow", Over::Results, State::Custom, State::Default},
    {"ResultsKeepBusy", Over::Results, State::Busy, State::Busy},
    {"NumbersShowArrow", Over::Numbers, State::Custom, State::Default},
    {"NumbersKeepBusy", Over::Numbers, State::Busy, State::Busy},
    {"OptionButtonChangesNothing", Over::OptionButton, State::Custom, State::Custom},
    {"CheckBoxChangesNothing", Over::CheckBox, State::Custom, State::Custom},
    {"LabelChangesNothing", Over::Label, State::Custom, State::Custom},
};

INSTANTIATE_TEST_SUITE_P(Pointer, Hover, ::testing::ValuesIn(kHoverCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, RealPointerMovesReachTheRules) {
  Form1& f = OpenShown();
  QTest::mouseMove(Controls(f).PushButton7, QPoint(20, 10));
  EXPECT_EQ(f.Pointer().Get(), State::Custom);
  QTest::mouseMove(&f, QPoint(531, 300));
  EXPECT_EQ(f.Pointer().Get(), State::Default);
}

TEST_F(WindowTest, PointerStatesShowAsTheWindowCursor) {
  CopyShippedFile("HAND-M.CUR");
  Form1& f = Open();
  f.Pointer().Set(State::Busy);
  EXPECT_EQ(f.cursor().shape(), Qt::WaitCursor);
  f.Pointer().Set(State::Custom);
  EXPECT_EQ(f.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(f.cursor().hotSpot(), QPoint(6, 0));  // the fingertip, from the file
  f.Pointer().Set(State::Default);
  EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
  // The analysis run sets busy and back.
  f.SetBusy(true);
  EXPECT_TRUE(f.Pointer().IsBusy());
  f.SetBusy(false);
  EXPECT_EQ(f.Pointer().Get(), State::Default);
}

TEST_F(WindowTest, WithoutAHandFileCustomLooksLikeTheArrow) {
  Form1& f = Open();
  EXPECT_FALSE(f.Pointer().HasCustomImage());
  f.Pointer().Set(State::Custom);
  EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
}

TEST_F(WindowTest, AnUnreadableHandFileIsReportedAtLine106) {
  WriteProgramFile("HAND-M.CUR", "not a cursor at all");
  Form1& f = Open();
  EXPECT_EQ(dialogs_.ErrorReports(), QStringList({FormLoadReport("Invalid picture", 106)}));
  EXPECT_FALSE(f.Pointer().HasCustomImage());
  EXPECT_EQ(f.windowTitle(), "Tallowmere");  // start-up went on
}

TEST(PointerFile, ReadsCursorAndIconFiles) {
  const QString dir = QCoreApplication::applicationDirPath();
  const QCursor hand = LoadPointerFile(dir + "/HAND-M.CUR");
  EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
  EXPECT_EQ(hand.hotSpot(), QPoint(6, 0));
  const QCursor drag = LoadPointerFile(dir + "/drag.ico", QPoint(3, 4));
  EXPECT_EQ(drag.pixmap().size(), QSize(32, 32));
  EXPECT_EQ(drag.hotSpot(), QPoint(3, 4));
  EXPECT_THROW(LoadPointerFile(dir + "/no-such-pointer.cur"), std::runtime_error);
}

// ---------------------------------------------------------------------------
// Readable in every theme.

// The guidelines' contrast ratio, worked here from the pixels' sRGB values.
double Wcag(QRgb a, QRgb b) {
  const auto luminance = [](QRgb c) {
    const auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text inside `box`: its most common colour is the
// background, the pixel farthest from that is the text.
double TextContrast(const QImage& image, const QRect& box) {
  std::map<QRgb, int> counts;
  const QRect area = box & image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  if (counts.empty()) return 0;
  const QRgb background =
      std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
  double farthest = 1;
  for (const auto& [colour, n] : counts) farthest = std::max(farthest, Wcag(background, colour));
  return farthest;
}

// ---------------------------------------------------------------------------
// Fonts and captions.

TEST(FontFamily, ArialWhereInstalledElseAStandIn) {
  const struct {
    const char* name;
    QStringList installed;
    QString chosen;
  } cases[] = {
      {"Arial", {"DejaVu Sans", "Arial"}, "Arial"},
      // The system's aliases turn Arial into Liberation Sans.
      {"LiberationOnly", {"Liberation Sans", "Liberation Serif", "DejaVu Sans"}, "Arial"},
      {"CaseIgnored", {"liberation sans"}, "Arial"},
      {"DejaVuOnly", {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"}, "DejaVu Sans"},
      {"NotoOnly", {"Noto Sans", "Noto Serif"}, "Noto Sans"},
      {"DejaVuBeforeNoto", {"Noto Sans", "DejaVu Sans"}, "DejaVu Sans"},
      {"LiberationMonoIsNoArial", {"Liberation Mono", "FreeSans"}, "FreeSans"},
      {"NothingKnown", {"Some Display Face"}, "Arial"},
      {"Nothing", {}, "Arial"},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseFontFamily(c.installed), c.chosen) << c.name;
}

QFont Bold(const char* family, qreal points) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

TEST(FontFamily, TheLargestSizeAtWhichEveryCaptionFits) {
  const QFont start = Bold("DejaVu Sans", 11.25);
  const auto width = [](const QFont& font, const char* text) {
    return QFontMetrics(font).horizontalAdvance(QString::fromLatin1(text));
  };
  const int wide = width(start, "Load Sample/Example Numbers");
  const struct {
    const char* name;
    std::vector<CaptionRoom> captions;
    bool fitsAtFullSize;  // 11.25 points need no shrinking
  } cases[] = {
      {"RoomToSpare", {{"Clear List", 250}, {"Load Sample/Example Numbers", wide}}, true},
      {"OnePixelShort", {{"Clear List", 250}, {"Load Sample/Example Numbers", wide - 1}}, false},
      {"TheNarrowestDecides", {{"Load Sample/Example Numbers", 250}, {"Start Analysis", 100}}, false},
      {"NoCaptions", {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const qreal size = FittingPointSize(start, c.captions);
    EXPECT_EQ(size == 11.25, c.fitsAtFullSize) << size;
    EXPECT_EQ(std::fmod(size * 4, 1.0), 0.0) << size;
    QFont at = start;
    at.setPointSizeF(size);
    for (const CaptionRoom& caption : c.captions) EXPECT_LE(width(at, qPrintable(caption.text)), caption.room) << size;
    // A quarter point more and something no longer fits.
    if (!c.fitsAtFullSize) {
      at.setPointSizeF(size + 0.25);
      EXPECT_TRUE(std::any_of(c.captions.begin(), c.captions.end(), [&](const CaptionRoom& caption) {
        return width(at, qPrintable(caption.text)) > caption.room;
      })) << size;
    }
  }
  // Nothing fits at any size: the smallest.
  EXPECT_EQ(FittingPointSize(start, {{"Load Sample/Example Numbers", 5}}), kSmallestCaptionPoints);
}

struct FontCase {
  const char* name;
  QStringList installed;  // what the chooser is told; empty: the system's own
  const char* family;     // the face the captions then show in (null: the one Arial resolves to)
};

class Captions : public WindowTest, public ::testing::WithParamInterface<FontCase> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    const QStringList installed = GetParam().installed;
    if (!installed.isEmpty()) SetInstalledFontFamilies([installed] { return installed; });
  }
  void TearDown() override {
    WindowTest::TearDown();
    SetInstalledFontFamilies({});
  }
};

// The room a caption has in its control, as the style lays the control out.
int Room(QWidget* w) {
  QStyle* style = w->style();
  if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    const auto o = StyleOptionOf<QGroupBox, QStyleOptionGroupBox>(frame);
    const QRect label = style->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, frame);
    return frame->width() - 2 * label.left();
  }
  if (auto* label = qobject_cast<QLabel*>(w)) return label->contentsRect().width();
  if (auto* radio = qobject_cast<QRadioButton*>(w)) {
    const auto o = StyleOptionOf<QRadioButton, QStyleOptionButton>(radio);
    return style->subElementRect(QStyle::SE_RadioButtonContents, &o, radio).width();
  }
  if (auto* check = qobject_cast<QCheckBox*>(w)) {
    const auto o = StyleOptionOf<QCheckBox, QStyleOptionButton>(check);
    return style->subElementRect(QStyle::SE_CheckBoxContents, &o, check).width();
  }
  auto* button = qobject_cast<QPushButton*>(w);
  const auto o = StyleOptionOf<QPushButton, QStyleOptionButton>(button);
  return style->subElementRect(QStyle::SE_PushButtonContents, &o, button).width();
}

TEST_P(Captions, EveryCaptionFitsItsControlInTheFontShown) {
  const FontCase& c = GetParam();
  const QString family = c.family ? QString::fromLatin1(c.family) : QFontInfo(QFont("Arial")).family();
  if (!QFontDatabase::families().contains(family)) GTEST_SKIP() << family.toStdString() << " is not installed here";
  Form1& f = OpenShown();
  bool shrunk = false;
  int captioned = 0;
  for (QWidget* w : AllControls(f)) {
    const QString caption = CaptionOf(*w);
    if (caption.isEmpty()) continue;
    ++captioned;
    SCOPED_TRACE(w->objectName().toStdString() + " " + caption.toStdString());
    EXPECT_EQ(QFontInfo(w->font()).family(), family);
    const int width = QFontMetrics(w->font()).horizontalAdvance(caption);
    EXPECT_LE(width, Room(w)) << w->font().pointSizeF() << " pt";
    RecordProperty(caption.toStdString(), std::to_string(width) + " of " + std::to_string(Room(w)));
    const bool button = qobject_cast<QPushButton*>(w) != nullptr;
    QFont full = w->font();
    full.setPointSizeF(button ? kButtonPoints : kWindowPoints);
    if (QFontMetrics(full).horizontalAdvance(caption) > Room(w)) shrunk = true;
  }
  EXPECT_EQ(captioned, 15);  // all but the lists and the drop-down
  // The lists keep their full size, in the face the window shows.
  for (QTableView* list : {Controls(f).ListView1, Controls(f).ListView2}) {
    EXPECT_EQ(QFontInfo(list->font()).family(), family);
    EXPECT_EQ(list->font().pointSizeF(), kWindowPoints);
  }
  RecordProperty("window points", std::to_string(f.font().pointSizeF()));
  RecordProperty("button points", std::to_string(Controls(f).PushButton2->font().pointSizeF()));
  if (family != "DejaVu Sans") return;
  // The stand-in is wider: at full size it would clip, so the test
  // above has something to catch.
  EXPECT_TRUE(shrunk);
  EXPECT_LT(Controls(f).PushButton2->font().pointSizeF(), kButtonPoints);
  EXPECT_LT(f.font().pointSizeF(), kWindowPoints);
}

INSTANTIATE_TEST_SUITE_P(Fonts, Captions,
                         ::testing::Values(FontCase{"Installed", {}, nullptr},
                                           FontCase{"DejaVuOnly", {"DejaVu Sans", "DejaVu Serif"}, "DejaVu Sans"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Where each control draws its text, in the window's coordinates.
std::vector<std::pair<std::string, QRect>> TextBoxes(Form1& f) {
  std::vector<std::pair<std::string, QRect>> boxes;
  for (QGroupBox* frame : {Controls(f).Frame1, Controls(f).Frame2}) {
    const auto option = StyleOptionOf<QGroupBox, QStyleOptionGroupBox>(frame);
    boxes.emplace_back(
        frame->title().toStdString(),
        InForm(f, frame,
               frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)));
  }
  for (QRadioButton* option : {Controls(f).Option1, Controls(f).Option2}) {
    const auto o = StyleOptionOf<QRadioButton, QStyleOptionButton>(option);
    boxes.emplace_back(option->text().toStdString(),
                       InForm(f, option, option->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, option)));
  }
  const auto check = StyleOptionOf<QCheckBox, QStyleOptionButton>(Controls(f).Check1);
  boxes.emplace_back(
      Controls(f).Check1->text().toStdString(),
      InForm(f, Controls(f).Check1,
             Controls(f).Check1->style()->subElementRect(QStyle::SE_CheckBoxContents, &check, Controls(f).Check1)));
  boxes.emplace_back(Controls(f).Label1->text().toStdString(),
                     InForm(f, Controls(f).Label1, Controls(f).Label1->contentsRect()));
  boxes.emplace_back("Combo1 text", InForm(f, Controls(f).Combo1->lineEdit(), Controls(f).Combo1->lineEdit()->rect()));
  for (QPushButton* b : {Controls(f).PushButton1, Controls(f).PushButton2, Controls(f).PushButton3,
                         Controls(f).PushButton4, Controls(f).PushButton5, Controls(f).PushButton6,
                         Controls(f).PushButton7, Controls(f).PushButton8, Controls(f).PushButton13}) {
    const auto o = StyleOptionOf<QPushButton, QStyleOptionButton>(b);
    boxes.emplace_back(b->text().toStdString(),
                       InForm(f, b, b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b)));
  }
  for (QTableView* list : {Controls(f).ListView1, Controls(f).ListView2}) {
    const std::string name = list == Controls(f).ListView1 ? "number list" : "results list";
    QHeaderView* header = list->horizontalHeader();
    boxes.emplace_back(
        name + " header",
        InForm(f, header, QRect(header->sectionViewportPosition(0), 0, header->sectionSize(0), header->height())));
    struct OpenDelegate : QStyledItemDelegate {
      using QStyledItemDelegate::initStyleOption;
    };
    struct OpenView : QTableView {
      using QTableView::initViewItemOption;
    };
    auto* delegate = qobject_cast<QStyledItemDelegate*>(list->itemDelegate());
    for (int row = 0; row < list->model()->rowCount(); ++row) {
      const QModelIndex index = list->model()->index(row, 0);
      QStyleOptionViewItem option;
      (list->*(&OpenView::initViewItemOption))(&option);
      option.rect = list->visualRect(index);
      (delegate->*(&OpenDelegate::initStyleOption))(&option, index);
      // The text alone, not the tick box beside it.
      const QRect text = list->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, list);
      boxes.emplace_back(
          name + " row " + std::to_string(row) + (list->selectionModel()->isRowSelected(row, {}) ? " (selected)" : ""),
          InForm(f, list->viewport(), text));
    }
  }
  return boxes;
}

QPalette FusionDarkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), base(25, 25, 25), blue(42, 130, 218);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, Qt::white);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, Qt::white);
  p.setColor(QPalette::ToolTipText, Qt::white);
  p.setColor(QPalette::Text, Qt::white);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, Qt::white);
  p.setColor(QPalette::BrightText, Qt::red);
  p.setColor(QPalette::Link, blue);
  p.setColor(QPalette::Highlight, blue);
  p.setColor(QPalette::HighlightedText, Qt::black);
  p.setColor(QPalette::Light, QColor(80, 80, 80));
  p.setColor(QPalette::Mid, QColor(40, 40, 40));
  p.setColor(QPalette::Dark, QColor(30, 30, 30));
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    p.setColor(QPalette::Disabled, role, Qt::darkGray);
  return p;
}

// As GNOME's dark style reaches Qt through its GTK theme.
QPalette GnomeDarkPalette() {
  QPalette p(QColor(0x30, 0x30, 0x30), QColor(0x24, 0x24, 0x24));
  p.setColor(QPalette::WindowText, QColor(0xff, 0xff, 0xff));
  p.setColor(QPalette::Text, QColor(0xff, 0xff, 0xff));
  p.setColor(QPalette::ButtonText, QColor(0xff, 0xff, 0xff));
  p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  p.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
  p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
  p.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
  return p;
}

struct PaletteCase {
  const char* name;
  QPalette (*make)();  // nullptr: the application's own (light) palette
};

class Readable : public WindowTest, public ::testing::WithParamInterface<PaletteCase> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    saved_ = QApplication::palette();
    ASSERT_EQ(QApplication::style()->name(), "fusion");
    if (GetParam().make) QApplication::setPalette(GetParam().make());
  }
  void TearDown() override {
    WindowTest::TearDown();
    QApplication::setPalette(saved_);
  }
  QPalette saved_;
};

TEST_P(Readable, EveryTextReadsOnItsOwnBackground) {
  Form1& f = OpenShown();
  AddEntries({"12345", "67890"});
  Controls(f).ListView1->selectRow(0);
  ShowResultLines({"The mean is: 3.75", "The mode is: None"});
  Controls(f).ListView2->selectRow(1);
  QApplication::processEvents();
  const QImage shot = f.grab().toImage();
  const auto boxes = TextBoxes(f);
  ASSERT_EQ(boxes.size(), 22u);
  for (const auto& [name, box] : boxes) {
    ASSERT_FALSE(box.isEmpty()) << name;
    const double contrast = TextContrast(shot, box);
    EXPECT_GE(contrast, 4.5) << name;
    RecordProperty(name, std::to_string(contrast).substr(0, 5));
  }
  // The window itself has no text, but what it lends its controls reads.
  EXPECT_GE(Wcag(f.palette().color(QPalette::Window).rgb(), f.palette().color(QPalette::WindowText).rgb()), 4.5);
}

INSTANTIATE_TEST_SUITE_P(Palettes, Readable,
                         ::testing::Values(PaletteCase{"Light", nullptr}, PaletteCase{"FusionDark", FusionDarkPalette},
                                           PaletteCase{"GnomeDark", GnomeDarkPalette}),
                         [](const auto& info) { return std::string(info.param.name); });

// The first row from the top, in column x of the image, that differs from the
// row above the frame's panel: the frame's border there.
int BorderRow(const QImage& image, int x, int from) {
  const QRgb background = image.pixel(x, from);
  for (int y = from + 1; y < image.height(); ++y)
    if (Wcag(image.pixel(x, y), background) > 1.1) return y;
  return -1;
}

TEST_F(WindowTest, FrameBordersRunLevelAndClearOfTheControls) {
  Form1& f = OpenShown();
  const QImage left = Controls(f).Frame1->grab().toImage();
  const QImage right = Controls(f).Frame2->grab().toImage();
  // Right of the titles and of every control: only the border is there.
  const int x = Controls(f).Frame2->width() - 12;
  const QFontMetrics title(Controls(f).Frame2->font());
  const int border1 = BorderRow(left, x, title.height() / 2);
  const int border2 = BorderRow(right, x, title.height() / 2);
  ASSERT_GT(border2, 0);
  EXPECT_EQ(border1, border2);
  const int highest = std::min({Controls(f).Option1->y(), Controls(f).Label1->y(), Controls(f).Combo1->y()});
  EXPECT_LT(border2, highest - 1);
  // Where it passes over the drop-down's columns, the line is whole too.
  const int overCombo = Controls(f).Combo1->x() + Controls(f).Combo1->width() / 2;
  EXPECT_GT(Wcag(right.pixel(overCombo, border2), right.pixel(overCombo, border2 - 1)), 1.1);
  EXPECT_GT(Wcag(right.pixel(overCombo, border2), right.pixel(overCombo, Controls(f).Combo1->y() - 1)), 1.1);
}

TEST_F(WindowTest, CaptionsOnFramesShowThePanelBehindThem) {
  Form1& f = OpenShown();
  for (QWidget* w : {static_cast<QWidget*>(Controls(f).Option1), static_cast<QWidget*>(Controls(f).Option2),
                     static_cast<QWidget*>(Controls(f).Check1), static_cast<QWidget*>(Controls(f).Label1)}) {
    auto* frame = w->parentWidget();
    const QImage image = frame->grab().toImage();
    // Inside the control's box, past its caption, and just outside the box:
    // the same panel colour, not a patch of the control's own.
    const QPoint inside(w->geometry().right() - 1, w->geometry().center().y());
    const QPoint outside(w->geometry().right() + 3, w->geometry().center().y());
    EXPECT_EQ(image.pixel(inside), image.pixel(outside)) << w->metaObject()->className();
  }
}

TEST_F(WindowTest, AListShowsTheFocusOnItsBorder) {
  Form1& f = OpenShown();
  const QRgb selection = Controls(f).ListView1->palette().color(QPalette::Highlight).rgb();
  const auto borderColour = [](QTableView* list) {
    const QImage image = list->grab().toImage();
    return image.pixel(1, list->height() / 2) | 0xff000000u;
  };
  Controls(f).ListView1->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(borderColour(Controls(f).ListView1), selection);
  EXPECT_NE(borderColour(Controls(f).ListView2), selection);
  Controls(f).ListView2->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_NE(borderColour(Controls(f).ListView1), selection);
  EXPECT_EQ(borderColour(Controls(f).ListView2), selection);
  // The ring must stand out from the white around it.
  EXPECT_GE(Wcag(selection, QColor(Qt::white).rgb()), 3.0);
}

// ---------------------------------------------------------------------------
// What assistive technology finds.

void Walk(QAccessibleInterface* node, std::map<QObject*, QAccessibleInterface*>& found, int& budget) {
  if (!node || --budget < 0) return;
  if (node->object()) found.emplace(node->object(), node);
  for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), found, budget);
}

TEST_F(WindowTest, AssistiveTechnologyFindsEveryControlByName) {
  Form1& f = OpenShown();
  std::map<QObject*, QAccessibleInterface*> found;
  int budget = 5000;
  Walk(QAccessible::queryAccessibleInterface(&f), found, budget);

  const struct {
    QWidget* widget;
    QAccessible::Role role;
    QString name;
  } controls[] = {
      {Controls(f).ListView1, QAccessible::Table, "Number list"},
      {Controls(f).PushButton3, QAccessible::PushButton, "Add Number / Numbers"},
      {Controls(f).PushButton6, QAccessible::PushButton, "Load Numbers From File"},
      {Controls(f).PushButton1, QAccessible::PushButton, "Clear number list"},
      {Controls(f).PushButton2, QAccessible::PushButton, "Load Sample/Example Numbers"},
      {Controls(f).Frame1, QAccessible::Grouping, "Method"},
      {Controls(f).Option1, QAccessible::RadioButton, "Sample"},
      {Controls(f).Option2, QAccessible::RadioButton, "Population"},
      {Controls(f).Frame2, QAccessible::Grouping, "Decimal Options"},
      {Controls(f).Label1, QAccessible::StaticText, "Decimal places:"},
      {Controls(f).Combo1, QAccessible::ComboBox, "Decimal places"},
      {Controls(f).Check1, QAccessible::CheckBox, "Show all decimals"},
      {Controls(f).PushButton7, QAccessible::PushButton, "Start Analysis"},
      {Controls(f).ListView2, QAccessible::List, "Results list"},  // rows to tick
      {Controls(f).PushButton4, QAccessible::PushButton, "Save Results As Text File"},
      {Controls(f).PushButton13, QAccessible::PushButton, "Save Results As Excel File"},
      {Controls(f).PushButton5, QAccessible::PushButton, "Copy Results To Clipboard"},
      {Controls(f).PushButton8, QAccessible::PushButton, "Clear results list"},
  };
  QStringList buttonNames;
  for (const auto& c : controls) {
    SCOPED_TRACE(c.widget->objectName().toStdString());
    ASSERT_TRUE(found.count(c.widget));
    QAccessibleInterface* node = found.at(c.widget);
    EXPECT_EQ(node->role(), c.role);
    // Qt on Linux names an editable drop-down by its text and gives its
    // label as a relation (checked below); elsewhere the name is this one.
    const QString name = c.role == QAccessible::ComboBox ? c.widget->accessibleName() : node->text(QAccessible::Name);
    EXPECT_EQ(name, c.name);
    if (c.role == QAccessible::PushButton) buttonNames << node->text(QAccessible::Name);
  }
  // Both "Clear List" buttons keep their captions (see the places above),
  // yet no two buttons sound alike.
  EXPECT_EQ(buttonNames.removeDuplicates(), 0);

  // The drop-down is labelled by "Decimal places:".
  EXPECT_EQ(Controls(f).Label1->buddy(), Controls(f).Combo1);
  bool labelled = false;
  for (const auto& [other, relation] : found.at(Controls(f).Combo1)->relations(QAccessible::Label))
    labelled = labelled || other->object() == Controls(f).Label1;
  EXPECT_TRUE(labelled);
  EXPECT_EQ(found.at(Controls(f).Combo1)->text(QAccessible::Value), "3");

  // Each list describes itself truly.
  EXPECT_EQ(found.at(Controls(f).ListView2)->text(QAccessible::Description), kResultsListToolTip);
  EXPECT_TRUE(found.at(Controls(f).ListView1)->text(QAccessible::Description).contains("Delete"));
}

// ---------------------------------------------------------------------------
// Skin.

TEST_F(WindowTest, NoSkinFileKeepsTheWindowWhite) {
  WriteProgramFile("x/o.cjs/keep", "a folder named like the skin is no skin");
  Form1& f = Open();
  EXPECT_TRUE(f.styleSheet().isEmpty());
  EXPECT_TRUE(qApp->styleSheet().isEmpty());
  EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
}

TEST_F(WindowTest, ASkinRecoloursThenStylesTheWindow) {
  const QByteArray sheet = "QPushButton { color: rgb(10, 20, 30); } QWidget { min-width: 900px; }";
  WriteProgramFile("x/o.cjs", sheet);
  Form1& f = Open();
  const QColor face = QApplication::palette().color(QPalette::Button);
  for (QWidget* w :
       {static_cast<QWidget*>(&f), static_cast<QWidget*>(Controls(f).Frame1), static_cast<QWidget*>(Controls(f).Frame2),
        static_cast<QWidget*>(Controls(f).Label1), static_cast<QWidget*>(Controls(f).Option1),
        static_cast<QWidget*>(Controls(f).Option2), static_cast<QWidget*>(Controls(f).Check1)})
    EXPECT_EQ(w->palette().color(w->backgroundRole()), face) << w->metaObject()->className();
  EXPECT_EQ(f.styleSheet(), QString::fromUtf8(sheet));
  EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(sheet));  // boxes follow the skin
  f.show();
  QApplication::processEvents();
  EXPECT_EQ(f.size(), QSize(536, 638 + f.MenuBarHeight()));  // the skin cannot resize the window
  f.setStyle(QApplication::style());                         // nor can a later restyle
  QApplication::processEvents();
  EXPECT_EQ(f.size(), QSize(536, 638 + f.MenuBarHeight()));
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
}

TEST_F(WindowTest, ABrokenSkinIsReportedAtLine102AndKeepsTheRecolouring) {
  WriteProgramFile("x/o.cjs", QByteArray("\xff\xfe\x00 not text", 12));
  Form1& f = Open();
  EXPECT_EQ(dialogs_.ErrorReports(), QStringList({FormLoadReport("Invalid skin file", 102)}));
  EXPECT_EQ(f.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
  EXPECT_TRUE(f.styleSheet().isEmpty());
  EXPECT_EQ(f.windowTitle(), "Tallowmere");
  EXPECT_EQ(Controls(f).Combo1->currentText(), "3");
}

TEST(Skin, RefusesWhatItCannotUse) {
  Skin skin;
  QWidget window;
  EXPECT_THROW(skin.Apply(window), std::runtime_error);  // nothing loaded
  QTemporaryDir dir;
  EXPECT_THROW(skin.Load(dir.path() + "/missing.cjs"), std::runtime_error);
  QFile file(dir.path() + "/o.cjs");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("QWidget { color: red; }");
  file.close();
  skin.Load(file.fileName());
  const QSize size = window.size();
  skin.Apply(window);
  EXPECT_EQ(window.styleSheet(), "QWidget { color: red; }");
  EXPECT_EQ(qApp->styleSheet(), "QWidget { color: red; }") << "boxes follow the skin";
  EXPECT_EQ(window.maximumSize(), size) << "the window keeps its size";
  qApp->setStyleSheet(QString());
}

// ---------------------------------------------------------------------------
// The end of the program.

TEST_F(WindowTest, ClosingEndsTheProgramOnce) {
  Form1& f = Open();
  int ends = 0;
  f.SetEndProgram([&] { ++ends; });
  f.show();
  EXPECT_TRUE(f.close());
  EXPECT_TRUE(f.ProgramEnded());
  EXPECT_EQ(ends, 1);
  // Nothing runs after the end.
  Controls(f).PushButton2->click();
  EXPECT_EQ(f.NumberList().Count(), 0u);
  f.Form_Unload();
  EXPECT_EQ(ends, 1);
}

TEST_F(WindowTest, ClosingInTheMiddleOfACommandIsSeenAsSuch) {
  Form1& f = OpenShown();
  std::optional<bool> runningAtEnd;
  f.SetEndProgram([&] { runningAtEnd = f.CommandRunning(); });
  dialogs_.QueueInput("1,2");
  dialogs_.OnShow([&](const FakeDialogs::Shown&) { f.close(); });
  Controls(f).PushButton3->click();
  ASSERT_TRUE(runningAtEnd.has_value());
  EXPECT_TRUE(*runningAtEnd);  // the program ends at once instead of going on
  EXPECT_FALSE(f.CommandRunning());
}

}  // namespace
