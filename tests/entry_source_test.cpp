// The entries as the analysis takes them: which are held as text and which
// as values, in list order, however the readers handed them over.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/BigMemory.h"
#include "core/TwoThreads.h"
#include "input/EntrySource.h"
#include "system/HugePages.h"

using namespace tallowmere;

namespace {

// One entry as a reader hands it over: a number, or a text (typed or a
// tested line of list text).
struct Given {
  enum Kind { kNumber, kTyped, kTested } kind;
  double number = 0.0;
  std::string text;
};

Given Number(double v) { return {Given::kNumber, v, {}}; }
Given Typed(std::string t) { return {Given::kTyped, 0.0, std::move(t)}; }
Given Tested(std::string t) { return {Given::kTested, 0.0, std::move(t)}; }

// Hands the entries over as the readers do: runs of numbers at once, in
// pieces of `run` (0: one by one).
void HandOver(input::EntrySource& source, const std::vector<Given>& given, std::size_t run) {
  std::vector<double> pending;
  auto flush = [&] {
    for (std::size_t at = 0; at < pending.size(); at += run)
      source.AppendNumbers(std::span<const double>(pending).subspan(at, std::min(run, pending.size() - at)));
    pending.clear();
  };
  for (const Given& g : given) {
    if (g.kind == Given::kNumber && run > 0) {
      pending.push_back(g.number);
      continue;
    }
    flush();
    if (g.kind == Given::kNumber) source.AppendNumber(g.number);
    if (g.kind == Given::kTyped) source.Append(g.text);
    if (g.kind == Given::kTested) source.AppendTestedText(g.text);
  }
  flush();
}

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

TEST(EntrySource, HoldsEachEntryAsItCameInListOrder) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct Row {
    const char* name;
    std::vector<Given> given;
    std::size_t run;
    bool allText;
  } rows[] = {
      {"nothing", {}, 0, true},
      {"texts only, as the window holds them", {Typed("1"), Tested("1,5"), Typed("abc")}, 0, true},
      {"numbers only", {Number(1), Number(-0.0), Number(2.5)}, 0, false},
      {"numbers in runs", {Number(1), Number(2), Number(3), Number(4), Number(5)}, 2, false},
      {"texts before the first number", {Typed("x"), Tested("2,5"), Number(3), Typed("y")}, 0, false},
      {"a text between runs", {Number(1), Number(2), Typed("kg"), Number(3), Number(4)}, 3, false},
      {"texts at both ends", {Tested("1"), Number(7), Number(8), Typed("")}, 1, false},
      {"a value that is NaN", {Number(nan), Typed("z")}, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    input::EntrySource source;
    HandOver(source, row.given, row.run);
    ASSERT_EQ(source.Count(), row.given.size());
    EXPECT_EQ(source.AllText(), row.allText);
    std::vector<std::size_t> textEntries;
    for (std::size_t i = source.NextText(0); i < source.Count(); i = source.NextText(i + 1)) textEntries.push_back(i);
    std::vector<std::size_t> wantText;
    for (std::size_t i = 0; i < row.given.size(); ++i) {
      const Given& g = row.given[i];
      EXPECT_EQ(source.HasText(i), g.kind != Given::kNumber) << i;
      if (g.kind == Given::kNumber) {
        EXPECT_THROW(source.TextOf(i), std::logic_error) << i;
        continue;
      }
      wantText.push_back(i);
      EXPECT_EQ(source.TextOf(i).text, g.text) << i;
      EXPECT_EQ(source.TextOf(i).passedNumberTest, g.kind == Given::kTested) << i;
    }
    EXPECT_EQ(textEntries, wantText);
    // The values, NaN for the texts; none at all from a list of texts.
    const input::EntrySource::Values values = source.TakeValues();
    if (row.allText) {
      EXPECT_TRUE(values.empty());
      continue;
    }
    ASSERT_EQ(values.size(), row.given.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
      const Given& g = row.given[i];
      const bool right = g.kind == Given::kNumber ? SameBits(values[i], g.number) : std::isnan(values[i]);
      EXPECT_TRUE(right) << i;
    }
    // Handed over once.
    EXPECT_TRUE(source.TakeValues().empty());
  }
}

// The entries of a list appended to another read as if both had been handed
// over to the one list.
TEST(EntrySource, AppendsAnotherListAsIfHandedOverToIt) {
  const struct Row {
    const char* name;
    std::vector<Given> first, second;
  } rows[] = {
      {"nothing to nothing", {}, {}},
      {"texts to nothing", {}, {Typed("1"), Tested("1,5")}},
      {"numbers to texts", {Typed("a"), Tested("2")}, {Number(3), Number(-0.0)}},
      {"texts to numbers", {Number(1), Number(2)}, {Tested("3,5"), Typed("kg")}},
      {"mixed to mixed", {Number(1), Typed("x"), Number(2)}, {Tested("y"), Number(4), Number(5), Typed("")}},
      {"numbers to numbers", {Number(1)}, {Number(2), Number(3)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    input::EntrySource first, second, whole;
    HandOver(first, row.first, 0);
    HandOver(second, row.second, 0);
    std::vector<Given> both = row.first;
    both.insert(both.end(), row.second.begin(), row.second.end());
    HandOver(whole, both, 0);
    first.AppendAll(second);
    ASSERT_EQ(first.Count(), whole.Count());
    EXPECT_EQ(first.AllText(), whole.AllText());
    for (std::size_t i = 0; i < whole.Count(); ++i) {
      ASSERT_EQ(first.HasText(i), whole.HasText(i)) << i;
      if (!whole.HasText(i)) continue;
      EXPECT_EQ(first.TextOf(i).text, whole.TextOf(i).text) << i;
      EXPECT_EQ(first.TextOf(i).passedNumberTest, whole.TextOf(i).passedNumberTest) << i;
    }
    const input::EntrySource::Values got = first.TakeValues(), want = whole.TakeValues();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
      EXPECT_TRUE(SameBits(got[i], want[i]) || (std::isnan(got[i]) && std::isnan(want[i]))) << i;
  }
}

// More numbers than room was made for (a pipe, a file that grew) go to
// blocks, which are joined in order, with the texts among them in place.
TEST(EntrySource, NumbersBeyondTheRoomMadeComeBackInOrder) {
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  const struct Row {
    const char* name;
    std::size_t expectBytes;  // 0: no room made
    std::size_t numbers;
    std::size_t run;  // 0: one by one
  } rows[] = {
      {"no room made, one by one", 0, 2 * kBlock + 3, 0},
      {"no room made, in runs across blocks", 0, 3 * kBlock + 17, 300'001},
      {"room for a few, in runs", 64, kBlock + 1, 4096},
      {"room for them all", 2 * (2 * kBlock + 5), 2 * kBlock + 5, 65'536},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    input::EntrySource source;
    if (row.expectBytes) source.ExpectBytes(row.expectBytes);
    std::vector<Given> given;
    given.reserve(row.numbers + 3);
    for (std::size_t i = 0; i < row.numbers; ++i) {
      given.push_back(Number(static_cast<double>(i) + 0.5));
      if (i == kBlock - 1 || i == row.numbers / 2) given.push_back(Typed("t" + std::to_string(i)));
    }
    HandOver(source, given, row.run);
    ASSERT_EQ(source.Count(), given.size());
    const input::EntrySource::Values values = source.TakeValues();
    ASSERT_EQ(values.size(), given.size());
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < given.size(); ++i) {
      if (given[i].kind == Given::kNumber ? !SameBits(values[i], given[i].number) : !std::isnan(values[i])) ++wrong;
      if (given[i].kind != Given::kNumber) {
        EXPECT_EQ(source.TextOf(i).text, given[i].text);
      }
    }
    EXPECT_EQ(wrong, 0u);
  }
}

// The window's list edits its texts in place; the source sees every change.
TEST(EntrySource, AListOfTextsFollowsItsEdits) {
  input::EntrySource source;
  source.Append("1");
  source.AppendTestedText("2,5");
  source.Append("x");
  source.Texts().SwapTexts(0, 2);
  source.Texts().Remove(1);
  ASSERT_EQ(source.Count(), 2u);
  EXPECT_EQ(source.TextOf(0).text, "x");
  EXPECT_EQ(source.TextOf(1).text, "1");
  EXPECT_EQ(source.NextText(2), 2u);
  source.Texts().Clear();
  EXPECT_EQ(source.Count(), 0u);
}

constexpr std::size_t kMany = std::size_t{1} << 19;  // four megabytes of numbers

struct PackedRow {
  const char* name;
  std::size_t numbers;
  double step;        // number i is (i mod 6000) * step - 300,
  int places;         // read back from text of these places (-1: as it is)
  const char* text;   // an entry held as text after the first number, if any
  bool blocks;        // handed over without room made, past the array into blocks
  std::size_t given;  // the bytes given back; 0: not packed
  double appended;    // appended after packing (NaN: nothing)
  bool intoRoom;      // taken into the room of an earlier list's numbers
};

void CheckHeldPacked(const PackedRow& row, bool hugePages);

// Numbers packed while they wait come back as they were, whatever is done
// with the list after; a list that cannot be packed (or is too small to be
// worth it) is left as it is.
TEST(EntrySource, NumbersHeldPackedComeBackAsTheyWere) {
  const PackedRow rows[] = {
      {"one place, packed in two bytes", kMany, 0.1, 1, nullptr, false, kMany * 6, std::nan(""), false},
      {"whole numbers past two bytes, in four", kMany, 10.0, -1, nullptr, false, kMany * 4, std::nan(""), false},
      {"a number appended after packing", kMany, 0.1, 1, nullptr, false, kMany * 6, 2.5, false},
      {"too few to be worth it", kMany - 1, 0.1, 1, nullptr, false, 0, std::nan(""), false},
      {"a third does not pack", kMany, 1.0 / 3.0, -1, nullptr, false, 0, std::nan(""), false},
      {"an entry held as text", kMany, 0.1, 1, "kg", false, 0, std::nan(""), false},
      {"numbers in blocks", 3 * kMany, 0.1, 1, nullptr, true, 0, std::nan(""), false},
      {"one place, into a room at hand", kMany, 0.1, 1, nullptr, false, kMany * 6, std::nan(""), true},
      {"four bytes, into a room at hand", kMany, 10.0, -1, nullptr, false, kMany * 4, std::nan(""), true},
      {"not packed, with a room at hand", kMany, 1.0 / 3.0, -1, nullptr, false, 0, std::nan(""), true},
      {"many, into a room at hand by two threads", 3 * kMany + 1, 0.1, 1, nullptr, false, (3 * kMany + 1) * 6,
       std::nan(""), true},
  };
  // On the program's pages too, where the room past the packed numbers is
  // let go and comes back zero-filled.
  for (const bool hugePages : {false, true}) {
    if (hugePages) system::UseHugePages();
    for (const PackedRow& row : rows) CheckHeldPacked(row, hugePages);
  }
  core::UseOrdinaryMemory();
}

void CheckHeldPacked(const PackedRow& row, bool hugePages) {
  SCOPED_TRACE(row.name);
  SCOPED_TRACE(hugePages ? "on the program's pages" : "on the ordinary heap");
  input::EntrySource source;
  if (!row.blocks) source.ExpectEntries(row.numbers + 2);
  std::vector<double> want(row.numbers);
  char text[32];
  for (std::size_t i = 0; i < row.numbers; ++i) {
    want[i] = static_cast<double>(i % 6000) * row.step - 300.0;
    // Read back through text, as a table's cells are, so that one place is one place.
    if (row.places < 0) continue;
    std::snprintf(text, sizeof text, "%.*f", row.places, want[i]);
    want[i] = std::strtod(text, nullptr) + 0.0;  // + 0.0: never -0
  }
  source.AppendNumbers(want);
  if (row.text) {
    source.Append(row.text);
    want.push_back(std::nan(""));
  }
  EXPECT_EQ(source.HoldPacked(), row.given);
  EXPECT_EQ(source.Packed(), row.given > 0);
  EXPECT_EQ(source.HoldPacked(), 0u) << "packed twice";
  if (!std::isnan(row.appended)) {
    source.AppendNumber(row.appended);
    want.push_back(row.appended);
    EXPECT_FALSE(source.Packed());
  }
  ASSERT_EQ(source.Count(), want.size());
  // The room holds other numbers, fewer than come: only its room counts.
  input::EntrySource::Values room(3, 7.0);
  room.reserve(want.size());
  core::TwoThreads threads;
  const input::EntrySource::Values values = row.intoRoom ? source.TakeValues(room, &threads) : source.TakeValues();
  if (row.intoRoom) {
    EXPECT_EQ(room.size(), row.given > 0 ? 0u : 3u) << "the room taken only for packed numbers";
  }
  ASSERT_EQ(values.size(), want.size());
  std::size_t wrong = 0;
  for (std::size_t i = 0; i < want.size(); ++i)
    if (std::isnan(want[i]) ? !std::isnan(values[i]) : !SameBits(values[i], want[i])) ++wrong;
  EXPECT_EQ(wrong, 0u);
}

}  // namespace
