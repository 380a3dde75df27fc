#include "results/FigureLabels.h"

#include <cmath>
#include <mutex>
#include <set>
#include <string>
#include <string_view>

#include "core/Translation.h"
#include "numtext/NumberText.h"

namespace tallowmere::results {

namespace {

const numtext::Separators kPoint{".", ","};

// Each text handed out as a view, kept whole; rows of several runs (and
// threads) share them. Only the figures someone asked for are ever kept.
std::string_view Lasting(std::string text) {
  static std::mutex guard;
  static std::set<std::string, std::less<>> kept;
  const std::lock_guard lock(guard);
  return *kept.insert(std::move(text)).first;
}

RowLabel Filled(const FigureLabel& label, const char* source, double figure, const numtext::Separators& sep) {
  const std::string_view translated = core::Translated("ResultRows", source);
  return {.key = Lasting(core::Fill(label.key, {numtext::NumberText(figure, kPoint)})),
          .label = Lasting(core::Fill(translated, {numtext::NumberText(figure, sep)})),
          .unit = label.unit};
}

}  // namespace

std::size_t PercentileOrdinal(double percent) {
  if (percent != std::floor(percent)) return 3;
  const auto whole = static_cast<long long>(percent);
  if (whole % 100 >= 11 && whole % 100 <= 13) return 3;
  switch (whole % 10) {
    case 1:
      return 0;
    case 2:
      return 1;
    case 3:
      return 2;
    default:
      return 3;
  }
}

RowLabel FigureRowLabel(const FigureLabel& label, double figure, const numtext::Separators& sep) {
  return Filled(label, label.label, figure, sep);
}

RowLabel PercentileRowLabel(double percent, const numtext::Separators& sep) {
  const FigureLabel& label = kPercentileLabels[PercentileOrdinal(percent)];
  return Filled(label, label.label, percent, sep);
}

}  // namespace tallowmere::results
