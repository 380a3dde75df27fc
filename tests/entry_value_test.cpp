// How a list-file line is valued: plain numbers with '.', then the user's
// locale read strictly, then the leading number.
#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <bit>
#include <cstdint>
#include <string>

#include "numtext/EntryValue.h"
#include "numtext/LeadingNumber.h"
#include "numtext/NumberTest.h"

namespace {

using numtext::Separators;

const Separators kEnglish{".", ","};
const Separators kGerman{",", "."};
const Separators kFrench{",", "\u202F"};

TEST(ListEntryValue, ReadsEachLineAsItsWriterMeantIt) {
  const struct {
    const char* text;
    const Separators& sep;
    double value;
  } rows[] = {
      // Plain: '.' is the decimal point in every locale.
      {"1.5", kEnglish, 1.5},
      {"1.5", kGerman, 1.5},
      {"1.234", kGerman, 1.234},
      {" 42 ", kGerman, 42},
      {"\t-7.25\t", kEnglish, -7.25},
      {"2.5E3", kGerman, 2500},
      {"-1e-2", kEnglish, -0.01},
      {"1D2", kGerman, 100},
      {"3.14159265358979323846", kEnglish, 3.14159265358979323846},
      // Grouped, in groups of three.
      {"1,234.5", kEnglish, 1234.5},
      {"1,234", kEnglish, 1234},
      {"-1,234,567.89", kEnglish, -1234567.89},
      {" 12,345 ", kEnglish, 12345},
      {"1,234.5E3", kEnglish, 1234500},
      {"1.234,5", kGerman, 1234.5},
      {"1.234.567", kGerman, 1234567},
      {"1\u202F234,5", kFrench, 1234.5},
      // The decimal comma.
      {"61,5", kGerman, 61.5},
      {" 61,5 ", kGerman, 61.5},
      {"-0,25", kGerman, -0.25},
      {",5", kGerman, 0.5},
      {"2,5E3", kGerman, 2500},
      {"0,1", kFrench, 0.1},
      // Grouping the locale would not write: the leading number, as before.
      {"1,5", kEnglish, 1},
      {"12,34,5", kEnglish, 12},
      {"1,2345", kEnglish, 1},
      {"1234,567", kEnglish, 1234},
      {"1.2,3", kGerman, 1.2},
      {"12.34.567", kGerman, 12.34},
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

// The strict reading follows what Qt's locales accept as a number, for the
// forms the number test lets through.
TEST(IsStrictlyNumeric, AgreesWithTheLocalesOfQt) {
  const struct {
    QLocale::Language language;
    QLocale::Country country;
    const Separators& sep;
  } locales[] = {
      {QLocale::English, QLocale::UnitedStates, kEnglish},
      {QLocale::German, QLocale::Germany, kGerman},
  };
  const char* texts[] = {"1,234.5", "1,234", "1,2",     "12,34",   "1,2345", "1234,567", "12,345,678",
                         "1.234,5", "1.234", "1.2",     "12.34.5", "61,5",   "-1,234",   "+1.234.567,25",
                         "1,234e3", "1.5e3", " 1,234 ", "0,123",   ",5",     "5,",       "1.234.567"};
  for (const auto& l : locales) {
    const QLocale locale(l.language, l.country);
    for (const char* text : texts) {
      if (!numtext::IsNumeric(text, l.sep)) continue;
      bool ok = false;
      const double qt = locale.toDouble(QString::fromUtf8(text).trimmed(), &ok);
      EXPECT_EQ(numtext::IsStrictlyNumeric(text, l.sep), ok) << '"' << text << "\" in " << locale.name().toStdString();
      if (ok && numtext::IsStrictlyNumeric(text, l.sep)) {
        EXPECT_EQ(numtext::NumericValue(text, l.sep), qt) << '"' << text << '"';
      }
    }
  }
}

}  // namespace
