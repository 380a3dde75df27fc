#pragma once
// The value cells of many table rows held for the number test, then kept in
// their lists in the order they were held. The test and the keeping are most
// of the work of reading several columns, and a batch needs nothing of the
// rows still being split: one batch is kept on a helper thread while the
// next fills. Plain C++, no Qt.
#include <cstddef>
#include <future>
#include <string>
#include <string_view>
#include <vector>

#include "input/EntrySource.h"
#include "input/ListCandidates.h"
#include "input/ReadTally.h"

namespace tallowmere::input {

class CellBatch {
 public:
  void AddNumber(double number) { held_.push_back({.kind = Kind::kNumber, .number = number}); }
  void AddNotNumber() { held_.push_back({.kind = Kind::kNotNumber}); }
  // A text cell, to be put to the number test.
  void AddText(std::string_view text);
  // Names the list cell `index` goes to (at its row's end, when its group is known).
  void SetList(std::size_t index, EntrySource& list) { held_[index].list = &list; }
  std::size_t Size() const { return held_.size(); }

  // Decides the texts by `rule` and keeps every cell in its list, in order,
  // telling the texts read in the other convention to `otherConvention`;
  // then holds nothing.
  void Keep(const CandidateRule& rule, ReadTally& otherConvention);

 private:
  enum class Kind : unsigned char { kNumber, kNotNumber, kText };
  struct Held {
    Kind kind = Kind::kNumber;
    double number = 0;
    std::size_t textAt = 0, textSize = 0;  // kText: where its text lies in text_
    EntrySource* list = nullptr;
  };
  class Keeper;

  std::vector<Held> held_;
  std::string text_;
};

// Two batches: one filling on this thread, the one before kept on a helper
// (with `helper`; else each is kept here when handed). Batches are kept one
// at a time, in the order handed; what a helper's keeping throws comes out
// of the next Hand or Finish.
class BatchKeeper {
 public:
  BatchKeeper(const CandidateRule& rule, ReadTally& otherConvention, bool helper)
      : rule_(rule), otherConvention_(otherConvention), helper_(helper) {}
  ~BatchKeeper();
  BatchKeeper(const BatchKeeper&) = delete;
  BatchKeeper& operator=(const BatchKeeper&) = delete;

  CellBatch& Filling() { return batches_[filling_]; }
  // The filling batch is handed on to be kept; an empty one fills next.
  void Hand();
  // Every batch handed or filling is kept when this returns.
  void Finish();

 private:
  void Wait();

  const CandidateRule& rule_;
  ReadTally& otherConvention_;
  bool helper_;
  CellBatch batches_[2];
  std::size_t filling_ = 0;
  std::future<void> keeping_;
};

}  // namespace tallowmere::input
