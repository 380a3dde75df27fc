// The number test shared with a helper thread against the plain reading on
// one: the same entries in the same order, the same counts and first texts of
// what was skipped and read in the other convention, for lists of texts and
// of values, and a failing append stopping both at the same entry.
#include <gtest/gtest.h>

#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/ListCandidates.h"
#include "input/TwoThreadLines.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

using loadertest::MixedListText;

// Records entries of both kinds, and fails at the n-th entry when told.
class Recording final : public ValueSink {
 public:
  explicit Recording(std::size_t failAt = 0) : failAt_(failAt) {}
  std::vector<std::string> entries;
  ReadTally tally;
  void Append(std::string_view text) override { Add("text " + std::string(text)); }
  void AppendNumber(double value) override {
    std::ostringstream out;
    out.precision(17);
    out << "number " << value;
    Add(out.str());
  }
  void AppendNumbers(std::span<const double> values) override {
    for (double v : values) AppendNumber(v);
  }
  void NoteSkipped(std::string_view first, std::size_t count) override { tally.NoteSkipped(first, count); }
  void NoteOtherConvention(std::string_view first, std::size_t count) override {
    tally.NoteOtherConvention(first, count);
  }

 private:
  void Add(std::string entry) {
    if (entries.size() + 1 == failAt_) throw std::length_error("Out of memory");
    entries.push_back(std::move(entry));
  }
  std::size_t failAt_;
};

// Only texts: the list keeps no values.
class TextsOnly final : public EntrySink {
 public:
  std::vector<std::string> entries;
  ReadTally tally;
  void Append(std::string_view text) override { entries.emplace_back(text); }
  void NoteSkipped(std::string_view first, std::size_t count) override { tally.NoteSkipped(first, count); }
  void NoteOtherConvention(std::string_view first, std::size_t count) override {
    tally.NoteOtherConvention(first, count);
  }
};

template <class List>
std::string Described(const List& list) {
  std::string out = std::to_string(list.entries.size()) + " entries, skipped " + std::to_string(list.tally.skipped) +
                    " first '" + list.tally.firstSkipped + "', other " + std::to_string(list.tally.otherConvention) +
                    " first '" + list.tally.firstOtherConvention + "'";
  return out;
}

// Mixed lines with words, blank lines, grouped and other-convention numbers,
// ending at a line end.
std::string Stretch(std::size_t lines, unsigned seed) {
  std::string text = MixedListText(lines, seed);
  for (std::size_t i = 0; i < lines / 50; ++i) text += "71,25\n1,234.5\n\n -0.5 \nword\n" + std::to_string(i) + "\r\n";
  if (text.back() != '\n') text += '\n';
  return text;
}

// Plain numbers with one word and one number of the other convention at
// `at` lines: each the only one of its kind in its part.
std::string OneOfEach(std::size_t lines, std::size_t at) {
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    text += i == at ? "word\n71,25\n" : std::to_string(i) + ".5\n";
  }
  return text;
}

TEST(TwoThreadLines, GivesWhatTheOneThreadReadingGives) {
  struct Row {
    const char* name;
    std::string text;
    numtext::Separators sep;
  };
  const std::vector<Row> rows = {
      {"just past the two-thread size", Stretch(12'000, 3), {}},
      {"many parts", Stretch(120'000, 5), {}},
      {"many parts, decimal comma", Stretch(120'000, 7), {",", "."}},
      {"one word and one other in the first part", OneOfEach(60'000, 10), {}},
      {"one word and one other in a late part", OneOfEach(60'000, 50'000), {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_GE(row.text.size(), kTwoThreadBytes);
    const char* begin = row.text.data();
    const char* end = begin + row.text.size();
    Recording plainValues, twoValues;
    TextsOnly plainTexts, twoTexts;
    TwoThreadLines helper;
    int meanwhile = 0;
    {
      const CandidateRule rule(&plainValues, row.sep);
      OfferToList(plainValues, rule).OfferLines(begin, end);
    }
    {
      const CandidateRule rule(&twoValues, row.sep);
      helper.OfferLines(twoValues, rule, begin, end, [&] { ++meanwhile; });
    }
    {
      const CandidateRule rule(nullptr, row.sep);
      OfferToList(plainTexts, rule).OfferLines(begin, end);
      helper.OfferLines(twoTexts, rule, begin, end, nullptr);
    }
    EXPECT_EQ(meanwhile, 1);
    EXPECT_TRUE(twoValues.entries == plainValues.entries);
    EXPECT_EQ(Described(twoValues), Described(plainValues));
    EXPECT_TRUE(twoTexts.entries == plainTexts.entries);
    EXPECT_EQ(Described(twoTexts), Described(plainTexts));
    EXPECT_GT(plainValues.tally.skipped, 0u);
    EXPECT_GT(plainValues.tally.otherConvention, 0u);
  }
}

TEST(TwoThreadLines, AFailedAppendStopsWhereTheOneThreadReadingStops) {
  const std::string text = Stretch(100'000, 9);
  const char* begin = text.data();
  const char* end = begin + text.size();
  Recording all;
  const CandidateRule counting(&all, {});
  OfferToList(all, counting).OfferLines(begin, end);
  struct Row {
    const char* name;
    std::size_t failAt;
  };
  const std::vector<Row> rows = {
      {"in the first part", 5}, {"in a middle part", all.entries.size() / 2}, {"in the last part", all.entries.size()}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Recording plain(row.failAt), two(row.failAt);
    const CandidateRule plainRule(&plain, {}), twoRule(&two, {});
    EXPECT_THROW(OfferToList(plain, plainRule).OfferLines(begin, end), std::length_error);
    TwoThreadLines helper;
    EXPECT_THROW(helper.OfferLines(two, twoRule, begin, end, nullptr), std::length_error);
    EXPECT_EQ(plain.entries.size(), row.failAt - 1);
    EXPECT_TRUE(two.entries == plain.entries);
  }
}

}  // namespace
