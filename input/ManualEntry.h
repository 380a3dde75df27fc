#pragma once
// "Add Number / Numbers": the user types one number or a comma-separated
// series; every piece, trimmed of spaces, becomes an entry. Nothing is
// checked here: the analysis decides what each text is worth. An answer that
// holds a line break or a tab was pasted (neither can be typed into the
// one-line prompt) and is read as list text instead.
//
// Where the decimal separator is the comma, a comma cannot also separate
// numbers: an answer the locale reads as one number ("61,5") is that number,
// and a series is separated by semicolons ("61,5; 70,2"); the prompt says so.
#include <string>
#include <string_view>
#include <vector>

#include "core/ErrorReport.h"
#include "core/Translation.h"
#include "input/EntrySink.h"
#include "numtext/Separators.h"

namespace tallowmere::platform {
class Dialogs;
}

namespace tallowmere::input {

// Names the command in its error reports (see docs/compatibility.md, Error
// reports).
inline constexpr const char* kManualEntryLocation = "in Tallowmere2021/08/31.Form1.PushButton3_Click ";
inline constexpr const char* kManualEntryPrompt =
    QT_TRANSLATE_NOOP("ManualEntry", "Enter number or numbers (use commas):");
inline constexpr const char* kManualEntrySemicolonPrompt =
    QT_TRANSLATE_NOOP("ManualEntry", "Enter number or numbers (use semicolons):");

// One piece of a typed answer, and whether the user's locale reads it
// strictly as a number (then it is worth that number, as a line of a list
// file is, rather than its leading number).
struct TypedPiece {
  std::string_view text;
  bool localeNumber = false;

  bool operator==(const TypedPiece&) const = default;
};

// Whether the user's decimal separator is the comma.
bool UsesDecimalComma(const numtext::Separators& sep);

// The pieces of a typed (not pasted) answer. With a decimal point: the comma
// split, nothing a locale number. With the decimal comma: the trimmed answer
// itself when the locale reads it strictly as a number; else, when it holds a
// ';', its pieces split there, each trimmed and marked as the locale reads
// it; else the comma split.
std::vector<TypedPiece> TypedPieces(std::string_view answer, const numtext::Separators& sep);

// The pieces of a typed answer: split at every comma, no limit on their
// number; empty pieces stay.
std::vector<std::string_view> SplitAtCommas(std::string_view answer);

// The pieces of an answer split at every semicolon, as SplitAtCommas.
std::vector<std::string_view> SplitAtSemicolons(std::string_view answer);

// Removes the space characters (U+0020 only) at both ends.
std::string_view TrimSpaces(std::string_view piece);

// What the command works with; all of it must outlive the call.
struct ManualEntryHost {
  platform::Dialogs& dialogs;  // the prompt
  EntrySink& entries;          // the number list
  core::ErrorSink& errors;     // the "Application Error" box
  // The user's: for the number test of a pasted answer, and whether commas
  // separate typed numbers.
  numtext::Separators separators = {};
};

// Whether an answer was pasted: it holds a CR, an LF or a tab.
bool IsPastedAnswer(std::string_view answer);

// The click handler of PushButton3: asks for an answer and appends its
// trimmed pieces, or a pasted answer's numbers, to the number list, flushed
// at the end so that the list shows them.
void AddTypedNumbers(const ManualEntryHost& host);

}  // namespace tallowmere::input
