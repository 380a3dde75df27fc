#include "system/FreePageReporting.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace tallowmere::system {

namespace {

// The virtio device type of a memory balloon, and its feature bit for
// reporting free pages, as the virtio standard numbers them.
constexpr const char* kBalloonDevice = "0x0005";
constexpr std::size_t kReportingFeature = 5;

std::string FirstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// A device's "features" file holds one '0' or '1' per feature bit agreed
// with the host, bit 0 first.
bool ReportsFreePages(const std::filesystem::path& device) {
  if (FirstLine(device / "device") != kBalloonDevice) return false;
  const std::string features = FirstLine(device / "features");
  return features.size() > kReportingFeature && features[kReportingFeature] == '1';
}

}  // namespace

bool HostTakesBackFreePages(const std::string& devices) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(devices, error), end; !error && it != end; it.increment(error)) {
    if (ReportsFreePages(it->path())) return true;
  }
  return false;
}

}  // namespace tallowmere::system
