#pragma once
// What the analysis makes of the number list's entries one by one: the value
// each counts as, and whether its whole text is a number, so that the
// entries it reads as something the user did not write ("n/a" as 0, "42 kg"
// as 42) can be named. Plain C++: the window, the analyser and the tests use
// the same rules as the run.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "input/EntrySource.h"
#include "numtext/Separators.h"

namespace tallowmere::results {

// The value the analysis gives an entry: a line of list text that passed the
// number test is read as its writer meant it, anything else (a typed piece, a
// sample number) by its leading number. Fails as the run's reading fails
// (beyond the double range).
double EntryWorth(std::string_view text, bool passedNumberTest, const numtext::Separators& sep);

// Whether the entry's whole text is a number as EntryWorth reads it: a line
// that passed the number test, or a plain number (numtext::IsPlainNumber).
// Anything else counts as its leading number (0 when it has none). The two
// rules go together: an entry read in a new way is a number here too.
bool IsNumberEntry(std::string_view text, bool passedNumberTest, const numtext::Separators& sep);

// Calls `visit` with the index of every entry in [begin, end) that is not a
// number, in list order, until it answers false. An entry held as a value is
// a plain number.
void ForEachNotNumber(const input::EntrySource& entries, std::size_t begin, std::size_t end,
                      const numtext::Separators& sep, const std::function<bool(std::size_t index)>& visit);

// An entry that is not a number, as it is named to the user.
struct NotNumber {
  std::string text;
  double value = 0.0;  // what the analysis counts it as (0 when it cannot be read)
};

// How many entries are not numbers, and the first few of them.
struct NotNumbers {
  static constexpr std::size_t kNamed = 3;
  std::size_t count = 0;
  std::vector<NotNumber> first;  // at most kNamed
};

NotNumbers NotNumbersAmong(const input::EntrySource& entries, std::size_t begin, std::size_t end,
                           const numtext::Separators& sep);

// The indexes of every entry in [begin, end) that is not a number, ascending.
std::vector<std::size_t> NotNumberRows(const input::EntrySource& entries, std::size_t begin, std::size_t end,
                                       const numtext::Separators& sep);

// The sentence that names them (empty when there are none), with the values
// in the user's separators and each text quoted, at most kQuotedCharacters
// characters of it:
//   1 entry is not a number and counts as 0: "n/a".
//   2 entries are not numbers and count as 0 and 42: "n/a", "42 kg".
//   5 entries are not numbers; the first 3 count as 0: "n/a", "abc", "".
inline constexpr std::size_t kQuotedCharacters = 32;
std::string NotNumbersSentence(const NotNumbers& found, const numtext::Separators& sep);

}  // namespace tallowmere::results
