// Scanning text a word or a vector register at a time: the bit of every byte
// that is one of two given bytes, the same whichever way it is found, for
// bytes of either half of the byte range.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/ByteWords.h"

using namespace tallowmere;
using namespace tallowmere::core;

namespace {

TEST(ByteWords, EitherBitsOfSixtyFourBytesAsOneByOne) {
  struct Row {
    const char* name;
    unsigned char a, b;
  } rows[] = {
      {"line ends", '\n', '\r'},
      {"separators", '.', ','},
      // Bytes with the top bit set: a signed character must not spill into
      // the bits of its neighbours.
      {"high bytes", 0x80, 0xFF},
      {"one byte twice", 'x', 'x'},
  };
  std::mt19937_64 rng(17);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // Mostly the two bytes and their near misses (a bit more or less, the
    // top bit flipped), so that every bit position is hit and missed.
    const unsigned char pool[] = {row.a,
                                  row.b,
                                  static_cast<unsigned char>(row.a ^ 0x80),
                                  static_cast<unsigned char>(row.b ^ 0x80),
                                  static_cast<unsigned char>(row.a + 1),
                                  static_cast<unsigned char>(row.b - 1),
                                  0x00,
                                  '7'};
    std::size_t wrong = 0;
    for (int block = 0; block < 2000; ++block) {
      // One byte more than a block, so that the block can start off by one.
      char bytes[65];
      for (char& c : bytes) c = static_cast<char>(pool[rng() % sizeof pool]);
      const char* p = bytes + block % 2;
      std::uint64_t want = 0;
      for (int k = 0; k < 64; ++k) {
        const auto c = static_cast<unsigned char>(p[k]);
        if (c == row.a || c == row.b) want |= std::uint64_t{1} << k;
      }
      if (core::EitherBits64(p, row.a, row.b) != want || core::EitherBits64Words(p, row.a, row.b) != want) ++wrong;
    }
    EXPECT_EQ(wrong, 0u);
  }
}

}  // namespace
