// The "Start Analysis" run and ShowResults, through a recording host: every
// result line of the documented examples, the soft results, and what a
// failing step leaves behind.
#include "results/Analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <limits>
#include <new>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/MemoryFailures.h"
#include "numtext/NumberTest.h"
#include "numtext/NumberText.h"
#include "results/RowLabels.h"
#include "stats/Statistics.h"

// Requests for this much memory or more fail while a test arms them, after
// as many as it lets through, as when a large list meets the end of the
// memory; every other request is malloc's.
namespace {
constexpr std::size_t kLargeRequest = std::size_t{1} << 20;
std::atomic<bool> g_largeRequestsArmed{false};
std::atomic<long> g_largeRequestsLeft{0};
std::atomic<long> g_largeRequests{0};
}  // namespace

void* operator new(std::size_t size) {
  if (size >= kLargeRequest) {
    g_largeRequests.fetch_add(1);
    if (g_largeRequestsArmed.load() && g_largeRequestsLeft.fetch_sub(1) <= 0) {
      // As operator new does: the handler is asked first.
      if (const std::new_handler handler = std::get_new_handler()) handler();
      throw std::bad_alloc();
    }
  }
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
// Arrays too: under AddressSanitizer they would otherwise not come here.
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::results;

namespace {

struct Report {
  std::string description;
  std::string location;
  int label;
  bool operator==(const Report&) const = default;
};

// Owns the analysis it runs, as the window does: the decimal places and the
// data set carry over from one run to the next.
class RecordingHost : public ErrorSink {
 public:
  explicit RecordingHost(numtext::Separators separators = {".", ","}) : analysis(std::move(separators)) {}

  results::Analysis analysis;
  std::vector<std::string> entries;
  std::vector<bool> tested;  // lines of list text that passed the number test
  std::string decimals = "3";
  bool allDecimals = false;
  std::vector<std::string> rows;
  std::vector<std::string> messages;
  std::vector<Report> reports;
  std::vector<bool> busyCalls;
  // Runs as the list is given a row, before it takes it.
  std::function<void(const std::string& line)> onRow;
  RunOutcome outcome = RunOutcome::kFinished;

  // The last places the decimals text could be read as, kept as the window
  // keeps them.
  std::int16_t places = 0;

  // The options as the window reads its boxes: only for a list to analyse.
  results::DecimalOptions Decimals() {
    results::DecimalOptions options{.showAll = allDecimals};
    if (!entries.empty()) {
      try {
        places = numtext::ToInteger16(decimals, analysis.Statistics().NumberSeparators());
      } catch (...) {
        options.placesFailure = std::current_exception();
      }
    }
    options.places = places;
    return options;
  }

  void Start() {
    input::EntrySource source;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i < tested.size() && tested[i])
        source.AppendTestedText(entries[i]);
      else
        source.Append(entries[i]);
    }
    outcome = analysis.StartAnalysis({.errors = *this,
                                      .entries = source,
                                      .decimals = Decimals(),
                                      .setBusy = [this](bool busy) { busyCalls.push_back(busy); },
                                      .clearResults = [this] { rows.clear(); },
                                      .addResultRow =
                                          [this](const std::string& line) {
                                            if (onRow) onRow(line);
                                            rows.push_back(line);
                                          },
                                      .showMessage = [this](const std::string& text) { messages.push_back(text); }});
  }
  void ReportError(const std::string& d, std::string_view loc, int label) override {
    reports.push_back({d, std::string(loc), label});
  }
};

class AnalysisTest : public ::testing::Test {};

// The lines of model rows, to compare with what the list was given.
std::vector<std::string> Lines(const std::vector<results::ResultRow>& rows) {
  std::vector<std::string> lines;
  for (const results::ResultRow& row : rows) lines.push_back(row.Line());
  return lines;
}

struct RunCase {
  const char* name;
  std::vector<std::string> entries;
  bool sample;
  std::string decimals;
  bool allDecimals;
  // Expected rows by position (1-based row number -> text); rows not listed
  // are not checked.
  std::vector<std::pair<int, std::string>> expected;
};

