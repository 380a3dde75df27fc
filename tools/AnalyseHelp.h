#pragma once
// What tallowmere-analyse says of its own use: the usage lines (after a
// mistake on the command line) and the whole of --help, in the user's
// language but for the usage lines, option names, argument words and keys.
#include <string>
#include <string_view>

namespace tallowmere::tools {

inline constexpr std::string_view kAnalyseUsage =
    "usage: tallowmere-analyse [options] [PATH...]\n"
    "       tallowmere-analyse [options] --entries [FILE]\n"
    "       tallowmere-analyse [options] --field N|NAME [PATH...]\n"
    "       tallowmere-analyse [options] --field A,B...|--all-fields [--group-by COL] [PATH...]\n";

// `outOfMemory` is the words of the line a run short of memory ends with,
// which the help quotes.
std::string AnalyseHelpText(std::string_view outOfMemory);

}  // namespace tallowmere::tools
