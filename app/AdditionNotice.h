#pragma once
// What the short notice over the number list says after an addition: how many
// numbers came from where, how many candidates were skipped as not numbers
// and how many were read in the other decimal convention than the user's,
// with the first of each, e.g. 'Added 20 numbers from weights.csv; 1 line was
// not a number (first: "Weight"); 20 lines were read with a decimal comma
// (first: "61,5").'
#include <QString>
#include <cstddef>
#include <string_view>

#include "input/ReadTally.h"
#include "numtext/Separators.h"
#include "results/AnalysisEntries.h"

namespace tallowmere::app {

// Where an addition came from.
enum class AdditionSource {
  kTyped,        // "Add Number / Numbers" (a pasted answer reads as text)
  kSample,       // the sample series
  kFiles,        // loaded list files, or dropped files and folders
  kClipboard,    // a paste
  kDroppedText,  // text dropped from another program
  kTableColumn,  // one column of a table ("Open Table")
};

struct Addition {
  Addition() = default;
  explicit Addition(AdditionSource from) : source(from) {}

  AdditionSource source = AdditionSource::kTyped;
  input::ReadTally tally;
  std::size_t files = 0;         // kFiles: how many were read
  QString fileName;              // kFiles, one file read: its name; kTableColumn: the table's
  QString column;                // kTableColumn: the column's header cell, empty without a header
  std::size_t columnNumber = 0;  // kTableColumn: the column's number from 1
};

// A skipped text as the notice quotes it: at most kQuotedCharacters
// characters (a longer one cut, with an ellipsis), anything unprintable shown
// as U+FFFD, in straight double quotes.
inline constexpr qsizetype kQuotedCharacters = 32;
QString QuotedSkippedText(std::string_view text);

// "1 entry", "20 entries", "1,234,567 entries".
QString EntriesText(std::size_t count);

QString AdditionNoticeText(const Addition& addition);

// The notice after a paste or a text drop was stopped part-way.
QString TextStoppedNotice(AdditionSource source, std::size_t appended);

// The sentence that names the entries that are not numbers and what the
// analysis counts them as (empty when there are none), as
// results::NotNumbersSentence words it; each text quoted as QuotedSkippedText
// quotes it: '2 entries are not numbers and count as 0 and 42: "n/a", "42 kg".'
QString NotNumbersText(const results::NotNumbers& found, const numtext::Separators& sep);

}  // namespace tallowmere::app
