// The number list: its model (batched appends, one notification per batch)
// and its mouse behaviour in the window (double-click remove, carrying an
// entry by dragging, auto-scroll, clearing, the busy guard); the keyboard on
// both lists (Delete, moves that scroll).
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <functional>
#include <optional>

#include "app/DropProgress.h"
#include "app/NumberListMenu.h"
#include "input/ListHistory.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::input;
using namespace tallowmere::app;

using namespace windowtest;

namespace {

// ---------------------------------------------------------------------------
// The model.

TEST(NumberListModel, ABatchOfAppendsIsOneInsertion) {
  NumberListModel model;
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  for (int i = 0; i < 1000; ++i) model.Append(std::to_string(i));
  EXPECT_EQ(model.Count(), 1000u);
  EXPECT_EQ(model.rowCount(), 0);  // not shown before the batch ends
  model.Flush();
  ASSERT_EQ(inserted.count(), 1);
  EXPECT_EQ(inserted.at(0).at(1).toInt(), 0);
  EXPECT_EQ(inserted.at(0).at(2).toInt(), 999);
  EXPECT_EQ(model.rowCount(), 1000);
  model.Flush();  // nothing pending: no notification
  EXPECT_EQ(inserted.count(), 1);

  for (int i = 0; i < 5; ++i) model.Append("x");
  model.Flush();
  ASSERT_EQ(inserted.count(), 2);
  EXPECT_EQ(inserted.at(1).at(1).toInt(), 1000);
  EXPECT_EQ(inserted.at(1).at(2).toInt(), 1004);
}

TEST(NumberListModel, UnflushedAppendsShowWhenTheEventLoopRuns) {
  NumberListModel model;
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  model.Append("1");
  model.Append("2");
  QCoreApplication::processEvents();
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_EQ(model.rowCount(), 2);
}

TEST(NumberListModel, OtherChangesPublishPendingRowsFirst) {
  const struct {
    const char* name;
    std::function<void(NumberListModel&)> change;
    std::vector<std::string> after;
  } cases[] = {
      {"Remove", [](NumberListModel& m) { m.Remove(1); }, {"a", "c"}},
      {"Swap", [](NumberListModel& m) { m.SwapTexts(0, 2); }, {"c", "b", "a"}},
      {"Clear", [](NumberListModel& m) { m.Clear(); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    NumberListModel model;
    model.Append("a");
    model.Append("b");
    model.Append("c");
    // A view must never be told about a row it did not know of.
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    c.change(model);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(model.rowCount(), static_cast<int>(c.after.size()));
    std::vector<std::string> texts;
    for (int r = 0; r < model.rowCount(); ++r) texts.push_back(model.index(r).data().toString().toStdString());
    EXPECT_EQ(texts, c.after);
  }
}

TEST(NumberListModel, ShowsTextsAsStoredAndNeverEdits) {
  NumberListModel model;
  model.Append("");
  model.Append("\xc3\xa9t\xc3\xa9 1,5");
  model.Append("7");
  model.Append("7");  // duplicates are kept
  model.Flush();
  model.SetHeader("Number(s)");
  EXPECT_EQ(model.index(0).data().toString(), "");
  EXPECT_EQ(model.index(1).data().toString(), QString::fromUtf8("\xc3\xa9t\xc3\xa9 1,5"));
  EXPECT_EQ(model.rowCount(), 4);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Number(s)");
  EXPECT_FALSE(model.flags(model.index(2)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model.flags(model.index(2)) & Qt::ItemIsSelectable);
  EXPECT_FALSE(model.index(9).data().isValid());
  EXPECT_THROW(model.Remove(4), std::out_of_range);
}

TEST(NumberListModel, SwappingNotifiesBothRows) {
  NumberListModel model;
  for (const char* t : {"1", "2", "3"}) model.Append(t);
  model.Flush();
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  model.SwapTexts(0, 2);
  ASSERT_EQ(changed.count(), 2);
  EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 0);
  EXPECT_EQ(changed.at(1).at(0).value<QModelIndex>().row(), 2);
}

TEST(NumberListModel, UndoAndRedoShowTheRowsTheListHolds) {
  const std::vector<std::string> start = {"1", "2", "3", "4"};
  const struct {
    const char* name;
    std::function<void(NumberListModel&)> change;
    std::vector<std::string> after;
  } cases[] = {
      {"Addition",
       [](NumberListModel& m) {
         NumberListModel::Change change(m, kAddNumbersStep);
         m.Append("5");
         m.Append("6");
       },
       {"1", "2", "3", "4", "5", "6"}},
      {"Removal", [](NumberListModel& m) { m.Remove(1); }, {"1", "3", "4"}},
      {"Move",
       [](NumberListModel& m) {
         m.SwapTexts(0, 1);
         m.SwapTexts(1, 3);
         m.EndMove();
       },
       {"2", "4", "3", "1"}},
      {"Clear", [](NumberListModel& m) { m.Clear(); }, {}},
      {"RemovalOfSeveral",
       [](NumberListModel& m) {
         m.RemoveEntries(kRemoveNotNumbersStep, {0, 2, 3});
       },
       {"2"}},
  };
  const auto shown = [](const NumberListModel& m) {
    std::vector<std::string> texts;
    for (int r = 0; r < m.rowCount(); ++r) texts.push_back(m.index(r).data().toString().toStdString());
    return texts;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    NumberListModel model;
    // Checks every notification against the rows before and after it.
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    {
      NumberListModel::Change change(model, kSampleNumbersStep);
      for (const std::string& t : start) model.Append(t);
    }
    c.change(model);
    ASSERT_EQ(shown(model), c.after);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(shown(model), start);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(shown(model), c.after);
    ASSERT_TRUE(model.Undo());
    ASSERT_TRUE(model.Undo());
    EXPECT_TRUE(shown(model).empty());
    EXPECT_FALSE(model.Undo());
    // Rows appended but not yet shown join the history before an undo.
    model.Append("9");
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.Count(), 0u);
    EXPECT_EQ(model.rowCount(), 0);
  }
}

// ---------------------------------------------------------------------------
// Mouse behaviour in the window.

class NumberListWindow : public WindowTest {
 protected:
  QTableView* List() { return Controls(form()).ListView1; }
  QPoint RowCentre(int row) { return List()->visualRect(form().NumberList().index(row)).center(); }
  void Press(int row) { QTest::mousePress(List()->viewport(), Qt::LeftButton, {}, RowCentre(row)); }
  void DragTo(int row) { MoveOver(List()->viewport(), RowCentre(row), Qt::LeftButton); }
  void Release(int row) { QTest::mouseRelease(List()->viewport(), Qt::LeftButton, {}, RowCentre(row)); }
  int SelectedRow() {
    const QModelIndexList rows = List()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
  }
};

TEST_F(NumberListWindow, DoubleClickRemovesTheSelectedEntry) {
  OpenShown();
  AddEntries({"1", "2", "3"});
  // As the window system sends it: press, release, double-click, release.
  QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowCentre(1));
  QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, RowCentre(1));
  QTest::mouseRelease(List()->viewport(), Qt::LeftButton, {}, RowCentre(1));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"1", "3"}));
}

