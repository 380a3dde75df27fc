#pragma once
// The answer of a test of normality (Shapiro-Wilk's W, D'Agostino and
// Pearson's K²) and its plain reading at the 5 % level. The texts are
// English sources, marked for translation under "Normality"; the layer that
// shows them translates them and fills in the p-value.
#include <limits>

#include "core/Translation.h"

namespace tallowmere::stats {

// Why a test has no answer.
inline constexpr const char* kTooFewForShapiroWilk =
    QT_TRANSLATE_NOOP("Normality", "The Shapiro-Wilk test needs at least 3 numbers");
inline constexpr const char* kTooManyForShapiroWilk =
    QT_TRANSLATE_NOOP("Normality", "The Shapiro-Wilk test takes at most 5000 numbers");
inline constexpr const char* kTooFewForOmnibus = QT_TRANSLATE_NOOP("Normality", "The K² test needs at least 8 numbers");
inline constexpr const char* kAllNumbersEqual = QT_TRANSLATE_NOOP("Normality", "All the numbers are equal");
inline constexpr const char* kNumbersTooLarge =
    QT_TRANSLATE_NOOP("Normality", "The numbers are too large or too far apart for the test");
// The kurtosis z of a flat enough data set meets a division by zero: the
// approximation has no value there.
inline constexpr const char* kKurtosisOutsideApproximation =
    QT_TRANSLATE_NOOP("Normality", "The kurtosis is outside the range of the test's approximation");

// The plain reading of a p-value. %1 is the p-value's text.
inline constexpr const char* kNoEvidenceAgainstNormality =
    QT_TRANSLATE_NOOP("Normality", "no evidence against normality at 5 %");
inline constexpr const char* kUnlikelyNormal =
    QT_TRANSLATE_NOOP("Normality", "the numbers are unlikely to come from a normal distribution (p = %1)");

// The level below which a p-value counts as evidence against normality.
inline constexpr double kNormalityLevel = 0.05;

struct NormalityTest {
  double statistic = std::numeric_limits<double>::quiet_NaN();  // W, or K²
  double pValue = std::numeric_limits<double>::quiet_NaN();
  // Null for an answer; otherwise one of the texts above, and no numbers.
  const char* error = nullptr;

  bool Answered() const { return error == nullptr; }
};

// kUnlikelyNormal for a p-value under 5 %, kNoEvidenceAgainstNormality for
// any other (5 % itself included: the test rejects only below its level).
// A p-value that is not a number reads as no evidence: there was no test.
const char* PlainReading(double pValue);

}  // namespace tallowmere::stats
