// What the analysis makes of single entries: which are numbers, the value
// each counts as (the same as a run gives it), the entries found that are not
// numbers in a stretch of the list, and the sentence that names them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/Analysis.h"
#include "results/AnalysisEntries.h"

using namespace tallowmere;
using namespace tallowmere::results;

namespace {

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

struct Entries {
  std::vector<std::string> texts;
  std::vector<bool> tested;

  // The list as the window holds it, every entry a text; without the flags
  // every entry is typed.
  input::EntrySource Source(bool flags = true) const {
    input::EntrySource source;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (flags && tested.at(i))
        source.AppendTestedText(texts[i]);
      else
        source.Append(texts[i]);
    }
    return source;
  }
};

// The values a whole run gives the entries, in list order.
std::vector<double> RunValues(const Entries& list, const numtext::Separators& sep) {
  struct Sink : core::ErrorSink {
    void ReportError(const std::string&, std::string_view, int) override {}
  } errors;
  Analysis analysis(sep);
  input::EntrySource source = list.Source();
  analysis.StartAnalysis({.errors = errors,
                          .entries = source,
                          .decimals = {.places = 3},
                          .setBusy = [](bool) {},
                          .clearResults = [] {},
                          .addResultRow = [](const std::string&) {},
                          .showMessage = [](const std::string&) {}});
  const core::BigVector<double>& numbers = analysis.Statistics().Numbers();
  return {numbers.begin(), numbers.end()};
}

TEST(AnalysisEntries, NamesWhatARunCountsAsSomethingElseThanItsText) {
  const struct {
    const char* text;
    bool tested;
    numtext::Separators sep;
    bool number;
    double worth;
  } cases[] = {
      {"10", false, kEnglish, true, 10},
      {" 7 ", false, kEnglish, true, 7},
      {"-2.5e3", false, kEnglish, true, -2500},
      {"\t.5", false, kEnglish, true, 0.5},
      {"1234567890123456789", false, kEnglish, true, 1234567890123456789.0},
      {"n/a", false, kEnglish, false, 0},
      {"abc", false, kEnglish, false, 0},
      {"", false, kEnglish, false, 0},
      {"42 kg", false, kEnglish, false, 42},
      {"3 4", false, kEnglish, false, 34},
      {"12abc", false, kEnglish, false, 12},
      {"1e", false, kEnglish, false, 1},
      {"&H10", false, kEnglish, false, 16},
      // A line of a list file passed the number test: read as written.
      {"1,234.5", true, kEnglish, true, 1234.5},
      {"61,5", true, kGerman, true, 61.5},
      {"1.234,5", true, kGerman, true, 1234.5},
      // The same text typed is read by its leading number.
      {"1.234,5", false, kGerman, false, 1.234},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsNumberEntry(c.text, c.tested, c.sep), c.number);
    EXPECT_EQ(EntryWorth(c.text, c.tested, c.sep), c.worth);
    // The run gives the entry the same value, alone and among others.
    const Entries one{{c.text}, {c.tested}};
    EXPECT_EQ(RunValues(one, c.sep), std::vector<double>{c.worth});
    const Entries three{{"1", c.text, "x"}, {false, c.tested, false}};
    EXPECT_EQ(RunValues(three, c.sep), (std::vector<double>{1, c.worth, 0}));
  }
}

TEST(AnalysisEntries, FindsTheEntriesThatAreNotNumbersInAStretchOfTheList) {
  const Entries list{{"1", "n/a", "2", "42 kg", "", "x,5", "3", "1e999 kg", "z"},
                     {false, false, false, false, false, true, false, false, false}};
  EXPECT_EQ(NotNumberRows(list.Source(), 0, 9, kEnglish), (std::vector<std::size_t>{1, 3, 4, 7, 8}));
  EXPECT_EQ(NotNumberRows(list.Source(), 2, 5, kEnglish), (std::vector<std::size_t>{3, 4}));
  EXPECT_TRUE(NotNumberRows(list.Source(), 5, 7, kEnglish).empty());

  const NotNumbers all = NotNumbersAmong(list.Source(), 0, 9, kEnglish);
  EXPECT_EQ(all.count, 5u);
  ASSERT_EQ(all.first.size(), NotNumbers::kNamed);
  EXPECT_EQ(all.first[0].text, "n/a");
  EXPECT_EQ(all.first[1].text, "42 kg");
  EXPECT_EQ(all.first[1].value, 42);
  EXPECT_EQ(all.first[2].text, "");
  // Beyond the double range the run reports a failure and counts 0.
  const NotNumbers tail = NotNumbersAmong(list.Source(), 6, 9, kEnglish);
  EXPECT_EQ(tail.count, 2u);
  ASSERT_EQ(tail.first.size(), 2u);
  EXPECT_EQ(tail.first[0].text, "1e999 kg");
  EXPECT_EQ(tail.first[0].value, 0);

  // A visit that answers false ends the search.
  std::vector<std::size_t> seen;
  ForEachNotNumber(list.Source(), 0, 9, kEnglish, [&](std::size_t i) {
    seen.push_back(i);
    return seen.size() < 2;
  });
  EXPECT_EQ(seen, (std::vector<std::size_t>{1, 3}));
  // Without the flags every entry is typed.
  EXPECT_EQ(NotNumbersAmong(list.Source(false), 0, 9, kEnglish).count, 6u);
}

TEST(AnalysisEntries, TheSentenceQuotesLongTextsShortened) {
  const std::string exactly(kQuotedCharacters, 'a');
  const std::string wide = "\xC3\xA9" + std::string(kQuotedCharacters, 'b');  // é and 32 more
  const struct {
    std::string text;
    std::string quoted;
  } cases[] = {
      {exactly, '"' + exactly + '"'},
      {exactly + "b", '"' + std::string(kQuotedCharacters - 1, 'a') + "\u2026\""},
      {wide, "\"\xC3\xA9" + std::string(kQuotedCharacters - 2, 'b') + "\u2026\""},
  };
  for (const auto& c : cases) {
    const NotNumbers one{1, {{c.text, 0}}};
    EXPECT_EQ(NotNumbersSentence(one, kEnglish), "1 entry is not a number and counts as 0: " + c.quoted + '.');
  }
  EXPECT_EQ(NotNumbersSentence(NotNumbers{}, kEnglish), "");
}

}  // namespace
