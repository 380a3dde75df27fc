#pragma once
// The end of a sheet part read on two threads: whatever way the first part's
// reading leaves, the helper reading the second is told to stop, and joined,
// before anything it reads into goes.
#include <thread>

#include "input/SheetCut.h"
#include "input/SplitRows.h"

namespace tallowmere::input {

class HelperJoin {
 public:
  HelperJoin(CutPoint& point, SecondRows& second, std::thread& helper)
      : point_(point), second_(second), helper_(helper) {}
  ~HelperJoin() {
    point_.Abandon();
    second_.Abandon();
    helper_.join();
  }
  HelperJoin(const HelperJoin&) = delete;
  HelperJoin& operator=(const HelperJoin&) = delete;

 private:
  CutPoint& point_;
  SecondRows& second_;
  std::thread& helper_;
};

}  // namespace tallowmere::input
