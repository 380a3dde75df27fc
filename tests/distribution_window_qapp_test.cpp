// The distribution window: how it opens (Ctrl+D, both lists' context menus,
// the offer to run an analysis first), how it follows new analyses and
// changes of the number list, the bin control and its setting, the picture
// on the clipboard and in PNG and SVG files, and what assistive technology
// finds.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTableView>
#include <QTableWidget>
#include <cerrno>
#include <cstring>
#include <functional>

#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/NumberListMenu.h"
#include "app/ResultsListMenu.h"
#include "platform/Clipboard.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::platform;
using namespace tallowmere::results;
using namespace tallowmere::app;

using namespace windowtest;

namespace {

class DistributionTest : public WindowTest {
 protected:
  void TearDown() override {
    if (form_ && Window()) Window()->close();
    WindowTest::TearDown();
  }
  void Analyse(const std::vector<std::string>& numbers) {
    AddEntries(numbers);
    Controls(form()).PushButton7->click();
  }
  // The main window shown, `numbers` analysed, this window opened with Ctrl+D.
  bool OpenWindowOn(const std::vector<std::string>& numbers) {
    OpenShown();
    Analyse(numbers);
    QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
    return WindowShown();
  }
  DistributionWindow* Window() { return form().Distribution().Window(); }
  bool WindowShown() { return Window() && Window()->isVisible(); }
  static QAction* ItemOf(QMenu* menu, const char* text) {
    for (QAction* item : menu->actions())
      if (item->text() == QString::fromUtf8(text)) return item;
    return nullptr;
  }
};

// ---------------------------------------------------------------------------
// Opening.

struct OpenCase {
  const char* name;
  std::function<void(Form1&)> open;
};

class Opening : public DistributionTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(Opening, ShowsTheLastAnalysis) {
  OpenShown();
  Analyse({"2", "4", "4", "5"});
  GetParam().open(form());
  ASSERT_TRUE(WindowShown());
  EXPECT_EQ(Window()->windowTitle(), QString::fromUtf8("Distribution \u2014 Tallowmere"));
  EXPECT_EQ(Window()->Figure().count, 4u);
  EXPECT_TRUE(dialogs_.Questions().isEmpty());
  // Opening it again shows the same window.
  DistributionWindow* first = Window();
  GetParam().open(form());
  EXPECT_EQ(Window(), first);
}

void TriggerFromMenu(QMenu* menu) {
  ASSERT_TRUE(menu->isVisible());
  QAction* item = nullptr;
  for (QAction* a : menu->actions())
    if (a->text() == QString::fromUtf8(kShowDistributionItem)) item = a;
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
  item->trigger();
  menu->hide();
}

INSTANTIATE_TEST_SUITE_P(Ways, Opening,
                         ::testing::Values(OpenCase{"CtrlD",
                                                    [](Form1& f) {
                                                      QTest::keyClick(Controls(f).ListView1, Qt::Key_D,
                                                                      Qt::ControlModifier);
                                                    }},
                                           OpenCase{"ResultsListMenu",
                                                    [](Form1& f) {
                                                      f.ListView2_ContextMenu(QPoint(5, 5));
                                                      TriggerFromMenu(f.ResultsMenu().Menu());
                                                    }},
                                           OpenCase{"ResultsListShiftF10",
                                                    [](Form1& f) {
                                                      Controls(f).ListView2->setFocus();
                                                      QTest::keyClick(Controls(f).ListView2, Qt::Key_F10,
                                                                      Qt::ShiftModifier);
                                                      TriggerFromMenu(f.ResultsMenu().Menu());
                                                    }},
                                           OpenCase{"NumberListMenu",
                                                    [](Form1& f) {
                                                      f.ListView1_ContextMenu(QPoint(5, 5));
                                                      TriggerFromMenu(f.ListMenu().Menu());
                                                    }}),
                         [](const auto& info) { return std::string(info.param.name); });

struct OfferCase {
  const char* name;
  std::vector<std::string> entries;
  bool yes;
  bool windowShown;
  int resultRows;
  QStringList messages;
};

class OfferToAnalyse : public DistributionTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(OfferToAnalyse, BeforeAnyAnalysis) {
  const OfferCase& c = GetParam();
  OpenShown();
  AddEntries(c.entries);
  dialogs_.QueueQuestion(c.yes);
  QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(dialogs_.Questions(), QStringList{QString::fromLatin1(kOfferAnalysisQuestion)});
  EXPECT_EQ(WindowShown(), c.windowShown);
  EXPECT_EQ(ResultRows().size(), c.resultRows);
  EXPECT_EQ(dialogs_.Messages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OfferToAnalyse,
    ::testing::Values(OfferCase{"NoLeavesAllAlone", {"1", "2"}, false, false, 0, {}},
                      OfferCase{"YesRunsAndOpens", {"1", "2"}, true, true, 12, {}},
                      OfferCase{"YesOnAnEmptyListIsRefused", {}, true, false, 0, {kForgotNumbersMessage}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, ResultsListToolTipNamesTheCommand) {
  Open();
  for (const QString& text :
       {Controls(form()).ListView2->toolTip(), Controls(form()).ListView2->accessibleDescription()}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8("Show Distribution\u2026"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ctrl+D"))) << text.toStdString();
  }
}

// ---------------------------------------------------------------------------
// Following the analyses and the list.

struct ChangeCase {
  const char* name;
  std::function<void(Form1&)> change;
};

class ListChanges : public DistributionTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ListChanges, AreToldUntilTheNextAnalysis) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  EXPECT_FALSE(Window()->ShowsListChanged());
  GetParam().change(form());
  QApplication::processEvents();
  EXPECT_TRUE(Window()->ShowsListChanged());
  EXPECT_TRUE(Window()->Notice()->isVisible());
  if (form().NumberList().Count() == 0) return;
  Controls(form()).PushButton7->click();
  EXPECT_FALSE(Window()->ShowsListChanged());
  EXPECT_EQ(Window()->Figure().count, form().NumberList().Count());
}

INSTANTIATE_TEST_SUITE_P(Changes, ListChanges,
                         ::testing::Values(ChangeCase{"Appended",
                                                      [](Form1& f) {
                                                        f.NumberList().Append("100");
                                                        f.NumberList().Flush();
                                                      }},
                                           ChangeCase{"Removed",
                                                      [](Form1& f) {
                                                        Controls(f).ListView1->selectRow(0);
                                                        f.ListView1_DblClick();
                                                      }},
                                           ChangeCase{"Moved", [](Form1& f) { f.NumberList().SwapTexts(0, 3); }},
                                           ChangeCase{"Cleared", [](Form1& f) { Controls(f).PushButton1->click(); }},
                                           ChangeCase{"SampleAdded",
                                                      [](Form1& f) { Controls(f).PushButton2->click(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, FollowsEachNewAnalysis) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  AddEntries({"100"});
  Controls(form()).PushButton7->click();
  EXPECT_EQ(Window()->Figure().count, 5u);
  EXPECT_DOUBLE_EQ(Window()->Figure().maximum, 100.0);
  EXPECT_EQ(Window()->Figure().box.highOutliers, 1u);
  // An empty list is refused: the window keeps the last analysis and says
  // the list has changed since.
  Controls(form()).PushButton1->click();
  Controls(form()).PushButton7->click();
  EXPECT_EQ(Window()->Figure().count, 5u);
  EXPECT_TRUE(Window()->ShowsListChanged());
}

// A closed window works nothing out for the runs made meanwhile; opened
// again, it shows the last of them, and a change of the list after it.
struct ClosedCase {
  const char* name;
  bool changeAfter;  // the list changed after the last run
};

class WhileClosed : public DistributionTest, public ::testing::WithParamInterface<ClosedCase> {};

TEST_P(WhileClosed, TheLastRunIsShownOnOpening) {
  const ClosedCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  Window()->close();
  Analyse({"100"});
  EXPECT_EQ(Window()->Figure().count, 4u) << c.name;  // not redrawn while closed
  Analyse({"7"});
  if (c.changeAfter) AddEntries({"9"});
  form().Distribution().Show();
  ASSERT_TRUE(WindowShown()) << c.name;
  EXPECT_EQ(Window()->Figure().count, 6u) << c.name;
  EXPECT_DOUBLE_EQ(Window()->Figure().maximum, 100.0) << c.name;
  EXPECT_EQ(Window()->ShowsListChanged(), c.changeAfter) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Runs, WhileClosed,
                         ::testing::Values(ClosedCase{"ListAsAnalysed", false}, ClosedCase{"ListChangedSince", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, AChangeBeforeTheWindowOpensIsToldWhenItDoes) {
  OpenShown();
  Analyse({"2", "4", "4", "5"});
  AddEntries({"7"});
  QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
  ASSERT_TRUE(WindowShown());
  EXPECT_TRUE(Window()->ShowsListChanged());
}

// ---------------------------------------------------------------------------
// The bin control and its setting.

struct BinsCase {
  const char* name;
  QString stored;  // kAbsent: no setting
  int shown;       // 0: automatic
};

class StoredBins : public DistributionTest, public ::testing::WithParamInterface<BinsCase> {};

TEST_P(StoredBins, AreRestoredAndChangesStored) {
  const BinsCase& c = GetParam();
  if (c.stored != kAbsent) Store(kDistributionBinsKey, c.stored);
  // Halves: whole numbers would get a bar per value.
  ASSERT_TRUE(OpenWindowOn({"1.5", "2.5", "3.5", "4.5", "5.5", "6.5", "7.5", "8.5"}));
  QSpinBox* bins = Window()->Bins();
  EXPECT_EQ(bins->value(), c.shown);
  EXPECT_EQ(Window()->Figure().bins.size(), c.shown == 0 ? 4u : static_cast<std::size_t>(c.shown));
  EXPECT_EQ(Window()->Figure().automaticBins, c.shown == 0);

  bins->setValue(12);
  EXPECT_EQ(Stored(kDistributionBinsKey), "12");
  EXPECT_EQ(Window()->Figure().bins.size(), 12u);
  bins->setValue(0);
  EXPECT_EQ(Stored(kDistributionBinsKey), "0");
  EXPECT_EQ(bins->text(), "Automatic (4)");
  EXPECT_EQ(Window()->Figure().bins.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Settings, StoredBins,
                         ::testing::Values(BinsCase{"Absent", kAbsent, 0}, BinsCase{"Seven", "7", 7},
                                           BinsCase{"Largest", "500", 500}, BinsCase{"TooMany", "900", 0},
                                           BinsCase{"Negative", "-3", 0}, BinsCase{"NotANumber", "abc", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, TheBinControlRangesFromAutomaticTo500) {
  ASSERT_TRUE(OpenWindowOn({"1", "2"}));
  EXPECT_EQ(Window()->Bins()->minimum(), 0);
  EXPECT_EQ(Window()->Bins()->maximum(), 500);
  EXPECT_TRUE(Window()->Bins()->text().startsWith(QStringLiteral("Automatic")));
}

// ---------------------------------------------------------------------------
// The picture: clipboard, files, description.

TEST_F(DistributionTest, CopyPicturePutsAnImageOfThePictureOnTheClipboard) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  QApplication::clipboard()->clear();
  QApplication::setActiveWindow(Window());
  Window()->Picture()->setFocus();
  QTest::keyClick(Window()->Picture(), Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.size(), Window()->Picture()->size() * Window()->Picture()->devicePixelRatioF());
  // The histogram's bars are in it.
  bool bar = false;
  for (int y = 0; y < copied.height() && !bar; y += 2)
    for (int x = 0; x < copied.width() && !bar; x += 2) bar = copied.pixelColor(x, y) == QColor(0x9e, 0xc3, 0xe6);
  EXPECT_TRUE(bar);
}

TEST_F(DistributionTest, NumbersAtTheEndsOfTheRangeStillMakeAPicture) {
  // Their span is beyond the largest double.
  ASSERT_TRUE(OpenWindowOn({"-1E+308", "1E+308", "0", "5"}));
  const DistributionFigure& figure = Window()->Figure();
  EXPECT_EQ(figure.count, 4u);
  std::size_t counted = 0;
  for (std::size_t bin : figure.bins) counted += bin;
  EXPECT_EQ(counted, 4u);
  const QImage image = Window()->PictureImage();
  int bars = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) bars += image.pixelColor(x, y) == QColor(0x9e, 0xc3, 0xe6);
  EXPECT_GT(bars, 0);
}

struct SaveCase {
  const char* name;
  QString typed;   // as chosen in the dialog
  QString filter;  // the filter chosen
  QString written;
  bool svg;
};

class SavePicture : public DistributionTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SavePicture, WritesTheChosenKind) {
  const SaveCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5", "30"}));
  QTemporaryDir dir;
  dialogs_.QueueSaveFile(dir.filePath(c.typed));
  dialogs_.QueueChosenFilter(QString::fromLatin1(c.filter == "svg" ? kSvgFilter : kPngFilter));
  Window()->SaveButton()->click();
  EXPECT_EQ(dialogs_.LastFilters(),
            (QStringList{QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG image (*.svg)")}));
  const QString path = dir.filePath(c.written);
  ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
  if (c.svg) {
    QSvgRenderer svg(path);
    EXPECT_TRUE(svg.isValid());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("5 numbers from 2 to 30"));
  } else {
    QImage png;
    ASSERT_TRUE(png.load(path, "PNG"));
    EXPECT_GE(png.width(), 640);
    EXPECT_GE(png.height(), 420);
  }
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, SavePicture,
                         ::testing::Values(SaveCase{"Png", "a.png", "png", "a.png", false},
                                           SaveCase{"Svg", "b.svg", "png", "b.svg", true},
                                           SaveCase{"UpperCaseSvg", "c.SVG", "png", "c.SVG", true},
                                           SaveCase{"BareNameSvgFilter", "d", "svg", "d.svg", true},
                                           SaveCase{"BareNamePngFilter", "e", "png", "e.png", false},
                                           SaveCase{"OtherExtension", "f.pic", "svg", "f.pic.svg", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, APictureThatCannotBeSavedIsTold) {
  ASSERT_TRUE(OpenWindowOn({"2", "4"}));
  dialogs_.QueueSaveFile(QStringLiteral("/nonexistent-folder/x.png"));
  Window()->SavePicture();
  ASSERT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_EQ(dialogs_.Messages().first().toStdString(),
            "The picture could not be saved as\n/nonexistent-folder/x.png\nNo such file or directory");
  // Cancelled: nothing written, nothing said.
  dialogs_.Clear();
  Window()->SavePicture();
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
}

// A write that fails part-way (here at a file-size limit, as on a full disk)
// leaves the picture that was there and says why.
TEST_F(DistributionTest, APictureCutShortLeavesTheOldOneAndSaysWhy) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  QTemporaryDir dir;
  for (const char* name : {"old.png", "old.svg"}) {
    SCOPED_TRACE(name);
    const QString path = dir.filePath(QString::fromLatin1(name));
    {
      QFile old(path);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("the old picture");
    }
    dialogs_.Clear();
    dialogs_.QueueSaveFile(path);
    {
      const tallowmere::test::FileSizeLimit limit(256);
      Window()->SavePicture();
    }
    ASSERT_EQ(dialogs_.Messages().size(), 1);
    EXPECT_EQ(dialogs_.Messages().first().toStdString(),
              "The picture could not be saved as\n" + path.toStdString() + "\n" + std::strerror(EFBIG));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "the old picture");
  }
}

TEST_F(DistributionTest, EveryControlAndThePictureHaveAccessibleNames) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  for (QWidget* w : std::initializer_list<QWidget*>{Window()->Picture(), Window()->Bins(), Window()->Range(),
                                                    Window()->Logarithmic(), Window()->Titled(), Window()->CopyButton(),
                                                    Window()->SaveButton(), Window()->Table()}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
  }
  QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(Window()->Picture());
  EXPECT_EQ(picture->text(QAccessible::Description),
            "Histogram and box plot of 4 numbers from 2 to 5; first quartile 3.5, median 4, third quartile 4.25. "
            "1 value lies beyond the whiskers. 4 bins: 2: 1 number; 3: 0 numbers; 4: 2 numbers; 5: 1 number.");
}

TEST_F(DistributionTest, TabReachesEveryControlInOrder) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  QApplication::setActiveWindow(Window());
  Window()->Picture()->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> reached{QApplication::focusWidget()};
  for (int i = 0; i < 11; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached.push_back(QApplication::focusWidget());
  }
  const StatisticsOptions* table = Window()->TableOptions();
  EXPECT_EQ(reached, (std::vector<QWidget*>{Window()->Picture(), Window()->Bins(), Window()->Range(),
                                            Window()->Logarithmic(), table->MethodBox(), table->PercentilesEdit(),
                                            table->Trim(), table->Level(), Window()->Titled(), Window()->CopyButton(),
                                            Window()->SaveButton(), Window()->Table()}));
}

// ---------------------------------------------------------------------------
// The statistics table follows the run's method and decimals.

struct TableCase {
  const char* name;
  std::vector<std::string> numbers;
  bool population;
  const char* decimals;
  QStringList lines;  // "name=value", the whole table
  bool curve;         // the normal curve drawn
};

class StatisticsTable : public DistributionTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(StatisticsTable, ShowsTheValuesAsTheRunRoundsThem) {
  const TableCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(c.numbers));
  // The options change after the window opened: it follows the next run.
  if (c.population) Controls(form()).Option2->setChecked(true);
  Controls(form()).Combo1->setEditText(QString::fromLatin1(c.decimals));
  Controls(form()).PushButton7->click();
  QStringList lines;
  const QTableWidget* table = Window()->Table();
  // The run's rows; the window's own follow from the geometric mean on.
  for (int row = 0;
       row < table->rowCount() && Window()->Statistics()[static_cast<std::size_t>(row)].key != "geometric_mean"; ++row)
    lines << table->item(row, 0)->text() + QLatin1Char('=') + table->item(row, 1)->text();
  EXPECT_EQ(lines.join(QLatin1Char('|')).toStdString(), c.lines.join(QLatin1Char('|')).toStdString());
  EXPECT_EQ(Window()->Figure().standardDeviation.has_value(), c.curve);
}

INSTANTIATE_TEST_SUITE_P(
    Options, StatisticsTable,
    ::testing::Values(TableCase{"SampleThreeDecimals",
                                {"2", "4", "4", "5"},
                                false,
                                "3",
                                {"Count=4", "Mean=3.75", "Standard deviation=1.258", "Minimum=2", "Maximum=5",
                                 "Range=3", "First quartile=3.5", "Third quartile=4.25", "Interquartile range=0.75",
                                 "Kurtosis=2.227", "Standard error of the mean=0.629",
                                 "95 % confidence interval, low=1.748", "95 % confidence interval, high=5.752"},
                                true},
                      // Population has no interval; 1 decimal rounds ties to even (3.75 to 3.8, 4.25 to 4.2).
                      TableCase{"PopulationOneDecimal",
                                {"2", "4", "4", "5"},
                                true,
                                "1",
                                {"Count=4", "Mean=3.8", "Standard deviation=1.1", "Minimum=2", "Maximum=5", "Range=3",
                                 "First quartile=3.5", "Third quartile=4.2", "Interquartile range=0.8", "Kurtosis=-0.9",
                                 "Standard error of the mean=0.5"},
                                true},
                      // One number: no spread, so no curve; the texts as the rows give them.
                      TableCase{"OneNumber",
                                {"7"},
                                false,
                                "3",
                                {"Count=1", "Mean=7", "Standard deviation=#Div/0!", "Minimum=7", "Maximum=7", "Range=0",
                                 "First quartile=7", "Third quartile=7", "Interquartile range=0", "Kurtosis=#Div/0!",
                                 "Standard error of the mean=#Div/0!", "95 % confidence interval, low=#Div/0!",
                                 "95 % confidence interval, high=#Div/0!"},
                                false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, CtrlCInTheTableCopiesTheSelectedRows) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  QApplication::setActiveWindow(Window());
  QTableWidget* table = Window()->Table();
  table->setFocus();
  table->selectRow(1);
  table->selectionModel()->select(table->model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QApplication::clipboard()->clear();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "Mean\t3.75\nMinimum\t2\n");
  EXPECT_TRUE(QApplication::clipboard()->image().isNull());
}

// ---------------------------------------------------------------------------
// "Copy as Table" in the results list's menu.

struct CopyTableCase {
  const char* name;
  std::vector<int> ticked;
  QString copied;  // the clipboard's text afterwards
};

class CopyAsTable : public DistributionTest, public ::testing::WithParamInterface<CopyTableCase> {};

TEST_P(CopyAsTable, CopiesTheTickedRowsOrAll) {
  const CopyTableCase& c = GetParam();
  OpenShown();
  Analyse({"2", "4", "4", "5"});
  for (int row : c.ticked) form().ResultsModel()->SetTicked(row, true);
  ClipboardSetText(QStringLiteral("before"));
  form().ListView2_ContextMenu(QPoint(5, 5));
  QMenu* menu = form().ResultsMenu().Menu();
  ASSERT_TRUE(menu->isVisible());
  QAction* item = ItemOf(menu, kCopyAsTableItem);
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->isEnabled());
  item->trigger();
  menu->hide();
  if (c.ticked.empty()) {
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.first(), c.copied);
  } else {
    EXPECT_EQ(QApplication::clipboard()->text(), c.copied);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, CopyAsTable,
    ::testing::Values(CopyTableCase{"NoneTickedCopiesAll", {}, "The number of entries is\t4"},
                      CopyTableCase{"TickedOnly", {0, 6}, "The number of entries is\t4\nThe mean is\t3.75\n"},
                      CopyTableCase{"CoefficientWithoutUnit", {11}, "The coefficient of variation is\t33.555\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, CopyAsTableIsOfferedOnlyWithRows) {
  OpenShown();
  Analyse({"2", "4"});
  Controls(form()).PushButton8->click();  // the results list cleared
  ClipboardSetText(QStringLiteral("before"));
  form().ListView2_ContextMenu(QPoint(5, 5));
  QMenu* menu = form().ResultsMenu().Menu();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_FALSE(ItemOf(menu, kCopyAsTableItem)->isEnabled());
  menu->hide();
  form().ListView2_CopyAsTable();
  EXPECT_EQ(QApplication::clipboard()->text(), "before");
}

// ---------------------------------------------------------------------------
// The range, the logarithmic axis and the picture's title, each remembered.

// 28 weights and two far beyond the box's fences.
std::vector<std::string> Weights() {
  std::vector<std::string> v;
  for (int i = 0; i < 28; ++i) v.push_back(std::to_string(55 + i));
  v.push_back("999");
  v.push_back("250");
  return v;
}

struct RangeCase {
  const char* name;
  QString stored;  // kAbsent: no setting
  bool without;    // the range shown
};

class StoredRange : public DistributionTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(StoredRange, IsRestoredAndChangesStored) {
  const RangeCase& c = GetParam();
  if (c.stored != kAbsent) Store(kDistributionRangeKey, c.stored);
  ASSERT_TRUE(OpenWindowOn(Weights()));
  QComboBox* range = Window()->Range();
  EXPECT_EQ(range->currentText(), c.without ? "Without outliers" : "All values");
  EXPECT_EQ(Window()->Figure().withoutOutliers, c.without);
  // Without them the span ends at the last weight, and the two are counted
  // beyond it; with them it reaches 999.
  EXPECT_EQ(Window()->Figure().high, c.without ? 82.5 : 999.0);
  EXPECT_EQ(Window()->Figure().highBeyond, c.without ? 2u : 0u);

  range->setCurrentIndex(c.without ? 0 : 1);
  EXPECT_EQ(Stored(kDistributionRangeKey), c.without ? "All" : "WithoutOutliers");
  EXPECT_EQ(Window()->Figure().withoutOutliers, !c.without);
}

INSTANTIATE_TEST_SUITE_P(Settings, StoredRange,
                         ::testing::Values(RangeCase{"Absent", kAbsent, false}, RangeCase{"All", "All", false},
                                           RangeCase{"Without", "WithoutOutliers", true},
                                           RangeCase{"Unknown", "Some", false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LogCase {
  const char* name;
  std::vector<std::string> numbers;
  QString stored;
  bool enabled;
  bool logarithmic;  // the figure's axis
};

class LogarithmicOption : public DistributionTest, public ::testing::WithParamInterface<LogCase> {};

TEST_P(LogarithmicOption, OnlyForPositiveNumbers) {
  const LogCase& c = GetParam();
  if (c.stored != kAbsent) Store(kDistributionLogarithmicKey, c.stored);
  ASSERT_TRUE(OpenWindowOn(c.numbers));
  QCheckBox* box = Window()->Logarithmic();
  EXPECT_EQ(box->isEnabled(), c.enabled);
  EXPECT_EQ(box->isChecked(), c.stored == "1");
  EXPECT_EQ(Window()->Figure().Logarithmic(), c.logarithmic);
  box->setChecked(!box->isChecked());
  EXPECT_EQ(Stored(kDistributionLogarithmicKey), c.stored == "1" ? "0" : "1");
}

INSTANTIATE_TEST_SUITE_P(Settings, LogarithmicOption,
                         ::testing::Values(LogCase{"Positive", {"1", "10", "100", "1000"}, "1", true, true},
                                           LogCase{"PositiveNotAsked", {"1", "10", "100"}, kAbsent, true, false},
                                           LogCase{"WithZero", {"0", "10", "100"}, "1", false, false},
                                           LogCase{"Negative", {"-1", "10", "100"}, "1", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DistributionTest, TheTitleAndStatisticsAreLeftOutUnlessAsked) {
  ASSERT_TRUE(OpenWindowOn({"2", "4", "4", "5"}));
  const QSize view = Window()->Picture()->size() * Window()->Picture()->devicePixelRatioF();
  EXPECT_FALSE(Window()->Titled()->isChecked());
  EXPECT_EQ(Window()->PictureImage().size(), view);

  Window()->Titled()->setChecked(true);
  EXPECT_EQ(Stored(kDistributionTitledKey), "1");
  const QImage titled = Window()->PictureImage();
  EXPECT_EQ(titled.width(), view.width());
  // A title's line and the table's rows beyond the picture.
  EXPECT_GT(titled.height(), view.height() + Window()->fontMetrics().height() * 4);

  QTemporaryDir dir;
  dialogs_.QueueSaveFile(dir.filePath("t.svg"));
  dialogs_.QueueChosenFilter(QString::fromLatin1(kSvgFilter));
  Window()->SaveButton()->click();
  QFile file(dir.filePath("t.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray svg = file.readAll();
  EXPECT_TRUE(svg.contains("<title>Distribution of 4 numbers</title>"));
  EXPECT_TRUE(svg.contains("Standard deviation"));
}

TEST_F(DistributionTest, TheToolTipOfABarTellsItsValueAndCount) {
  ASSERT_TRUE(OpenWindowOn({"1", "1", "2", "3", "3", "3", "6"}));
  DistributionView* view = Window()->Picture();
  const picture::Frame frame =
      DistributionFrame(QRectF(view->rect()), Window()->Figure(), {view->font(), numtext::Separators{}, {}, {}},
                        QFontMetricsF(view->font(), view));
  const double middle = frame.plot.center().y();
  EXPECT_EQ(view->ToolTipAt(QPointF(frame.X(3), middle)), "3: 3 numbers");
  EXPECT_EQ(view->ToolTipAt(QPointF(frame.X(5), middle)), "5: 0 numbers");
  EXPECT_EQ(view->ToolTipAt(QPointF(frame.X(3), frame.box.center().y())), "");
}

}  // namespace
