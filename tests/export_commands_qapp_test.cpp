// The three export commands: through the window's buttons with scripted
// dialogs, and directly with a host of the test's own where the test must
// change the list while window events run. The spreadsheet command runs
// against a spreadsheet application in memory.
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableView>

#include "input/LoadFilesCommand.h"
#include "results/ExportCommands.h"
#include "tests/support/FakeSpreadsheet.h"
#include "tests/support/ReportListKit.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::platform;
using namespace tallowmere::input;
using namespace tallowmere::results;
using namespace tallowmere::app;

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
const char* const kNothingTicked =
    "No result lines are ticked. Tick the lines to export, or press Ctrl+A in the results list to tick them all.";

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
    Controls(form()).PushButton7->click();
    ASSERT_EQ(form().ResultsModel()->rowCount(), 12);
    for (int r : rows) form().ResultsModel()->SetTicked(r, true);
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
  Controls(form()).PushButton4->click();

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
  Controls(form()).PushButton4->click();
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
  Controls(form()).PushButton4->click();
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
  Controls(form()).PushButton5->click();

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
  Controls(form()).PushButton5->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("what the user had"));
  EXPECT_EQ(dialogs_.Messages(), QStringList{QString::fromLatin1(kCopiedNotice)});
}

TEST_F(ExportWindow, ClipboardWithNothingTickedKeepsItsTextAndTheNoticeAdviceWorks) {
  AnalyseAndTick({3});
  form().ResultsModel()->SetTicked(3, false);  // ticked, then unticked again
  QGuiApplication::clipboard()->setText(QStringLiteral("old"));
  Controls(form()).PushButton5->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("old"));
  EXPECT_EQ(dialogs_.Messages(), QStringList{QString::fromLatin1(kNothingTickedMessage)});

  // What the notice advises: Ctrl+A in the results list, then copy again.
  dialogs_.Clear();
  QTest::keyClick(Controls(form()).ListView2, Qt::Key_A, Qt::ControlModifier);
  Controls(form()).PushButton5->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts), ResultRows());
  EXPECT_EQ(dialogs_.Messages(), QStringList{QString::fromLatin1(kCopiedNotice)});
}

// ---------------------------------------------------------------------------
// The commands with a host of the test's own: a list that changes while
// window events run.

struct DirectHost {
  DirectHost(std::unique_ptr<reportlist::Table> l, FakeDialogs& d) : list(std::move(l)), dialogs(d) {}

  std::unique_ptr<reportlist::Table> list;
  FakeDialogs& dialogs;
  std::vector<bool> busy;
  int pumps = 0;
  std::function<void()> onPump;
  platform::Factory spreadsheet;  // empty: the real application

  struct Sink : ErrorSink {
    DirectHost* host = nullptr;
    void ReportError(const std::string& description, std::string_view location, int label) override {
      host->dialogs.ErrorReport(QString::fromStdString(ErrorReportText(description, location, label)));
    }
  } sink;

  ExportHost Host() {
    sink.host = this;
    return ExportHost{*list,
                      dialogs,
                      sink,
                      [this](bool b) { busy.push_back(b); },
                      [this] {
                        ++pumps;
                        if (onPump) onPump();
                      },
                      spreadsheet};
  }
};

TEST_F(ExportWindow, TextFileLeftPartlyWrittenWhenTheListEmptiesMidWay) {
  DirectHost h{reportlist::Make({QStringLiteral("Result(s)")}, {{{"abc"}, true}, {{"de"}, true}}), dialogs_};
  const QString path = Temp("partial.txt");
  dialogs_.QueueSaveFile(path);
  // Widths (2 calls), header (1), then the first row: another command clears
  // the list just then.
  h.onPump = [&] {
    if (h.pumps == 4) h.list->rows.clear();
  };
  SaveResultsAsTextFile(h.Host());
  EXPECT_EQ(ReportedLabels(dialogs_, kSaveLocation), std::vector<int>{120});
  EXPECT_EQ(ReadAll(path), QByteArray("Result(s)\t\r\n"));
  EXPECT_EQ(h.busy, (std::vector<bool>{true, false}));
}

TEST_F(ExportWindow, ClipboardFailureWhileReadingIsReportedAt110ThenTheNotice) {
  DirectHost h{reportlist::Make({QStringLiteral("Result(s)")}, {{{"abc"}, true}}), dialogs_};
  h.onPump = [&] { h.list->rows.clear(); };
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
  int pumps;            // C + R + T*C
  const char* message;  // the one message box, nullptr for none
};

