#include "core/TwoThreads.h"

#include <exception>
#include <system_error>

namespace tallowmere::core {

TwoThreads::TwoThreads() {
  try {
    helper_ = std::jthread([this](std::stop_token stop) { HelperLoop(stop); });
    helperId_ = helper_.get_id();
  } catch (const std::system_error&) {
    // No helper: every round runs on the calling thread.
  }
}

TwoThreads::~TwoThreads() {
  if (!helper_.joinable()) return;
  helper_.request_stop();  // wakes the helper's wait through its stop token
  helper_.join();
}

bool TwoThreads::Claim(std::size_t& index) {
  if (next_ >= count_) return false;
  index = next_++;
  return true;
}

void TwoThreads::HelperLoop(std::stop_token stop) {
  std::uint64_t seen = 0;  // the last round taken part in
  std::unique_lock lock(mutex_);
  for (;;) {
    if (!roundOpened_.wait(lock, stop, [&] { return round_ != seen; })) return;  // stopped
    seen = round_;
    std::size_t index;
    while (Claim(index)) {
      const auto* task = task_;
      helperWorking_ = true;
      lock.unlock();
      (*task)(index);
      lock.lock();
      helperWorking_ = false;
      helperLeft_.notify_one();
    }
  }
}

void TwoThreads::Run(std::size_t count, const std::function<void(std::size_t)>& task,
                     const std::function<void()>& first) {
  if (!helper_.joinable()) {
    if (first) first();
    for (std::size_t i = 0; i < count; ++i) task(i);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    ++round_;
    task_ = &task;
    count_ = count;
    next_ = 0;
  }
  roundOpened_.notify_one();

  std::exception_ptr failure;
  try {
    if (first) first();
    for (;;) {
      std::size_t index;
      {
        std::lock_guard lock(mutex_);
        if (!Claim(index)) break;
      }
      task(index);
    }
  } catch (...) {
    failure = std::current_exception();
  }
  // Close the round: after a failure, what has not been handed out is not
  // run. Only a task the helper has begun is waited for.
  {
    std::unique_lock lock(mutex_);
    next_ = count_;
    helperLeft_.wait(lock, [&] { return !helperWorking_; });
    task_ = nullptr;
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace tallowmere::core
