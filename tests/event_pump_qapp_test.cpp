// The pump that lets window events run during long loops: at most once per
// interval, however often a loop asks.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <chrono>
#include <thread>

#include "platform/EventPump.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::platform;

namespace {

class Counter final : public QObject {
 public:
  int events = 0;
  std::chrono::milliseconds takes{0};  // how long each event keeps the loop
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) {
      ++events;
      std::this_thread::sleep_for(takes);
    }
    return QObject::event(e);
  }
};

TEST(EventPump, RunsPendingEventsAtMostOncePerInterval) {
  Counter counter;
  auto eager = MakeEventPump(std::chrono::milliseconds(0));
  auto lazy = MakeEventPump(std::chrono::hours(1));

  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  lazy();
  EXPECT_EQ(counter.events, 0) << "the interval has not passed";
  eager();
  EXPECT_EQ(counter.events, 1);
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  eager();
  EXPECT_EQ(counter.events, 2);
}

}  // namespace

TEST(EventPump, ARunThatTookLongWaitsFourTimesAsLongBeforeTheNext) {
  Counter counter;
  counter.takes = std::chrono::milliseconds(60);
  auto pump = MakeEventPump(std::chrono::milliseconds(0));
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  // The run lasts at least its event's 60 ms, longer on a busy machine: the
  // wait that follows is measured against what it really took.
  const auto started = std::chrono::steady_clock::now();
  pump();
  const auto took = std::chrono::steady_clock::now() - started;
  ASSERT_EQ(counter.events, 1);

  counter.takes = std::chrono::milliseconds(0);
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  pump();
  EXPECT_EQ(counter.events, 1) << "asked right after a run of 60 ms";
  std::this_thread::sleep_for(4 * took + std::chrono::milliseconds(20));
  pump();
  EXPECT_EQ(counter.events, 2) << "four times the run has passed";
  // That run was quick: the interval holds again.
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  pump();
  EXPECT_EQ(counter.events, 3);
}
