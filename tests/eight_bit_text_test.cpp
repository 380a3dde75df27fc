// Windows-1252 decoded to UTF-8 in pieces: the letters of Western European
// tables, the page's own characters in 0x80-0x9F, its undefined bytes, and a
// piece longer than one stretch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/EightBitText.h"

using namespace tallowmere::input;

namespace {

std::string Decode(const std::string& bytes, std::size_t piece, std::size_t* largest = nullptr) {
  Windows1252Decoder decoder;
  std::string out;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    decoder.Feed(bytes.data() + at, std::min(piece, bytes.size() - at), [&](const char* data, std::size_t size) {
      out.append(data, size);
      if (largest) *largest = std::max(*largest, size);
    });
  }
  return out;
}

TEST(Windows1252Decoder, DecodesEachByteInPiecesOfAnySize) {
  struct Row {
    const char* name;
    std::string bytes;
    std::string expected;  // UTF-8, by hand
  };
  const Row rows[] = {
      {"ASCII as it is", "Gewicht;Gruppe\r\n61,5;a\n", "Gewicht;Gruppe\r\n61,5;a\n"},
      {"German letters",
       "Gr\xF6\xDF"
       "e \xC4\xD6\xDC\xE4\xFC",
       "Gr\xC3\xB6\xC3\x9F"
       "e \xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xBC"},
      {"French and Scandinavian letters", "\xE9\xE8\xE7\xC5\xF8", "\xC3\xA9\xC3\xA8\xC3\xA7\xC3\x85\xC3\xB8"},
      {"the euro sign", "5 \x80", "5 \xE2\x82\xAC"},
      {"quotes and dashes",
       "\x84"
       "a\x93 \x96 \x97",
       "\xE2\x80\x9E"
       "a\xE2\x80\x9C \xE2\x80\x93 \xE2\x80\x94"},
      {"the page's letters in 0x80-0x9F", "\x8A\x8C\x9A\x9C\x9F\x8E\x9E",
       "\xC5\xA0\xC5\x92\xC5\xA1\xC5\x93\xC5\xB8\xC5\xBD\xC5\xBE"},
      {"the undefined bytes as controls", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
      {"no-break space and y with diaeresis", "\xA0\xFF", "\xC2\xA0\xC3\xBF"},
      {"a NUL", std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Row& row : rows)
    for (std::size_t piece = 1; piece <= std::max<std::size_t>(row.bytes.size(), 1); ++piece)
      ASSERT_EQ(Decode(row.bytes, piece), row.expected) << row.name << ", pieces of " << piece;
}

TEST(Windows1252Decoder, APieceLongerThanAStretchIsHandedOnInStretches) {
  const std::size_t count = Windows1252Decoder::kSpanBytes * 2 + 3;
  std::string expected;
  for (std::size_t i = 0; i < count; ++i) expected += "\xC3\xA9";
  std::size_t largest = 0;
  EXPECT_EQ(Decode(std::string(count, '\xE9'), count, &largest), expected);
  EXPECT_LE(largest, Windows1252Decoder::kSpanBytes * 3);
}

}  // namespace
