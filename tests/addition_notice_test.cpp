// The notice after an addition to the number list: what it says for each kind
// of addition and each count, singular and plural, grouped digits, and a long
// or odd first skipped text.
#include <gtest/gtest.h>

#include <string>

#include "app/AdditionNotice.h"

using namespace tallowmere;
using namespace tallowmere::app;

namespace {

Addition Made(AdditionSource source, std::size_t appended, std::size_t skipped = 0, std::string first = {},
              std::size_t files = 0, const char* fileName = "") {
  Addition a;
  a.source = source;
  a.tally.appended = appended;
  a.tally.skipped = skipped;
  a.tally.firstSkipped = std::move(first);
  a.files = files;
  a.fileName = QString::fromUtf8(fileName);
  return a;
}

Addition Other(Addition a, std::size_t count, std::string first) {
  a.tally.otherConvention = count;
  a.tally.firstOtherConvention = std::move(first);
  return a;
}

TEST(AdditionNotice, SaysWhatEachKindOfAdditionBrought) {
  using S = AdditionSource;
  const struct {
    Addition addition;
    const char* text;
  } cases[] = {
      {Made(S::kFiles, 20, 1, "Weight", 1, "weights.csv"),
       "Added 20 numbers from weights.csv; 1 line was not a number (first: \"Weight\")."},
      {Made(S::kFiles, 0, 21, "55,1;61,5", 1, "weights2.csv"),
       "weights2.csv holds no numbers: its 21 lines are not numbers in this locale (first: \"55,1;61,5\")."},
      {Made(S::kFiles, 0, 1, "x", 1, "one.txt"),
       "one.txt holds no numbers: its only line is not a number in this locale (first: \"x\")."},
      {Made(S::kFiles, 0, 0, "", 1, "empty.txt"), "empty.txt holds no numbers."},
      {Made(S::kFiles, 1, 0, "", 1, "a.txt"), "Added 1 number from a.txt."},
      {Made(S::kFiles, 1234567, 2, "Weight", 3),
       "Added 1,234,567 numbers from 3 files; 2 lines were not numbers (first: \"Weight\")."},
      {Made(S::kFiles, 0, 4, "a", 3),
       "The 3 files hold no numbers: their 4 lines are not numbers in this locale (first: \"a\")."},
      {Made(S::kFiles, 0, 0, "", 2), "The 2 files hold no numbers."},
      {Made(S::kClipboard, 20, 2, "A"),
       "Added 20 numbers from the clipboard; 2 items were not numbers (first: \"A\")."},
      {Made(S::kClipboard, 0, 1, "Weight"),
       "The clipboard holds no numbers: its only item is not a number in this locale (first: \"Weight\")."},
      {Made(S::kClipboard, 0), "The clipboard holds no numbers."},
      {Made(S::kDroppedText, 5, 1, "x"),
       "Added 5 numbers from the dropped text; 1 item was not a number (first: \"x\")."},
      {Made(S::kDroppedText, 0, 1000, "https://example.org/"),
       "The dropped text holds no numbers: its 1,000 items are not numbers in this locale (first: "
       "\"https://example.org/\")."},
      {Made(S::kTyped, 3), "Added 3 numbers."},
      {Made(S::kTyped, 1), "Added 1 number."},
      {Made(S::kTyped, 2, 1, "Weight"), "Added 2 numbers; 1 item was not a number (first: \"Weight\")."},
      {Made(S::kSample, 4), "Added the 4 sample numbers."},
      // Lines read in the other decimal convention than the user's.
      {Other(Made(S::kFiles, 30, 0, "", 1, "lab.txt"), 30, "71,2"),
       "Added 30 numbers from lab.txt; 30 lines were read with a decimal comma (first: \"71,2\")."},
      {Other(Made(S::kFiles, 2, 1, "Gewicht", 1, "lab.txt"), 1, "1.234,5"),
       "Added 2 numbers from lab.txt; 1 line was not a number (first: \"Gewicht\"); 1 line was read with a "
       "decimal comma (first: \"1.234,5\")."},
      {Other(Made(S::kClipboard, 3), 3, "1,234.5"),
       "Added 3 numbers from the clipboard; 3 items were read with a decimal point (first: \"1,234.5\")."},
      {Other(Made(S::kDroppedText, 1), 1, "61.5"),
       "Added 1 number from the dropped text; 1 item was read with a decimal point (first: \"61.5\")."},
  };
  for (const auto& c : cases) EXPECT_EQ(AdditionNoticeText(c.addition).toStdString(), c.text);
}

TEST(AdditionNotice, QuotesALongOrOddFirstTextShortened) {
  const std::string exactly(kQuotedCharacters, 'a');
  const struct {
    std::string text;
    QString quoted;
  } cases[] = {
      {"Weight", QStringLiteral("\"Weight\"")},
      {exactly, QLatin1Char('"') + QString::fromStdString(exactly) + QLatin1Char('"')},
      {exactly + "b",
       QLatin1Char('"') + QString(kQuotedCharacters - 1, QLatin1Char('a')) + QChar(0x2026) + QLatin1Char('"')},
      {"a\tb\x01", QStringLiteral("\"a\uFFFDb\uFFFD\"")},
      {"G\xC3\xA9wicht", QStringLiteral("\"G\u00E9wicht\"")},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedSkippedText(c.text), c.quoted) << c.text;
}

TEST(AdditionNotice, CountsEntriesGrouped) {
  const struct {
    std::size_t count;
    const char* text;
  } cases[] = {{0, "0 entries"}, {1, "1 entry"}, {20, "20 entries"}, {1234567, "1,234,567 entries"}};
  for (const auto& c : cases) EXPECT_EQ(EntriesText(c.count).toStdString(), c.text);
}

// The entries typed (or in the list when the analysis ran) that the analysis
// counts as something else than their text: the window's sentence and the
// analyser's word them alike.
TEST(AdditionNotice, NamesTheEntriesThatAreNotNumbersAndWhatTheyCountAs) {
  using results::NotNumbers;
  const numtext::Separators english{".", ","};
  const numtext::Separators german{",", "."};
  const struct {
    NotNumbers found;
    numtext::Separators sep;
    const char* text;
  } cases[] = {
      {{1, {{"n/a", 0}}}, english, "1 entry is not a number and counts as 0: \"n/a\"."},
      {{2, {{"n/a", 0}, {"42 kg", 42}}},
       english,
       "2 entries are not numbers and count as 0 and 42: \"n/a\", \"42 kg\"."},
      {{2, {{"n/a", 0}, {"", 0}}}, english, "2 entries are not numbers and count as 0: \"n/a\", \"\"."},
      {{3, {{"n/a", 0}, {"1.5 l", 1.5}, {"42 kg", 42}}},
       german,
       "3 entries are not numbers and count as 0, 1,5 and 42: \"n/a\", \"1.5 l\", \"42 kg\"."},
      {{5, {{"a", 0}, {"b", 0}, {"c", 0}}},
       english,
       "5 entries are not numbers; the first 3 count as 0: \"a\", \"b\", \"c\"."},
      {{1234567, {{"a", 0}, {"2b", 2}, {"c", 0}}},
       english,
       "1,234,567 entries are not numbers; the first 3 count as 0, 2 and 0: \"a\", \"2b\", \"c\"."},
      {{1, {{"%1 %2", 0}}}, english, "1 entry is not a number and counts as 0: \"%1 %2\"."},
      {{0, {}}, english, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NotNumbersText(c.found, c.sep).toStdString(), c.text);
    EXPECT_EQ(results::NotNumbersSentence(c.found, c.sep), c.text);
  }
}

TEST(AdditionNotice, AStoppedTextSaysHowFarItCame) {
  const struct {
    AdditionSource source;
    std::size_t appended;
    const char* text;
  } cases[] = {
      {AdditionSource::kClipboard, 1, "Pasting was stopped part-way through the text; 1 number was added."},
      {AdditionSource::kDroppedText, 2500000,
       "The drop was stopped part-way through the text; 2,500,000 numbers were added."},
  };
  for (const auto& c : cases) EXPECT_EQ(TextStoppedNotice(c.source, c.appended).toStdString(), c.text);
}

}  // namespace

