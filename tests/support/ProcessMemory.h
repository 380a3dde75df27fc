#pragma once
// This process's resident memory, for the tests that bound what reading a
// large input may cost (Linux /proc).
#include <cstdlib>
#include <fstream>
#include <string>

namespace memtest {

// Resident memory in kB from /proc/self/status ("VmRSS", "VmHWM"); -1 when
// the field is missing.
inline long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::string key = std::string(field) + ":";
  while (std::getline(in, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + key.size());
  return -1;
}

// Starts the peak-RSS count afresh (Linux: "5" into clear_refs).
inline bool ResetPeakRss() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace memtest
