// The three export commands: through the window's buttons with scripted
// dialogs, and directly with a host of the test's own where the test must
// change the list while window events run. The spreadsheet command runs
// against a spreadsheet application in memory.
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QStandardItemModel>

#include "input/LoadFilesCommand.h"
#include "results/ExportCommands.h"
#include "tests/support/FakeSpreadsheet.h"
#include "tests/support/ReportListKit.h"
#include "tests/support/WindowTestKit.h"

using namespace windowtest;
using reportlist::Row;
using spreadsheettest::Cells;
using spreadsheettest::InstalledFake;
using spreadsheettest::Widths;
using State = WindowPointer::State;

namespace {

const QString kSaveLocation = QString::fromLatin1(kSaveTextFileLocation);
const QString kCopyLocation = QString::fromLatin1(kCopyToClipboardLocation);
const QString kSheetLocation = QString::fromLatin1(kSaveSpreadsheetLocation);

// The labels named by the reports, all of which must name `location`.
std::vector<int> ReportedLabels(const FakeDialogs& dialogs, const QString& location) {
  std::vector<int> labels;
  for (const QString& report : dialogs.ErrorReports()) {
    EXPECT_TRUE(report.contains(QStringLiteral("\r\n") + location + QStringLiteral("at line ")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("\r\rPlease email screenshot of this message to ")))
        << report.toStdString();
    labels.push_back(report.section(QStringLiteral("at line "), 1).section(QLatin1Char('\r'), 0, 0).toInt());
  }
  return labels;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll();
}

QByteArray Pad(const char* text, int width) {
  QByteArray out(text);
  out.append(QByteArray(width - out.size(), ' '));
  return out;
}

// The analysis of 2, 4, 4, 5 (Sample, three places) ends in a row of 41
// characters: 'The coefficient of variation is: 33.555 %'.
constexpr int kWidestRow = 41;

class ExportWindow : public WindowTest {
 protected:
  void AnalyseAndTick(std::initializer_list<int> rows) {
    Open();
    AddEntries({"2", "4", "4", "5"});
    form().PushButton7->click();
    ASSERT_EQ(form().ResultsModel()->rowCount(), 12);
    for (int r : rows) form().ResultsModel()->item(r)->setCheckState(Qt::Checked);
  }
  QString Temp(const char* name) const { return scratch_.filePath(QString::fromLatin1(name)); }

