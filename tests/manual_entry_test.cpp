// Typed numbers ("Add Number / Numbers") and the sample series: what each
// answer appends, and how a failing append is reported and passed over.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "input/ManualEntry.h"
#include "input/SampleNumbers.h"
#include "platform/Dialogs.h"
#include "tests/support/FakeDialogs.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::platform;
using namespace tallowmere::input;

namespace {

struct ListRecorder : EntrySink {
  std::vector<std::string> entries;
  std::size_t failAt = static_cast<std::size_t>(-1);  // the append that fails (0-based), if any
  std::size_t appends = 0;
  int flushes = 0;
  std::size_t tested = 0;  // entries that came as number-tested list text
  void Append(std::string_view text) override {
    if (appends++ == failAt) throw std::runtime_error("Out of memory");
    entries.emplace_back(text);
  }
  void AppendTestedText(std::string_view text) override {
    Append(text);
    ++tested;
  }
  void Flush() override { ++flushes; }
};

struct ReportRecorder : ErrorSink {
  std::vector<std::pair<std::string, int>> reports;  // location, label
  void ReportError(const std::string&, std::string_view location, int label) override {
    reports.emplace_back(std::string(location), label);
  }
};

struct TypedCase {
  const char* answer;
  std::vector<std::string> entries;
};

class TypedNumbers : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedNumbers, EveryPieceBecomesAnEntry) {
  FakeDialogs dialogs;
  SetApplicationTitleText("Tallowmere");
  dialogs.QueueInput(QString::fromUtf8(GetParam().answer));
  ListRecorder list;
  ReportRecorder errors;
  AddTypedNumbers({dialogs, list, errors});
  EXPECT_EQ(list.entries, GetParam().entries);
  EXPECT_TRUE(errors.reports.empty());
  ASSERT_EQ(dialogs.AllShown().size(), 1u);  // the prompt, and no message
  EXPECT_EQ(dialogs.AllShown()[0].kind, FakeDialogs::Kind::Input);
  EXPECT_EQ(dialogs.AllShown()[0].text, "Enter number or numbers (use commas):");
  EXPECT_EQ(dialogs.AllShown()[0].caption, "Tallowmere");
  EXPECT_EQ(list.flushes, GetParam().entries.empty() ? 0 : 1);
  EXPECT_EQ(list.tested, 0u);
}

INSTANTIATE_TEST_SUITE_P(Answers, TypedNumbers,
                         ::testing::Values(TypedCase{"1, 2,3", {"1", "2", "3"}}, TypedCase{" 7 ", {"7"}},
                                           TypedCase{"1,,2", {"1", "", "2"}}, TypedCase{",", {"", ""}},
                                           TypedCase{"abc", {"abc"}}, TypedCase{"1;2", {"1;2"}},
                                           TypedCase{"3 4", {"3 4"}},
                                           // Only the space is trimmed.
                                           TypedCase{"\v5 , 6\f", {"\v5", "6\f"}}, TypedCase{"   ", {""}},
                                           TypedCase{"-1.5E3,&H1F", {"-1.5E3", "&H1F"}},
                                           TypedCase{"\xc3\xa9t\xc3\xa9, 2", {"\xc3\xa9t\xc3\xa9", "2"}},
                                           TypedCase{"", {}}));  // Cancel, or OK on an empty field

// An answer with a line break or a tab was pasted: it is read as the lines
// of a list file, tabs separating cells too, and only numbers are kept.
struct PastedCase {
  const char* answer;
  numtext::Separators sep;
  std::vector<std::string> entries;
};

class PastedNumbers : public ::testing::TestWithParam<PastedCase> {};

TEST_P(PastedNumbers, EveryNumberOfTheCellsBecomesAnEntry) {
  FakeDialogs dialogs;
  dialogs.QueueInput(QString::fromUtf8(GetParam().answer));
  ListRecorder list;
  ReportRecorder errors;
  AddTypedNumbers({dialogs, list, errors, GetParam().sep});
  EXPECT_EQ(list.entries, GetParam().entries);
  EXPECT_EQ(list.tested, GetParam().entries.size());
  EXPECT_TRUE(errors.reports.empty());
  EXPECT_EQ(dialogs.AllShown().size(), 1u);
}

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

