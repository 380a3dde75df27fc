// The pump that lets window events run during long loops: at most once per
// interval, however often a loop asks.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <chrono>

#include "platform/EventPump.h"

namespace {

class Counter final : public QObject {
 public:
  int events = 0;
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) ++events;
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
