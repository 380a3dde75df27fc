// Lists of hundreds of thousands of entries: the sizes at which the sort, the
// engine, the analysis run and the list-file reader share their work with a
// second thread. Everything must come out exactly as the plain one-by-one
// loops give it: the same bits, the same entries, and the same failures,
// reported in list order.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "input/ListFile.h"
#include "numtext/EntryValue.h"
#include "numtext/LeadingNumber.h"
#include "numtext/NumberTest.h"
#include "numtext/NumberText.h"
#include "results/Analysis.h"
#include "stats/Arithmetic.h"
#include "stats/ExactSum.h"
#include "stats/RadixSort.h"
#include "stats/StatResult.h"
#include "stats/Statistics.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::input;
using namespace tallowmere::results;

namespace {

// Comfortably above every size from which work is shared.
constexpr std::size_t kLarge = 300'000;

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

bool SameBits(std::span<const double> a, std::span<const double> b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Bits(a[i]) != Bits(b[i])) return false;
  return true;
}

// Integers with repeats and decimals with three places, signs mixed: the
// shape of a typical list file.
std::vector<double> TypicalData(std::size_t n, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::vector<double> v(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t r = rng();
    v[i] = i % 3 == 0 ? static_cast<double>(static_cast<int>(r % 2000) - 1000)
                      : static_cast<double>(r % 20'000'000) / 1000.0 - 10000.0;
  }
  return v;
}

// ---- The engine ----------------------------------------------------------------

class LargeEngine : public ::testing::Test {
 protected:
  void Use(std::vector<double> v) {
    const double count = static_cast<double>(v.size());
    data.SetNumbers({v.begin(), v.end()});
    data.SetNumberCount(count);
  }

  stats::modStatistics::DataSet data;
};

// The exact sum, the plain way: one value at a time.
double PlainExactSum(const std::vector<double>& x) {
  stats::ExactSum exact;
  exact.AddPlain(x.data(), x.size());
  return exact.Rounded();
}

// The definitions of the dispersion procedures as plain loops, one value at a
// time in index order, around the mean of the exact sum. A failure anywhere
// gives "#Div/0!".
struct Reference {
  StatResult variance = kDivZeroText, deviation = kDivZeroText, skew = kDivZeroText, cv = kDivZeroText;
};

Reference ReferenceOf(const std::vector<double>& x, bool sample) {
  Reference r;
  const double n = static_cast<double>(x.size());
  try {
    double inOrder = 0.0;
    for (double v : x) inOrder = stats::Add(inOrder, v);
  } catch (const ArithmeticError&) {
    return r;
  }
  const double mean = stats::Div(PlainExactSum(x), n);
  double sd = 0.0;
  try {
    double acc = 0.0;
    for (double v : x) {
      const double d = stats::Sub(v, mean);
      acc = stats::Add(stats::Mul(d, d), acc);
    }
    const double variance = sample ? stats::Div(acc, stats::Sub(n, 1.0)) : stats::Div(acc, n);
    r.variance = variance;
    sd = std::sqrt(std::fabs(variance));
    r.deviation = sd;
    r.cv = stats::Mul(stats::Div(sd, mean), 100.0);
  } catch (const ArithmeticError&) {
    return r;
  }
  try {
    double acc = 0.0;
    for (double v : x) acc = stats::Add(acc, stats::Cube(stats::Div(stats::Sub(v, mean), sd)));
    r.skew = stats::Mul(stats::Div(n, stats::Mul(stats::Sub(n, 1.0), stats::Sub(n, 2.0))), acc);
  } catch (const ArithmeticError&) {
  }
  return r;
}

bool Same(const StatResult& a, const StatResult& b) {
  if (a.IsNumber() != b.IsNumber()) return false;
  return a.IsNumber() ? Bits(a.Number()) == Bits(b.Number()) : a.Text() == b.Text();
}

std::string Show(const StatResult& r) { return r.IsNumber() ? numtext::NumberText(r.Number(), {}) : r.Text(); }

