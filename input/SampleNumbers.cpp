#include "input/SampleNumbers.h"

namespace tallowmere::input {

void AddSampleNumbers(const SampleNumbersHost& host) {
  core::Trap trap(host.errors, kSampleNumbersLocation);
  EntrySink& list = host.entries;
  trap.Step(100, [&] { list.Append("7"); });
  trap.Step(102, [&] { list.Append("15"); });
  trap.Step(104, [&] { list.Append("61"); });
  trap.Step(106, [&] { list.Append("100"); });
  trap.Step(106, [&] { list.Flush(); });
}

}  // namespace tallowmere::input
