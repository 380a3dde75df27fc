// The normal Q-Q plot's quantiles and line against R's qqnorm and qqline,
// and the thinning of many points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <vector>

#include "stats/NormalQQ.h"

using namespace tallowmere::stats;

namespace {

TEST(NormalQQ, TheoreticalAgreesWithR) {
  // From R 4.2.2: q <- qqnorm(seq_len(n), plot.it = FALSE)$x; sprintf("%.17g", q[place + 1]).
  // 10 numbers are the last with a = 3/8, 11 the first with a = 1/2.
  const struct {
    const char* name;
    std::size_t n;
    std::size_t place;
    double want;
  } rows[] = {
      {"one number", 1, 0, 0.0},
      {"5: first", 5, 0, -1.1797611176118603},
      {"5: second", 5, 1, -0.49720057068155399},
      {"5: middle", 5, 2, 0.0},
      {"5: last", 5, 4, 1.1797611176118603},
      {"10: first", 10, 0, -1.54663527139923},
      {"10: second", 10, 1, -1.0004905456193152},
      {"10: last", 10, 9, 1.5466352713992295},
      {"11: first", 11, 0, -1.6906216295848977},
      {"11: second", 11, 1, -1.0968035620935135},
      {"11: last", 11, 10, 1.6906216295848984},
      {"1000: first", 1000, 0, -3.2905267314918945},
      {"1000: second", 1000, 1, -2.9677379253417828},
      {"1000: last", 1000, 999, 3.2905267314919255},
  };
  for (const auto& row : rows) EXPECT_NEAR(NormalQQTheoretical(row.place, row.n), row.want, 1e-13) << row.name;
}

TEST(NormalQQ, LineAgreesWithR) {
  // From R 4.2.2, qqline's own arithmetic: yq <- quantile(y, c(0.25, 0.75), type = 7);
  // x <- qnorm(c(0.25, 0.75)); slope <- diff(yq) / diff(x); int <- yq[1] - slope * x[1].
  const struct {
    const char* name;
    std::vector<double> sorted;
    double intercept;
    double slope;
  } rows[] = {
      {"c(1, 2, 3, 10)", {1, 2, 3, 10}, 3.25, 2.223903327758403},
      {"c(2.5, 3.5, 3.5, 4, 9.75)", {2.5, 3.5, 3.5, 4, 9.75}, 3.75, 0.37065055462640051},
      {"eleven integers with ties", {1, 1, 2, 2, 2, 3, 3, 4, 5, 7, 12}, 3.25, 1.8532527731320025},
      {"c(-3, 7)", {-3, 7}, 2, 3.7065055462640051},
      {"one number: flat", {4}, 4, 0},
  };
  for (const auto& row : rows) {
    const NormalQQLine line = QQLineOf(row.sorted);
    EXPECT_NEAR(line.intercept, row.intercept, 1e-14 * std::abs(row.intercept)) << row.name;
    EXPECT_NEAR(line.slope, row.slope, 1e-14 * row.slope) << row.name;
  }
}

TEST(NormalQQ, ThinnedPlacesSmallCases) {
  const struct {
    const char* name;
    std::size_t n;
    std::size_t most;
    std::vector<std::size_t> want;
  } rows[] = {
      {"no numbers", 0, 10, {}},
      {"few enough: all", 4, 4, {0, 1, 2, 3}},
      {"none allowed", 5, 0, {}},
      {"one allowed: the first", 5, 1, {0}},
      {"two allowed: the ends", 5, 2, {0, 4}},
      // Quantiles -1.18, 0, 1.18 of five numbers: the ends and the middle.
      {"three of five: the ends and the middle", 5, 3, {0, 2, 4}},
  };
  for (const auto& row : rows) EXPECT_EQ(ThinnedQQPlaces(row.n, row.most), row.want) << row.name;
}

TEST(NormalQQ, ThinnedPlacesOfMany) {
  const struct {
    const char* name;
    std::size_t n;
    std::size_t most;
    std::size_t everyOneAtTheEnds;  // how many of the first and of the last are all kept
  } rows[] = {
      {"a thousand and one from a thousand", 1001, 1000, 1},
      {"2000 of 10,000", 10000, 2000, 20},
      {"2000 of 10,000,000", 10000000, 2000, 20},
      {"100 of 10,000,000", 10000000, 100, 3},
  };
  for (const auto& row : rows) {
    const std::vector<std::size_t> places = ThinnedQQPlaces(row.n, row.most);
    EXPECT_LE(places.size(), row.most) << row.name;
    // No fewer than half: the tails cannot take up more than half the axis.
    EXPECT_GE(places.size(), row.most / 2) << row.name;
    EXPECT_TRUE(std::adjacent_find(places.begin(), places.end(), std::greater_equal<>()) == places.end())
        << row.name << ": not strictly ascending";
    ASSERT_FALSE(places.empty()) << row.name;
    EXPECT_EQ(places.front(), 0u) << row.name;
    EXPECT_EQ(places.back(), row.n - 1) << row.name;
    for (std::size_t k = 0; k < row.everyOneAtTheEnds; ++k) {
      EXPECT_EQ(places[k], k) << row.name << ": the first " << k;
      EXPECT_EQ(places[places.size() - 1 - k], row.n - 1 - k) << row.name << ": the last " << k;
    }
    // Equal steps along the axis: where points are left out, the widest gap
    // between the quantiles of neighbouring points kept is within two steps
    // (one step, and a rounding to the nearest place at either end).
    const double step = 2.0 * NormalQQTheoretical(row.n - 1, row.n) / static_cast<double>(row.most - 1);
    double widest = 0.0;
    for (std::size_t k = 1; k < places.size(); ++k) {
      if (places[k] == places[k - 1] + 1) continue;  // neighbours in the data: nothing left out between
      widest = std::max(widest, NormalQQTheoretical(places[k], row.n) - NormalQQTheoretical(places[k - 1], row.n));
    }
    EXPECT_LE(widest, 2.0 * step) << row.name;
  }
}

}  // namespace