TEST_F(AnalysisTest, DocumentedResultLines) {
  const std::vector<RunCase> cases = {
      {.name = "2 4 4 5 sample",
       .entries = {"2", "4", "4", "5"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{1, "The number of entries is: 4"},
                    {2, "The sum of the numbers are: 15"},
                    {3, "The sum squared is: 225"},
                    {4, "The sum of squares is: 61"},
                    {5, "The mode is: 4"},
                    {6, "The median is: 4"},
                    {7, "The mean is: 3.75"},
                    {8, "The variance is: 1.583"},
                    {9, "The skew is: -1.129"},
                    {10, "The average deviation is: 0.875"},
                    {11, "The standard deviation is: 1.258"},
                    {12, "The coefficient of variation is: 33.555 %"}}},
      {.name = "2 4 4 5 population",
       .entries = {"2", "4", "4", "5"},
       .sample = false,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{8, "The variance is: 1.188"},
                    {9, "The skew is: -1.739"},
                    {11, "The standard deviation is: 1.09"},
                    {12, "The coefficient of variation is: 29.059 %"}}},
      {.name = "1 2 3 4 at 0 places",
       .entries = {"1", "2", "3", "4"},
       .sample = true,
       .decimals = "0",
       .allDecimals = false,
       .expected = {{7, "The mean is: 2"}, {12, "The coefficient of variation is: 52 %"}}},
      {.name = "1 2 3 4 all decimals",
       .entries = {"1", "2", "3", "4"},
       .sample = true,
       .decimals = "10",
       .allDecimals = true,
       .expected = {{8, "The variance is: 1.6666666667"},
                    {11, "The standard deviation is: 1.2909944487"},
                    {12, "The coefficient of variation is: 51.6397779494 %"}}},
      {.name = "single 7 sample",
       .entries = {"7"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{1, "The number of entries is: 1"},
                    {5, "The mode is: None"},
                    {6, "The median is: 7"},
                    {7, "The mean is: 7"},
                    {8, "The variance is: #Div/0!"},
                    {9, "The skew is: #Div/0!"},
                    {10, "The average deviation is: 0"},
                    {11, "The standard deviation is: #Div/0!"},
                    {12, "The coefficient of variation is: #Div/0!"}}},
      {.name = "single 7 population",
       .entries = {"7"},
       .sample = false,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{8, "The variance is: 0"},
                    {9, "The skew is: #Div/0!"},
                    {11, "The standard deviation is: 0"},
                    {12, "The coefficient of variation is: 0 %"}}},
      {.name = "tied modes",
       .entries = {"1", "2", "2", "3", "3"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{5, "The mode is: 2 or 3"}}},
      {.name = "texts read by their leading number",
       .entries = {"abc", "12abc"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{1, "The number of entries is: 2"},
                    {2, "The sum of the numbers are: 12"},
                    {5, "The mode is: None"}}},
      {.name = "tiny mean shows as zero",
       .entries = {"0.00000000004"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{7, "The mean is: 0"}}},
      // "Show all decimals": a value the ten decimals show as 0, or with
      // fewer than four significant digits, shows its own 15 digits; one
      // they show well stays as they show it.
      {.name = "tiny mean with all decimals",
       .entries = {"0.00000000004"},
       .sample = true,
       .decimals = "10",
       .allDecimals = true,
       .expected = {{7, "The mean is: 4E-11"}, {10, "The average deviation is: 0"}}},
      {.name = "tiny spread with all decimals",
       .entries = {"4e-12", "6e-12"},
       .sample = true,
       .decimals = "10",
       .allDecimals = true,
       .expected = {{7, "The mean is: 5E-12"},
                    {8, "The variance is: 2E-24"},
                    {10, "The average deviation is: 1E-12"},
                    {11, "The standard deviation is: 1.4142135623731E-12"},
                    {12, "The coefficient of variation is: 28.2842712475 %"}}},
      {.name = "three significant decimals with all decimals",
       .entries = {"-0.000000012345"},
       .sample = true,
       .decimals = "10",
       .allDecimals = true,
       .expected = {{7, "The mean is: -1.2345E-08"}}},
      {.name = "four significant decimals with all decimals",
       .entries = {"0.00000012345"},
       .sample = true,
       .decimals = "10",
       .allDecimals = true,
       .expected = {{7, "The mean is: 1.235E-07"}}},
      {.name = "mean rounds half to even",
       .entries = {"0.125"},
       .sample = true,
       .decimals = "2",
       .allDecimals = false,
       .expected = {{7, "The mean is: 0.12"}}},
      {.name = "negative mean gives negative coefficient",
       .entries = {"-2", "-4"},
       .sample = true,
       .decimals = "10",
       .allDecimals = true,
       .expected = {{12, "The coefficient of variation is: -47.1404520791 %"}}},
      {.name = "zero mean",
       .entries = {"-1", "1"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{6, "The median is: 0"}, {12, "The coefficient of variation is: #Div/0!"}}},
      {.name = "hex and octal entries",
       .entries = {"&HFF", "&O17", "&HFFFFFFFF"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{2, "The sum of the numbers are: 269"}}},
      {.name = "large values in exponent form",
       .entries = {"1E+20", "3E+20"},
       .sample = true,
       .decimals = "3",
       .allDecimals = false,
       .expected = {{2, "The sum of the numbers are: 4E+20"}, {7, "The mean is: 2E+20"}, {6, "The median is: 2E+20"}}},
      {.name = "negative decimal places round to tens",
       .entries = {"1234", "1236"},
       .sample = true,
       .decimals = "-1",
       .allDecimals = false,
       .expected = {{7, "The mean is: 1240"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingHost host;
    host.entries = c.entries;
    host.decimals = c.decimals;
    host.allDecimals = c.allDecimals;
    host.analysis.Statistics().SetMethodIsSample(c.sample);
    host.Start();
    EXPECT_TRUE(host.reports.empty()) << host.reports.front().label << " " << host.reports.front().description;
    ASSERT_EQ(host.rows.size(), 12u);
    for (const auto& [row, text] : c.expected) EXPECT_EQ(host.rows[row - 1], text) << "row " << row;
    EXPECT_EQ(Lines(host.analysis.LastResults().rows), host.rows);
    EXPECT_TRUE(host.analysis.LastResults().more.empty());
    EXPECT_EQ(host.busyCalls, (std::vector<bool>{true, false}));
  }
}

TEST_F(AnalysisTest, EmptyListOnlyShowsTheMessage) {
  RecordingHost host;
  host.rows = {"The mean is: 1"};
  host.Start();
  EXPECT_EQ(host.messages, std::vector<std::string>{"You forgot to input numbers."});
  EXPECT_EQ(host.rows, std::vector<std::string>{"The mean is: 1"});
  EXPECT_TRUE(host.busyCalls.empty());
  EXPECT_TRUE(host.reports.empty());
}

TEST_F(AnalysisTest, EachRunSaysHowItEnded) {
  core::CountMemoryFailures();
  std::vector<std::string> many;
  for (int i = 0; i < 200000; ++i) many.push_back(std::to_string(i % 977));
  const struct {
    const char* name;
    std::vector<std::string> entries;
    long largeRequestsGranted;  // -1: as many as asked
    RunOutcome outcome;
    std::size_t rows;
  } rows[] = {
      {"an empty list", {}, -1, RunOutcome::kNoNumbers, 0},
      {"numbers", {"1", "2.5"}, -1, RunOutcome::kFinished, 12},
      {"an entry beyond the double range", {"1", "1E999"}, -1, RunOutcome::kFinished, 12},
      {"every entry beyond the double range", {"1E999", "-1E999"}, -1, RunOutcome::kFinished, 12},
      {"no memory for the numbers", many, 0, RunOutcome::kShortOfMemory, 0},
      {"numbers held, no memory for a sorted copy", many, 1, RunOutcome::kFinished, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingHost host;
    host.entries = row.entries;
    g_largeRequestsLeft = row.largeRequestsGranted;
    g_largeRequestsArmed = row.largeRequestsGranted >= 0;
    host.Start();
    g_largeRequestsArmed = false;
    EXPECT_EQ(host.outcome, row.outcome);
    if (row.largeRequestsGranted < 0) {
      EXPECT_EQ(host.rows.size(), row.rows);
    }
    if (row.outcome == RunOutcome::kShortOfMemory) {
      EXPECT_TRUE(host.rows.empty());
    }
    EXPECT_EQ(host.messages.size(), row.outcome == RunOutcome::kNoNumbers ? 1u : 0u);
  }
}

TEST_F(AnalysisTest, UnreadableDecimalPlacesKeepThePreviousValue) {
  struct Case {
    std::string text;
    std::string description;
  };
  for (const Case& c : {Case{"x", "Type mismatch"}, Case{"", "Type mismatch"}, Case{"40000", "Overflow"}}) {
    SCOPED_TRACE(c.text);
    RecordingHost host;
    host.entries = {"1.23456"};
    host.decimals = "2";
    host.Start();
    ASSERT_TRUE(host.reports.empty());
    host.decimals = c.text;
    host.Start();
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0], (Report{c.description, "in Tallowmere2021/08/31.Form1.PushButton7_Click ", 106}));
    ASSERT_EQ(host.rows.size(), 12u);
    EXPECT_EQ(host.rows[6], "The mean is: 1.23");
  }
}

