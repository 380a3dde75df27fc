// Saving the number list as a list file: which entries would not come back as
// they were, checked against what reading the written file really gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/ListFile.h"
#include "results/AnalysisEntries.h"
#include "results/ListReadBack.h"

using namespace tallowmere;

namespace {

struct Entry {
  std::string text;
  bool tested;
};

// What a list file reader appends: texts and their number-test flags.
class Kept final : public input::EntrySink {
 public:
  std::vector<Entry> entries;
  void Append(std::string_view text) override { entries.push_back({std::string(text), false}); }
  void AppendTestedText(std::string_view text) override { entries.push_back({std::string(text), true}); }
};

input::EntrySource SourceOf(const std::vector<Entry>& entries) {
  input::EntrySource source;
  for (const Entry& e : entries) {
    if (e.tested)
      source.AppendTestedText(e.text);
    else
      source.Append(e.text);
  }
  return source;
}

// The list written as Save Numbers writes it, read as Load Numbers From File reads it.
std::vector<Entry> SavedAndLoaded(const std::vector<Entry>& entries, const numtext::Separators& sep) {
  std::string file;
  for (const Entry& e : entries) file += e.text + "\n";
  Kept kept;
  input::ListFileReader reader(kept, sep);
  reader.Feed(file.data(), file.size());
  reader.Finish();
  return kept.entries;
}

double Worth(const Entry& e, const numtext::Separators& sep) { return results::EntryWorth(e.text, e.tested, sep); }

enum class Loss { kNone, kLeft, kChanged, kSplit };

struct Case {
  Entry entry;
  Loss loss;
};

}  // namespace

TEST(ListReadBack, TellsExactlyTheEntriesThatDoNotComeBack) {
  const numtext::Separators english{".", ","};
  const numtext::Separators german{",", "."};
  const std::vector<std::pair<numtext::Separators, std::vector<Case>>> table = {
      {english,
       {{{"12", false}, Loss::kNone},
        {{"-3.25e2", false}, Loss::kNone},
        {{"1,234.5", true}, Loss::kNone},
        {{"61,5", true}, Loss::kNone},
        {{"  7 ", false}, Loss::kNone},
        {{"61,5", false}, Loss::kChanged},  // typed: its leading 61; a file's line: 61.5
        {{"1,234", false}, Loss::kChanged},
        {{"n/a", false}, Loss::kLeft},
        {{"42 kg", false}, Loss::kLeft},
        {{"", false}, Loss::kLeft},
        {{"1\n2", false}, Loss::kSplit},
        {{"5\r", false}, Loss::kSplit}}},
      {german,
       {{{"61,5", false}, Loss::kChanged},
        {{"61,5", true}, Loss::kNone},
        {{"61.5", false}, Loss::kNone},
        {{"abc", false}, Loss::kLeft}}},
  };
  for (const auto& [sep, cases] : table) {
    for (const Case& c : cases) {
      const std::vector<Entry> one{c.entry};
      const results::ReadBackLosses losses = results::ListReadBackLosses(SourceOf(one), 1, sep);
      EXPECT_EQ(losses.left, c.loss == Loss::kLeft ? 1u : 0u) << c.entry.text;
      EXPECT_EQ(losses.changed, c.loss == Loss::kChanged ? 1u : 0u) << c.entry.text;
      EXPECT_EQ(losses.split, c.loss == Loss::kSplit ? 1u : 0u) << c.entry.text;
      // What the verdict promises, the file gives: the same text, worth the same.
      const std::vector<Entry> back = SavedAndLoaded(one, sep);
      if (c.loss == Loss::kNone) {
        ASSERT_EQ(back.size(), 1u) << c.entry.text;
        EXPECT_EQ(back[0].text, c.entry.text);
        EXPECT_EQ(Worth(back[0], sep), Worth(c.entry, sep)) << c.entry.text;
      } else if (c.loss == Loss::kLeft) {
        EXPECT_TRUE(back.empty()) << c.entry.text;
      } else if (c.loss == Loss::kChanged) {
        ASSERT_EQ(back.size(), 1u) << c.entry.text;
        EXPECT_NE(Worth(back[0], sep), Worth(c.entry, sep)) << c.entry.text;
      } else {
        EXPECT_FALSE(back.size() == 1 && back[0].text == c.entry.text) << c.entry.text;
      }
    }
  }
}

TEST(ListReadBack, AListWithoutLossesComesBackInOrder) {
  const numtext::Separators english{".", ","};
  const std::vector<Entry> entries = {{"3", false}, {"1.5", true}, {"71,2", true}, {"-0", false}, {"2e3", false}};
  EXPECT_FALSE(results::ListReadBackLosses(SourceOf(entries), entries.size(), english).Any());
  const std::vector<Entry> back = SavedAndLoaded(entries, english);
  ASSERT_EQ(back.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(back[i].text, entries[i].text);
    EXPECT_EQ(Worth(back[i], english), Worth(entries[i], english)) << entries[i].text;
  }
}

TEST(ListReadBack, NamesTheFirstFewInListOrder) {
  const numtext::Separators english{".", ","};
  const std::vector<Entry> entries = {{"1", false},    {"a", false},    {"2", false},
                                      {"b\nc", false}, {"61,5", false}, {"d", false}};
  const results::ReadBackLosses losses = results::ListReadBackLosses(SourceOf(entries), entries.size(), english);
  EXPECT_EQ(losses.left, 2u);
  EXPECT_EQ(losses.split, 1u);
  EXPECT_EQ(losses.changed, 1u);
  EXPECT_EQ(losses.first, (std::vector<std::string>{"a", "b\nc", "61,5"}));
  // A mark at the very start is taken for a byte-order mark.
  const std::vector<Entry> marked = {{"\xEF\xBB\xBF"
                                      "5",
                                      true},
                                     {"\xEF\xBB\xBF"
                                      "5",
                                      true}};
  EXPECT_EQ(results::ListReadBackLosses(SourceOf(marked), 2, english).changed, 1u);
}
