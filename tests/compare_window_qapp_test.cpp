// The compare window: each list's statistics against the main window's own
// analysis of the same numbers, following the main window's method and
// decimals, "Copy as Table" against the results list's, the CSV file, "Send
// to Number List" and its undo, the box plots' shared axis and pictures, and
// what keyboard and assistive technology reach.
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTableView>
#include <functional>
#include <numeric>
#include <ostream>
#include <string_view>

#include "app/CompareModel.h"
#include "app/CompareWindow.h"
#include "app/CompareWorkbook.h"
#include "input/ListHistory.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace windowtest;

namespace {

// A case prints as its name (not as its bytes) where a test fails.
template <class Case>
requires requires(const Case& c) { std::string_view(c.name); }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// A list as a table reader hands it on: its column's name, its group, and
// its cells' texts (each passed the number test, as a table's cells do).
struct ListCells {
  std::string name;
  std::optional<std::string> group;
  std::vector<std::string> cells;
};

std::vector<input::ColumnEntries> BlocksOf(const std::vector<ListCells>& lists) {
  std::vector<input::ColumnEntries> blocks;
  std::size_t number = 0;
  for (const ListCells& list : lists) {
    input::ColumnEntries& block = blocks.emplace_back();
    block.name = list.name;
    block.number = ++number;
    block.group = list.group;
    for (const std::string& cell : list.cells) block.entries.AppendTestedText(cell);
  }
  return blocks;
}

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
    parts.push_back(text.substr(from, at - from));
  parts.push_back(text.substr(from));
  return parts;
}