TEST_F(AnalysisTest, DecimalPlacesAreReadWithTiesToEven) {
  for (auto [text, mean] : std::vector<std::pair<std::string, std::string>>{
           {"2.5", "The mean is: 1.23"}, {"3.5", "The mean is: 1.2346"}, {"1E1", "The mean is: 1.23456"}}) {
    RecordingHost host;
    host.entries = {"1.23456"};
    host.decimals = text;
    host.Start();
    ASSERT_EQ(host.rows.size(), 12u) << text;
    EXPECT_EQ(host.rows[6], mean) << text;
  }
}

TEST_F(AnalysisTest, OverflowingSumsAreReportedAndTheRunGoesOn) {
  // Large lists have the mode and the sums worked out ahead by two threads:
  // the failures must still come in the rows' own steps, in order.
  for (const std::size_t count : {std::size_t{2}, std::size_t{70000}}) {
    SCOPED_TRACE(count);
    RecordingHost host;
    host.entries.assign(count, "1E+308");
    host.Start();
    const std::string loc = "in Tallowmere2021/08/31.Form1.ShowResults ";
    std::vector<int> labels;
    for (const auto& r : host.reports) {
      EXPECT_EQ(r.location, loc);
      labels.push_back(r.label);
    }
    // Sum, sum squared, sum of squares and median overflow; the mean fails in
    // its text step and again when its (empty) working text is rounded; the
    // average deviation passes its failure on.
    EXPECT_EQ(labels, (std::vector<int>{104, 106, 108, 112, 114, 122, 158}));
    // Each label is among the steps of the row that failed.
    std::vector<std::optional<Row>> failed;
    for (const int label : labels) failed.push_back(RowOfStep(label));
    EXPECT_EQ(failed, (std::vector<std::optional<Row>>{Row::kSum, Row::kSumSquared, Row::kSumOfSquares, Row::kMedian,
                                                       Row::kMean, Row::kMean, Row::kAverageDeviation}));
    EXPECT_EQ(host.rows, (std::vector<std::string>{
                             "The number of entries is: " + std::to_string(count),
                             "The mode is: 1E+308",
                             "The mean is: #Div/0!",
                             "The variance is: #Div/0!",
                             "The skew is: #Div/0!",
                             "The average deviation is: #Div/0!",
                             "The standard deviation is: #Div/0!",
                             "The coefficient of variation is: #Div/0!",
                         }));
    EXPECT_EQ(host.busyCalls, (std::vector<bool>{true, false}));
  }
}

