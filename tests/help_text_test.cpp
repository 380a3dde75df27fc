// The layout of --help: paragraphs as their lines are, descriptions at their
// column whatever their translator made of their lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/HelpText.h"

using namespace tallowmere::core;

namespace {

TEST(HelpText, KeepsAParagraphsLinesAndEndsEach) {
  struct Case {
    std::string text, expected;
  };
  const std::vector<Case> cases = {
      {"One line.", "One line.\n"},
      {"First\nsecond", "First\nsecond\n"},
      // A translator's line end at the end makes no empty line.
      {"First\nsecond\n", "First\nsecond\n"},
      // A translator's empty line inside stays one.
      {"First\n\nthird", "First\n\nthird\n"},
      {"", "\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpParagraph(c.text), c.expected) << c.text;
}

TEST(HelpText, PutsEveryLineOfADescriptionAtItsColumn) {
  struct Case {
    std::string names, description;
    std::size_t column;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"-h, --help", "show this help and exit", 19, "  -h, --help       show this help and exit\n"},
      {"--header", "the first line names the columns and is skipped;\nwith --field", 20,
       "  --header          the first line names the columns and is skipped;\n"
       "                    with --field\n"},
      // A translation wrapped into more lines than its source: each is indented.
      {"1", "erste\nzweite\ndritte", 5, "  1  erste\n     zweite\n     dritte\n"},
      // A trailing line end and an empty line add no spaces of their own.
      {"--x", "eins\n\nzwei\n", 8, "  --x   eins\n\n        zwei\n"},
      // Names that leave exactly two spaces before the column still share its line.
      {"--entries [FILE]", "each line", 20, "  --entries [FILE]  each line\n"},
      // Wider names stand alone; the description starts on the next line.
      {"--entries [FILE]", "each line\nof it", 19,
       "  --entries [FILE]\n                   each line\n"
       "                   of it\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpItem(c.names, c.description, c.column), c.expected) << c.description;
}

}  // namespace
