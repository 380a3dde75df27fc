#include "input/TwoThreadLines.h"

#include <cstdint>
#include <exception>
#include <string_view>
#include <vector>

#include "core/LineEnds.h"
#include "input/KeptEntries.h"
#include "numtext/LeadingNumber.h"

namespace tallowmere::input {

namespace {

// The text is cut, at line ends, into parts of about this size.
constexpr std::size_t kPartBytes = std::size_t{1} << 14;

// What a part keeps until it is appended. For a list of values, a part keeps
// the numbers of plain entries and the places of the others (KeptEntries);
// for a list of texts, the place of every candidate that passed.
struct PartKept : KeptEntries {
  struct Passed {
    std::uint32_t offset;  // from the part's start
    std::uint32_t length;
  };
  std::vector<Passed> passed;
  // Candidates that failed the number test (blank ones aside), and where the
  // first of them is.
  std::size_t skipped = 0;
  std::uint32_t firstSkippedOffset = 0;
  std::uint32_t firstSkippedLength = 0;
  // Candidates read in the other convention, and where the first is.
  std::size_t otherConvention = 0;
  std::uint32_t firstOtherOffset = 0;
  std::uint32_t firstOtherLength = 0;
  std::exception_ptr failure;  // the test failed here, after the passed ones

  void Reset() {
    passed.clear();
    Clear();
    skipped = 0;
    otherConvention = 0;
    failure = nullptr;
  }
  void Skip(std::size_t offset, std::size_t length) {
    if (length == 0) return;
    if (skipped++ > 0) return;
    firstSkippedOffset = static_cast<std::uint32_t>(offset);
    firstSkippedLength = static_cast<std::uint32_t>(length);
  }
  void NoteOther(std::size_t offset, std::size_t length) {
    if (otherConvention++ > 0) return;
    firstOtherOffset = static_cast<std::uint32_t>(offset);
    firstOtherLength = static_cast<std::uint32_t>(length);
  }
};

// What the rule decides for the lines of one part, kept in the part.
class KeepInPart {
 public:
  KeepInPart(const char* first, bool values, PartKept& k) : first_(first), values_(values), k_(k) {}

  void Number(double value) { k_.values.push_back(value); }
  void Text(std::string_view candidate) {
    if (values_)
      k_.AddText(Offset(candidate), candidate.size());
    else
      k_.passed.push_back(
          {static_cast<std::uint32_t>(Offset(candidate)), static_cast<std::uint32_t>(candidate.size())});
  }
  void Skip(std::string_view candidate) { k_.Skip(Offset(candidate), candidate.size()); }
  void Other(std::string_view candidate) { k_.NoteOther(Offset(candidate), candidate.size()); }

 private:
  std::size_t Offset(std::string_view candidate) const { return static_cast<std::size_t>(candidate.data() - first_); }

  const char* first_;
  bool values_;
  PartKept& k_;
};

// Tests the lines of [first, last) into `k`. With the rule's quick values,
// the common line is read with the bytes after it (up to `readable`), inline:
// this is the reading's inner loop, which a call per line slowed by nearly a
// tenth.
void PreparePart(const CandidateRule& rule, const char* first, const char* last, const char* readable, PartKept& k) {
  KeepInPart keep(first, rule.Values() != nullptr, k);
  if (rule.Values()) k.values.reserve(static_cast<std::size_t>(last - first) / 4);
  const char* start = first;
  auto line = [&](const char* at) {
    const char* const text = start;
    const auto length = static_cast<std::size_t>(at - text);
    start = at + 1;
    rule.Decide(std::string_view(text, length), keep,
                [&](double& value) { return numtext::PlainLeadingNumberIn(text, length, readable, value); });
  };
  if (rule.QuickValues())
    core::ForEachLineEnd(first, last, line);
  else
    core::ForEachLineEnd(first, last, [&](const char* at) {
      const char* const text = start;
      start = at + 1;
      rule.Decide(std::string_view(text, static_cast<std::size_t>(at - text)), keep);
    });
}

// Appends what a part kept, and tells what it skipped and read in the other
// convention; a failure it kept goes on from here.
void TakePart(EntrySink& list, const CandidateRule& rule, const char* first, const PartKept& k) {
  for (const PartKept::Passed& p : k.passed) list.AppendTestedText(std::string_view(first + p.offset, p.length));
  if (rule.Values()) k.HandOver(*rule.Values(), first, [&list](std::string_view text) { list.AppendTestedText(text); });
  if (k.skipped > 0) list.NoteSkipped(std::string_view(first + k.firstSkippedOffset, k.firstSkippedLength), k.skipped);
  if (k.otherConvention > 0)
    list.NoteOtherConvention(std::string_view(first + k.firstOtherOffset, k.firstOtherLength), k.otherConvention);
  if (k.failure) std::rethrow_exception(k.failure);
}

std::vector<const char*> CutIntoParts(const char* begin, const char* end) {
  std::vector<const char*> cuts{begin};
  while (static_cast<std::size_t>(end - cuts.back()) > kPartBytes) {
    const char* at = core::FindLineEnd(cuts.back() + kPartBytes, end);
    if (at >= end - 1) break;
    cuts.push_back(at + 1);
  }
  cuts.push_back(end);
  return cuts;
}

}  // namespace

struct TwoThreadLines::Parts {
  std::vector<PartKept> kept;
};

TwoThreadLines::TwoThreadLines() : parts_(std::make_unique<Parts>()) {}
TwoThreadLines::~TwoThreadLines() = default;

void TwoThreadLines::OfferLines(EntrySink& list, const CandidateRule& rule, const char* begin, const char* end,
                                const std::function<void()>& meanwhile) {
  const std::vector<const char*> cuts = CutIntoParts(begin, end);
  const std::size_t parts = cuts.size() - 1;
  std::vector<PartKept>& kept = parts_->kept;
  if (kept.size() < parts) kept.resize(parts);
  auto prepare = [&](std::size_t part) {
    PartKept& k = kept[part];
    k.Reset();
    try {
      // The bytes after a line, up to the end of the whole text, may be read
      // with it.
      PreparePart(rule, cuts[part], cuts[part + 1], end, k);
    } catch (...) {
      k.failure = std::current_exception();
    }
  };
  auto take = [&](std::size_t part) { TakePart(list, rule, cuts[part], kept[part]); };
  core::RunInOrder(
      threads_, parts, prepare, take,
      [&](std::size_t part) {
        // A list of numbers only takes them in runs here too.
        if (rule.Values()) {
          prepare(part);
          take(part);
        } else {
          OfferToList(list, rule).OfferLines(cuts[part], cuts[part + 1]);
        }
      },
      meanwhile);
}

}  // namespace tallowmere::input
