#include "input/PackedNumbers.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// Checks x[0 .. n) at one scale, a block at a time so that the loop has no
// exit of its own: the first number that does not come back (n when all
// do), and whether every whole number fits two bytes (kept as a running
// "and" rather than a largest magnitude, whose maximum would make each
// step wait for the one before).
template <class ComesBackFn>
std::size_t FirstMisfitAt(const double* x, std::size_t n, double power, bool& small, const ComesBackFn& comesBack) {
  constexpr std::size_t kBlock = 512;
  for (std::size_t begin = 0; begin < n; begin += kBlock) {
    const std::size_t end = std::min(n, begin + kBlock);
    bool all = true;
    bool fits = small;
    for (std::size_t i = begin; i < end; ++i) {
      const double whole = WholeAt(x[i], power);
      all &= comesBack(x[i], whole);
      fits &= std::fabs(whole) <= kMostOfTwo;
    }
    if (all) {
      small = fits;
      continue;
    }
    for (std::size_t i = begin; i < end; ++i)
      if (!comesBack(x[i], WholeAt(x[i], power))) return i;
  }
  return n;
}

std::size_t FirstMisfit(const double* x, std::size_t n, int scale, bool& small) {
  if (scale == 0) return FirstMisfitAt(x, n, 1.0, small, ComesBackWhole);
  const Quotients quotients(kPowers[scale]);
  return FirstMisfitAt(x, n, kPowers[scale], small,
                       [&quotients](double v, double whole) { return ComesBack(v, whole, quotients); });
}

template <class Whole>
void PackAs(double* numbers, std::size_t n, int scale) {
  auto* bytes = reinterpret_cast<unsigned char*>(numbers);
  const double power = kPowers[scale];
  // Forward: number i is read before whole number i is written, and every
  // later number lies beyond the whole numbers written so far.
  for (std::size_t i = 0; i < n; ++i) {
    double v;
    std::memcpy(&v, bytes + i * sizeof(double), sizeof v);
    const auto whole = static_cast<Whole>(WholeAt(v, power));
    std::memcpy(bytes + i * sizeof(Whole), &whole, sizeof whole);
  }
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

PackedForm PackedFormOf(std::span<const double> numbers) noexcept {
  const double* x = numbers.data();
  const std::size_t n = numbers.size();
  int scale = 0;
  for (;;) {
    bool small = true;
    const std::size_t misfit = FirstMisfit(x, n, scale, small);
    if (misfit == n) return {.width = small ? 2 : 4, .scale = scale};
    // The fewest places that hold the misfit, and every number checked
    // again at those: a whole number at fewer places is one at more, but
    // it may then be too large.
    int finer = scale + 1;
    while (finer <= kMostPackedScale && !ComesBack(x[misfit], WholeAt(x[misfit], kPowers[finer]), kPowers[finer]))
      ++finer;
    if (finer > kMostPackedScale) return {};
    scale = finer;
  }
}

void PackInPlace(double* numbers, std::size_t n, PackedForm form) noexcept {
  if (form.width == 2) PackAs<std::int16_t>(numbers, n, form.scale);
  if (form.width == 4) PackAs<std::int32_t>(numbers, n, form.scale);
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
