#pragma once
// List files: plain text, one candidate number per line. The reader appends
// every candidate that passes the number test to the number list, exactly as
// read (untrimmed), in file order. Used by "Load Numbers From File", by drops,
// the folder walk and the command-line analyser (its PATHs and standard input).
//
// What is read: a file's bytes as they are (UTF-8, or any text whose line ends
// are the bytes CR and LF), except that the very first bytes may be a
// byte-order mark, as Windows editors and tools write them:
//   EF BB BF     UTF-8: the mark is skipped, the rest read as it is;
//   FF FE        UTF-16, little-endian, and
//   FE FF        UTF-16, big-endian, and
//   FF FE 00 00  UTF-32, little-endian, and
//   00 00 FE FF  UTF-32, big-endian: the rest is decoded to UTF-8 first, then
//                read by the same rules (the candidate cap counts the decoded
//                bytes).
// A mark anywhere else is text like any other: it fails the number test of
// its line. A file without a mark is UTF-16 all the same when its first bytes
// say so (see ListFileReader).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/LetEventsRun.h"
#include "core/Translation.h"
#include "core/TwoThreads.h"
#include "input/EntrySink.h"
#include "input/WideText.h"
#include "numtext/Separators.h"
#include "system/FileSystem.h"

namespace tallowmere::input {

class TextPieceReader;

inline constexpr const char* kFileNotFoundMessage = QT_TRANSLATE_NOOP("ListFile", "File not found");

// A candidate longer than this is not a plausible number: it is skipped
// without ever being held whole, so an enormous line or a binary file costs
// no more memory than a small one.
inline constexpr std::size_t kMaxCandidateBytes = 4096;

// Files are read in blocks of this size.
inline constexpr std::size_t kReadBlockBytes = std::size_t{1} << 20;

// Why LoadListFile read nothing of a path.
enum class NotRead {
  kMissing,         // nothing by that name (or a link that leads nowhere)
  kNotRegularFile,  // a folder, FIFO, socket or device
};

// Tells the user that a path was not read: the window shows "File not found"
// with the path (FileNotFoundText), the analyser a line naming the path and
// the reason.
using ShowNotReadFn = std::function<void(const std::string& path, NotRead why)>;

// "File not found" and, on a second line, the path: in a drop of many files
// the notice must say which one.
std::string FileNotFoundText(std::string_view path);

// Asked while a long file is read, right after window events ran: true ends
// the reading there.
using ShouldStopFn = std::function<bool()>;

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
// or device, which would block or never end): tells `showNotRead` and appends
// nothing. Any other failure throws system::FileSystemError, its description
// naming the path: the file cannot be opened, a read fails part-way, or the
// file changed while it was read (system::FileChanged); what was appended
// before stays appended, the line the reading was in is dropped.
// `letEventsRun` and `shouldStop`, when given, are called between the blocks
// of a file of more than one block, whatever size the file reports (a file of
// /proc reports 0 and may never end), so that a window stays alive, and can
// stop, while one long file is read. Returns false when `shouldStop` ended the
// reading; the numbers read before stay appended.
bool LoadListFile(EntrySink& list, const std::string& path, const numtext::Separators& sep,
                  const ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun = {},
                  const ShouldStopFn& shouldStop = {});

// Reads an already open descriptor to its end as one list file (the analyser
// reads standard input this way). Throws as LoadListFile does, naming the
// input `name`.
void ReadListDescriptor(EntrySink& list, int fd, const numtext::Separators& sep,
                        const std::string& name = "standard input");

// LoadListFile, with the file's text (decoded as a list file's) handed to
// `text` rather than read as lines; `list` is where `text` appends.
bool LoadFileText(EntrySink& list, TextPieceReader& text, const std::string& path, const ShowNotReadFn& showNotRead,
                  const core::LetEventsRun& letEventsRun = {}, const ShouldStopFn& shouldStop = {});

// ReadListDescriptor, with the text handed to `text`.
void ReadDescriptorText(TextPieceReader& text, int fd, const std::string& name = "standard input");

// Hands one block of a file to its reader; `meanwhile` as for
// ListTextReader::Feed.
using FeedBlockFn = std::function<void(const char* data, std::size_t size, const std::function<void()>& meanwhile)>;

// Reads an open descriptor to its end in blocks of `blockSize`, handing each
// block to `feed`. Before each block after the first, `letEventsRun` runs and
// then `shouldStop` is asked (each when given): true ends the reading there,
// and the answer is false. With `ahead`, the next block is read while this
// one is fed. When the descriptor is a regular file, it must not have changed
// by the end (system::FileWatch). Throws system::FileSystemError naming the
// watched path when a read fails, system::FileChanged when the file changed;
// `feed` is not called after either.
bool ReadFileBlocks(int fd, const system::FileWatch& watch, std::size_t blockSize, bool ahead, const FeedBlockFn& feed,
                    const core::LetEventsRun& letEventsRun = {}, const ShouldStopFn& shouldStop = {});

// Text pasted from a spreadsheet or an editor (UTF-8), read as the lines of
// a list file with tabs separating candidates too: a block of cells gives
// each cell that is a number, row by row, and a header is skipped. A long
// text is read in blocks: between them `progress` hears how many bytes were
// read, the entries so far are flushed and `letEventsRun` runs, then
// `shouldStop` is asked (each when given); true ends the reading there, the
// candidate it was in dropped, and the answer is false. (The window reads
// the clipboard's own text with the same rules: see PastedText.)
bool ReadPastedText(EntrySink& list, std::string_view text, const numtext::Separators& sep,
                    const core::LetEventsRun& letEventsRun = {}, const ShouldStopFn& shouldStop = {},
                    const std::function<void(std::size_t bytesRead)>& progress = {});

// Tests one candidate by the rules of a list file's lines and, when it
// passes, appends it: for text whose candidates are not lines (the fields of
// a table's column), so that they are read exactly as the lines would be.
class ListCandidates {
 public:
  ListCandidates(EntrySink& list, const numtext::Separators& sep);
  void Offer(std::string_view candidate);

