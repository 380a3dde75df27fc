#include "input/ListText.h"

#include <algorithm>
#include <utility>

#include "core/LineEnds.h"
#include "input/TwoThreadLines.h"

namespace tallowmere::input {

ListTextReader::ListTextReader(EntrySink& list, numtext::Separators sep)
    : list_(list), rule_(ValuesOf(list), std::move(sep)) {}
ListTextReader::~ListTextReader() = default;

void ListTextReader::Offer(std::string_view candidate) { OfferToList(list_, rule_).Offer(candidate); }

void ListTextReader::BeginOverlong(std::string_view start) {
  overlong_ = true;
  overlongHead_.assign(start.substr(0, kOverlongHeadBytes));
}

void ListTextReader::EndOverlong() {
  overlong_ = false;
  list_.NoteSkipped(overlongHead_, 1);
  overlongHead_.clear();
}

const char* ListTextReader::EndCarried(const char* p, const char* end) {
  const char* stop = core::FindLineEnd(p, end);
  const std::size_t length = static_cast<std::size_t>(stop - p);
  if (stop == end) {
    // It goes on in the next piece.
    if (!overlong_) {
      if (carry_.size() + length > kMaxCandidateBytes) {
        carry_.append(p, std::min(length, kOverlongHeadBytes));
        BeginOverlong(carry_);
        std::string().swap(carry_);
      } else {
        carry_.append(p, length);
      }
    }
    return end;
  }
  if (overlong_) {
    EndOverlong();
  } else if (carry_.size() + length <= kMaxCandidateBytes) {
    carry_.append(p, length);
    Offer(carry_);
  } else {
    carry_.append(p, std::min(length, kOverlongHeadBytes));
    list_.NoteSkipped(std::string_view(carry_).substr(0, kOverlongHeadBytes), 1);
  }
  carry_.clear();
  return stop + 1;
}

void ListTextReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  Meanwhile pending(meanwhile);
  const char* p = data;
  const char* const end = data + size;
  if (p == end) return;
  // A candidate that began in an earlier piece ends at the first line end.
  if (overlong_ || !carry_.empty()) {
    p = EndCarried(p, end);
    if (p == end) return;
  }
  // Every candidate up to the last line end is whole.
  if (const char* last = core::FindLastLineEnd(p, end)) {
    if (static_cast<std::size_t>(last + 1 - p) < kTwoThreadBytes) {
      OfferToList(list_, rule_).OfferLines(p, last + 1);
    } else {
      if (!helper_) helper_ = std::make_unique<TwoThreadLines>();
      helper_->OfferLines(list_, rule_, p, last + 1, pending.Hand());
    }
    p = last + 1;
  }
  // The rest begins a candidate that goes on in the next piece.
  const std::size_t length = static_cast<std::size_t>(end - p);
  if (length > kMaxCandidateBytes) {
    BeginOverlong(std::string_view(p, length));
  } else {
    carry_.assign(p, length);
  }
}

void ListTextReader::Finish() {
  if (overlong_)
    EndOverlong();
  else
    Offer(carry_);
  carry_.clear();
}

}  // namespace tallowmere::input
