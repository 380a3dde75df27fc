// Numbers held packed while they wait: how long packing a column of numbers
// read from one-place text takes (the check and the packing are one pass),
// and unpacking it again in place and into another room, which the
// analyser pays for each column of --all-fields or group of --group-by
// beyond the first. Each time is the best of the runs.
// Usage: bench_packed [numbers] [runs]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "input/PackedNumbers.h"

using namespace tallowmere;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  // Weights of one decimal place, as the benchmark tables hold them.
  std::vector<double> numbers(n);
  std::mt19937_64 random(1);
  std::normal_distribution<double> weight(80.0, 16.0);
  char text[32];
  for (double& v : numbers) {
    std::snprintf(text, sizeof text, "%.1f", std::fabs(weight(random)));
    v = std::strtod(text, nullptr);
  }
  const std::vector<double> original = numbers;
  std::vector<double> into(n);
  double pack = 1e300, unpack = 1e300, unpackInto = 1e300;
  input::PackedForm form;
  for (int run = 0; run < runs; ++run) {
    numbers = original;
    auto start = Clock::now();
    form = input::PackWhereExact(numbers.data(), n);
    pack = std::min(pack, Milliseconds(start));
    start = Clock::now();
    input::UnpackInto(numbers.data(), 0, n, form, into.data());
    unpackInto = std::min(unpackInto, Milliseconds(start));
    start = Clock::now();
    input::UnpackInPlace(numbers.data(), n, form);
    unpack = std::min(unpack, Milliseconds(start));
  }
  const bool same = numbers == original && into == original;
  std::printf("%zu numbers, %d bytes at %d places: pack %.1f ms, unpack in place %.1f ms, into a room %.1f ms%s\n", n,
              form.width, form.scale, pack, unpack, unpackInto, same ? "" : "  (NOT THE SAME)");
  return same ? 0 : 1;
}
