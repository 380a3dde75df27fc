#include "input/SplitRows.h"

namespace tallowmere::input {

std::uint64_t SplitTarget(std::uint64_t bytes) { return bytes / 100 * 51; }

}  // namespace tallowmere::input