// A row of 7 to 12 whose own step failed shows "#Div/0!", never what an
// earlier step or row left in the working text or number; its steps still
// run, so every failure is reported as it comes.
TEST_F(AnalysisTest, ARowWhoseStepFailedShowsDivZero) {
  struct Case {
    const char* name;
    std::vector<std::string> entries;
    bool sample;
    std::string decimals;
    bool allDecimals;
    std::vector<std::pair<int, std::string>> reports;  // label, description
    std::vector<std::string> rows;
  };
  const std::string overflow = "Overflow";
  const std::vector<Case> cases = {
      // The sum overflows: the mean fails in its text step, then rounding its
      // empty working text fails; the average deviation fails in its own.
      {"sum overflows, sample",
       {"1E+308", "1E+308"},
       true,
       "3",
       false,
       {{104, overflow},
        {106, overflow},
        {108, overflow},
        {112, overflow},
        {114, overflow},
        {122, "Type mismatch"},
        {158, overflow}},
       {"The number of entries is: 2", "The mode is: 1E+308", "The mean is: #Div/0!", "The variance is: #Div/0!",
        "The skew is: #Div/0!", "The average deviation is: #Div/0!", "The standard deviation is: #Div/0!",
        "The coefficient of variation is: #Div/0!"}},
      {"sum overflows, population",
       {"1E+308", "1E+308"},
       false,
       "3",
       false,
       {{104, overflow},
        {106, overflow},
        {108, overflow},
        {112, overflow},
        {114, overflow},
        {122, "Type mismatch"},
        {158, overflow}},
       {"The number of entries is: 2", "The mode is: 1E+308", "The mean is: #Div/0!", "The variance is: #Div/0!",
        "The skew is: #Div/0!", "The average deviation is: #Div/0!", "The standard deviation is: #Div/0!",
        "The coefficient of variation is: #Div/0!"}},
      // The mean is 0, but the squares overflow (the variance family answers
      // "#Div/0!") and so does the sum of the distances from the mean.
      {"mean fine, deviations overflow",
       {"1E+308", "-1E+308"},
       true,
       "3",
       false,
       {{108, overflow}, {158, overflow}},
       {"The number of entries is: 2", "The sum of the numbers are: 0", "The sum squared is: 0", "The mode is: None",
        "The median is: 0", "The mean is: 0", "The variance is: #Div/0!", "The skew is: #Div/0!",
        "The average deviation is: #Div/0!", "The standard deviation is: #Div/0!",
        "The coefficient of variation is: #Div/0!"}},
      // The largest double's 15-digit text reads beyond the double range, so
      // only the mean's value step fails (rounded and unrounded).
      {"largest double, rounded",
       {"1.7976931348623157E308"},
       false,
       "3",
       false,
       {{106, overflow}, {108, overflow}, {122, overflow}},
       {"The number of entries is: 1", "The sum of the numbers are: 1.79769313486232E+308", "The mode is: None",
        "The median is: 1.79769313486232E+308", "The mean is: #Div/0!", "The variance is: 0", "The skew is: #Div/0!",
        "The average deviation is: 0", "The standard deviation is: 0", "The coefficient of variation is: 0 %"}},
      {"largest double, all decimals",
       {"1.7976931348623157E308"},
       false,
       "3",
       true,
       {{106, overflow}, {108, overflow}, {120, overflow}},
       {"The number of entries is: 1", "The sum of the numbers are: 1.79769313486232E+308", "The mode is: None",
        "The median is: 1.79769313486232E+308", "The mean is: #Div/0!", "The variance is: 0", "The skew is: #Div/0!",
        "The average deviation is: 0", "The standard deviation is: 0", "The coefficient of variation is: 0 %"}},
      // The variance (about 1.6E+308) rounded to -308 places is 2E+308: only
      // its rounding fails, after the mean's row left the number 0 behind.
      {"variance rounds beyond the range",
       {"-8.945E153", "8.945E153"},
       true,
       "-308",
       false,
       {{136, overflow}},
       {"The number of entries is: 2", "The sum of the numbers are: 0", "The sum squared is: 0",
        "The sum of squares is: 1.6002605E+308", "The mode is: None", "The median is: 0", "The mean is: 0",
        "The variance is: #Div/0!", "The skew is: #Div/0!", "The average deviation is: 0",
        "The standard deviation is: 0", "The coefficient of variation is: #Div/0!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingHost host;
    host.entries = c.entries;
    host.decimals = c.decimals;
    host.allDecimals = c.allDecimals;
    host.analysis.Statistics().SetMethodIsSample(c.sample);
    host.Start();
    std::vector<Report> expected;
    for (const auto& [label, description] : c.reports)
      expected.push_back({description, "in Tallowmere2021/08/31.Form1.ShowResults ", label});
    EXPECT_EQ(host.reports, expected);
    EXPECT_EQ(host.rows, c.rows);
    EXPECT_EQ(Lines(host.analysis.LastResults().rows), c.rows);
  }
}

TEST_F(AnalysisTest, EntryBeyondTheDoubleRangeCountsAsZero) {
  RecordingHost host;
  host.entries = {"5", "1E400", "7"};
  host.Start();
  ASSERT_EQ(host.reports.size(), 1u);
  EXPECT_EQ(host.reports[0], (Report{"Overflow", "in Tallowmere2021/08/31.Form1.PushButton7_Click ", 114}));
  ASSERT_EQ(host.rows.size(), 12u);
  EXPECT_EQ(host.rows[0], "The number of entries is: 3");
  EXPECT_EQ(host.rows[1], "The sum of the numbers are: 12");
}

TEST_F(AnalysisTest, DecimalCommaLocale) {
  RecordingHost host({",", "."});
  host.entries = {"2", "4", "4", "5"};
  host.decimals = "3";
  host.Start();
  ASSERT_EQ(host.rows.size(), 12u);
  EXPECT_EQ(host.rows[6], "The mean is: 3,75");
  EXPECT_EQ(host.rows[7], "The variance is: 1,583");
  EXPECT_EQ(host.rows[11], "The coefficient of variation is: 33,555 %");
}

// A line of a list file counts as its writer meant it, with the user's
// separators; a typed entry with the same text by its leading number.
TEST_F(AnalysisTest, ListLinesCountAsWrittenAndTypedOnesByTheirLeadingNumber) {
  const numtext::Separators english{".", ","};
  const numtext::Separators german{",", "."};
  const struct {
    const char* name;
    numtext::Separators sep;
    std::vector<std::string> entries;
    bool tested;
    const char* sumRow;
  } rows[] = {
      {"English file, grouped",
       english,
       {"1,234.5", "12,345,678.9", "2"},
       true,
       "The sum of the numbers are: 12346915.4"},
      {"English typed, grouped", english, {"1,234.5", "12,345,678.9", "2"}, false, "The sum of the numbers are: 15"},
      // Only the decimal comma reads "1,5": 1.5, never cut to 1.
      {"English file, a decimal comma", english, {"1,5", "2.5"}, true, "The sum of the numbers are: 4"},
      {"German file, decimal commas",
       german,
       {"61,5", "70,25", "1.234,5"},
       true,
       "The sum of the numbers are: 1366,25"},
      {"German file, points stay decimal points",
       german,
       {"1.5", "1.234", "1.234.567"},
       true,
       "The sum of the numbers are: 1234569,734"},
      {"German typed, decimal commas", german, {"61,5", "70,25"}, false, "The sum of the numbers are: 131"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingHost host(row.sep);
    host.entries = row.entries;
    host.tested.assign(row.entries.size(), row.tested);
    host.Start();
    ASSERT_EQ(host.rows.size(), 12u);
    EXPECT_EQ(host.rows[1], row.sumRow);
    EXPECT_TRUE(host.reports.empty());
  }
}

// A data set that keeps no sorted copy (as the analyser runs) sorts in parts;
// every row and every report must be those of a run that keeps the copy, in
// the same order, and the numbers stay in list order. The two hosts run one
// case after another, as a window's runs follow each other.
TEST_F(AnalysisTest, ASortInPartsGivesTheSameRun) {
  std::mt19937_64 rng(41);
  auto randomEntries = [&rng](std::size_t n, std::uint64_t values) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < n; ++i)
      entries.push_back(std::to_string(static_cast<double>(rng() % values) / 8.0 - 100.0));
    return entries;
  };
  struct Case {
    const char* name;
    std::vector<std::string> entries;
  };
  const std::vector<Case> cases = {
      {"one number", {"7"}},
      {"two numbers", {"-2", "-4"}},
      {"both zeros reach the highest count", {"0", "-0", "5", "-0", "0", "5"}},
      {"ties listed in list order, a text entry", {"3", "2", "2", "3", "1", "x", "1"}},
      // The middle two elements add up beyond the range, as do the sums.
      {"the median overflows", {"1E+308", "1.5E+308", "1E+308", "-1"}},
      {"every sum overflows", std::vector<std::string>(70000, "1E+308")},
      {"a square overflows", {"1E+200", "3", "3", "-1E+200"}},
      {"few values, many ties", randomEntries(3000, 40)},
      {"decimals, few ties", randomEntries(3001, 1000000)},
      {"decimals, large", randomEntries(70001, 5000)},
  };
  RecordingHost kept, inParts;
  inParts.analysis.Statistics().SetSortedCopyKept(false, 0);
  for (RecordingHost* host : {&kept, &inParts}) host->analysis.SetMoreStatistics(true);
  std::size_t reports = 0;
  for (const Case& c : cases) {
    for (const bool sample : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (sample ? ", sample" : ", population"));
      for (RecordingHost* host : {&kept, &inParts}) {
        host->analysis.Statistics().SetMethodIsSample(sample);
        host->entries = c.entries;
        host->reports.clear();
        host->Start();
      }
      EXPECT_EQ(inParts.rows, kept.rows);
      EXPECT_EQ(Lines(inParts.analysis.LastResults().rows), inParts.rows);
      EXPECT_EQ(Lines(inParts.analysis.LastResults().more), Lines(kept.analysis.LastResults().more));
      EXPECT_EQ(inParts.reports, kept.reports);
      EXPECT_EQ(inParts.messages, kept.messages);
      reports += kept.reports.size();
      EXPECT_TRUE(inParts.analysis.Statistics().SortedNumbers().empty());
      EXPECT_EQ(inParts.analysis.Statistics().Numbers(), kept.analysis.Statistics().Numbers());
    }
  }
  // The overflows above were met, so the cases test their reports.
  EXPECT_GT(reports, 10u);
}