std::vector<std::string> Lines(const QString& text) {
  std::vector<std::string> lines = Split(text.toStdString(), '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

class CompareTest : public WindowTest {
 protected:
  void TearDown() override {
    delete window_.data();
    WindowTest::TearDown();
  }
  CompareWindow& OpenOn(const std::vector<ListCells>& lists, const numtext::Separators& separators = kEnglish) {
    Open(separators);
    window_ = OpenCompareWindow(form(), BlocksOf(lists));
    return *window_;
  }
  // The main window's own run of `cells`, read into an emptied number list as
  // the lines of a list file are.
  const results::Results& MainRun(const std::vector<std::string>& cells) {
    form().NumberList().Clear();
    for (const std::string& cell : cells) form().NumberList().AppendTestedText(cell);
    form().NumberList().Flush();
    Controls(form()).PushButton7->click();
    return form().Analysis().LastResults();
  }
  // Every key of list `column` shows what the main window's run shows.
  void ExpectSameAsMainWindow(const std::vector<ListCells>& lists) {
    const CompareModel& model = window_->Model();
    for (std::size_t column = 0; column < lists.size(); ++column) {
      const results::Results& main = MainRun(lists[column].cells);
      ASSERT_FALSE(main.rows.empty()) << lists[column].name;
      std::size_t seen = 0;
      for (std::size_t key = 0; key < model.Table().Keys().size(); ++key) {
        const results::ResultRow* mine = model.Table().Cell(key, column);
        const results::ResultRow* theirs = main.Find(model.Table().Keys()[key]);
        ASSERT_EQ(mine != nullptr, theirs != nullptr) << model.Table().Keys()[key];
        if (!mine) continue;
        ++seen;
        EXPECT_EQ(model.data(model.index(static_cast<int>(key), static_cast<int>(column))).toString().toStdString(),
                  theirs->valueText)
            << lists[column].name << " " << theirs->key;
      }
      EXPECT_EQ(seen, main.rows.size() + main.more.size()) << lists[column].name;
    }
  }
  QPointer<CompareWindow> window_;

 public:
  CompareWindow* Window() { return window_.data(); }
};

// ---------------------------------------------------------------------------
// Values against the main window.

struct ValuesCase {
  const char* name;
  numtext::Separators separators;
  std::vector<ListCells> lists;
  std::function<void(Controls&)> options;  // set before the window opens
};

class Values : public CompareTest, public ::testing::WithParamInterface<ValuesCase> {};

TEST_P(Values, AreTheMainWindowsOfTheSameNumbers) {
  const ValuesCase& c = GetParam();
  Open(c.separators);
  Controls controls(form());
  c.options(controls);
  window_ = OpenCompareWindow(form(), BlocksOf(c.lists));
  ASSERT_EQ(window_->Model().columnCount(), static_cast<int>(c.lists.size()));
  ExpectSameAsMainWindow(c.lists);
}

const std::vector<ListCells> kWeights = {
    {"weight", "A", {"61.5", "70.2", "58", "70.2", "66.125"}},
    {"weight", "B", {"80", "79.5", "1000", "81.25"}},
    {"weight", "C", {"5"}},
};

INSTANTIATE_TEST_SUITE_P(Lists, Values,
                         ::testing::Values(ValuesCase{"SampleThreeDecimals", kEnglish, kWeights, [](Controls&) {}},
                                           ValuesCase{"PopulationOneDecimal", kEnglish, kWeights,
                                                      [](Controls& c) {
                                                        c.Option2->click();
                                                        c.Combo1->setEditText(QStringLiteral("1"));
                                                      }},
                                           ValuesCase{"ShowAllDecimals", kEnglish, kWeights,
                                                      [](Controls& c) { c.Check1->click(); }},
                                           ValuesCase{"TiedModesAndNegatives",
                                                      kEnglish,
                                                      {{"delta", std::nullopt, {"-2", "-2", "3", "3", "0.5", "1e3"}}},
                                                      [](Controls&) {}},
                                           ValuesCase{"GermanSeparators",
                                                      kGerman,
                                                      {{"Gewicht", std::nullopt, {"61,5", "70,2", "1.234,5"}},
                                                       {"Größe", std::nullopt, {"1,8", "1,65"}}},
                                                      [](Controls& c) { c.Combo1->setEditText(QStringLiteral("2")); }}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LabelsCase {
  const char* name;
  bool population;
  std::vector<std::string> after;  // the labels after the twelve
};

class RowLabels : public CompareTest, public ::testing::WithParamInterface<LabelsCase> {};

TEST_P(RowLabels, AfterTheTwelveAreTheDistributionWindows) {
  const LabelsCase& c = GetParam();
  Open();
  if (c.population) Controls(form()).Option2->click();
  window_ = OpenCompareWindow(form(), BlocksOf(kWeights));
  const std::vector<std::string>& labels = window_->Model().Labels();
  ASSERT_EQ(labels.size(), 12 + c.after.size());
  EXPECT_EQ(labels[6], "The mean is");
  EXPECT_EQ(std::vector<std::string>(labels.begin() + 12, labels.end()), c.after);
  EXPECT_EQ(window_->Model().headerData(12, Qt::Vertical).toString().toStdString(), c.after.front());
}

const std::vector<std::string> kAfterTwelve = {"Minimum",        "Maximum",
                                               "Range",          "First quartile",
                                               "Third quartile", "Interquartile range",
                                               "Kurtosis",       "Standard error of the mean"};

INSTANTIATE_TEST_SUITE_P(Methods, RowLabels,
                         ::testing::Values(LabelsCase{"Population", true, kAfterTwelve},
                                           LabelsCase{"Sample", false,
                                                      [] {
                                                        std::vector<std::string> all = kAfterTwelve;
                                                        all.push_back("95 % confidence interval, low");
                                                        all.push_back("95 % confidence interval, high");
                                                        return all;
                                                      }()}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Following the main window's options.

struct FollowCase {
  const char* name;
  std::function<void(Controls&)> change;
  bool intervalShown;  // the 95 % interval's rows: Sample only
};

class Follows : public CompareTest, public ::testing::WithParamInterface<FollowCase> {};

TEST_P(Follows, TheMainWindowsMethodAndDecimals) {
  const FollowCase& c = GetParam();
  OpenOn(kWeights);
  Controls controls(form());
  c.change(controls);
  const auto& keys = window_->Model().Table().Keys();
  EXPECT_EQ(std::find(keys.begin(), keys.end(), "ci95_low") != keys.end(), c.intervalShown);
  ExpectSameAsMainWindow(kWeights);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, Follows,
    ::testing::Values(FollowCase{"Population", [](Controls& c) { c.Option2->click(); }, false},
                      FollowCase{"BackToSample",
                                 [](Controls& c) {
                                   c.Option2->click();
                                   c.Option1->click();
                                 },
                                 true},
                      FollowCase{"NoDecimals", [](Controls& c) { c.Combo1->setEditText(QStringLiteral("0")); }, true},
                      FollowCase{"HalfTypedPlacesKeepTheLast",
                                 [](Controls& c) {
                                   c.Combo1->setEditText(QStringLiteral("5"));
                                   c.Combo1->setEditText(QStringLiteral("x"));
                                   c.Combo1->setEditText(QStringLiteral("5"));
                                 },
                                 true},
                      FollowCase{"ShowAllDecimals", [](Controls& c) { c.Check1->click(); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// "Copy as Table".

struct CopyCase {
  const char* name;
  numtext::Separators separators;
  std::vector<ListCells> lists;
  std::vector<std::string> headings;  // as the header line names the lists
};

class CopyAsTable : public CompareTest, public ::testing::WithParamInterface<CopyCase> {};

// Each list's cells read as the results list's "Copy as Table" writes that
// list's rows (a mode's ties, in cells of their own there, are one cell
// here); the header line names the lists.
TEST_P(CopyAsTable, WritesTheResultsListsCellsUnderTheListsNames) {
  const CopyCase& c = GetParam();
  OpenOn(c.lists, c.separators);
  window_->CopyTableButton()->click();
  const std::vector<std::string> lines = Lines(QApplication::clipboard()->text());
  ASSERT_FALSE(lines.empty());
  std::vector<std::string> header = {"Statistic"};
  header.insert(header.end(), c.headings.begin(), c.headings.end());
  EXPECT_EQ(Split(lines[0], '\t'), header);
  for (std::size_t column = 0; column < c.lists.size(); ++column) {
    MainRun(c.lists[column].cells);
    form().ListView2_CopyAsTable();
    const std::vector<std::string> theirs = Lines(QApplication::clipboard()->text());
    // The results list holds the twelve: the first twelve lines after the header.
    ASSERT_EQ(theirs.size(), 12u);
    ASSERT_GT(lines.size(), theirs.size());
    for (std::size_t row = 0; row < theirs.size(); ++row) {
      const std::vector<std::string> want = Split(theirs[row], '\t');
      const std::vector<std::string> got = Split(lines[row + 1], '\t');
      ASSERT_EQ(got.size(), c.lists.size() + 1) << lines[row + 1];
      EXPECT_EQ(got[0], want[0]) << c.lists[column].name;
      std::string cell = want[1];
      for (std::size_t tie = 2; tie < want.size(); ++tie) cell += " or " + want[tie];
      EXPECT_EQ(got[column + 1], cell) << want[0];
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CopyAsTable,
    ::testing::Values(CopyCase{"Groups", kEnglish, kWeights, {"weight: A", "weight: B", "weight: C"}},
                      CopyCase{"GermanDecimalComma",
                               kGerman,
                               {{"a", std::nullopt, {"1,25", "2,5", "2,5", "10000"}}, {"", std::nullopt, {"3", "4"}}},
                               {"a", "Column 2"}},
                      CopyCase{"TabInAName", kEnglish, {{"x\ty", std::nullopt, {"1", "2", "2", "3"}}}, {"x y"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// "Save Table…".

struct CsvCase {
  const char* name;
  numtext::Separators separators;
  std::vector<ListCells> lists;
  std::string headerLine;
  std::string meanLine;  // the mean's line, from the main window's row
};

class SaveTable : public CompareTest, public ::testing::WithParamInterface<CsvCase> {};

TEST_P(SaveTable, WritesCsvInTheLocalesConvention) {
  const CsvCase& c = GetParam();
  OpenOn(c.lists, c.separators);
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/table");
  dialogs_.QueueSaveFile(path);
  window_->SaveTableButton()->click();
  QFile file(path + QStringLiteral(".csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << dialogs_.Messages().join(QLatin1Char('\n')).toStdString();
  const std::vector<std::string> lines = Split(file.readAll().toStdString(), '\n');
  ASSERT_GT(lines.size(), 8u);
  EXPECT_EQ(lines[0], c.headerLine + "\r");
  EXPECT_EQ(lines[7], c.meanLine + "\r");
}

INSTANTIATE_TEST_SUITE_P(Files, SaveTable,
                         ::testing::Values(CsvCase{"EnglishCommas",
                                                   kEnglish,
                                                   {{"w", "A, B", {"1", "2"}}, {"h", std::nullopt, {"3", "5"}}},
                                                   "Statistic,\"w: A, B\",h",
                                                   "The mean is,1.5,4"},
                                           CsvCase{"GermanSemicolons",
                                                   kGerman,
                                                   {{"w;1", std::nullopt, {"1", "2"}},
                                                    {"h \"x\"", std::nullopt, {"3", "5"}}},
                                                   "Statistic;\"w;1\";\"h \"\"x\"\"\"",
                                                   "The mean is;1,5;4"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WorkbookCase {
  const char* name;
  numtext::Separators separators;
  QString typed;   // the path as typed in the dialog
  QString filter;  // the filter chosen there
  QString written;
};

class SaveWorkbook : public CompareTest, public ::testing::WithParamInterface<WorkbookCase> {};

// Numbers go in as numbers whatever the locale's decimal separator; the
// labels and headings as texts.
TEST_P(SaveWorkbook, StoresNumbersAsNumbers) {
  const WorkbookCase& c = GetParam();
  if (!CanWriteCompareWorkbook()) GTEST_SKIP() << "built without libxlsxwriter";
  OpenOn({{"w", std::nullopt, {"1", "2"}}, {"h", std::nullopt, {"3", "5"}}}, c.separators);
  QTemporaryDir dir;
  dialogs_.QueueSaveFile(dir.path() + c.typed);
  dialogs_.QueueChosenFilter(c.filter);
  window_->SaveTableButton()->click();
  ASSERT_TRUE(QFile::exists(dir.path() + c.written)) << dialogs_.Messages().join(QLatin1Char('\n')).toStdString();
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"),
              {QStringLiteral("-p"), dir.path() + c.written, QStringLiteral("xl/worksheets/sheet1.xml")});
  if (!unzip.waitForFinished(20000) || unzip.exitCode() != 0) GTEST_SKIP() << "no unzip to read the workbook with";
  const QByteArray sheet = unzip.readAllStandardOutput();
  // Row 8 is the mean's: 1.5 and 4.
  EXPECT_TRUE(sheet.contains(R"(<c r="B8"><v>1.5</v></c><c r="C8"><v>4</v></c>)")) << sheet.toStdString();
  EXPECT_TRUE(sheet.contains(R"(<c r="A8" t="s">)")) << sheet.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, SaveWorkbook,
                         ::testing::Values(WorkbookCase{"ByExtension", kEnglish, QStringLiteral("/t.xlsx"), QString(),
                                                        QStringLiteral("/t.xlsx")},
                                           WorkbookCase{"ByFilterGerman", kGerman, QStringLiteral("/t"),
                                                        QString::fromUtf8(kXlsxFilter), QStringLiteral("/t.xlsx")}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// "Send to Number List".

struct SendCase {
  const char* name;
  std::vector<std::string> before;  // the number list's entries
  int chosen;                       // the list chosen in the box
  bool busy;                        // the main window's pointer shows it busy
};

class SendToList : public CompareTest, public ::testing::WithParamInterface<SendCase> {};

TEST_P(SendToList, AppendsTheListAsOneStepUndoTakesBack) {
  const SendCase& c = GetParam();
  OpenOn(kWeights);
  AddEntries(c.before);
  window_->ListChoice()->setCurrentIndex(c.chosen);
  if (c.busy) form().SetBusy(true);
  window_->SendButton()->click();
  form().SetBusy(false);
  std::vector<std::string> entries = Entries();
  if (c.busy) {
    EXPECT_EQ(entries, c.before);
    EXPECT_EQ(dialogs_.Messages(), QStringList{QString::fromUtf8(kListBusyMessage)});
    return;
  }
  ASSERT_EQ(entries.size(), c.before.size() + kWeights[static_cast<std::size_t>(c.chosen)].cells.size());
  EXPECT_TRUE(std::equal(c.before.begin(), c.before.end(), entries.begin()));
  // One step: undo takes the whole list back, redo brings it again.
  form().UndoListChange();
  EXPECT_EQ(Entries(), c.before);
  form().RedoListChange();
  EXPECT_EQ(Entries(), entries);
  // The numbers sent analyse as the list's column shows them.
  const std::vector<std::string> sent(entries.begin() + static_cast<std::ptrdiff_t>(c.before.size()), entries.end());
  const results::Results& main = MainRun(sent);
  const CompareModel& model = window_->Model();
  for (std::size_t key = 0; key < model.Table().Keys().size(); ++key) {
    const results::ResultRow* mine = model.Table().Cell(key, static_cast<std::size_t>(c.chosen));
    ASSERT_NE(mine, nullptr);
    ASSERT_NE(main.Find(mine->key), nullptr) << mine->key;
    EXPECT_EQ(mine->valueText, main.Find(mine->key)->valueText) << mine->key;
  }
}

INSTANTIATE_TEST_SUITE_P(Sends, SendToList,
                         ::testing::Values(SendCase{"IntoAnEmptyList", {}, 0, false},
                                           SendCase{"AfterEntries", {"7", "n/a"}, 1, false},
                                           SendCase{"WhileBusy", {"7"}, 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The box plots.

struct SpanCase {
  const char* name;
  std::vector<ListCells> lists;
  double low;
  double high;
};

class SharedAxis : public CompareTest, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(SharedAxis, SpansEveryList) {
  const SpanCase& c = GetParam();
  OpenOn(c.lists);
  ASSERT_EQ(window_->Figures().size(), c.lists.size());
  const auto [low, high] = SharedSpan(window_->Figures());
  EXPECT_EQ(low, c.low);
  EXPECT_EQ(high, c.high);
  for (std::size_t i = 0; i < c.lists.size(); ++i)
    EXPECT_EQ(window_->Figures()[i].figure.count, c.lists[i].cells.size()) << c.lists[i].name;
}

INSTANTIATE_TEST_SUITE_P(Spans, SharedAxis,
                         ::testing::Values(SpanCase{"Apart", {{"a", {}, {"1", "2"}}, {"b", {}, {"50", "70"}}}, 1, 70},
                                           SpanCase{
                                               "Inside", {{"a", {}, {"-5", "9"}}, {"b", {}, {"0", "1", "2"}}}, -5, 9},
                                           SpanCase{"OneValue", {{"a", {}, {"4", "4"}}, {"b", {}, {"4"}}}, 3.5, 4.5},
                                           SpanCase{"EmptyListLeftOut", {{"a", {}, {}}, {"b", {}, {"2", "3"}}}, 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The window opens wide enough for its table, row titles included, where the
// screen has room.

struct WidthCase {
  const char* name;
  std::vector<ListCells> lists;
};

class OpensWide : public CompareTest, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(OpensWide, EnoughForEveryCellAndRowTitle) {
  OpenOn(GetParam().lists);
  QTableView* table = window_->Table();
  QCoreApplication::processEvents();
  const int needed = table->verticalHeader()->width() + table->horizontalHeader()->length();
  if (needed + 40 > window_->screen()->availableGeometry().width()) GTEST_SKIP() << "the screen is too narrow";
  EXPECT_GE(table->viewport()->width() + table->verticalHeader()->width(), needed);
  EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Tables, OpensWide,
                         ::testing::Values(WidthCase{"NarrowCells", {{"a", {}, {"1", "2"}}, {"b", {}, {"3", "4"}}}},
                                           WidthCase{
                                               "WideSums",
                                               {{"id", {}, {"1000000000", "9999999999", "5000000000"}},
                                                {"weight", {}, {"61.123456", "72.5", "80.25"}},
                                                {"height", {}, {"170000000.5", "180000000.25", "190000000.125"}}}}),
                         [](const auto& info) { return std::string(info.param.name); });

class Histograms : public CompareTest, public ::testing::WithParamInterface<SpanCase> {};

// Bars of every list on the same edges: one span, one count of bins, and
// every number in one of them.
TEST_P(Histograms, ShareTheirBinsEdges) {
  const SpanCase& c = GetParam();
  OpenOn(c.lists);
  window_->HistogramsBox()->click();
  EXPECT_EQ(window_->Picture()->View(), CompareView::kHistograms);
  EXPECT_TRUE(window_->Picture()->accessibleDescription().startsWith(QStringLiteral("Histograms")));
  std::size_t bins = 0;
  for (std::size_t i = 0; i < c.lists.size(); ++i) {
    const DistributionFigure& figure = window_->Figures()[i].figure;
    if (c.lists[i].cells.empty()) {
      EXPECT_EQ(figure.count, 0u);
      continue;
    }
    EXPECT_EQ(figure.low, c.low) << c.lists[i].name;
    EXPECT_EQ(figure.high, c.high) << c.lists[i].name;
    if (bins == 0) bins = figure.bins.size();
    EXPECT_EQ(figure.bins.size(), bins) << c.lists[i].name;
    EXPECT_EQ(std::accumulate(figure.bins.begin(), figure.bins.end(), std::size_t{0}), c.lists[i].cells.size());
  }
  window_->HistogramsBox()->click();
  EXPECT_EQ(window_->Picture()->View(), CompareView::kBoxPlots);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, Histograms,
    ::testing::Values(SpanCase{"Apart", {{"a", {}, {"1", "2", "2", "3"}}, {"b", {}, {"50", "70"}}}, 1, 70},
                      SpanCase{"ManyAgainstFew",
                               {{"a", {}, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}},
                                {"b", {}, {"0", "20"}}},
                               0,
                               20},
                      SpanCase{"EmptyListLeftOut", {{"a", {}, {}}, {"b", {}, {"2", "3"}}}, 2, 3}),
    [](const auto& info) { return std::string(info.param.name); });

struct PictureCase {
  const char* name;
  bool svg;
};

class SavePicture : public CompareTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(SavePicture, WritesThePictureShown) {
  OpenOn(kWeights);
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.data()));
  QTemporaryDir dir;
  const QString path = dir.path() + (GetParam().svg ? QStringLiteral("/box.svg") : QStringLiteral("/box.png"));
  dialogs_.QueueSaveFile(path);
  window_->SavePictureButton()->click();
  ASSERT_TRUE(QFile::exists(path)) << dialogs_.Messages().join(QLatin1Char('\n')).toStdString();
  if (GetParam().svg) {
    QSvgRenderer svg(path);
    EXPECT_TRUE(svg.isValid());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("weight: B: from 79.5 to 1000")) << text.left(900).toStdString();
  } else {
    const QImage image(path);
    EXPECT_EQ(image.size(), window_->Picture()->size().expandedTo(QSize(640, 240)));
    // Not a blank sheet: the boxes' ink is on it.
    EXPECT_GT(image.convertToFormat(QImage::Format_Grayscale8).pixelColor(0, 0).value(), 200);
    bool inked = false;
    for (int y = 0; y < image.height() && !inked; y += 2)
      for (int x = 0; x < image.width() && !inked; x += 2) inked = qGray(image.pixel(x, y)) < 80;
    EXPECT_TRUE(inked);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, SavePicture, ::testing::Values(PictureCase{"Png", false}, PictureCase{"Svg", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The window's life.

struct LifeCase {
  const char* name;
  std::function<void(CompareTest&)> end;
};

class Life : public CompareTest, public ::testing::WithParamInterface<LifeCase> {
 public:
  void CloseWindow() {
    window_->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void EndForm() { form_.reset(); }
};

TEST_P(Life, EndsWithTheWindowOrTheMainWindow) {
  OpenOn(kWeights);
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.data()));
  GetParam().end(*this);
  EXPECT_TRUE(window_.isNull());
  // The main window, where it lives on, no longer tells the window anything.
  if (form_) Controls(form()).Option2->click();
}

INSTANTIATE_TEST_SUITE_P(
    Ends, Life,
    ::testing::Values(LifeCase{"Closed", [](CompareTest& t) { static_cast<Life&>(t).CloseWindow(); }},
                      LifeCase{"Escape",
                               [](CompareTest& t) {
                                 auto& life = static_cast<Life&>(t);
                                 QTest::keyClick(life.Window(), Qt::Key_Escape);
                                 QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                               }},
                      LifeCase{"MainWindowGone", [](CompareTest& t) { static_cast<Life&>(t).EndForm(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Keyboard and assistive technology.

TEST_F(CompareTest, EveryControlIsNamedAndOnTheTabChain) {
  OpenOn(kWeights);
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.data()));
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Compare \u2014 Tallowmere"));
  const std::vector<QWidget*> controls = {
      window_->Table(),         window_->CopyTableButton(),   window_->SaveTableButton(),
      window_->ListChoice(),    window_->SendButton(),        window_->Picture(),
      window_->HistogramsBox(), window_->CopyPictureButton(), window_->SavePictureButton()};
  window_->activateWindow();
  QApplication::setActiveWindow(window_.data());
  window_->Table()->setFocus(Qt::TabFocusReason);
  // Tab goes through every control in order, and round to the first again.
  for (std::size_t i = 0; i <= controls.size(); ++i) {
    QWidget* control = controls[i % controls.size()];
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
    QWidget* at = QApplication::focusWidget();
    EXPECT_EQ(at, control) << control->accessibleName().toStdString() << " found "
                           << (at ? at->accessibleName().toStdString() : "nothing");
    QTest::keyClick(at ? at : window_.data(), Qt::Key_Tab);
  }
  for (const ListCells& list : kWeights)
    EXPECT_TRUE(
        window_->Picture()->accessibleDescription().contains(QString::fromStdString(list.name + ": " + *list.group)));
}

}  // namespace
