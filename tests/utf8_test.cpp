// Telling well-formed UTF-8 from everything else, one sequence at a time: the
// edges of each length, and every lead and second byte against a plain
// decoder that works the code point out.
#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

using namespace tallowmere;
using namespace tallowmere::core;

namespace {

TEST(Utf8SequenceLength, MeasuresWellFormedSequencesAndRejectsTheRest) {
  struct Row {
    std::string text;
    std::size_t at;
    std::size_t length;  // 0: not well-formed
  };
  const Row rows[] = {
      {.text = "a", .at = 0, .length = 1},
      {.text = std::string("\0", 1), .at = 0, .length = 1},
      {.text = "\x7F", .at = 0, .length = 1},
      {.text = "a\xC3\xA9z", .at = 1, .length = 2},  // é, inside a text
      {.text = "\xC2\x80", .at = 0, .length = 2},    // U+0080, the first of two bytes
      {.text = "\xDF\xBF", .at = 0, .length = 2},    // U+07FF
      {.text = "\xE0\xA0\x80", .at = 0, .length = 3},
      {.text = "\xED\x9F\xBF", .at = 0, .length = 3},  // U+D7FF, below the surrogates
      {.text = "\xEE\x80\x80", .at = 0, .length = 3},  // U+E000, above them
      {.text = "\xEF\xBF\xBF", .at = 0, .length = 3},
      {.text = "\xF0\x90\x80\x80", .at = 0, .length = 4},  // U+10000
      {.text = "\xF4\x8F\xBF\xBF", .at = 0, .length = 4},  // U+10FFFF
      // Overlong forms.
      {.text = "\xC0\xAF", .at = 0, .length = 0},
      {.text = "\xC1\xBF", .at = 0, .length = 0},
      {.text = "\xE0\x9F\xBF", .at = 0, .length = 0},
      {.text = "\xF0\x8F\xBF\xBF", .at = 0, .length = 0},
      // Surrogates.
      {.text = "\xED\xA0\x80", .at = 0, .length = 0},
      {.text = "\xED\xBF\xBF", .at = 0, .length = 0},
      // Beyond U+10FFFF.
      {.text = "\xF4\x90\x80\x80", .at = 0, .length = 0},
      {.text = "\xF5\x80\x80\x80", .at = 0, .length = 0},
      {.text = "\xFF", .at = 0, .length = 0},
      // Cut short, at the end of the text and before a plain byte.
      {.text = "\xC3", .at = 0, .length = 0},
      {.text = "x\xE2\x82", .at = 1, .length = 0},
      {.text = "\xF0\x9F\x98", .at = 0, .length = 0},
      {.text = "\xE2\x28\xA1", .at = 0, .length = 0},
      {.text = "\xF0\x9F\x98\x41", .at = 0, .length = 0},
      // A continuation byte with no lead.
      {.text = "\x80", .at = 0, .length = 0},
      {.text = "\xC3\xA9\xA9", .at = 2, .length = 0},
  };
  for (const Row& row : rows) EXPECT_EQ(Utf8SequenceLength(row.text, row.at), row.length) << row.text;
}

// The length of the sequence at the start of `t` by working out its code
// point and judging that: the slow way, which the table of second-byte
// ranges must agree with.
std::size_t DecodedLength(std::string_view t) {
  const auto lead = static_cast<unsigned char>(t[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t code = 0, smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1Fu, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0Fu, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07u, smallest = 0x10000;
  } else {
    return 0;
  }
  if (t.size() < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(t[k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

TEST(Utf8SequenceLength, AgreesWithDecodingForEveryLeadAndSecondByte) {
  // The later bytes at the edges of the continuation range and just past.
  const unsigned char later[] = {0x7F, 0x80, 0xBF, 0xC0};
  std::size_t disagreements = 0;
  for (int lead = 0; lead < 256; ++lead) {
    for (int second = 0; second < 256; ++second) {
      for (const unsigned char third : later) {
        for (const unsigned char fourth : later) {
          const char bytes[] = {static_cast<char>(lead), static_cast<char>(second), static_cast<char>(third),
                                static_cast<char>(fourth)};
          // Every length of text, so that sequences cut short are met too.
          for (std::size_t size = 1; size <= 4; ++size) {
            const std::string_view text(bytes, size);
            if (Utf8SequenceLength(text, 0) != DecodedLength(text) && ++disagreements <= 5)
              ADD_FAILURE() << std::hex << lead << ' ' << second << ' ' << int{third} << ' ' << int{fourth} << " size "
                            << size;
          }
        }
      }
    }
  }
  EXPECT_EQ(disagreements, 0u);
}

}  // namespace