TEST_F(LargeEngine, DispersionAndShapeMatchThePlainLoops) {
  struct Row {
    const char* name;
    std::vector<double> data;
  };
  std::vector<Row> rows;
  rows.push_back({"typical", TypicalData(kLarge, 3)});
  {
    // Full-precision values, so that many cubes need the careful path.
    std::mt19937_64 rng(5);
    std::vector<double> v(kLarge);
    for (double& x : v) x = static_cast<double>(rng() >> 11) * 0x1.0p-53 * 1000.0 - 250.0;
    rows.push_back({"full precision", std::move(v)});
  }
  {
    // All equal but one at the very end: s is not 0, the terms are tiny but
    // one, which dominates the sum at the end of the second half.
    std::vector<double> v(kLarge, 4.0);
    v.back() = 1e6;
    rows.push_back({"one outlier at the end", std::move(v)});
  }
  {
    // A square overflows late in the list: the variance fails, and with it
    // everything that needs the standard deviation.
    std::vector<double> v = TypicalData(kLarge, 9);
    v[kLarge - 7] = 1e300;
    rows.push_back({"a square overflows late", std::move(v)});
  }
  {
    // Huge values late in the list: large terms at the end of the sums.
    std::vector<double> v(kLarge);
    for (std::size_t i = 0; i < kLarge; ++i) v[i] = i % 2 ? 1.0 : -1.0;
    v[kLarge - 3] = 1e100;
    v[kLarge - 2] = -3e99;
    rows.push_back({"huge values late", std::move(v)});
  }
  {
    // All equal: s is 0 and the first division fails.
    rows.push_back({"all equal", std::vector<double>(kLarge, 2.5)});
  }
  // The sums as their own checked loops give them, or the failure.
  auto sums = [](const stats::modStatistics::DataSet& d) {
    std::vector<std::string> out;
    for (const std::function<double()>& f :
         std::vector<std::function<double()>>{[&] { return d.GetSum(); }, [&] { return d.GetSumOfSquares(); },
                                              [&] { return d.GetAverageDeviation().Number(); }}) {
      try {
        out.push_back(std::to_string(Bits(f())));
      } catch (const std::exception& e) {
        out.push_back(std::string("fail:") + e.what());
      }
    }
    return out;
  };
  for (bool sample : {true, false}) {
    for (const Row& row : rows) {
      // Worked out ahead by two threads, or each when asked: the same.
      for (bool ahead : {false, true}) {
        SCOPED_TRACE(std::string(row.name) + (sample ? " sample" : " population") + (ahead ? ", ahead" : ""));
        data.SetMethodIsSample(sample);
        Use(row.data);
        if (ahead) data.WorkOutAhead();
        const Reference want = ReferenceOf(row.data, sample);
        EXPECT_TRUE(Same(data.GetVariance(), want.variance)) << Show(data.GetVariance());
        EXPECT_TRUE(Same(data.GetStandardDeviation(), want.deviation));
        EXPECT_TRUE(Same(data.GetSkew(), want.skew)) << Show(data.GetSkew()) << " want " << Show(want.skew);
        EXPECT_TRUE(Same(data.GetCoefficientOfVariation(), want.cv));
        stats::modStatistics::DataSet fresh;
        fresh.SetNumbers({row.data.begin(), row.data.end()});
        fresh.SetNumberCount(static_cast<double>(row.data.size()));
        EXPECT_EQ(sums(data), sums(fresh));
      }
    }
  }
}

TEST_F(LargeEngine, SortedCopyAndModeFollowChangesAnywhere) {
  // With a sorted copy, and with the ties and middle elements that stand in
  // for it when none is kept.
  for (const bool kept : {true, false}) {
    SCOPED_TRACE(kept ? "sorted copy kept" : "sorted in parts");
    data.SetSortedCopyKept(kept, 1000);
    // 500 copies of each of 600 values: every value ties, the first one in
    // the list wins alone only when it gets one more copy.
    std::vector<double> v(kLarge);
    for (std::size_t i = 0; i < kLarge; ++i) v[i] = static_cast<double>(i % 600);
    Use(v);
    data.SortNumbers();
    std::vector<double> sorted = v;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_TRUE(
        SameBits({data.SortedNumbers().begin(), data.SortedNumbers().end()}, kept ? sorted : std::vector<double>{}));
    EXPECT_TRUE(SameBits(data.Numbers(), v));
    EXPECT_EQ(data.GetMedian(), 299.5);
    // Value v fills places 500v .. 500v + 499. Q1 at place 0.25 * 299999 =
    // 74999.75 lies between 149 and 150, Q3 at 224999.25 between 449 and 450.
    EXPECT_EQ(data.GetQuartile(1), 149.75);
    EXPECT_EQ(data.GetQuartile(3), 449.25);
    EXPECT_EQ(data.GetMinimum(), 0.0);
    EXPECT_EQ(data.GetMaximum(), 599.0);
    const StatResult tied = data.GetMode();
    ASSERT_FALSE(tied.IsNumber());
    EXPECT_EQ(tied.Text().substr(0, 12), "0 or 1 or 2 ");

    // A single change in the second half, after the sort: the mode must not
    // be counted from the stale sorted order.
    v[kLarge - 1] = 17.0;  // was 599 (kLarge - 1 = 299999, 299999 % 600 = 599)
    data.SetNumbers({v.begin(), v.end()});
    const StatResult single = data.GetMode();
    ASSERT_TRUE(single.IsNumber()) << Show(single);
    EXPECT_EQ(single.Number(), 17.0);
  }
}

