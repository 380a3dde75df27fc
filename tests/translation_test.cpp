// The texts of the layers without Qt: placeholders filled as Qt fills a
// translation, and the English a text keeps where no lookup is installed.
#include "core/Translation.h"

#include <gtest/gtest.h>

#include <string>

using namespace tallowmere::core;

namespace {

struct FillCase {
  const char* text;
  std::initializer_list<std::string_view> args;
  const char* filled;
};

TEST(Fill, ReplacesEachPlaceholderByItsArgument) {
  const FillCase cases[] = {
      {"%1 lines", {"3"}, "3 lines"},
      {"%2 before %1", {"a", "b"}, "b before a"},
      {"%1 and %1", {"x"}, "x and x"},
      {"51 %", {}, "51 %"},
      {"100%", {"1"}, "100%"},
      {"%1%", {"7"}, "7%"},
      {"%2 left for later", {"a"}, "%2 left for later"},
      {"%0 and %a stay", {"z"}, "%0 and %a stay"},
      {"a %1 arg holding %2", {"%2", "b"}, "a %2 arg holding b"},
  };
  for (const FillCase& c : cases) EXPECT_EQ(Fill(c.text, c.args), c.filled) << c.text;
}

TEST(Translated, WithoutLookupIsTheSource) { EXPECT_EQ(Translated("ResultRows", "The mean is: "), "The mean is: "); }

TEST(TranslatedCount, WithoutLookupTheEnglishForm) {
  const struct {
    std::size_t n;
    const char* count;
    const char* text;
  } cases[] = {{0, "0", "0 files"}, {1, "1", "1 file"}, {2, "2", "2 files"}, {1234, "1,234", "1,234 files"}};
  for (const auto& c : cases) EXPECT_EQ(TranslatedCount("T", "%1 file", "%1 files", c.n, c.count), c.text) << c.n;
}

}  // namespace
