#include "numtext/NumberScan.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace tallowmere::numtext {

namespace detail {

Conversion DigitsToDouble(bool negative, const char* digits, std::size_t count, std::int64_t scale, bool sticky,
                          double& out) {
  const double zero = negative ? -0.0 : 0.0;
  if (count == 0) {
    out = zero;
    return Conversion::kOk;
  }
  // The value lies in [10^(magnitude-1), 10^magnitude).
  const std::int64_t magnitude = scale + static_cast<std::int64_t>(count);
  if (magnitude > 310) return Conversion::kOverflow;
  if (magnitude < -330) {
    out = zero;
    return Conversion::kOk;
  }
  char buf[kMaxDigits + 40];
  char* p = buf;
  if (negative) *p++ = '-';
  std::memcpy(p, digits, count);
  p += count;
  if (sticky) {
    *p++ = '1';
    --scale;
  }
  *p++ = 'e';
  p = std::to_chars(p, buf + sizeof buf, scale).ptr;
  double v = 0.0;
  auto res = std::from_chars(buf, p, v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // from_chars reports underflow the same way as overflow; the magnitude
    // tells them apart.
    if (magnitude > 0) return Conversion::kOverflow;
    out = zero;
    return Conversion::kOk;
  }
  if (res.ec != std::errc() || std::isinf(v)) return Conversion::kOverflow;
  out = v;
  return Conversion::kOk;
}

}  // namespace detail

}  // namespace tallowmere::numtext
