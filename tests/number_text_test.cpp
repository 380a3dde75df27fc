#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "numtext/LeadingNumber.h"
#include "numtext/NumberText.h"
#include "stats/Arithmetic.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

using numtext::Separators;

const Separators kDotComma{".", ","};
const Separators kCommaDot{",", "."};
const Separators kCommaNbsp{",", "\u00A0"};
const Separators kCommaNarrowNbsp{",", "\u202F"};

// Compares doubles bit for bit, so that 0 and -0 differ and a failure prints
// all seventeen digits.
#define EXPECT_SAME_DOUBLE(expected, actual)                             \
  EXPECT_EQ(std::bit_cast<std::uint64_t>(static_cast<double>(expected)), \
            std::bit_cast<std::uint64_t>(static_cast<double>(actual)))   \
      << "expected " << (expected) << " got " << (actual)

template <typename F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const ArithmeticError& e) {
    return e.what();
  }
  return "";
}

// The C library serves as an independent reference in this program; the
// locale is pinned so that its decimal point is '.'.
class CLocale {
 public:
  CLocale() { std::setlocale(LC_ALL, "C"); }
};
const CLocale kPinLocale;

std::string Printf15g(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

// What NumberText must give: "%.15g" with an upper-case exponent marker and a
// negative zero without its sign. %g already drops trailing zeros and writes
// at least two exponent digits.
std::string ExpectedNumberText(double v) {
  if (v == 0.0) return "0";
  std::string s = Printf15g(v);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

// Arbitrary-size decimal integers for exact reference values.
std::string MulSmall(const std::string& digits, std::uint64_t factor) {
  std::string out(digits.size(), '0');
  unsigned __int128 carry = 0;
  for (std::size_t i = digits.size(); i-- > 0;) {
    unsigned __int128 d = static_cast<unsigned __int128>(digits[i] - '0') * factor + carry;
    out[i] = static_cast<char>('0' + static_cast<int>(d % 10));
    carry = d / 10;
  }
  std::string head;
  while (carry > 0) {
    head.insert(head.begin(), static_cast<char>('0' + static_cast<int>(carry % 10)));
    carry /= 10;
  }
  return head + out;
}

std::string Pow(std::uint64_t base, int exponent) {
  std::string s = "1";
  for (int i = 0; i < exponent; ++i) s = MulSmall(s, base);
  return s;
}

std::string MinusOne(std::string s) {
  std::size_t i = s.size();
  while (s[i - 1] == '0') s[--i] = '9';
  --s[i - 1];
  if (s.size() > 1 && s[0] == '0') s.erase(0, 1);
  return s;
}

// The value a results row shows for a statistic: number text, ten-decimal
// format, value step (rounded or not), number text again.
std::string ShownValue(double statistic, bool round, int places) {
  std::string working = numtext::FormatTenDecimals(numtext::NumberText(statistic, kDotComma), kDotComma);
  return numtext::NumberText(numtext::DecimalValue(working, round, places, kDotComma), kDotComma);
}

// ---------------------------------------------------------------- NumberText

TEST(NumberText, WritesFifteenSignificantDigits) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {15.0, "15"},
      {1.090, "1.09"},
      {-3.75, "-3.75"},
      {3.75, "3.75"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {-2.0 / 3.0, "-0.666666666666667"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.5, "1E+15"},
      {1e15, "1E+15"},
      {1234567890123456.7, "1.23456789012346E+15"},
      {1e20, "1E+20"},
      {-1e20, "-1E+20"},
      {1e100, "1E+100"},
      {0.0001, "0.0001"},
      {0.000123456, "0.000123456"},
      {0.00001, "1E-05"},
      {1.5e-5, "1.5E-05"},
      {4e-11, "4E-11"},
      {1e-300, "1E-300"},
      {DBL_MAX, "1.79769313486232E+308"},
      {-DBL_MAX, "-1.79769313486232E+308"},
      {DBL_MIN, "2.2250738585072E-308"},
      {DBL_TRUE_MIN, "4.94065645841247E-324"},
      {33.55480769230769, "33.5548076923077"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numtext::NumberText(c.value, kDotComma), c.text) << c.value;
  }
}

// The text a script reads back: the shortest one that gives the same double,
// laid out as NumberText lays out its fifteen digits.
TEST(NumberText, RoundTripTextHoldsEveryDigitTheDoubleNeeds) {
  struct Case {
    double value;
    Separators sep;
    const char* text;
  } cases[] = {
      {0.0, kDotComma, "0"},
      {-0.0, kDotComma, "0"},
      {15.0, kDotComma, "15"},
      {10000000.0, kDotComma, "10000000"},
      {50000005000000.0, kDotComma, "50000005000000"},
      {1.0 / 3.0, kDotComma, "0.3333333333333333"},
      {5.0 / 3.0, kDotComma, "1.6666666666666667"},
      {-2.0 / 3.0, kDotComma, "-0.6666666666666666"},
      {0.1 + 0.2, kDotComma, "0.30000000000000004"},
      {4.9e-12, kDotComma, "4.9E-12"},
      {1.8414693877551e-07, kDotComma, "1.8414693877551E-07"},
      {0.0001, kDotComma, "0.0001"},
      {0.00001, kDotComma, "1E-05"},
      {999999999999999.0, kDotComma, "999999999999999"},
      {1e15, kDotComma, "1E+15"},
      {1234567890123456.7, kDotComma, "1.2345678901234568E+15"},
      {9007199254740993.0, kDotComma, "9.007199254740992E+15"},
      {-1e20, kDotComma, "-1E+20"},
      {1e100, kDotComma, "1E+100"},
      {DBL_MAX, kDotComma, "1.7976931348623157E+308"},
      {DBL_MIN, kDotComma, "2.2250738585072014E-308"},
      {DBL_TRUE_MIN, kDotComma, "5E-324"},
      {1.0 / 3.0, kCommaDot, "0,3333333333333333"},
      {-1.5e-20, {"\u066B", "\u066C"}, "-1\u066B5E-20"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numtext::RoundTripText(c.value, c.sep), c.text) << c.value;
  }
  // Random doubles of every size: the text reads back to the same bits, and
  // a value of at most 15 digits is written exactly as NumberText writes it.
  std::mt19937_64 random(29);
  for (int i = 0; i < 100000; ++i) {
    double v = std::bit_cast<double>(random());
    if (!std::isfinite(v)) continue;
    if (i % 2 == 1) v = std::strtod(numtext::NumberText(v, kDotComma).c_str(), nullptr);
    const std::string text = numtext::RoundTripText(v, kDotComma);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)),
              std::bit_cast<std::uint64_t>(v == 0.0 ? 0.0 : v))
        << text;
    if (i % 2 == 1) {
      ASSERT_EQ(text, numtext::NumberText(v, kDotComma)) << v;
    }
  }
}