TEST_F(LargeEngine, SumsAreExactAtEverySize) {
  // Values whose sum one by one depends on the order of the additions (each
  // 1 is lost against 1e16 in turn).
  std::vector<double> v(kLarge);
  for (std::size_t i = 0; i < kLarge; ++i) v[i] = i % 2 ? 1e16 : 1.0;
  stats::ExactSquareSum exactSquares;
  exactSquares.AddPlain(v.data(), v.size());
  const double sum = PlainExactSum(v);
  const double mean = stats::Div(sum, static_cast<double>(kLarge));
  EXPECT_EQ(sum, 1.5e21 + 150000.0);
  double deviation = 0.0;
  for (double x : v) deviation = stats::Add(std::fabs(stats::Sub(x, mean)), deviation);
  for (bool ahead : {false, true}) {
    SCOPED_TRACE(ahead ? "ahead" : "each when asked");
    Use(v);
    if (ahead) data.WorkOutAhead();
    EXPECT_EQ(Bits(data.GetSum()), Bits(sum));
    EXPECT_EQ(Bits(data.GetSumOfSquares()), Bits(exactSquares.Rounded()));
    EXPECT_EQ(Bits(data.GetMean()), Bits(mean));
    EXPECT_EQ(Bits(data.GetAverageDeviation().Number()), Bits(stats::Div(deviation, static_cast<double>(kLarge))));
  }
}

// An in-order partial sum that leaves the range is reported as an overflow,
// as it always was, even where the exact total is in range; and so is an
// exact total beyond the range where no partial sum leaves it.
TEST_F(LargeEngine, OverflowsAreReportedWhereThePartialSumsMeetThem) {
  struct Row {
    const char* name;
    std::vector<double> values;
    std::string sum, squares;
  };
  std::vector<double> back(kLarge, 1.0);
  back[kLarge - 2] = 1e308;
  back[kLarge - 1] = 1e308;
  std::vector<double> returns(kLarge, 1.0);
  returns[10] = 1.7e308;
  returns[11] = 1.7e308;
  returns[12] = -1.7e308;
  std::vector<double> creep(kLarge, 0.0);
  // Each step rounds back to DBL_MAX, the exact total is beyond it.
  creep[0] = DBL_MAX;
  for (std::size_t i = 1; i < kLarge; ++i) creep[i] = 0x1p970 * 0.75;
  std::vector<double> squareLate = TypicalData(kLarge, 4);
  squareLate[kLarge - 3] = 1e160;
  const Row rows[] = {
      {"two huge values at the end", back, "Overflow", "Overflow"},
      {"out of range and back", returns, "Overflow", "Overflow"},
      {"a creep past the largest double", creep, "Overflow", "Overflow"},
      {"a square beyond the range late", squareLate, "", "Overflow"},
  };
  auto outcome = [](const std::function<double()>& f) {
    try {
      f();
      return std::string();
    } catch (const ArithmeticError& e) {
      return std::string(e.what());
    }
  };
  for (const Row& row : rows) {
    for (bool ahead : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (ahead ? ", ahead" : ""));
      Use(row.values);
      if (ahead) data.WorkOutAhead();
      EXPECT_EQ(outcome([&] { return data.GetSum(); }), row.sum);
      EXPECT_EQ(outcome([&] { return data.GetSumOfSquares(); }), row.squares);
    }
  }
}

// ---- The analysis run ------------------------------------------------------------

