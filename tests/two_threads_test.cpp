// The helper thread that shares large work with the calling thread: every
// task of a round runs once, in that round; a failure on the calling thread
// ends the round after the helper's task; parts taken in order stay in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <stdexcept>
#include <thread>
#include <vector>

#include "core/TwoThreads.h"

using namespace tallowmere;
using namespace tallowmere::core;

namespace {

TEST(TwoThreads, RunsEveryTaskOnceInEveryRound) {
  core::TwoThreads threads;
  // Many short rounds one after the other: a task of one round must never
  // run in another, nor twice.
  for (std::size_t round = 0; round < 3000; ++round) {
    const std::size_t count = round % 7 == 0 ? 0 : 1 + round % 37;
    std::vector<std::atomic<int>> runs(count);
    std::atomic<int> onHelper{0};
    bool firstRan = false;
    threads.Run(
        count,
        [&](std::size_t i) {
          runs[i].fetch_add(1);
          if (threads.OnHelper()) onHelper.fetch_add(1);
        },
        [&] { firstRan = !threads.OnHelper(); });
    EXPECT_TRUE(firstRan) << round;
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(runs[i].load(), 1) << "round " << round << " task " << i;
  }
}

TEST(TwoThreads, AFailureHereEndsTheRoundAfterTheHelpersTasks) {
  core::TwoThreads threads;
  int failedRounds = 0;
  for (int round = 0; round < 200; ++round) {
    constexpr std::size_t kCount = 64;
    std::vector<std::atomic<int>> runs(kCount);
    std::atomic<bool> returned{false};
    std::atomic<int> lateTasks{0};
    bool failed = false;
    try {
      threads.Run(kCount, [&](std::size_t i) {
        if (returned.load()) lateTasks.fetch_add(1);
        runs[i].fetch_add(1);
        // This thread fails at the first task from the tenth on that it
        // takes; the helper's tasks are slow, so it is often busy then.
        if (!threads.OnHelper() && i >= 10) throw std::runtime_error("stop");
        if (threads.OnHelper()) std::this_thread::sleep_for(std::chrono::microseconds(200));
      });
    } catch (const std::runtime_error&) {
      failed = true;
    }
    returned = true;
    failedRounds += failed;
    // Nothing runs after Run has returned and nothing twice; after a failure
    // what ran is the tasks handed out before it: a prefix of them all.
    std::size_t ran = 0;
    while (ran < kCount && runs[ran].load() == 1) ++ran;
    for (std::size_t i = ran; i < kCount; ++i) ASSERT_EQ(runs[i].load(), 0) << round;
    if (!failed) {
      EXPECT_EQ(ran, kCount) << round;
    }
    EXPECT_EQ(lateTasks.load(), 0);
  }
  EXPECT_GT(failedRounds, 0);
  // A failing first step: no task runs after it, and the helper still works
  // in the next round.
  EXPECT_THROW(threads.Run(
                   0, [](std::size_t) {}, [] { throw std::length_error("no room"); }),
               std::length_error);
  std::atomic<int> total{0};
  threads.Run(100, [&](std::size_t) { total.fetch_add(1); });
  EXPECT_EQ(total.load(), 100);
}

TEST(TwoThreads, RunInOrderTakesEveryPartInOrderAndStopsAtTheFirstFailure) {
  core::TwoThreads threads;
  // Part `failAt` fails (none when it is past the end), wherever it runs:
  // prepared by the helper (its failure kept and raised when it is taken) or
  // done here. The parts are taken or done in order up to it, never beyond.
  for (int round = 0; round < 2000; ++round) {
    const std::size_t count = 1 + round % 23;
    const std::size_t failAt = round % 3 == 0 ? count : (round * 7) % count;
    std::vector<int> prepared(count, 0);
    std::vector<std::size_t> order;  // parts taken or done here, as it happened
    bool failed = false;
    try {
      core::RunInOrder(
          threads, count,
          [&](std::size_t k) {
            prepared[k] = k == failAt ? 2 : 1;
            if (round % 2) std::this_thread::sleep_for(std::chrono::microseconds(50));
          },
          [&](std::size_t k) {
            ASSERT_NE(prepared[k], 0) << "part " << k << " taken before it was prepared";
            order.push_back(k);
            if (prepared[k] == 2) throw std::runtime_error("kept failure");
          },
          [&](std::size_t k) {
            order.push_back(k);
            if (k == failAt) throw std::runtime_error("failure here");
          });
    } catch (const std::runtime_error&) {
      failed = true;
    }
    EXPECT_EQ(failed, failAt < count) << round;
    const std::size_t last = std::min(failAt + 1, count);
    ASSERT_EQ(order.size(), last) << "round " << round;
    for (std::size_t k = 0; k < last; ++k) ASSERT_EQ(order[k], k) << "round " << round;
  }
}

}  // namespace