TEST(NumberText, UsesTheUserDecimalSeparatorAndNoGrouping) {
  struct Case {
    double value;
    Separators sep;
    const char* text;
  } cases[] = {
      {3.75, kCommaDot, "3,75"},
      {1.5e-5, kCommaDot, "1,5E-05"},
      {1234567.25, kCommaDot, "1234567,25"},
      {1234567.25, kDotComma, "1234567.25"},
      {-0.5, {"\u066B", "\u066C"}, "-0\u066B5"},
      {1e20, kCommaDot, "1E+20"},
      {-0.0, kCommaDot, "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numtext::NumberText(c.value, c.sep), c.text) << c.value;
  }
}

TEST(NumberText, FollowsTheSeparatorsGivenAndDefaultsToDotAndComma) {
  EXPECT_EQ(numtext::NumberText(2.5, kCommaDot), "2,5");
  EXPECT_TRUE(numtext::IsNumeric("1.234,5", kCommaDot));
  EXPECT_FALSE(numtext::IsNumeric("1,234.5", kCommaDot));
  EXPECT_EQ(numtext::NumberText(2.5, Separators{}), "2.5");
  EXPECT_TRUE(numtext::IsNumeric("1,234.5", Separators{}));
}

TEST(NumberText, MatchesPercent15gForRandomDoubles) {
  std::mt19937_64 rng(20210831);
  for (int i = 0; i < 200000; ++i) {
    double v = std::bit_cast<double>(rng());
    if (!std::isfinite(v)) continue;
    ASSERT_EQ(numtext::NumberText(v, kDotComma), ExpectedNumberText(v)) << Printf15g(v);
  }
  // Values around the switch to exponent form and around rounding carries.
  std::uniform_int_distribution<int> exponent(-8, 18);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  for (int i = 0; i < 100000; ++i) {
    double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    if (i % 3 == 0) v = std::nextafter(std::round(v), 0.0);
    ASSERT_EQ(numtext::NumberText(v, kDotComma), ExpectedNumberText(v)) << Printf15g(v);
  }
}

// ------------------------------------------------------------- LeadingNumber

TEST(LeadingNumber, ReadsTheLeadingNumberOfAnyText) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"42", 42},
      {"-3.75", -3.75},
      {" 7 ", 7},
      {"+8", 8},
      {"abc", 0},
      {"", 0},
      {"   ", 0},
      {"12abc", 12},
      {"1,5", 1},
      {"1 000", 1000},
      {"- 5", -5},
      {"\t1\n2 3", 123},
      {"1 . 5", 1.5},
      {"2E3", 2000},
      {"2e3", 2000},
      {"2D3", 2000},
      {"2d-3", 0.002},
      {"1E 3", 1000},
      {"1E- 2", 0.01},
      {"12E", 12},
      {"12E+", 12},
      {"12E-x", 12},
      {"12Ex5", 12},
      {".5", 0.5},
      {"-.5", -0.5},
      {"5.", 5},
      {"1.2.3", 1.2},
      {"-", 0},
      {".", 0},
      {"E5", 0},
      {"--5", 0},
      {"+-5", 0},
      {"$5", 0},
      {"(5)", 0},
      {"1E-400", 0},
      {"0E99999999999999999999", 0},
      {"1E-99999999999999999999", 0},
      {"1E-18446744073709551616", 0},  // 2^64: must not wrap to 1E0
      {"0.000001", 0.000001},
      {"000123", 123},
      {"3.14159265358979", 3.14159265358979},
      {"0.1", 0.1},
      {"123456789012345678", 123456789012345678.0},
      {"9007199254740993", 9007199254740992.0},
      {"1.7976931348623157E308", DBL_MAX},
      {"2.2250738585072014E-308", DBL_MIN},
      {"4.9406564584124654E-324", DBL_TRUE_MIN},
      {"2.5E-324", DBL_TRUE_MIN},
      {"1e22", 1e22},
      {"1e23", 1e23},
      {"8.589973e9", 8.589973e9},
      {"1,5E3", 1},
      {"\r5", 0},
  };
  for (const Case& c : cases) {
    EXPECT_SAME_DOUBLE(c.value, numtext::LeadingNumber(c.text)) << '"' << c.text << '"';
  }
}

