#pragma once
// What one analysis came to, made once by the run: each statistic's key,
// label and value, and the sorted numbers behind them. The results list's
// rows, the exports, the analyser's formats and the distribution window are
// all made from it. Plain C++: no Qt.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "numtext/Separators.h"
#include "stats/Frequencies.h"

namespace tallowmere::results {

// A statistic's value as its row shows it (rounded where the row rounds).
struct ResultValue {
  enum class Kind { kNumber, kModes, kText };
  Kind kind = Kind::kText;
  double number = 0.0;  // kNumber
  // kNumber: the engine's own double before the row rounded it (the same as
  // `number` where the row does not round), for a script that wants every
  // digit.
  double engine = 0.0;
  std::vector<double> modes;  // kModes: the tied values, as the row lists them
  std::string text;           // kText: "#Div/0!", "None", "Error", ...
};

struct ResultRow {
  std::string_view key;    // the analyser's tsv and json key: "count", "mean", "minimum", ...
  std::string_view label;  // "The mean is: "
  ResultValue value;
  std::string valueText;  // the value as the row shows it, in the user's separators, with its unit
  std::string Line() const { return std::string(label) + valueText; }
};

// The run's numbers sorted: the data set's own sorted copy, held with it
// rather than copied, so that it stays whole for as long as anyone keeps it,
// whatever the data set does after.
class SortedNumbers {
 public:
  SortedNumbers() = default;
  SortedNumbers(std::shared_ptr<const double[]> numbers, std::size_t count)
      : numbers_(count > 0 ? std::move(numbers) : nullptr), count_(numbers_ ? count : 0) {}

  std::span<const double> View() const { return {numbers_.get(), count_}; }
  const double* begin() const { return numbers_.get(); }
  const double* end() const { return numbers_.get() + count_; }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

 private:
  std::shared_ptr<const double[]> numbers_;
  std::size_t count_ = 0;
};

struct Results {
  bool sample = true;
  std::vector<ResultRow> rows;  // the twelve, those the run reached, in order
  std::vector<ResultRow> more;  // minimum ... (the interval's two rows only for Sample), then the rows asked for
  // The frequency table, when it was asked for (RowChoices::frequencies).
  std::optional<stats::FrequencyTable> frequencies;
  // The user's separators, which the rows are spelt with (and the text of
  // the frequency table).
  numtext::Separators separators;
  // How the run rounded its rows, so that a later row of the same run (a
  // figure the user picks afterwards) is rounded alike.
  std::int16_t decimalPlaces = 0;
  bool roundingFlag = true;  // "Show all decimals" unticked
  // The run's numbers sorted; empty when the data set keeps no sorted copy.
  SortedNumbers sorted;

  const ResultRow* Find(std::string_view key) const {
    for (const auto* list : {&rows, &more})
      for (const ResultRow& row : *list)
        if (row.key == key) return &row;
    return nullptr;
  }
};

}  // namespace tallowmere::results
