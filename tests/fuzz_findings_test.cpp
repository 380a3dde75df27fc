// The fuzz targets' properties in the normal suite: every committed seed, and
// every input a fuzz run once stopped on, goes through the same checks as in
// the libFuzzer targets, so a finding stays fixed in the g++ and sanitizer
// builds too. Also pins down how a fuzz input becomes a list file, since the
// list-file target's reference depends on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/Checks.h"
#include "tests/fuzz/SheetChecks.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

#ifndef TALLOWMERE_FUZZ_DIR
#error "TALLOWMERE_FUZZ_DIR must name tests/fuzz"
#endif

namespace {

using Check = std::function<std::string(std::string_view)>;

struct Target {
  const char* name;
  Check check;
};

// The list-file check needs a scratch file; one per test is enough.
std::vector<Target> Targets(const loadertest::TempTree& scratch) {
  const std::string path = scratch.Path("list.txt");
  return {
      {"is_numeric", fuzzcheck::CheckNumberTest},
      {"leading_number", fuzzcheck::CheckLeadingNumber},
      {"list_file", [path](std::string_view data) { return fuzzcheck::CheckListFile(data, path); }},
      {"list_file_large", [path](std::string_view data) { return fuzzcheck::CheckListFile(data, path, true); }},
      {"round_trip", fuzzcheck::CheckRoundTrip},
      {"sheet_xml", fuzzcheck::CheckSheetXml},
  };
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string DoubleBytes(std::initializer_list<double> values) {
  std::string out;
  for (double v : values) {
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    out.append(bytes, sizeof v);
  }
  return out;
}

TEST(FuzzCorpus, EverySeedKeepsItsTargetsProperties) {
  loadertest::TempTree scratch;
  for (const Target& target : Targets(scratch)) {
    const std::filesystem::path folder = std::filesystem::path(TALLOWMERE_FUZZ_DIR) / "corpus" / target.name;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      ++seeds;
      EXPECT_EQ(target.check(ReadBytes(entry.path())), "") << target.name << " seed " << entry.path().filename();
    }
    // A corpus that went missing must not pass as an empty success.
    EXPECT_GE(seeds, 20) << target.name;
  }
}

// Inputs on which a fuzz run stopped, with what it found. Each once broke a
// property; they keep passing now.
TEST(FuzzFindings, InputsThatOnceStoppedARun) {
  struct Finding {
    const char* target;
    std::string input;
    const char* found;
  };
  const std::vector<Finding> findings = {
      // Fifteen digits of the largest doubles round above the double range:
      // "-1.79769313486232E+308" is refused by the number test and overflows
      // when read, rather than reading as some other value. The round-trip
      // property holds for every other finite double.
      {"round_trip", DoubleBytes({-DBL_MAX}), "the fifteen-digit text of -DBL_MAX cannot be read back"},
      {"round_trip", DoubleBytes({DBL_MAX, 1.7976931348623149e308, 1.797693134862315e308}),
       "the same for the doubles just below DBL_MAX"},
      // Widened to UTF-16 little-endian, a text that begins with NUL starts
      // FF FE 00 00: UTF-32's mark, which wins. The check writes such a text
      // big-endian instead.
      {"list_file",
       std::string("\x03\0"
                   "5\n\nab\0"
                   "5\n\nabcc\n 6 \n\n\n\x01\0",
                   24),
       "a UTF-16 LE text beginning with NUL read as UTF-32"},
      // Bytes that are not UTF-8 after the sheet read: Qt's reader, given
      // them at once, finds them before the sheet's cells are all read; fed
      // in pieces, the reading ends at the sheet's end without them.
      {"sheet_xml",
       "\x03<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
       "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\"><office:body><office:spreadsheet>"
       "<table:table table:name=\"S\"><table:table-row><table:table-cell office:value-type=\"float\" "
       "office:value=\"1\"/></table:table-row></table:table></office:spreadsheet></office:body></of\xB3\xB3"
       "fice:document-content>",
       "bytes that are not UTF-8 after the sheet end one reading sooner than another"},
      // A root element closed at once, followed by more: fed in pieces, Qt's
      // reader may end the document at the root's end; given it all, it
      // reads on into what follows. The root's end is now the part's end.
      {"sheet_xml",
       "\x05<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\"/>"
       "<office:body><office:spreadsheet/></office:body>",
       "what follows the root element read in one reading and not in another"},
  };
  loadertest::TempTree scratch;
  const std::vector<Target> targets = Targets(scratch);
  for (const Finding& f : findings) {
    auto target =
        std::find_if(targets.begin(), targets.end(), [&](const Target& t) { return std::string(t.name) == f.target; });
    ASSERT_NE(target, targets.end()) << f.target;
    EXPECT_EQ(target->check(f.input), "") << f.target << ": " << f.found;
  }
}

// The list-file target compares the reader with this split; it must itself
// be right: every CR and every LF ends a candidate, empty and overlong ones
// are dropped, the number test decides the rest.
TEST(FuzzChecks, TheReferenceSplitFollowsEveryLineEnd) {
  struct Case {
    std::string text;
    std::vector<std::string> expected;
  };
  const std::string atLimit = std::string(kMaxCandidateBytes - 1, '0') + "7";
  const std::vector<Case> cases = {
      {"5\n\nabc\n 6 \n", {"5", " 6 "}},
      {"1\r2\r\n3\n\r4", {"1", "2", "3", "4"}},
      {"", {}},
      {"\r\n\r\n", {}},
      {"abc\n1e\n1,5\n-4", {"1,5", "-4"}},
      {atLimit + "\n" + "0" + atLimit + "\n8", {atLimit, "8"}},
  };
  const numtext::Separators dot{".", ","};
  for (const Case& c : cases) {
    EXPECT_EQ(fuzzcheck::ReferenceEntries(c.text, dot), c.expected) << fuzzcheck::Quoted(c.text);
  }
}

// The list-file target's reference for what a file's bytes stand for.
TEST(FuzzChecks, TheReferenceTextFollowsTheByteOrderMark) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
  };
  using namespace std::string_literals;
  const std::vector<Case> cases = {
      {"no mark", "1\n2\n", "1\n2\n"},
      {"UTF-8 mark dropped",
       "\xEF\xBB\xBF"
       "1\n",
       "1\n"},
      {"only the first UTF-8 mark",
       "\xEF\xBB\xBF\xEF\xBB\xBF"
       "1",
       "\xEF\xBB\xBF"
       "1"},
      {"part of a mark",
       "\xEF\xBB"
       "1",
       "\xEF\xBB"
       "1"},
      {"a mark not at the start",
       "1\n\xFF\xFE"
       "2",
       "1\n\xFF\xFE"
       "2"},
      {"little-endian",
       "\xFF\xFE"
       "1\0\n\0"s,
       "1\n"},
      {"big-endian",
       "\xFE\xFF\0"
       "1\0\r"s,
       "1\r"},
      {"two and three bytes", "\xFF\xFE\xE9\0\xAC\x20"s, "\xC3\xA9\xE2\x82\xAC"},
      {"a surrogate pair", "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80"},
      {"a high surrogate alone, then a line end", "\xFE\xFF\xD8\x3D\0\n"s, "\xEF\xBF\xBD\n"},
      {"a low surrogate alone",
       "\xFF\xFE\x00\xDE"
       "5\0"s,
       "\xEF\xBF\xBD"
       "5"},
      {"a high surrogate at the end",
       "\xFF\xFE"
       "5\0\x3D\xD8"s,
       "5\xEF\xBF\xBD"},
      {"an odd last byte",
       "\xFF\xFE"
       "5\0"
       "6"s,
       "5\xEF\xBF\xBD"},
      {"a mark alone", "\xFE\xFF", ""},
      {"UTF-32 little-endian",
       "\xFF\xFE\0\0"
       "1\0\0\0\n\0\0\0"s,
       "1\n"},
      {"UTF-32 big-endian, beyond the BMP", "\0\0\xFE\xFF\0\x01\xF6\x00"s, "\xF0\x9F\x98\x80"},
      {"UTF-32, no character and an incomplete unit",
       "\xFF\xFE\0\0\0\0\x11\0"
       "5"s,
       "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"UTF-16 without a mark, little-endian", "1\0\n\0"s, "1\n"},
      {"UTF-16 without a mark, big-endian",
       "\0"
       "1\0\r\0"
       "2"s,
       "1\r2"},
      {"one unit without a mark is its bytes", "1\0"s, "1\0"s},
      {"a NUL unit without a mark: the bytes", "1\0\0\0\n\0"s, "1\0\0\0\n\0"s},
  };
  for (const Case& c : cases) EXPECT_EQ(fuzzcheck::ReferenceListText(c.bytes), c.text) << c.name;
}