TEST(LeadingNumber, ReadsHexAndOctalAsThirtyTwoBitPatterns) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"&HFF", 255},
      {"&hff", 255},
      {"&H7FFFFFFF", 2147483647},
      {"&H80000000", -2147483648.0},
      {"&HFFFFFFFF", -1},
      {"&HFFFF", 65535},
      {"&H00000000FFFFFFFF", -1},
      {" & H 1 0 ", 16},
      {"&H1G", 1},
      {"&H", 0},
      {"&Hxyz", 0},
      {"&O17", 15},
      {"&o777", 511},
      {"&O18", 1},
      {"&O37777777777", -1},
      {"&O17777777777", 2147483647},
      {"&O", 0},
      {"&", 0},
      {"&X12", 0},
      {"&12", 0},
      {"-&H10", 0},
  };
  for (const Case& c : cases) {
    EXPECT_SAME_DOUBLE(c.value, numtext::LeadingNumber(c.text)) << '"' << c.text << '"';
  }
}

// The list readers keep the quick reading's value and skip the number test
// when the decimal separator is '.': every text the quick reading takes must
// then be a number by the number test, and read as the same value. A blank in
// front sends any text the general way (both rules ignore it): the two ways
// must agree on every text, in value and in failure, and so must the number
// test with either decimal separator. All texts of up to six characters from
// the characters that matter, longer ones at the edges of the quick reading's
// length, and random ones of up to 19 characters, mostly digits, with bytes
// next to the digits in the code table (one either side, and the same low
// half with another high half), a NUL and a blank.
TEST(LeadingNumber, TheQuickReadingAgreesWithTheGeneralOne) {
  const std::string alphabet = "019.+-, eE";
  std::vector<std::string> texts = {"123456789012345",   "1234567890123456",   ".123456789012345",
                                    "-12345678.9012345", "+000000000000000.0", "99999999999999.9"};
  for (std::size_t length = 1; length <= 6; ++length) {
    std::vector<std::size_t> at(length, 0);
    for (;;) {
      std::string t;
      for (std::size_t i : at) t += alphabet[i];
      texts.push_back(t);
      std::size_t k = 0;
      while (k < length && ++at[k] == alphabet.size()) at[k++] = 0;
      if (k == length) break;
    }
  }
  std::mt19937_64 rng(17);
  const std::string bytes = std::string("0123456789.-+") + std::string({'/', ':', '\xB5', '\xB9', 'e', '\0', ' '});
  for (int round = 0; round < 300'000; ++round) {
    std::string text;
    const std::size_t length = 1 + rng() % 19;
    for (std::size_t i = 0; i < length; ++i) {
      const std::uint64_t r = rng() % 64;
      text += r < 48 ? bytes[r % 10] : r < 60 ? bytes[10 + r % 3] : bytes[13 + rng() % (bytes.size() - 13)];
    }
    texts.push_back(std::move(text));
  }
  // The value, or the failure, of a reading.
  auto reading = [](const std::string& t) -> std::string {
    try {
      return std::to_string(std::bit_cast<std::uint64_t>(numtext::LeadingNumber(t)));
    } catch (const ArithmeticError& e) {
      return e.what();
    }
  };
  std::size_t taken = 0;
  for (const std::string& t : texts) {
    ASSERT_EQ(reading(t), reading(" " + t)) << '"' << t << '"';
    for (const Separators& sep : {kDotComma, kCommaDot}) {
      std::string local = t;
      std::replace(local.begin(), local.end(), '.', sep.decimal[0]);
      ASSERT_EQ(numtext::IsNumeric(local, sep), numtext::IsNumeric(" " + local, sep)) << '"' << local << '"';
    }
    double v;
    if (!numtext::PlainLeadingNumber(t, v)) continue;
    ++taken;
    ASSERT_TRUE(numtext::IsNumeric(t, kDotComma)) << '"' << t << '"';
    EXPECT_SAME_DOUBLE(numtext::NumericValue(t, kDotComma), v) << '"' << t << '"';
    EXPECT_SAME_DOUBLE(numtext::LeadingNumber(t), v) << '"' << t << '"';
  }
  EXPECT_GT(taken, 1000u);
}

