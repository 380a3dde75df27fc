#pragma once
// What a confidence interval answers: its two ends, and how often an interval
// made so covers the true value (the level asked, or the coverage actually
// reached). Each is a number, or the text saying why there is none.
#include "stats/StatResult.h"

namespace tallowmere::stats {

// Levels in percent, both ends taken.
inline constexpr double kLowestLevel = 50.0;
inline constexpr double kHighestLevel = 99.9;
inline constexpr double kDefaultLevel = 95.0;

inline bool IsConfidenceLevel(double percent) { return percent >= kLowestLevel && percent <= kHighestLevel; }

struct Interval {
  StatResult low = kDivZeroText;
  StatResult high = kDivZeroText;
  StatResult coverage = kDivZeroText;  // in percent

  static Interval Failed(const char* why) { return {why, why, why}; }
};

}  // namespace tallowmere::stats