TEST_F(NumberListWindow, DoubleClickActsOnTheSelectionNotOnThePointer) {
  OpenShown();
  AddEntries({"1", "2", "3"});
  List()->selectionModel()->setCurrentIndex(form().NumberList().index(0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  form().ListView1_DblClick();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"2", "3"}));
}

TEST_F(NumberListWindow, DoubleClickDoesNothingWhenItCannot) {
  const struct {
    const char* name;
    std::vector<std::string> entries;
    bool busy;
    bool select;
    std::vector<std::string> after;
  } cases[] = {
      {"EmptyList", {}, false, false, {}},
      {"Busy", {"1", "2"}, true, true, {"1", "2"}},
      {"NothingSelected", {"1", "2"}, false, false, {"1", "2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenShown();
    AddEntries(c.entries);
    if (c.select) List()->selectRow(0);
    form().SetBusy(c.busy);
    form().ListView1_DblClick();
    EXPECT_EQ(Entries(), c.after);
  }
}

TEST_F(NumberListWindow, DraggingSwapsTextsAndCarriesTheEntryOn) {
  OpenShown();
  AddEntries({"5", "7", "9", "11"});
  Press(0);
  EXPECT_TRUE(form().ListView1ButtonDown());
  EXPECT_EQ(form().MovedEntry().row(), 0);
  EXPECT_EQ(List()->viewport()->cursor().shape(), Qt::ArrowCursor);  // no drag.ico in this program folder
  DragTo(1);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "5", "9", "11"}));
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(form().MovedEntry().row(), 1);
  // The pointer jumps two rows: only the two entries concerned change places.
  DragTo(3);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "11", "9", "5"}));
  EXPECT_EQ(SelectedRow(), 3);
  Release(3);
  EXPECT_FALSE(form().ListView1ButtonDown());
  // Moving without the button moves nothing.
  MoveOver(List()->viewport(), RowCentre(0));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "11", "9", "5"}));
}