TEST(LeadingNumber, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(numtext::LeadingNumber("-0")));
  EXPECT_TRUE(std::signbit(numtext::LeadingNumber("-1E-400")));
  EXPECT_FALSE(std::signbit(numtext::LeadingNumber("1E-400")));
  EXPECT_FALSE(std::signbit(numtext::LeadingNumber("-")));
}

TEST(LeadingNumber, ReportsOverflowBeyondTheDoubleRange) {
  const std::string many_digits = "1" + std::string(400, '0');
  const char* texts[] = {
      "1E400",
      "-1E400",
      "1.8E308",
      "1.79769313486232E+308",
      "1E99999999999999999999",
      "1E18446744073709551617",  // 2^64 + 1: must not wrap to 1E1
      "&H100000000",
      "&HFFFFFFFFF",
      "&O40000000000",
      many_digits.c_str(),
  };
  for (const char* t : texts) {
    EXPECT_EQ(ErrorOf([&] { numtext::LeadingNumber(t); }), kOverflow) << t;
  }
}

// 2^-1075 (half the smallest subnormal) and 3 x 2^-1075 are ties between two
// doubles; their exact digits, followed by thousands more, decide the rounding.
TEST(LeadingNumber, RoundsLongDigitStringsCorrectly) {
  const std::string half_min = Pow(5, 1075);               // x 10^-1075
  const std::string three_halves = MulSmall(half_min, 3);  // x 10^-1075
  const std::string zeros(3000, '0');
  std::string below = three_halves;
  below.back() = static_cast<char>(below.back() - 1);

  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {half_min + "E-1075", 0.0},
      {half_min + zeros + "E-4075", 0.0},
      {half_min + zeros + "1E-4076", DBL_TRUE_MIN},
      {"-" + half_min + zeros + "1E-4076", -DBL_TRUE_MIN},
      {three_halves + "E-1075", 2 * DBL_TRUE_MIN},
      {below + std::string(2000, '9') + "E-3075", DBL_TRUE_MIN},
      {"0." + std::string(1075 - half_min.size(), '0') + half_min + zeros + "1", DBL_TRUE_MIN},
      {"9007199254740993." + zeros + "1", 9007199254740994.0},
  };
  for (const Case& c : cases) {
    EXPECT_SAME_DOUBLE(c.value, numtext::LeadingNumber(c.text)) << c.text.substr(0, 40);
    EXPECT_SAME_DOUBLE(c.value, numtext::NumericValue(c.text, kDotComma)) << c.text.substr(0, 40);
  }
  EXPECT_SAME_DOUBLE(9007199254740992.0, numtext::LeadingNumber("9007199254740993." + zeros));
  EXPECT_SAME_DOUBLE(1.0, numtext::LeadingNumber("0." + zeros + "1E+3001"));
  EXPECT_SAME_DOUBLE(1.0, numtext::LeadingNumber(zeros + "1" + zeros + "E-3000"));
}

TEST(LeadingNumber, DecidesOverflowAtTheTieAboveTheLargestDouble) {
  // 2^1024 - 2^970 lies halfway between DBL_MAX and 2^1024 and rounds up.
  const std::string tie = MulSmall(Pow(2, 970), (std::uint64_t{1} << 54) - 1);
  const std::string below = MinusOne(tie);
  EXPECT_EQ(ErrorOf([&] { numtext::LeadingNumber(tie); }), kOverflow);
  EXPECT_EQ(ErrorOf([&] { numtext::LeadingNumber(tie + ".000000001"); }), kOverflow);
  EXPECT_SAME_DOUBLE(DBL_MAX, numtext::LeadingNumber(below));
  EXPECT_SAME_DOUBLE(DBL_MAX, numtext::LeadingNumber(below + ".99999999999999999999"));
  EXPECT_SAME_DOUBLE(-DBL_MAX, numtext::LeadingNumber("-" + below));

  EXPECT_FALSE(numtext::IsNumeric(tie, kDotComma));
  EXPECT_TRUE(numtext::IsNumeric(below, kDotComma));
  EXPECT_EQ(ErrorOf([&] { numtext::NumericValue(tie, kDotComma); }), kOverflow);
  EXPECT_SAME_DOUBLE(DBL_MAX, numtext::NumericValue(below, kDotComma));
}

