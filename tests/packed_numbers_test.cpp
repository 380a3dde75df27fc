// Numbers held packed while they wait: which lists pack, in which form, and
// that every number comes back to the bit.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "input/PackedNumbers.h"

using namespace tallowmere;
using input::PackedForm;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr PackedForm kNone{};

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// Packs a copy of `numbers` and unpacks it again, checking on the way that
// the bytes past the packed ones were never written, and that a list that
// does not pack is left as it was: the form, and the numbers come back.
PackedForm PackedAndBack(const std::vector<double>& numbers, std::vector<double>& back) {
  back = numbers;
  if (back.empty()) return input::PackWhereExact(back.data(), 0);
  const PackedForm form = input::PackWhereExact(back.data(), back.size());
  const std::size_t packed = back.size() * static_cast<std::size_t>(form.width);
  const auto* before = reinterpret_cast<const unsigned char*>(numbers.data());
  const auto* after = reinterpret_cast<const unsigned char*>(back.data());
  EXPECT_EQ(std::memcmp(before + packed, after + packed, back.size() * sizeof(double) - packed), 0);
  if (form.Packs()) input::UnpackInPlace(back.data(), back.size(), form);
  return form;
}

struct FormRow {
  const char* name;
  std::vector<double> numbers;
  PackedForm want;
};

const FormRow kFormRows[] = {
    {"no numbers", {}, {2, 0}},
    {"whole numbers of two bytes", {1, 2, -32767, 32767, 0}, {2, 0}},
    {"a whole number past two bytes", {1, 32768}, {4, 0}},
    {"the largest whole number of four bytes", {2147483647.0, -2147483647.0}, {4, 0}},
    {"a whole number past four bytes", {2147483648.0}, kNone},
    {"one place, as read from text", {62.8, 199.7, 80, 0.1}, {2, 1}},
    {"places that rise late in the list", {1, 2, 3, 4, 0.25}, {2, 2}},
    {"three places", {0.5, 1.25, 2.125}, {2, 3}},
    {"places that make four bytes", {3.5, 3276.8}, {4, 1}},
    {"nine places", {0.123456789}, {4, 9}},
    {"ten places", {0.1234567891}, kNone},
    {"the most whole number at two places", {21474836.47}, {4, 2}},
    {"a whole number at its places past four bytes", {21474836.48}, kNone},
    {"a third", {1.0, 1.0 / 3.0}, kNone},
    {"a binary fraction that no few places hold", {0.1 + 0.2}, kNone},
    {"+0", {0.0, 5}, {2, 0}},
    {"-0", {5, -0.0}, kNone},
    {"NaN", {1, kNaN}, kNone},
    {"infinity", {kInfinity}, kNone},
    {"minus infinity", {-kInfinity, 1}, kNone},
    {"tiny", {1e-300}, kNone},
    {"huge", {1e300}, kNone},
    {"the smallest subnormal", {std::numeric_limits<double>::denorm_min()}, kNone},
};

TEST(PackedNumbers, FormOfEachList) {
  for (const FormRow& row : kFormRows) {
    SCOPED_TRACE(row.name);
    std::vector<double> back;
    const PackedForm form = PackedAndBack(row.numbers, back);
    EXPECT_EQ(form.width, row.want.width);
    EXPECT_EQ(form.scale, row.want.scale);
    EXPECT_TRUE(SameBits(back, row.numbers));
  }
}

// Numbers as a table's text gives them: `places` decimals, read by strtod.
std::vector<double> FromText(std::size_t n, int places, double spread, unsigned seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> uniform(-spread, spread);
  std::vector<double> numbers(n);
  char text[64];
  for (double& v : numbers) {
    std::snprintf(text, sizeof text, "%.*f", places, uniform(random));
    v = std::strtod(text, nullptr);
    if (v == 0.0) v = 0.0;  // "-0.0" reads as -0, which never packs
  }
  return numbers;
}

TEST(PackedNumbers, EveryNumberComesBackToTheBit) {
  const struct Row {
    const char* name;
    int places;
    double spread;
    PackedForm want;
  } rows[] = {
      {"whole numbers of two bytes", 0, 30000, {2, 0}},
      {"whole numbers of four bytes", 0, 2e9, {4, 0}},
      {"one place of two bytes", 1, 3000, {2, 1}},
      {"two places of four bytes", 2, 1e6, {4, 2}},
      {"four places", 4, 1, {2, 4}},
      {"six places", 6, 100, {4, 6}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // Odd lengths too: the check goes by blocks.
    for (const std::size_t n : {std::size_t{1}, std::size_t{513}, std::size_t{100001}}) {
      const std::vector<double> numbers = FromText(n, row.places, row.spread, static_cast<unsigned>(n));
      std::vector<double> back;
      const PackedForm form = PackedAndBack(numbers, back);
      if (n == 100001) {
        EXPECT_EQ(form.width, row.want.width);
        EXPECT_EQ(form.scale, row.want.scale);
      }
      EXPECT_TRUE(form.Packs());
      EXPECT_TRUE(SameBits(back, numbers));
    }
  }
}

// A number anywhere in a long list that cannot be packed keeps the whole
// list from packing, and the list as it was, however much of it was packed
// before that number was met.
TEST(PackedNumbers, OneMisfitAnywhereKeepsTheListWhole) {
  const struct Row {
    const char* name;
    double misfit;
  } rows[] = {{"-0", -0.0}, {"NaN", kNaN}, {"a third", 1.0 / 3.0}, {"past four bytes", 3e9}};
  const std::vector<double> plain = FromText(2000, 1, 100, 7);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (const std::size_t at : {std::size_t{0}, std::size_t{511}, std::size_t{512}, std::size_t{1999}}) {
      std::vector<double> numbers = plain;
      numbers[at] = row.misfit;
      std::vector<double> back;
      EXPECT_FALSE(PackedAndBack(numbers, back).Packs()) << "at " << at;
      EXPECT_TRUE(SameBits(back, numbers)) << "at " << at;
    }
  }
}

}  // namespace
