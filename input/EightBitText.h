#pragma once
// Text of one byte per character in the Western code page of Windows
// (Windows-1252) decoded to UTF-8 as it comes, in pieces of any size: what
// Calc and Excel write for a CSV in a Western European locale on Windows
// ("Größe" as the bytes 47 72 F6 DF 65), which read as UTF-8 would be
// mojibake.
//
// Windows-1252 rather than ISO 8859-1: the two differ only in 0x80-0x9F,
// where ISO 8859-1 has control characters no table holds and Windows-1252
// has the euro sign, the typographic quotes and dashes, "Š", "Œ" and their
// kind, which such files do hold. The five bytes Windows-1252 leaves
// undefined (81, 8D, 8F, 90, 9D) become the control characters of the same
// value, as browsers decode them: every byte is some character, nothing is
// lost.
#include <cstddef>
#include <functional>
#include <memory>

namespace tallowmere::input {

class Windows1252Decoder {
 public:
  using EmitFn = std::function<void(const char* data, std::size_t size)>;

  // Decodes the piece; each stretch handed to `emit` is at most kSpanBytes
  // of it decoded (at most three bytes for each).
  void Feed(const char* data, std::size_t size, const EmitFn& emit);

  static constexpr std::size_t kSpanBytes = std::size_t{1} << 18;

 private:
  // One stretch of decoded text, reused; as large as the largest needed.
  std::unique_ptr<char[]> decoded_;
  std::size_t decodedRoom_ = 0;
};

// The character a Windows-1252 byte stands for.
char32_t Windows1252Character(unsigned char byte) noexcept;

}  // namespace tallowmere::input