INSTANTIATE_TEST_SUITE_P(Answers, PastedNumbers,
                         ::testing::Values(PastedCase{"Weight\n61.5\n70.2\n", kEnglish, {"61.5", "70.2"}},
                                           PastedCase{"Weight\r\n61.5\r\n70.2\r\n", kEnglish, {"61.5", "70.2"}},
                                           PastedCase{"61.5\r70.2", kEnglish, {"61.5", "70.2"}},
                                           PastedCase{"10\t20\t30", kEnglish, {"10", "20", "30"}},
                                           PastedCase{"a\tb\r\n1\t2\r\n3\t\r\n", kEnglish, {"1", "2", "3"}},
                                           PastedCase{"Gewicht\n61,5\n1.234,5\n", kGerman, {"61,5", "1.234,5"}},
                                           PastedCase{"1,5\n 42 \nx", kEnglish, {"1,5", " 42 "}},
                                           PastedCase{"\t5 , 6\t", kEnglish, {}}, PastedCase{"\n", kEnglish, {}}));

// Where the decimal separator is the comma: an answer the locale reads as one
// number is that number, ';' separates numbers, else the comma split stays;
// a piece the locale reads comes as a number-tested text (worth its locale
// value), any other as typed.
struct CommaCase {
  const char* answer;
  std::vector<std::string> entries;
  std::size_t tested;
};

class DecimalCommaTyping : public ::testing::TestWithParam<CommaCase> {};

