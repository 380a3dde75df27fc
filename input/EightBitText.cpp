#include "input/EightBitText.h"

#include <algorithm>

#include "core/Utf8.h"

namespace tallowmere::input {

namespace {

// 0x80-0x9F; the rest of the page is Latin-1, the byte's own value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t Windows1252Character(unsigned char byte) noexcept {
  return byte >= 0x80 && byte < 0xA0 ? char32_t{kHighControls[byte - 0x80]} : char32_t{byte};
}

void Windows1252Decoder::Feed(const char* data, std::size_t size, const EmitFn& emit) {
  const char* const end = data + size;
  while (data < end) {
    const char* const stop = data + std::min(static_cast<std::size_t>(end - data), kSpanBytes);
    const std::size_t room = static_cast<std::size_t>(stop - data) * 3;
    if (room > decodedRoom_) {
      decoded_.reset();  // never hold the old stretch and the new one at once
      decoded_.reset(new char[room]);
      decodedRoom_ = room;
    }
    char* const begin = decoded_.get();
    char* out = begin;
    for (; data < stop; ++data) {
      const auto byte = static_cast<unsigned char>(*data);
      if (byte < 0x80)
        *out++ = *data;
      else
        out = core::PutUtf8(out, Windows1252Character(byte));
    }
    emit(begin, static_cast<std::size_t>(out - begin));
  }
}

}  // namespace tallowmere::input