TEST_F(NumberListWindow, EqualTextsAreNotSwapped) {
  OpenShown();
  AddEntries({"5", "5", "7"});
  Press(0);
  DragTo(1);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"5", "5", "7"}));
  EXPECT_EQ(form().MovedEntry().row(), 0);  // stays where it was
  EXPECT_EQ(SelectedRow(), 0);              // the selection did not wander
  DragTo(2);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "5", "5"}));
  EXPECT_EQ(SelectedRow(), 2);
}

TEST_F(NumberListWindow, CaseMattersWhenComparingTexts) {
  OpenShown();
  AddEntries({"1e3", "1E3"});
  Press(0);
  DragTo(1);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"1E3", "1e3"}));
}

TEST_F(NumberListWindow, WithoutAClickedEntryNothingIsCarried) {
  OpenShown();
  AddEntries({"1", "2", "3"});
  const QPoint below(10, List()->viewport()->height() - 2);  // empty space under the rows
  QTest::mousePress(List()->viewport(), Qt::LeftButton, {}, below);
  EXPECT_TRUE(form().ListView1ButtonDown());
  EXPECT_FALSE(form().MovedEntry().isValid());
  DragTo(1);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(NumberListWindow, TheDragPointerComesFromTheProgramFolder) {
  CopyShippedFile("drag.ico");
  OpenShown();
  AddEntries({"1", "2"});
  Press(0);
  EXPECT_EQ(List()->viewport()->cursor().shape(), Qt::BitmapCursor);
  Release(0);
  EXPECT_FALSE(List()->viewport()->testAttribute(Qt::WA_SetCursor));  // back to the window's pointer
}

TEST_F(NumberListWindow, RemovingTheCarriedEntryForgetsIt) {
  OpenShown();
  AddEntries({"1", "2", "3"});
  Press(1);
  Release(1);
  EXPECT_EQ(form().MovedEntry().row(), 1);
  form().ListView1_DblClick();
  EXPECT_FALSE(form().MovedEntry().isValid());
  Press(0);
  Release(0);
  Controls(form()).PushButton1->click();
  EXPECT_FALSE(form().MovedEntry().isValid());
}

// Auto-scroll after a swap reads the pointer's height on the screen.
struct ScrollCase {
  int screenY;
  bool upward;    // carry to the top visible row (else to the bottom one)
  int direction;  // -1 scrolled up, 0 not at all, 1 scrolled down
};

class AutoScroll : public NumberListWindow, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(AutoScroll, FollowsTheScreenThresholds) {
  const ScrollCase& c = GetParam();
  OpenShown();
  std::vector<std::string> texts;
  for (int i = 0; i < 100; ++i) texts.push_back("e" + std::to_string(i));
  AddEntries(texts);
  form().SetScreenPointerSource([&] { return QPoint(100, c.screenY); });
  QScrollBar* bar = List()->verticalScrollBar();
  bar->setValue(50);
  const int top = List()->rowAt(0);
  const int bottom = List()->rowAt(List()->viewport()->height() - 1);
  ASSERT_EQ(top, 50);
  ASSERT_GT(bottom, top + 1);
  // The entry under the pointer is the first (or last) visible one, so the
  // neighbour that the scroll brings into view is hidden.
  const int from = c.upward ? top + 1 : bottom - 1;
  const int to = c.upward ? top : bottom;
  Press(from);
  DragTo(to);
  ASSERT_EQ(Entries()[static_cast<std::size_t>(to)], "e" + std::to_string(from));
  const int moved = bar->value() - 50;
  EXPECT_EQ((moved > 0) - (moved < 0), c.direction);
  if (c.direction != 0) {
    // The neighbour of the entry under the pointer is now in full view.
    const QRect neighbour = List()->visualRect(form().NumberList().index(to + c.direction));
    EXPECT_TRUE(List()->viewport()->rect().contains(neighbour)) << to + c.direction;
  }
}

INSTANTIATE_TEST_SUITE_P(Thresholds, AutoScroll,
                         ::testing::Values(ScrollCase{304, true, -1}, ScrollCase{0, true, -1}, ScrollCase{305, true, 0},
                                           ScrollCase{364, true, 0}, ScrollCase{364, false, 0},
                                           ScrollCase{365, false, 1}, ScrollCase{2000, false, 1},
                                           ScrollCase{304, false, 0}, ScrollCase{365, true, 0}));

TEST_F(NumberListWindow, NoScrollPastTheEnds) {
  OpenShown();
  AddEntries({"a", "b"});
  for (const int y : {0, 1000}) {
    form().SetScreenPointerSource([y] { return QPoint(0, y); });
    Press(0);
    DragTo(1);
    Release(1);
    Press(1);
    DragTo(0);
    Release(0);
    EXPECT_EQ(List()->verticalScrollBar()->value(), 0);
  }
}

TEST_F(NumberListWindow, ClearListEmptiesTheNumbersUnlessBusy) {
  OpenShown();
  AddEntries({"1", "2"});
  form().SetBusy(true);
  Controls(form()).PushButton1->click();
  EXPECT_EQ(Entries().size(), 2u);
  form().SetBusy(false);
  Controls(form()).PushButton1->click();
  EXPECT_TRUE(Entries().empty());
  Controls(form()).PushButton1->click();  // already empty: still no message
  EXPECT_TRUE(dialogs_.AllShown().empty());
}

TEST_F(NumberListWindow, ClearListUnderTheResultsLeavesTheNumbers) {
  OpenShown();
  AddEntries({"2", "4"});
  Controls(form()).PushButton7->click();
  ASSERT_EQ(form().ResultsModel()->rowCount(), 12);
  form().SetBusy(true);  // works in every state
  Controls(form()).PushButton8->click();
  EXPECT_EQ(form().ResultsModel()->rowCount(), 0);
  EXPECT_EQ(form().ResultsModel()->headerData(0, Qt::Horizontal).toString(), "Result(s)");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"2", "4"}));
}