namespace {

Addition FromColumn(const char* column, std::size_t number, std::size_t appended, std::size_t skipped = 0,
                    std::string first = {}) {
  Addition a = Made(AdditionSource::kTableColumn, appended, skipped, std::move(first), 1, "lab.csv");
  a.column = QString::fromUtf8(column);
  a.columnNumber = number;
  return a;
}

TEST(AdditionNotice, SaysWhatAColumnOfATableBrought) {
  const struct {
    const char* name;
    Addition addition;
    const char* text;
  } cases[] = {
      {"a column by its header, cells skipped", FromColumn("weight", 2, 30, 2, "n/a"),
       "Added 30 numbers from column \"weight\" of lab.csv; 2 cells were not numbers (first: \"n/a\")."},
      {"one number, one cell skipped", FromColumn("weight", 2, 1, 1, "-"),
       "Added 1 number from column \"weight\" of lab.csv; 1 cell was not a number (first: \"-\")."},
      {"a column without a header, by its number", FromColumn("", 3, 4), "Added 4 numbers from column 3 of lab.csv."},
      {"no numbers at all", FromColumn("group", 4, 0, 5, "A"),
       "Column \"group\" of lab.csv holds no numbers: its 5 cells are not numbers in this locale (first: \"A\")."},
      {"no numbers, one cell", FromColumn("group", 4, 0, 1, "A"),
       "Column \"group\" of lab.csv holds no numbers: its only cell is not a number in this locale (first: \"A\")."},
      {"an empty column", FromColumn("note", 5, 0), "Column \"note\" of lab.csv holds no numbers."},
      {"cells read in the other convention", Other(FromColumn("weight", 2, 3), 3, "61,5"),
       "Added 3 numbers from column \"weight\" of lab.csv; 3 cells were read with a decimal comma (first: "
       "\"61,5\")."},
      {"a header cell quoted as a skipped text is", FromColumn("a \"b\"\tc", 1, 2),
       "Added 2 numbers from column \"a \"b\"\xEF\xBF\xBD"
       "c\" of lab.csv."},
  };
  for (const auto& c : cases) EXPECT_EQ(AdditionNoticeText(c.addition), QString::fromUtf8(c.text)) << c.name;
}

}  // namespace