  QTemporaryDir scratch_;
};

// ---------------------------------------------------------------------------
// Save Results As Text File.

TEST_F(ExportWindow, TextFileOfTheTickedRows) {
  AnalyseAndTick({0, 6});
  const QString path = Temp("results.txt");
  dialogs_.QueueSaveFile(path);
  form().PushButton4->click();

  ASSERT_EQ(dialogs_.Texts(FakeDialogs::Kind::SaveFile), std::vector<QString>{QStringLiteral("Save")});
  EXPECT_EQ(dialogs_.LastFilters(),
            (QStringList{QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")}));
  EXPECT_EQ(ReadAll(path), Pad("Result(s)", kWidestRow) + "\t\r\n" + Pad("The number of entries is: 4", kWidestRow) +
                               "\t\r\n" + Pad("The mean is: 3.75", kWidestRow) + "\t\r\n");
  EXPECT_TRUE(dialogs_.Messages().isEmpty()) << "no message confirms a save";
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
  EXPECT_EQ(form().Pointer().Get(), State::Default);
}

TEST_F(ExportWindow, TextFileCancelWritesNothingAndLeavesThePointer) {
  AnalyseAndTick({0});
  form().Pointer().Set(State::Custom);
  form().PushButton4->click();
  EXPECT_EQ(dialogs_.Texts(FakeDialogs::Kind::SaveFile).size(), 1u);
  EXPECT_TRUE(QDir(scratch_.path()).isEmpty());
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
  EXPECT_EQ(form().Pointer().Get(), State::Custom);
}

TEST_F(ExportWindow, TextFileInAMissingFolderIsReportedAt120AndThePointerReset) {
  AnalyseAndTick({0});
  dialogs_.QueueSaveFile(Temp("no such folder/results.txt"));
  std::vector<State> pointerAtReport;
  dialogs_.OnShow([&](const FakeDialogs::Shown& shown) {
    if (shown.kind == FakeDialogs::Kind::ErrorReport) pointerAtReport.push_back(form().Pointer().Get());
  });
  form().PushButton4->click();
  EXPECT_EQ(ReportedLabels(dialogs_, kSaveLocation), std::vector<int>{120});
  EXPECT_EQ(pointerAtReport, std::vector<State>{State::Busy});
  EXPECT_EQ(form().Pointer().Get(), State::Default) << "line 122 still runs";
}

// ---------------------------------------------------------------------------
// Copy Results To Clipboard.

TEST_F(ExportWindow, ClipboardThenTheNotice) {
  AnalyseAndTick({0, 6, 11});
  std::vector<State> pointerAtNotice;
  QString clipboardAtNotice;
  dialogs_.OnShow([&](const FakeDialogs::Shown&) {
    pointerAtNotice.push_back(form().Pointer().Get());
    clipboardAtNotice = QGuiApplication::clipboard()->text();
  });
  form().PushButton5->click();

  EXPECT_EQ(clipboardAtNotice, QStringLiteral("The number of entries is: 4\r\nThe mean is: 3.75\r\n"
                                              "The coefficient of variation is: 33.555 %\r\n"));
  ASSERT_EQ(dialogs_.AllShown().size(), 1u);
  EXPECT_EQ(dialogs_.AllShown()[0].kind, FakeDialogs::Kind::Message);
  EXPECT_EQ(dialogs_.AllShown()[0].caption, ApplicationTitle());
  EXPECT_EQ(dialogs_.AllShown()[0].text,
            QStringLiteral("Results have been copied to the clipboard.\r\rClick a text area where you normally type "
                           "and press Ctrl+V to paste the clipboard."));
  EXPECT_EQ(pointerAtNotice, std::vector<State>{State::Busy}) << "busy until the notice is closed";
  EXPECT_EQ(form().Pointer().Get(), State::Default);
}

TEST_F(ExportWindow, ClipboardOfAnEmptyListKeepsItsTextAndStillShowsTheNotice) {
  Open();
  QGuiApplication::clipboard()->setText(QStringLiteral("what the user had"));
  form().PushButton5->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("what the user had"));
  EXPECT_EQ(dialogs_.Messages(), QStringList{QString::fromLatin1(kCopiedNotice)});
}

TEST_F(ExportWindow, ClipboardWithNothingTickedHoldsTheEmptyText) {
  AnalyseAndTick({});
  QGuiApplication::clipboard()->setText(QStringLiteral("old"));
  form().PushButton5->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
  EXPECT_EQ(dialogs_.Messages().size(), 1);
}

// ---------------------------------------------------------------------------
// The commands with a host of the test's own: a list that changes while
// window events run.

struct DirectHost {
  DirectHost(std::unique_ptr<QStandardItemModel> l, FakeDialogs& d) : list(std::move(l)), dialogs(d) {}

  std::unique_ptr<QStandardItemModel> list;
  FakeDialogs& dialogs;
  std::vector<bool> busy;
  int pumps = 0;
  std::function<void()> onPump;

  struct Sink : ErrorSink {
    DirectHost* host = nullptr;
    void ReportError(const std::string& description, std::string_view location, int label) override {
      host->dialogs.ErrorReport(QString::fromStdString(ErrorReportText(description, location, label)));
    }
  } sink;

  ExportHost Host() {
    sink.host = this;
    return ExportHost{*list, dialogs, sink, [this](bool b) { busy.push_back(b); },
                      [this] {
                        ++pumps;
                        if (onPump) onPump();
                      }};
  }
};

TEST_F(ExportWindow, TextFileLeftPartlyWrittenWhenTheListEmptiesMidWay) {
  DirectHost h{reportlist::Make({QStringLiteral("Result(s)")}, {{{"abc"}, true}, {{"de"}, true}}), dialogs_};
  const QString path = Temp("partial.txt");
  dialogs_.QueueSaveFile(path);
  // Widths (2 calls), header (1), then the first row: another command clears
  // the list just then.
  h.onPump = [&] {
    if (h.pumps == 4) h.list->removeRows(0, h.list->rowCount());
  };
  SaveResultsAsTextFile(h.Host());
  EXPECT_EQ(ReportedLabels(dialogs_, kSaveLocation), std::vector<int>{120});
  EXPECT_EQ(ReadAll(path), QByteArray("Result(s)\t\r\n"));
  EXPECT_EQ(h.busy, (std::vector<bool>{true, false}));
}

TEST_F(ExportWindow, ClipboardFailureWhileReadingIsReportedAt110ThenTheNotice) {
  DirectHost h{reportlist::Make({QStringLiteral("Result(s)")}, {{{"abc"}, true}}), dialogs_};
  h.onPump = [&] { h.list->removeRows(0, h.list->rowCount()); };
  CopyResultsToClipboard(h.Host());
  EXPECT_EQ(ReportedLabels(dialogs_, kCopyLocation), std::vector<int>{110});
  ASSERT_EQ(dialogs_.AllShown().size(), 2u);
  EXPECT_EQ(dialogs_.AllShown()[1].kind, FakeDialogs::Kind::Message);
  EXPECT_EQ(h.busy, (std::vector<bool>{true, false}));
}

// ---------------------------------------------------------------------------
// Save Results As Excel File, against the application in memory.

// Every column as wide as its longest text.
Widths FittedTo(const Cells& cells) {
  Widths widths;
  for (const auto& [at, text] : cells) widths[at.second] = std::max(widths[at.second], text.size());
  return widths;
}

// The one workbook the export made: it must hold `cells`, have had its header
// columns fitted one by one and then all columns, and have been shown once
// with all of it in place.
void ExpectShownWorkbook(const InstalledFake& installed, const Cells& cells, int columns) {
  ASSERT_EQ(installed.outcome.books.size(), 1u);
  const spreadsheettest::Book& book = *installed.outcome.books.front();
  EXPECT_EQ(book.cells, cells);
  std::vector<long> eachColumn;
  for (long c = 1; c <= columns; ++c) eachColumn.push_back(c);
  EXPECT_EQ(book.fittedColumns, eachColumn);
  EXPECT_EQ(book.allColumnsFitted, 1);
  EXPECT_EQ(book.timesShown, 1);
  EXPECT_EQ(book.cellsShown, cells) << "shown before every cell was in place";
  EXPECT_EQ(book.widthsShown, FittedTo(cells)) << "shown before the columns were fitted";
}

struct SheetCase {
  const char* name;
  std::vector<QString> headers;
  std::vector<Row> rows;
  Cells cells;
  int pumps;  // C + R + T*C
};

class SpreadsheetCommand : public ExportWindow, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(SpreadsheetCommand, LeavesThisWorkbookShown) {
  const SheetCase& c = GetParam();
  InstalledFake installed;
  DirectHost h{reportlist::Make(c.headers, c.rows), dialogs_};
  SaveResultsToSpreadsheet(h.Host());
  EXPECT_TRUE(dialogs_.AllShown().empty());
  EXPECT_EQ(h.pumps, c.pumps);
  if (c.rows.empty()) {
    // The availability test's start only; nothing visible happens.
    EXPECT_EQ(installed.outcome.starts, 1);
    EXPECT_TRUE(installed.outcome.books.empty());
    EXPECT_TRUE(h.busy.empty());
    return;
  }
  EXPECT_EQ(installed.outcome.starts, 2) << "the availability test, then the export";
  ExpectShownWorkbook(installed, c.cells, static_cast<int>(c.headers.size()));
  EXPECT_EQ(h.busy, (std::vector<bool>{true, false}));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SpreadsheetCommand,
    ::testing::Values(
        // An unticked row leaves its sheet row empty: row 3 is skipped.
        SheetCase{"GapForAnUntickedRow",
                  {"Result(s)"},
                  {{{"r1"}, true}, {{"r2"}, false}, {{"=r3"}, true}},
                  {{{1, 1}, "Result(s)"}, {{2, 1}, "r1"}, {{4, 1}, "=r3"}},
                  1 + 3 + 2},
        // "=" goes from the second column on; headers and column 1 keep it.
        SheetCase{
            "EqualsRemovedFromColumnTwoOn",
            {"=H1", "B=2"},
            {{{"=A1+1", "=A1+1 = 2"}, true}, {{"x", "y"}, false}, {{"p", "q==r"}, true}},
            {{{1, 1}, "=H1"}, {{1, 2}, "B=2"}, {{2, 1}, "=A1+1"}, {{2, 2}, "A1+1  2"}, {{4, 1}, "p"}, {{4, 2}, "qr"}},
            2 + 3 + 4},
        SheetCase{"NoneTickedGivesTheHeaderOnly",
                  {"Result(s)"},
                  {{{"a"}, false}, {{"b"}, false}},
                  {{{1, 1}, "Result(s)"}},
                  1 + 2},
        SheetCase{"NoRowsNothing", {"Result(s)"}, {}, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportWindow, SpreadsheetThroughTheButton) {
  AnalyseAndTick({1, 5});
  InstalledFake installed;
  std::vector<State> pointerWhenShown;
  installed.outcome.onShow = [&] { pointerWhenShown.push_back(form().Pointer().Get()); };
  form().PushButton13->click();
  ExpectShownWorkbook(
      installed, {{{1, 1}, "Result(s)"}, {{3, 1}, "The sum of the numbers are: 15"}, {{7, 1}, "The median is: 4"}}, 1);
  EXPECT_EQ(pointerWhenShown, std::vector<State>{State::Busy});
  EXPECT_EQ(form().Pointer().Get(), State::Default);
  EXPECT_TRUE(dialogs_.AllShown().empty());
}

TEST_F(ExportWindow, SpreadsheetMissingGivesBothMessagesInOrderEvenForAnEmptyList) {
  Open();
  InstalledFake installed;
  installed.outcome.startFails = [](int) { return true; };
  form().PushButton13->click();
  EXPECT_EQ(dialogs_.Messages(),
            (QStringList{QStringLiteral("Excel is not installed on this computer. You need to have it installed to use "
                                        "this software without error."),
                         QStringLiteral("Excel is not installed on this computer. You need to have it installed to use "
                                        "this feature.")}));
  for (const auto& shown : dialogs_.AllShown()) EXPECT_EQ(shown.caption, ApplicationTitle());
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
  EXPECT_EQ(installed.outcome.starts, 1);
  EXPECT_TRUE(installed.outcome.books.empty());
  EXPECT_EQ(form().Pointer().Get(), State::Default);
}

TEST_F(ExportWindow, SpreadsheetThatCannotBeStartedTheSecondTimeFailsStepByStep) {
  InstalledFake installed;
  installed.outcome.startFails = [](int n) { return n == 2; };
  DirectHost h{reportlist::Make({QStringLiteral("Result(s)")}, {{{"a"}, true}, {{"b"}, false}, {{"c"}, true}}),
               dialogs_};
  SaveResultsToSpreadsheet(h.Host());
  // Every step that needs the application or its workbook fails in its turn;
  // the pointer is still reset at the end.
  EXPECT_EQ(ReportedLabels(dialogs_, kSheetLocation), (std::vector<int>{112, 114, 124, 132, 152, 152, 166, 168}));
  for (const QString& report : dialogs_.ErrorReports().mid(1))
    EXPECT_TRUE(report.startsWith(QStringLiteral("Object variable not set\r\n"))) << report.toStdString();
  EXPECT_EQ(installed.outcome.starts, 2);
  EXPECT_TRUE(installed.outcome.books.empty());
  EXPECT_EQ(h.busy, (std::vector<bool>{true, false}));
}

TEST_F(ExportWindow, SpreadsheetCellsTheApplicationRefusesAreReportedAndTheRestArrives) {
  InstalledFake installed;
  installed.outcome.refuses = [](const QString& text) { return text.startsWith(QStringLiteral("bad")); };
  DirectHost h{reportlist::Make({QStringLiteral("Result(s)"), QStringLiteral("bad header")},
                                {{{"a", "x"}, true}, {{"bad", "y"}, true}, {{"c", "bad too"}, true}}),
               dialogs_};
  SaveResultsToSpreadsheet(h.Host());
  EXPECT_EQ(ReportedLabels(dialogs_, kSheetLocation), (std::vector<int>{128, 152, 156}));
  ExpectShownWorkbook(installed, {{{1, 1}, "Result(s)"}, {{2, 1}, "a"}, {{2, 2}, "x"}, {{3, 2}, "y"}, {{4, 1}, "c"}},
                      2);
  EXPECT_EQ(h.busy, (std::vector<bool>{true, false}));
}

}  // namespace
