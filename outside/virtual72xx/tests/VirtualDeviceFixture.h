#pragma once
// A bus hosted in the test process with an in-process client, and helpers to build raw reports at
// the device's report length.

#include "outside/virtual72xx/VirtualHost.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace vorma::virtual72xx::test {

inline constexpr size_t kReportLength = 65;  // the 72xx kinds' input and output report length

// A report of `length` bytes whose first bytes are `head` and the rest zero.
inline std::vector<std::uint8_t> Report(std::initializer_list<std::uint8_t> head, size_t length = kReportLength) {
  std::vector<std::uint8_t> report(length, 0);
  size_t i = 0;
  for (std::uint8_t byte : head) {
    if (i == length) break;
    report[i++] = byte;
  }
  return report;
}

class VirtualDeviceFixture : public ::testing::Test {
protected:
  DeviceNumber Plug(const std::string& kind = "72xx", std::uint16_t productId = 0) {
    DeviceNumber device = 0;
    EXPECT_EQ(client.Plug({kind, productId}, device), kOk);
    return device;
  }

  VirtualHandle OpenHid(DeviceNumber device) {
    std::vector<DeviceSummary> devices;
    EXPECT_EQ(client.ListDevices(devices), kOk);
    for (const DeviceSummary& d : devices) {
      if (d.device != device) continue;
      VirtualHandle handle = 0;
      EXPECT_EQ(client.HidOpen(d.hidPath, handle), kOk);
      return handle;
    }
    ADD_FAILURE() << "device " << device << " is not plugged";
    return 0;
  }

  // The journal since the last call (it is cleared on reading).
  std::vector<std::string> TakeJournal(DeviceNumber device) {
    std::vector<std::string> lines;
    EXPECT_EQ(client.ReadJournal(device, lines, true), kOk);
    return lines;
  }

  std::string State(DeviceNumber device, const std::string& key) {
    std::string value;
    EXPECT_EQ(client.StateValue(device, key, value), kOk) << key;
    return value;
  }

  std::uint8_t Register(DeviceNumber device, std::uint16_t address) {
    std::uint8_t value = 0xBD;
    EXPECT_EQ(client.PeekRegister(device, address, value), kOk);
    return value;
  }

  VirtualHost host;
  Virtual72xxClient client = host.Client();
};

}  // namespace vorma::virtual72xx::test
