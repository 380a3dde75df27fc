#include "results/ExtraRows.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/MemoryFailures.h"
#include "core/Translation.h"
#include "results/FigureLabels.h"
#include "results/NormalityReading.h"
#include "results/ResultValues.h"
#include "results/RowFormats.h"
#include "stats/Arithmetic.h"
#include "stats/MedianDeviation.h"
#include "stats/MedianInterval.h"
#include "stats/OmnibusNormality.h"
#include "stats/RobustMeans.h"
#include "stats/RobustTexts.h"
#include "stats/ShapiroWilk.h"

namespace tallowmere::results {

namespace {

using stats::modStatistics::DataSet;

// Adds rows as MoreRows does: "#Div/0!" for a statistic that fails, left
// out when its work met a failure to get memory.
struct RowAdder {
  const RowRounding& rounding;
  std::uint64_t runMemoryFailures;
  std::vector<ResultRow>& rows;

  template <class Make>
  void AddRow(Make make) {
    const std::uint64_t rowMark = core::MemoryFailures();
    ResultRow row = make();
    if (!ShortOfMemory(core::MemoryFailures(), rowMark, runMemoryFailures, row)) rows.push_back(std::move(row));
  }
  template <class Statistic>
  void Add(const RowLabel& label, Statistic statistic) {
    AddRow([&] {
      try {
        return RoundedRow(label, rounding, statistic());
      } catch (...) {
        return MakeRow(label, TextValue(stats::kDivZeroText), stats::kDivZeroText);
      }
    });
  }
  template <class Statistic>
  void Add(Row which, Statistic statistic) {
    const RowLabel& label = LabelOf(which);
    Add(RowLabel{label.key, core::Translated("ResultRows", label.label.data()), label.unit}, statistic);
  }
};

std::size_t CountOf(const DataSet& data) { return static_cast<std::size_t>(data.NumberCount()); }

std::span<const double> NumbersOf(const DataSet& data) {
  return {data.Numbers().data(), std::min(CountOf(data), data.Numbers().size())};
}

// The elements at two places of the sorted order.
std::array<double, 2> PairAt(const DataSet& data, std::size_t first, std::size_t second) {
  const std::array<std::size_t, 2> places = {first, second};
  const std::vector<double> at = data.OrderStatistics(places);
  return {at[0], at[1]};
}

void AddMedianInterval(RowAdder& add, const DataSet& data, double level) {
  const numtext::Separators& sep = add.rounding.sep;
  const stats::MedianIntervalPlaces places = stats::MedianIntervalPlacesOf(CountOf(data), level);
  stats::Interval interval;  // "#Div/0!" but for what is found below
  if (places.failure) {
    interval = stats::Interval::Failed(places.failure);
  } else {
    try {
      const std::array<double, 2> ends = PairAt(data, places.low, places.high);
      interval = {ends[0], ends[1], places.coverage};
    } catch (...) {
      // No sorted order to read: "#Div/0!".
    }
  }
  add.Add(FigureRowLabel(kMedianLowLabel, level, sep), [&] { return interval.low; });
  add.Add(FigureRowLabel(kMedianHighLabel, level, sep), [&] { return interval.high; });
  add.Add(FigureRowLabel(kMedianCoverageLabel, level, sep), [&] { return interval.coverage; });
}

void AddRobust(RowAdder& add, const DataSet& data, const RowChoices& choices) {
  const std::span<const double> numbers = NumbersOf(data);
  const std::size_t n = numbers.size();
  add.Add(Row::kGeometricMean, [&] { return stats::GeometricMean(numbers); });
  add.Add(Row::kHarmonicMean, [&] { return stats::HarmonicMean(numbers); });
  const double share = choices.trimShare;
  add.Add(FigureRowLabel(kTrimmedMeanLabel, share * 100.0, add.rounding.sep), [&] {
    if (!stats::IsTrimShare(share)) return stats::StatResult(stats::kNeedsTrimShareText);
    const std::size_t cut = stats::TrimmedCount(n, share);
    const std::array<double, 2> kept = PairAt(data, cut, n - 1 - cut);
    return stats::TrimmedMeanOfUnsorted(numbers, share, kept[0], kept[1]);
  });
  // The median as MedianOfSorted takes it: of the middle two, which are one
  // element for an odd count.
  stats::StatResult mad = stats::kDivZeroText;
  try {
    const std::array<double, 2> middle = PairAt(data, (n - 1) / 2, n / 2);
    mad = stats::MedianAbsoluteDeviationOfUnsorted(numbers, stats::MedianOfSorted(middle));
  } catch (...) {
    // Shown as "#Div/0!".
  }
  add.Add(Row::kMedianAbsoluteDeviation, [&] { return mad; });
  add.Add(Row::kScaledMedianAbsoluteDeviation,
          [&] { return mad.IsNumber() ? stats::StatResult(stats::Mul(stats::kMadScale, mad.Number())) : mad; });
  AddMedianInterval(add, data, choices.levelPercent);
}

void AddPercentiles(RowAdder& add, const DataSet& data, const RowChoices& choices) {
  if (choices.nameMethod) {
    const stats::QuantileMethodInfo& info = stats::InfoOf(choices.method);
    add.AddRow([&] {
      return MakeRow(Row::kQuantileMethod, TextValue(info.key),
                     std::string(core::Translated("QuantileMethods", info.displayName)));
    });
  }
  if (choices.percentiles.empty()) return;
  // Every percentile's two order statistics, in one selection.
  const std::size_t n = CountOf(data);
  std::vector<stats::QuantilePlace> found;
  std::vector<std::size_t> places;
  for (const double percent : choices.percentiles) {
    const std::optional<stats::QuantilePlace> place = stats::QuantilePlaceOf(choices.method, n, percent / 100.0);
    found.push_back(place.value_or(stats::QuantilePlace{}));
    places.push_back(found.back().below);
    places.push_back(found.back().above);
  }
  std::vector<double> at;
  try {
    at = data.OrderStatistics(places);
  } catch (...) {
    at.clear();  // each row then shows "#Div/0!"
  }
  for (std::size_t i = 0; i < found.size(); ++i) {
    add.Add(PercentileRowLabel(choices.percentiles[i], add.rounding.sep), [&] {
      if (at.empty()) throw std::out_of_range(stats::modStatistics::kSubscriptOutOfRange);
      return stats::StatResult(stats::QuantileAt(found[i], at[2 * i], at[2 * i + 1]));
    });
  }
}

// Shapiro-Wilk reads every number of the sorted order: the copy, or for a
// data set without one its numbers sorted here, since it takes 5000 at most.
stats::NormalityTest ShapiroWilkOf(const DataSet& data) {
  const std::size_t n = CountOf(data);
  const std::span<const double> sorted = data.SortedNumbers();
  if (sorted.size() >= n) return stats::ShapiroWilk(sorted.first(n));
  if (n > stats::kShapiroWilkMost) return {.error = stats::kTooManyForShapiroWilk};
  const std::span<const double> numbers = NumbersOf(data);
  std::vector<double> few(numbers.begin(), numbers.end());
  std::sort(few.begin(), few.end());
  return stats::ShapiroWilk(few);
}

// The moments about the mean, in units of the range, in one pass: both are
// known by now. MomentsOf finds its own where they are not numbers.
stats::CentralMoments MomentsOfData(const DataSet& data) {
  const std::span<const double> numbers = NumbersOf(data);
  try {
    const double range = data.GetMaximum() - data.GetMinimum();
    const double mean = data.GetMean();
    if (std::isfinite(range) && range > 0.0 && std::isfinite(mean)) return stats::MomentsAbout(numbers, mean, range);
  } catch (...) {
    // Worked out from the numbers alone.
  }
  return stats::MomentsOf(numbers);
}

// A test's plain reading, in the user's language; the test's reason when
// it has no answer. The machine formats keep the English words.
ResultRow ReadingRow(Row which, const stats::NormalityTest& test, const numtext::Separators& sep) {
  return MakeRow(which, TextValue(EnglishReading(test)), TranslatedReading(test, sep.decimal));
}

void AddTest(RowAdder& add, std::array<Row, 3> rows, const stats::NormalityTest& test) {
  auto value = [&](double v) { return test.Answered() ? stats::StatResult(v) : stats::StatResult(test.error); };
  add.Add(rows[0], [&] { return value(test.statistic); });
  add.Add(rows[1], [&] { return value(test.pValue); });
  add.AddRow([&] { return ReadingRow(rows[2], test, add.rounding.sep); });
}

void AddNormality(RowAdder& add, const DataSet& data) {
  AddTest(add, {Row::kShapiroWilkW, Row::kShapiroWilkP, Row::kShapiroWilkReading}, ShapiroWilkOf(data));
  AddTest(add, {Row::kOmnibusK2, Row::kOmnibusP, Row::kOmnibusReading},
          stats::OmnibusNormality(MomentsOfData(data)).test);
}

}  // namespace

std::vector<ResultRow> ExtraRows(const stats::modStatistics::DataSet& data, const RowChoices& choices,
                                 const RowRounding& rounding, std::uint64_t runMemoryFailures) {
  std::vector<ResultRow> rows;
  RowAdder add{rounding, runMemoryFailures, rows};
  if (CountOf(data) == 0) return rows;
  if (choices.robust) AddRobust(add, data, choices);
  AddPercentiles(add, data, choices);
  if (choices.normality) AddNormality(add, data);
  return rows;
}

stats::FrequencyTable FrequenciesOf(const stats::modStatistics::DataSet& data) {
  const std::size_t n = CountOf(data);
  const std::span<const double> sorted = data.SortedNumbers();
  if (sorted.size() >= n) return stats::MakeFrequencyTable(sorted.first(n));
  try {
    const stats::FrequencyEnds ends{.lowest = data.GetMinimum(),
                                    .highest = data.GetMaximum(),
                                    .q1 = data.GetQuartile(1),
                                    .q3 = data.GetQuartile(3)};
    return stats::FrequencyTableOfUnsorted(NumbersOf(data), ends);
  } catch (...) {
    return {};  // no sorted order of this count: no table
  }
}

}  // namespace tallowmere::results