struct Report {
  std::string description;
  std::string location;
  int label;
  bool operator==(const Report&) const = default;
};

// A host whose list is read as the analyser's list reads it: when known
// numbers are offered, each entry with one is held as that number alone,
// without its text. Entries marked unreadable are lines of a list file
// beyond the double range, read as list text where typed entries are read by
// their leading number.
class ListHost : public ErrorSink {
 public:
  results::Analysis analysis;
  std::vector<std::string> entries;
  std::vector<bool> tested;  // lines of list text that passed the number test
  // Leading numbers offered to the run (NaN: read the text), when set.
  std::optional<core::BigVector<double>> known;
  std::vector<std::string> rows;
  std::vector<Report> reports;

  std::size_t EntryCount() const { return entries.size(); }
  bool Tested(std::size_t i) const { return i < tested.size() && tested[i]; }
  void MarkUnreadable(std::size_t i) {
    tested.resize(entries.size(), false);
    entries.at(i) = "-1E999";
    tested[i] = true;
  }
  input::EntrySource Source() const {
    input::EntrySource source;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (known && !std::isnan(known->at(i)))
        source.AppendNumber((*known)[i]);
      else if (Tested(i))
        source.AppendTestedText(entries[i]);
      else
        source.Append(entries[i]);
    }
    return source;
  }
  void Start() {
    input::EntrySource source = Source();
    AnalysisHost host{.errors = *this,
                      .entries = source,
                      .decimals = {.places = 3},
                      .setBusy = [](bool) {},
                      .clearResults = [this] { rows.clear(); },
                      .addResultRow = [this](const std::string& line) { rows.push_back(line); },
                      .showMessage = [](const std::string&) {}};
    analysis.StartAnalysis(host);
  }
  void ReportError(const std::string& d, std::string_view loc, int label) override {
    reports.push_back({d, std::string(loc), label});
  }
};

// The leading numbers and step-114 reports of the plain loop.
void ExpectedReading(const ListHost& host, std::vector<double>& numbers, std::vector<Report>& reports) {
  numbers.assign(host.EntryCount(), 0.0);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    try {
      numbers[i] = host.Tested(i) ? numtext::ListEntryValue(host.entries[i], numtext::Separators{})
                                  : numtext::LeadingNumber(host.entries[i]);
    } catch (const std::exception& e) {
      reports.push_back({e.what(), kStartAnalysisLocation, 114});
    }
  }
}

class LargeRun : public ::testing::Test {};