TEST(FuzzChecks, TheFirstByteChoosesAByteOrderMark) {
  // Each mark turns up, and its bytes stand for the text as the reference
  // reads them: Latin-1 bytes widened, ASCII ones unchanged.
  const std::string text = "1\r\n-2.5\n\xE9\xFF\n";
  std::vector<std::string> marks;
  for (std::uint32_t control = 0; control < 256; ++control) {
    const fuzzcheck::MarkedListInput marked = fuzzcheck::MarkListText(text, control);
    EXPECT_EQ(fuzzcheck::ReferenceListText(marked.bytes), marked.text) << control;
    EXPECT_EQ(marked.text.substr(0, 8), text.substr(0, 8)) << control;
    const bool utf32 = marked.bytes.starts_with(std::string("\xFF\xFE\0\0", 4)) ||
                       marked.bytes.starts_with(std::string("\0\0\xFE\xFF", 4));
    const std::string mark = marked.bytes.substr(0, utf32 ? 4 : marked.bytes[0] == '\xEF' ? 3 : 2);
    if (std::find(marks.begin(), marks.end(), mark) == marks.end()) marks.push_back(mark);
  }
  std::sort(marks.begin(), marks.end());
  EXPECT_EQ(marks, (std::vector<std::string>{std::string("\0\0\xFE\xFF", 4), "\xEF\xBB\xBF", "\xFE\xFF", "\xFF\xFE",
                                             std::string("\xFF\xFE\0\0", 4)}));
  EXPECT_EQ(fuzzcheck::MarkListText(text, 2).text, "1\r\n-2.5\n\xC3\xA9\xC3\xBF\n");
}