TEST_F(AnalysisTest, RunsKeepTheirDataUntilTheNext) {
  RecordingHost host;
  host.entries = {"1", "2", "3"};
  host.Start();
  host.entries = {"10"};
  host.Start();
  EXPECT_EQ(host.analysis.Statistics().Numbers(), core::BigVector<double>{10});
  EXPECT_EQ(host.analysis.Statistics().NumberCount(), 1.0);
  EXPECT_EQ(host.rows[0], "The number of entries is: 1");
}

// What the model holds for a row beside its text: the kind of value, the
// number as the row rounds it, the tied values, the text.
TEST_F(AnalysisTest, TheResultsHoldEachRowsValue) {
  using Kind = results::ResultValue::Kind;
  const double largest = std::numeric_limits<double>::max();
  struct Case {
    const char* name;
    numtext::Separators sep;
    std::vector<std::string> entries;
    std::string decimals;
    const char* key;
    Kind kind;
    double number;              // kNumber
    std::vector<double> modes;  // kModes
    std::string text;           // kText
    std::string valueText;
  };
  const numtext::Separators english{".", ","}, german{",", "."};
  const std::vector<Case> cases = {
      {"count", english, {"2", "4", "4", "5"}, "3", "count", Kind::kNumber, 4, {}, "", "4"},
      {"mean rounded", english, {"2", "4", "4", "5"}, "1", "mean", Kind::kNumber, 3.8, {}, "", "3.8"},
      {"variance rounded", german, {"2", "4", "4", "5"}, "3", "variance", Kind::kNumber, 1.583, {}, "", "1,583"},
      {"coefficient without its unit",
       english,
       {"2", "4", "4", "5"},
       "3",
       "coefficient_of_variation",
       Kind::kNumber,
       33.555,
       {},
       "",
       "33.555 %"},
      {"one mode", english, {"2", "4", "4", "5"}, "3", "mode", Kind::kModes, 0, {4}, "", "4"},
      {"tied modes in list order", english, {"3", "1", "1", "3"}, "3", "mode", Kind::kModes, 0, {3, 1}, "", "3 or 1"},
      {"tied modes, decimal commas",
       german,
       {"15E-1", "-225E-2", "15E-1", "-225E-2"},
       "3",
       "mode",
       Kind::kModes,
       0,
       {1.5, -2.25},
       "",
       "1,5 or -2,25"},
      // The largest double's text reads beyond the range, yet it is tied.
      {"tied largest double",
       english,
       {"1.7976931348623157E308", "5", "5", "1.7976931348623157E308"},
       "3",
       "mode",
       Kind::kModes,
       0,
       {largest, 5},
       "",
       "1.79769313486232E+308 or 5"},
      {"no mode", english, {"1", "2"}, "3", "mode", Kind::kText, 0, {}, "None", "None"},
      {"undefined variance", english, {"7"}, "3", "variance", Kind::kText, 0, {}, "#Div/0!", "#Div/0!"},
      {"failed mean", english, {"1E+308", "1E+308"}, "3", "mean", Kind::kText, 0, {}, "#Div/0!", "#Div/0!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingHost host(c.sep);
    host.entries = c.entries;
    host.decimals = c.decimals;
    host.Start();
    const results::ResultRow* row = host.analysis.LastResults().Find(c.key);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->value.kind, c.kind);
    if (c.kind == Kind::kNumber) {
      EXPECT_EQ(row->value.number, c.number);
    }
    EXPECT_EQ(row->value.modes, c.modes);
    EXPECT_EQ(row->value.text, c.text);
    EXPECT_EQ(row->valueText, c.valueText);
  }
}

