#pragma once
// The form of a list file's bytes: UTF-8 (or any text whose line ends are the
// bytes CR and LF) as it is, except that the very first bytes may be a
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
//
// A table's text may instead be read in a form the user chose (TextForm),
// Windows-1252 among them, which no mark names.
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "input/EightBitText.h"
#include "input/EntrySink.h"
#include "input/ListText.h"
#include "input/TextForm.h"
#include "input/WideText.h"
#include "numtext/Separators.h"

namespace tallowmere::input {

// The form of a text by its first block (`whole`: the block is all of it):
// a mark's, or unmarked UTF-16's, as ListFileReader chooses; else UTF-8,
// unless the block is no well-formed UTF-8 (a sequence the block's end cuts
// is none the worse), when it is Windows-1252: a CSV that Calc or Excel
// wrote on Windows in a Western locale.
TextForm DetectTextForm(std::string_view start, bool whole);

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
  // With `forced`, the text is read in that form whatever its first bytes
  // say: a mark of that form at the very start is skipped, any other is
  // text. Forced UTF-8 is handed on as it is, uncopied, as without a mark.
  explicit ListFileReader(TextPieceReader& text, std::optional<TextForm> forced = std::nullopt)
      : text_(text), forced_(forced) {}
  // `meanwhile` as for ListTextReader::Feed.
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr);
  void Finish();

 private:
  enum class Form { kUndecided, kBytes, kWide, kEightBit };

  // Chooses the form from the bytes held back, once they suffice (or, with
  // `final`, from what there is) and hands on the text after any mark.
  void Decide(bool final);
  // The form a mark, the first bytes or the caller chose.
  void Choose(TextForm form);
  void FeedText(const char* data, std::size_t size);
  void FeedWide(const char* data, std::size_t size);
  void FeedEightBit(const char* data, std::size_t size);

  std::optional<ListTextReader> ownText_;  // a list file's lines, unless another reader was given
  TextPieceReader& text_;
  std::optional<TextForm> forced_;
  Form form_ = Form::kUndecided;
  // The first bytes, while they may still be the start of a mark or of
  // UTF-16 without one.
  char head_[kUnmarkedWindow] = {};
  std::size_t headSize_ = 0;
  WideTextDecoder wide_;  // the form kWide: UTF-16 or UTF-32
  Windows1252Decoder eightBit_;
};

}  // namespace tallowmere::input