TEST(LeadingNumber, AgreesWithTheCLibraryOnRandomLongNumbers) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<int> length(1, 1500);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-1700, 400);
  for (int i = 0; i < 3000; ++i) {
    const int n = length(rng);
    std::string text = i % 2 ? "-" : "";
    const int point = std::uniform_int_distribution<int>(0, n)(rng);
    for (int k = 0; k < n; ++k) {
      if (k == point) text += '.';
      // Long runs of one digit make ties and near-ties likely.
      text += static_cast<char>('0' + (k > 20 && i % 3 == 0 ? (i % 2 ? 0 : 9) : digit(rng)));
    }
    text += "E" + std::to_string(exponent(rng));
    const double reference = std::strtod(text.c_str(), nullptr);
    if (std::isinf(reference)) {
      EXPECT_EQ(ErrorOf([&] { numtext::LeadingNumber(text); }), kOverflow);
      EXPECT_FALSE(numtext::IsNumeric(text, kDotComma));
    } else {
      EXPECT_SAME_DOUBLE(reference, numtext::LeadingNumber(text)) << text.substr(0, 60);
      EXPECT_SAME_DOUBLE(reference, numtext::NumericValue(text, kDotComma)) << text.substr(0, 60);
    }
  }
}

// Short entries take a path of their own; near the limits of exact mantissas
// and powers of ten it must still round as the C library does.
TEST(LeadingNumber, AgreesWithTheCLibraryOnRandomShortNumbers) {
  std::mt19937_64 rng(99);
  std::uniform_int_distribution<int> length(1, 20);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 300000; ++i) {
    const int n = length(rng);
    const int point = std::uniform_int_distribution<int>(0, n + 3)(rng);
    std::string text;
    for (int k = 0; k < n; ++k) {
      if (k == point) text += '.';
      text += static_cast<char>('0' + digit(rng));
    }
    if (i % 2) text += "e" + std::to_string(exponent(rng));
    const double reference = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(reference), std::bit_cast<std::uint64_t>(numtext::LeadingNumber(text)))
        << text;
  }
}

// ----------------------------------------------------------------- IsNumeric

TEST(IsNumeric, AcceptsExactlyTheRegionalNumberForms) {
  struct Case {
    const char* text;
    bool dot_comma;  // decimal '.', grouping ','
    bool comma_dot;  // decimal ',', grouping '.'
  } cases[] = {
      {"42", true, true},
      {" 42 ", true, true},
      {"\t42\t", true, true},
      {"+42", true, true},
      {"-42", true, true},
      {"1,2", true, true},
      {"1,234.5", true, false},
      {"1.234,5", false, true},
      {"1,234,567", true, false},
      {"1.234.567", false, true},
      {"12,34,5", true, false},
      {"1.5", true, true},
      {"1,5", true, true},
      {".5", true, false},
      {",5", false, true},
      {"5.", true, false},
      {"5,", false, true},
      {"1E5", true, true},
      {"1e-5", true, true},
      {"1D5", true, true},
      {"1d+5", true, true},
      {"1.5E3", true, true},
      {"1E-400", true, true},
      {"0E99999999999999999999", true, true},
      {"1,000E3", true, true},
      {"", false, false},
      {" ", false, false},
      {"+", false, false},
      {"-", false, false},
      {".", false, false},
      {",", false, false},
      {"1..2", false, false},
      {"1,,2", false, false},
      {"1 2", false, false},
      {"$5", false, false},
      {"(5)", false, false},
      {"5-", false, false},
      {"inf", false, false},
      {"nan", false, false},
      {"&HFF", false, false},
      {"1E", false, false},
      {"1E+", false, false},
      // A marker followed by blanks alone has no exponent digits either.
      {"1E ", false, false},
      {"1e- ", false, false},
      {"2D\t", false, false},
      {"E5", false, false},
      {"1E400", false, false},
      {"-1E400", false, false},
      {"1E18446744073709551617", false, false},
      {"1E-18446744073709551616", true, true},
      {",1", false, true},
      {"1,", false, true},
      {"-,5", false, true},
      {"1,.5", false, false},
      {"1.5.", false, false},
      {"1.2,3", false, true},
      {"1E5.5", false, false},
      {"1E5,5", false, false},
      {"- 5", false, false},
      {"--5", false, false},
      {"5\n", false, false},
      {"abc", false, false},
      {"12abc", false, false},
      {"0x10", false, false},
      {"1.79769313486232E+308", false, false},
      {"1.79769313486231E+308", true, false},  // ',': 179769313486231E+308
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numtext::IsNumeric(c.text, kDotComma), c.dot_comma) << '"' << c.text << "\" with '.'";
    EXPECT_EQ(numtext::IsNumeric(c.text, kCommaDot), c.comma_dot) << '"' << c.text << "\" with ','";
  }
}

