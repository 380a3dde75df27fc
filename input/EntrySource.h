#pragma once
// The entries of a number list as the analysis takes them, whoever filled the
// list: the window's list keeps every entry as its text; the analyser keeps
// the leading number of each plain entry, read while its text was at hand,
// and the text (with its number-test flag) of every other one. Either way an
// entry whose value is already known is not read again, and nothing about an
// entry is asked through a call per entry. Plain C++: no Qt.
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "core/BigMemory.h"
#include "core/TwoThreads.h"
#include "input/EntrySink.h"
#include "input/EntryStore.h"
#include "input/PackedNumbers.h"
#include "input/ReadTally.h"

namespace tallowmere::input {

// An entry held as text: what it says, and whether it is a line of list text
// that passed the number test (read as its writer meant it).
struct HeldText {
  std::string_view text;
  bool passedNumberTest = false;
};

class EntrySource final : public ValueSink {
 public:
  using Values = core::BigVector<double>;

  EntrySource() = default;
  EntrySource(const EntrySource&) = delete;
  EntrySource& operator=(const EntrySource&) = delete;
  EntrySource(EntrySource&&) = default;
  EntrySource& operator=(EntrySource&&) = default;

  // ValueSink. Every entry takes at least two bytes (a character and a line
  // end). Room reserved but never filled is never touched, so it costs no
  // memory. Only empty room is made: growing held numbers would copy them.
  void ExpectBytes(std::size_t bytes) override;
  // About `entries` more entries are coming (the rows of a table's column):
  // room for them is made at once, the numbers held so far moved into it, so
  // that they stay in the one array and are handed over without a copy. As
  // for ExpectBytes, room never filled costs no memory; entries beyond it go
  // to blocks as before.
  void ExpectEntries(std::size_t entries);
  void AppendNumber(double leadingNumber) override;
  void AppendNumbers(std::span<const double> leadingNumbers) override;
  // A typed entry (read by its leading number) and a line of list text that
  // passed the number test.
  void Append(std::string_view text) override { KeepText(text, false); }
  void AppendTestedText(std::string_view text) override { KeepText(text, true); }
  void NoteOtherConvention(std::string_view first, std::size_t count) override {
    otherConvention_.NoteOtherConvention(first, count);
  }
  // The lines read in the other decimal convention since the last call.
  ReadTally TakeOtherConvention() { return std::exchange(otherConvention_, {}); }

  std::size_t Count() const { return numbered_ ? count_ : texts_.Size(); }
  // Whether every entry is held as text, as in the window's list: then entry
  // i is text i of Texts(), and the list may be edited there.
  bool AllText() const { return !numbered_; }
  // The entry's text and flag; only for an entry held as text (HasText).
  HeldText TextOf(std::size_t index) const;
  bool HasText(std::size_t index) const { return !numbered_ || NextText(index) == index; }
  // The first entry from `index` on that is held as text (Count() when none).
  std::size_t NextText(std::size_t index) const;

  // The texts of a list that holds only texts, for its owner to edit (remove,
  // swap, undo) in place. An entry that came as a number has no text there.
  EntryStore& Texts() { return texts_; }
  const EntryStore& Texts() const { return texts_; }

  // Appends every entry of `other` after these, each as `other` holds it (a
  // number as its value, a text with its flag); `other` keeps its texts but
  // hands over its numbers.
  void AppendAll(EntrySource& other);

  // The leading numbers, one per entry in list order, NaN where only the
  // text is known; handed over once (an all-text list has none: empty).
  // Numbers kept in blocks are joined into the one array, each block let go
  // as soon as it is copied, so the numbers are held about once throughout.
  Values TakeValues();
  // The same, where numbers held packed are written out into `room` when
  // it is large enough (the last run's numbers, whose pages are at hand,
  // rather than pages given back), by both `threads` when given; `room` is
  // then emptied, else left as it is.
  Values TakeValues(Values& room, core::TwoThreads* threads = nullptr);

  // Holds the numbers packed (input::PackedNumbers) while they wait, where
  // they are many and every one comes back to the same bits: for a list
  // whose every entry came as a number into the one array. Anything that
  // adds to the list or takes its numbers unpacks them first, so the list
  // reads as before. The bytes of room given back (0: not packed).
  std::size_t HoldPacked() noexcept;
  bool Packed() const { return packed_.Packs(); }

 private:
  // Numbers that come without room made for them (through a pipe, or more
  // than a file's size promised) go to blocks of this many, once the array
  // is past the size where growing it by copying costs little.
  static constexpr std::size_t kBlockValues = std::size_t{1} << 20;  // 8 MiB

  std::size_t ArrayRoom() const;
  std::size_t BlockRoom();
  void Keep(double v);
  void KeepText(std::string_view text, bool passedNumberTest);
  // The first number turns an all-text list into one of values: the texts
  // held so far get their places.
  void BeginNumbers();
  void Unpack();
  std::size_t TextIndex(std::size_t index) const;

  // Once an entry came as a number: the numbers in list order, first those
  // of the array, then the blocks'.
  bool numbered_ = false;
  Values numbers_;
  std::vector<Values> blocks_;  // each with room for kBlockValues
  std::size_t count_ = 0;
  EntryStore texts_;
  std::vector<std::size_t> textAt_;  // with numbers: the entries held as text, ascending
  ReadTally otherConvention_;
  PackedForm packed_;  // of numbers_, while packed
};

}  // namespace tallowmere::input
