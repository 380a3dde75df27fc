// What becomes of one candidate: a number kept as its value, a text kept as
// tested, a skip, and the other convention told; the quick reading of a line
// with the bytes after it decides as the plain one does; and the two ways of
// offering (a list's lines, a table's fields) differ only in telling skips.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "input/ListCandidates.h"
#include "numtext/LeadingNumber.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

using loadertest::MixedListText;
using loadertest::RecordingEntrySink;

// Writes down what the rule decided, one word per call.
struct Verdicts {
  std::string said;
  void Number(double value) {
    std::ostringstream out;
    out << "number " << value << ';';
    said += out.str();
  }
  void Text(std::string_view c) { said += "text " + std::string(c) + ';'; }
  void Skip(std::string_view c) { said += "skip " + std::string(c) + ';'; }
  void Other(std::string_view c) { said += "other " + std::string(c) + ';'; }
};

// A list that keeps values, recording both kinds of entry in order.
class ValueList final : public ValueSink {
 public:
  std::vector<std::string> entries;
  ReadTally tally;
  void Append(std::string_view text) override { entries.push_back("text " + std::string(text)); }
  void AppendNumber(double value) override {
    std::ostringstream out;
    out << "number " << value;
    entries.push_back(out.str());
  }
  void AppendNumbers(std::span<const double> values) override {
    for (double v : values) AppendNumber(v);
  }
  void NoteSkipped(std::string_view first, std::size_t count) override { tally.NoteSkipped(first, count); }
  void NoteOtherConvention(std::string_view first, std::size_t count) override {
    tally.NoteOtherConvention(first, count);
  }
};

numtext::Separators German() { return {",", "."}; }

TEST(CandidateRule, DecidesEachCandidateOnce) {
  ValueList values;
  struct Row {
    const char* name;
    std::string candidate;
    bool keepsValues;
    numtext::Separators sep;
    std::string said;
  };
  const std::string tooLong(kMaxCandidateBytes + 1, '1');
  const std::string padded(kMaxCandidateBytes - 1, ' ');
  const std::vector<Row> rows = {
      {"a plain number, values: its value", "2.5", true, {}, "number 2.5;"},
      {"a plain number, texts: kept as text", "2.5", false, {}, "text 2.5;"},
      {"not a number", "abc", true, {}, "skip abc;"},
      {"empty", "", true, {}, "skip ;"},
      {"too long to be a number", tooLong, true, {}, "skip " + tooLong + ";"},
      {"padded to the cap: still tested, kept as text", padded + "7", true, {}, "text " + padded + "7;"},
      {"padded: passes, kept as tested text", " 42 ", true, {}, "text  42 ;"},
      {"grouped: passes, kept as tested text", "1,234.5", true, {}, "text 1,234.5;"},
      {"a decimal comma in an English list: the other convention", "71,25", true, {}, "text 71,25;other 71,25;"},
      {"a German list: a decimal point keeps its value, told as the other convention", "2.5", true, German(),
       "number 2.5;other 2.5;"},
      {"a German list: its own decimal comma, as text", "1,5", true, German(), "text 1,5;"},
      {"a German list: an English grouped number is the other convention", "1,234.5", true, German(),
       "text 1,234.5;other 1,234.5;"},
      {"a German list of texts", "2.5", false, German(), "text 2.5;other 2.5;"},
      {"a German list: a whole number is no convention's", "25", true, German(), "number 25;"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const CandidateRule rule(row.keepsValues ? &values : nullptr, row.sep);
    Verdicts plain;
    rule.Decide(row.candidate, plain);
    EXPECT_EQ(plain.said, row.said);
  }
}

// The two-thread reading decides a line with the bytes after it at hand; it
// must decide every line as the plain reading does.
TEST(CandidateRule, TheQuickReadingDecidesAsThePlainOne) {
  ValueList values;
  const std::string text = MixedListText(20'000, 11) + "\n0.5\n-3\n12345678.25\n1e5\n.5\n5.\n+7\n--1\n";
  for (const numtext::Separators& sep : {numtext::Separators{}, German()}) {
    const CandidateRule rule(&values, sep);
    std::size_t start = 0, lines = 0;
    while (start < text.size()) {
      const std::size_t end = text.find_first_of("\r\n", start);
      if (end == std::string::npos) break;
      const char* line = text.data() + start;
      const std::size_t length = end - start;
      Verdicts plain, quick;
      rule.Decide(std::string_view(line, length), plain);
      rule.Decide(std::string_view(line, length), quick, [&](double& value) {
        return numtext::PlainLeadingNumberIn(line, length, text.data() + text.size(), value);
      });
      ASSERT_EQ(quick.said, plain.said) << "line " << lines << " with decimal " << sep.decimal;
      start = end + 1;
      ++lines;
    }
    EXPECT_GT(lines, 20'000u);
  }
}

TEST(OfferToList, TellsSkipsButTableFieldsDoNot) {
  struct Row {
    const char* name;
    std::vector<std::string> candidates;
    std::vector<std::string> entries;
    std::size_t skipped;  // by a list's lines; a table's fields tell none
    std::string firstSkipped;
    std::size_t other;
  };
  const std::vector<Row> rows = {
      {"numbers only", {"1", "2.5"}, {"number 1", "number 2.5"}, 0, "", 0},
      {"blank candidates are never told", {"", "3", ""}, {"number 3"}, 0, "", 0},
      {"words told, the first kept", {"x", "4", "yz"}, {"number 4"}, 2, "x", 0},
      {"the other convention told by both", {"71,5", "abc"}, {"text 71,5"}, 1, "abc", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ValueList lines, fields;
    const CandidateRule rule(&lines, {});
    OfferToList offer(lines, rule);
    ListCandidates table(fields, {});
    for (const std::string& c : row.candidates) {
      offer.Offer(c);
      table.Offer(c);
    }
    EXPECT_EQ(lines.entries, row.entries);
    EXPECT_EQ(fields.entries, row.entries);
    EXPECT_EQ(lines.tally.skipped, row.skipped);
    EXPECT_EQ(lines.tally.firstSkipped, row.firstSkipped);
    EXPECT_EQ(fields.tally.skipped, 0u);
    EXPECT_EQ(lines.tally.otherConvention, row.other);
    EXPECT_EQ(fields.tally.otherConvention, row.other);
  }
}

TEST(OfferToList, OffersTheLinesOfAStretchUpToItsLastLineEnd) {
  RecordingEntrySink list;
  const CandidateRule rule(nullptr, {});
  const std::string text = "1\r\n2\rx\n\n 3 \n";
  OfferToList(list, rule).OfferLines(text.data(), text.data() + text.size());
  EXPECT_EQ(list.entries, (std::vector<std::string>{"1", "2", " 3 "}));
  EXPECT_EQ(list.tally.skipped, 1u);
  EXPECT_EQ(list.tally.firstSkipped, "x");
}

}  // namespace