TEST(IsNumeric, AcceptsMultiByteSeparators) {
  struct Case {
    std::string text;
    Separators sep;
    bool numeric;
    double value;
  } cases[] = {
      {"1\u00A0234,5", kCommaNbsp, true, 1234.5},
      {"-12\u00A0345\u00A0678", kCommaNbsp, true, -12345678},
      {"1\u202F234,5", kCommaNarrowNbsp, true, 1234.5},
      {"1\u202F234,5", kCommaNbsp, false, 0},
      {"1\u00A0", kCommaNbsp, false, 0},
      {"\u00A01", kCommaNbsp, false, 0},
      {"1 234", kCommaNbsp, false, 0},
      {"1\xC2", kCommaNbsp, false, 0},
      {"3\u066B5", {"\u066B", "\u066C"}, true, 3.5},
      {"1\u066C000\u066B5", {"\u066B", "\u066C"}, true, 1000.5},
      {"1 000", {",", " "}, true, 1000},
      {" 1 000 ", {",", " "}, true, 1000},
      {"1.5", {".", ""}, true, 1.5},
      {"1,5", {".", ""}, false, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numtext::IsNumeric(c.text, c.sep), c.numeric) << c.text;
    if (c.numeric) {
      EXPECT_SAME_DOUBLE(c.value, numtext::NumericValue(c.text, c.sep)) << c.text;
    } else {
      EXPECT_EQ(ErrorOf([&] { numtext::NumericValue(c.text, c.sep); }), kTypeMismatch) << c.text;
    }
  }
}

// -------------------------------------------------------------- NumericValue

TEST(NumericValue, ReadsWithTheUserSeparators) {
  struct Case {
    const char* text;
    Separators sep;
    double value;
  } cases[] = {
      {"1,234.5", kDotComma, 1234.5},
      {"1.234,5", kCommaDot, 1234.5},
      {"1,2", kDotComma, 12},
      {"1,2", kCommaDot, 1.2},
      {" -0.1 ", kDotComma, -0.1},
      {"-0,1", kCommaDot, -0.1},
      {"2,5E3", kCommaDot, 2500},
      {"1D-2", kDotComma, 0.01},
      {".5", kDotComma, 0.5},
      {"5.", kDotComma, 5},
      {"1E-400", kDotComma, 0.0},
      {"-1E-400", kDotComma, -0.0},
      {"-0", kDotComma, -0.0},
      {"0.1", kDotComma, 0.1},
      {"1.79769313486231E+308", kDotComma, 1.79769313486231E+308},
      {"4.94065645841247E-324", kDotComma, DBL_TRUE_MIN},
  };
  for (const Case& c : cases) {
    EXPECT_SAME_DOUBLE(c.value, numtext::NumericValue(c.text, c.sep)) << c.text;
  }
}

TEST(NumericValue, FailsOnTextsThatAreNotNumbers) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"", kTypeMismatch},        {"abc", kTypeMismatch}, {"12abc", kTypeMismatch},
      {"#Div/0!", kTypeMismatch}, {"1E", kTypeMismatch},  {"&HFF", kTypeMismatch},
      {"1E400", kOverflow},       {"-1E400", kOverflow},  {"1.8E308", kOverflow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf([&] { numtext::NumericValue(c.text, kDotComma); }), c.error) << c.text;
  }
}

// Every number text reads back as the number test's value and prints the
// same, with either separator set; the entry reading agrees for '.'.
TEST(NumericValue, ReadsEveryNumberTextBack) {
  std::mt19937_64 rng(1234);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (int i = 0; i < 200000; ++i) {
    double v = i % 2 ? std::bit_cast<double>(rng()) : unit(rng) * std::pow(10.0, i % 40 - 20);
    if (!std::isfinite(v) || std::fabs(v) > 1.797693134862314e308) continue;
    for (const Separators& sep : {kDotComma, kCommaDot}) {
      const std::string text = numtext::NumberText(v, sep);
      ASSERT_TRUE(numtext::IsNumeric(text, sep)) << text;
      const double back = numtext::NumericValue(text, sep);
      ASSERT_EQ(numtext::NumberText(back, sep), text);
      if (sep.decimal == ".") {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(numtext::LeadingNumber(text)))
            << text;
      }
    }
  }
}

TEST(NumericValue, ExtremeDoublesAtTheEdgeOfTheRange) {
  // Fifteen digits of DBL_MAX round above it, beyond the double range.
  const std::string max_text = numtext::NumberText(DBL_MAX, kDotComma);
  EXPECT_EQ(max_text, "1.79769313486232E+308");
  EXPECT_FALSE(numtext::IsNumeric(max_text, kDotComma));
  EXPECT_EQ(ErrorOf([&] { numtext::NumericValue(max_text, kDotComma); }), kOverflow);
  EXPECT_EQ(numtext::FormatTenDecimals(max_text, kDotComma), max_text);

  const std::string min_text = numtext::NumberText(DBL_TRUE_MIN, kCommaDot);
  EXPECT_EQ(min_text, "4,94065645841247E-324");
  EXPECT_TRUE(numtext::IsNumeric(min_text, kCommaDot));
  EXPECT_SAME_DOUBLE(DBL_TRUE_MIN, numtext::NumericValue(min_text, kCommaDot));
  EXPECT_EQ(numtext::FormatTenDecimals(min_text, kCommaDot), ",0000000000");

  const std::string zero_text = numtext::NumberText(-0.0, kDotComma);
  EXPECT_TRUE(numtext::IsNumeric(zero_text, kDotComma));
  EXPECT_EQ(numtext::FormatTenDecimals(zero_text, kDotComma), ".0000000000");
}

