// The compact store of the number list's texts against a plain vector of
// strings: the same texts after any mix of operations, through growth of its
// buffers to millions of entries.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/EntryStore.h"

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

TEST(EntryStore, RefusesIndicesPastTheEnd) {
  EntryStore store;
  EXPECT_THROW(store.Text(0), std::out_of_range);
  store.Append("1");
  store.Append("2");
  EXPECT_THROW(store.Text(2), std::out_of_range);
  EXPECT_THROW(store.Remove(2), std::out_of_range);
  EXPECT_THROW(store.SwapTexts(0, 2), std::out_of_range);
  // Nothing changed on the way.
  ExpectSame(store, {"1", "2"}, "after refusals");
  store.Remove(0);
  store.Remove(0);
  ExpectSame(store, {}, "after removing all");
  store.Append("");
  ExpectSame(store, {""}, "an empty text");
}

}  // namespace
