#pragma once
// UTF-16 and UTF-32 text decoded to UTF-8 as it comes, in pieces of any size
// (a code unit or a surrogate pair may be cut between pieces), for list files
// that carry a byte-order mark of either.
//
// Decoded leniently rather than refused, since a damaged character is no
// reason to lose a file's numbers: a surrogate without its other half, a
// UTF-32 unit that is no character (a surrogate, or beyond U+10FFFF), and an
// incomplete unit at the very end each become U+FFFD. It stays in the line it
// was found in, so that line fails the number test: a number whose last
// character was cut off is not read as a shorter one.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace tallowmere::input {

enum class WideForm { kUtf16Le, kUtf16Be, kUtf32Le, kUtf32Be };

class WideTextDecoder {
 public:
  // Where the decoded text goes, a stretch at a time.
  using EmitFn = std::function<void(const char* data, std::size_t size)>;

  // Begins a text of the given form; what was held of an earlier text is
  // forgotten.
  void Begin(WideForm form);
  // Decodes the whole units of the piece; the bytes of a unit cut at its end
  // are held for the next piece. Each stretch handed to `emit` is at most
  // kSpanBytes of the piece decoded.
  void Feed(const unsigned char* data, std::size_t size, const EmitFn& emit);
  // Ends the text: a high surrogate still waiting for its low half, and a
  // unit cut at the end, each become U+FFFD.
  void Finish(const EmitFn& emit);

  // At most this many bytes of a piece are decoded at a time, so that a
  // stretch of decoded text (at most three bytes for every two, or four for
  // every four) stays within a megabyte, the list files' read block.
  static constexpr std::size_t kSpanBytes = std::size_t{1} << 19;

 private:
  char* PutUnit(char* out, std::uint32_t unit);
  std::uint32_t UnitAt(const unsigned char* b) const;

  bool little_ = true;
  std::size_t width_ = 2;
  // The bytes of a code unit whose rest is in the next piece, and a high
  // surrogate waiting for its low half.
  unsigned char partial_[4] = {};
  std::size_t partialSize_ = 0;
  std::uint32_t highSurrogate_ = 0;
  // One stretch of decoded text, reused; as large as the largest stretch so
  // far needed, so a small file costs a small buffer.
  std::unique_ptr<char[]> decoded_;
  std::size_t decodedRoom_ = 0;
};

}  // namespace tallowmere::input
