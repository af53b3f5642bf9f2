#pragma once
// A virtual 72xx bus served in the test process, with the panel's device ports chosen the way the
// panel chooses them: VORMA_DEVICE=virtual, reaching the bus over its pipe.

#include "outside/virtual72xx/VirtualHost.h"
#include "panel/device/DevicePorts.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vorma::test {

using virtual72xx::DeviceNumber;

inline constexpr wchar_t kReferencePattern[] = L"USB\\VID_1E4B&PID_72XX&REV_0100&MI_00";
inline constexpr wchar_t kShortPattern[] = L"USB\\VID_1E4B&PID_72XX&MI_00";
inline constexpr wchar_t kLongPattern[] = L"USB\\VID_1E4B&PID_72XX&REV_0100&MI_00&COL01";

// Writes AudioConfig.cfg into the folder with a USB_VID_PID section that accepts the patterns
// (each signed with its code), and returns the file's path.
std::wstring WriteDeviceConfig(const TempFolder& folder, const std::vector<std::wstring>& patterns);

class VirtualDeviceTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  DeviceNumber Plug(const std::string& kind = "72xx", std::uint16_t productId = 0);
  // The device's journal lines that start with one of the prefixes, cleared after reading.
  std::vector<std::string> TakeJournal(DeviceNumber device, const std::vector<std::string_view>& prefixes = {});

  virtual72xx::VirtualHost host;
  virtual72xx::Virtual72xxClient client = host.Client();
  DevicePorts ports;
};

}  // namespace vorma::test
