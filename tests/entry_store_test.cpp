// The compact store of the number list's texts against a plain vector of
// strings: the same texts after any mix of operations, through growth of its
// buffers to millions of entries.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/EntryStore.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

void ExpectSame(const EntryStore& store, const std::vector<std::string>& model, const char* when) {
  ASSERT_EQ(store.Size(), model.size()) << when;
  for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(store.Text(i), model[i]) << when << ", entry " << i;
}

TEST(EntryStore, FollowsAPlainListThroughEveryOperation) {
  std::mt19937_64 rng(3);
  EntryStore store;
  std::vector<std::string> model;
  for (int step = 0; step < 20000; ++step) {
    const std::uint64_t r = rng();
    const std::string text = r % 11 == 0 ? "" : std::to_string(r % 100000) + std::string(r % 5, ' ');
    switch (r % 16) {
      case 0:
        if (!model.empty()) {
          const std::size_t i = rng() % model.size();
          store.Remove(i);
          model.erase(model.begin() + static_cast<std::ptrdiff_t>(i));
        }
        break;
      case 1:
        if (!model.empty()) {
          // A text of the store itself, which may move while it is copied.
          const std::size_t from = rng() % model.size();
          store.Append(store.Text(from));
          model.push_back(model[from]);
        }
        break;
      case 2:
        if (!model.empty()) {
          const std::size_t a = rng() % model.size(), b = rng() % model.size();
          store.SwapTexts(a, b);
          std::swap(model[a], model[b]);
        }
        break;
      case 3: {
        const std::size_t at = rng() % (model.size() + 1);
        store.Insert(at, text, false);
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), text);
        break;
      }
      case 5:
        if (r % 7 == 5) {
          // A tail cut off and kept (as undo keeps an addition), then put
          // back or dropped.
          const std::size_t from = model.empty() ? 0 : rng() % (model.size() + 1);
          EntryStore tail = store.CutTail(from);
          const std::vector<std::string> cut(model.begin() + static_cast<std::ptrdiff_t>(from), model.end());
          model.resize(from);
          ExpectSame(store, model, "the part before the cut");
          ExpectSame(tail, cut, "the cut tail");
          if (rng() % 2 == 0) {
            store.AppendAll(std::move(tail));
            model.insert(model.end(), cut.begin(), cut.end());
            EXPECT_EQ(tail.Size(), 0u);
          }
        }
        break;
      case 4:
        if (r % 997 == 4) {
          store.Clear();
          model.clear();
        }
        break;
      default:
        store.Append(text);
        model.push_back(text);
    }
  }
  ExpectSame(store, model, "after the mix");
  store.Clear();
  model.clear();
  ExpectSame(store, model, "after clearing");
  store.Append("7");
  model.push_back("7");
  ExpectSame(store, model, "after clearing and appending");
}

TEST(EntryStore, KeepsEveryTextThroughGrowthToMillions) {
  EntryStore store;
  constexpr std::size_t kEntries = 3'000'000;
  for (std::size_t i = 0; i < kEntries; ++i) store.Append(std::to_string(i * 7 % 1000003));
  ASSERT_EQ(store.Size(), kEntries);
  bool same = true;
  for (std::size_t i = 0; i < kEntries && same; ++i) same = store.Text(i) == std::to_string(i * 7 % 1000003);
  EXPECT_TRUE(same);
}

TEST(EntryStore, FlagsGoWithTheirEntriesWhereverTheyMove) {
  const auto flags = [](const EntryStore& store) {
    std::string out;
    for (std::size_t i = 0; i < store.Size(); ++i) out += store.PassedNumberTest(i) ? '+' : '-';
    return out;
  };
  const struct {
    const char* name;
    std::function<void(EntryStore&)> change;
    std::vector<std::string> texts;
    std::string flags;
  } cases[] = {
      {"InsertFirst", [](EntryStore& s) { s.Insert(0, "i", true); }, {"i", "a", "b", "c"}, "++-+"},
      {"InsertAtTheEnd", [](EntryStore& s) { s.Insert(3, "i", false); }, {"a", "b", "c", "i"}, "+-+-"},
      {"CutAndPutBack", [](EntryStore& s) { s.AppendAll(s.CutTail(1)); }, {"a", "b", "c"}, "+-+"},
      {"CutAfterASwapAndPutBack",
       [](EntryStore& s) {
         s.SwapTexts(1, 2);
         s.AppendAll(s.CutTail(1));
       },
       {"a", "c", "b"},
       "++-"},
      {"AllMovedOutAndBack",
       [](EntryStore& s) {
         EntryStore all = std::move(s);
         s.Append("x", false);
         s.AppendAll(std::move(all));
       },
       {"x", "a", "b", "c"},
       "-+-+"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryStore store;
    store.Append("a", true);
    store.Append("b", false);
    store.Append("c", true);
    c.change(store);
    ExpectSame(store, c.texts, c.name);
    EXPECT_EQ(flags(store), c.flags);
  }
}

TEST(EntryStore, WholeListsChangeOwnerWithoutACopy) {
  EntryStore store;
  for (int i = 0; i < 1000; ++i) store.Append(std::to_string(i), i % 2 == 0);
  const char* texts = store.Text(0).data();
  EntryStore whole = store.CutTail(0);
  EXPECT_EQ(store.Size(), 0u);
  EXPECT_EQ(whole.Text(0).data(), texts);
  EntryStore back;
  back.AppendAll(std::move(whole));
  EXPECT_EQ(back.Text(0).data(), texts);
  EXPECT_EQ(back.Size(), 1000u);
  EXPECT_EQ(whole.Size(), 0u);
  EntryStore moved(std::move(back));
  EXPECT_EQ(moved.Text(999), "999");
  EXPECT_FALSE(moved.PassedNumberTest(999));
  EXPECT_EQ(back.Size(), 0u);
}

TEST(EntryStore, RefusesIndicesPastTheEnd) {
  EntryStore store;
  EXPECT_THROW(store.Text(0), std::out_of_range);
  store.Append("1");
  store.Append("2");
  EXPECT_THROW(store.Text(2), std::out_of_range);
  EXPECT_THROW(store.Remove(2), std::out_of_range);
  EXPECT_THROW(store.SwapTexts(0, 2), std::out_of_range);
  EXPECT_THROW(store.Insert(3, "x", false), std::out_of_range);
  EXPECT_THROW(store.CutTail(3), std::out_of_range);
  // Nothing changed on the way.
  ExpectSame(store, {"1", "2"}, "after refusals");
  store.Remove(0);
  store.Remove(0);
  ExpectSame(store, {}, "after removing all");
  store.Append("");
  ExpectSame(store, {""}, "an empty text");
}

}  // namespace