// --------------------------------------------------------- FormatTenDecimals

TEST(FormatTenDecimals, RoundsTheExactDecimalHalfAwayFromZero) {
  struct Case {
    const char* text;
    Separators sep;
    const char* formatted;
  } cases[] = {
      {"0.5", kDotComma, ".5000000000"},
      {"-0.25", kDotComma, "-.2500000000"},
      {"1.58333333333333", kDotComma, "1.5833333333"},
      {"1.1875", kDotComma, "1.1875000000"},
      {"1.5E+20", kDotComma, "150000000000000000000.0000000000"},
      {"4E-11", kDotComma, ".0000000000"},
      {"5E-11", kDotComma, ".0000000001"},
      {"-5E-11", kDotComma, "-.0000000001"},
      {"-4E-11", kDotComma, ".0000000000"},
      {"0", kDotComma, ".0000000000"},
      {"-0", kDotComma, ".0000000000"},
      {"15", kDotComma, "15.0000000000"},
      {"3.75", kDotComma, "3.7500000000"},
      {"0.00000000004", kDotComma, ".0000000000"},
      {"0.00000000005", kDotComma, ".0000000001"},
      {"0.99999999995", kDotComma, "1.0000000000"},
      {"-0.99999999995", kDotComma, "-1.0000000000"},
      {"9.99999999995", kDotComma, "10.0000000000"},
      {"0.99999999994999", kDotComma, ".9999999999"},
      {"1.00000000005", kDotComma, "1.0000000001"},
      {"2.00000000015", kDotComma, "2.0000000002"},
      {"1.666666666666667", kDotComma, "1.6666666667"},
      {"1.23456789012346E+15", kDotComma, "1234567890123460.0000000000"},
      {"1E-400", kDotComma, ".0000000000"},
      {"1,234.5", kDotComma, "1234.5000000000"},
      {" 7 ", kDotComma, "7.0000000000"},
      {"1,5", kCommaDot, "1,5000000000"},
      {"-0,25", kCommaDot, "-,2500000000"},
      {"1.234,5", kCommaDot, "1234,5000000000"},
      {"1,5E-05", kCommaDot, ",0000150000"},
      {"1,2", kDotComma, "12.0000000000"},
      {"#Div/0!", kDotComma, "#Div/0!"},
      {"None", kDotComma, "None"},
      {"2 or 3", kDotComma, "2 or 3"},
      {"", kDotComma, ""},
      {"1E400", kDotComma, "1E400"},
      {"1.5", kCommaDot, "15,0000000000"},
      {"1..5", kCommaDot, "1..5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numtext::FormatTenDecimals(c.text, c.sep), c.formatted) << c.text;
  }
}

// -------------------------------------------------------------- DecimalValue

TEST(DecimalValue, RoundsTheExactDecimalTiesToEven) {
  struct Case {
    const char* text;
    bool round;
    int places;
    double value;
  } cases[] = {
      {"2.6750000000", true, 2, 2.68},
      {"2.6750000000", false, 2, 2.675},
      {"1.1875000000", true, 3, 1.188},
      {"1.5833333333", true, 3, 1.583},
      {"2.5000000000", true, 0, 2},
      {"3.5", true, 0, 4},
      {"-2.5", true, 0, -2},
      {"-3.5", true, 0, -4},
      {"0.125", true, 2, 0.12},
      {"0.135", true, 2, 0.14},
      {"0.1250000001", true, 2, 0.13},
      {"1.005", true, 2, 1.0},
      {"1.015", true, 2, 1.02},
      {"0.5", true, 0, 0},
      {"1.5", true, 0, 2},
      {"9.995", true, 2, 10},
      {"99.5", true, 0, 100},
      {"1234.5", true, -2, 1200},
      {"1250", true, -2, 1200},
      {"1350", true, -2, 1400},
      {"1251", true, -2, 1300},
      {"49", true, -2, 0},
      {"50", true, -2, 0},
      {"51", true, -2, 100},
      {"150", true, -2, 200},
      {"1.6666666667", true, 32767, 1.6666666667},
      {"1234.5", true, -32768, 0},
      {"1.79769313486231E+308", true, -32768, 0},
      {"1.79769313486231E+308", true, 32767, 1.79769313486231E+308},
      {"1E-400", true, 32767, 0},
      {"1.2345", false, -3, 1.2345},
      {".0000000001", true, 3, 0},
      {"51.6397779494", true, 0, 52},
      {"33.5548076923", true, 3, 33.555},
  };
  for (const Case& c : cases) {
    EXPECT_SAME_DOUBLE(c.value, numtext::DecimalValue(c.text, c.round, c.places, kDotComma))
        << c.text << " at " << c.places;
  }
  EXPECT_SAME_DOUBLE(2.68, numtext::DecimalValue("2,6750000000", true, 2, kCommaDot));
  EXPECT_SAME_DOUBLE(1234.5, numtext::DecimalValue("1.234,5", false, 0, kCommaDot));
}

TEST(DecimalValue, FailsOnTextsThatAreNotNumbersOrOutOfRange) {
  struct Case {
    const char* text;
    bool round;
    int places;
    const char* error;
  } cases[] = {
      {"#Div/0!", true, 3, kTypeMismatch},
      {"#Div/0!", false, 3, kTypeMismatch},
      {"", true, 3, kTypeMismatch},
      {"1E400", false, 3, kOverflow},
      {"1E400", true, -32768, kOverflow},
      // Rounding to hundreds of digits carries past the largest double.
      {"1.79769313486231E+308", true, -306, kOverflow},
      {"1.79769313486231E+308", true, -304, kOverflow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf([&] { numtext::DecimalValue(c.text, c.round, c.places, kDotComma); }), c.error) << c.text;
  }
  EXPECT_SAME_DOUBLE(1.79769E+308, numtext::DecimalValue("1.79769313486231E+308", true, -303, kDotComma));
}

// --------------------------------------------------------------- ToInteger16

TEST(ToInteger16, RoundsTiesToEvenWithinSixteenBits) {
  struct Case {
    const char* text;
    Separators sep;
    int value;
  } cases[] = {
      {"3", kDotComma, 3},
      {"10", kDotComma, 10},
      {" 7 ", kDotComma, 7},
      {"2.5", kDotComma, 2},
      {"3.5", kDotComma, 4},
      {"-2.5", kDotComma, -2},
      {"-3.5", kDotComma, -4},
      {"2.5000000001", kDotComma, 3},
      {"0.5", kDotComma, 0},
      {"-0.5", kDotComma, 0},
      {"1E1", kDotComma, 10},
      {"-1", kDotComma, -1},
      {"32767", kDotComma, 32767},
      {"32767.4999", kDotComma, 32767},
      {"-32768", kDotComma, -32768},
      {"-32768.5", kDotComma, -32768},
      {"3.2767E4", kDotComma, 32767},
      {"1E-400", kDotComma, 0},
      {"1,000", kDotComma, 1000},
      {"2,5", kCommaDot, 2},
      {"1.000", kCommaDot, 1000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numtext::ToInteger16(c.text, c.sep), c.value) << c.text;
  }
}

TEST(ToInteger16, FailsOutsideTheRangeOrOnNonNumbers) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"32768", kOverflow},  {"32767.5", kOverflow},      {"-32769", kOverflow},   {"-32768.51", kOverflow},
      {"100000", kOverflow}, {"1E300", kOverflow},        {"1E400", kOverflow},    {"x", kTypeMismatch},
      {"", kTypeMismatch},   {"3 places", kTypeMismatch}, {"&H10", kTypeMismatch}, {"True", kTypeMismatch},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf([&] { numtext::ToInteger16(c.text, kDotComma); }), c.error) << c.text;
  }
}

