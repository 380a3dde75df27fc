// The wide-text decoder, fed in pieces of every size, against its plain twin:
// the whole text's code units read in one go, each turned into its character
// (or U+FFFD) and that into UTF-8 by the table of the standard. Texts of
// random characters from every plane, of lone and reversed surrogates, of
// units beyond U+10FFFF, and cut short in the middle of a unit.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "input/WideText.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

struct Form {
  const char* name;
  WideForm form;
  std::size_t width;
  bool little;
};

const Form kForms[] = {
    {"UTF-16LE", WideForm::kUtf16Le, 2, true},
    {"UTF-16BE", WideForm::kUtf16Be, 2, false},
    {"UTF-32LE", WideForm::kUtf32Le, 4, true},
    {"UTF-32BE", WideForm::kUtf32Be, 4, false},
};

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

// The plain twin: all units first, then the characters they make.
std::string PlainDecode(const std::string& bytes, const Form& f) {
  std::vector<std::uint32_t> units;
  std::size_t at = 0;
  for (; at + f.width <= bytes.size(); at += f.width) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < f.width; ++i)
      u = (u << 8) | static_cast<unsigned char>(bytes[at + (f.little ? f.width - 1 - i : i)]);
    units.push_back(u);
  }
  const bool cutShort = at < bytes.size();
  auto isHigh = [](std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
  auto isLow = [](std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
  std::string out;
  for (std::size_t k = 0; k < units.size(); ++k) {
    const std::uint32_t u = units[k];
    if (f.width == 4) {
      out += Utf8(u > 0x10FFFF || isHigh(u) || isLow(u) ? 0xFFFD : u);
    } else if (isHigh(u) && k + 1 < units.size() && isLow(units[k + 1])) {
      out += Utf8(0x10000 + ((u - 0xD800) << 10) + (units[k + 1] - 0xDC00));
      ++k;
    } else {
      out += Utf8(isHigh(u) || isLow(u) ? 0xFFFD : u);
    }
  }
  if (cutShort) out += Utf8(0xFFFD);
  return out;
}

// The bytes of one unit in the form's order.
void PutUnit(std::string& bytes, std::uint32_t u, const Form& f) {
  for (std::size_t i = 0; i < f.width; ++i) {
    const std::size_t shift = 8 * (f.little ? i : f.width - 1 - i);
    bytes += static_cast<char>((u >> shift) & 0xFF);
  }
}

std::string Decoded(WideTextDecoder& decoder, const std::string& bytes, const Form& f, std::size_t piece) {
  std::string out;
  auto emit = [&out](const char* data, std::size_t size) { out.append(data, size); };
  decoder.Begin(f.form);
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    const std::size_t size = std::min(piece, bytes.size() - at);
    decoder.Feed(reinterpret_cast<const unsigned char*>(bytes.data() + at), size, emit);
  }
  decoder.Finish(emit);
  return out;
}

TEST(WideText, PiecesOfAnySizeDecodeAsTheWholeText) {
  struct Row {
    const char* name;
    std::uint32_t (*unit)(std::mt19937_64&);
    std::size_t cut;  // bytes dropped from the end
  } rows[] = {
      {"ASCII", [](std::mt19937_64& r) { return static_cast<std::uint32_t>(0x20 + r() % 0x5F); }, 0},
      {"any unit below the surrogates", [](std::mt19937_64& r) { return static_cast<std::uint32_t>(r() % 0xD800); }, 0},
      // Surrogates in pairs, alone and the wrong way round.
      {"surrogates",
       [](std::mt19937_64& r) {
         const auto k = r() % 4;
         return k == 0   ? static_cast<std::uint32_t>(0xD800 + r() % 0x400)
                : k == 1 ? static_cast<std::uint32_t>(0xDC00 + r() % 0x400)
                         : static_cast<std::uint32_t>('0' + r() % 10);
       },
       0},
      // For UTF-32, beyond the last character too; for UTF-16 the low half.
      {"any bits", [](std::mt19937_64& r) { return static_cast<std::uint32_t>(r()); }, 0},
      {"characters of every plane",
       [](std::mt19937_64& r) { return static_cast<std::uint32_t>(0x10000 + r() % 0x100000); }, 0},
      {"cut in the last unit", [](std::mt19937_64& r) { return static_cast<std::uint32_t>(r() % 0x800); }, 1},
      {"a high surrogate at the end",
       [](std::mt19937_64& r) { return static_cast<std::uint32_t>(r() % 2 ? 0xD800 + r() % 0x400 : '7'); }, 0},
  };
  std::mt19937_64 rng(43);
  WideTextDecoder decoder;  // one, reused from text to text as the reader does
  for (const Row& row : rows) {
    for (const Form& f : kForms) {
      for (std::size_t units : {0u, 1u, 2u, 7u, 300u}) {
        std::string bytes;
        for (std::size_t k = 0; k < units; ++k) {
          const std::uint32_t u = row.unit(rng);
          // UTF-16 holds 16 bits a unit; above that, a pair of surrogates.
          if (f.width == 2 && u > 0xFFFF) {
            const std::uint32_t c = 0x10000 + u % 0x100000;
            PutUnit(bytes, 0xD800 + ((c - 0x10000) >> 10), f);
            PutUnit(bytes, 0xDC00 + ((c - 0x10000) & 0x3FF), f);
          } else {
            PutUnit(bytes, u, f);
          }
        }
        if (row.cut > 0 && bytes.size() >= row.cut) bytes.resize(bytes.size() - row.cut);
        const std::string want = PlainDecode(bytes, f);
        for (std::size_t piece : {1u, 2u, 3u, 5u, 8u, 1000u}) {
          EXPECT_EQ(Decoded(decoder, bytes, f, piece), want)
              << row.name << ", " << f.name << ", " << units << " units, pieces of " << piece;
        }
      }
    }
  }
}

// A text longer than one stretch: decoded in several, none longer than its
// share of the piece, and joined they are the whole.
TEST(WideText, ALongPieceIsDecodedInStretches) {
  for (const Form& f : kForms) {
    std::string bytes;
    for (std::size_t k = 0; k < WideTextDecoder::kSpanBytes; ++k) PutUnit(bytes, k % 2 ? 0x20AC : '5', f);
    WideTextDecoder decoder;
    decoder.Begin(f.form);
    std::string out;
    std::size_t stretches = 0, longest = 0;
    decoder.Feed(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                 [&](const char* data, std::size_t size) {
                   out.append(data, size);
                   ++stretches;
                   longest = std::max(longest, size);
                 });
    decoder.Finish([&](const char* data, std::size_t size) { out.append(data, size); });
    EXPECT_EQ(out, PlainDecode(bytes, f)) << f.name;
    EXPECT_EQ(stretches, f.width) << f.name;
    EXPECT_LE(longest, WideTextDecoder::kSpanBytes * 2) << f.name;
  }
}

}  // namespace
