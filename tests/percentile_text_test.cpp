// The percentiles typed for the distribution window's table: read in the
// user's numbers, shown back in them, and kept in one form for every
// language.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/PercentileText.h"

using namespace tallowmere;
using namespace tallowmere::app;

namespace {

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

struct ReadCase {
  const char* name;
  const char* text;
  numtext::Separators sep;
  std::vector<double> percentiles;  // expected when good
  const char* wrongPart;            // expected in the error; nullptr when good
};

class ReadingPercentiles : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingPercentiles, ReadsTheUsersNumbers) {
  const ReadCase& c = GetParam();
  const PercentileEntry entry = ReadPercentiles(QString::fromUtf8(c.text), c.sep);
  if (c.wrongPart) {
    EXPECT_FALSE(entry.Good());
    // The user is told which part is wrong.
    EXPECT_TRUE(entry.error.contains(QString::fromUtf8(c.wrongPart))) << entry.error.toStdString();
    EXPECT_TRUE(entry.percentiles.empty());
  } else {
    EXPECT_TRUE(entry.Good()) << entry.error.toStdString();
    EXPECT_EQ(entry.percentiles, c.percentiles);
    for (const double p : entry.percentiles) EXPECT_FALSE(std::signbit(p)) << p;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingPercentiles,
    ::testing::Values(ReadCase{"EnglishCommas", "5, 95", kEnglish, {5, 95}, nullptr},
                      ReadCase{"EnglishSemicolons", "2.5; 50; 97.5", kEnglish, {2.5, 50, 97.5}, nullptr},
                      ReadCase{"EnglishMixed", "2.5, 50; 97.5", kEnglish, {2.5, 50, 97.5}, nullptr},
                      ReadCase{"PercentSigns", "5 %, 95%", kEnglish, {5, 95}, nullptr},
                      ReadCase{"EachOnceInTheOrderFirstTyped", "95, 5, 95, 5", kEnglish, {95, 5}, nullptr},
                      ReadCase{"ZeroAndMinusZeroAreOne", "-0, 0, 100", kEnglish, {0, 100}, nullptr},
                      ReadCase{"EmptyPartsPassedOver", " 5,, 95, ", kEnglish, {5, 95}, nullptr},
                      ReadCase{"EmptyTextIsNone", "   ", kEnglish, {}, nullptr},
                      ReadCase{"GermanDecimalComma", "2,5; 97,5", kGerman, {2.5, 97.5}, nullptr},
                      ReadCase{"GermanDecimalPoint", "2.5; 97.5", kGerman, {2.5, 97.5}, nullptr},
                      // A comma is the German decimal separator, never a list's.
                      ReadCase{"GermanCommaIsDecimal", "5,95", kGerman, {5.95}, nullptr},
                      ReadCase{"EnglishCommaParts", "5,95", kEnglish, {5, 95}, nullptr},
                      ReadCase{"EnglishWord", "5, ten", kEnglish, {}, "ten"},
                      ReadCase{"AboveHundred", "5, 100.5", kEnglish, {}, "100.5"},
                      ReadCase{"BelowZero", "-1; 5", kEnglish, {}, "-1"},
                      ReadCase{"TwoDecimalPoints", "2.5.5", kEnglish, {}, "2.5.5"},
                      ReadCase{"Infinity", "inf", kEnglish, {}, "inf"},
                      // 1.000 is a thousand in German: no percentile.
                      ReadCase{"GermanThousand", "5; 1.000", kGerman, {}, "1.000"},
                      ReadCase{"GermanTwoCommas", "2,5,5", kGerman, {}, "2,5,5"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShowCase {
  const char* name;
  std::vector<double> percentiles;
  numtext::Separators sep;
  const char* shown;
};

class ShowingPercentiles : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowingPercentiles, InTheUsersNumbersAndReadBack) {
  const ShowCase& c = GetParam();
  const QString shown = PercentilesText(c.percentiles, c.sep);
  EXPECT_EQ(shown.toStdString(), c.shown);
  const PercentileEntry back = ReadPercentiles(shown, c.sep);
  EXPECT_TRUE(back.Good());
  EXPECT_EQ(back.percentiles, c.percentiles);
}

INSTANTIATE_TEST_SUITE_P(Texts, ShowingPercentiles,
                         ::testing::Values(ShowCase{"English", {2.5, 50, 97.5}, kEnglish, "2.5, 50, 97.5"},
                                           ShowCase{"German", {2.5, 50, 97.5}, kGerman, "2,5; 50; 97,5"},
                                           ShowCase{"None", {}, kGerman, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StoredCase {
  const char* name;
  const char* stored;
  std::vector<double> percentiles;
};

class StoredPercentilesRead : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredPercentilesRead, WhateverTheLanguage) {
  const StoredCase& c = GetParam();
  EXPECT_EQ(ReadStoredPercentiles(QString::fromUtf8(c.stored)), c.percentiles);
}

INSTANTIATE_TEST_SUITE_P(Settings, StoredPercentilesRead,
                         ::testing::Values(StoredCase{"Default", kDefaultStoredPercentiles, {5, 95}},
                                           StoredCase{"Fractions", "2.5;97.5", {2.5, 97.5}},
                                           StoredCase{"NoneKept", "", {}},
                                           StoredCase{"NoListIsTheDefault", "lots", {5, 95}},
                                           StoredCase{"OutOfRangeIsTheDefault", "5;250", {5, 95}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoredPercentilesForm, IsTheSameInEveryLanguage) {
  const std::vector<double> percentiles = {2.5, 0.1, 99.99};
  EXPECT_EQ(StoredPercentiles(percentiles).toStdString(), "2.5;0.1;99.99");
  EXPECT_EQ(ReadStoredPercentiles(StoredPercentiles(percentiles)), percentiles);
}

}  // namespace
