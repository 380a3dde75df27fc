#include "results/Analysis.h"

#include "stats/Arithmetic.h"
#include "stats/NumberText.h"
#include "stats/Statistics.h"

namespace analysis {

std::int16_t DecimalPlaces = 0;
bool RoundingFlag = true;

void StartAnalysis(AnalysisHost& host) {
  using namespace modStatistics;
  Trap trap(host, kStartAnalysisLocation);

  if (trap.Test(100, [&] { return host.EntryCount() == 0; })) {
    trap.Step(124, [&] { host.ShowMessage(kForgotNumbersMessage); });
    return;
  }
  trap.Step(102, [&] { host.SetBusy(true); });
  trap.Step(104, [&] { host.ClearResults(); });
  // A text that is not a number, or out of range, keeps the previous value.
  trap.Step(106, [&] { DecimalPlaces = numtext::ToInteger16(host.DecimalPlacesText()); });
  trap.Step(108, [&] { RoundingFlag = !host.ShowAllDecimals(); });

  std::size_t count = 0;
  trap.Step(110, [&] { count = host.EntryCount(); });
  // Growing the array one element at a time keeps the earlier elements and
  // gives each new one the value 0; sizing it once does the same in one go.
  trap.Step(112, [&] {
    Numbers.clear();
    Numbers.resize(count, 0.0);
  });
  for (std::size_t i = 0; i < count && i < Numbers.size(); ++i) {
    // An entry whose leading number is beyond the double range stays 0.
    trap.Step(114, [&] { Numbers[i] = numtext::LeadingNumber(host.EntryText(i)); });
  }
  trap.Step(118, [&] { NumberCount = static_cast<double>(host.EntryCount()); });
  trap.Step(120, [&] { ShowResults(host); });
  trap.Step(122, [&] { host.SetBusy(false); });
}

namespace {

// Rows 7 to 12 share one pattern: the value's text, the ten-decimal format,
// the numeric test, the value (rounded unless "Show all decimals"), the row.
// `first` is the label of the text step; the others follow in steps of 2.
struct Working {
  std::string text;
  double number = 0.0;
};

std::string ResultText(const StatResult& r) {
  return r.IsNumber() ? numtext::NumberText(r.Number()) : r.Text();
}

void ValueStep(Trap& trap, Working& w, int testLabel) {
  if (trap.Test(testLabel, [&] { return !RoundingFlag; })) {
    trap.Step(testLabel + 2, [&] { w.number = numtext::DecimalValue(w.text, false, DecimalPlaces); });
  } else {
    trap.Step(testLabel + 4, [&] { w.number = numtext::DecimalValue(w.text, true, DecimalPlaces); });
  }
}

template <class Compute>
void AddFormattedRow(Trap& trap, AnalysisHost& host, Working& w, int first, const std::string& label,
                     const char* unit, Compute compute) {
  trap.Step(first, [&] { w.text = ResultText(compute()); });
  trap.Step(first + 2, [&] { w.text = numtext::FormatTenDecimals(w.text); });
  if (trap.Test(first + 4, [&] { return numtext::IsNumeric(w.text); })) {
    ValueStep(trap, w, first + 6);
    trap.Step(first + 12, [&] { host.AddResultRow(label + numtext::NumberText(w.number) + unit); });
  } else {
    trap.Step(first + 14, [&] { host.AddResultRow(label + w.text); });
  }
}

}  // namespace

void ShowResults(AnalysisHost& host) {
  using namespace modStatistics;
  using numtext::NumberText;
  Trap trap(host, kShowResultsLocation);
  Working w;

  trap.Step(100, [&] { SortNumbers(); });
  trap.Step(102, [&] { host.AddResultRow("The number of entries is: " + NumberText(NumberCount)); });
  trap.Step(104, [&] { host.AddResultRow("The sum of the numbers are: " + NumberText(GetSum())); });
  trap.Step(106, [&] {
    host.AddResultRow("The sum squared is: " + NumberText(arith::Mul(GetSum(), GetSum())));
  });
  trap.Step(108, [&] { host.AddResultRow("The sum of squares is: " + NumberText(GetSumOfSquares())); });
  trap.Step(110, [&] { host.AddResultRow("The mode is: " + ResultText(GetMode())); });
  trap.Step(112, [&] { host.AddResultRow("The median is: " + NumberText(GetMedian())); });

  // The mean is always a number: no numeric test.
  trap.Step(114, [&] { w.text = NumberText(GetMean()); });
  trap.Step(116, [&] { w.text = numtext::FormatTenDecimals(w.text); });
  ValueStep(trap, w, 118);
  trap.Step(124, [&] { host.AddResultRow("The mean is: " + NumberText(w.number)); });

  AddFormattedRow(trap, host, w, 126, "The variance is: ", "", [] { return GetVariance(); });
  AddFormattedRow(trap, host, w, 142, "The skew is: ", "", [] { return GetSkew(); });
  AddFormattedRow(trap, host, w, 158, "The average deviation is: ", "", [] { return GetAverageDeviation(); });
  AddFormattedRow(trap, host, w, 174, "The standard deviation is: ", "",
                  [] { return GetStandardDeviation(); });
  AddFormattedRow(trap, host, w, 190, "The coefficient of variation is: ", " %",
                  [] { return GetCoefficientOfVariation(); });
}

}  // namespace analysis
