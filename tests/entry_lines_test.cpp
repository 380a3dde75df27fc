// Entry lines (the analyser's --entries): where lines end, that every line is
// an entry as it is, that plain lines reach a list of numbers as the numbers
// the analysis would read from them, however the text is cut into pieces,
// and a file that changes while it is read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "input/EntryLines.h"
#include "numtext/LeadingNumber.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;

namespace {

using loadertest::RecordingEntrySink;
using loadertest::TempTree;
using Texts = std::vector<std::string>;

std::string Described(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "=%.17g", v);
  return buf;
}

// A list that keeps numbers rather than the texts they were read from, as the
// analyser's does: each entry recorded as "=value" or as 'text'.
class NumbersSink final : public ValueSink {
 public:
  Texts got;
  void Append(std::string_view text) override { got.push_back("'" + std::string(text) + "'"); }
  void AppendNumber(double value) override { got.push_back(Described(value)); }
  void AppendNumbers(std::span<const double> values) override {
    for (double v : values) got.push_back(Described(v));
  }
};

// What a numbers list must hold for these entries: the number the analysis
// reads from a plain one, the text of any other.
Texts AsNumbers(const Texts& entries) {
  Texts out;
  for (const std::string& e : entries) {
    double v;
    out.push_back(numtext::PlainLeadingNumber(e, v) ? Described(numtext::LeadingNumber(e)) : "'" + e + "'");
  }
  return out;
}

template <class Sink>
void Read(Sink& sink, const std::string& text, std::size_t piece) {
  EntryLinesReader reader(sink);
  for (std::size_t at = 0; at < text.size(); at += piece)
    reader.Feed(text.data() + at, std::min(piece, text.size() - at));
  reader.Finish();
}

TEST(EntryLinesReader, EveryLineIsAnEntryAsItIsHoweverTheTextIsCut) {
  const struct {
    const char* name;
    std::string text;
    Texts entries;
  } cases[] = {
      {"LF ends", "1\n2.5\n", {"1", "2.5"}},
      {"CR LF ends, an empty line", "1\r\n\r\n2", {"1", "", "2"}},
      {"empty text: no entry", "", {}},
      {"one line end: one empty entry", "\n", {""}},
      {"a CR at the very end belongs to the line end", "5\r", {"5"}},
      {"a lone CR alone", "\r", {""}},
      {"only the CR right before the LF goes", "5\r\r\n6", {"5\r", "6"}},
      {"a CR inside a line stays", "a\rb\n7", {"a\rb", "7"}},
      {"words, spaces, exponents and signs are entries too",
       "x\n 7\n1e200\n-0\n+3.\n.5\n",
       {"x", " 7", "1e200", "-0", "+3.", ".5"}},
      {"more than fifteen digits", "1234567890123456\n", {"1234567890123456"}},
  };
  for (const auto& c : cases) {
    for (std::size_t piece = 1; piece <= std::max<std::size_t>(c.text.size(), 1); ++piece) {
      RecordingEntrySink texts;
      Read(texts, c.text, piece);
      EXPECT_EQ(texts.entries, c.entries) << c.name << ", pieces of " << piece;
      NumbersSink numbers;
      Read(numbers, c.text, piece);
      EXPECT_EQ(numbers.got, AsNumbers(c.entries)) << c.name << ", pieces of " << piece;
    }
  }
}

