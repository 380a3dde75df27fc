#pragma once
// Where the input paths append entries of the number list. The window's list
// model implements it; appends may be collected and shown in one batch, so a
// loader that appends a million entries does not cost a million view updates.
// Flush() makes everything appended so far visible (loaders call it before
// they let window events run and when they finish).
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/ErrorReport.h"

namespace tallowmere::input {

class EntrySink {
 public:
  virtual ~EntrySink() = default;
  virtual void Append(std::string_view text) = 0;
  virtual void Flush() {}

  // A line of list text that passed the number test and is kept as text: the
  // analysis reads it as its writer meant it (numtext::ListEntryValue), where
  // a typed entry is read by the leading-number rules. A list that tells the
  // two apart says so here; every other list keeps it as any entry.
  virtual void AppendTestedText(std::string_view text) { Append(text); }

  // A file of this many bytes is about to be read into the sink: room can be
  // made at once rather than grown step by step.
  virtual void ExpectBytes(std::size_t /*bytes*/) {}

  // Candidates of list text that failed the number test (blank ones are not
  // counted): `count` of them, `first` the earliest. The readers tell them in
  // text order, in runs, so the window can say what a file or a paste held;
  // only failures are told, never plain numbers, so reading costs no more.
  virtual void NoteSkipped(std::string_view /*first*/, std::size_t /*count*/) {}

  // Candidates of list text that were appended as read in the other common
  // decimal convention than the user's (numtext::TakesOtherConvention), told
  // as skipped ones are, so the window can say that "71,2" was read as 71.2.
  virtual void NoteOtherConvention(std::string_view /*first*/, std::size_t /*count*/) {}
};

// A list that keeps values rather than texts (the analyser's): the leading
// number of each plain entry, read while its text was at hand
// (numtext::PlainLeadingNumber), without the text; any other entry comes as
// its text through Append or AppendTestedText. The readers hand runs of plain
// entries over at once, as their numbers only.
class ValueSink : public EntrySink {
 public:
  virtual void AppendNumber(double leadingNumber) = 0;
  virtual void AppendNumbers(std::span<const double> leadingNumbers) = 0;
};

// The list as a sink of values, when it is one (else null): a reader asks
// once, and reads the plain entries' numbers for it.
inline ValueSink* ValuesOf(EntrySink& list) { return dynamic_cast<ValueSink*>(&list); }

// A list that keeps nothing, for a reader whose entries go elsewhere (the
// columns of a table) but that needs a list for its room and progress.
class NoEntries final : public EntrySink {
 public:
  void Append(std::string_view) override {}
};

// A report or a message box lets window events run, so what was appended so
// far must be visible first: reports through this sink flush the entries.
class FlushingErrorSink final : public core::ErrorSink {
 public:
  FlushingErrorSink(EntrySink& entries, core::ErrorSink& errors) : entries_(entries), errors_(errors) {}
  void ReportError(const std::string& description, std::string_view location, int label) override {
    entries_.Flush();
    errors_.ReportError(description, location, label);
  }

 private:
  EntrySink& entries_;
  core::ErrorSink& errors_;
};

}  // namespace tallowmere::input
