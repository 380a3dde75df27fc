#pragma once
// Why a robust statistic or a confidence interval has no number: English
// texts, one sentence each, as the normality tests' refusals are. Not yet
// marked for translation: they are marked (context "RobustStatistics") when
// the window and the analyser first show them, together with their
// translations, so that the translation files never lag behind the code.

namespace tallowmere::stats {

// Nothing to take a mean, a median or an interval of.
inline constexpr const char* kNeedsNumbersText = "There are no numbers";
// The geometric and the harmonic mean of a list holding 0 or a negative.
inline constexpr const char* kNeedsPositiveText = "The geometric and the harmonic mean need positive numbers";
// The trimmed mean's share of each end outside 0 <= share < 0.5.
inline constexpr const char* kNeedsTrimShareText = "The share trimmed from each end must be at least 0 and below 0.5";
// An interval's level outside 50 % ... 99.9 %.
inline constexpr const char* kNeedsLevelText = "The confidence level must be from 50 % to 99.9 %";
// Student's t interval of the mean of one number (no spread to measure).
inline constexpr const char* kNeedsTwoNumbersText = "The confidence interval of the mean needs at least 2 numbers";
// The median's interval when even the lowest and the highest number cover
// the median less often than the level asks (fewer than 6 numbers at 95 %;
// MedianIntervalLeastCount tells how many would do).
inline constexpr const char* kNeedsMoreNumbersText =
    "Too few numbers for a confidence interval of the median at this level";

}  // namespace tallowmere::stats
