// Reading the leading number of number-list entries: an analysis reads every
// entry once, and lists of ten million entries must not keep the user waiting.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "numtext/NumberText.h"

using namespace tallowmere;
using namespace tallowmere::core;

int main() {
  // Short entries of the kinds users type or load: plain integers, decimals,
  // blanks around them, signs, an exponent, text after the number.
  const std::vector<std::string> samples = {"42",   "-3.75", " 7 ",      "1000", "0.5",     "12.125", "-17",   "3",
                                            "99.9", "1E3",   "2.5e-3",   "  15", "8 ",      "12abc",  "-0.01", "123456",
                                            "7.25", "+4",    "100.0001", "6",    "-250.75", "0",      "31.4",  "1 000"};
  constexpr std::size_t kEntries = 10'000'000;
  std::vector<std::string_view> entries;
  entries.reserve(kEntries);
  for (std::size_t i = 0; i < kEntries; ++i) entries.emplace_back(samples[(i * 7 + i / 3) % samples.size()]);

  double sum = 0.0;
  const auto start = std::chrono::steady_clock::now();
  for (std::string_view e : entries) sum += numtext::LeadingNumber(e);
  const auto stop = std::chrono::steady_clock::now();

  const double seconds = std::chrono::duration<double>(stop - start).count();
  std::printf("LeadingNumber: %zu entries in %.3f s (%.1f ns per entry), checksum %s\n", kEntries, seconds,
              seconds * 1e9 / static_cast<double>(kEntries), numtext::NumberText(sum, {}).c_str());
  return 0;
}
