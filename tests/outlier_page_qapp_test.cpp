// The distribution window's outliers page: what it lists of a real analysis
// (kinds, positions, the list's texts, the fences and counts), the extremes
// with their ties, the cap, when it looks at the list again, sorting and
// copying its tables, and "Select in Number List" on a real main window.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/OutlierPage.h"
#include "app/OutlierTable.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace windowtest;

namespace {

// A table's rows as "kind position text" lines.
std::vector<std::string> RowsOf(const OutlierTable& table) {
  std::vector<std::string> rows;
  const OutlierModel& m = table.Rows();
  for (int r = 0; r < m.rowCount(); ++r)
    rows.push_back((m.index(r, 0).data().toString() + ' ' + m.index(r, 1).data().toString() + ' ' +
                    m.index(r, 2).data().toString())
                       .toStdString());
  return rows;
}

std::vector<int> SelectedListRows(Form1& form) {
  std::vector<int> rows;
  for (const QModelIndex& index : Controls(form).ListView1->selectionModel()->selectedRows())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

class OutlierTest : public WindowTest {
 protected:
  void TearDown() override {
    if (form_ && Window()) Window()->close();
    WindowTest::TearDown();
  }
  bool OpenWindowOn(const std::vector<std::string>& numbers, numtext::Separators sep = {".", ","}) {
    OpenShown(std::move(sep));
    AddEntries(numbers);
    Controls(form()).PushButton7->click();
    QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
    if (!Window() || !Window()->isVisible()) return false;
    Window()->Views()->setCurrentWidget(Page());
    return true;
  }
  DistributionWindow* Window() { return form().Distribution().Window(); }
  OutlierPage* Page() { return Window()->Outliers(); }
};

// ---------------------------------------------------------------------------
// What a real analysis lists.

struct ListedCase {
  const char* name;
  std::vector<std::string> entries;
  numtext::Separators sep;
  std::vector<std::string> outliers;
  std::string summary;
};

// Nine entries whose inclusive quartiles are 10 and 20 (fences -5 and 35,
// far out beyond -20 and 50), out of sorted order.
const std::vector<std::string> kNine{"15", "10", "50", "12", "-25", "18", "20", "35", "-5"};

const ListedCase kListedCases[] = {
    {"MildAndFarInListOrder",
     kNine,
     {".", ","},
     {"Outlier 3 50", "Far out 5 -25"},
     "1 outlier, 1 far out; fences -5 and 35; far out beyond -20 and 50."},
    // Quartiles 2.25 and 4.75.
    {"DiceNone",
     {"1", "2", "3", "4", "5", "6"},
     {".", ","},
     {},
     "No outliers; fences -1.5 and 8.5; far out beyond -5.25 and 12.25."},
    // "n/a" counts as 0, below the fence of 5: shown as the list has it.
    {"TextEntryAsTheListHasIt",
     {"10", "11", "12", "13", "14", "15", "16", "17", "n/a"},
     {".", ","},
     {"Outlier 9 n/a"},
     "1 outlier, 0 far out; fences 5 and 21; far out beyond -1 and 27."},
    {"UsersSeparators",
     {"10", "11", "12", "13", "14", "15", "17", "18", "40,5"},
     {",", "."},
     {"Far out 9 40,5"},
     "0 outliers, 1 far out; fences 4,5 and 24,5; far out beyond -3 and 32."},
};

class Listed : public OutlierTest, public ::testing::WithParamInterface<ListedCase> {};

TEST_P(Listed, ByPositionWithTheListsText) {
  const ListedCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(c.entries, c.sep));
  EXPECT_EQ(RowsOf(*Page()->Outliers()), c.outliers);
  EXPECT_EQ(Page()->Summary()->text().toStdString(), c.summary);
}

INSTANTIATE_TEST_SUITE_P(Cases, Listed, ::testing::ValuesIn(kListedCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ExtremeCase {
  const char* name;
  int k;
  std::vector<std::string> rows;
};

// Three 1s and three 9s: the ties at the k-th value are the earlier entries.
const std::vector<std::string> kTies{"5", "1", "3", "1", "9", "9", "2", "9", "1"};

const ExtremeCase kExtremeCases[] = {
    {"TwoOfThreeTies", 2, {"Smallest 2 1", "Smallest 4 1", "Largest 5 9", "Largest 6 9"}},
    {"OneOfEach", 1, {"Smallest 2 1", "Largest 5 9"}},
    {"AllTiesAndTheNext",
     4,
     {"Smallest 2 1", "Smallest 4 1", "Smallest 9 1", "Smallest 7 2", "Largest 5 9", "Largest 6 9", "Largest 8 9",
      "Largest 1 5"}},
};

class Extremes : public OutlierTest, public ::testing::WithParamInterface<ExtremeCase> {};

TEST_P(Extremes, WithTheirPositions) {
  ASSERT_TRUE(OpenWindowOn(kTies));
  Page()->ExtremeCount()->setValue(GetParam().k);
  EXPECT_EQ(RowsOf(*Page()->Extremes()), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Cases, Extremes, ::testing::ValuesIn(kExtremeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutlierTest, FiveOfEachAtFirst) {
  ASSERT_TRUE(OpenWindowOn(kNine));
  EXPECT_EQ(Page()->ExtremeCount()->value(), 5);
  EXPECT_EQ(
      RowsOf(*Page()->Extremes()),
      (std::vector<std::string>{"Smallest 5 -25", "Smallest 9 -5", "Smallest 2 10", "Smallest 4 12", "Smallest 1 15",
                                "Largest 3 50", "Largest 8 35", "Largest 7 20", "Largest 6 18", "Largest 1 15"}));
}

// ---------------------------------------------------------------------------
// Select in Number List.

struct SelectCase {
  const char* name;
  std::function<void(OutlierPage&)> choose;  // rows chosen on the page
  std::vector<int> selected;                 // the number list's rows, from 0
};

void SelectRow(QTableView* table, int row) {
  table->selectionModel()->select(table->model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

const SelectCase kSelectCases[] = {
    {"NoneChosenSelectsEveryOutlier", [](OutlierPage&) {}, {2, 4}},
    {"OneOutlier", [](OutlierPage& p) { SelectRow(p.Outliers(), 1); }, {4}},
    // The smallest -25 (an outlier too, once) and the largest 35.
    {"BothTablesTogether",
     [](OutlierPage& p) {
       SelectRow(p.Outliers(), 1);
       SelectRow(p.Extremes(), 0);
       SelectRow(p.Extremes(), 6);
     },
     {4, 7}},
    {"NeighboursAndGaps",
     [](OutlierPage& p) {
       for (int row : {1, 2, 3, 5}) SelectRow(p.Extremes(), row);
     },
     {1, 2, 3, 8}},
};

class SelectInList : public OutlierTest, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectInList, SelectsExactlyThoseRows) {
  ASSERT_TRUE(OpenWindowOn(kNine));
  Controls(form()).ListView1->selectRow(6);
  GetParam().choose(*Page());
  ASSERT_TRUE(Page()->SelectButton()->isEnabled());
  Page()->SelectButton()->click();
  EXPECT_EQ(SelectedListRows(form()), GetParam().selected);
  EXPECT_EQ(Controls(form()).ListView1->currentIndex().row(), GetParam().selected.front());
  // Only selected: the list is as it was, and the page still trusts it.
  EXPECT_EQ(Entries(), kNine);
  EXPECT_TRUE(Page()->SelectButton()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectInList, ::testing::ValuesIn(kSelectCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutlierTest, SelectShowsTheFirstAndBringsTheListUp) {
  // 600 entries, the two beyond the fences far down.
  std::vector<std::string> entries;
  for (int i = 0; i < 600; ++i) entries.push_back(std::to_string(50 + i % 7));
  entries[420] = "900";
  entries[555] = "-900";
  ASSERT_TRUE(OpenWindowOn(entries));
  QTableView* list = Controls(form()).ListView1;
  list->scrollToTop();
  QApplication::setActiveWindow(Window());
  Page()->SelectButton()->click();
  QApplication::processEvents();
  EXPECT_EQ(SelectedListRows(form()), (std::vector<int>{420, 555}));
  EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->model()->index(420, 0))));
  EXPECT_TRUE(list->hasFocus());
  EXPECT_EQ(QApplication::activeWindow(), form().window());
}

struct StaleCase {
  const char* name;
  std::function<void(Form1&)> change;
};

class StalePositions : public OutlierTest, public ::testing::WithParamInterface<StaleCase> {};

TEST_P(StalePositions, DisableSelectUntilTheNextAnalysis) {
  ASSERT_TRUE(OpenWindowOn(kNine));
  GetParam().change(form());
  QApplication::processEvents();
  QPushButton* select = Page()->SelectButton();
  EXPECT_FALSE(select->isEnabled());
  EXPECT_TRUE(select->toolTip().contains(QStringLiteral("has changed"))) << select->toolTip().toStdString();
  Controls(form()).ListView1->clearSelection();
  Page()->SelectInNumberList();
  EXPECT_TRUE(SelectedListRows(form()).empty());
  Controls(form()).PushButton7->click();
  EXPECT_EQ(select->isEnabled(), Page()->Outliers()->Rows().rowCount() > 0);
}

INSTANTIATE_TEST_SUITE_P(Changes, StalePositions,
                         ::testing::Values(StaleCase{"Moved", [](Form1& f) { f.NumberList().SwapTexts(0, 2); }},
                                           StaleCase{"Appended",
                                                     [](Form1& f) {
                                                       f.NumberList().Append("100");
                                                       f.NumberList().Flush();
                                                     }},
                                           StaleCase{"Removed", [](Form1& f) { f.NumberList().Remove(0); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutlierTest, AChangeBeforeTheWindowOpensDisablesSelect) {
  OpenShown();
  AddEntries(kNine);
  Controls(form()).PushButton7->click();
  form().NumberList().SwapTexts(2, 4);
  QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
  ASSERT_NE(Window(), nullptr);
  EXPECT_FALSE(Page()->SelectButton()->isEnabled());
  // The rows were swapped: the page shows the values, not the list's texts
  // now at those positions.
  EXPECT_EQ(RowsOf(*Page()->Outliers()), (std::vector<std::string>{"Outlier 3 50", "Far out 5 -25"}));
}

TEST_F(OutlierTest, NothingToSelectWithoutOutliersOrAChoice) {
  ASSERT_TRUE(OpenWindowOn({"1", "2", "3", "4", "5", "6"}));
  EXPECT_FALSE(Page()->SelectButton()->isEnabled());
  SelectRow(Page()->Extremes(), 0);
  EXPECT_TRUE(Page()->SelectButton()->isEnabled());
}

// ---------------------------------------------------------------------------
// The page on its own, over a list of its own.

struct FakeList {
  std::vector<double> numbers;
  int finds = 0;
  ListLookup Lookup() {
    return {.find =
                [this](const results::ListQuery& q) {
                  ++finds;
                  return results::ScanList(numbers, q);
                },
            .text = [](std::size_t) { return QString(); },
            .select = [](const std::vector<std::size_t>&) {}};
  }
  results::SortedNumbers Sorted() const {
    std::vector<double> v = numbers;
    std::sort(v.begin(), v.end());
    std::shared_ptr<double[]> copy(new double[v.size()]);
    std::copy(v.begin(), v.end(), copy.get());
    return {copy, v.size()};
  }
};

TEST(OutlierPageAlone, ListsTheFirstOnesBeyondTheCap) {
  // 40,000 zeros and 10,003 numbers beyond them: the quartiles are 0 and
  // every other number is far out.
  FakeList list;
  for (int i = 0; i < 10003; ++i) list.numbers.push_back(i + 1);
  list.numbers.insert(list.numbers.begin() + 5000, 40000, 0.0);
  OutlierPage page({".", ","}, nullptr);
  page.SetAnalysis(list.Sorted(), list.Lookup());
  page.Refresh(stats::QuantileMethod::kInclusive);
  const OutlierModel& rows = page.Outliers()->Rows();
  ASSERT_EQ(rows.rowCount(), 10000);
  EXPECT_EQ(rows.Row(4999).index, 4999u);
  EXPECT_EQ(rows.Row(5000).index, 45000u);
  EXPECT_EQ(rows.Row(9999).index, 49999u);
  EXPECT_EQ(page.Summary()->text(),
            "0 outliers, 10,003 far out; fences 0 and 0; far out beyond 0 and 0. Showing 10,000 of 10,003, the first "
            "in the list.");
}

// However narrow the table, its values are shown whole and in sight; the kind's words
// (long in some languages: "Extremer Ausreißer") are what give way.
TEST(OutlierPageAlone, ANarrowTableCutsNoValue) {
  struct Width {
    const char* name;
    int pixels;
  };
  for (const Width w : {Width{"wide", 600}, Width{"narrow", 260}}) {
    OutlierTable table(nullptr);
    table.SetRows({{"Extremer Ausreißer", 1, 6, 987654.321, "987654.321"},
                   {"Extremer Ausreißer", 1, 0, -123456.789, "-123456.789"}});
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table)) << w.name;
    table.resize(w.pixels, 300);
    QApplication::processEvents();
    const QFontMetrics metrics(table.font());
    const int column = OutlierModel::kValueColumn;
    // Whole, and in sight without scrolling.
    EXPECT_LE(table.columnViewportPosition(column) + table.columnWidth(column), table.viewport()->width()) << w.name;
    for (int row = 0; row < table.model()->rowCount(); ++row) {
      const QString text = table.model()->index(row, column).data().toString();
      EXPECT_GE(table.columnWidth(column), metrics.horizontalAdvance(text)) << w.name << ": " << text.toStdString();
    }
  }
}

TEST(OutlierPageAlone, LooksAgainOnlyForANewAnalysisOrMethod) {
  FakeList list{{50, -5, 10, 12, 15, 18, 20, 35, -25}};
  OutlierPage page({".", ","}, nullptr);
  page.SetAnalysis(list.Sorted(), list.Lookup());
  page.Refresh(stats::QuantileMethod::kInclusive);
  EXPECT_EQ(list.finds, 1);  // the outliers and the extremes in one pass
  EXPECT_EQ(page.Outliers()->Rows().rowCount(), 2);
  EXPECT_EQ(page.Extremes()->Rows().rowCount(), 10);
  page.Refresh(stats::QuantileMethod::kInclusive);  // as on a change of bins
  EXPECT_EQ(list.finds, 1);
  // Type 6 widens the fences to -35 and 65: nothing beyond them, so the
  // list is not looked at; the extremes stay.
  page.Refresh(stats::QuantileMethod::kExclusive);
  EXPECT_EQ(list.finds, 1);
  EXPECT_EQ(page.Outliers()->Rows().rowCount(), 0);
  EXPECT_EQ(page.Extremes()->Rows().rowCount(), 10);
  EXPECT_EQ(page.Summary()->text(), "No outliers; fences -35 and 65; far out beyond -72.5 and 102.5.");
  page.Refresh(stats::QuantileMethod::kInclusive);
  EXPECT_EQ(list.finds, 2);
  EXPECT_EQ(page.Outliers()->Rows().rowCount(), 2);
  page.ExtremeCount()->setValue(3);
  EXPECT_EQ(list.finds, 3);
  EXPECT_EQ(page.Extremes()->Rows().rowCount(), 6);
  // A run begins: what is shown stays, the list is not asked.
  page.Forget();
  page.Refresh(stats::QuantileMethod::kExclusive);
  EXPECT_EQ(list.finds, 3);
  EXPECT_EQ(page.Outliers()->Rows().rowCount(), 2);
  EXPECT_FALSE(page.SelectButton()->isEnabled());
}

// Without the list's text (here: none) the value is shown.
TEST(OutlierPageAlone, ValuesWhereTheListHasNoText) {
  FakeList list{{50, -5, 10, 12, 15, 18, 20, 35, -25.5}};
  OutlierPage page({",", "."}, nullptr);
  page.SetAnalysis(list.Sorted(), list.Lookup());
  page.Refresh(stats::QuantileMethod::kInclusive);
  EXPECT_EQ(RowsOf(*page.Outliers()), (std::vector<std::string>{"Outlier 1 50", "Far out 9 -25,5"}));
}

// ---------------------------------------------------------------------------
// Sorting and copying.

struct SortCase {
  const char* name;
  int column;
  Qt::SortOrder order;
  std::vector<std::size_t> positions;  // from 1, top to bottom
};

// Given in list order: positions 2, 4, 7, 9 with values 30, -8, 30, -40.
const SortCase kSortCases[] = {
    {"AsGiven", -1, Qt::AscendingOrder, {2, 4, 7, 9}},
    {"ValueUpTiesInListOrder", OutlierModel::kValueColumn, Qt::AscendingOrder, {9, 4, 2, 7}},
    {"ValueDownTiesInListOrder", OutlierModel::kValueColumn, Qt::DescendingOrder, {2, 7, 4, 9}},
    {"PositionDown", OutlierModel::kPositionColumn, Qt::DescendingOrder, {9, 7, 4, 2}},
    {"KindUp", OutlierModel::kKindColumn, Qt::AscendingOrder, {2, 4, 7, 9}},
    {"KindDown", OutlierModel::kKindColumn, Qt::DescendingOrder, {9, 2, 4, 7}},
};

std::vector<OutlierRow> SortRows() {
  return {{"Outlier", 0, 1, 30, "30"},
          {"Outlier", 0, 3, -8, "-8"},
          {"Outlier", 0, 6, 30, "30.0"},
          {"Far out", 1, 8, -40, "-40"}};
}

class Sorting : public ::testing::TestWithParam<SortCase> {};

TEST_P(Sorting, ByColumnAndKeepsTheSelection) {
  OutlierTable table(nullptr);
  table.SetRows(SortRows());
  table.selectRow(1);  // position 4
  table.sortByColumn(GetParam().column, GetParam().order);
  std::vector<std::size_t> positions;
  for (int r = 0; r < table.Rows().rowCount(); ++r) positions.push_back(table.Rows().Row(r).index + 1);
  EXPECT_EQ(positions, GetParam().positions);
  EXPECT_EQ(table.SelectedIndexes(), std::vector<std::size_t>{3});
  // New rows keep the sort.
  table.SetRows(SortRows());
  positions.clear();
  for (int r = 0; r < table.Rows().rowCount(); ++r) positions.push_back(table.Rows().Row(r).index + 1);
  EXPECT_EQ(positions, GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(Cases, Sorting, ::testing::ValuesIn(kSortCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutlierTest, CtrlCCopiesTheSelectedRowsNotThePicture) {
  ASSERT_TRUE(OpenWindowOn(kNine));
  QApplication::setActiveWindow(Window());
  OutlierTable* table = Page()->Extremes();
  table->setFocus();
  SelectRow(table, 0);
  SelectRow(table, 5);
  QApplication::clipboard()->clear();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "Smallest\t5\t-25\nLargest\t3\t50\n");
  EXPECT_TRUE(QApplication::clipboard()->image().isNull());
}

TEST_F(OutlierTest, TabReachesThePageBeforeTheOptions) {
  ASSERT_TRUE(OpenWindowOn(kNine));
  QWidget* after = Window()->Views()->tabBar();
  std::vector<QWidget*> order;
  for (QWidget* w = after->nextInFocusChain(); order.size() < 6; w = w->nextInFocusChain())
    // A spin box's line edit stands for the spin box.
    if (w->isVisible() && w->focusPolicy() & Qt::TabFocus && !w->focusProxy()) order.push_back(w);
  const std::vector<QWidget*> expected{Page()->Outliers(),     Page()->ExtremeCount(), Page()->Extremes(),
                                       Page()->SelectButton(), Window()->Bins(),       Window()->Range()};
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(order[i], expected[i]) << i << ": " << order[i]->metaObject()->className();
}

}  // namespace