TEST_F(NumberListWindow, ManyEntriesAreAllReachable) {
  OpenShown();
  for (int i = 0; i < 200000; ++i) form().NumberList().Append(std::to_string(i % 977));
  form().NumberList().Flush();
  EXPECT_EQ(List()->model()->rowCount(), 200000);
  List()->scrollToBottom();
  QApplication::processEvents();
  EXPECT_EQ(List()->rowAt(List()->viewport()->height() - 1), 199999);
}

// ---------------------------------------------------------------------------
// The keyboard.

TEST_F(NumberListWindow, DeleteRemovesAsADoubleClickAndSelectsTheNext) {
  const struct {
    const char* name;
    std::vector<std::string> entries;
    int select;  // -1: nothing selected
    bool busy;
    std::vector<std::string> after;
    int selectedAfter;  // -1: nothing
    int current = -1;   // the current row when nothing is selected (-1: none)
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  } cases[] = {
      {.name = "Middle",
       .entries = {"1", "2", "3"},
       .select = 1,
       .busy = false,
       .after = {"1", "3"},
       .selectedAfter = 1},
      {.name = "First",
       .entries = {"1", "2", "3"},
       .select = 0,
       .busy = false,
       .after = {"2", "3"},
       .selectedAfter = 0},
      {.name = "LastSelectsTheNewLast",
       .entries = {"1", "2", "3"},
       .select = 2,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = 1},
      {.name = "OnlyEntry", .entries = {"7"}, .select = 0, .busy = false, .after = {}, .selectedAfter = -1},
      {.name = "Duplicates",
       .entries = {"5", "5", "5"},
       .select = 1,
       .busy = false,
       .after = {"5", "5"},
       .selectedAfter = 1},
      // The double-click's rules: nothing while busy, on an empty list, or
      // without a selection.
      {.name = "Busy", .entries = {"1", "2"}, .select = 0, .busy = true, .after = {"1", "2"}, .selectedAfter = 0},
      {.name = "EmptyList", .entries = {}, .select = -1, .busy = false, .after = {}, .selectedAfter = -1},
      {.name = "NothingSelected",
       .entries = {"1", "2"},
       .select = -1,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = -1},
      // No selection, but the focus frame shows a current row: that one goes.
      {.name = "CurrentRowWithoutSelection",
       .entries = {"1", "2", "3"},
       .select = -1,
       .busy = false,
       .after = {"1", "3"},
       .selectedAfter = 1,
       .current = 1},
      {.name = "CurrentLastRowWithoutSelection",
       .entries = {"1", "2", "3"},
       .select = -1,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = 1,
       .current = 2},
      {.name = "CurrentRowWhileBusy",
       .entries = {"1", "2"},
       .select = -1,
       .busy = true,
       .after = {"1", "2"},
       .selectedAfter = -1,
       .current = 0},
      // Delete with a modifier is not Delete; the keypad's Delete is.
      {.name = "ShiftDelete",
       .entries = {"1", "2"},
       .select = 0,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = 0,
       .modifiers = Qt::ShiftModifier},
      {.name = "CtrlDelete",
       .entries = {"1", "2"},
       .select = 0,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = 0,
       .modifiers = Qt::ControlModifier},
      {.name = "AltDelete",
       .entries = {"1", "2"},
       .select = 0,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = 0,
       .modifiers = Qt::AltModifier},
      {.name = "CtrlShiftDelete",
       .entries = {"1", "2"},
       .select = 1,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = 1,
       .modifiers = Qt::ControlModifier | Qt::ShiftModifier},
      {.name = "ShiftDeleteOnTheCurrentRow",
       .entries = {"1", "2"},
       .select = -1,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = -1,
       .current = 1,
       .modifiers = Qt::ShiftModifier},
      {.name = "AltDeleteOnTheCurrentRow",
       .entries = {"1", "2"},
       .select = -1,
       .busy = false,
       .after = {"1", "2"},
       .selectedAfter = -1,
       .current = 0,
       .modifiers = Qt::AltModifier},
      {.name = "KeypadDelete",
       .entries = {"1", "2", "3"},
       .select = 1,
       .busy = false,
       .after = {"1", "3"},
       .selectedAfter = 1,
       .modifiers = Qt::KeypadModifier},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenShown();
    AddEntries(c.entries);
    if (c.select >= 0) List()->selectRow(c.select);
    if (c.current >= 0)
      List()->selectionModel()->setCurrentIndex(form().NumberList().index(c.current), QItemSelectionModel::NoUpdate);
    form().SetBusy(c.busy);
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Delete, c.modifiers);
    EXPECT_EQ(Entries(), c.after);
    EXPECT_EQ(SelectedRow(), c.selectedAfter);
    if (c.selectedAfter >= 0) {
      EXPECT_EQ(List()->currentIndex().row(), c.selectedAfter);
    }
  }
}

