#include "input/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/Utf8.h"

namespace tallowmere::input {

namespace {

using namespace std::string_view_literals;

// Whether a UTF-16 code unit is one a text of plain ASCII holds: a printable
// character, a tab, a CR or an LF.
bool IsAsciiTextUnit(std::uint32_t unit) {
  return (unit >= 0x20 && unit < 0x7F) || unit == '\t' || unit == '\n' || unit == '\r';
}

struct Mark {
  std::string_view bytes;
  TextForm form;
};
// Longest first: FF FE 00 00 is UTF-32, not UTF-16 that begins with NUL.
constexpr Mark kMarks[] = {{"\xFF\xFE\0\0"sv, TextForm::kUtf32Le},
                           {"\0\0\xFE\xFF"sv, TextForm::kUtf32Be},
                           {"\xEF\xBB\xBF"sv, TextForm::kUtf8},
                           {"\xFF\xFE"sv, TextForm::kUtf16Le},
                           {"\xFE\xFF"sv, TextForm::kUtf16Be}};

// What the first bytes choose.
struct HeadForm {
  TextForm form;
  std::size_t mark;  // the length of the mark to skip
};

// The form of a text by its first bytes; nothing while more of them could
// still change it (never when `final`: they are all there will be).
std::optional<HeadForm> FormOfHead(std::string_view head, bool final) {
  // A longer mark may still come.
  if (!final) {
    for (const Mark& mark : kMarks)
      if (mark.bytes.size() > head.size() && mark.bytes.starts_with(head)) return std::nullopt;
  }
  for (const Mark& mark : kMarks)
    if (head.starts_with(mark.bytes)) return HeadForm{mark.form, mark.bytes.size()};
  // No mark: UTF-16 all the same while every whole code unit so far is an
  // ASCII character's, in one byte order.
  bool little = true, big = true;
  for (std::size_t i = 0; i + 1 < head.size() && (little || big); i += 2) {
    const auto first = static_cast<unsigned char>(head[i]), second = static_cast<unsigned char>(head[i + 1]);
    little = little && second == 0 && IsAsciiTextUnit(first);
    big = big && first == 0 && IsAsciiTextUnit(second);
  }
  if ((little || big) && !final && head.size() < ListFileReader::kUnmarkedWindow) return std::nullopt;
  const bool twoUnits = head.size() >= 4;
  return HeadForm{!twoUnits ? TextForm::kUtf8
                  : little  ? TextForm::kUtf16Le
                  : big     ? TextForm::kUtf16Be
                            : TextForm::kUtf8,
                  0};
}

// The mark of a form, if it has one.
std::string_view MarkOf(TextForm form) {
  for (const Mark& mark : kMarks)
    if (mark.form == form) return mark.bytes;
  return {};
}

// Whether `text` is well-formed UTF-8; when it is not `whole`, a sequence
// cut at its end counts as whole.
bool IsWellFormedUtf8(std::string_view text, bool whole) {
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = core::Utf8SequenceLength(text, at);
    if (length == 0) {
      // A sequence the end cut: well-formed as far as it goes.
      const std::size_t left = text.size() - at;
      return !whole && left < 4 && core::Utf8SequenceLength(std::string(text.substr(at)) + "\x80\x80\x80", 0) > left;
    }
    at += length;
  }
  return true;
}

}  // namespace

TextForm DetectTextForm(std::string_view start, bool whole) {
  const HeadForm head = *FormOfHead(start.substr(0, ListFileReader::kUnmarkedWindow), true);
  if (head.form != TextForm::kUtf8 || head.mark > 0) return head.form;
  return IsWellFormedUtf8(start, whole) ? TextForm::kUtf8 : TextForm::kWindows1252;
}

void ListFileReader::Decide(bool final) {
  const std::string_view head(head_, headSize_);
  std::optional<HeadForm> chosen;
  if (!forced_) {
    chosen = FormOfHead(head, final);
  } else {
    // Only the forced form's own mark is skipped; it may still be coming.
    const std::string_view mark = MarkOf(*forced_);
    if (!final && mark.size() > head.size() && mark.starts_with(head)) return;
    chosen = HeadForm{*forced_, head.starts_with(mark) ? mark.size() : 0};
  }
  if (!chosen) return;
  Choose(chosen->form);
  headSize_ = 0;
  FeedText(head.data() + chosen->mark, head.size() - chosen->mark);
}

void ListFileReader::Choose(TextForm form) {
  switch (form) {
    case TextForm::kUtf8:
      form_ = Form::kBytes;
      return;
    case TextForm::kWindows1252:
      form_ = Form::kEightBit;
      return;
    case TextForm::kUtf16Le:
      wide_.Begin(WideForm::kUtf16Le);
      break;
    case TextForm::kUtf16Be:
      wide_.Begin(WideForm::kUtf16Be);
      break;
    case TextForm::kUtf32Le:
      wide_.Begin(WideForm::kUtf32Le);
      break;
    case TextForm::kUtf32Be:
      wide_.Begin(WideForm::kUtf32Be);
      break;
  }
  form_ = Form::kWide;
}

void ListFileReader::FeedWide(const char* data, std::size_t size) {
  wide_.Feed(reinterpret_cast<const unsigned char*>(data), size,
             [this](const char* text, std::size_t length) { text_.Feed(text, length); });
}

void ListFileReader::FeedEightBit(const char* data, std::size_t size) {
  eightBit_.Feed(data, size, [this](const char* text, std::size_t length) { text_.Feed(text, length); });
}

void ListFileReader::FeedText(const char* data, std::size_t size) {
  if (form_ == Form::kBytes)
    text_.Feed(data, size);
  else if (form_ == Form::kEightBit)
    FeedEightBit(data, size);
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
    FeedText(data, size);
}

void ListFileReader::Finish() {
  if (form_ == Form::kUndecided) Decide(true);
  if (form_ == Form::kWide) wide_.Finish([this](const char* text, std::size_t length) { text_.Feed(text, length); });
  text_.Finish();
  form_ = Form::kUndecided;
  headSize_ = 0;
}

}  // namespace tallowmere::input
