// The form of a list file's bytes: byte-order marks, UTF-16 and UTF-32 with
// and without them, however the first bytes are cut, and what runs
// meanwhile while a file is fed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "input/ListFile.h"
#include "input/TextEncoding.h"
#include "numtext/NumberText.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;

namespace {

using loadertest::MixedListText;
using loadertest::NoticeText;
using loadertest::RecordingEntrySink;
using loadertest::TempTree;
using Entries = std::vector<std::string>;

Entries ReadText(const std::string& text, const numtext::Separators& sep = {}) {
  RecordingEntrySink sink;
  ListTextReader reader(sink, sep);
  reader.Feed(text.data(), text.size());
  reader.Finish();
  return sink.entries;
}
// Reads a path the way the loaders do; returns the entries, then the
// messages shown, for one comparison.
struct Loaded {
  Entries entries;
  std::vector<std::string> messages;
};

Loaded Load(const std::string& path) {
  RecordingEntrySink sink;
  Loaded out;
  LoadListFile(sink, path, {}, [&](const std::string& p, NotRead why) { out.messages.push_back(NoticeText(p, why)); });
  out.entries = sink.entries;
  return out;
}
// The file reader's `meanwhile` (the next block, read while this one is
// read for numbers) runs exactly once in every Feed, whatever the piece: run
// twice it would read a block over, never run it would end the file early.
TEST(ListFileReader, WhatRunsMeanwhileRunsOnceInEveryFeed) {
  const std::string large = MixedListText(200'000, 5);
  const struct Row {
    const char* name;
    std::vector<std::string> pieces;
  } rows[] = {
      {"large pieces", {large.substr(0, 700'001), large.substr(700'001)}},
      {"small pieces and an empty one", {"12\n3", "4\n", "", "5"}},
      {"a line longer than a piece", {std::string(5000, '7'), std::string(300'000, '8'), "\n1\n"}},
      {"a byte-order mark a byte at a time",
       {"\xEF", "\xBB",
        "\xBF"
        "6\n"}},
      {"UTF-16",
       {std::string("\xFF\xFE"
                    "9\0\n\0",
                    6),
        std::string("8\0", 2)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingEntrySink sink, plain;
    ListFileReader reader(sink, {}), without(plain, {});
    int runs = 0;
    for (const std::string& piece : row.pieces) {
      reader.Feed(piece.data(), piece.size(), [&runs] { ++runs; });
      without.Feed(piece.data(), piece.size());
    }
    reader.Finish();
    without.Finish();
    EXPECT_EQ(runs, static_cast<int>(row.pieces.size()));
    EXPECT_TRUE(sink.entries == plain.entries);
  }
}

// ---- Byte-order marks and UTF-16 ----------------------------------------------

const std::string kUtf8Mark = "\xEF\xBB\xBF";

// UTF-16 code units as bytes in either order; a unit above 0xFFFF in the
// literal is already a surrogate pair, and a lone surrogate can be written
// as a unit of its own.
std::string Utf16Bytes(std::u16string_view units, bool littleEndian) {
  std::string out;
  for (char16_t u : units) {
    const char low = static_cast<char>(u & 0xFF), high = static_cast<char>(u >> 8);
    out += littleEndian ? low : high;
    out += littleEndian ? high : low;
  }
  return out;
}
std::string Le(std::u16string_view units) { return "\xFF\xFE" + Utf16Bytes(units, true); }
std::string Be(std::u16string_view units) { return "\xFE\xFF" + Utf16Bytes(units, false); }

// UTF-32 code units as bytes in either order, any value (a surrogate, or one
// beyond U+10FFFF) as it is.
std::string Utf32Bytes(std::u32string_view units, bool littleEndian) {
  std::string out;
  for (char32_t u : units) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(u >> (8 * (littleEndian ? i : 3 - i)));
  }
  return out;
}
std::string Le32(std::u32string_view units) { return std::string("\xFF\xFE\0\0", 4) + Utf32Bytes(units, true); }
std::string Be32(std::u32string_view units) { return std::string("\0\0\xFE\xFF", 4) + Utf32Bytes(units, false); }

std::u32string Utf32(std::u16string_view units) {
  std::u32string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size()) {
      out += 0x10000 + ((u - 0xD800) << 10) + (char32_t{units[++i]} - 0xDC00);
    } else {
      out += u;
    }
  }
  return out;
}

// The entries of a file's bytes fed to the reader in pieces of `piece` bytes.
Entries ReadFileBytes(const std::string& bytes, std::size_t piece, const numtext::Separators& sep = {}) {
  RecordingEntrySink sink;
  ListFileReader reader(sink, sep);
  for (std::size_t at = 0; at < bytes.size(); at += piece)
    reader.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
  reader.Finish();
  return sink.entries;
}

// Checks that `bytes`, cut into pieces of every size from one byte (as a pipe
// may deliver a mark) to the whole, read as `expected`.
void ExpectReadsInAnyPieces(const std::string& bytes, const Entries& expected, const std::string& name,
                            const numtext::Separators& sep = {}) {
  for (std::size_t piece = 1; piece <= std::max<std::size_t>(bytes.size(), 1); ++piece)
    ASSERT_EQ(ReadFileBytes(bytes, piece, sep), expected) << name << ", pieces of " << piece;
}

TEST(ListFileReader, AMarkedFileReadsAsItsTextWithoutTheMark) {
  struct Body {
    const char* name;
    std::string utf8;
    std::u16string utf16;
    Entries expected;
  };
  const std::vector<Body> bodies = {
      {"LF", "100\n-2.5\n3E2\n", u"100\n-2.5\n3E2\n", {"100", "-2.5", "3E2"}},
      {"CR LF", "100\r\n-2.5\r\n\r\n3E2", u"100\r\n-2.5\r\n\r\n3E2", {"100", "-2.5", "3E2"}},
      {"CR", "100\r-2.5\r3E2\r", u"100\r-2.5\r3E2\r", {"100", "-2.5", "3E2"}},
      {"non-ASCII characters on skipped lines",
       "7\r\nna\xC3\xAFve \xE2\x82\xAC 8\r\n\xF0\x9F\x98\x80\n 9 ",
       u"7\r\nna\u00EFve \u20AC 8\r\n\U0001F600\n 9 ",
       {"7", " 9 "}},
  };
  TempTree tree;
  for (const Body& body : bodies) {
    ASSERT_EQ(ReadText(body.utf8), body.expected) << body.name << ": the plain text itself";
    std::vector<std::pair<const char*, std::string>> forms = {
        {"no mark", body.utf8},        {"UTF-8 mark", kUtf8Mark + body.utf8},  {"UTF-16 LE", Le(body.utf16)},
        {"UTF-16 BE", Be(body.utf16)}, {"UTF-32 LE", Le32(Utf32(body.utf16))}, {"UTF-32 BE", Be32(Utf32(body.utf16))},
    };
    // Without a mark, UTF-16 is told by its first characters being ASCII.
    if (std::all_of(body.utf16.begin(), body.utf16.end(), [](char16_t u) { return u < 0x80; })) {
      forms.emplace_back("UTF-16 LE without a mark", Utf16Bytes(body.utf16, true));
      forms.emplace_back("UTF-16 BE without a mark", Utf16Bytes(body.utf16, false));
    }
    for (const auto& [form, bytes] : forms) {
      const std::string name = std::string(body.name) + ", " + form;
      ExpectReadsInAnyPieces(bytes, body.expected, name);
      Loaded got = Load(tree.File("list.txt", bytes));
      EXPECT_EQ(got.entries, body.expected) << name << ", from a file";
      EXPECT_TRUE(got.messages.empty()) << name;
    }
  }
}

TEST(ListFileReader, EdgesOfMarksAndOfUtf16) {
  struct Case {
    const char* name;
    std::string bytes;
    Entries expected;
  };
  const std::vector<Case> cases = {
      {"a UTF-8 mark alone", kUtf8Mark, {}},
      {"a UTF-16 LE mark alone", Le(u""), {}},
      {"a UTF-16 BE mark alone", Be(u""), {}},
      {"a UTF-8 mark, then a blank line", kUtf8Mark + "\n5\n", {"5"}},
      {"a UTF-16 mark, then a blank line", Le(u"\r\n5"), {"5"}},
      // Too short to be a mark, or only the start of one: read as it always was.
      {"part of the UTF-8 mark",
       "\xEF\xBB"
       "5\n6",
       {"6"}},
      {"one byte of a UTF-16 mark",
       "\xFF"
       "5\n6\n",
       {"6"}},
      {"a lone first byte of a mark", "\xFE", {}},
      {"the marks' bytes in another order",
       "\xBB\xEF\xBF"
       "5\n6",
       {"6"}},
      // Only the very first bytes may be a mark.
      {"a UTF-8 mark later on", "1\n" + kUtf8Mark + "2\n3", {"1", "3"}},
      {"a UTF-8 mark twice", kUtf8Mark + kUtf8Mark + "1\n2", {"2"}},
      {"a UTF-16 mark later on",
       "1\n\xFF\xFE"
       "2\n3",
       {"1", "3"}},
      {"a UTF-16 file with its mark twice",
       Le(u"\uFEFF"
          u"1\n2"),
       {"2"}},
      {"the UTF-8 mark in front of UTF-16 text", kUtf8Mark + Le(u"1\n2"), {}},
      // An odd last byte becomes U+FFFD on the line it ends: never a number of
      // its own, never glued onto one, and the cut line is not read as a
      // shorter number.
      {"UTF-16 LE, an odd byte after the last line end", Le(u"1\n2\n") + "3", {"1", "2"}},
      {"UTF-16 BE, an odd byte after the last line end", Be(u"1\r\n2\r\n") + "3", {"1", "2"}},
      {"UTF-16 LE, an odd byte ends the last line", Le(u"1\n2") + "3", {"1"}},
      {"UTF-16 BE, an odd byte ends the last line", Be(u"1\n2") + "\n", {"1"}},
      {"UTF-16, a mark and an odd byte", Le(u"") + "7", {}},
      // A lone surrogate takes nothing with it: the line end after it still
      // ends the line.
      {"a high surrogate alone before a line end",
       Le(u"5\xD83D"
          u"\n6"),
       {"6"}},
      {"a high surrogate alone before a digit",
       Be(u"5\n\xD83D"
          u"6\n7"),
       {"5", "7"}},
      {"a low surrogate alone",
       Le(u"\xDE00"
          u"\n6"),
       {"6"}},
      {"a high surrogate at the end of the file", Be(u"5\n6\xD83D"), {"5"}},
      // A NUL is an ordinary character in UTF-16 as in the plain text.
      {"a NUL inside a line",
       Le(std::u16string(u"1\0"
                         u"2\n3",
                         5)),
       {"3"}},
      // UTF-32: FF FE 00 00 is its mark, not UTF-16's followed by a NUL.
      {"a UTF-32 LE mark alone", Le32(U""), {}},
      {"a UTF-32 BE mark alone", Be32(U""), {}},
      {"UTF-16 LE mark, then one NUL byte", std::string("\xFF\xFE\0", 3), {}},
      {"UTF-32 LE, an incomplete unit after the last line end", Le32(U"1\n2\n") + "3", {"1", "2"}},
      {"UTF-32 BE, an incomplete unit ends the last line", Be32(U"1\n2") + std::string("\0\0", 2), {"1"}},
      {"UTF-32, a code point beyond U+10FFFF fails its line", Le32(std::u32string{'5', 0x110000, '\n', '6'}), {"6"}},
      {"UTF-32, a surrogate fails its line", Be32(std::u32string{'5', 0xD800, '\r', '\n', '7'}), {"7"}},
      {"UTF-32, a character beyond the BMP", Le32(U"1\n\U0001F600\n2"), {"1", "2"}},
      // UTF-16 without a mark: two code units at least, all ASCII with their
      // high bytes NUL, in the first 512 bytes.
      {"UTF-16 LE without a mark, two units", Utf16Bytes(u"5\n", true), {"5"}},
      {"UTF-16 BE without a mark, two units", Utf16Bytes(u"5\n", false), {"5"}},
      {"one unit is too little to tell", Utf16Bytes(u"5", true), {}},
      {"UTF-16 without a mark, a tab and CR LF", Utf16Bytes(u"\t1\r\n2", false), {"\t1", "2"}},
      {"UTF-16 without a mark, other characters after the first 512 bytes",
       Utf16Bytes(std::u16string(300, u'\n') + u"4\n\u00E9\n\U0001F600\n5", true),
       {"4", "5"}},
      {"UTF-16 without a mark, a non-ASCII character among the first: read as bytes",
       Utf16Bytes(u"\u00E9\n5\n", true),
       {}},
      {"a NUL code unit among the first bytes: read as bytes",
       Utf16Bytes(std::u16string(u"5\n\0"
                                 u"6\n",
                                 5),
                  true),
       {}},
      {"32-bit integers of digits' codes: read as bytes", Utf32Bytes(U"1\n2\n", true), {}},
      {"NUL bytes, then a line of digits: read as bytes", std::string(600, '\0') + "\n17\n", {"17"}},
  };
  for (const Case& c : cases) ExpectReadsInAnyPieces(c.bytes, c.expected, c.name);
}

// With a non-ASCII group separator the decoded characters reach the entries,
// so every kind of character, a surrogate pair and a lone surrogate can be
// seen exactly as decoded, however the bytes are cut.
TEST(ListFileReader, DecodesUtf16ToUtf8) {
  struct Case {
    const char* name;
    const char* group;
    std::string bytes;
    Entries expected;
  };
  const std::vector<Case> cases = {
      {"two bytes in UTF-8",
       "\xC2\xA0",
       Le(u"1\u00A0"
          u"234\r\n"),
       {"1\xC2\xA0"
        "234"}},
      {"three bytes in UTF-8",
       "\xE2\x80\xAF",
       Be(u"-1\u202F"
          u"234.5\n"),
       {"-1\xE2\x80\xAF"
        "234.5"}},
      {"a surrogate pair",
       "\xF0\x9F\x98\x80",
       Le(u"1\U0001F600"
          u"234"),
       {"1\xF0\x9F\x98\x80"
        "234"}},
      {"a surrogate pair, big-endian",
       "\xF0\x9F\x98\x80",
       Be(u"1\U0001F600"
          u"234"),
       {"1\xF0\x9F\x98\x80"
        "234"}},
      {"a lone high surrogate is U+FFFD",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D"
          u"234"),
       {"1\xEF\xBF\xBD"
        "234"}},
      {"a lone low surrogate is U+FFFD",
       "\xEF\xBF\xBD",
       Be(u"1\xDE00"
          u"234"),
       {"1\xEF\xBF\xBD"
        "234"}},
      {"a high surrogate before a high one",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D\xD83D"
          u"234"),
       {}},
      {"two high surrogates, then a low one",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D\U0001F600"
          u"2"),
       {}},
      {"the character after a lone high surrogate stays",
       "\xEF\xBF\xBD",
       Le(u"1\xD83D"
          u"2\n3\xD83D"
          u"4"),
       {"1\xEF\xBF\xBD"
        "2",
        "3\xEF\xBF\xBD"
        "4"}},
  };
  for (const Case& c : cases) {
    ExpectReadsInAnyPieces(c.bytes, c.expected, c.name, {".", c.group});
  }
}

TEST(ListFileReader, CapsUtf16CandidatesOnTheirDecodedLength) {
  const numtext::Separators narrowSpace{".", "\xE2\x80\xAF"};  // U+202F: one unit, three bytes decoded
  std::u16string grouped;
  for (int i = 0; i < 682; ++i)
    grouped +=
        u"\u202F"
        u"000";
  // Zeros: a number of any length, where ones would overflow.
  const std::u16string atCap = std::u16string(kMaxCandidateBytes - 1, u'0') + u"1";
  const std::u16string groupedAtCap = u"0000" + grouped;  // 4 + 682 * 6 bytes decoded
  const std::u16string groupedPastCap = u"00000" + grouped;
  ASSERT_LT(groupedPastCap.size(), kMaxCandidateBytes);  // the units alone are well within the cap
  auto utf8 = [](const std::u16string& digits, const char* grouping) {
    std::string out;
    for (char16_t u : digits) out += u == u'\u202F' ? std::string(grouping) : std::string(1, static_cast<char>(u));
    return out;
  };
  ASSERT_EQ(utf8(groupedAtCap, "\xE2\x80\xAF").size(), kMaxCandidateBytes);
  const std::u16string text =
      atCap + u"\n" + atCap + u"0\n5\n" + groupedAtCap + u"\r\n" + groupedPastCap + u"\r\n6\n" + atCap + u"0";
  const Entries expected = {utf8(atCap, ""), "5", utf8(groupedAtCap, "\xE2\x80\xAF"), "6"};
  for (const std::string& bytes : {Le(text), Be(text)}) {
    for (std::size_t piece : {std::size_t{1}, std::size_t{7}, kMaxCandidateBytes - 1, kMaxCandidateBytes,
                              kMaxCandidateBytes + 1, bytes.size()})
      EXPECT_EQ(ReadFileBytes(bytes, piece, narrowSpace), expected) << "pieces of " << piece;
  }
}

TEST(ReadListDescriptor, FindsAMarkDeliveredAByteAtATime) {
  const std::vector<std::pair<const char*, std::string>> forms = {
      {"UTF-8 mark", kUtf8Mark + "100\r\n2\r\n3"},
      {"UTF-16 LE", Le(u"100\n2\n3\n")},
      {"UTF-16 BE", Be(u"100\r2\r3")},
      {"no mark", "100\n2\n3"},
  };
  for (const auto& [name, bytes] : forms) {
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    // The writer pauses after each of the first bytes, so each read finds
    // one byte waiting.
    std::thread writer([&text = bytes, fd = channel[1]] {
      for (std::size_t at = 0; at < text.size(); ++at) {
        if (::write(fd, text.data() + at, 1) != 1) break;
        if (at < 6) std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
      ::close(fd);
    });
    RecordingEntrySink sink;
    ReadListDescriptor(sink, channel[0], {});
    writer.join();
    ::close(channel[0]);
    EXPECT_EQ(sink.entries, (Entries{"100", "2", "3"})) << name;
  }
}

// ---- Forms forced by the caller, and the form told by the first block ----------

// The text a reader hands on, whole.
class KeptText final : public TextPieceReader {
 public:
  std::string text;
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) override {
    text.append(data, size);
    if (meanwhile) meanwhile();
  }
  void Finish() override {}
};

// "Größe 😀" (or, where the form cannot hold the emoji, "Größe €"), by hand.
const std::string kGroesseUtf8 =
    "Gr\xC3\xB6\xC3\x9F"
    "e \xF0\x9F\x98\x80\n";
const std::u16string kGroesse16 = u"Gr\u00F6\u00DFe \U0001F600\n";

TEST(ListFileReader, AForcedFormDecodesCutAnywhere) {
  struct Row {
    const char* name;
    TextForm forced;
    std::string bytes;
    std::string expected;
  };
  const Row rows[] = {
      {"UTF-8, no mark", TextForm::kUtf8, kGroesseUtf8, kGroesseUtf8},
      {"UTF-8, its mark skipped", TextForm::kUtf8, kUtf8Mark + kGroesseUtf8, kGroesseUtf8},
      {"UTF-8 over a UTF-16 mark: the mark is text", TextForm::kUtf8, Le(u"7"),
       std::string("\xFF\xFE"
                   "7\0",
                   4)},
      {"UTF-16 LE, no mark", TextForm::kUtf16Le, Utf16Bytes(kGroesse16, true), kGroesseUtf8},
      {"UTF-16 LE, its mark skipped", TextForm::kUtf16Le, Le(kGroesse16), kGroesseUtf8},
      {"UTF-16 BE, no mark", TextForm::kUtf16Be, Utf16Bytes(kGroesse16, false), kGroesseUtf8},
      {"UTF-16 BE, its mark skipped", TextForm::kUtf16Be, Be(kGroesse16), kGroesseUtf8},
      // FF FE read big-endian is U+FFFE; "G" 00 is U+4700.
      {"UTF-16 BE over a UTF-16 LE mark", TextForm::kUtf16Be, Le(u"G"), "\xEF\xBF\xBE\xE4\x9C\x80"},
      // UTF-32 LE's mark begins with UTF-16 LE's: the rest is a NUL.
      {"UTF-16 LE over a UTF-32 LE mark", TextForm::kUtf16Le, Le32(U"G"), std::string("\0G\0", 3)},
      {"UTF-32 LE, no mark", TextForm::kUtf32Le, Utf32Bytes(Utf32(kGroesse16), true), kGroesseUtf8},
      {"UTF-32 LE, its mark skipped", TextForm::kUtf32Le, Le32(Utf32(kGroesse16)), kGroesseUtf8},
      {"UTF-32 BE, no mark", TextForm::kUtf32Be, Utf32Bytes(Utf32(kGroesse16), false), kGroesseUtf8},
      {"UTF-32 BE, its mark skipped", TextForm::kUtf32Be, Be32(Utf32(kGroesse16)), kGroesseUtf8},
      {"Windows-1252", TextForm::kWindows1252,
       "Gr\xF6\xDF"
       "e \x80\n",
       "Gr\xC3\xB6\xC3\x9F"
       "e \xE2\x82\xAC\n"},
      // Windows-1252 has no mark: a UTF-8 one is three letters of it.
      {"Windows-1252 over a UTF-8 mark", TextForm::kWindows1252, kUtf8Mark + "1",
       "\xC3\xAF\xC2\xBB\xC2\xBF"
       "1"},
  };
  for (const Row& row : rows) {
    // Two pieces cut at every byte: inside a mark, a code unit, a surrogate
    // pair, or between the bytes that become one multi-byte character.
    for (std::size_t cut = 0; cut <= row.bytes.size(); ++cut) {
      KeptText kept;
      ListFileReader reader(kept, row.forced);
      reader.Feed(row.bytes.data(), cut);
      reader.Feed(row.bytes.data() + cut, row.bytes.size() - cut);
      reader.Finish();
      ASSERT_EQ(kept.text, row.expected) << row.name << ", cut after " << cut;
    }
  }
}

TEST(DetectTextForm, TellsTheFormByTheFirstBlock) {
  struct Row {
    const char* name;
    std::string start;
    bool whole;
    TextForm expected;
  };
  const Row rows[] = {
      {"ASCII", "Gewicht;Gruppe\n61,5;a\n", true, TextForm::kUtf8},
      {"UTF-8 umlauts",
       "Gewicht;Gr\xC3\xB6\xC3\x9F"
       "e\n",
       true, TextForm::kUtf8},
      {"nothing at all", "", true, TextForm::kUtf8},
      {"Windows-1252 umlauts",
       "Gewicht;Gr\xF6\xDF"
       "e\n61,5;1,70\n",
       true, TextForm::kWindows1252},
      {"a euro sign of Windows-1252", "Preis\n\x80 5\n", true, TextForm::kWindows1252},
      {"a stray continuation byte", "a\x80z", true, TextForm::kWindows1252},
      {"an overlong form", "a\xC0\xAFz", true, TextForm::kWindows1252},
      {"UTF-8 cut by the block's end", "Gr\xC3", false, TextForm::kUtf8},
      {"an emoji cut by the block's end", "x\xF0\x9F\x98", false, TextForm::kUtf8},
      {"a character cut at the text's very end", "Gr\xC3", true, TextForm::kWindows1252},
      {"a byte no UTF-8 begins with, at the block's end", "Gr\xF6", false, TextForm::kWindows1252},
      {"a UTF-8 mark before bytes that are not UTF-8",
       kUtf8Mark + "Gr\xF6\xDF"
                   "e",
       true, TextForm::kUtf8},
      {"a UTF-16 LE mark", Le(u"Gr\u00F6\u00DFe"), true, TextForm::kUtf16Le},
      {"a UTF-16 BE mark", Be(u"a;b"), true, TextForm::kUtf16Be},
      {"a UTF-32 LE mark", Le32(U"a;b"), true, TextForm::kUtf32Le},
      {"a UTF-32 BE mark", Be32(U"a;b"), true, TextForm::kUtf32Be},
      {"UTF-16 LE without a mark", Utf16Bytes(u"a;b\n1;2\n", true), true, TextForm::kUtf16Le},
      {"UTF-16 BE without a mark", Utf16Bytes(u"a;b\n1;2\n", false), true, TextForm::kUtf16Be},
  };
  for (const Row& row : rows) EXPECT_EQ(DetectTextForm(row.start, row.whole), row.expected) << row.name;
}

}  // namespace
