#include "panel/device/tests/VirtualDeviceEnvironment.h"

#include "foundation/DeviceIdCode.h"
#include "panel/device/virtual/PortSelection.h"

namespace vorma::test {

std::wstring WriteDeviceConfig(const TempFolder& folder, const std::vector<std::wstring>& patterns) {
  std::string text = "[USB_VID_PID]\r\n";
  int key = 0;
  for (const std::wstring& pattern : patterns) {
    const std::string narrow(pattern.begin(), pattern.end());
    std::string code;
    EXPECT_EQ(EncodeDeviceIdCode(reinterpret_cast<const unsigned char*>(narrow.data()), narrow.size(), code),
              kDeviceIdCodeDone);
    text += "DeviceId" + std::to_string(++key) + "=" + narrow + "," + code + "\r\n";
  }
  return folder.WriteBytes(L"AudioConfig.cfg", text);
}

void VirtualDeviceTest::SetUp() {
  ASSERT_EQ(host.Start(), virtual72xx::kOk);
  SetEnvironmentVariableW(kDeviceSelectionVariable, kVirtualDeviceSelection);
  ports = CreateDevicePorts();
}

void VirtualDeviceTest::TearDown() {
  ports = DevicePorts();
  SetEnvironmentVariableW(kDeviceSelectionVariable, nullptr);
}

DeviceNumber VirtualDeviceTest::Plug(const std::string& kind, std::uint16_t productId) {
  DeviceNumber device = 0;
  EXPECT_EQ(client.Plug({kind, productId}, device), virtual72xx::kOk);
  return device;
}

std::vector<std::string> VirtualDeviceTest::TakeJournal(DeviceNumber device,
                                                        const std::vector<std::string_view>& prefixes) {
  std::vector<std::string> lines;
  EXPECT_EQ(client.ReadJournal(device, lines, true), virtual72xx::kOk);
  if (prefixes.empty()) return lines;
  std::vector<std::string> kept;
  for (const std::string& line : lines)
    for (std::string_view prefix : prefixes)
      if (line.starts_with(prefix)) {
        kept.push_back(line);
        break;
      }
  return kept;
}

}  // namespace vorma::test
