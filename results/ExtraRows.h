#pragma once
// The rows the analyser adds on request after those of the more
// statistics: the robust statistics and the median's interval, the
// quantile method and the percentiles, the tests of normality; and the
// frequency table. Rounded as the more rows are, never steps of the run.
// Plain C++: no Qt.
#include <cstdint>
#include <vector>

#include "results/MoreRows.h"
#include "results/ResultModel.h"
#include "results/RowChoices.h"
#include "stats/Frequencies.h"
#include "stats/Statistics.h"

namespace tallowmere::results {

// In this order, each group when chosen: the geometric, the harmonic and
// the trimmed mean, the median absolute deviation raw and scaled, the
// median's interval (low end, high end, actual coverage); the method's row
// (nameMethod) and a row per percentile; Shapiro-Wilk's W, p and reading,
// then K², p and reading. A row left out for want of memory is not among
// them (as MoreRows).
std::vector<ResultRow> ExtraRows(const stats::modStatistics::DataSet& data, const RowChoices& choices,
                                 const RowRounding& rounding, std::uint64_t runMemoryFailures);

// The frequency table of the data set's numbers after SortNumbers, from its
// sorted copy or, without one, from the numbers themselves.
stats::FrequencyTable FrequenciesOf(const stats::modStatistics::DataSet& data);

}  // namespace tallowmere::results
