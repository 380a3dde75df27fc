#include "input/ListCandidates.h"

#include "core/LineEnds.h"

namespace tallowmere::input {

void OfferToList::OfferLines(const char* begin, const char* end) {
  const char* start = begin;
  core::ForEachLineEnd(begin, end, [&](const char* at) {
    Offer(std::string_view(start, static_cast<std::size_t>(at - start)));
    start = at + 1;
  });
}

ListCandidates::ListCandidates(EntrySink& list, const numtext::Separators& sep)
    : list_(list), rule_(ValuesOf(list), sep) {}

void ListCandidates::Offer(std::string_view candidate) { OfferToList(list_, rule_, false).Offer(candidate); }

}  // namespace tallowmere::input
