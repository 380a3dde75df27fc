#pragma once
// List files: plain text, one candidate number per line. The reader appends
// every candidate that passes the number test to the number list, exactly as
// read (untrimmed), in file order. Used by "Load Numbers From File", by drops
// and by the command-line analyser.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "input/EntrySink.h"
#include "stats/RadixSort.h"

inline constexpr const char* kFileNotFoundMessage = "File not found";

// A candidate longer than this is not a plausible number: it is skipped
// without ever being held whole, so an enormous line or a binary file costs
// no more memory than a small one.
inline constexpr std::size_t kMaxCandidateBytes = 4096;

// Files are read in blocks of this size.
inline constexpr std::size_t kReadBlockBytes = std::size_t{1} << 20;

// Shows a notice such as "File not found": a message box in the window, a
// line on standard error in the analyser.
using ShowMessageFn = std::function<void(const std::string& text)>;

// True when the path's status (and so its modification time) can be read.
// A symbolic link is followed. Never fails.
bool FileExists(const std::string& path) noexcept;

// Tidies a composed path. A path that does not begin with `separator` has
// each pair of adjacent separators replaced by one, in a single left-to-right
// pass without overlap (a run of two becomes one, three or four become two).
// A path that begins with separators keeps the text after that leading run,
// tidied the same way, behind a fixed prefix: one '/' here; two '\' with the
// backslash separator (the network-path rule of systems that use it).
std::string FixPathSlashes(std::string_view path, char separator = '/');

// Reads one list file and appends its numbers to `list`.
// Missing path, or a path that is not a regular file (a folder, FIFO, socket
// or device, which would block or never end): shows "File not found" and
// appends nothing. Any other failure (the file cannot be opened or a read
// fails part-way) throws; what was appended before stays appended.
void LoadListFile(EntrySink& list, const std::string& path, const ShowMessageFn& showMessage);

// Reads an already open descriptor to its end as one list file (the analyser
// reads standard input this way). Throws when a read fails.
void ReadListDescriptor(EntrySink& list, int fd);

// Splits text at every CR and every LF and appends the candidates that pass
// the number test. Text may be fed in pieces of any size; a candidate that
// spans pieces is joined. Finish() ends the last candidate.
class ListTextReader {
 public:
  explicit ListTextReader(EntrySink& list) : list_(list) {}
  void Feed(const char* data, std::size_t size);
  void Finish();

 private:
  void Offer(std::string_view candidate);

  EntrySink& list_;
  std::string carry_;     // the start of a candidate that began in an earlier piece
  bool overlong_ = false;  // the current candidate is already too long: drop it
  // Shares the number test of large pieces; started when a piece first needs
  // it, so a file of a few lines, or a tree of thousands of them, starts no
  // thread at all.
  std::optional<radix::TwoThreads> helper_;
};
