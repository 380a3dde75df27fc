#include "input/WideText.h"

#include <algorithm>
#include <utility>

#include "core/Utf8.h"

namespace tallowmere::input {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

void WideTextDecoder::Begin(WideForm form) {
  little_ = form == WideForm::kUtf16Le || form == WideForm::kUtf32Le;
  width_ = form == WideForm::kUtf16Le || form == WideForm::kUtf16Be ? 2 : 4;
  partialSize_ = 0;
  highSurrogate_ = 0;
}

std::uint32_t WideTextDecoder::UnitAt(const unsigned char* b) const {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < width_; ++i) u |= std::uint32_t{b[i]} << (8 * (little_ ? i : width_ - 1 - i));
  return u;
}

char* WideTextDecoder::PutUnit(char* out, std::uint32_t unit) {
  if (width_ == 4) {
    const bool character = unit <= 0x10FFFF && !IsHighSurrogate(unit) && !IsLowSurrogate(unit);
    return core::PutUtf8(out, character ? char32_t{unit} : kReplacementCharacter);
  }
  if (highSurrogate_) {
    const std::uint32_t high = std::exchange(highSurrogate_, 0);
    if (IsLowSurrogate(unit)) return core::PutUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
    out = core::PutUtf8(out, kReplacementCharacter);
  }
  if (IsHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return out;
  }
  return core::PutUtf8(out, IsLowSurrogate(unit) ? kReplacementCharacter : char32_t{unit});
}

void WideTextDecoder::Feed(const unsigned char* p, std::size_t size, const EmitFn& emit) {
  // A unit is two or four bytes, never more than the holder of a cut unit
  // takes; saying so here also keeps the compiler from assuming a wider one.
  const std::size_t width = std::min(width_, sizeof partial_);
  const unsigned char* const end = p + size;
  // A unit begun in an earlier piece.
  if (partialSize_ > 0) {
    while (partialSize_ < width && p < end) partial_[partialSize_++] = *p++;
    if (partialSize_ < width) return;
    partialSize_ = 0;
    char bytes[8];
    emit(bytes, static_cast<std::size_t>(PutUnit(bytes, UnitAt(partial_)) - bytes));
  }
  while (static_cast<std::size_t>(end - p) >= width) {
    const std::size_t whole = static_cast<std::size_t>(end - p) / width * width;
    const unsigned char* const stop = p + std::min(whole, kSpanBytes);
    // At most three bytes for each UTF-16 unit (four for a pair), four for
    // each UTF-32 one, and three for a high surrogate from before that turns
    // out unpaired.
    const std::size_t room = static_cast<std::size_t>(stop - p) / width * (width == 2 ? 3 : 4) + 3;
    if (room > decodedRoom_) {
      decoded_.reset();  // never hold the old stretch and the new one at once
      decoded_.reset(new char[room]);
      decodedRoom_ = room;
    }
    char* const begin = decoded_.get();
    char* out = begin;
    for (; p < stop; p += width) out = PutUnit(out, UnitAt(p));
    emit(begin, static_cast<std::size_t>(out - begin));
  }
  while (p < end) partial_[partialSize_++] = *p++;
}

void WideTextDecoder::Finish(const EmitFn& emit) {
  char tail[8];
  char* out = tail;
  if (highSurrogate_) out = core::PutUtf8(out, kReplacementCharacter);
  if (partialSize_ > 0) out = core::PutUtf8(out, kReplacementCharacter);
  emit(tail, static_cast<std::size_t>(out - tail));
  partialSize_ = 0;
  highSurrogate_ = 0;
}

}  // namespace tallowmere::input
