#include "input/PackedNumbers.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace tallowmere::input {

namespace {

constexpr double kPowers[kMostPackedScale + 1] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
// Added and taken away again, it rounds any double below 2^51 in magnitude
// to the nearest whole number (ties to even) without leaving the SSE2 unit.
constexpr double kRounder = 6755399441055744.0;  // 1.5 * 2^52
constexpr double kMostOfFour = 2147483647.0;
constexpr double kMostOfTwo = 32767.0;

double WholeAt(double v, double power) { return (v * power + kRounder) - kRounder; }

// The quotients of the two-byte whole numbers over one power, each the very
// division that unpacking makes, worked out once: checking and unpacking a
// list of small whole numbers then look them up instead of dividing each
// time. Without room for the table every quotient is divided out.
class Quotients {
 public:
  explicit Quotients(double power) : power_(power), table_(new (std::nothrow) double[kCount]) {
    if (!table_) return;
    for (int w = -kMost; w <= kMost; ++w) table_[static_cast<std::size_t>(w + kMost)] = static_cast<double>(w) / power;
  }
  // whole / power, for a whole number of at most four bytes.
  double Of(double whole) const {
    if (table_ && std::fabs(whole) <= kMostOfTwo)
      return table_[static_cast<std::size_t>(static_cast<int>(whole) + kMost)];
    return whole / power_;
  }

 private:
  static constexpr int kMost = 32767;
  static constexpr std::size_t kCount = 2 * kMost + 1;
  double power_;
  std::unique_ptr<double[]> table_;
};

// Whether `v` is the whole number `whole` over the power, to the bit. A NaN
// or an infinity never is, nor is -0 (a whole number over a power is +0).
bool ComesBack(double v, double whole, const Quotients& quotients) {
  return std::fabs(whole) <= kMostOfFour &&
         std::bit_cast<std::uint64_t>(quotients.Of(whole)) == std::bit_cast<std::uint64_t>(v);
}

// The same for a single number, divided out.
bool ComesBack(double v, double whole, double power) {
  return std::fabs(whole) <= kMostOfFour &&
         std::bit_cast<std::uint64_t>(whole / power) == std::bit_cast<std::uint64_t>(v);
}

// At no places a whole number comes back as itself: no division.
bool ComesBackWhole(double v, double whole) {
  return std::fabs(whole) <= kMostOfFour && std::bit_cast<std::uint64_t>(whole) == std::bit_cast<std::uint64_t>(v);
}

// Packs x[0 ..) as whole numbers of type Whole at one power, in place,
// while each comes back to the bit: the count packed (n when all were).
// Forward: number i is read before whole number i is written, and every
// later number lies beyond the whole numbers written so far.
template <class Whole, class ComesBackFn>
std::size_t PackWhile(double* x, std::size_t n, double power, const ComesBackFn& comesBack) {
  auto* bytes = reinterpret_cast<unsigned char*>(x);
  constexpr double kMost = std::numeric_limits<Whole>::max();
  for (std::size_t i = 0; i < n; ++i) {
    double v;
    std::memcpy(&v, bytes + i * sizeof(double), sizeof v);
    const double whole = WholeAt(v, power);
    if (!(comesBack(v, whole) && std::fabs(whole) <= kMost)) return i;
    const auto packed = static_cast<Whole>(whole);
    std::memcpy(bytes + i * sizeof(Whole), &packed, sizeof packed);
  }
  return n;
}

template <class Whole>
std::size_t PackWhileAt(double* x, std::size_t n, int scale) {
  if (scale == 0) return PackWhile<Whole>(x, n, 1.0, ComesBackWhole);
  const Quotients quotients(kPowers[scale]);
  return PackWhile<Whole>(x, n, kPowers[scale],
                          [&quotients](double v, double whole) { return ComesBack(v, whole, quotients); });
}

template <class Whole>
void UnpackAs(double* numbers, std::size_t n, int scale) {
  auto* bytes = reinterpret_cast<unsigned char*>(numbers);
  const Quotients quotients(kPowers[scale]);
  // Backward: number i covers only whole numbers i and beyond, which are
  // read already.
  for (std::size_t i = n; i-- > 0;) {
    Whole whole;
    std::memcpy(&whole, bytes + i * sizeof(Whole), sizeof whole);
    const double v = quotients.Of(static_cast<double>(whole));
    std::memcpy(bytes + i * sizeof(double), &v, sizeof v);
  }
}

template <class Whole>
void UnpackInto(const double* packed, std::size_t begin, std::size_t end, int scale, double* into) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(packed);
  const Quotients quotients(kPowers[scale]);
  for (std::size_t i = begin; i < end; ++i) {
    Whole whole;
    std::memcpy(&whole, bytes + i * sizeof(Whole), sizeof whole);
    into[i] = quotients.Of(static_cast<double>(whole));
  }
}

}  // namespace

PackedForm PackWhereExact(double* numbers, std::size_t n) noexcept {
  PackedForm form{.width = 2, .scale = 0};
  for (;;) {
    const std::size_t packed = form.width == 2 ? PackWhileAt<std::int16_t>(numbers, n, form.scale)
                                               : PackWhileAt<std::int32_t>(numbers, n, form.scale);
    if (packed == n) return form;
    // The numbers packed so far back as they were, and all of them tried
    // again in the form the one that stopped needs: wider when it comes
    // back but is too large, else at the fewest more places that hold it
    // (a whole number at fewer places is one at more, but may then be too
    // large). Each form is tried once at most.
    UnpackInPlace(numbers, packed, form);
    const double v = numbers[packed], power = kPowers[form.scale];
    if (ComesBack(v, WholeAt(v, power), power)) {
      if (form.width == 4) return {};
      form.width = 4;
      continue;
    }
    int finer = form.scale + 1;
    while (finer <= kMostPackedScale && !ComesBack(v, WholeAt(v, kPowers[finer]), kPowers[finer])) ++finer;
    if (finer > kMostPackedScale) return {};
    form.scale = finer;
  }
}

void UnpackInPlace(double* numbers, std::size_t n, PackedForm form) noexcept {
  if (form.width == 2) UnpackAs<std::int16_t>(numbers, n, form.scale);
  if (form.width == 4) UnpackAs<std::int32_t>(numbers, n, form.scale);
}

void UnpackInto(const double* packed, std::size_t begin, std::size_t end, PackedForm form, double* into) noexcept {
  if (form.width == 2) UnpackInto<std::int16_t>(packed, begin, end, form.scale, into);
  if (form.width == 4) UnpackInto<std::int32_t>(packed, begin, end, form.scale, into);
}

}  // namespace tallowmere::input
