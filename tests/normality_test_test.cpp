// The plain reading of a normality test's p-value at 5 %.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "stats/NormalityTest.h"

using namespace tallowmere::stats;

namespace {

TEST(NormalityTest, PlainReading) {
  const struct {
    const char* name;
    double p;
    const char* want;
  } rows[] = {
      {"zero", 0.0, kUnlikelyNormal},
      {"tiny", 1e-300, kUnlikelyNormal},
      {"just under 5 %", std::nextafter(0.05, 0.0), kUnlikelyNormal},
      {"5 % itself", 0.05, kNoEvidenceAgainstNormality},
      {"just over 5 %", std::nextafter(0.05, 1.0), kNoEvidenceAgainstNormality},
      {"one", 1.0, kNoEvidenceAgainstNormality},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), kNoEvidenceAgainstNormality},
  };
  for (const auto& row : rows) EXPECT_STREQ(PlainReading(row.p), row.want) << row.name;
}

}  // namespace