TEST_F(NumberListWindow, DeleteAfterTabbingIntoTheListRemovesTheRowItShows) {
  OpenShown();
  AddEntries({"1", "2", "3"});
  Controls(form()).PushButton8->setFocus();
  // Shift+Tab from the button before it in the tab order: the list shows its
  // first row as current, with nothing selected.
  Controls(form()).PushButton3->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Controls(form()).PushButton3, Qt::Key_Backtab);
  ASSERT_TRUE(List()->hasFocus());
  ASSERT_EQ(SelectedRow(), -1);
  ASSERT_EQ(List()->currentIndex().row(), 0);
  QTest::keyClick(List(), Qt::Key_Delete);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"2", "3"}));
  EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(NumberListWindow, DeleteCanGoOnDownTheList) {
  OpenShown();
  std::vector<std::string> texts;
  for (int i = 0; i < 60; ++i) texts.push_back("e" + std::to_string(i));
  AddEntries(texts);
  List()->setFocus();
  List()->selectRow(50);
  List()->scrollTo(form().NumberList().index(50));
  for (int i = 0; i < 12; ++i) QTest::keyClick(List(), Qt::Key_Delete);
  // 50..59 went one after the other; then the new last ones, 49 and 48.
  ASSERT_EQ(Entries().size(), 48u);
  EXPECT_EQ(Entries().back(), "e47");
  EXPECT_EQ(SelectedRow(), 47);
  EXPECT_TRUE(List()->viewport()->rect().contains(List()->visualRect(form().NumberList().index(47))));
}

// Moving the current row by keyboard brings it into view, in both lists.
struct KeyMove {
  const char* name;
  int from;
  std::vector<Qt::Key> keys;
  int to;  // -1: any row but `from`
};

void PrintTo(const KeyMove& move, std::ostream* os) { *os << move.name; }

class KeyboardScroll : public NumberListWindow,
                       public ::testing::WithParamInterface<std::tuple<KeyMove, bool /*results list*/>> {};

