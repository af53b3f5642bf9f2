// Finding the device among the present devices, and the IDs in hardware IDs and interface names.

#include "panel/device/DeviceDiscovery.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"

namespace vorma::test {
namespace {

class DeviceSearchTest : public VirtualDeviceTest {
protected:
  // The search with a device-ID list that accepts the patterns; the ID found, or "" when none.
  std::wstring Search(const std::vector<std::wstring>& patterns) {
    TempFolder folder;
    CDeviceIdMgr deviceIds;
    EXPECT_EQ(deviceIds.LoadFromConfig(WriteDeviceConfig(folder, patterns), kUsbDeviceIdSection),
              kDeviceIdConfigLoaded);
    std::wstring found = L"untouched";
    if (!SearchDevicePresent(*ports.enumeration, deviceIds, found)) {
      EXPECT_EQ(found, L"untouched");
      return L"";
    }
    return found;
  }
};

TEST_F(DeviceSearchTest, TheFirstMatchingDeviceInEnumerationOrderWins) {
  EXPECT_EQ(Search({kReferencePattern}), L"");
  Plug("unrelated-hid");
  Plug("72xx", 0x7202);
  Plug("72xx", 0x7201);
  EXPECT_EQ(Search({kReferencePattern}), L"USB\\VID_1E4B&PID_7202&REV_0100&MI_00");
}

TEST_F(DeviceSearchTest, OnlyHardwareIdsOfTheReferenceLengthAreCompared) {
  // Patterns that would match the short and the long function IDs character for character.
  const std::vector<std::wstring> patterns = {kShortPattern, kLongPattern};
  Plug("short-id", 0x7203);
  Plug("long-id", 0x7204);
  EXPECT_EQ(Search(patterns), L"");
  Plug("72xx", 0x7205);
  EXPECT_EQ(Search(patterns), L"");
  EXPECT_EQ(Search({kShortPattern, kLongPattern, kReferencePattern}), L"USB\\VID_1E4B&PID_7205&REV_0100&MI_00");
}

TEST(ParseVidPid, TakesFourHexDigitsAfterEachMarker) {
  struct Case {
    const wchar_t* text;
    std::uint16_t vendorId, productId;
  };
  const Case cases[] = {
      {L"USB\\VID_1E4B&PID_7201&REV_0100&MI_00", 0x1E4B, 0x7201},
      {L"\\\\?\\HID#VID_1E4B&PID_72a1&MI_03#7&1&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", 0x1E4B, 0x72A1},
      {L"USB\\Vid_1e4b&Pid_7201", 0x1E4B, 0x7201},
      {L"\\\\?\\hid#vid_1e4b&pid_7201&mi_03", 0, 0},  // lower-case markers are not looked for
      {L"USB\\VID_1E4B&REV_0100", 0x1E4B, 0},
      {L"USB\\PID_7201", 0, 0},  // no vendor ID: the product ID is not looked for either
      {L"", 0, 0},
      {L"USB\\VID_1E&PID_7", 0x1E, 0x7},  // digits end at the first non-hexadecimal character
      {L"USB\\VID_1E4B99&PID_720", 0x1E4B, 0x720},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    std::uint16_t vendorId = 0xBDBD;
    std::uint16_t productId = 0xBDBD;
    ParseVidPid(c.text, vendorId, productId);
    EXPECT_EQ(vendorId, c.vendorId);
    EXPECT_EQ(productId, c.productId);
  }
}

}  // namespace
}  // namespace vorma::test
