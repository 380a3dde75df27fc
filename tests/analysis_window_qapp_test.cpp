// "Start Analysis" in the window: the results list after runs with the
// worked examples, set up through the controls a user would use; a whole run
// from the keyboard alone.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <functional>

#include "app/ListNotice.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::results;
using namespace tallowmere::app;

using namespace windowtest;

namespace {

struct RunCase {
  const char* name;
  std::vector<std::string> entries;
  bool population;
  const char* places;        // nullptr: "Show all decimals"
  QStringList expectedRows;  // every row when 12 are given, else rows that must appear
};

class StartAnalysis : public WindowTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(StartAnalysis, FillsTheResultsList) {
  const RunCase& c = GetParam();
  Form1& f = OpenShown();
  AddEntries(c.entries);
  if (c.population) Controls(f).Option2->click();
  if (c.places)
    Controls(f).Combo1->setEditText(c.places);
  else
    Controls(f).Check1->click();
  Controls(f).PushButton7->click();

  const QStringList rows = ResultRows();
  ASSERT_EQ(rows.size(), 12) << rows.join(" | ").toStdString();
  if (c.expectedRows.size() == 12) {
    EXPECT_EQ(rows, c.expectedRows);
  } else {
    for (const QString& expected : c.expectedRows) EXPECT_TRUE(rows.contains(expected)) << expected.toStdString();
  }
  for (int r = 0; r < 12; ++r) {
    const QModelIndex row = f.ResultsModel()->index(r);
    EXPECT_TRUE(row.flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(row.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(row.flags() & Qt::ItemIsEditable);
  }
  EXPECT_TRUE(dialogs_.AllShown().empty());
  EXPECT_EQ(f.Pointer().Get(), WindowPointer::State::Default);
  EXPECT_EQ(f.NumberList().Count(), c.entries.size());  // the list is not changed by a run
}

const RunCase kRuns[] = {
    {"SampleThreePlaces",
     {"2", "4", "4", "5"},
     false,
     "3",
     {"The number of entries is: 4", "The sum of the numbers are: 15", "The sum squared is: 225",
      "The sum of squares is: 61", "The mode is: 4", "The median is: 4", "The mean is: 3.75", "The variance is: 1.583",
      "The skew is: -1.129", "The average deviation is: 0.875", "The standard deviation is: 1.258",
      "The coefficient of variation is: 33.555 %"}},
    {"Population",
     {"2", "4", "4", "5"},
     true,
     "3",
     {"The variance is: 1.188", "The skew is: -1.739", "The standard deviation is: 1.09",
      "The coefficient of variation is: 29.059 %"}},
    {"ZeroPlacesTiesToEven",
     {"1", "2", "3", "4"},
     false,
     "0",
     {"The mean is: 2", "The coefficient of variation is: 52 %"}},
    {"ShowAllDecimals",
     {"1", "2", "3", "4"},
     false,
     nullptr,
     {"The variance is: 1.6666666667", "The standard deviation is: 1.2909944487",
      "The coefficient of variation is: 51.6397779494 %"}},
    {"SingleNumber",
     {"7"},
     false,
     "3",
     {"The mode is: None", "The average deviation is: 0", "The variance is: #Div/0!", "The skew is: #Div/0!",
      "The standard deviation is: #Div/0!", "The coefficient of variation is: #Div/0!"}},
    {"TiedModes", {"1", "2", "2", "3", "3"}, false, "3", {"The mode is: 2 or 3"}},
    {"LeadingNumbers", {"abc", "12abc"}, false, "3", {"The number of entries is: 2", "The sum of the numbers are: 12"}},
    {"TinyMeanShowsZero", {"0.00000000004"}, false, "3", {"The mean is: 0"}},
    // Ten decimals would show it as 0: all decimals show the value itself.
    {"ShowAllDecimalsTinyMean", {"0.00000000004"}, false, nullptr, {"The mean is: 4E-11"}},
    {"SampleNumbers",
     {"7", "15", "61", "100"},
     false,
     "3",
     {"The number of entries is: 4", "The sum of the numbers are: 183", "The sum squared is: 33489",
      "The sum of squares is: 13995", "The mode is: None", "The median is: 38", "The mean is: 45.75",
      "The variance is: 1874.25", "The skew is: 0.624", "The average deviation is: 34.75",
      "The standard deviation is: 43.293", "The coefficient of variation is: 94.629 %"}},
};

INSTANTIATE_TEST_SUITE_P(Examples, StartAnalysis, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, AnEmptyListOnlyComplains) {
  Form1& f = OpenShown();
  AddEntries({"1", "2"});
  Controls(f).PushButton7->click();
  const QStringList earlier = ResultRows();
  Controls(f).PushButton1->click();  // empty the numbers
  f.Pointer().Set(WindowPointer::State::Custom);
  Controls(f).PushButton7->click();
  EXPECT_EQ(dialogs_.Messages(), QStringList({"You forgot to input numbers."}));
  EXPECT_EQ(dialogs_.AllShown().back().caption, "Tallowmere");
  EXPECT_EQ(ResultRows(), earlier);
  EXPECT_EQ(f.Pointer().Get(), WindowPointer::State::Custom);
}

TEST_F(WindowTest, ANonNumericPlacesTextIsReportedAndThePreviousValueUsed) {
  Form1& f = OpenShown();
  AddEntries({"1", "2", "3", "4"});
  Controls(f).Combo1->setEditText("1");
  Controls(f).PushButton7->click();
  ASSERT_TRUE(ResultRows().contains("The mean is: 2.5"));
  Controls(f).Combo1->setEditText("x");
  Controls(f).PushButton7->click();
  EXPECT_EQ(dialogs_.ErrorReports(),
            QStringList({QString::fromStdString(ErrorReportText("Type mismatch", kStartAnalysisLocation, 106))}));
  EXPECT_TRUE(ResultRows().contains("The standard deviation is: 1.3"));  // still one place
}

// A click on an empty list reads nothing of the box: the places a later
// unreadable text falls back on are those of the last run that read them.
TEST_F(WindowTest, AClickOnAnEmptyListLeavesThePreviousPlaces) {
  Form1& f = OpenShown();
  AddEntries({"1", "2", "3", "4"});
  Controls(f).Combo1->setEditText("1");
  Controls(f).PushButton7->click();
  ASSERT_TRUE(ResultRows().contains("The standard deviation is: 1.3"));
  Controls(f).Combo1->setEditText("4");
  Controls(f).PushButton1->click();
  Controls(f).PushButton7->click();
  ASSERT_EQ(dialogs_.Messages(), QStringList({"You forgot to input numbers."}));
  Controls(f).Combo1->setEditText("x");
  AddEntries({"1", "2", "3", "4"});
  Controls(f).PushButton7->click();
  EXPECT_EQ(dialogs_.ErrorReports(),
            QStringList({QString::fromStdString(ErrorReportText("Type mismatch", kStartAnalysisLocation, 106))}));
  EXPECT_TRUE(ResultRows().contains("The standard deviation is: 1.3"));  // not 1.291
}

TEST_F(WindowTest, ARowWhoseStepFailedShowsDivZeroAfterItsReports) {
  Form1& f = OpenShown();
  dialogs_.QueueInput("1e308,1e308");
  Controls(f).PushButton3->click();
  Controls(f).PushButton7->click();
  const std::vector<std::pair<int, const char*>> failures = {
      {104, "Overflow"}, {106, "Overflow"},      {108, "Overflow"}, {112, "Overflow"},
      {114, "Overflow"}, {122, "Type mismatch"}, {158, "Overflow"}};
  QStringList reports;
  for (const auto& [label, description] : failures)
    reports << QString::fromStdString(ErrorReportText(description, kShowResultsLocation, label));
  EXPECT_EQ(dialogs_.ErrorReports(), reports);
  EXPECT_EQ(ResultRows(),
            QStringList({"The number of entries is: 2", "The mode is: 1E+308", "The mean is: #Div/0!",
                         "The variance is: #Div/0!", "The skew is: #Div/0!", "The average deviation is: #Div/0!",
                         "The standard deviation is: #Div/0!", "The coefficient of variation is: #Div/0!"}));
  EXPECT_EQ(f.Pointer().Get(), WindowPointer::State::Default);
}

constexpr const char* kStaleNote = "The number list has changed since these results.";

// The note over the results list, or "" when none shows.
QString ResultsNoteShown(Form1& f) { return f.ResultsNote().isVisible() ? f.ResultsNote().Text() : QString(); }

// Every kind of change of the number list after an analysis says that the
// results are of the list as it was, until the next analysis or until the
// results are cleared; the results themselves stay as they were.
TEST_F(WindowTest, TheResultsSayWhenTheListHasChangedSince) {
  QTemporaryDir files;
  const QString list = files.filePath("list.txt");
  {
    QFile out(list);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_EQ(out.write("8\n9\n"), 4);
    ASSERT_TRUE(out.flush());
  }
  const struct {
    const char* name;
    std::function<void(Form1&)> before;  // ahead of the analysis
    std::function<void(Form1&)> change;
  } cases[] = {
      {"clear", {}, [](Form1& f) { Controls(f).PushButton1->click(); }},
      {"typed",
       {},
       [this](Form1& f) {
         dialogs_.QueueInput("4");
         Controls(f).PushButton3->click();
       }},
      {"sample numbers", {}, [](Form1& f) { Controls(f).PushButton2->click(); }},
      {"removed by a double-click",
       {},
       [](Form1& f) {
         Controls(f).ListView1->selectRow(1);
         f.ListView1_DblClick();
       }},
      {"undone", {}, [](Form1& f) { f.UndoListChange(); }},
      {"redone",
       [](Form1& f) {
         Controls(f).PushButton2->click();
         f.UndoListChange();
       },
       [](Form1& f) { f.RedoListChange(); }},
      {"moved", {}, [](Form1& f) { f.NumberList().SwapTexts(0, 2); }},
      {"pasted", {}, [](Form1& f) { f.PasteNumbers("5\n6", AdditionSource::kClipboard); }},
      {"dropped text", {}, [](Form1& f) { f.PasteNumbers("5", AdditionSource::kDroppedText); }},
      {"dropped file", {}, [list](Form1& f) { f.OpenPaths({list.toStdString()}); }},
      {"loaded",
       {},
       [this, list](Form1& f) {
         dialogs_.QueueOpenFiles({list});
         Controls(f).PushButton6->click();
       }},
      {"not numbers removed", [](Form1& f) { f.NumberList().Append("x"); },
       [](Form1& f) { f.ListView1_RemoveNotNumbers(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = OpenShown();
    AddEntries({"1", "2", "3"});
    if (c.before) c.before(f);
    Controls(f).PushButton7->click();
    const QStringList results = ResultRows();
    ASSERT_EQ(results.size(), 12);
    c.change(f);
    QApplication::processEvents();
    EXPECT_EQ(ResultsNoteShown(f), kStaleNote);
    EXPECT_EQ(ResultRows(), results);
    // The next analysis is of the list as it is (an empty one is refused).
    Controls(f).PushButton7->click();
    EXPECT_EQ(ResultsNoteShown(f), f.NumberList().Count() > 0 ? QString() : QString(kStaleNote));
  }
  // Without results there is nothing to say.
  Form1& f = OpenShown();
  AddEntries({"1"});
  EXPECT_EQ(ResultsNoteShown(f), "");
  // Clearing the results takes the note with them, and a change after that
  // has no results to speak of.
  Controls(f).PushButton7->click();
  Controls(f).PushButton2->click();
  ASSERT_EQ(ResultsNoteShown(f), kStaleNote);
  Controls(f).PushButton8->click();
  EXPECT_EQ(ResultsNoteShown(f), "");
  Controls(f).PushButton1->click();
  EXPECT_EQ(ResultsNoteShown(f), "");
}

// The entries a run counted as something else than their text are named over
// the results, whatever their origin, until the results go or the list
// changes.
TEST_F(WindowTest, TheResultsNameTheEntriesThatAreNotNumbers) {
  const struct {
    const char* name;
    std::vector<std::string> entries;
    const char* note;
    const char* meanRow;
  } cases[] = {
      {"numbers only", {"10", "20", " 30 "}, "", "The mean is: 20"},
      {"a word", {"10", "20", "n/a"}, "1 entry is not a number and counts as 0: \"n/a\".", "The mean is: 10"},
      {"a number and a unit",
       {"42 kg", "", "8"},
       "2 entries are not numbers and count as 42 and 0: \"42 kg\", \"\".",
       "The mean is: 16.667"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = OpenShown();
    AddEntries(c.entries);
    Controls(f).PushButton7->click();
    EXPECT_TRUE(ResultRows().contains(c.meanRow)) << ResultRows().join(" | ").toStdString();
    EXPECT_EQ(ResultsNoteShown(f), c.note);
  }
  // Long texts: the note keeps to one line under the twelve rows, cut, and
  // says it whole to a screen reader.
  {
    Form1& f = OpenShown();
    const std::string word(40, 'w');
    AddEntries({word, word + "2", word + "3", "5"});
    Controls(f).PushButton7->click();
    const ListNotice& note = f.ResultsNote();
    ASSERT_TRUE(note.isVisible());
    EXPECT_TRUE(note.Text().startsWith("3 entries are not numbers and count as 0: \"www"));
    EXPECT_EQ(note.accessibleDescription(), note.Text());
    EXPECT_TRUE(note.text().endsWith(QChar(0x2026))) << note.text().toStdString();
    EXPECT_LT(note.height(), 2 * note.fontMetrics().height());
    QTableView* results = Controls(f).ListView2;
    EXPECT_LT(results->visualRect(results->model()->index(11, 0)).bottom(), note.geometry().top());
  }
  Form1& f = OpenShown();
  dialogs_.QueueInput("10, 20, n/a");
  Controls(f).PushButton3->click();
  Controls(f).PushButton7->click();
  const QString named = "1 entry is not a number and counts as 0: \"n/a\".";
  EXPECT_EQ(ResultsNoteShown(f), named);
  Controls(f).PushButton2->click();
  // A later change is said in its place: the results are to be made again.
  EXPECT_EQ(ResultsNoteShown(f), kStaleNote);
  Controls(f).PushButton8->click();
  EXPECT_EQ(ResultsNoteShown(f), "");
  EXPECT_FALSE(f.ResultsNote().isVisible());
}

TEST_F(WindowTest, SampleNumbersThenAnalysisFromTheButtons) {
  Form1& f = OpenShown();
  Controls(f).PushButton2->click();
  dialogs_.QueueInput("1, 2,3");
  Controls(f).PushButton3->click();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "15", "61", "100", "1", "2", "3"}));
  Controls(f).PushButton7->click();
  EXPECT_EQ(ResultRows().first(), "The number of entries is: 7");
}

// Tab, arrows, Space and Enter only: numbers in, analysis, ticks, a text
// file and the clipboard.
TEST_F(WindowTest, AWholeRunWorksFromTheKeyboardAlone) {
  Form1& f = OpenShown();
  const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  };
  const auto ticked = [&f] {
    std::vector<int> rows;
    for (int r = 0; r < f.ResultsModel()->rowCount(); ++r)
      if (f.ResultsModel()->Ticked(r)) rows.push_back(r);
    return rows;
  };
  ASSERT_EQ(QApplication::focusWidget(), Controls(f).ListView1);
  press(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Controls(f).PushButton3);
  dialogs_.QueueInput("2, 4, 4, 5");
  press(Qt::Key_Return);  // Enter presses the focused button, as Space does
  ASSERT_TRUE(QTest::qWaitFor([&] { return f.NumberList().Count() == 4; }, 2000));
  EXPECT_EQ(dialogs_.Prompts().size(), 1);

  // In reading order, through "Clear List", the selected method and the
  // decimal options, to "Start Analysis", then to the results.
  for (QWidget* next : {static_cast<QWidget*>(Controls(f).PushButton6), static_cast<QWidget*>(Controls(f).PushButton1),
                        static_cast<QWidget*>(Controls(f).PushButton2), static_cast<QWidget*>(Controls(f).Option1),
                        static_cast<QWidget*>(Controls(f).Combo1), static_cast<QWidget*>(Controls(f).Check1),
                        static_cast<QWidget*>(Controls(f).PushButton7)}) {
    press(Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    // Combo1's text field has the focus for the drop-down.
    ASSERT_EQ(Controls(f).Combo1->isAncestorOf(now) ? Controls(f).Combo1 : now, next)
        << next->metaObject()->className();
  }
  press(Qt::Key_Space);
  ASSERT_EQ(ResultRows().size(), 12);
  press(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Controls(f).ListView2);
  EXPECT_EQ(f.NumberList().Count(), 4u);  // passing "Clear List" cleared nothing
  // Coming in, the first row is the current one.
  press(Qt::Key_Space);
  press(Qt::Key_Down);
  press(Qt::Key_Space);
  EXPECT_EQ(ticked(), (std::vector<int>{0, 1}));
  press(Qt::Key_Space);  // again: unticks the current row
  EXPECT_EQ(ticked(), (std::vector<int>{0}));
  press(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(ticked().size(), 12u);
  press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(ticked().empty());
  press(Qt::Key_A, Qt::ControlModifier);

  QTemporaryDir out;
  const QString path = out.filePath("results.txt");
  press(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Controls(f).PushButton4);
  dialogs_.QueueSaveFile(path);
  press(Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() > 0; }, 2000));
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll().count("\r\n"), 13);  // the header and twelve rows

  for (int i = 0; i < 2; ++i) press(Qt::Key_Tab);  // by the Excel button
  ASSERT_EQ(QApplication::focusWidget(), Controls(f).PushButton5);
  QGuiApplication::clipboard()->clear();
  press(Qt::Key_Space);
  const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n", Qt::SkipEmptyParts);
  EXPECT_EQ(lines, ResultRows());
  EXPECT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
}

}  // namespace
