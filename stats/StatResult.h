#pragma once
// The answer of a statistics procedure that can answer in words: either a
// double or a text ("#Div/0!", "None", "Error", or a list of tied modes).
// Scripts and saved results match these texts (see docs/compatibility.md,
// The number texts).
#include <string>
#include <variant>

namespace tallowmere::stats {

inline constexpr const char* kDivZeroText = "#Div/0!";
inline constexpr const char* kNoneText = "None";
inline constexpr const char* kErrorText = "Error";

class StatResult {
 public:
  StatResult(double v) : value_(v) {}
  StatResult(std::string t) : value_(std::move(t)) {}
  StatResult(const char* t) : value_(std::string(t)) {}

  bool IsNumber() const { return std::holds_alternative<double>(value_); }
  // The double; a text where a number is needed is a failure ("Type mismatch").
  double Number() const;
  // The text; empty for a number.
  const std::string& Text() const;

  bool operator==(const StatResult& other) const = default;

 private:
  std::variant<double, std::string> value_;
};

}  // namespace tallowmere::stats
