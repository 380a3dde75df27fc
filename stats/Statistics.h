#pragma once
// The statistics engine: procedures over one shared data set held at module
// level. The analysis run fills Numbers and NumberCount, then ShowResults calls
// SortNumbers first and the other procedures after it.
//
// Numbers and SortedNumbers are the design's one-based arrays held 0-based:
// element i lives at index i - 1.
#include <vector>

#include "stats/StatResult.h"

// The failure raised (as std::out_of_range) when NumberCount asks for more
// elements than Numbers or SortedNumbers hold, or the median is asked of an
// empty data set.
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";

namespace modStatistics {

extern std::vector<double> Numbers;
extern double NumberCount;  // always a whole number; loop bounds take it as int32
extern std::vector<double> SortedNumbers;

// The method option as the window shows it: true for Sample (divide by n - 1),
// false for Population (divide by n). Read by GetVariance at the time of the call.
extern bool MethodIsSample;

// These pass arithmetic failures (ArithmeticError) on to the caller.
void SortNumbers();
double GetSum();
double GetSumOfSquares();
double GetMean();
double GetMedian();
StatResult GetAverageDeviation();

// These never pass a failure on.
StatResult GetMode();                   // "Error" on any failure
StatResult GetVariance();               // "#Div/0!" on any failure
StatResult GetStandardDeviation();      // "#Div/0!" on any failure
StatResult GetSkew();                   // "#Div/0!" on any failure
StatResult GetCoefficientOfVariation(); // "#Div/0!" on any failure

}  // namespace modStatistics
