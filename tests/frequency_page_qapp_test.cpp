// The distribution window's Frequencies page: a row per value for few
// values and the histogram's bins for many, the switch to a row per value,
// the copies a spreadsheet reads (tabs, the user's decimal separator), and
// how it follows the window's analyses and options.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <cstdio>
#include <memory>

#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/FrequencyPage.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace windowtest;

namespace {

// Count, percent, cumulative count, cumulative percent and the first cell,
// as the page shows them.
using Line = QStringList;

class FrequencyPageTest : public WindowTest {
 protected:
  void TearDown() override {
    if (form_ && Window()) Window()->close();
    WindowTest::TearDown();
  }
  bool OpenWindowOn(const std::vector<std::string>& numbers, numtext::Separators separators = {".", ","}) {
    OpenShown(std::move(separators));
    AddEntries(numbers);
    Controls(form()).PushButton7->click();
    QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
    if (!Window() || !Window()->isVisible()) return false;
    Window()->Views()->setCurrentWidget(Page());
    return true;
  }
  DistributionWindow* Window() { return form().Distribution().Window(); }
  FrequencyPage* Page() { return Window()->Frequencies(); }
  std::vector<Line> Shown() {
    const QAbstractItemModel* model = Page()->Table()->model();
    std::vector<Line> lines;
    for (int row = 0; row < model->rowCount(); ++row) {
      Line line;
      for (int column = 0; column < model->columnCount(); ++column) line << model->index(row, column).data().toString();
      lines.push_back(line);
    }
    return lines;
  }
};

// 62 weights: 60 different ones from 55.15 to 84.65 and two outliers.
std::vector<std::string> Weights() {
  std::vector<std::string> weights;
  char text[32];
  for (int k = 0; k < 60; ++k) {
    std::snprintf(text, sizeof text, "%.2f", 55.15 + 0.5 * k);
    weights.emplace_back(text);
  }
  weights.emplace_back("999");
  weights.emplace_back("250");
  return weights;
}

// ---------------------------------------------------------------------------
// Rows per value, counted by hand.

struct ValueCase {
  const char* name;
  std::vector<std::string> numbers;
  numtext::Separators separators;
  std::vector<Line> lines;
};

class ValueTables : public FrequencyPageTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTables, ShowARowPerValue) {
  const ValueCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(c.numbers, c.separators));
  EXPECT_EQ(Page()->Model().Kind(), stats::FrequencyRowKind::kValues);
  EXPECT_EQ(Shown(), c.lines);
  EXPECT_TRUE(Page()->Note()->isHidden());
  const QAbstractItemModel* model = Page()->Table()->model();
  QStringList headers;
  for (int column = 0; column < model->columnCount(); ++column)
    headers << model->headerData(column, Qt::Horizontal).toString();
  EXPECT_EQ(headers, (QStringList{"Value", "Count", "Percent", "Cumulative count", "Cumulative percent"}));
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ValueTables,
    ::testing::Values(
        ValueCase{"DiceRolls",
                  {"3", "1", "5", "2", "3", "6", "3", "2", "4", "5"},
                  {".", ","},
                  {{"1", "1", "10", "1", "10"},
                   {"2", "2", "20", "3", "30"},
                   {"3", "3", "30", "6", "60"},
                   {"4", "1", "10", "7", "70"},
                   {"5", "2", "20", "9", "90"},
                   {"6", "1", "10", "10", "100"}}},
        ValueCase{"OneNumber", {"7.5"}, {".", ","}, {{"7.5", "1", "100", "1", "100"}}},
        // Thirds round to two decimals; the last cumulative is 100 exactly.
        ValueCase{
            "ThirdsRounded",
            {"10", "20", "30"},
            {".", ","},
            {{"10", "1", "33.33", "1", "33.33"}, {"20", "1", "33.33", "2", "66.67"}, {"30", "1", "33.33", "3", "100"}}},
        ValueCase{"GermanDecimalComma",
                  {"2.25", "1.5", "1.5", "1500.5"},
                  {",", "."},
                  {{"1,5", "2", "50", "2", "50"}, {"2,25", "1", "25", "3", "75"}, {"1500,5", "1", "25", "4", "100"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Bins: the histogram's, or a note saying why not.

struct BinCase {
  const char* name;
  std::vector<std::string> numbers;
  int bins;
  bool withoutOutliers;
  bool logarithmic;
  // The histogram draws these very bins (else the page says so).
  bool histogramsBins;
};

class BinTables : public FrequencyPageTest, public ::testing::WithParamInterface<BinCase> {};

TEST_P(BinTables, AreTheHistogramsBinsOrSaySo) {
  const BinCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(c.numbers));
  Window()->Bins()->setValue(c.bins);
  Window()->Range()->setCurrentIndex(c.withoutOutliers ? 1 : 0);
  Window()->Logarithmic()->setChecked(c.logarithmic);
  const FrequencyModel& model = Page()->Model();
  ASSERT_EQ(model.Kind(), stats::FrequencyRowKind::kBins);
  ASSERT_GT(model.RowCount(), 0u);
  // Whatever the histogram leaves out, the table counts every number.
  EXPECT_EQ(model.Row(model.RowCount() - 1).cumulativeCount, c.numbers.size());
  EXPECT_EQ(model.Row(model.RowCount() - 1).cumulativePercent, 100.0);
  if (c.bins > 0) {
    EXPECT_EQ(model.RowCount(), static_cast<std::size_t>(c.bins));
  }
  const DistributionFigure& figure = Window()->Figure();
  bool same = figure.bins.size() == model.RowCount();
  for (std::size_t i = 0; same && i < model.RowCount(); ++i) {
    const stats::FrequencyRow row = model.Row(i);
    same = row.low == figure.edges[i] && row.high == figure.edges[i + 1] && row.count == figure.bins[i];
  }
  EXPECT_EQ(same, c.histogramsBins);
  EXPECT_EQ(Page()->Note()->isHidden(), c.histogramsBins) << Page()->Note()->text().toStdString();
}

std::vector<std::string> WholeNumbers(int count) {
  std::vector<std::string> numbers;
  for (int k = 1; k <= count; ++k) numbers.push_back(std::to_string(k));
  return numbers;
}

INSTANTIATE_TEST_SUITE_P(Options, BinTables,
                         ::testing::Values(BinCase{"WeightsAutomatic", Weights(), 0, false, false, true},
                                           BinCase{"WeightsSevenBins", Weights(), 7, false, false, true},
                                           BinCase{"WeightsWithoutOutliers", Weights(), 0, true, false, false},
                                           BinCase{"WeightsLogarithmic", Weights(), 0, false, true, false},
                                           // The histogram draws a bar per whole number.
                                           BinCase{"SixtyWholeNumbers", WholeNumbers(60), 0, false, false, false},
                                           BinCase{"SixtyWholeNumbersTenBins", WholeNumbers(60), 10, false, false,
                                                   true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The bins' first cells read as the analyser writes them: the last bin
// closed, the others open at their upper end.
TEST_F(FrequencyPageTest, BinCellsAreRangesAndTheLastIsClosed) {
  std::vector<std::string> numbers = WholeNumbers(60);
  numbers.push_back("0");
  ASSERT_TRUE(OpenWindowOn(numbers));
  Window()->Bins()->setValue(3);
  EXPECT_EQ(Shown(), (std::vector<Line>{{"[0, 20)", "20", "32.79", "20", "32.79"},
                                        {"[20, 40)", "20", "32.79", "40", "65.57"},
                                        {"[40, 60]", "21", "34.43", "61", "100"}}));
}

// Ranges show their ends to a tenth of the bins' width; the tool tip and the
// copies keep every digit.
TEST_F(FrequencyPageTest, RangesAreRoundedOnScreenOnly) {
  std::vector<std::string> numbers = WholeNumbers(60);
  numbers.push_back("0");
  ASSERT_TRUE(OpenWindowOn(numbers));
  Window()->Bins()->setValue(7);  // 60 / 7 wide
  const QAbstractItemModel* model = Page()->Table()->model();
  struct Row {
    const char* name;
    int row;
    const char* shown;
  };
  for (const Row r : {Row{"first", 0, "[0, 8.6)"}, Row{"second", 1, "[8.6, 17.1)"}, Row{"last", 6, "[51.4, 60]"}}) {
    EXPECT_EQ(model->index(r.row, 0).data().toString().toStdString(), r.shown) << r.name;
  }
  EXPECT_TRUE(model->index(0, 0).data(Qt::ToolTipRole).toString().startsWith("[0, 8.571428571"))
      << model->index(0, 0).data(Qt::ToolTipRole).toString().toStdString();
  const QStringList copied = Page()->TableText().split(QLatin1Char('\n'));
  ASSERT_GT(copied.size(), 1);
  EXPECT_TRUE(copied[1].startsWith("0\t8.571428571")) << copied[1].toStdString();
}

// ---------------------------------------------------------------------------
// A row per value on request.

TEST_F(FrequencyPageTest, TheValueRowSwitchListsEveryValueAndIsRemembered) {
  ASSERT_TRUE(OpenWindowOn(Weights()));
  EXPECT_FALSE(Page()->ValueRows()->isChecked());
  ASSERT_EQ(Page()->Model().Kind(), stats::FrequencyRowKind::kBins);
  Page()->ValueRows()->setChecked(true);
  EXPECT_EQ(Stored(kFrequencyValueRowsKey), "1");
  EXPECT_EQ(Page()->Model().Kind(), stats::FrequencyRowKind::kValues);
  ASSERT_EQ(Page()->Model().RowCount(), 62u);
  EXPECT_EQ(Shown().front(), (Line{"55.15", "1", "1.61", "1", "1.61"}));
  EXPECT_EQ(Shown().back(), (Line{"999", "1", "1.61", "62", "100"}));
  EXPECT_TRUE(Page()->Note()->isHidden());
  // The bin count does not matter to a row per value.
  Window()->Bins()->setValue(5);
  EXPECT_EQ(Page()->Model().RowCount(), 62u);
  Page()->ValueRows()->setChecked(false);
  EXPECT_EQ(Stored(kFrequencyValueRowsKey), "0");
  EXPECT_EQ(Page()->Model().Kind(), stats::FrequencyRowKind::kBins);
  EXPECT_EQ(Page()->Model().RowCount(), 5u);
}

TEST_F(FrequencyPageTest, TheStoredValueRowChoiceIsRestored) {
  Store(kFrequencyValueRowsKey, QStringLiteral("1"));
  ASSERT_TRUE(OpenWindowOn(Weights()));
  EXPECT_TRUE(Page()->ValueRows()->isChecked());
  EXPECT_EQ(Page()->Model().RowCount(), 62u);
}

// ---------------------------------------------------------------------------
// Copies.

struct CopyCase {
  const char* name;
  std::vector<std::string> numbers;
  numtext::Separators separators;
  const char* table;
};

class TableCopies : public FrequencyPageTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(TableCopies, AreTabSeparatedWithTheHeaderLine) {
  const CopyCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(c.numbers, c.separators));
  QApplication::clipboard()->clear();
  Page()->CopyTableButton()->click();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.table);
}

INSTANTIATE_TEST_SUITE_P(Sets, TableCopies,
                         ::testing::Values(CopyCase{"Dice",
                                                    {"1", "2", "2", "6"},
                                                    {".", ","},
                                                    "Value\tCount\tPercent\tCumulative count\tCumulative percent\n"
                                                    "1\t1\t25\t1\t25\n2\t2\t50\t3\t75\n6\t1\t25\t4\t100\n"},
                                           // No grouping, whatever the locale groups by.
                                           CopyCase{"GermanThousands",
                                                    {"1234.5", "1234.5", "0.125"},
                                                    {",", "."},
                                                    "Value\tCount\tPercent\tCumulative count\tCumulative percent\n"
                                                    "0,125\t1\t33,33\t1\t33,33\n1234,5\t2\t66,67\t3\t100\n"},
                                           CopyCase{"OneNumber",
                                                    {"-2.5"},
                                                    {".", ","},
                                                    "Value\tCount\tPercent\tCumulative count\tCumulative percent\n"
                                                    "-2.5\t1\t100\t1\t100\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Bins copy as two numbers each, which read back with the user's separator
// as the histogram's edges.
TEST_F(FrequencyPageTest, BinsCopyAsFromAndToInTheUsersLanguage) {
  std::vector<std::string> numbers;
  for (int k = 0; k < 80; ++k) numbers.push_back(std::to_string(k) + ".25");
  ASSERT_TRUE(OpenWindowOn(numbers, {",", "."}));
  Window()->Bins()->setValue(4);
  ASSERT_TRUE(Page()->CopyAsTable());
  const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], "From\tTo\tCount\tPercent\tCumulative count\tCumulative percent");
  const QLocale german(QLocale::German, QLocale::Germany);
  const std::vector<double>& edges = Window()->Figure().edges;
  for (int i = 1; i < lines.size(); ++i) {
    const QStringList cells = lines[i].split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), 6) << i;
    bool from = false, to = false;
    EXPECT_DOUBLE_EQ(german.toDouble(cells[0], &from), edges[static_cast<std::size_t>(i - 1)]) << i;
    EXPECT_DOUBLE_EQ(german.toDouble(cells[1], &to), edges[static_cast<std::size_t>(i)]) << i;
    EXPECT_TRUE(from && to) << lines[i].toStdString();
    EXPECT_EQ(cells[2], "20");
    EXPECT_EQ(cells[3], "25");
    EXPECT_FALSE(lines[i].contains(QLatin1Char('%')));
  }
}

struct SelectionCase {
  const char* name;
  std::vector<int> rows;
  bool byKey;  // Ctrl+C in the table, else the context menu's Copy
  const char* text;
  // With no row selected Ctrl+C is the window's: the picture.
  bool picture = false;
};

class SelectedCopies : public FrequencyPageTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectedCopies, AreTheSelectedRowsOnly) {
  const SelectionCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn({"1", "2", "2", "3", "4"}));
  QTableView* table = Page()->Table();
  for (int row : c.rows)
    table->selectionModel()->select(table->model()->index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QApplication::clipboard()->setText(QStringLiteral("before"));
  QApplication::setActiveWindow(Window());
  table->setFocus();
  if (c.byKey) {
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  } else {
    ASSERT_EQ(table->actions().size(), 1);
    EXPECT_EQ(table->actions().front()->text(), "Copy");
    table->actions().front()->trigger();
  }
  if (c.picture) {
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    return;
  }
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.text);
  // Not the picture, which the window's Ctrl+C copies elsewhere.
  EXPECT_TRUE(QApplication::clipboard()->image().isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SelectedCopies,
    ::testing::Values(SelectionCase{"CtrlCOneRow", {1}, true, "2\t2\t40\t3\t60\n"},
                      SelectionCase{"CtrlCRowsApart", {3, 0}, true, "1\t1\t20\t1\t20\n4\t1\t20\t5\t100\n"},
                      SelectionCase{"MenuTwoRows", {1, 2}, false, "2\t2\t40\t3\t60\n3\t1\t20\t4\t80\n"},
                      SelectionCase{"NothingSelectedIsThePicture", {}, true, "", true},
                      SelectionCase{"MenuNothingSelected", {}, false, "before"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Following the window.

TEST_F(FrequencyPageTest, OptionsThatDoNotChangeTheTableKeepItAndItsSelection) {
  ASSERT_TRUE(OpenWindowOn(Weights()));
  int resets = 0;
  QObject::connect(Page()->Table()->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
  Page()->Table()->selectRow(2);
  Window()->Titled()->setChecked(true);
  Window()->Range()->setCurrentIndex(1);
  EXPECT_EQ(resets, 0);
  EXPECT_TRUE(Page()->Table()->selectionModel()->isRowSelected(2, QModelIndex()));
  Window()->Bins()->setValue(9);
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(Page()->Model().RowCount(), 9u);
}

TEST_F(FrequencyPageTest, ANewAnalysisReplacesTheTable) {
  ASSERT_TRUE(OpenWindowOn({"1", "1", "2"}));
  EXPECT_EQ(Page()->Model().RowCount(), 2u);
  AddEntries({"3", "4"});
  Controls(form()).PushButton7->click();
  EXPECT_EQ(Page()->Model().RowCount(), 4u);
  EXPECT_EQ(Shown().back(), (Line{"4", "1", "20", "5", "100"}));
}

TEST_F(FrequencyPageTest, ForgettingTheNumbersEmptiesThePage) {
  ASSERT_TRUE(OpenWindowOn({"1", "2"}));
  EXPECT_TRUE(Page()->CopyTableButton()->isEnabled());
  Window()->ForgetNumbers();
  EXPECT_EQ(Page()->Table()->model()->rowCount(), 0);
  EXPECT_FALSE(Page()->CopyTableButton()->isEnabled());
  QApplication::clipboard()->setText(QStringLiteral("kept"));
  EXPECT_FALSE(Page()->CopyAsTable());
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
  // The window redrawn meanwhile (an option changed) shows nothing old.
  Window()->Titled()->toggle();
  EXPECT_EQ(Page()->Table()->model()->rowCount(), 0);
}

TEST_F(FrequencyPageTest, TooManyRowsAreNotCopied) {
  Open();
  platform::SettingsStore settings(platform::kSettingsApplication, platform::kSettingsSection, dialogs_);
  FrequencyPage page(settings, {".", ","});
  page.ValueRows()->setChecked(true);
  const std::size_t n = kMostCopiedRows + 1;
  std::shared_ptr<double[]> numbers(new double[n]);
  for (std::size_t i = 0; i < n; ++i) numbers[i] = static_cast<double>(i);
  page.Show(results::SortedNumbers(numbers, n), 0, DistributionFigure{});
  ASSERT_EQ(page.Model().RowCount(), n);
  QApplication::clipboard()->setText(QStringLiteral("kept"));
  EXPECT_FALSE(page.CopyAsTable());
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
  EXPECT_EQ(page.Note()->text(), "1,000,001 rows are too many to copy: at most 1,000,000 can be copied.");
  // A few of them still copy.
  page.Table()->selectRow(static_cast<int>(n - 1));
  EXPECT_TRUE(page.CopySelectedRows());
  EXPECT_EQ(QApplication::clipboard()->text(), "1000000\t1\t0\t1000001\t100\n");
}

// From the tabs into the page, and on to the window's options.
TEST_F(FrequencyPageTest, TabReachesThePagesControlsInOrder) {
  ASSERT_TRUE(OpenWindowOn({"1", "2"}));
  QApplication::setActiveWindow(Window());
  Window()->Views()->tabBar()->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> reached{QApplication::focusWidget()};
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(reached, (std::vector<QWidget*>{Window()->Views()->tabBar(), Page()->ValueRows(), Page()->CopyTableButton(),
                                            Page()->Table(), Window()->Bins()}));
}

TEST_F(FrequencyPageTest, ItsControlsHaveNamesAndMnemonics) {
  ASSERT_TRUE(OpenWindowOn({"1", "2"}));
  for (QWidget* w : std::initializer_list<QWidget*>{Page()->ValueRows(), Page()->CopyTableButton(), Page()->Table()}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
  }
  EXPECT_EQ(Window()->Views()->tabText(Window()->Views()->indexOf(Page())), "&Frequencies");
  EXPECT_EQ(Page()->ValueRows()->text(), "One row per &value");
  EXPECT_EQ(Page()->CopyTableButton()->text(), "Copy as &Table");
}

}  // namespace
