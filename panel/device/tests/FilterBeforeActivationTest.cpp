// Runs as its own program: the control-device name is process-wide and stays empty until the first
// activation, so this must be the first thing the process does with the filter driver.

#include "panel/device/FilterControl.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"

namespace vorma::test {
namespace {

using FilterBeforeActivationTest = VirtualDeviceTest;

TEST_F(FilterBeforeActivationTest, EveryRequestFailsToOpenTheControlDevice) {
  const DeviceNumber device = Plug();
  ASSERT_EQ(FilterControlDeviceName(), L"");
  std::uint32_t value = 0xBDBDBDBD;
  EXPECT_EQ(QueryFilterValue(*ports.filter, 0, value), kFilterNotOpened);
  EXPECT_EQ(QueryFilterState(*ports.filter, value), kFilterNotOpened);
  EXPECT_EQ(SetFilterEffect(*ports.filter, 1), kFilterNotOpened);
  EXPECT_EQ(SetFilterSwitch(*ports.filter, 1), kFilterNotOpened);
  EXPECT_EQ(value, 0xBDBDBDBDu);
  EXPECT_EQ(TakeJournal(device, {"filter"}), std::vector<std::string>{});
  // The first activation names the device, and from then on the requests reach it.
  ASSERT_EQ(KVX_Set_DEVICE_SYMBOLIC_NAME(*ports.filter, 0x1E4B, 0x7201), 0);
  EXPECT_EQ(SetFilterSwitch(*ports.filter, 1), kFilterDone);
}

}  // namespace
}  // namespace vorma::test
