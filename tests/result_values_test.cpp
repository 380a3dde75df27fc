// The mode as the model holds it: the engine's answer read into the tied
// values, each of which must spell its text again.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "numtext/NumberText.h"
#include "results/ResultValues.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::results;

namespace {

using results::ModeValue;
using results::ResultValue;
using Kind = ResultValue::Kind;

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

TEST(ModeValueTest, EngineAnswers) {
  const double largest = std::numeric_limits<double>::max();
  const double tiniest = std::numeric_limits<double>::denorm_min();
  struct Case {
    const char* name;
    StatResult mode;
    numtext::Separators sep;
    Kind kind;
    std::vector<double> modes;
    std::string text;
  };
  const std::vector<Case> cases = {
      {.name = "one value", .mode = StatResult(4.0), .sep = kEnglish, .kind = Kind::kModes, .modes = {4.0}, .text = ""},
      {.name = "one value keeps every bit",
       .mode = StatResult(0.1 + 0.2),
       .sep = kEnglish,
       .kind = Kind::kModes,
       .modes = {0.1 + 0.2},
       .text = ""},
      {.name = "none", .mode = StatResult("None"), .sep = kEnglish, .kind = Kind::kText, .modes = {}, .text = "None"},
      {.name = "error",
       .mode = StatResult("Error"),
       .sep = kEnglish,
       .kind = Kind::kText,
       .modes = {},
       .text = "Error"},
      {.name = "tied",
       .mode = StatResult("3 or -1.5 or 2E+20"),
       .sep = kEnglish,
       .kind = Kind::kModes,
       .modes = {3, -1.5, 2e20},
       .text = ""},
      {.name = "tied, decimal commas",
       .mode = StatResult("1,5 or -2,5E-05"),
       .sep = kGerman,
       .kind = Kind::kModes,
       .modes = {1.5, -2.5e-5},
       .text = ""},
      {.name = "the largest doubles",
       .mode = StatResult("1.79769313486232E+308 or -1.79769313486232E+308"),
       .sep = kEnglish,
       .kind = Kind::kModes,
       .modes = {largest, -largest},
       .text = ""},
      {.name = "the tiniest double",
       .mode = StatResult("4.94065645841247E-324 or 1"),
       .sep = kEnglish,
       .kind = Kind::kModes,
       .modes = {tiniest, 1},
       .text = ""},
      // Texts no double spells stay texts.
      {.name = "a point under decimal commas",
       .mode = StatResult("1.5 or 2"),
       .sep = kGerman,
       .kind = Kind::kText,
       .modes = {},
       .text = "1.5 or 2"},
      {.name = "beyond the largest",
       .mode = StatResult("1.8E+308 or 2"),
       .sep = kEnglish,
       .kind = Kind::kText,
       .modes = {},
       .text = "1.8E+308 or 2"},
      {.name = "not a number",
       .mode = StatResult("1 or x"),
       .sep = kEnglish,
       .kind = Kind::kText,
       .modes = {},
       .text = "1 or x"},
      {.name = "an empty piece",
       .mode = StatResult("1 or "),
       .sep = kEnglish,
       .kind = Kind::kText,
       .modes = {},
       .text = "1 or "},
      {.name = "not as the engine spells it",
       .mode = StatResult("1.50 or 2"),
       .sep = kEnglish,
       .kind = Kind::kText,
       .modes = {},
       .text = "1.50 or 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ResultValue value = ModeValue(c.mode, c.sep);
    EXPECT_EQ(value.kind, c.kind);
    EXPECT_EQ(value.modes, c.modes);
    EXPECT_EQ(value.text, c.text);
  }
}

// Whatever doubles are tied, their texts read back into values that spell
// the same texts, so every format made from the values shows what the row
// shows.
TEST(ModeValueTest, TiedValuesSpellTheirTextsAgain) {
  std::mt19937_64 rng(7);
  for (const numtext::Separators& sep : {kEnglish, kGerman}) {
    for (int i = 0; i < 20000; ++i) {
      double tied[2];
      for (double& v : tied) {
        // Every fourth a subnormal, whose few bits of precision are where a
        // 15-digit text reads back least surely.
        const std::uint64_t bits = i % 4 == 0 ? 0x800FFFFFFFFFFFFFu : ~std::uint64_t{0};
        do {
          v = std::bit_cast<double>(rng() & bits);
        } while (!std::isfinite(v) || v == 0.0);
      }
      const std::string first = numtext::NumberText(tied[0], sep), second = numtext::NumberText(tied[1], sep);
      const ResultValue value = ModeValue(StatResult(first + " or " + second), sep);
      ASSERT_EQ(value.kind, Kind::kModes) << first << " or " << second;
      ASSERT_EQ(value.modes.size(), 2u);
      EXPECT_EQ(numtext::NumberText(value.modes[0], sep), first);
      EXPECT_EQ(numtext::NumberText(value.modes[1], sep), second);
    }
  }
}

}  // namespace
