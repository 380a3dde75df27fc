// The number test of list lines: what the user's locale reads, plain numbers
// in every locale, the locale's own digits and group sizes, and the lines only
// the other common convention reads; the quick path against the general
// reading.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "numtext/ListNumber.h"
#include "numtext/NumberTest.h"

using namespace tallowmere;

namespace {

using numtext::ListLine;
using numtext::Separators;

// As system::LocaleSeparators gives them for these locales.
const Separators kEnglish{".", ","};
const Separators kGerman{",", "."};
const Separators kSwiss{".", "\u2019"};
const Separators kFrench{",", "\u202F"};
const Separators kHindi{".", ",", 3, 2};
const Separators kEgyptian{"\u066B", "\u066C", 3, 3, U'\u0660', "\u061C-"};
const Separators kPersian{"\u066B", "\u066C", 3, 3, U'\u06F0', "\u200E\u2212"};

constexpr ListLine kNo = ListLine::kNotNumber;
constexpr ListLine kYes = ListLine::kNumber;
constexpr ListLine kOther = ListLine::kOtherConvention;

TEST(TestListLine, ReadsTheLocaleThePlainFormAndTheOtherConvention) {
  const struct {
    const char* text;
    const Separators& sep;
    ListLine line;
  } rows[] = {
      // The locale's own forms.
      {"1,234.5", kEnglish, kYes},
      {"1.234,5", kGerman, kYes},
      {"61,5", kGerman, kYes},
      {"1\u2019234.5", kSwiss, kYes},
      {"1\u202F234,5", kFrench, kYes},
      {"12,34,567.5", kHindi, kYes},
      {"\u0661\u066C\u0662\u0663\u0664\u066B\u0665", kEgyptian, kYes},
      {"\u061C-\u0662\u066B\u0665", kEgyptian, kYes},
      {"\u06F2\u066B\u06F5", kPersian, kYes},
      // Plain numbers, in every locale; for a user of the decimal comma they
      // are read with the other convention's decimal point.
      {"2.5", kEgyptian, kYes},
      {"-2.5E3", kPersian, kYes},
      {"2.5", kHindi, kYes},
      {"2.5", kGerman, kOther},
      {"1.234", kGerman, kOther},
      {"2.5", kFrench, kOther},
      // Only the other convention reads it.
      {"71,2", kEnglish, kOther},
      {"1,2345", kEnglish, kOther},
      {"1.234,5", kEnglish, kOther},
      {"71,2", kSwiss, kOther},
      {"71,2", kHindi, kOther},
      {"71,2", kEgyptian, kOther},
      {"1,234.5", kGerman, kOther},
      {"1,234.5", kFrench, kOther},
      // Both read it: the locale decides.
      {"1,234", kEnglish, kYes},
      {"1,234", kGerman, kYes},
      {"1,234", kSwiss, kNo},
      {"1.234.567", kEnglish, kNo},
      // Another locale's digits, and what is no number anywhere.
      {"\u0662\u066B\u0665", kEnglish, kNo},
      {"\u0662\u066B\u0665", kPersian, kNo},
      {"\u06F2\u066B\u06F5", kEgyptian, kNo},
      {"1,2,3.4", kGerman, kNo},
      {"n/a", kGerman, kNo},
      {"1e999", kEgyptian, kNo},
      {"", kEnglish, kNo},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(numtext::TestListLine(row.text, row.sep), row.line)
        << '"' << row.text << "\" with decimal '" << row.sep.decimal << "'";
    EXPECT_EQ(numtext::detail::GeneralListLine(row.text, row.sep), row.line) << '"' << row.text << '"';
  }
}

TEST(TestListLine, QuickPathAgreesWithTheGeneralReading) {
  // Short texts of digits, signs, both separators, blanks and an exponent.
  std::mt19937 rng(29);
  const std::string alphabet = "0123456789,.-+ eE";
  for (const Separators* sep : {&kEnglish, &kGerman, &kSwiss, &kHindi}) {
    for (int i = 0; i < 200'000; ++i) {
      std::string text(1 + rng() % 9, ' ');
      for (char& c : text) c = alphabet[rng() % alphabet.size()];
      ASSERT_EQ(numtext::TestListLine(text, *sep), numtext::detail::GeneralListLine(text, *sep))
          << '"' << text << "\" with decimal '" << sep->decimal << "'";
    }
  }
}

TEST(WithAsciiDigits, MakesTheLocalesDigitsAndMinusAscii) {
  std::string buffer;
  EXPECT_EQ(numtext::WithAsciiDigits("\u061C-\u0661\u066C\u0669\u0660\u066B\u0665", kEgyptian, buffer),
            "-1\u066C90\u066B5");
  EXPECT_EQ(numtext::WithAsciiDigits("\u200E\u2212\u06F7", kPersian, buffer), "-7");
  // Another locale's digits stay as they are.
  EXPECT_EQ(numtext::WithAsciiDigits("\u0667", kPersian, buffer), "\u0667");
  const std::string_view ascii = "-12.5";
  EXPECT_EQ(numtext::WithAsciiDigits(ascii, kEgyptian, buffer).data(), ascii.data());
}

}  // namespace