TEST(FuzzChecks, TheFirstByteChoosesSeparatorsAndLineEnds) {
  // Bit 0 of the first byte chooses ',' as the decimal separator.
  EXPECT_EQ(fuzzcheck::MakeListInput("\x01"
                                     "1")
                .sep.decimal,
            ",");
  EXPECT_EQ(fuzzcheck::MakeListInput("\x02"
                                     "1")
                .sep.decimal,
            ".");
  EXPECT_EQ(fuzzcheck::MakeListInput("").text, "");
  EXPECT_EQ(fuzzcheck::MakeListInput("\x06", true).text, "");

  // Every LF becomes one of the three line ends; a CR stays; nothing else
  // changes, except that a large text is the rest repeated until it is large.
  const std::string base = "1\n2\n3\r4\n5";
  for (bool large : {false, true}) {
    std::string expected = "1\n2\n3\n4\n5";
    if (large) {
      const std::string once = expected;
      while (expected.size() < fuzzcheck::kLargeListBytes) expected += once;
    }
    for (int control = 0; control < 256; ++control) {
      const std::string text = fuzzcheck::MakeListInput(std::string(1, static_cast<char>(control)) + base, large).text;
      std::string normalized;
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        normalized += text[i] == '\r' ? '\n' : text[i];
      }
      ASSERT_EQ(normalized, expected) << control << (large ? " large" : "");
    }
  }
  // Over all seeds each kind of line end turns up.
  bool sawLf = false, sawCr = false, sawCrLf = false;
  for (int control = 0; control < 256; ++control) {
    const std::string text = fuzzcheck::MakeListInput(std::string(1, static_cast<char>(control)) + "1\n2").text;
    sawCrLf |= text == "1\r\n2";
    sawCr |= text == "1\r2";
    sawLf |= text == "1\n2";
  }
  EXPECT_TRUE(sawLf && sawCr && sawCrLf);
}

// The round-trip target compares NumberText with this reference.
TEST(FuzzChecks, TheNumberTextReferenceIsPercent15g) {
  struct Case {
    double value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {0.1, "0.1"},        {1e20, "1E+20"},    {-0.0, "0"},
      {1.5e-5, "1.5E-05"}, {1e-300, "1E-300"}, {123456789012345.6, "123456789012346"},
      {1e15, "1E+15"},     {-2.5, "-2.5"},     {DBL_MAX, fuzzcheck::kBeyondRange15},
  };
  for (const Case& c : cases) EXPECT_EQ(fuzzcheck::Reference15g(c.value), c.expected) << c.value;
}

}  // namespace
