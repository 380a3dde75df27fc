#pragma once
// The analyser's options that choose rows beyond the twelve: --more,
// --confidence, --trim, --percentile, --quantile-method,
// --normality and --frequencies.
#include <optional>
#include <string>
#include <vector>

#include "numtext/Separators.h"
#include "results/RowChoices.h"

namespace tallowmere::tools {

// The options as given, read when the whole command line is.
struct RowOptions {
  bool more = false;                     // --more
  std::optional<std::string> level;      // --confidence LEVEL, in percent
  std::optional<std::string> share;      // --trim SHARE
  std::optional<std::string> method;     // --quantile-method NAME|1..9
  std::vector<std::string> percentiles;  // each --percentile P[,P...] as given
  bool normality = false;
  bool frequencies = false;
};

// Fills `choices` from the options (--confidence and --trim need --more). A level or a share is read with '.' or the
// user's decimal separator `sep`, percentiles with '.' (a comma parts them).
// The reason, naming the option and its value, when one is wrong; else
// empty.
std::string ChooseRows(const RowOptions& options, const numtext::Separators& sep, results::RowChoices& choices);

}  // namespace tallowmere::tools
