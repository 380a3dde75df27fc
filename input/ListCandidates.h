#pragma once
// What becomes of one candidate of list text (a line of a list file, a cell
// of a paste, a field of a table's column): appended as its number, appended
// as tested text, or skipped; and whether it was read in the other decimal
// convention than the user's. Every reader of list text decides here, so a
// line reads the same whichever reader meets it.
#include <cstddef>
#include <string_view>
#include <utility>

#include "input/EntrySink.h"
#include "numtext/LeadingNumber.h"
#include "numtext/ListNumber.h"
#include "numtext/Separators.h"

namespace tallowmere::input {

// A candidate longer than this is not a plausible number: it is skipped
// without ever being held whole, so an enormous line or a binary file costs
// no more memory than a small one.
inline constexpr std::size_t kMaxCandidateBytes = 4096;

// Whether one candidate passes, and how it reads: not empty, not too long, a
// number by numtext::TestListLine.
inline numtext::ListLine PassesListTest(std::string_view candidate, const numtext::Separators& sep) {
  if (candidate.empty() || candidate.size() > kMaxCandidateBytes) return numtext::ListLine::kNotNumber;
  return numtext::TestListLine(candidate, sep);
}

// The decision for a list's candidates. A list of values gets the leading
// numbers of plain candidates, read while the text is at hand; any other
// candidate that passes is kept as tested text. With the decimal point as the
// user's decimal separator, a text whose leading number reads by the quick
// path has exactly the form the number test's own quick path accepts, so it
// passes without being tested again.
class CandidateRule {
 public:
  CandidateRule(ValueSink* values, numtext::Separators sep)
      : values_(values), sep_(std::move(sep)), pointText_(values && sep_.decimal == ".") {}

  ValueSink* Values() const { return values_; }
  const numtext::Separators& Separators() const { return sep_; }
  // Values, and the decimal point: the quick path decides most candidates.
  bool QuickValues() const { return pointText_; }

  // Decides one candidate and tells `keep`: Number(value) or Text(candidate)
  // for one that passes, then Other(candidate) when it was read in the other
  // convention; Skip(candidate) for one that fails (an empty one included).
  // `quick(value)` is PlainLeadingNumber of the candidate, or a faster reading
  // of the same.
  template <class Keep, class Quick>
  [[gnu::always_inline]] void Decide(std::string_view candidate, Keep& keep, const Quick& quick) const {
    double value;
    if (pointText_ && quick(value)) return keep.Number(value);
    const numtext::ListLine line = PassesListTest(candidate, sep_);
    if (line == numtext::ListLine::kNotNumber) return keep.Skip(candidate);
    // A plain text reads the same in every convention; any other is read from
    // its text.
    if (values_ && !pointText_ && numtext::PlainLeadingNumber(candidate, value))
      keep.Number(value);
    else
      keep.Text(candidate);
    if (line == numtext::ListLine::kOtherConvention) keep.Other(candidate);
  }

  template <class Keep>
  void Decide(std::string_view candidate, Keep& keep) const {
    Decide(candidate, keep, [candidate](double& value) { return numtext::PlainLeadingNumber(candidate, value); });
  }

 private:
  ValueSink* values_;  // the list, when it keeps values
  numtext::Separators sep_;
  bool pointText_;  // values, and the decimal separator is '.'
};

// Offers candidates straight to a list: what passes is appended, what was
// read in the other convention is told; with `noteSkipped`, what fails is
// told as skipped too (an empty candidate, between CR and LF or a blank line,
// never: it is not worth telling as one that is not a number).
class OfferToList {
 public:
  OfferToList(EntrySink& list, const CandidateRule& rule, bool noteSkipped = true)
      : list_(list), rule_(rule), noteSkipped_(noteSkipped) {}
  void Offer(std::string_view candidate) { rule_.Decide(candidate, *this); }
  // The candidates of [begin, end), which ends just after a line end.
  void OfferLines(const char* begin, const char* end);

  void Number(double value) { rule_.Values()->AppendNumber(value); }
  void Text(std::string_view candidate) { list_.AppendTestedText(candidate); }
  void Skip(std::string_view candidate) {
    if (noteSkipped_ && !candidate.empty()) list_.NoteSkipped(candidate, 1);
  }
  void Other(std::string_view candidate) { list_.NoteOtherConvention(candidate, 1); }

 private:
  EntrySink& list_;
  const CandidateRule& rule_;
  bool noteSkipped_;
};

// Tests one candidate by the rules of a list file's lines and, when it
// passes, appends it: for text whose candidates are not lines (the fields of
// a table's column), so that they are read exactly as the lines would be.
// What fails is not told: the table's reader tells its own.
class ListCandidates {
 public:
  ListCandidates(EntrySink& list, const numtext::Separators& sep);
  void Offer(std::string_view candidate);

 private:
  EntrySink& list_;
  CandidateRule rule_;
};

}  // namespace tallowmere::input
