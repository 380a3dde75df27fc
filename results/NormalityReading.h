#pragma once
// How a test of normality reads in words, the same in the analyser's rows
// and in the window: the plain reading with its p-value, or the test's
// reason for having no answer. Plain C++: no Qt.
#include <string>
#include <string_view>

#include "stats/NormalityTest.h"

namespace tallowmere::results {

// A p-value as a reading quotes it: three significant digits, so that a
// tiny one is not read as 0 ("1.23e-08"); `decimal` stands for the point.
std::string ReadingFigure(double p, std::string_view decimal);

// The reading in English with '.' (the machine formats' words).
std::string EnglishReading(const stats::NormalityTest& test);
// The reading in the user's language, the p-value with `decimal`.
std::string TranslatedReading(const stats::NormalityTest& test, std::string_view decimal);

}  // namespace tallowmere::results
