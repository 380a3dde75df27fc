#pragma once
// List files: plain text, one candidate number per line. The reader appends
// every candidate that passes the number test to the number list, exactly as
// read (untrimmed), in file order. Used by "Load Numbers From File", by drops,
// the folder walk and the command-line analyser (its PATHs and standard input).
//
// What is read: a file's bytes as they are (UTF-8, or any text whose line ends
// are the bytes CR and LF), except that the very first bytes may be a
// byte-order mark, as Windows editors and tools write them:
//   EF BB BF  UTF-8: the mark is skipped, the rest read as it is;
//   FF FE     UTF-16, little-endian, and
//   FE FF     UTF-16, big-endian: the rest is decoded to UTF-8 first, then read
//             by the same rules (the candidate cap counts the decoded bytes).
// A mark anywhere else is text like any other: it fails the number test of
// its line.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/LetEventsRun.h"
#include "input/EntrySink.h"
#include "stats/RadixSort.h"
#include "stats/Separators.h"

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
// `letEventsRun`, when given, is called after each block of a file larger than
// one block, so that a window stays alive while one long file is read.
void LoadListFile(EntrySink& list, const std::string& path, const numtext::Separators& sep,
                  const ShowMessageFn& showMessage, const LetEventsRun& letEventsRun = {});

// Reads an already open descriptor to its end as one list file (the analyser
// reads standard input this way). Throws when a read fails.
void ReadListDescriptor(EntrySink& list, int fd, const numtext::Separators& sep);

// Text pasted from a spreadsheet or an editor (UTF-8), read as the lines of
// a list file with tabs separating candidates too: a block of cells gives
// each cell that is a number, row by row, and a header is skipped.
void ReadPastedText(EntrySink& list, std::string_view text, const numtext::Separators& sep);

// Splits text at every CR and every LF and appends the candidates that pass
// the number test (with the user's separators `sep`). Text may be fed in pieces of any size; a candidate that
// spans pieces is joined. Finish() ends the last candidate. The text is taken
// as it is: a byte-order mark is the business of ListFileReader.
class ListTextReader {
 public:
  ListTextReader(EntrySink& list, numtext::Separators sep);
  ~ListTextReader();
  ListTextReader(const ListTextReader&) = delete;
  ListTextReader& operator=(const ListTextReader&) = delete;
  // `meanwhile`, when given, is run once during the call (it must not fail):
  // on this thread while the helper begins on a large piece, so that the
  // caller can read the next piece meanwhile.
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr);
  void Finish();

 private:
  void Offer(std::string_view candidate);

  EntrySink& list_;
  numtext::Separators sep_;
  std::string carry_;      // the start of a candidate that began in an earlier piece
  bool overlong_ = false;  // the current candidate is already too long: drop it
  // Shares the number test of large pieces; started when a piece first needs
  // it, so a file of a few lines, or a tree of thousands of them, starts no
  // thread at all.
  std::optional<core::TwoThreads> helper_;
  // What the parts of a large piece keep, made with the helper and reused.
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// Reads the bytes of one list file, fed in pieces of any size (the mark is
// recognised however the first bytes are cut): chooses the form from a
// byte-order mark at the very start and hands the text, in UTF-8, to a
// ListTextReader. A file without a mark passes straight through, uncopied.
// Finish() ends the file; the reader may then read another one.
//
// UTF-16 is decoded leniently rather than refused, since a damaged character
// is no reason to lose a file's numbers: a surrogate without its other half
// becomes U+FFFD, and so does an odd byte at the very end of the file. Both
// stay in the line they were found in, so that line fails the number test:
// a number whose last character was cut off is not read as a shorter one.
class ListFileReader {
 public:
  ListFileReader(EntrySink& list, numtext::Separators sep) : text_(list, std::move(sep)) {}
  // `meanwhile` as for ListTextReader::Feed.
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr);
  void Finish();

 private:
  enum class Form { kUndecided, kBytes, kUtf16Le, kUtf16Be };

  void Decide();
  void FeedUtf16(const unsigned char* data, std::size_t size);
  char* PutUnit(char* out, unsigned unit);

  ListTextReader text_;
  Form form_ = Form::kUndecided;
  // The first bytes, while they may still be the start of a mark.
  char head_[3] = {};
  std::size_t headSize_ = 0;
  // UTF-16 only: the first byte of a code unit whose second byte is in the
  // next piece, and a high surrogate waiting for its low half.
  int oddByte_ = -1;
  unsigned highSurrogate_ = 0;
  // One block of decoded text, reused; as large as the largest block so far
  // needed, so a small file costs a small buffer.
  std::unique_ptr<char[]> decoded_;
  std::size_t decodedRoom_ = 0;
};
