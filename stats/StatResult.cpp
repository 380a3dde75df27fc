#include "stats/StatResult.h"

#include "stats/Arithmetic.h"

namespace tallowmere::stats {

double StatResult::Number() const {
  if (const double* v = std::get_if<double>(&value_)) return *v;
  throw core::ArithmeticError(core::kTypeMismatch);
}

const std::string& StatResult::Text() const {
  static const std::string kNoText;
  if (const std::string* t = std::get_if<std::string>(&value_)) return *t;
  return kNoText;
}

}  // namespace tallowmere::stats
