#include "input/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tallowmere::input {

namespace {

// Whether a UTF-16 code unit is one a text of plain ASCII holds: a printable
// character, a tab, a CR or an LF.
bool IsAsciiTextUnit(std::uint32_t unit) {
  return (unit >= 0x20 && unit < 0x7F) || unit == '\t' || unit == '\n' || unit == '\r';
}

}  // namespace

void ListFileReader::Decide(bool final) {
  using namespace std::string_view_literals;
  struct Mark {
    std::string_view bytes;
    std::optional<WideForm> wide;  // none: UTF-8, read as it is
  };
  // Longest first: FF FE 00 00 is UTF-32, not UTF-16 that begins with NUL.
  static constexpr Mark kMarks[] = {{"\xFF\xFE\0\0"sv, WideForm::kUtf32Le},
                                    {"\0\0\xFE\xFF"sv, WideForm::kUtf32Be},
                                    {"\xEF\xBB\xBF"sv, std::nullopt},
                                    {"\xFF\xFE"sv, WideForm::kUtf16Le},
                                    {"\xFE\xFF"sv, WideForm::kUtf16Be}};
  const std::string_view head(head_, headSize_);
  // A longer mark may still come.
  if (!final) {
    for (const Mark& mark : kMarks)
      if (mark.bytes.size() > head.size() && mark.bytes.starts_with(head)) return;
  }
  std::size_t skip = 0;
  for (const Mark& mark : kMarks) {
    if (head.starts_with(mark.bytes)) {
      Choose(mark.wide);
      skip = mark.bytes.size();
      break;
    }
  }
  if (form_ == Form::kUndecided) {
    // No mark: UTF-16 all the same while every whole code unit so far is an
    // ASCII character's, in one byte order.
    bool little = true, big = true;
    for (std::size_t i = 0; i + 1 < head.size() && (little || big); i += 2) {
      const auto first = static_cast<unsigned char>(head[i]), second = static_cast<unsigned char>(head[i + 1]);
      little = little && second == 0 && IsAsciiTextUnit(first);
      big = big && first == 0 && IsAsciiTextUnit(second);
    }
    if ((little || big) && !final && head.size() < kUnmarkedWindow) return;
    const bool twoUnits = head.size() >= 4;
    Choose(!twoUnits ? std::nullopt
           : little  ? std::optional(WideForm::kUtf16Le)
           : big     ? std::optional(WideForm::kUtf16Be)
                     : std::nullopt);
  }
  headSize_ = 0;
  FeedText(head.data() + skip, head.size() - skip);
}

void ListFileReader::Choose(std::optional<WideForm> wide) {
  form_ = wide ? Form::kWide : Form::kBytes;
  if (wide) wide_.Begin(*wide);
}

void ListFileReader::FeedWide(const char* data, std::size_t size) {
  wide_.Feed(reinterpret_cast<const unsigned char*>(data), size,
             [this](const char* text, std::size_t length) { text_.Feed(text, length); });
}

void ListFileReader::FeedText(const char* data, std::size_t size) {
  if (form_ == Form::kBytes)
    text_.Feed(data, size);
  else
    FeedWide(data, size);
}

void ListFileReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  Meanwhile pending(meanwhile);
  // The first bytes may arrive a few at a time (a pipe): they are held back
  // until they are a whole mark, or cannot begin one, and, without a mark,
  // until they tell whether the text is UTF-16.
  if (form_ == Form::kUndecided) {
    const std::size_t taken = std::min(size, kUnmarkedWindow - headSize_);
    std::memcpy(head_ + headSize_, data, taken);
    headSize_ += taken;
    data += taken;
    size -= taken;
    Decide(false);
    if (form_ == Form::kUndecided) return;
  }
  if (size == 0) return;
  if (form_ == Form::kBytes)
    text_.Feed(data, size, pending.Hand());
  else
    FeedWide(data, size);
}

void ListFileReader::Finish() {
  if (form_ == Form::kUndecided) Decide(true);
  if (form_ == Form::kWide) wide_.Finish([this](const char* text, std::size_t length) { text_.Feed(text, length); });
  text_.Finish();
  form_ = Form::kUndecided;
  headSize_ = 0;
}

}  // namespace tallowmere::input