TEST_F(LargeRun, FailingEntriesAreReportedInListOrder) {
  struct Row {
    const char* name;
    std::vector<std::size_t> overflowAt;  // entries reading beyond the double range
    std::size_t missing;                  // unreadable entries after them, at the end
    bool known;                           // every other entry's number offered, as a list file's reader does
    bool grouped = false;                 // every third entry a grouped line of a list file
  } rows[] = {
      {.name = "one in the second half", .overflowAt = {kLarge - 5}, .missing = 0, .known = false},
      {.name = "in both halves and at the edges",
       .overflowAt = {0, 1, kLarge / 2 - 1, kLarge / 2, kLarge / 2 + 1, kLarge - 1},
       .missing = 0,
       .known = false},
      {.name = "unreadable entries at the end", .overflowAt = {7}, .missing = 4, .known = false},
      // The only entries left to read are these few, alone among thousands
      // of known ones, either side of a pair and of a stretch of 1024.
      {.name = "known numbers around them",
       .overflowAt = {0, 1, 1023, 1024, 1025, 3073, 5122, kLarge / 2, kLarge - 1},
       .missing = 0,
       .known = true},
      // A stretch of 1024 known numbers is passed over whole: the entry just
      // after it must still be read, in the first piece, in a later one, and
      // where two threads' pieces meet (a piece is 4688 entries long here).
      {.name = "right after whole stretches of known numbers",
       .overflowAt = {3072, 3073, 6144, 9375, 9376, 65536, 65537, 4 * 65536 - 1, 4 * 65536},
       .missing = 0,
       .known = true},
      // Lines read as their writer meant them, by both threads.
      {.name = "grouped lines of list files",
       .overflowAt = {3, kLarge / 2 + 2},
       .missing = 0,
       .known = false,
       .grouped = true},
      {.name = "grouped lines among known numbers",
       .overflowAt = {1024, kLarge - 2},
       .missing = 0,
       .known = true,
       .grouped = true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ListHost host;
    std::mt19937_64 rng(21);
    for (std::size_t i = 0; i < kLarge; ++i) {
      // Plain decimals and texts that take the general reading.
      const std::uint64_t r = rng();
      host.entries.push_back(r % 5 == 0   ? " " + std::to_string(r % 1000) + "e-2 "
                             : r % 7 == 0 ? "&H" + std::to_string(r % 100)
                                          : std::to_string(static_cast<int>(r % 20001) - 10000) + "." +
                                                std::to_string(r % 1000));
    }
    if (row.grouped) {
      host.tested.assign(kLarge, false);
      for (std::size_t i = 0; i < kLarge; i += 3) {
        host.entries[i] = std::to_string(i % 97 + 1) + "," + std::to_string(100 + i % 900) + ".5";
        host.tested[i] = true;
      }
    }
    for (std::size_t at : row.overflowAt) host.entries[at] = "1E999";
    for (std::size_t k = 0; k < row.missing; ++k) {
      host.entries.emplace_back();
      host.MarkUnreadable(host.entries.size() - 1);
    }

    std::vector<double> wantNumbers;
    std::vector<Report> wantReports;
    ExpectedReading(host, wantNumbers, wantReports);
    ASSERT_EQ(wantReports.size(), row.overflowAt.size() + row.missing);
    if (row.known) {
      host.known.emplace(wantNumbers.begin(), wantNumbers.end());
      for (std::size_t at : row.overflowAt) (*host.known)[at] = std::numeric_limits<double>::quiet_NaN();
      // A list file's reader keeps the lines that are not plain as texts.
      for (std::size_t i = 0; i < host.tested.size(); ++i)
        if (host.tested[i]) (*host.known)[i] = std::numeric_limits<double>::quiet_NaN();
    }

    host.Start();
    EXPECT_TRUE(SameBits(host.analysis.Statistics().Numbers(), wantNumbers));
    // Nothing else fails in this run, so the reports are exactly those of
    // step 114, in list order.
    EXPECT_EQ(host.reports, wantReports);
    EXPECT_EQ(host.rows.size(), 12u);
  }
}

TEST_F(LargeRun, ThousandsOfFailuresLoseNoneAndKeepTheirOrder) {
  ListHost host;
  for (std::size_t i = 0; i < kLarge; ++i) host.entries.push_back(std::to_string(i % 977));
  // Far more failing entries than a helper keeps, all in the second half,
  // then a few readable ones between more failures.
  for (std::size_t i = kLarge / 2 + 10; i < kLarge / 2 + 5010; ++i) host.entries[i] = "-1D400";
  for (std::size_t i = kLarge - 100; i < kLarge; i += 3) host.entries[i] = "9e9999";
  // And two in the first half, which must come before all of them.
  host.entries[5] = "1e309";
  host.entries[kLarge / 2 - 2] = "-2e308";
  // Unreadable lines of list files among them.
  for (std::size_t i :
       {std::size_t{3}, kLarge / 2 - 1, kLarge / 2 + 11, kLarge / 2 + 4000, kLarge / 2 + 6000, kLarge - 1})
    host.MarkUnreadable(i);
  std::vector<double> wantNumbers;
  std::vector<Report> wantReports;
  ExpectedReading(host, wantNumbers, wantReports);

  host.Start();
  EXPECT_TRUE(SameBits(host.analysis.Statistics().Numbers(), wantNumbers));
  EXPECT_EQ(host.reports.size(), wantReports.size());
  EXPECT_TRUE(host.reports == wantReports);
  ASSERT_EQ(host.rows.size(), 12u);
  EXPECT_EQ(host.rows[0], "The number of entries is: " + std::to_string(kLarge));
}

// ---- List files ---------------------------------------------------------------------

using loadertest::MixedListText;
using loadertest::RecordingEntrySink;

// Keeps as the analyser's list does: the leading numbers only, and the texts
// of the entries without one.
class OnlyNumbersSink : public ValueSink {
 public:
  std::vector<double> numbers;  // NaN for an entry kept as text
  std::vector<std::string> texts;
  void Append(std::string_view text) override {
    texts.emplace_back(text);
    numbers.push_back(std::numeric_limits<double>::quiet_NaN());
  }
  void AppendNumber(double leadingNumber) override { numbers.push_back(leadingNumber); }
  void AppendNumbers(std::span<const double> leadingNumbers) override {
    numbers.insert(numbers.end(), leadingNumbers.begin(), leadingNumbers.end());
  }
};

// The leading numbers kept while reading must be those the analysis would
// read from the texts, and a run given them must be the run without them:
// the same numbers bit for bit, the same rows, the same reports in order.
TEST_F(LargeRun, LeadingNumbersKeptByTheReaderGiveTheSameRun) {
  const char* adversarial[] = {"+.5",   "-0",   "-0.000", ".",    "5.", "123456789012345",  "1234567890123456",
                               "0.1e5", " 12 ", "1,5",    "&H10", "-.", "00000000000000.1", "9999999999.99999"};
  struct Row {
    const char* name;
    numtext::Separators sep;
    std::size_t lines;
    std::size_t piece;  // fed in pieces of this size
  } rows[] = {
      {"decimal point, read whole", {".", ","}, 300'000, 0},
      {"decimal comma, in pieces", {",", "."}, 200'000, 65'537},
      {"a short list, small pieces", {".", ","}, 3'000, 7},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string text = MixedListText(row.lines, 31);
    for (const char* a : adversarial) text += std::string(a) + "\n";
    // Short plain lines last, in a buffer of exactly the text's size: a
    // reading that takes a whole word past the last lines would leave it.
    text += "-1.5\n7\n";
    const std::unique_ptr<char[]> exact(new char[text.size()]);
    std::memcpy(exact.get(), text.data(), text.size());
    RecordingEntrySink plain;
    OnlyNumbersSink onlyNumbers;
    ListTextReader reader(plain, row.sep), numbersReader(onlyNumbers, row.sep);
    const std::size_t piece = row.piece ? row.piece : text.size();
    for (std::size_t at = 0; at < text.size(); at += piece) {
      reader.Feed(exact.get() + at, std::min(piece, text.size() - at));
      numbersReader.Feed(exact.get() + at, std::min(piece, text.size() - at));
    }
    reader.Finish();
    numbersReader.Finish();
    // A number or a text for every entry, the texts exactly those of the
    // entries without a number.
    ASSERT_EQ(onlyNumbers.numbers.size(), plain.entries.size());
    std::vector<std::string> textsWithoutNumbers;
    for (std::size_t i = 0; i < onlyNumbers.numbers.size(); ++i)
      if (std::isnan(onlyNumbers.numbers[i])) textsWithoutNumbers.push_back(plain.entries[i]);
    EXPECT_TRUE(onlyNumbers.texts == textsWithoutNumbers);
    const std::vector<double>& numbers = onlyNumbers.numbers;

    // Against the number test's own reading (another piece of code) with a
    // decimal point, for every kept number; some must be kept, some not.
    std::size_t kept = 0, wrong = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      if (std::isnan(numbers[i])) continue;
      ++kept;
      const double expected = numtext::NumericValue(plain.entries[i], {".", ","});
      if (std::bit_cast<std::uint64_t>(expected) != std::bit_cast<std::uint64_t>(numbers[i]) ||
          std::bit_cast<std::uint64_t>(numtext::LeadingNumber(plain.entries[i])) !=
              std::bit_cast<std::uint64_t>(numbers[i]))
        ++wrong;
    }
    EXPECT_EQ(wrong, 0u);
    EXPECT_GT(kept, numbers.size() / 2);
    EXPECT_LT(kept, numbers.size());

    ListHost without, with;
    without.entries = plain.entries;
    with.entries = plain.entries;
    with.known.emplace(numbers.begin(), numbers.end());
    // Entries read from their text may fail; the run must report them alike.
    for (ListHost* host : {&without, &with}) {
      for (std::size_t i = 0; i < plain.entries.size(); i += 97)
        if (std::isnan(numbers[i])) host->MarkUnreadable(i);
    }
    without.Start();
    with.Start();
    EXPECT_TRUE(SameBits(with.analysis.Statistics().Numbers(), without.analysis.Statistics().Numbers()));
    EXPECT_EQ(with.rows, without.rows);
    EXPECT_FALSE(without.reports.empty());
    EXPECT_TRUE(with.reports == without.reports);
  }
}

}  // namespace