TEST_P(DecimalCommaTyping, SemicolonsSeparateNumbers) {
  for (const numtext::Separators& sep : {kGerman, numtext::Separators{",", "\u202F"}}) {
    FakeDialogs dialogs;
    SetApplicationTitleText("Tallowmere");
    dialogs.QueueInput(QString::fromUtf8(GetParam().answer));
    ListRecorder list;
    ReportRecorder errors;
    AddTypedNumbers({dialogs, list, errors, sep});
    EXPECT_EQ(list.entries, GetParam().entries);
    EXPECT_EQ(list.tested, GetParam().tested);
    EXPECT_TRUE(errors.reports.empty());
    ASSERT_EQ(dialogs.AllShown().size(), 1u);
    EXPECT_EQ(dialogs.AllShown()[0].text, "Enter number or numbers (use semicolons):");
    EXPECT_EQ(dialogs.AllShown()[0].caption, "Tallowmere");
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, DecimalCommaTyping,
                         ::testing::Values(CommaCase{"61,5", {"61,5"}, 1}, CommaCase{" 61,5 ", {"61,5"}, 1},
                                           CommaCase{"-0,25", {"-0,25"}, 1},
                                           CommaCase{"61,5; 70,2; 58,3", {"61,5", "70,2", "58,3"}, 3},
                                           CommaCase{"61,5;n/a; ;7", {"61,5", "n/a", "", "7"}, 2},
                                           CommaCase{"1;2", {"1", "2"}, 2}, CommaCase{"10, 20", {"10", "20"}, 0},
                                           CommaCase{"1,2,3", {"1", "2", "3"}, 0}, CommaCase{"abc", {"abc"}, 0},
                                           CommaCase{"", {}, 0}));

TEST(TypedNumbersMore, DecimalPointLocalesKeepTheCommaSplit) {
  for (const numtext::Separators& sep : {kEnglish, numtext::Separators{".", "\u2019"}}) {
    FakeDialogs dialogs;
    dialogs.QueueInput(QStringLiteral("61,5; 70,2"));
    ListRecorder list;
    ReportRecorder errors;
    AddTypedNumbers({dialogs, list, errors, sep});
    EXPECT_EQ(list.entries, (std::vector<std::string>{"61", "5; 70", "2"}));
    EXPECT_EQ(list.tested, 0u);
    EXPECT_EQ(dialogs.AllShown()[0].text, "Enter number or numbers (use commas):");
  }
}

TEST(TypedNumbersMore, CancelLeavesTheListAlone) {
  FakeDialogs dialogs;  // no queued answer: Cancel
  ListRecorder list;
  list.entries = {"9"};
  ReportRecorder errors;
  AddTypedNumbers({dialogs, list, errors});
  EXPECT_EQ(list.entries, std::vector<std::string>{"9"});
  EXPECT_EQ(list.flushes, 0);
}

TEST(TypedNumbersMore, TheSameAnswerTwiceAppendsTwice) {
  FakeDialogs dialogs;
  dialogs.QueueInput("1,2");
  dialogs.QueueInput("1,2");
  ListRecorder list;
  ReportRecorder errors;
  AddTypedNumbers({dialogs, list, errors});
  AddTypedNumbers({dialogs, list, errors});
  EXPECT_EQ(list.entries, (std::vector<std::string>{"1", "2", "1", "2"}));
}

TEST(TypedNumbersMore, NoLimitOnThePieces) {
  FakeDialogs dialogs;
  std::string answer;
  for (int i = 0; i < 40000; ++i) answer += std::to_string(i % 10) + ",";
  dialogs.QueueInput(QString::fromStdString(answer));
  ListRecorder list;
  ReportRecorder errors;
  AddTypedNumbers({dialogs, list, errors});
  ASSERT_EQ(list.entries.size(), 40001u);  // the trailing comma gives an empty last piece
  EXPECT_EQ(list.entries[39999], "9");
  EXPECT_EQ(list.entries[40000], "");
}

TEST(TypedNumbersMore, AFailedAppendIsReportedAndTheNextPieceFollows) {
  FakeDialogs dialogs;
  dialogs.QueueInput("1,2,3");
  ListRecorder list;
  list.failAt = 1;
  ReportRecorder errors;
  AddTypedNumbers({dialogs, list, errors});
  EXPECT_EQ(list.entries, (std::vector<std::string>{"1", "3"}));
  ASSERT_EQ(errors.reports.size(), 1u);
  EXPECT_EQ(errors.reports[0].first, "in Tallowmere2021/08/31.Form1.PushButton3_Click ");
  EXPECT_EQ(errors.reports[0].second, 112);
}

TEST(TypedNumbersMore, PiecesAndTrimming) {
  EXPECT_EQ(SplitAtCommas("a,b"), (std::vector<std::string_view>{"a", "b"}));
  EXPECT_EQ(SplitAtCommas(",,"), (std::vector<std::string_view>{"", "", ""}));
  EXPECT_EQ(SplitAtCommas("x"), (std::vector<std::string_view>{"x"}));
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("    "), "");
  EXPECT_EQ(TrimSpaces("\ta "), "\ta");
}

TEST(SampleNumbers, AppendsTheSeriesAfterWhatIsThere) {
  const struct {
    std::vector<std::string> before;
    int presses;
    std::vector<std::string> after;
  } cases[] = {
      {{}, 1, {"7", "15", "61", "100"}},
      {{"1"}, 1, {"1", "7", "15", "61", "100"}},
      {{}, 2, {"7", "15", "61", "100", "7", "15", "61", "100"}},
  };
  for (const auto& c : cases) {
    ListRecorder list;
    list.entries = c.before;
    ReportRecorder errors;
    for (int i = 0; i < c.presses; ++i) AddSampleNumbers({list, errors});
    EXPECT_EQ(list.entries, c.after);
    EXPECT_EQ(list.flushes, c.presses);
    EXPECT_TRUE(errors.reports.empty());
  }
}

TEST(SampleNumbers, EachFailedStepIsReportedWithItsLabel) {
  for (std::size_t failing = 0; failing < 4; ++failing) {
    ListRecorder list;
    list.failAt = failing;
    ReportRecorder errors;
    AddSampleNumbers({list, errors});
    EXPECT_EQ(list.entries.size(), 3u);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].first, "in Tallowmere2021/08/31.Form1.PushButton2_Click ");
    EXPECT_EQ(errors.reports[0].second, 100 + 2 * static_cast<int>(failing));
  }
}

}  // namespace