 private:
  EntrySink& list_;
  numtext::Separators sep_;
  ValueSink* values_;  // the list, when it keeps values
  bool pointText_;
};

// What reads a file's text, in UTF-8, fed in pieces of any size: a list
// file's lines (ListTextReader), or a table's column. Finish() ends the text.
class TextPieceReader {
 public:
  virtual ~TextPieceReader() = default;
  // `meanwhile`, when given, is run once during the call (it must not fail):
  // on this thread while the reader's helper begins on a large piece, so that
  // the caller can read the next piece meanwhile; else when the call ends.
  virtual void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr) = 0;
  virtual void Finish() = 0;
};

// Splits text at every CR and every LF and appends the candidates that pass
// the number test of list lines (numtext::TestListLine, with the user's
// separators `sep`), telling the list of those read in the other convention.
// Text may be fed in pieces of any size; a candidate that spans pieces is
// joined. Finish() ends the last candidate. The text is taken as it is: a
// byte-order mark is the business of ListFileReader.
class ListTextReader final : public TextPieceReader {
 public:
  ListTextReader(EntrySink& list, numtext::Separators sep);
  ~ListTextReader() override;
  ListTextReader(const ListTextReader&) = delete;
  ListTextReader& operator=(const ListTextReader&) = delete;
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr) override;
  void Finish() override;

 private:
  // Of a candidate too long to be a number, this much of its start is kept to
  // tell the list what was skipped.
  static constexpr std::size_t kOverlongHeadBytes = 256;

  void Offer(std::string_view candidate);
  void BeginOverlong(std::string_view start);
  void EndOverlong();

  EntrySink& list_;
  ValueSink* values_;  // the list, when it keeps values
  numtext::Separators sep_;
  std::string carry_;         // the start of a candidate that began in an earlier piece
  bool overlong_ = false;     // the current candidate is already too long: drop it
  std::string overlongHead_;  // its start, while it is dropped
  // Shares the number test of large pieces; started when a piece first needs
  // it, so a file of a few lines, or a tree of thousands of them, starts no
  // thread at all.
  std::optional<core::TwoThreads> helper_;
  // What the parts of a large piece keep, made with the helper and reused.
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// Pasted text (UTF-8) fed in pieces of any size: a ListTextReader for which
// a tab ends a candidate as a line end does.
class PastedTextReader {
 public:
  PastedTextReader(EntrySink& list, numtext::Separators sep) : text_(list, std::move(sep)) {}
  void Feed(const char* data, std::size_t size);
  void Finish() { text_.Finish(); }

 private:
  ListTextReader text_;
  // A piece with its tabs made line ends, reused, as large as the largest
  // piece so far, so that a paste of millions of lines is not held twice.
  std::unique_ptr<char[]> lines_;
  std::size_t room_ = 0;
};

// Reads the bytes of one list file, fed in pieces of any size (the mark is
// recognised however the first bytes are cut): chooses the form from a
// byte-order mark at the very start and hands the text, in UTF-8, to a
// ListTextReader, or to the TextPieceReader it was given. A file without a
// mark passes straight through, uncopied. Finish() ends the file; the reader
// may then read another one.
//
// A file without a mark is UTF-16 all the same when its first bytes say so:
// among its first kUnmarkedWindow bytes (all of them in a shorter file) there
// are at least two whole code units, and every one of them is a printable
// ASCII character, a tab, a CR or an LF, with its high byte NUL: the second
// byte of each pair for little-endian, the first for big-endian (as tools that
// write no mark, such as iconv, give it). Plain text has no NUL byte, so it is
// never taken for UTF-16; a binary file would need a whole first stretch of
// such pairs.
//
// UTF-16 and UTF-32 are decoded leniently (see WideTextDecoder).
class ListFileReader {
 public:
  static constexpr std::size_t kUnmarkedWindow = 512;

  ListFileReader(EntrySink& list, numtext::Separators sep)
      : ownText_(std::in_place, list, std::move(sep)), text_(*ownText_) {}
  explicit ListFileReader(TextPieceReader& text) : text_(text) {}
  // `meanwhile` as for ListTextReader::Feed.
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr);
  void Finish();

 private:
  enum class Form { kUndecided, kBytes, kWide };

  // Chooses the form from the bytes held back, once they suffice (or, with
  // `final`, from what there is) and hands on the text after any mark.
  void Decide(bool final);
  // The form a mark or the first bytes chose: UTF-8 (none) or a wide one.
  void Choose(std::optional<WideForm> wide);
  void FeedText(const char* data, std::size_t size);
  void FeedWide(const char* data, std::size_t size);

  std::optional<ListTextReader> ownText_;  // a list file's lines, unless another reader was given
  TextPieceReader& text_;
  Form form_ = Form::kUndecided;
  // The first bytes, while they may still be the start of a mark or of
  // UTF-16 without one.
  char head_[kUnmarkedWindow] = {};
  std::size_t headSize_ = 0;
  WideTextDecoder wide_;  // the form kWide: UTF-16 or UTF-32
};

}  // namespace tallowmere::input
