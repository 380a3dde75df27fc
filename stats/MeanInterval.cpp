#include "stats/MeanInterval.h"

#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "stats/Arithmetic.h"
#include "stats/RobustTexts.h"

namespace tallowmere::stats {

namespace {

template <class Step>
StatResult OrDivZero(Step step) {
  try {
    return step();
  } catch (...) {
    return kDivZeroText;
  }
}

}  // namespace

Interval MeanInterval(double mean, const StatResult& sampleDeviation, std::size_t n, double levelPercent) {
  if (!IsConfidenceLevel(levelPercent)) return Interval::Failed(kNeedsLevelText);
  if (n == 0) return Interval::Failed(kNeedsNumbersText);
  if (n == 1) return Interval::Failed(kNeedsTwoNumbersText);
  // The two-sided interval leaves (100 - level) / 2 % above its upper end;
  // for 95 % the quantile is the double nearest 0.975, as the analysis has it.
  const double upperQuantile = 0.5 + levelPercent / 200.0;
  const double count = static_cast<double>(n);
  double halfWidth = 0.0;
  try {
    const double standardError = Div(sampleDeviation.Number(), std::sqrt(count));
    const boost::math::students_t_distribution<double> t(count - 1.0);
    halfWidth = Mul(boost::math::quantile(t, upperQuantile), standardError);
  } catch (...) {
    return Interval::Failed(kDivZeroText);
  }
  // Each end on its own, as the analysis has them: one may be beyond the
  // double range while the other is not.
  return {OrDivZero([&] { return Sub(mean, halfWidth); }), OrDivZero([&] { return Add(mean, halfWidth); }),
          levelPercent};
}

}  // namespace tallowmere::stats
