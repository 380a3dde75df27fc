// What a screen reader learns of the window through Qt's accessibility layer:
// the results list's rows to tick (their role, text, state and action after
// every way of ticking), the numbering of the view's own events, the spoken
// notices, and the windows' and the picture's roles. The events themselves
// reach only a real bridge: tests/e2e/accessibility.sh listens to them.
#include <QAccessible>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <functional>
#include <vector>

#include "app/Accessibility.h"
#include "app/Announcer.h"
#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/TickListAccessible.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere::app;
using namespace windowtest;

namespace {

// Lets the announcer say what it was asked in the last turn of the loop.
void LetAnnouncementsRun() {
  QTest::qWait(20);
  QApplication::processEvents();
}

class ReaderTest : public WindowTest {
 protected:
  static void SetUpTestSuite() { InstallAccessibility(); }
  // The window shown with the four sample numbers analysed.
  Form1& Analysed() {
    Form1& f = OpenShown();
    Controls(f).PushButton2->click();
    Controls(f).PushButton7->click();
    QApplication::processEvents();
    return f;
  }
  QAccessibleInterface* ResultsList() { return QAccessible::queryAccessibleInterface(Controls(form()).ListView2); }
  QAccessibleInterface* Row(int row) {
    QAccessibleInterface* list = ResultsList();
    return list->child(list->childCount() - 12 + row);  // the column header comes first
  }
  std::vector<int> TickedRows() const {
    std::vector<int> rows;
    for (int r = 0; r < form_->ResultsModel()->rowCount(); ++r)
      if (form_->ResultsModel()->Ticked(r)) rows.push_back(r);
    return rows;
  }
  // The rows a reader reads as ticked, from their states; their descriptions
  // must say the same.
  std::vector<int> RowsReadAsTicked() {
    std::vector<int> rows;
    for (int r = 0; r < 12; ++r) {
      const bool ticked = Row(r)->state().checked;
      EXPECT_EQ(Row(r)->text(QAccessible::Description), TickStateText(ticked)) << r;
      if (ticked) rows.push_back(r);
    }
    return rows;
  }
};

TEST_F(ReaderTest, RowsAreCheckBoxesNamedByTheirTextWithTheTickInTheirState) {
  Form1& f = Analysed();
  QAccessibleInterface* list = ResultsList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Results list"));
  const QStringList rows = ResultRows();
  ASSERT_EQ(rows.size(), 12);
  f.ResultsModel()->SetTicked(2, true);
  for (int r = 0; r < 12; ++r) {
    QAccessibleInterface* row = Row(r);
    ASSERT_NE(row, nullptr) << r;
    EXPECT_EQ(row->role(), QAccessible::CheckBox);
    EXPECT_EQ(list->indexOfChild(row), list->childCount() - 12 + r);
    EXPECT_EQ(row->parent(), list);
    // The shown text stays the exports' own; the tick is told apart from it.
    EXPECT_EQ(row->text(QAccessible::Name), rows[r]);
    EXPECT_EQ(row->text(QAccessible::Description), TickStateText(r == 2));
    EXPECT_TRUE(row->state().checkable);
    EXPECT_EQ(bool(row->state().checked), r == 2) << r;
    EXPECT_TRUE(row->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  }
  EXPECT_EQ(ResultRows(), rows);
  EXPECT_EQ(list->child(-1), nullptr);
}

TEST_F(ReaderTest, NumbersPastTheRowsAreReadAsTheTablesTheViewsEventsUse) {
  Analysed();
  QAccessibleInterface* list = ResultsList();
  const QStringList rows = ResultRows();
  // A table's number of a row: past the corner and the header row, two a row.
  for (int r = 0; r < 12; ++r) {
    const int table = 2 * (r + 1) + 1;
    if (table < list->childCount()) continue;  // a list's number, read as one
    ASSERT_NE(list->child(table), nullptr) << r;
    EXPECT_EQ(list->child(table)->text(QAccessible::Name), rows[r]);
  }
  EXPECT_EQ(list->child(2 * 13 + 1), nullptr);  // no row 12
}

struct TickCase {
  const char* name;
  std::function<void(Form1&, QAccessibleInterface& list)> tick;
  std::vector<int> ticked;
  const char* announced;  // empty: nothing to say beyond the row's own state
};

void Press(Form1& f, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTableView* list = Controls(f).ListView2;
  list->setFocus();
  QTest::keyClick(list, key, modifiers);
}

void ToggleRow(QAccessibleInterface& list, int row) {
  QAccessibleInterface* item = list.child(list.childCount() - 12 + row);
  item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

const TickCase kTickCases[] = {
    {"SpaceOnTheCurrentRow",
     [](Form1& f, QAccessibleInterface&) {
       Controls(f).ListView2->setCurrentIndex(f.ResultsModel()->index(3, 0));
       Press(f, Qt::Key_Space);
     },
     {3},
     ""},
    {"CtrlA",
     [](Form1& f, QAccessibleInterface&) { Press(f, Qt::Key_A, Qt::ControlModifier); },
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
     "All results ticked"},
    {"CtrlShiftAAfterOneTick",
     [](Form1& f, QAccessibleInterface&) {
       f.ResultsModel()->SetTicked(5, true);
       Press(f, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
     },
     {},
     "No results ticked"},
    {"ToggleActionTwiceAndOnce",
     [](Form1&, QAccessibleInterface& list) {
       ToggleRow(list, 7);
       ToggleRow(list, 7);
       ToggleRow(list, 0);
     },
     {0},
     ""},
    {"AClickOnTheCheckMark",  // as the view sets it for the mouse
     [](Form1& f, QAccessibleInterface&) {
       f.ResultsModel()->setData(f.ResultsModel()->index(11, 0), Qt::Checked, Qt::CheckStateRole);
     },
     {11},
     ""},
};

class TickWays : public ReaderTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickWays, AreReadInTheRowsStates) {
  const TickCase& c = GetParam();
  Form1& f = Analysed();
  QAccessibleInterface* list = ResultsList();
  ASSERT_NE(list, nullptr);
  LetAnnouncementsRun();
  const QString before = f.Announcements().LastSaid();
  c.tick(f, *list);
  LetAnnouncementsRun();
  EXPECT_EQ(TickedRows(), c.ticked);
  EXPECT_EQ(RowsReadAsTicked(), c.ticked);
  EXPECT_EQ(f.Announcements().LastSaid(), *c.announced ? QString::fromLatin1(c.announced) : before);
}

INSTANTIATE_TEST_SUITE_P(Results, TickWays, ::testing::ValuesIn(kTickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReaderTest, ARowsFocusActionMakesItTheCurrentRow) {
  Form1& f = Analysed();
  for (int row : {4, 0, 11}) {
    Row(row)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(Controls(f).ListView2->currentIndex().row(), row);
    EXPECT_TRUE(Controls(f).ListView2->hasFocus());
    ASSERT_NE(ResultsList()->focusChild(), nullptr);
    EXPECT_EQ(ResultsList()->focusChild()->text(QAccessible::Name), ResultRows()[row]);
  }
}

TEST_F(ReaderTest, EnteringTheListMakesACurrentRowWithoutSelectingIt) {
  Form1& f = Analysed();
  Controls(f).PushButton7->setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(Controls(f).ListView2->currentIndex().isValid());
  Controls(f).ListView2->setFocus(Qt::TabFocusReason);
  LetAnnouncementsRun();
  QAccessibleInterface* current = ResultsList()->focusChild();
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(current->text(QAccessible::Name), ResultRows()[0]);
  EXPECT_FALSE(Controls(f).ListView2->selectionModel()->hasSelection());
}

TEST(TickListChild, MapsATablesNumbersToTheRows) {
  QStandardItemModel model(3, 1);
  QTableView view;
  view.setModel(&model);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  // The corner, the column's header; then each row's header and its cell.
  const std::vector<std::pair<int, int>> cases = {{-1, -1}, {0, -1}, {1, -1}, {2, -1}, {3, 1},
                                                  {4, -1},  {5, 2},  {7, 3},  {8, -1}};
  for (const auto& [table, list] : cases) EXPECT_EQ(TickListChild(view, table), list) << table;
  view.horizontalHeader()->hide();
  EXPECT_EQ(TickListChild(view, 3), 0);
  EXPECT_EQ(TickListChild(view, 7), 2);
}

struct AnnounceCase {
  const char* name;
  std::function<void(Form1&)> act;
  const char* said;
};

class Announcements : public ReaderTest, public ::testing::WithParamInterface<AnnounceCase> {};

TEST_P(Announcements, NameTheShownNotification) {
  const AnnounceCase& c = GetParam();
  Form1& f = OpenShown();
  LetAnnouncementsRun();
  c.act(f);
  LetAnnouncementsRun();
  QAccessibleInterface* said = QAccessible::queryAccessibleInterface(&f.Announcements());
  EXPECT_EQ(said->role(), QAccessible::Notification);
  EXPECT_TRUE(f.Announcements().isVisible());
  EXPECT_EQ(said->parent()->object(), &f);
  EXPECT_TRUE(said->text(QAccessible::Name).contains(QString::fromLatin1(c.said)))
      << said->text(QAccessible::Name).toStdString();
}

const AnnounceCase kAnnounceCases[] = {
    {"TheSamplesNotice", [](Form1& f) { Controls(f).PushButton2->click(); }, "Added the 4 sample numbers."},
    {"TheEndOfAnAnalysis",
     [](Form1& f) {
       Controls(f).PushButton2->click();
       Controls(f).PushButton7->click();
     },
     "Analysis finished: the results list shows 12 rows."},
    {"TheResultsNote",
     [](Form1& f) {
       Controls(f).PushButton2->click();
       Controls(f).PushButton7->click();
       LetAnnouncementsRun();
       f.NumberList().Append("9");
       f.NumberList().Flush();
     },
     "The number list has changed since these results."},
};

INSTANTIATE_TEST_SUITE_P(Window, Announcements, ::testing::ValuesIn(kAnnounceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReaderTest, TextsAskedForInOneTurnAreSaidTogetherInOrder) {
  Form1& f = OpenShown();
  LetAnnouncementsRun();
  f.Announcements().Announce(QStringLiteral("First."));
  f.Announcements().Announce(QString());
  f.Announcements().Announce(QStringLiteral("Second."));
  LetAnnouncementsRun();
  EXPECT_EQ(f.Announcements().LastSaid(), QStringLiteral("First. Second."));
  f.Announcements().Announce(QStringLiteral("Third."));
  LetAnnouncementsRun();
  EXPECT_EQ(f.Announcements().LastSaid(), QStringLiteral("Third."));
}

TEST_F(ReaderTest, WindowsAreFramesAndThePictureAnImage) {
  Form1& f = Analysed();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&f)->role(), QAccessible::Window);
  QTest::keyClick(Controls(f).ListView1, Qt::Key_D, Qt::ControlModifier);
  DistributionWindow* window = f.Distribution().Window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
  QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(window->Picture());
  EXPECT_EQ(picture->role(), QAccessible::Graphic);
  EXPECT_FALSE(picture->text(QAccessible::Name).isEmpty());
}

}  // namespace
