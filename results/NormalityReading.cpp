#include "results/NormalityReading.h"

#include <cstddef>
#include <cstdio>

#include "core/Translation.h"

namespace tallowmere::results {

std::string ReadingFigure(double p, std::string_view decimal) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g", p);
  std::string figure = text;
  if (const std::size_t at = figure.find('.'); at != std::string::npos) figure.replace(at, 1, decimal);
  return figure;
}

std::string EnglishReading(const stats::NormalityTest& test) {
  if (!test.Answered()) return test.error;
  return core::Fill(stats::PlainReading(test.pValue), {ReadingFigure(test.pValue, ".")});
}

std::string TranslatedReading(const stats::NormalityTest& test, std::string_view decimal) {
  if (!test.Answered()) return std::string(core::Translated("Normality", test.error));
  return core::Fill(core::Translated("Normality", stats::PlainReading(test.pValue)),
                    {ReadingFigure(test.pValue, decimal)});
}

}  // namespace tallowmere::results