// The rows after the twelve: rounded as the variance row is, "#Div/0!"
// where undefined, the interval only for Sample, never on the list and
// never reported.
TEST_F(AnalysisTest, MoreStatisticsFollowTheTwelveRows) {
  struct Case {
    const char* name;
    std::vector<std::string> entries;
    bool sample;
    std::string decimals;
    bool allDecimals;
    std::vector<std::string> more;
  };
  const std::vector<Case> cases = {
      {"2 4 4 5 sample",
       {"2", "4", "4", "5"},
       true,
       "3",
       false,
       {"The minimum is: 2", "The maximum is: 5", "The range is: 3", "The first quartile is: 3.5",
        "The third quartile is: 4.25", "The interquartile range is: 0.75", "The kurtosis is: 2.227",
        "The standard error of the mean is: 0.629", "The 95 % confidence interval's low end is: 1.748",
        "The 95 % confidence interval's high end is: 5.752"}},
      {"2 4 4 5 5 population, one decimal",
       {"2", "4", "4", "5", "5"},
       false,
       "1",
       false,
       {"The minimum is: 2", "The maximum is: 5", "The range is: 3", "The first quartile is: 4",
        "The third quartile is: 5", "The interquartile range is: 1", "The kurtosis is: -0.5",
        "The standard error of the mean is: 0.5"}},
      {"all decimals",
       {"2", "4", "4", "5"},
       true,
       "1",
       true,
       {"The minimum is: 2", "The maximum is: 5", "The range is: 3", "The first quartile is: 3.5",
        "The third quartile is: 4.25", "The interquartile range is: 0.75", "The kurtosis is: 2.2271468144",
        "The standard error of the mean is: 0.6291528696", "The 95 % confidence interval's low end is: 1.7477547747",
        "The 95 % confidence interval's high end is: 5.7522452253"}},
      {"tiny values with all decimals",
       {"4e-12", "6e-12"},
       true,
       "10",
       true,
       {"The minimum is: 4E-12", "The maximum is: 6E-12", "The range is: 2E-12", "The first quartile is: 4.5E-12",
        "The third quartile is: 5.5E-12", "The interquartile range is: 1E-12", "The kurtosis is: #Div/0!",
        "The standard error of the mean is: 1E-12", "The 95 % confidence interval's low end is: -7.7062047361747E-12",
        "The 95 % confidence interval's high end is: 1.77062047361747E-11"}},
      {"one number",
       {"-7.25"},
       true,
       "3",
       false,
       {"The minimum is: -7.25", "The maximum is: -7.25", "The range is: 0", "The first quartile is: -7.25",
        "The third quartile is: -7.25", "The interquartile range is: 0", "The kurtosis is: #Div/0!",
        "The standard error of the mean is: #Div/0!", "The 95 % confidence interval's low end is: #Div/0!",
        "The 95 % confidence interval's high end is: #Div/0!"}},
      // The range overflows; the largest double's text is beyond the range,
      // so it fails the numeric test and is shown as the text it is.
      {"beyond the double range",
       {"1.7976931348623157E308", "-1.7976931348623157E308"},
       false,
       "3",
       false,
       {"The minimum is: -1.79769313486232E+308", "The maximum is: 1.79769313486232E+308", "The range is: #Div/0!",
        "The first quartile is: -8.98846567431158E+307", "The third quartile is: 8.98846567431158E+307",
        "The interquartile range is: 1.79769313486232E+308", "The kurtosis is: #Div/0!",
        "The standard error of the mean is: #Div/0!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingHost plain, more;
    more.analysis.SetMoreStatistics(true);
    for (RecordingHost* host : {&plain, &more}) {
      host->entries = c.entries;
      host->decimals = c.decimals;
      host->allDecimals = c.allDecimals;
      host->analysis.Statistics().SetMethodIsSample(c.sample);
      host->Start();
    }
    EXPECT_EQ(Lines(more.analysis.LastResults().more), c.more);
    EXPECT_EQ(more.rows, plain.rows);
    EXPECT_EQ(more.reports, plain.reports);
    EXPECT_EQ(Lines(more.analysis.LastResults().rows), plain.rows);
    EXPECT_TRUE(plain.analysis.LastResults().more.empty());
    EXPECT_EQ(more.analysis.LastResults().sample, c.sample);
  }
}

// The results name the sorted numbers of the run while the data set keeps
// them, and are emptied with the list when the next run begins.
TEST_F(AnalysisTest, TheResultsLastUntilTheNextRunClearsTheList) {
  RecordingHost host;
  host.analysis.SetMoreStatistics(true);
  host.entries = {"3", "-1", "2"};
  host.Start();
  const results::Results& results = host.analysis.LastResults();
  EXPECT_EQ(std::vector<double>(results.sorted.begin(), results.sorted.end()), (std::vector<double>{-1, 2, 3}));
  ASSERT_EQ(results.rows.size(), 12u);

  // "You forgot to input numbers." leaves the list, and so the results.
  host.entries.clear();
  host.Start();
  EXPECT_EQ(Lines(results.rows), host.rows);
  EXPECT_EQ(results.more.size(), 10u);

  host.entries = {"5"};
  host.analysis.SetMoreStatistics(false);
  host.Start();
  EXPECT_EQ(Lines(results.rows), host.rows);
  EXPECT_TRUE(results.more.empty());
  EXPECT_EQ(std::vector<double>(results.sorted.begin(), results.sorted.end()), std::vector<double>{5});
}

// A run short of memory shows only rows it worked out: whichever large
// request fails, every row shown is the row of a run that had the memory,
// and a row left out is reported as "Out of memory" ("#Div/0!" or "Error"
// are never shown for want of memory).
TEST_F(AnalysisTest, ARunShortOfMemoryShowsOnlyRowsItWorkedOut) {
  core::CountMemoryFailures();
  std::vector<std::string> entries;
  for (int i = 0; i < 300000; ++i) entries.push_back(std::to_string(i % 977) + (i % 3 ? ".25" : ""));
  RecordingHost whole;
  whole.entries = entries;
  whole.analysis.SetMoreStatistics(true);
  const long before = g_largeRequests.load();
  whole.Start();
  const long largeRequests = g_largeRequests.load() - before;
  ASSERT_GT(largeRequests, 2);
  ASSERT_TRUE(whole.reports.empty());
  ASSERT_EQ(whole.rows.size(), 12u);
  const std::vector<std::string> wholeMore = Lines(whole.analysis.LastResults().more);
  std::size_t leftOut = 0;
  for (long granted = 0; granted < largeRequests; ++granted) {
    SCOPED_TRACE("large requests granted: " + std::to_string(granted));
    RecordingHost host;
    host.entries = entries;
    host.analysis.SetMoreStatistics(true);
    g_largeRequestsLeft = granted;
    g_largeRequestsArmed = true;
    host.Start();
    g_largeRequestsArmed = false;
    for (const std::string& row : host.rows)
      EXPECT_NE(std::find(whole.rows.begin(), whole.rows.end(), row), whole.rows.end()) << row;
    for (const std::string& row : Lines(host.analysis.LastResults().more))
      EXPECT_NE(std::find(wholeMore.begin(), wholeMore.end(), row), wholeMore.end()) << row;
    // The first large request holds the numbers themselves: without them
    // there is nothing to show, and one report says why.
    if (granted == 0) {
      EXPECT_TRUE(host.rows.empty());
      EXPECT_EQ(host.reports.size(), 1u);
    }
    if (host.rows.size() < whole.rows.size()) {
      ++leftOut;
      EXPECT_TRUE(std::any_of(host.reports.begin(), host.reports.end(),
                              [](const Report& r) { return r.description == "Out of memory"; }));
    }
  }
  EXPECT_GT(leftOut, 0u);
}

}  // namespace

// The list is given each row once the results hold it, so that a list may
// take its rows from the results; a row the list refuses leaves the results
// too.
TEST_F(AnalysisTest, EachRowIsInTheResultsWhenTheListIsGivenIt) {
  const struct {
    const char* name;
    int refused;  // the row (from 0) the list refuses, -1 for none
  } cases[] = {{"every row taken", -1}, {"first refused", 0}, {"mean refused", 6}, {"last refused", 11}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingHost host;
    host.entries = {"2", "4", "4", "5"};
    int given = 0;
    std::string refusedLine;
    host.onRow = [&](const std::string& line) {
      const results::Results& now = host.analysis.LastResults();
      ASSERT_FALSE(now.rows.empty());
      EXPECT_EQ(now.rows.back().Line(), line);
      EXPECT_EQ(now.rows.size(), host.rows.size() + 1);
      if (given++ == c.refused) {
        refusedLine = line;
        throw std::runtime_error("the list is full");
      }
    };
    host.Start();
    EXPECT_EQ(given, 12);
    EXPECT_EQ(Lines(host.analysis.LastResults().rows), host.rows);
    EXPECT_EQ(host.rows.size(), c.refused < 0 ? 12u : 11u);
    EXPECT_EQ(std::count(host.rows.begin(), host.rows.end(), refusedLine), 0) << refusedLine;
    EXPECT_EQ(host.reports.size(), c.refused < 0 ? 0u : 1u);
  }
}

// The sorted numbers are the data set's own copy, held with the results
// rather than copied, and results kept from a run keep its numbers whatever
// the runs after it do.
TEST_F(AnalysisTest, KeptResultsKeepTheirSortedNumbers) {
  const struct {
    const char* name;
    std::vector<std::string> first;
    std::vector<double> firstSorted;
    std::vector<std::string> second;
    std::vector<double> secondSorted;  // what the next run's results hold
  } cases[] = {
      {"a shorter run after", {"3", "-1", "2"}, {-1, 2, 3}, {"5"}, {5}},
      {"a longer run after", {"1"}, {1}, {"9", "8", "7", "6"}, {6, 7, 8, 9}},
      {"the same numbers again", {"2", "1"}, {1, 2}, {"2", "1"}, {1, 2}},
      {"no numbers after", {"4", "2"}, {2, 4}, {}, {2, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingHost host;
    host.entries = c.first;
    host.Start();
    const results::Results kept = host.analysis.LastResults();
    ASSERT_EQ(std::vector<double>(kept.sorted.begin(), kept.sorted.end()), c.firstSorted);
    EXPECT_EQ(kept.sorted.View().data(), host.analysis.Statistics().SortedNumbers().data()) << "not copied";

    host.entries = c.second;
    host.Start();
    EXPECT_EQ(std::vector<double>(kept.sorted.begin(), kept.sorted.end()), c.firstSorted);
    const results::SortedNumbers& now = host.analysis.LastResults().sorted;
    EXPECT_EQ(std::vector<double>(now.begin(), now.end()), c.secondSorted);
  }
}
