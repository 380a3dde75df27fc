#pragma once
// The results as a script reads them: the rows as the window shows them
// (text), one "key<TAB>value" line per row (tsv) or one JSON object (json).
// Rows left out by an error report are simply absent. Plain C++, no Qt.
#include <string>
#include <string_view>

#include "results/ResultModel.h"

namespace tallowmere::results {

enum class Format { kText, kTsv, kJson };

// How tsv and json write a number: as the row shows it (rounded where the row
// rounds), or with every digit of the engine's double, as the shortest text
// that reads back to that double (numtext::RoundTripText: "1.6666666666666667",
// "4.9E-12"). Text is always written as the rows show it.
enum class Digits { kAsShown, kEvery };

// Every row of `results`, the twelve and then the rows after them. In tsv and
// json a number is written with '.' as its decimal separator (a script should
// not have to know the locale) and without the unit of the coefficient.
std::string FormatResults(const results::Results& results, Format format, Digits digits = Digits::kAsShown);

// The pieces of those formats, for results written side by side.
// A value as tsv writes it: a number, tied modes joined as the row joins
// them, a text as it is.
std::string ScriptText(const ResultValue& value, Digits digits);
// A JSON string; bytes that are not UTF-8 become U+FFFD, so the output stays
// valid JSON whatever a text holds.
void AppendJsonString(std::string& out, std::string_view text);
// A row's value as json writes it: a number, the mode as an array, or a string.
void AppendJsonValue(std::string& out, const ResultRow& row, Digits digits);

}  // namespace tallowmere::results
