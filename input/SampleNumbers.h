#pragma once
// "Load Sample/Example Numbers": appends the fixed example series.
#include "core/ErrorReport.h"
#include "input/EntrySink.h"

namespace tallowmere::input {

// Names the command in its error reports (see docs/compatibility.md, Error
// reports).
inline constexpr const char* kSampleNumbersLocation = "in Tallowmere2021/08/31.Form1.PushButton2_Click ";

// What the command works with; all of it must outlive the call.
struct SampleNumbersHost {
  EntrySink& entries;       // the number list
  core::ErrorSink& errors;  // the "Application Error" box
};

// The click handler of PushButton2: "7", "15", "61", "100", each its own
// step, after whatever the list already holds.
void AddSampleNumbers(const SampleNumbersHost& host);

}  // namespace tallowmere::input
