#pragma once
// Sorting of doubles by their bit patterns. The engine sorts whole data sets of
// millions of values, so both sorts here are linear in the number of values
// and allocate nothing per element.
//
// Values are compared through an order-preserving unsigned key: for any two
// doubles a < b (neither NaN), OrderKey(a) < OrderKey(b). The only values that
// are equal under == but have different keys are -0 and +0 (-0 sorts first);
// EqualityKey gives both zeros the key of +0, so that for non-NaN doubles
// equal keys mean equal values and the reverse.
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

namespace radix {

inline constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;

constexpr std::uint64_t OrderKey(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  // Negative values: the larger the magnitude, the smaller the key.
  return (bits & kSignBit) ? ~bits : (bits | kSignBit);
}

constexpr double FromOrderKey(std::uint64_t key) {
  return std::bit_cast<double>((key & kSignBit) ? (key & ~kSignBit) : ~key);
}

constexpr std::uint64_t EqualityKey(double v) { return v == 0.0 ? OrderKey(0.0) : OrderKey(v); }

// Writes the n values of `src` to `dst` in ascending order (LSD radix sort on
// 11-bit digits; digits that every value shares cost no pass). `src` and `dst`
// must not overlap. Needs one scratch buffer of n doubles when more than one
// digit differs. Equal values keep their relative order, so -0 and +0 come
// out as -0 first, whatever their input order. No NaN may be passed. Large
// inputs are sorted with two threads: those of `threads` when given, else
// its own.
class TwoThreads;
void SortDoubles(const double* src, std::size_t n, double* dst, TwoThreads* threads = nullptr);

// Sorts n keys ascending in place (MSD radix sort on 8-bit digits), without
// any buffer of its own beyond a few kilobytes of stack.
void SortKeysInPlace(std::uint64_t* keys, std::size_t n);

// One helper thread that joins the calling thread on rounds of independent
// tasks: the sort's passes, and the engine's, the analysis run's and the
// list-file reader's work on large data. The tasks of a round are handed out
// one at a time, in order, to whichever thread asks first, so when the
// machine is busy and the helper gets no processor, the calling thread does
// them all and never waits for it; it waits only for tasks the helper has
// begun. Without a helper (none could be started) the calling thread does
// all.
class TwoThreads {
 public:
  TwoThreads();
  ~TwoThreads();
  TwoThreads(const TwoThreads&) = delete;
  TwoThreads& operator=(const TwoThreads&) = delete;

  // Runs task(0) .. task(count - 1) on both threads and returns when all
  // are done. `first`, when given, runs on this thread before it takes
  // tasks. A task run by the helper must not throw. A failure of `first` or
  // of a task on this thread ends the round: tasks not yet handed out are
  // not run, and the failure goes on once the helper's tasks are done.
  void Run(std::size_t count, const std::function<void(std::size_t)>& task,
           const std::function<void()>& first = nullptr);

  // Whether this is the helper thread (for a task that works differently
  // there).
  bool OnHelper() const { return std::this_thread::get_id() == helper_.get_id(); }

 private:
  void HelperLoop();
  bool Claim(std::uint64_t round, std::size_t& index);

  // The round in the upper half, the next task to hand out in the lower.
  std::atomic<std::uint64_t> next_{0};
  std::atomic<const std::function<void(std::size_t)>*> task_{nullptr};
  std::atomic<std::size_t> count_{0};
  std::atomic<std::size_t> helperDone_{0};  // tasks of this round the helper finished
  std::atomic<bool> quit_{false};
  std::uint64_t round_ = 0;
  std::thread helper_;
};

// A round of `count` parts whose results this thread must take in order
// (appends to a list, additions to a sum). A part is either prepared with
// prepare(k), which must not throw (it keeps a failure for take), and later
// taken with take(k), or, when every part before it has been taken, done at
// once with work(k). The helper only prepares; this thread takes what is
// prepared, in order, and when it gets a part that cannot be done yet it
// prepares it rather than wait. A failure of take or work ends the round as
// in TwoThreads::Run.
template <class Prepare, class Take, class Work>
void RunInOrder(TwoThreads& threads, std::size_t count, const Prepare& prepare, const Take& take,
                const Work& work) {
  auto prepared = std::make_unique<std::atomic<bool>[]>(count);  // all false
  std::size_t done = 0;  // parts taken or worked so far (this thread only)
  auto markPrepared = [&](std::size_t k) {
    prepare(k);
    prepared[k].store(true);
    prepared[k].notify_one();
  };
  threads.Run(count, [&](std::size_t k) {
    if (threads.OnHelper()) return markPrepared(k);
    while (done < k && prepared[done].load()) take(done++);
    if (done < k) return markPrepared(k);
    work(k);
    done = k + 1;
  });
  // What is left, in order, waiting for the helper where it is still busy.
  for (; done < count; ++done) {
    prepared[done].wait(false);
    take(done);
  }
}

}  // namespace radix
