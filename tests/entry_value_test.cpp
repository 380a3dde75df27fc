// How a list-file line is valued: plain numbers with '.', then the user's
// locale read strictly, then the other common convention where only it reads
// the line, then the locale's lenient reading, so that no line is cut at a
// separator.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <span>
#include <string>

#include "numtext/EntryValue.h"
#include "numtext/LeadingNumber.h"
#include "numtext/NumberTest.h"

using namespace tallowmere;
using namespace tallowmere::core;

namespace {

using numtext::Separators;

const Separators kEnglish{".", ","};
const Separators kGerman{",", "."};
const Separators kFrench{",", "\u202F"};
const Separators kSwiss{".", "\u2019"};
const Separators kHindi{".", ",", 3, 2};
const Separators kEgyptian{"\u066B", "\u066C", 3, 3, U'\u0660', "\u061C-"};
const Separators kPersian{"\u066B", "\u066C", 3, 3, U'\u06F0', "\u200E\u2212"};

TEST(ListEntryValue, ReadsEachLineAsItsWriterMeantIt) {
  const struct {
    const char* text;
    const Separators& sep;
    double value;
  } rows[] = {
      // Plain: '.' is the decimal point in every locale.
      {.text = "1.5", .sep = kEnglish, .value = 1.5},
      {.text = "1.5", .sep = kGerman, .value = 1.5},
      {.text = "1.234", .sep = kGerman, .value = 1.234},
      {.text = " 42 ", .sep = kGerman, .value = 42},
      {.text = "\t-7.25\t", .sep = kEnglish, .value = -7.25},
      {.text = "2.5E3", .sep = kGerman, .value = 2500},
      {.text = "-1e-2", .sep = kEnglish, .value = -0.01},
      {.text = "1D2", .sep = kGerman, .value = 100},
      {.text = "3.14159265358979323846", .sep = kEnglish, .value = 3.14159265358979323846},
      // Grouped, in groups of three.
      {.text = "1,234.5", .sep = kEnglish, .value = 1234.5},
      {.text = "1,234", .sep = kEnglish, .value = 1234},
      {.text = "-1,234,567.89", .sep = kEnglish, .value = -1234567.89},
      {.text = " 12,345 ", .sep = kEnglish, .value = 12345},
      {.text = "1,234.5E3", .sep = kEnglish, .value = 1234500},
      {.text = "1.234,5", .sep = kGerman, .value = 1234.5},
      {.text = "1.234.567", .sep = kGerman, .value = 1234567},
      {.text = "1\u202F234,5", .sep = kFrench, .value = 1234.5},
      // The decimal comma.
      {.text = "61,5", .sep = kGerman, .value = 61.5},
      {.text = " 61,5 ", .sep = kGerman, .value = 61.5},
      {.text = "-0,25", .sep = kGerman, .value = -0.25},
      {.text = ",5", .sep = kGerman, .value = 0.5},
      {.text = "2,5E3", .sep = kGerman, .value = 2500},
      {.text = "0,1", .sep = kFrench, .value = 0.1},
      // Only the other convention reads it: its value, never the leading number.
      {.text = "1,5", .sep = kEnglish, .value = 1.5},
      {.text = "71,2", .sep = kEnglish, .value = 71.2},
      {.text = "1,2345", .sep = kEnglish, .value = 1.2345},
      {.text = "1.234,5", .sep = kEnglish, .value = 1234.5},
      {.text = "-1.234.567,25", .sep = kEnglish, .value = -1234567.25},
      {.text = "1234,567", .sep = kEnglish, .value = 1234.567},
      {.text = "71,2", .sep = kSwiss, .value = 71.2},
      {.text = "1,234.5", .sep = kGerman, .value = 1234.5},
      {.text = "1,234,567.5", .sep = kGerman, .value = 1234567.5},
      {.text = "1,234.5", .sep = kFrench, .value = 1234.5},
      // Both conventions read it: the user's locale decides.
      {.text = "1,234", .sep = kGerman, .value = 1.234},
      // Grouping neither would write: the locale's lenient reading, uncut.
      {.text = "12,34,5", .sep = kEnglish, .value = 12345},
      {.text = "1.2,3", .sep = kGerman, .value = 12.3},
      {.text = "12.34.567", .sep = kGerman, .value = 1234567},
      // The locale's own group sizes and digits.
      {.text = "12,34,567.5", .sep = kHindi, .value = 1234567.5},
      {.text = "12,34,567.5", .sep = kEnglish, .value = 1234567.5},
      {.text = "1,234", .sep = kHindi, .value = 1234},
      {.text = "1\u2019234.5", .sep = kSwiss, .value = 1234.5},
      {.text = "\u0661\u066C\u0662\u0663\u0664\u066C\u0665\u0666\u0667\u066B\u0665",
       .sep = kEgyptian,
       .value = 1234567.5},
      {.text = "\u061C-\u0662\u066B\u0665", .sep = kEgyptian, .value = -2.5},
      {.text = "\u06F2\u066B\u06F5", .sep = kPersian, .value = 2.5},
      {.text = "\u200E\u2212\u06F1\u066C\u06F2\u06F3\u06F4", .sep = kPersian, .value = -1234},
      {.text = "2.5", .sep = kPersian, .value = 2.5},
      // Nothing reads it as a number: the leading number.
      {.text = "3 kg", .sep = kEnglish, .value = 3},
  };
  for (const auto& row : rows) {
    const double got = numtext::ListEntryValue(row.text, row.sep);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(row.value))
        << '"' << row.text << "\" with decimal '" << row.sep.decimal << "': " << got << " instead of " << row.value;
  }
}