// ------------------------------------------------- the results rows' values

TEST(ShownValue, GivesTheValuesOfTheResultsRows) {
  struct Case {
    double statistic;
    bool round;
    int places;
    const char* shown;
  } cases[] = {
      {3.75, true, 3, "3.75"},
      {4.75 / 3, true, 3, "1.583"},
      {1.1875, true, 3, "1.188"},
      {std::sqrt(1.1875), true, 3, "1.09"},
      {std::sqrt(4.75 / 3) / 3.75 * 100, true, 3, "33.555"},
      {std::sqrt(1.1875) / 3.75 * 100, true, 3, "29.059"},
      {2.5, true, 0, "2"},
      {5.0 / 3, false, 10, "1.6666666667"},
      {std::sqrt(5.0 / 3), false, 10, "1.2909944487"},
      {std::sqrt(5.0 / 3) / 2.5 * 100, false, 10, "51.6397779494"},
      {std::sqrt(5.0 / 3) / 2.5 * 100, true, 0, "52"},
      {0.875, true, 3, "0.875"},
      {0.00000000004, true, 3, "0"},
      {0.00000000004, false, 10, "0"},
      {-0.00000000004, false, 10, "0"},
      {1.5e20, true, 3, "1.5E+20"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShownValue(c.statistic, c.round, c.places), c.shown) << c.statistic;
  }
}

}  // namespace
