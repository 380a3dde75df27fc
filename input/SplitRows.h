#pragma once
// The rows of a sheet's part read in two pieces on two threads (as
// XlsxSheetSplit.h and OdsContentSplit.h read them): how a part is opened
// again and how it was read, the second piece's rows held in blocks and
// handed to the thread that tells them, and the rows told already passed
// over where a part is read again. Plain C++.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>

#include "input/ChunkSource.h"
#include "input/HeldRows.h"
#include "input/SheetProblem.h"
#include "input/TableCells.h"

namespace tallowmere::input {

// From this size (inflated) on a sheet's part is parsed on two threads;
// below it the helper's start and its second pass over the bytes cost more
// than they save.
inline constexpr std::uint64_t kSplitSheetBytes = std::uint64_t{8} << 20;

// Where the cut is looked for in a part of `bytes`: a little past the
// middle, as the first thread tells every row and the helper inflates the
// whole part.
std::uint64_t SplitTarget(std::uint64_t bytes);

// How a part was read.
enum class SheetSplit : unsigned char {
  kOneThread,   // no cut was made (or none was reached): as one reader reads it
  kTwoThreads,  // each piece by its own thread, joined at the cut
  kReadAgain,   // the cut was no row's start: read again from the start
};

// Opens the part anew, from its start, into `source`: a source of its own at
// each call, from either thread.
using PartOpener = std::function<SheetProblem(std::unique_ptr<ChunkSource>& source)>;

// The helper hands its rows on in blocks of about this many cells.
inline constexpr std::size_t kBlockCells = std::size_t{1} << 16;

// The second part's rows, handed from the helper to this thread, and how its
// reading ended.
class SecondRows {
 public:
  void Push(HeldRows block) {
    std::lock_guard lock(mutex_);
    if (abandoned_) return;
    blocks_.push_back(std::move(block));
    changed_.notify_all();
  }
  // The helper, once: its reading ended so.
  void End(SheetProblem problem, std::exception_ptr failure) {
    std::lock_guard lock(mutex_);
    problem_ = std::move(problem);
    failure_ = std::move(failure);
    ended_ = true;
    changed_.notify_all();
  }
  // The helper: the lines before the cut, once this thread knows them;
  // false when it wants nothing more.
  bool AwaitLines(std::uint64_t& lines) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return linesKnown_ || abandoned_; });
    lines = lines_;
    return !abandoned_;
  }
  void PostLines(std::uint64_t lines) {
    std::lock_guard lock(mutex_);
    lines_ = lines;
    linesKnown_ = true;
    changed_.notify_all();
  }
  // This thread tells no more of the rows: they need not be held.
  void HoldNoMore() { holdNoMore_.store(true, std::memory_order_relaxed); }
  bool HoldingNoMore() const { return holdNoMore_.load(std::memory_order_relaxed); }
  void Abandon() {
    HoldNoMore();
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    blocks_.clear();
    changed_.notify_all();
  }
  // The next block, once there is one; false when the reading ended and
  // every block was taken.
  bool Pop(HeldRows& block) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !blocks_.empty() || ended_; });
    if (blocks_.empty()) return false;
    block = std::move(blocks_.front());
    blocks_.pop_front();
    return true;
  }
  // After Pop() said false: the helper's problem, or what it threw.
  SheetProblem Outcome() {
    std::lock_guard lock(mutex_);
    if (failure_) std::rethrow_exception(failure_);
    return problem_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<HeldRows> blocks_;
  bool ended_ = false;
  bool linesKnown_ = false;
  bool abandoned_ = false;
  std::uint64_t lines_ = 0;
  SheetProblem problem_;
  std::exception_ptr failure_;
  std::atomic<bool> holdNoMore_{false};
};

// The helper's sink: rows held in blocks, handed on as each fills; the
// reading stops where this thread wants it no more.
class BlockSink final : public CellSink {
 public:
  explicit BlockSink(SecondRows& out) : out_(out) {}
  void BeginRow(std::uint64_t line) override { held_.BeginRow(line); }
  void Cell(const TableCell& cell) override { held_.Cell(cell); }
  void EndRow() override {
    if (held_.Cells() < kBlockCells) return;
    out_.Push(std::move(held_));
    held_ = HeldRows();
  }
  bool Stopped() const override { return out_.HoldingNoMore(); }
  void Flush() {
    if (!held_.Empty()) out_.Push(std::move(held_));
  }

 private:
  SecondRows& out_;
  HeldRows held_;
};

// Passes over the first `skip` rows, told before, and tells the rest.
class SkipRows final : public CellSink {
 public:
  SkipRows(CellSink& sink, std::uint64_t skip) : sink_(sink), skip_(skip) {}
  void BeginRow(std::uint64_t line) override {
    passing_ = skip_ > 0;
    if (passing_) return;
    sink_.BeginRow(line);
  }
  void Cell(const TableCell& cell) override {
    if (!passing_) sink_.Cell(cell);
  }
  void EndRow() override {
    if (!passing_) return sink_.EndRow();
    passing_ = false;
    --skip_;
  }
  bool Stopped() const override { return sink_.Stopped(); }

 private:
  CellSink& sink_;
  std::uint64_t skip_;
  bool passing_ = false;
};

}  // namespace tallowmere::input