class SpreadsheetCommand : public ExportWindow, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(SpreadsheetCommand, LeavesThisWorkbookShown) {
  const SheetCase& c = GetParam();
  InstalledFake installed;
  DirectHost h{reportlist::Make(c.headers, c.rows), dialogs_};
  h.spreadsheet = installed.Factory();
  SaveResultsToSpreadsheet(h.Host());
  EXPECT_EQ(dialogs_.Messages(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
  EXPECT_EQ(dialogs_.AllShown().size(), c.message ? 1u : 0u);
  EXPECT_EQ(h.pumps, c.pumps);
  if (c.cells.empty()) {
    // The availability test's start only; no workbook.
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
                  1 + 3 + 2,
                  nullptr},
        // "=" goes from the second column on; headers and column 1 keep it.
        SheetCase{
            "EqualsRemovedFromColumnTwoOn",
            {"=H1", "B=2"},
            {{{"=A1+1", "=A1+1 = 2"}, true}, {{"x", "y"}, false}, {{"p", "q==r"}, true}},
            {{{1, 1}, "=H1"}, {{1, 2}, "B=2"}, {{2, 1}, "=A1+1"}, {{2, 2}, "A1+1  2"}, {{4, 1}, "p"}, {{4, 2}, "qr"}},
            2 + 3 + 4,
            nullptr},
        // Nothing to export: only the notice, no workbook.
        SheetCase{"NoneTickedOnlyTheNotice", {"Result(s)"}, {{{"a"}, false}, {{"b"}, false}}, {}, 0, kNothingTicked},
        SheetCase{"NoRowsNothing", {"Result(s)"}, {}, {}, 0, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportWindow, SpreadsheetThroughTheButton) {
  AnalyseAndTick({1, 5});
  InstalledFake installed;
  UseSpreadsheet(installed.Factory());
  std::vector<State> pointerWhenShown;
  installed.outcome.onShow = [&] { pointerWhenShown.push_back(form().Pointer().Get()); };
  Controls(form()).PushButton13->click();
  ExpectShownWorkbook(
      installed, {{{1, 1}, "Result(s)"}, {{3, 1}, "The sum of the numbers are: 15"}, {{7, 1}, "The median is: 4"}}, 1);
  EXPECT_EQ(pointerWhenShown, std::vector<State>{State::Busy});
  EXPECT_EQ(form().Pointer().Get(), State::Default);
  EXPECT_TRUE(dialogs_.AllShown().empty());
}

TEST_F(ExportWindow, SpreadsheetMissingGivesBothMessagesInOrderEvenForAnEmptyList) {
  Open();
  InstalledFake installed;
  UseSpreadsheet(installed.Factory());
  installed.outcome.startFails = [](int) { return true; };
  Controls(form()).PushButton13->click();
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
  h.spreadsheet = installed.Factory();
  SaveResultsToSpreadsheet(h.Host());
  // Every step that needs the application or its workbook fails in its turn;
  // the pointer is still reset at the end.
  EXPECT_EQ(ReportedLabels(dialogs_, kSheetLocation), (std::vector<int>{112, 114, 124, 132, 152, 152, 166, 168}));
  for (const QString& report : dialogs_.ErrorReports().mid(1))
    EXPECT_TRUE(report.startsWith(QStringLiteral("The spreadsheet or its workbook could not be obtained\r\n")))
        << report.toStdString();
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
  h.spreadsheet = installed.Factory();
  SaveResultsToSpreadsheet(h.Host());
  EXPECT_EQ(ReportedLabels(dialogs_, kSheetLocation), (std::vector<int>{128, 152, 156}));
  for (const QString& report : dialogs_.ErrorReports())
    EXPECT_TRUE(report.startsWith(QString::fromUtf8(spreadsheettest::kRefusedCellMessage) + "\r\n"))
        << report.toStdString();
  ExpectShownWorkbook(installed, {{{1, 1}, "Result(s)"}, {{2, 1}, "a"}, {{2, 2}, "x"}, {{3, 2}, "y"}, {{4, 1}, "c"}},
                      2);
  EXPECT_EQ(h.busy, (std::vector<bool>{true, false}));
}

// ---------------------------------------------------------------------------
// Each export through its button when there is nothing, or something, to
// export: rows of which none is ticked, an empty results list, and rows 1 and
// 7 of 2, 4, 4, 5 ticked. The clipboard holds the user's own text before.

const char* const kUsersClipboard = "what the user had";

enum class Button { kTextFile, kClipboard, kSpreadsheet };
enum class Ticks { kNone, kEmptyList, kRows1And7 };

struct TickCase {
  const char* name;
  Button button;
  Ticks ticks;
  const char* message;    // the one message box, nullptr for none
  bool saveDialog;        // whether the save dialog was shown
  QByteArray file;        // the chosen file afterwards, "<missing>" when none was written
  const char* clipboard;  // the clipboard afterwards
  Cells workbook;         // the one shown workbook; empty when none was made
};

class ExportTicks : public ExportWindow, public ::testing::WithParamInterface<TickCase> {};

TEST_P(ExportTicks, ExportsOnlyWhatIsTicked) {
  const TickCase& c = GetParam();
  InstalledFake installed;
  UseSpreadsheet(installed.Factory());
  if (c.ticks == Ticks::kEmptyList)
    Open();
  else if (c.ticks == Ticks::kNone)
    AnalyseAndTick({});
  else
    AnalyseAndTick({0, 6});
  QGuiApplication::clipboard()->setText(QString::fromLatin1(kUsersClipboard));
  const QString path = Temp("results.txt");
  dialogs_.QueueSaveFile(path);
  std::vector<State> pointerAtMessage;
  dialogs_.OnShow([&](const FakeDialogs::Shown& shown) {
    if (shown.kind == FakeDialogs::Kind::Message) pointerAtMessage.push_back(form().Pointer().Get());
  });
  QPushButton* button = c.button == Button::kTextFile    ? Controls(form()).PushButton4
                        : c.button == Button::kClipboard ? Controls(form()).PushButton5
                                                         : Controls(form()).PushButton13;
  button->click();

  EXPECT_EQ(dialogs_.Messages(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
  for (const auto& shown : dialogs_.AllShown()) {
    if (shown.kind == FakeDialogs::Kind::Message) {
      EXPECT_EQ(shown.caption, ApplicationTitle());
    }
  }
  EXPECT_EQ(dialogs_.Texts(FakeDialogs::Kind::SaveFile).size(), c.saveDialog ? 1u : 0u);
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
  EXPECT_EQ(ReadAll(path), c.file);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(c.clipboard));
  if (c.workbook.empty()) {
    EXPECT_TRUE(installed.outcome.books.empty());
  } else {
    ExpectShownWorkbook(installed, c.workbook, 1);
  }
  const int starts = c.button != Button::kSpreadsheet ? 0 : c.workbook.empty() ? 1 : 2;
  EXPECT_EQ(installed.outcome.starts, starts) << "the availability test is made first in every case";
  // Nothing ticked: the notice comes before anything is done, the pointer too.
  if (c.message == kNothingTicked) {
    EXPECT_EQ(pointerAtMessage, std::vector<State>{State::Default});
  }
  EXPECT_EQ(form().Pointer().Get(), State::Default);
}

const QByteArray kNoFile = "<missing>";
const QByteArray kRows1And7File = Pad("Result(s)", kWidestRow) + "\t\r\n" +
                                  Pad("The number of entries is: 4", kWidestRow) + "\t\r\n" +
                                  Pad("The mean is: 3.75", kWidestRow) + "\t\r\n";

INSTANTIATE_TEST_SUITE_P(
    NoneEmptySome, ExportTicks,
    ::testing::Values(
        TickCase{
            "TextFileNoneTicked", Button::kTextFile, Ticks::kNone, kNothingTicked, false, kNoFile, kUsersClipboard, {}},
        TickCase{"TextFileEmptyListHeaderOnly",
                 Button::kTextFile,
                 Ticks::kEmptyList,
                 nullptr,
                 true,
                 "Result(s)\t\r\n",
                 kUsersClipboard,
                 {}},
        TickCase{"TextFileRows1And7",
                 Button::kTextFile,
                 Ticks::kRows1And7,
                 nullptr,
                 true,
                 kRows1And7File,
                 kUsersClipboard,
                 {}},
        TickCase{"ClipboardNoneTicked",
                 Button::kClipboard,
                 Ticks::kNone,
                 kNothingTicked,
                 false,
                 kNoFile,
                 kUsersClipboard,
                 {}},
        TickCase{"ClipboardEmptyListKeepsItAndNotices",
                 Button::kClipboard,
                 Ticks::kEmptyList,
                 kCopiedNotice,
                 false,
                 kNoFile,
                 kUsersClipboard,
                 {}},
        TickCase{"ClipboardRows1And7",
                 Button::kClipboard,
                 Ticks::kRows1And7,
                 kCopiedNotice,
                 false,
                 kNoFile,
                 "The number of entries is: 4\r\nThe mean is: 3.75\r\n",
                 {}},
        TickCase{"SpreadsheetNoneTicked",
                 Button::kSpreadsheet,
                 Ticks::kNone,
                 kNothingTicked,
                 false,
                 kNoFile,
                 kUsersClipboard,
                 {}},
        TickCase{"SpreadsheetEmptyListNothing",
                 Button::kSpreadsheet,
                 Ticks::kEmptyList,
                 nullptr,
                 false,
                 kNoFile,
                 kUsersClipboard,
                 {}},
        TickCase{"SpreadsheetRows1And7",
                 Button::kSpreadsheet,
                 Ticks::kRows1And7,
                 nullptr,
                 false,
                 kNoFile,
                 kUsersClipboard,
                 {{{1, 1}, "Result(s)"}, {{2, 1}, "The number of entries is: 4"}, {{8, 1}, "The mean is: 3.75"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// ---------------------------------------------------------------------------
// The bytes of all three exports for whole runs, against files kept from the
// program as it wrote them: each run's list with some rows ticked, exported to
// a text file, the clipboard and a workbook one after another.

struct KeptCase {
  const char* name;  // also the kept files' name
  std::vector<std::string> entries;
  numtext::Separators separators;
  bool population;
  const char* places;  // nullptr: "Show all decimals"
  std::vector<int> ticked;
};

// A workbook as lines: "row<TAB>column<TAB>text" per cell, then each fitted
// column and its width.
QByteArray WorkbookBytes(const spreadsheettest::Book& book) {
  QByteArray out;
  for (const auto& [at, text] : book.cells)
    out += QByteArray::number(at.first) + '\t' + QByteArray::number(at.second) + '\t' + text.toUtf8() + '\n';
  for (long column : book.fittedColumns) out += "fitted\t" + QByteArray::number(column) + '\n';
  for (const auto& [column, width] : book.widths)
    out += "width\t" + QByteArray::number(column) + '\t' + QByteArray::number(width) + '\n';
  return out;
}

QByteArray KeptFile(const char* name, const char* kind) {
  return ReadAll(QStringLiteral(TALLOWMERE_KEPT_EXPORTS_DIR "/") + QString::fromLatin1(name) + QLatin1Char('.') +
                 QString::fromLatin1(kind));
}

class KeptExports : public ExportWindow, public ::testing::WithParamInterface<KeptCase> {};

TEST_P(KeptExports, WriteTheBytesTheyAlwaysWrote) {
  const KeptCase& c = GetParam();
  InstalledFake installed;
  UseSpreadsheet(installed.Factory());
  Open(c.separators);
  AddEntries(c.entries);
  if (c.population) Controls(form()).Option2->click();
  if (c.places)
    Controls(form()).Combo1->setEditText(QString::fromLatin1(c.places));
  else
    Controls(form()).Check1->click();
  Controls(form()).PushButton7->click();
  QAbstractItemModel& list = *form().ResultsModel();
  for (int r : c.ticked) ASSERT_TRUE(list.setData(list.index(r, 0), Qt::Checked, Qt::CheckStateRole)) << r;
  dialogs_.Clear();

  const QString path = Temp("results.txt");
  dialogs_.QueueSaveFile(path);
  Controls(form()).PushButton4->click();
  Controls(form()).PushButton5->click();
  Controls(form()).PushButton13->click();
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());

  EXPECT_EQ(ReadAll(path), KeptFile(c.name, "txt"));
  EXPECT_EQ(QGuiApplication::clipboard()->text().toUtf8(), KeptFile(c.name, "clip"));
  ASSERT_EQ(installed.outcome.books.size(), 1u);
  EXPECT_EQ(WorkbookBytes(*installed.outcome.books.front()), KeptFile(c.name, "sheet"));
}

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

INSTANTIATE_TEST_SUITE_P(
    Runs, KeptExports,
    ::testing::Values(
        KeptCase{"SampleThreePlacesRows1And7", {"2", "4", "4", "5"}, kEnglish, false, "3", {0, 6}},
        KeptCase{"SampleTwoPlacesAllTicked",
                 {"1.5", "2.25", "-3", "10", "10", "0.001"},
                 kEnglish,
                 false,
                 "2",
                 {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        KeptCase{"PopulationAllDecimalsEveryOtherRow",
                 {"1", "2", "3", "4", "100.125"},
                 kEnglish,
                 true,
                 nullptr,
                 {1, 3, 5, 7, 9, 11}},
        KeptCase{"PopulationNoPlacesLastRowOnly", {"7", "8", "9.75"}, kEnglish, true, "0", {11}},
        KeptCase{"TiedModesAndTheirRow", {"1", "1", "2", "2", "3", "12345.5"}, kEnglish, false, "4", {3, 4, 5}},
        KeptCase{"GermanSeparatorsAllDecimals",
                 {"1,5", "2,75", "1000", "1.234,5"},
                 kGerman,
                 false,
                 nullptr,
                 {0, 1, 6, 9, 10, 11}},
        // The sums overflow: the run leaves out the rows it could not work
        // out, and the list holds only those it reached.
        KeptCase{"StoppedPartWay", {"1e308", "1e308"}, kEnglish, false, "3", {0, 1, 4}}),
    [](const auto& info) { return std::string(info.param.name); });