TEST(IsPlainNumber, TakesSignDigitsOnePointAndAnExponent) {
  const struct {
    const char* text;
    bool plain;
  } rows[] = {
      {"1", true},    {"-1.5", true},   {"+.5", true}, {"5.", true},    {" 1e5 ", true}, {"\t2D-3", true},
      {"1,5", false}, {"1.2.3", false}, {".", false},  {"1e", false},   {"1e+", false},  {"e5", false},
      {"1 2", false}, {"", false},      {" ", false},  {"&H10", false}, {"1.5x", false}, {"--1", false},
  };
  for (const auto& row : rows) EXPECT_EQ(numtext::IsPlainNumber(row.text), row.plain) << '"' << row.text << '"';
}

// The strict reading follows what Qt's locales (English, United States and
// German, Germany) accept as a number, and their values, for the forms the
// number test lets through: the rows are Qt 6.4's answers.
TEST(IsStrictlyNumeric, AgreesWithTheLocalesOfQt) {
  struct Row {
    const char* text;
    bool strict;
    double value;
  };
  const Row english[] = {
      {"1,234.5", true, 1234.5},
      {"1,234", true, 1234},
      {"1,2", false, 0},
      {"12,34", false, 0},
      {"1,2345", false, 0},
      {"1234,567", false, 0},
      {"12,345,678", true, 12345678},
      {"1.234,5", false, 0},
      {"1.234", true, 1.234},
      {"1.2", true, 1.2},
      {"12.34.5", false, 0},
      {"61,5", false, 0},
      {"-1,234", true, -1234},
      {"+1.234.567,25", false, 0},
      {"1,234e3", true, 1234000},
      {"1.5e3", true, 1500},
      {" 1,234 ", true, 1234},
      {"0,123", true, 123},
      {",5", false, 0},
      {"5,", false, 0},
      {"1.234.567", false, 0},
  };
  const Row german[] = {
      {"1,234.5", false, 0},
      {"1,234", true, 1.234},
      {"1,2", true, 1.2},
      {"12,34", true, 12.34},
      {"1,2345", true, 1.2345},
      {"1234,567", true, 1234.567},
      {"12,345,678", false, 0},
      {"1.234,5", true, 1234.5},
      {"1.234", true, 1234},
      {"1.2", false, 0},
      {"12.34.5", false, 0},
      {"61,5", true, 61.5},
      {"-1,234", true, -1.234},
      {"+1.234.567,25", true, 1234567.25},
      {"1,234e3", true, 1234},
      {"1.5e3", false, 0},
      {" 1,234 ", true, 1.234},
      {"0,123", true, 0.123},
      {",5", true, 0.5},
      {"5,", true, 5},
      {"1.234.567", true, 1234567},
  };
  const struct {
    const char* name;
    const Separators& sep;
    std::span<const Row> rows;
  } locales[] = {{"en_US", kEnglish, english}, {"de_DE", kGerman, german}};
  for (const auto& l : locales) {
    for (const Row& row : l.rows) {
      if (!numtext::IsNumeric(row.text, l.sep)) continue;
      EXPECT_EQ(numtext::IsStrictlyNumeric(row.text, l.sep), row.strict) << '"' << row.text << "\" in " << l.name;
      if (row.strict && numtext::IsStrictlyNumeric(row.text, l.sep)) {
        EXPECT_EQ(numtext::NumericValue(row.text, l.sep), row.value) << '"' << row.text << "\" in " << l.name;
      }
    }
  }
}

}  // namespace