TEST_P(KeyboardScroll, BringsTheCurrentRowIntoView) {
  const auto& [move, results] = GetParam();
  OpenShown();
  QTableView* list = results ? Controls(form()).ListView2 : Controls(form()).ListView1;
  std::vector<std::string> rows;
  for (int i = 0; i < 100; ++i) rows.push_back("row " + std::to_string(i));
  if (results)
    ShowResultLines(rows);
  else
    for (const std::string& row : rows) form().NumberList().Append(row);
  form().NumberList().Flush();
  QApplication::processEvents();
  list->setFocus();
  list->selectionModel()->setCurrentIndex(list->model()->index(move.from, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  list->scrollTo(list->model()->index(move.from, 0));
  for (Qt::Key key : move.keys) QTest::keyClick(list, key);
  const int current = list->currentIndex().row();
  if (move.to >= 0) {
    EXPECT_EQ(current, move.to);
  } else {
    EXPECT_NE(current, move.from);
  }
  EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())))
      << "row " << current << " not in full view";
  EXPECT_TRUE(list->selectionModel()->isRowSelected(current, {}));
}

const KeyMove kKeyMoves[] = {
    {"DownPastTheBottom", 0, std::vector<Qt::Key>(20, Qt::Key_Down), 20},
    {"UpPastTheTop", 60, std::vector<Qt::Key>(20, Qt::Key_Up), 40},
    {"PageDown", 0, {Qt::Key_PageDown, Qt::Key_PageDown}, -1},
    {"PageUp", 99, {Qt::Key_PageUp}, -1},
    {"End", 0, {Qt::Key_End}, 99},
    {"Home", 99, {Qt::Key_Home}, 0},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyboardScroll, ::testing::Combine(::testing::ValuesIn(kKeyMoves), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "InResults" : "InNumbers");
                         });

}  // namespace

namespace {

// ---------------------------------------------------------------------------
// Undo and redo in the window: the keys and the context menu.

class ListUndoWindow : public NumberListWindow {
 protected:
  const std::vector<std::string> kSample = {"7", "15", "61", "100"};

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : List(), key, modifiers);
  }
  // The context menu as it opens over the list: its first two items' texts
  // and whether they can be chosen.
  struct Items {
    QString undo, redo;
    bool undoEnabled, redoEnabled;
  };
  Items OpenMenu() {
    form().ListView1_ContextMenu(QPoint(5, 5));
    NumberListMenu& menu = form().ListMenu();
    EXPECT_TRUE(menu.Menu()->isVisible());
    Items items{menu.UndoItem()->text(), menu.RedoItem()->text(), menu.UndoItem()->isEnabled(),
                menu.RedoItem()->isEnabled()};
    menu.Menu()->hide();
    return items;
  }
};

