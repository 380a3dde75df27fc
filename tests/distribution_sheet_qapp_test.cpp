// The statistics under a titled distribution picture: short values share
// rows as pairs side by side; a value in words (a method's name, a reason)
// takes a line of its own instead of widening every pair.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <string>
#include <vector>

#include "app/DistributionSheet.h"

using namespace tallowmere::app;

namespace {

SheetTexts ShortLines(int count) {
  SheetTexts texts;
  for (int i = 0; i < count; ++i)
    texts.statistics.push_back({QStringLiteral("Statistic %1").arg(i), QStringLiteral("%1.25").arg(i * 7)});
  return texts;
}

struct WideCase {
  const char* name;
  double width;
  int shortLines;
  std::vector<const char*> wideValues;
};

class WideValues : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideValues, TakeALineEachAndLeaveThePairsAsTheyWere) {
  const WideCase& c = GetParam();
  const QFont font = QApplication::font();
  const QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  const SheetTexts plain = ShortLines(c.shortLines);
  SheetTexts with = plain;
  for (const char* value : c.wideValues) with.statistics.push_back({QStringLiteral("Quantile method"), value});
  const double line = QFontMetricsF(font, &probe).height() * 1.3;
  const double added = SheetExtraHeight(c.width, with, font, &probe) - SheetExtraHeight(c.width, plain, font, &probe);
  EXPECT_NEAR(added, line * static_cast<double>(c.wideValues.size()), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, WideValues,
    ::testing::Values(
        WideCase{"OneMethodNameWide", 1200, 12, {"Inclusive (spreadsheet QUARTILE.INC, R type 7, numpy default)"}},
        WideCase{"OneMethodNameNarrow", 420, 12, {"Exclusive (spreadsheet QUARTILE.EXC, SPSS, Minitab, R type 6)"}},
        WideCase{"ReasonsInWords",
                 900,
                 20,
                 {"Too few numbers for a confidence interval of the median at this level",
                  "The geometric and the harmonic mean need positive numbers"}},
        WideCase{"NoneWide", 900, 20, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LongNumbers, StayInTheirPairs) {
  const QFont font = QApplication::font();
  const QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  SheetTexts texts;
  texts.statistics.push_back({QStringLiteral("Sum of squares"), QStringLiteral("-12345678901234567890.1234567")});
  texts.statistics.push_back({QStringLiteral("Mean"), QStringLiteral("1.2345678901234E+300")});
  const double line = QFontMetricsF(font, &probe).height();
  // Both pairs side by side on one row, not a line apiece after the pairs.
  EXPECT_NEAR(SheetExtraHeight(2000, texts, font, &probe), line * 1.3 + line, 1e-9);
}

struct WordsCase {
  const char* name;
  const char* value;
  bool inWords;
};

class ValuesInWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(ValuesInWords, AreToldFromNumbers) {
  EXPECT_EQ(ValueInWords(QString::fromUtf8(GetParam().value)), GetParam().inWords);
}

INSTANTIATE_TEST_SUITE_P(Values, ValuesInWords,
                         ::testing::Values(WordsCase{"Number", "-1,234.5", false},
                                           WordsCase{"Exponent", "1.5E-300", false},
                                           WordsCase{"Percent", "97.852 %", false},
                                           WordsCase{"ArabicDigits", "١٢٣٫٥", false},
                                           WordsCase{"MethodName", "Hazen, midpoint steps (R type 5)", true},
                                           WordsCase{"Reason", "Too few numbers", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShortValues, SharePairsSideBySide) {
  const QFont font = QApplication::font();
  const QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  const double line = QFontMetricsF(font, &probe).height();
  // Twelve pairs on a wide picture fill fewer than twelve rows.
  EXPECT_LT(SheetExtraHeight(1600, ShortLines(12), font, &probe), 12 * line * 1.3 + line);
}

}  // namespace
