// List text split into candidates: where a candidate ends, what is kept
// and how, the skipped and other-convention counts, the candidate cap, and
// the same entries however the text is cut into pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "input/ListText.h"
#include "input/ReadTally.h"
#include "numtext/NumberText.h"
#include "system/BlockReader.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;

namespace {

using loadertest::MixedListText;
using loadertest::PlainSplit;
using loadertest::RecordingEntrySink;
using system::kReadBlockBytes;
using Entries = std::vector<std::string>;

Entries ReadText(const std::string& text, const numtext::Separators& sep = {}) {
  RecordingEntrySink sink;
  ListTextReader reader(sink, sep);
  reader.Feed(text.data(), text.size());
  reader.Finish();
  return sink.entries;
}
TEST(ListTextReader, SplitsCandidatesAndKeepsThemAsRead) {
  struct Case {
    const char* name;
    std::string text;
    Entries expected;
  };
  const std::vector<Case> cases = {
      {"CR LF ends", "1\r\n2.5\r\n-3\r\n", {"1", "2.5", "-3"}},
      {"LF ends", "1\n2.5\n-3\n", {"1", "2.5", "-3"}},
      {"CR ends", "1\r2.5\r-3\r", {"1", "2.5", "-3"}},
      {"mixed ends, no end after the last line", "1\r\n2.5\r-3\n4", {"1", "2.5", "-3", "4"}},
      {"skipped lines, untrimmed entry", "5\n\nabc\n 6 \n", {"5", " 6 "}},
      {"blank lines of every kind", "\r\n\n\r\r\n  \n7", {"7"}},
      {"a line is tested whole", "1 2\n3x\n2.5E3\n", {"2.5E3"}},
      {"a byte-order mark is text here: it fails its line",
       "\xEF\xBB\xBF"
       "7\r\n8\r\n",
       {"8"}},
      {"empty text", "", {}},
      {"NUL inside a line",
       std::string("1\0"
                   "2\n3\n",
                   6),
       {"3"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadText(c.text), c.expected) << c.name;
}

// What the window tells after a load: how many candidates failed the number
// test and the first of them. Blank candidates are not counted.
TEST(ListTextReader, CountsTheCandidatesItSkipsAndKeepsTheFirst) {
  const std::string longWord = "x" + std::string(kMaxCandidateBytes + 10, 'y');
  std::string large;  // past the size at which a helper thread shares the test
  for (int i = 0; i < 40000; ++i) large += i == 20000 ? "late\n" : i == 12345 ? "first\n" : "1.5\n";
  // Many skipped in every part that a helper thread reads: each part's count adds up.
  std::string manySkipped;
  for (int i = 0; i < 40000; ++i) manySkipped += i % 7 == 3 ? "n/a\n" : "2.5\n";
  struct Case {
    const char* name;
    std::string text;
    std::size_t entries;
    std::size_t skipped;
    std::string first;
  };
  const std::vector<Case> cases = {
      {"a header", "Weight\n61.5\n70.2\n", 2, 1, "Weight"},
      {"blank lines and CR LF count for nothing", "\r\n1\r\n\r\n\n2\r", 2, 0, ""},
      {"only words", "55,1;61,5\r\nabc\r\n", 0, 2, "55,1;61,5"},
      {"spaces alone are not blank", "  \n3\n", 1, 1, "  "},
      {"a last line without its end", "4\nend", 1, 1, "end"},
      {"a line too long to be a number", longWord + "\n5\nz\n", 1, 2, longWord.substr(0, 256)},
      {"a large text", large, 39998, 2, "first"},
      {"a large text, every seventh line skipped", manySkipped, 34286, 5714, "n/a"},
  };
  for (const Case& c : cases) {
    // In one piece, and in pieces cut anywhere.
    for (std::size_t piece : {c.text.size(), std::size_t{3}, std::size_t{4097}}) {
      if (piece == 0) continue;
      RecordingEntrySink sink;
      ListTextReader reader(sink, {});
      for (std::size_t at = 0; at < c.text.size(); at += piece)
        reader.Feed(c.text.data() + at, std::min(piece, c.text.size() - at));
      reader.Finish();
      EXPECT_EQ(sink.entries.size(), c.entries) << c.name << ", pieces of " << piece;
      EXPECT_EQ(sink.tally.skipped, c.skipped) << c.name << ", pieces of " << piece;
      EXPECT_EQ(sink.tally.firstSkipped, c.first) << c.name << ", pieces of " << piece;
    }
  }
}

// However the text is cut into pieces, the entries are those of the reader's
// rule written out plainly; a large text is shared with a helper thread.
TEST(ListTextReader, AnyCuttingGivesThePlainSplit) {
  const std::string shortText = "12\r\n 3.5 \r\r\nabc\n-7\r99";
  ASSERT_EQ(PlainSplit(shortText), (Entries{"12", " 3.5 ", "-7", "99"}));
  std::vector<std::size_t> everySize;
  for (std::size_t piece = 1; piece <= shortText.size(); ++piece) everySize.push_back(piece);
  const std::string large = MixedListText(400'000, 8);
  const struct {
    const char* name;
    const std::string& text;
    std::vector<std::size_t> pieces;
    std::size_t atLeast;  // entries the plain split must find, so that the row tests something
  } rows[] = {
      {.name = "a short text in pieces of every size", .text = shortText, .pieces = everySize, .atLeast = 4},
      // Whole, in read-sized blocks, and in odd pieces (some of which split
      // CR LF pairs and candidates).
      {.name = "400,000 mixed lines",
       .text = large,
       .pieces = {large.size(), kReadBlockBytes, 700'001, 65'537},
       .atLeast = 100'000},
  };
  for (const auto& row : rows) {
    const Entries want = PlainSplit(row.text);
    ASSERT_GE(want.size(), row.atLeast) << row.name;
    for (const std::size_t piece : row.pieces) {
      RecordingEntrySink sink;
      ListTextReader reader(sink, {});
      for (std::size_t at = 0; at < row.text.size(); at += piece)
        reader.Feed(row.text.data() + at, std::min(piece, row.text.size() - at));
      reader.Finish();
      EXPECT_EQ(sink.entries.size(), want.size()) << row.name << ", pieces of " << piece;
      EXPECT_TRUE(sink.entries == want) << row.name << ", pieces of " << piece;
    }
  }
}

TEST(ListTextReader, CapsCandidateLengthWhereverThePiecesAreCut) {
  // '0…01' is a number of any length; one byte past the cap it is skipped, and
  // the next line is still read.
  const std::string atCap = std::string(kMaxCandidateBytes - 1, '0') + "1";
  const std::string pastCap = std::string(kMaxCandidateBytes, '0') + "1";
  const std::string text = atCap + "\n" + pastCap + "\n5\n" + pastCap;
  for (std::size_t piece : {std::size_t{1}, std::size_t{7}, kMaxCandidateBytes - 1, kMaxCandidateBytes,
                            kMaxCandidateBytes + 1, text.size()}) {
    RecordingEntrySink sink;
    ListTextReader reader(sink, {});
    for (std::size_t at = 0; at < text.size(); at += piece)
      reader.Feed(text.data() + at, std::min(piece, text.size() - at));
    reader.Finish();
    EXPECT_EQ(sink.entries, (Entries{atCap, "5"})) << "pieces of " << piece;
  }
}

TEST(ListTextReader, UsesTheUsersSeparators) {
  const numtext::Separators point{".", ","}, comma{",", "."}, apostrophe{".", "'"};
  const std::string large = MixedListText(200'000, 12);
  const struct {
    const char* name;
    numtext::Separators separators;
    std::string text;
    Entries want;
  } cases[] = {
      {.name = "the comma groups digits", .separators = point, .text = "1,2\n", .want = {"1,2"}},
      {.name = "the comma is the decimal separator", .separators = comma, .text = "1,2\n", .want = {"1,2"}},
      // Where the point is the decimal separator and the comma groups nothing,
      // the comma is the other convention's decimal separator.
      {.name = "a comma is the other decimal separator", .separators = apostrophe, .text = "1,2\n", .want = {"1,2"}},
      {.name = "ambiguous for the other convention", .separators = apostrophe, .text = "1,234\n", .want = {}},
      // In every part that two threads read.
      {.name = "a large text with decimal commas",
       .separators = comma,
       .text = large,
       .want = PlainSplit(large, comma)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Entries entries = ReadText(c.text, c.separators);
    EXPECT_EQ(entries.size(), c.want.size());
    EXPECT_TRUE(entries == c.want);
  }
}

// The lines read in the other convention are counted, with the first of
// them, by every reading: one thread or two, a list of texts or of values.
TEST(ListTextReader, CountsTheLinesReadInTheOtherConvention) {
  struct Values final : ValueSink {
    std::size_t count = 0;
    ReadTally tally;
    void Append(std::string_view) override { ++count; }
    void AppendNumber(double) override { ++count; }
    void AppendNumbers(std::span<const double> numbers) override { count += numbers.size(); }
    void NoteOtherConvention(std::string_view first, std::size_t n) override { tally.NoteOtherConvention(first, n); }
  };
  const numtext::Separators english{".", ","};
  for (const std::size_t lines : {std::size_t{30}, std::size_t{300'000}}) {
    std::string text = "abc\n";
    std::size_t other = 0;
    for (std::size_t i = 0; i < lines; ++i) {
      const bool comma = i % 3 == 1;
      text += comma ? (i == 1 ? "1.234,5\n" : "71,2\n") : "1.5\n";
      other += comma;
    }
    SCOPED_TRACE(std::to_string(lines) + " lines");
    RecordingEntrySink texts;
    Values values;
    for (EntrySink* sink : {static_cast<EntrySink*>(&texts), static_cast<EntrySink*>(&values)}) {
      ListTextReader reader(*sink, english);
      reader.Feed(text.data(), text.size());
      reader.Finish();
    }
    EXPECT_EQ(texts.entries.size(), lines);
    EXPECT_EQ(values.count, lines);
    for (const ReadTally* tally : {&texts.tally, &values.tally}) {
      EXPECT_EQ(tally->otherConvention, other);
      EXPECT_EQ(tally->firstOtherConvention, "1.234,5");
    }
    EXPECT_EQ(texts.tally.skipped, 1u);
  }
}

}  // namespace
