#pragma once
// Entry lines: a text whose every line is one entry of the number list,
// verbatim, as if typed (the analyser's --entries). Lines end at LF; a CR
// right before an LF, or at the very end, belongs to the line end; the line
// end at the very end makes no further entry, and an empty text has none.
// Nothing is tested or skipped: an empty or a word line is an entry too, and
// the analysis reads its leading number as it reads any entry. A line longer
// than a list file's candidate may be (kMaxCandidateBytes) is an entry of its
// first kMaxCandidateBytes bytes: a line without an end (a device, a file of
// one enormous line) is never held whole, and no entry is read from bytes
// beyond them.
//
// The text is read as it comes, never held whole: a list of values
// (ValueSink) gets the numbers of plain lines (numtext::PlainLeadingNumber)
// and only the other lines as texts, so a list of millions of plain numbers
// costs a number each.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/TwoThreads.h"
#include "input/EntrySink.h"
#include "input/ListFile.h"
#include "system/FileSystem.h"

namespace tallowmere::input {

class EntryLinesReader {
 public:
  explicit EntryLinesReader(EntrySink& list);
  ~EntryLinesReader();
  EntryLinesReader(const EntryLinesReader&) = delete;
  EntryLinesReader& operator=(const EntryLinesReader&) = delete;

  // Text in pieces of any size; a line that spans pieces is joined.
  // `meanwhile` as for ListTextReader::Feed.
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr);
  // Ends the text: a last line without a line end is an entry too.
  void Finish();
  // How many lines were longer than kMaxCandidateBytes and cut to them.
  std::size_t CutLines() const { return cutLines_; }

 private:
  // `cut`: the line held more bytes than it was given with.
  void Take(std::string_view line, bool cut = false);
  // Keeps the bytes of a line begun, no more of them than an entry takes.
  void Carry(const char* data, std::size_t size);
  void TakeLines(const char* begin, const char* end, const std::function<void()>& meanwhile);

  EntrySink& list_;
  ValueSink* const values_;  // the list, when it keeps values: plain lines go as their numbers
  std::string carry_;        // a line begun in an earlier piece, its first bytes
  bool carryCut_ = false;    // the line begun has more bytes than carry_ keeps
  std::size_t cutLines_ = 0;
  std::optional<core::TwoThreads> helper_;
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// Reads a watched descriptor to its end as entry lines (see ReadFileBlocks
// for the failures it throws; a text that fails part-way has appended the
// lines before the one it was in). `betweenBlocks`, when given, runs before
// each block after the first. Answers how many lines were cut to
// kMaxCandidateBytes.
std::size_t ReadEntryLines(EntrySink& list, int fd, const system::FileWatch& watch,
                           const core::LetEventsRun& betweenBlocks = {});

}  // namespace tallowmere::input