TEST_F(ListUndoWindow, KeysUndoAndRedoAndTheMenuNamesTheSteps) {
  using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;
  const Keys undo = {{Qt::Key_Z, Qt::ControlModifier}};
  const std::pair<Qt::Key, Qt::KeyboardModifiers> kCtrlZ{Qt::Key_Z, Qt::ControlModifier};
  const std::pair<Qt::Key, Qt::KeyboardModifiers> kCtrlShiftZ{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier};
  const std::pair<Qt::Key, Qt::KeyboardModifiers> kCtrlY{Qt::Key_Y, Qt::ControlModifier};
  std::optional<DropProgress::Drop> drop;
  const auto clear = [this] { Controls(form()).PushButton1->click(); };
  const auto typed = [this] {
    dialogs_.QueueInput("1, 2");
    Controls(form()).PushButton3->click();
  };
  std::vector<std::string> sampleAndTyped = kSample;
  sampleAndTyped.insert(sampleAndTyped.end(), {"1", "2"});
  // Typed words among the numbers: the removal takes them out of their
  // places and undo puts them back there.
  const auto typedWords = [this] {
    dialogs_.QueueInput("n/a, 1, 42 kg,");
    Controls(form()).PushButton3->click();
  };
  std::vector<std::string> sampleAndWords = kSample;
  sampleAndWords.insert(sampleAndWords.end(), {"n/a", "1", "42 kg", ""});
  std::vector<std::string> sampleAndOne = kSample;
  sampleAndOne.push_back("1");
  const struct {
    const char* name;
    std::function<void()> change;  // after "Load Sample/Example Numbers"
    Keys keys;
    std::vector<std::string> after;
    Items menu;
    int current;  // the current and selected row afterwards (-1: not checked)
  } cases[] = {
      {"ClearUndone", clear, {kCtrlZ}, kSample, {"Undo Sample Numbers", "Redo Clear List", true, true}, 0},
      {"ClearRedoneByCtrlShiftZ", clear, {kCtrlZ, kCtrlShiftZ}, {}, {"Undo Clear List", "Redo", true, false}, -1},
      {"ClearRedoneByCtrlY", clear, {kCtrlZ, kCtrlY}, {}, {"Undo Clear List", "Redo", true, false}, -1},
      {"RemoveUndone",
       [this] {
         List()->setFocus();
         List()->selectRow(2);
         QTest::keyClick(List(), Qt::Key_Delete);
       },
       {kCtrlZ},
       kSample,
       {"Undo Sample Numbers", "Redo Remove Entry", true, true},
       2},
      {"TypedNumbers", typed, {}, sampleAndTyped, {"Undo Add Numbers", "Redo", true, false}, -1},
      {"TypedNumbersUndone", typed, {kCtrlZ}, kSample, {"Undo Sample Numbers", "Redo Add Numbers", true, true}, 3},
      {"TypedNumbersRedone", typed, {kCtrlZ, kCtrlY}, sampleAndTyped, {"Undo Add Numbers", "Redo", true, false}, 4},
      {"NotNumbersRemoved",
       [&] {
         typedWords();
         form().ListView1_RemoveNotNumbers();
       },
       {},
       sampleAndOne,
       {"Undo Remove Entries That Are Not Numbers", "Redo", true, false},
       -1},
      {"NotNumbersRemovalUndoneInPlace",
       [&] {
         typedWords();
         form().ListView1_RemoveNotNumbers();
       },
       {kCtrlZ},
       sampleAndWords,
       {"Undo Add Numbers", "Redo Remove Entries That Are Not Numbers", true, true},
       4},
      {"NotNumbersRemovalRedone",
       [&] {
         typedWords();
         form().ListView1_RemoveNotNumbers();
       },
       {kCtrlZ, kCtrlShiftZ},
       sampleAndOne,
       {"Undo Remove Entries That Are Not Numbers", "Redo", true, false},
       4},
      {"NotNumbersKeptWhileADropRuns",
       [&] {
         typedWords();
         drop.emplace(form().Drops());
         form().ListView1_RemoveNotNumbers();
       },
       {},
       sampleAndWords,
       {"Undo Add Numbers", "Redo", false, false},
       -1},
      {"MoveUndoneAsOneStep",
       [this] {
         Press(0);
         DragTo(1);
         DragTo(3);
         Release(3);
       },
       {kCtrlZ},
       kSample,
       {"Undo Sample Numbers", "Redo Move Entry", true, true},
       0},
      {"EverythingUndone", [] {}, {kCtrlZ, kCtrlZ}, {}, {"Undo", "Redo Sample Numbers", false, true}, -1},
      {"NothingWhileBusy",
       [&] {
         clear();
         form().SetBusy(true);
       },
       {kCtrlZ},
       {},
       {"Undo Clear List", "Redo", false, false},
       -1},
      {"NothingWhileADropRuns",
       [&] {
         clear();
         drop.emplace(form().Drops());
       },
       {kCtrlZ, kCtrlY},
       {},
       {"Undo Clear List", "Redo", false, false},
       -1},
      {"TheDropDownKeepsItsKeys",
       [&] {
         clear();
         QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
         Controls(form()).Combo1->setFocus();
       },
       {kCtrlY, kCtrlShiftZ, kCtrlZ},
       kSample,
       {"Undo Sample Numbers", "Redo Clear List", true, true},
       -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenShown();
    Controls(form()).PushButton2->click();
    List()->setFocus();
    c.change();
    for (const auto& [key, modifiers] : c.keys) Key(key, modifiers);
    EXPECT_EQ(Entries(), c.after);
    EXPECT_EQ(List()->model()->rowCount(), static_cast<int>(c.after.size()));
    if (c.current >= 0) {
      EXPECT_EQ(List()->currentIndex().row(), c.current);
      EXPECT_EQ(SelectedRow(), c.current);
    }
    const Items items = OpenMenu();
    EXPECT_EQ(items.undo, c.menu.undo);
    EXPECT_EQ(items.redo, c.menu.redo);
    EXPECT_EQ(items.undoEnabled, c.menu.undoEnabled);
    EXPECT_EQ(items.redoEnabled, c.menu.redoEnabled);
    drop.reset();
  }
}

// The context menu offers the removal after "Paste Numbers", only when the
// list holds entries that are not numbers.
TEST_F(ListUndoWindow, TheContextMenuRemovesTheEntriesThatAreNotNumbers) {
  OpenShown();
  QAction* item = form().ListMenu().RemoveNotNumbersItem();
  ASSERT_EQ(item->text(), "Remove Entries That Are Not Numbers");
  const QList<QAction*> items = form().ListMenu().Menu()->actions();
  const qsizetype at = items.indexOf(item);
  ASSERT_GT(at, 0);
  EXPECT_EQ(items[at - 1]->text(), "Paste Numbers");
  const struct {
    const char* name;
    std::vector<std::string> typed;  // after the sample numbers
    bool enabled;
  } cases[] = {
      {"numbers only", {}, false},
      {"plain number texts", {" 7 ", "-1.5e3", "\t2"}, false},
      {"a word", {"n/a"}, true},
      {"an empty entry", {""}, true},
      {"a number and a unit", {"42 kg"}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Controls(form()).PushButton1->click();
    Controls(form()).PushButton2->click();
    AddEntries(c.typed);
    form().ListView1_ContextMenu(QPoint(5, 5));
    EXPECT_EQ(item->isEnabled(), c.enabled);
    if (c.enabled) item->trigger();
    form().ListMenu().Menu()->hide();
    std::vector<std::string> expected = kSample;
    if (!c.enabled) expected.insert(expected.end(), c.typed.begin(), c.typed.end());
    EXPECT_EQ(Entries(), expected);
  }
}

// A list file's lines passed the number test: they are numbers, whatever
// their form in the user's locale.
TEST_F(ListUndoWindow, PastedLinesAreNeverRemovedAsNotNumbers) {
  OpenShown({",", "."});
  form().PasteNumbers("61,5\n1.234,5\n", AdditionSource::kClipboard);
  AddEntries({"61,5"});  // untested, it counts by its leading number, 61
  form().ListView1_RemoveNotNumbers();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"61,5", "1.234,5"}));
}

