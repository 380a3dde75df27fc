#include "AnalyseRows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "core/Translation.h"
#include "stats/ConfidenceLevel.h"
#include "stats/Quantiles.h"
#include "stats/TrimmedMean.h"

namespace tallowmere::tools {

namespace {

std::string Tr(const char* text) { return std::string(core::Translated("Analyser", text)); }

// A plain decimal number ("95", "99.5", ".5", "1e-3" too), '.' or `decimal`
// (when given) as its separator; nothing for any other text, an infinity or
// NaN.
std::optional<double> ReadFigure(std::string text, std::string_view decimal) {
  if (!decimal.empty() && decimal != ".") {
    for (std::size_t at; (at = text.find(decimal)) != std::string::npos;) text.replace(at, decimal.size(), ".");
  }
  if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string::npos) return std::nullopt;
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (stop != end || error != std::errc{} || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string Wrong(const char* option, const std::string& text, const char* why) {
  return std::string(option) + " '" + text + "': " + Tr(why);
}

std::string ChooseLevelAndShare(const RowOptions& options, bool more, const numtext::Separators& sep,
                                results::RowChoices& choices) {
  for (const auto& [given, name] : {std::pair{&options.level, "--confidence"}, std::pair{&options.share, "--trim"}})
    if (*given && !more) return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "option '%1' needs %2")), {name, "--more"});
  if (options.level) {
    const std::optional<double> level = ReadFigure(*options.level, sep.decimal);
    if (!level || !stats::IsConfidenceLevel(*level))
      return Wrong("--confidence", *options.level,
                   QT_TRANSLATE_NOOP("Analyser", "a confidence level runs from 50 to 99.9 (percent)"));
    choices.levelPercent = *level;
  }
  if (options.share) {
    const std::optional<double> share = ReadFigure(*options.share, sep.decimal);
    if (!share || !stats::IsTrimShare(*share))
      return Wrong("--trim", *options.share,
                   QT_TRANSLATE_NOOP("Analyser", "the share trimmed from each end is at least 0 and below 0.5"));
    choices.trimShare = *share;
  }
  return {};
}

// Each percentile once, in the order first given.
std::string ChoosePercentiles(const std::vector<std::string>& texts, results::RowChoices& choices) {
  for (const std::string& text : texts) {
    std::size_t from = 0;
    for (;;) {
      const std::size_t comma = text.find(',', from);
      const std::string part = text.substr(from, comma == std::string::npos ? comma : comma - from);
      const std::optional<double> percent = ReadFigure(part, {});
      if (!percent || *percent < 0.0 || *percent > 100.0)
        return Wrong("--percentile", text, QT_TRANSLATE_NOOP("Analyser", "percentiles run from 0 to 100"));
      // 0 and -0 are one percentile.
      const double p = *percent + 0.0;
      if (std::find(choices.percentiles.begin(), choices.percentiles.end(), p) == choices.percentiles.end())
        choices.percentiles.push_back(p);
      if (comma == std::string::npos) break;
      from = comma + 1;
    }
  }
  return {};
}

std::string MethodKeys() {
  std::string keys;
  for (const stats::QuantileMethodInfo& info : stats::QuantileMethods())
    keys += (keys.empty() ? "" : ", ") + std::string(info.key);
  return keys;
}

}  // namespace

std::string ChooseRows(const RowOptions& options, const numtext::Separators& sep, results::RowChoices& choices) {
  choices.robust = options.more;
  if (std::string why = ChooseLevelAndShare(options, options.more, sep, choices); !why.empty()) return why;
  if (options.method) {
    const std::optional<stats::QuantileMethod> method = stats::ParseQuantileMethod(*options.method);
    if (!method)
      return std::string("--quantile-method '") + *options.method + "': " +
             core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "use one of %1, or a number from 1 to 9")), {MethodKeys()});
    choices.method = *method;
  }
  if (std::string why = ChoosePercentiles(options.percentiles, choices); !why.empty()) return why;
  choices.nameMethod = options.method || !options.percentiles.empty();
  choices.normality = options.normality;
  choices.frequencies = options.frequencies;
  return {};
}

}  // namespace tallowmere::tools