// A line longer than a list file's candidate may be is an entry of its first
// kMaxCandidateBytes bytes, whatever the pieces and whichever thread reads it.
TEST(EntryLinesReader, ALongLineIsAnEntryOfItsFirstBytes) {
  const std::size_t most = kMaxCandidateBytes;
  const std::string a(most, 'a'), digits(most + 1000, '7');
  const struct {
    const char* name;
    std::string text;
    Texts entries;
    std::size_t cut;
  } cases[] = {
      {"as long as an entry may be", a + "\n5", {a, "5"}, 0},
      {"and its CR LF", a + "\r\n5", {a, "5"}, 0},
      {"and its CR at the very end", a + "\r", {a}, 0},
      {"one byte more", a + "b\n5", {a, "5"}, 1},
      {"one byte and a CR more", a + "b\r\n", {a}, 1},
      {"many times as long, without a line end", a + a + a + "x", {a}, 1},
      {"long digits, twice", digits + "\n" + digits + "\r\n", {digits.substr(0, most), digits.substr(0, most)}, 2},
  };
  for (const auto& c : cases) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, most, most + 1, c.text.size()}) {
      SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(piece));
      RecordingEntrySink texts;
      EntryLinesReader reader(texts);
      for (std::size_t at = 0; at < c.text.size(); at += piece)
        reader.Feed(c.text.data() + at, std::min(piece, c.text.size() - at));
      reader.Finish();
      EXPECT_EQ(texts.entries, c.entries);
      EXPECT_EQ(reader.CutLines(), c.cut);
      NumbersSink numbers;
      Read(numbers, c.text, piece);
      EXPECT_EQ(numbers.got, AsNumbers(c.entries));
    }
  }
  // Long lines among many short ones: the two threads cut them alike.
  std::string text;
  Texts entries;
  for (int i = 0; text.size() < 5 * (std::size_t{1} << 16); ++i) {
    const std::string line =
        i % 50 == 7 ? std::string(most + std::size_t(i), i % 100 == 7 ? '1' : 'x') : std::to_string(i);
    text += line + (i % 2 ? "\r\n" : "\n");
    entries.push_back(line.substr(0, most));
  }
  for (const std::size_t piece : {std::size_t{70000}, text.size()}) {
    NumbersSink numbers;
    EntryLinesReader reader(numbers);
    for (std::size_t at = 0; at < text.size(); at += piece)
      reader.Feed(text.data() + at, std::min(piece, text.size() - at));
    reader.Finish();
    EXPECT_EQ(numbers.got, AsNumbers(entries)) << "pieces of " << piece;
    EXPECT_EQ(reader.CutLines(), entries.size() / 50 + (entries.size() % 50 > 7 ? 1 : 0)) << "pieces of " << piece;
  }
}

TEST(EntryLinesReader, ALargeTextIsReadInPartsAsItIsLineByLine) {
  // Several read blocks of lines of every kind, so that both threads read
  // parts and lines straddle every cut.
  std::string text;
  Texts entries;
  const char* const odd[] = {"", "abc", " 12", "1e5", "-", "&H1F", "99999999999999999", "\r"};
  for (long i = 0; text.size() < 3 * kReadBlockBytes + 777; ++i) {
    std::string line = i % 11 == 0 ? odd[i / 11 % 8] : std::to_string(i * 37 % 100003) + (i % 3 ? ".5" : "");
    text += line + (i % 4 == 0 ? "\r\n" : "\n");
    if (!line.empty() && line.back() == '\r') line.pop_back();
    entries.push_back(line);
  }
  for (std::size_t piece : {kReadBlockBytes, std::size_t{70000}, text.size()}) {
    NumbersSink numbers;
    Read(numbers, text, piece);
    EXPECT_EQ(numbers.got, AsNumbers(entries)) << "pieces of " << piece;
  }
}

TEST(ReadEntryLines, AFileThatChangesBetweenBlocksFailsNamingIt) {
  TempTree tree;
  std::string text;
  Texts lines;
  for (int i = 0; text.size() < 3 * kReadBlockBytes; ++i) {
    lines.push_back(std::to_string(i));
    text += lines.back() + "\n";
  }
  const struct {
    const char* name;
    off_t cutTo;  // -1: left alone
  } cases[] = {{"left alone", -1}, {"cut to nothing", 0}, {"cut in the middle", 3 * kReadBlockBytes / 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = tree.File("entries.txt", text);
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    RecordingEntrySink sink;
    std::string failure;
    try {
      const system::FileWatch watch(fd, path);
      ReadEntryLines(sink, fd, watch, [&] {
        if (c.cutTo >= 0) {
          ASSERT_EQ(::truncate(path.c_str(), c.cutTo), 0);
        }
      });
    } catch (const system::FileChanged& e) {
      failure = e.what();
    }
    ::close(fd);
    if (c.cutTo < 0) {
      EXPECT_EQ(failure, "");
      EXPECT_EQ(sink.entries, lines);
      continue;
    }
    EXPECT_EQ(failure, path + ": The file changed while it was read");
    // The lines read before: whole ones, from the start.
    ASSERT_FALSE(sink.entries.empty());
    ASSERT_LT(sink.entries.size(), lines.size());
    EXPECT_EQ(sink.entries, Texts(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(sink.entries.size())));
  }
}

}  // namespace
