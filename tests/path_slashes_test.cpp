// Tidying composed paths: pairs of separators collapsed in one pass, and
// the fixed prefix of a path that begins with separators.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/PathSlashes.h"

using namespace tallowmere::input;

namespace {

TEST(FixPathSlashes, CollapsesPairsInOnePass) {
  struct Case {
    const char* path;
    char separator;
    const char* expected;
  };
  const std::vector<Case> cases = {
      // This platform: no leading separator.
      {"", '/', ""},
      {"a/b.txt", '/', "a/b.txt"},
      {"a//b.txt", '/', "a/b.txt"},
      {"a///b.txt", '/', "a//b.txt"},
      {"a////b.txt", '/', "a//b.txt"},
      {"a//b//c/", '/', "a/b/c/"},
      // This platform: a leading run becomes one separator.
      {"/home/u//x.txt", '/', "/home/u/x.txt"},
      {"//x.txt", '/', "/x.txt"},
      {"///srv//a///b", '/', "/srv/a//b"},
      {"////", '/', "/"},
      // The other platform: pairs of backslashes, and its network-path rule.
      {"C:\\\\dir\\\\\\x.txt", '\\', "C:\\dir\\\\x.txt"},
      {"\\folder\\x", '\\', "\\\\folder\\x"},
      {"\\\\server\\share\\\\a.txt", '\\', "\\\\server\\share\\a.txt"},
      {"\\\\\\\\server\\a", '\\', "\\\\server\\a"},
      // A backslash means nothing to the slash rule, and the other way round.
      {"a\\\\b//c", '/', "a\\\\b/c"},
  };
  for (const Case& c : cases) EXPECT_EQ(FixPathSlashes(c.path, c.separator), c.expected) << c.path;
  EXPECT_EQ(FixPathSlashes("/a//b"), "/a/b");  // '/' unless told otherwise
}

}  // namespace
