// The error report text and the labelled-step trap.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "core/Translation.h"
#include "stats/Arithmetic.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;

namespace {

struct Recorded {
  std::string description;
  std::string location;
  int label;
  bool operator==(const Recorded&) const = default;
};

class RecordingSink : public ErrorSink {
 public:
  std::vector<Recorded> reports;
  void ReportError(const std::string& d, std::string_view loc, int label) override {
    reports.push_back({d, std::string(loc), label});
  }
};

TEST(ErrorReportText, IsBuiltExactly) {
  struct Case {
    std::string description;
    std::string location;
    int label;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"Overflow", "in Tallowmere2021/08/31.Form1.Form_Load ", 136,
       "Overflow\r\nin Tallowmere2021/08/31.Form1.Form_Load at line 136\r\r"
       "Please email screenshot of this message to support@tallowmere.invalid"},
      // An empty description still gives the line break: the box starts with an empty line.
      {"", "in Tallowmere2021/08/31.Form1.ShowResults ", 100,
       "\r\nin Tallowmere2021/08/31.Form1.ShowResults at line 100\r\r"
       "Please email screenshot of this message to support@tallowmere.invalid"},
      {"Type mismatch", "in PellamyTitle2021/08/31.AddFolder.GetSubDirectories2016 ", 1000,
       "Type mismatch\r\nin PellamyTitle2021/08/31.AddFolder.GetSubDirectories2016 at line 1000\r\r"
       "Please email screenshot of this message to support@tallowmere.invalid"},
      {"x", "in X.Y ", 0,
       "x\r\nin X.Y at line 0\r\rPlease email screenshot of this message to support@tallowmere.invalid"},
      // Work without labels says in plain words what it was doing, and no line.
      {"/a/b.txt: Permission denied", "while the drop was read", kNoLine,
       "/a/b.txt: Permission denied\r\nwhile the drop was read\r\r"
       "Please email screenshot of this message to support@tallowmere.invalid"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorReportText(c.description, c.location, c.label), c.expected);
}

// In the user's language the box tells a failure to get memory in words of
// that language, while the report itself keeps the English description by
// which the analyser knows it; other descriptions are passed on as they came.
TEST(ErrorReportText, TellsOutOfMemoryInTheUsersLanguage) {
  InstallTranslation([](const char*, const char* source, int) { return "[de] " + std::string(source); });
  RecordingSink sink;
  Trap(sink, "in X.Y ").Step(100, [] { throw std::bad_alloc(); });
  const std::string outOfMemory = ErrorReportText(sink.reports.at(0).description, "in X.Y ", 100);
  const std::string overflow = ErrorReportText("Overflow", "in X.Y ", 102);
  InstallTranslation(nullptr);
  EXPECT_EQ(sink.reports.at(0).description, "Out of memory");
  EXPECT_EQ(outOfMemory.substr(0, outOfMemory.find('\r')), "[de] Out of memory");
  EXPECT_EQ(overflow.substr(0, overflow.find('\r')), "Overflow");
}

TEST(Trap, ReportsAFailingStepAndGoesOn) {
  RecordingSink sink;
  Trap trap(sink, "in X.Y ");
  std::vector<int> ran;
  trap.Step(100, [&] { ran.push_back(100); });
  trap.Step(102, [&] {
    ran.push_back(102);
    throw ArithmeticError("Overflow");
    ran.push_back(-1);
  });
  trap.Step(104, [&] { ran.push_back(104); });
  EXPECT_EQ(ran, (std::vector<int>{100, 102, 104}));
  EXPECT_EQ(sink.reports, (std::vector<Recorded>{{"Overflow", "in X.Y ", 102}}));
  EXPECT_EQ(trap.Label(), 104);
}

TEST(Trap, AFailingConditionCountsAsTrue) {
  RecordingSink sink;
  Trap trap(sink, "in X.Y ");
  EXPECT_TRUE(trap.Test(110, [&]() -> bool { throw std::runtime_error("Index past the end"); }));
  EXPECT_FALSE(trap.Test(112, [] { return false; }));
  EXPECT_TRUE(trap.Test(114, [] { return true; }));
  EXPECT_EQ(sink.reports, (std::vector<Recorded>{{"Index past the end", "in X.Y ", 110}}));
}

TEST(Trap, StepsWithoutALabelReportNoLine) {
  RecordingSink sink;
  Trap trap(sink, "while X was done");
  trap.Step(100, [] { throw std::runtime_error("a"); });
  trap.Step([] { throw std::runtime_error("b"); });
  EXPECT_TRUE(trap.Test([]() -> bool { throw std::runtime_error("c"); }));
  EXPECT_FALSE(trap.Test([] { return false; }));
  EXPECT_EQ(sink.reports, (std::vector<Recorded>{{"a", "while X was done", 100},
                                                 {"b", "while X was done", kNoLine},
                                                 {"c", "while X was done", kNoLine}}));
}

TEST(Trap, InsideALoopEveryPassReportsAndTheLoopGoesOn) {
  RecordingSink sink;
  Trap trap(sink, "in X.Y ");
  int passes = 0;
  for (int i = 0; i < 3; ++i) {
    trap.Step(120, [&] { throw ArithmeticError("Division by zero"); });
    ++passes;
  }
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(sink.reports.size(), 3u);
}

TEST(Trap, DescribesEveryKindOfFailure) {
  RecordingSink sink;
  Trap trap(sink, "L ");
  trap.Step(1, [] { throw std::bad_alloc(); });
  trap.Step(2, [] { throw 42; });
  trap.Step(3, [] { throw std::out_of_range("Index past the end"); });
  ASSERT_EQ(sink.reports.size(), 3u);
  EXPECT_EQ(sink.reports[0].description, "Out of memory");
  EXPECT_EQ(sink.reports[1].description, "Unknown error");
  EXPECT_EQ(sink.reports[2].description, "Index past the end");
}

TEST(Trap, ASinkThatFailsDoesNotEndTheProcedure) {
  struct ThrowingSink : ErrorSink {
    int calls = 0;
    void ReportError(const std::string&, std::string_view, int) override {
      ++calls;
      throw std::runtime_error("box failed");
    }
  } sink;
  Trap trap(sink, "L ");
  bool after = false;
  trap.Step(1, [] { throw std::runtime_error("x"); });
  trap.Step(2, [&] { after = true; });
  EXPECT_TRUE(after);
  EXPECT_EQ(sink.calls, 1);
}

}  // namespace
