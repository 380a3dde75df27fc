#pragma once
// The error report shared by the trapped procedures: a failure in a labelled
// step is reported with the procedure's location text and the step's label,
// and the procedure goes on with its next step.
//
//   Trap trap(sink, kLocation);
//   trap.Step(100, [&] { ... });              // a failure is reported, we go on
//   if (trap.Test(102, [&] { return ...; }))  // a failing condition counts as true
//
// Work outside those procedures (reading a drop) has no location text nor
// labels: its trap is given a plain text of what was being done instead, and
// its steps carry no label.
//
// A procedure without a trap of its own simply lets the exception travel to
// its caller's trap. Plain C++: the user-interface layer implements ErrorSink.
//
// The location texts and the labels never change: users send the box's text
// when they report a failure, and the command-line analyser names the failed
// row or option by the label (see docs/compatibility.md, Error reports).
#include <string>
#include <string_view>
#include <utility>

namespace tallowmere::core {

inline constexpr const char* kSupportAddress = "support@tallowmere.invalid";

// The label of a step that has none: its report gives no line.
inline constexpr int kNoLine = -1;

// Where reports and notices go: the window shows boxes, the command-line
// analyser prints lines, the tests record them.
class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void ReportError(const std::string& description, std::string_view location, int label) = 0;
};

// The text of the "Application Error" box: description, CR LF, location text,
// "at line ", label, CR, CR, the request to e-mail a screenshot. With
// kNoLine the location is a plain text and is followed by no line.
std::string ErrorReportText(std::string_view description, std::string_view location, int label);

// The description of the exception being handled (call only inside a catch).
std::string CurrentFailureDescription();

class Trap {
 public:
  Trap(ErrorSink& sink, std::string_view location) : sink_(sink), location_(location) {}

  // Runs one labelled step. A failure is reported; what the step had already
  // done stays done.
  template <class F>
  void Step(int label, F&& step) {
    label_ = label;
    try {
      step();
    } catch (...) {
      Report();
    }
  }

  // A labelled condition. A condition whose evaluation fails counts as true.
  template <class F>
  bool Test(int label, F&& condition) {
    label_ = label;
    try {
      return static_cast<bool>(condition());
    } catch (...) {
      Report();
      return true;
    }
  }

  // A step, and a condition, that carry no label (a trap with a plain text).
  template <class F>
  void Step(F&& step) {
    Step(kNoLine, std::forward<F>(step));
  }
  template <class F>
  bool Test(F&& condition) {
    return Test(kNoLine, std::forward<F>(condition));
  }

  int Label() const { return label_; }

 private:
  void Report();

  ErrorSink& sink_;
  std::string location_;
  int label_ = 0;
};

}  // namespace tallowmere::core
