#pragma once
// One helper thread that joins the calling thread on rounds of independent
// tasks: the sort's passes, and the engine's, the analysis run's and the
// list-file reader's work on large data. The tasks of a round are handed out
// one at a time, in order, to whichever thread asks first, so when the
// machine is busy and the helper gets no processor, the calling thread does
// them all and never waits for it; it waits only for a task the helper has
// begun. Without a helper (none could be started) the calling thread does
// all. Built on a mutex and condition variables: every hand-out, and every
// change of the round, happens under the one lock.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace tallowmere::core {

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
  // not run, and the failure goes on once the helper's task is done.
  void Run(std::size_t count, const std::function<void(std::size_t)>& task,
           const std::function<void()>& first = nullptr);

  // Whether this is the helper thread (for a task that works differently
  // there).
  bool OnHelper() const { return std::this_thread::get_id() == helperId_; }

 private:
  void HelperLoop(std::stop_token stop);
  // Hands out the next task of the open round, if any.
  bool Claim(std::size_t& index);

  std::mutex mutex_;
  std::condition_variable_any roundOpened_;  // the helper waits here between rounds
  std::condition_variable helperLeft_;       // this thread waits here for the helper's task
  // The open round, under mutex_.
  std::uint64_t round_ = 0;
  const std::function<void(std::size_t)>* task_ = nullptr;
  std::size_t count_ = 0;
  std::size_t next_ = 0;        // the next task to hand out; count_ closes the round
  bool helperWorking_ = false;  // the helper runs one of the round's tasks
  std::thread::id helperId_;
  std::jthread helper_;  // last: it stops and joins before the state above goes
};

// A round of `count` parts whose results this thread must take in order
// (appends to a list, additions to a sum). A part is either prepared with
// prepare(k), which must not throw (it keeps a failure for take), and later
// taken with take(k), or, when every part before it has been taken, done at
// once with work(k). The helper only prepares; this thread takes what is
// prepared, in order, and when it gets a part that cannot be done yet it
// prepares it rather than wait. A failure of take or work ends the round as
// in TwoThreads::Run. `first`, when given, runs on this thread while the
// helper begins preparing (it must not fail).
template <class Prepare, class Take, class Work>
void RunInOrder(TwoThreads& threads, std::size_t count, const Prepare& prepare, const Take& take, const Work& work,
                const std::function<void()>& first = nullptr) {
  auto prepared = std::make_unique<std::atomic<bool>[]>(count);  // all false
  std::size_t done = 0;                                          // parts taken or worked so far (this thread only)
  auto markPrepared = [&](std::size_t k) {
    prepare(k);
    prepared[k].store(true);
    prepared[k].notify_one();
  };
  threads.Run(
      count,
      [&](std::size_t k) {
        if (threads.OnHelper()) return markPrepared(k);
        while (done < k && prepared[done].load()) take(done++);
        if (done < k) return markPrepared(k);
        work(k);
        done = k + 1;
      },
      first);
  // What is left, in order, waiting for the helper where it is still busy.
  for (; done < count; ++done) {
    prepared[done].wait(false);
    take(done);
  }
}

}  // namespace tallowmere::core
