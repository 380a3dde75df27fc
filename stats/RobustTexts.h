#pragma once
// What a robust statistic or a confidence interval answers in place of a
// number when it has none, and why: English texts, kept here so that the
// window and the analyser can name (and translate) each reason.
namespace tallowmere::stats {

// Nothing to take a mean, a median or an interval of.
inline constexpr const char* kNeedsNumbersText = "needs numbers";
// The geometric and the harmonic mean of a list holding 0 or a negative.
inline constexpr const char* kNeedsPositiveText = "needs positive numbers";
// The trimmed mean's share of each end outside 0 <= share < 0.5.
inline constexpr const char* kNeedsTrimShareText = "needs a share from 0 to under 0.5";
// An interval's level outside 50 % ... 99.9 %.
inline constexpr const char* kNeedsLevelText = "needs a level from 50 % to 99.9 %";
// Student's t interval of the mean of one number (no spread to measure).
inline constexpr const char* kNeedsTwoNumbersText = "needs at least 2 numbers";
// The median's interval when even the lowest and the highest number cover
// the median less often than the level asks (fewer than 6 numbers at 95 %).
inline constexpr const char* kNeedsMoreNumbersText = "needs more numbers for this level";

}  // namespace tallowmere::stats
