#include "input/CellBatch.h"

#include <system_error>

namespace tallowmere::input {

// Takes the rule's decision on one held text into its list.
class CellBatch::Keeper {
 public:
  Keeper(EntrySource& list, ReadTally& otherConvention) : list_(list), otherConvention_(otherConvention) {}
  void Number(double value) { list_.AppendNumber(value); }
  void Text(std::string_view candidate) { list_.AppendTestedText(candidate); }
  void Skip(std::string_view) { list_.NoteSkipped({}, 1); }
  void Other(std::string_view candidate) { otherConvention_.NoteOtherConvention(candidate, 1); }

 private:
  EntrySource& list_;
  ReadTally& otherConvention_;
};

void CellBatch::AddText(std::string_view text) {
  held_.push_back({.kind = Kind::kText, .number = 0, .textAt = text_.size(), .textSize = text.size()});
  text_.append(text);
}

void CellBatch::Keep(const CandidateRule& rule, ReadTally& otherConvention) {
  const std::string_view texts(text_);
  for (const Held& held : held_) {
    EntrySource& list = *held.list;
    switch (held.kind) {
      case Kind::kNumber:
        list.AppendNumber(held.number);
        break;
      case Kind::kNotNumber:
        list.NoteSkipped({}, 1);
        break;
      case Kind::kText: {
        Keeper keeper(list, otherConvention);
        rule.Decide(texts.substr(held.textAt, held.textSize), keeper);
        break;
      }
    }
  }
  held_.clear();
  text_.clear();
}

BatchKeeper::~BatchKeeper() {
  if (keeping_.valid()) keeping_.wait();
}

void BatchKeeper::Wait() {
  if (keeping_.valid()) keeping_.get();
}

void BatchKeeper::Hand() {
  Wait();
  CellBatch& handed = batches_[filling_];
  filling_ ^= 1;
  if (!helper_) return handed.Keep(rule_, otherConvention_);
  try {
    keeping_ = std::async(std::launch::async, [this, &handed] { handed.Keep(rule_, otherConvention_); });
  } catch (const std::system_error&) {
    // No thread to be had: kept here.
    handed.Keep(rule_, otherConvention_);
  }
}

void BatchKeeper::Finish() {
  Wait();
  batches_[filling_].Keep(rule_, otherConvention_);
}

}  // namespace tallowmere::input
