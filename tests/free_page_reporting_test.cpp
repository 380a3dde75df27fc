#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "system/FreePageReporting.h"

using tallowmere::system::HostTakesBackFreePages;

namespace {

// A virtio device as the kernel shows it: its type and the feature bits it
// agreed with the host, bit 0 first; an empty text leaves the file out.
struct Device {
  std::string name;
  std::string type;
  std::string features;
};

struct DevicesRow {
  const char* name;
  std::vector<Device> devices;
  bool takesBack;
};

// The reporting bit is bit 5; balloons here also agreed on statistics (1)
// and deflating on low memory (2), as the one of a real machine did.
const std::string kReporting = "0110010100000000000000000000000010000000";
const std::string kNoReporting = "0110000100000000000000000000000010000000";

void Write(const std::filesystem::path& file, const std::string& text) { std::ofstream(file) << text << "\n"; }

std::filesystem::path MakeDevices(const std::filesystem::path& dir, const std::vector<Device>& devices) {
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const Device& d : devices) {
    const std::filesystem::path device = dir / d.name;
    std::filesystem::create_directory(device);
    if (!d.type.empty()) Write(device / "device", d.type);
    if (!d.features.empty()) Write(device / "features", d.features);
  }
  return dir;
}

TEST(FreePageReportingTest, OnlyABalloonThatReportsFreePagesCounts) {
  const DevicesRow rows[] = {
      {"no virtio devices", {}, false},
      {"a balloon that reports", {{"virtio0", "0x0005", kReporting}}, true},
      {"a balloon that does not", {{"virtio0", "0x0005", kNoReporting}}, false},
      {"a network device with bit 5", {{"virtio2", "0x0001", kReporting}}, false},
      {"the reporting balloon after others",
       {{"virtio1", "0x0002", kNoReporting}, {"virtio2", "0x0001", kReporting}, {"virtio7", "0x0005", kReporting}},
       true},
      {"features too short to hold bit 5", {{"virtio0", "0x0005", "01100"}}, false},
      {"features unreadable", {{"virtio0", "0x0005", ""}}, false},
      {"device type unreadable", {{"virtio0", "", kReporting}}, false},
      {"a balloon of another number", {{"virtio0", "0x00051", kReporting}}, false},
  };
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tallowmere_free_page_reporting";
  for (const DevicesRow& row : rows)
    EXPECT_EQ(HostTakesBackFreePages(MakeDevices(dir, row.devices).string()), row.takesBack) << row.name;
  std::filesystem::remove_all(dir);
}

TEST(FreePageReportingTest, AMissingOrUnreadableFolderIsNoHost) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tallowmere_free_page_reporting_file";
  std::filesystem::remove_all(dir);
  EXPECT_FALSE(HostTakesBackFreePages(dir.string())) << "no such folder";
  Write(dir, "0x0005");
  EXPECT_FALSE(HostTakesBackFreePages(dir.string())) << "a file, not a folder";
  std::filesystem::remove_all(dir);
}

}  // namespace
