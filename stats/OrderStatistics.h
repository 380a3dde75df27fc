#pragma once
// Elements of the ascending order of numbers that nobody sorted: the
// analyser keeps no sorted copy of a large data set, yet a percentile, a
// trimmed mean or the median's interval each needs a few of its elements.
#include <cstddef>
#include <span>
#include <vector>

namespace tallowmere::stats {

// The elements at `places` (counted from 0, in any order, repeats allowed)
// of the order SortDoubles gives the numbers (-0 before +0), to the bit;
// `places` must all be below numbers.size(), and no number may be NaN.
//
// A selection by the numbers' order keys, a digit at a time from the
// highest bit the smallest and the largest number do not share: each pass
// counts, for every place not yet found, how many numbers share its digits
// so far and have each value of the next digit, and copies out the numbers
// of those places whose shared digits so far are few enough to be held
// (together at most `mostHeld` numbers, by default one in eight of them:
// a byte per number), which are then selected among with nth_element. A
// place whose numbers share every bit is their value itself. So the
// numbers are read once for their ends and once or twice more for most
// data, never more than nine times; all the places share each pass.
std::vector<double> SelectOrderStatistics(std::span<const double> numbers, std::span<const std::size_t> places,
                                          std::size_t mostHeld = 0);

}  // namespace tallowmere::stats