TEST_F(ListUndoWindow, TheDropDownUndoesItsOwnText) {
  OpenShown();
  Controls(form()).PushButton2->click();
  Controls(form()).PushButton1->click();
  const QString before = Controls(form()).Combo1->currentText();
  Controls(form()).Combo1->setFocus();
  QTest::keyClick(Controls(form()).Combo1, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(Controls(form()).Combo1, "8");
  ASSERT_EQ(Controls(form()).Combo1->currentText(), "8");
  QTest::keyClick(Controls(form()).Combo1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Controls(form()).Combo1->currentText(), before);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ListUndoWindow, AHeldButtonKeepsTheGestureFromUndo) {
  OpenShown();
  Controls(form()).PushButton2->click();
  Press(0);
  DragTo(1);
  QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"15", "7", "61", "100"}));
  DragTo(3);
  Release(3);
  // The whole gesture is one step, undone at once.
  QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Entries(), kSample);
}

// Keyboard users reach the menu with Shift+F10 (the Menu key comes as a
// context menu event, as a right-click does).
TEST_F(ListUndoWindow, ShiftF10OpensTheContextMenu) {
  OpenShown();
  Controls(form()).PushButton2->click();
  List()->setFocus();
  QTest::keyClick(List(), Qt::Key_F10, Qt::ShiftModifier);
  QMenu* menu = form().ListMenu().Menu();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->actions().first()->text(), "Undo Sample Numbers");
  menu->hide();
  EXPECT_EQ(Entries(), kSample);
}

TEST_F(ListUndoWindow, TheContextMenuOpensWithUndoRedoAndASeparatorAndUndoes) {
  OpenShown();
  Controls(form()).PushButton2->click();
  Controls(form()).PushButton1->click();
  const QPoint at(10, 10);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, List()->viewport()->mapToGlobal(at));
  QApplication::sendEvent(List()->viewport(), &event);
  QMenu* menu = form().ListMenu().Menu();
  ASSERT_TRUE(menu->isVisible());
  const QList<QAction*> items = menu->actions();
  ASSERT_GE(items.size(), 3);
  EXPECT_EQ(items[0]->text(), "Undo Clear List");
  EXPECT_EQ(items[1]->text(), "Redo");
  EXPECT_TRUE(items[2]->isSeparator());
  EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  items[0]->trigger();
  menu->hide();
  EXPECT_EQ(Entries(), kSample);
  EXPECT_FALSE(form().ListView1ButtonDown());
}

}  // namespace
