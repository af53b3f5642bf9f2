// The four filter-driver requests on the control device named at an activation.

#include "panel/device/FilterControl.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"

#include <functional>

namespace vorma::test {
namespace {

using Lines = std::vector<std::string>;

class FilterControlTest : public VirtualDeviceTest {
protected:
  void SetUp() override {
    VirtualDeviceTest::SetUp();
    device = Plug();
    ASSERT_EQ(KVX_Set_DEVICE_SYMBOLIC_NAME(*ports.filter, 0x1E4B, 0x7201), 0);
    EXPECT_EQ(FilterControlDeviceName(), L"\\\\.\\Class#UsbZurudOvoension&1E4B&7201");
    EXPECT_EQ(TakeJournal(device, {"filter"}), (Lines{"filter.open -> 0", "filter.close"}));
  }
  DeviceNumber device = 0;
};

TEST_F(FilterControlTest, EachRequestOpensSendsItsLayoutAndCloses) {
  std::uint32_t value = 0xBDBDBDBD;
  std::uint32_t state = 0xBDBDBDBD;
  struct Case {
    const char* name;
    std::function<int()> request;
    std::string ioctl;
  };
  const Case cases[] = {
      {"set effect", [&] { return SetFilterEffect(*ports.filter, 3); },
       "filter.ioctl 0x8232008 set-effect [03 00 00 00] cap 0 -> 0 out []"},
      {"query value", [&] { value = 7; return QueryFilterValue(*ports.filter, 0, value); },
       "filter.ioctl 0x223028 query-value [01 00 00 00 07 00 00 00] cap 8 -> 0 out [01 00 00 00 03 00 00 00]"},
      {"set switch", [&] { return SetFilterSwitch(*ports.filter, 1); },
       "filter.ioctl 0x8232000 set-switch [01 00 00 00] cap 0 -> 0 out []"},
      {"query state", [&] { return QueryFilterState(*ports.filter, state); },
       "filter.ioctl 0x223190 query-state [01 00 00 00 00 00 00 00] cap 8 -> 0 out [01 00 00 00 01 00 00 00]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.request(), kFilterDone);
    EXPECT_EQ(TakeJournal(device, {"filter"}), (Lines{"filter.open -> 0", c.ioctl, "filter.close"}));
  }
  EXPECT_EQ(value, 3u);
  EXPECT_EQ(state, 1u);
}

TEST_F(FilterControlTest, FailuresKeepTheValueAndNameTheStep) {
  struct Case {
    const char* fault;
    int expected;
  };
  for (const Case& c : {Case{"filter.open", kFilterNotOpened}, Case{"filter.ioctl", kFilterFailed}}) {
    SCOPED_TRACE(c.fault);
    std::uint32_t value = 0xBDBDBDBD;
    ASSERT_EQ(client.InjectFault(device, c.fault, -1), virtual72xx::kOk);
    EXPECT_EQ(QueryFilterValue(*ports.filter, 0, value), c.expected);
    EXPECT_EQ(QueryFilterState(*ports.filter, value), c.expected);
    EXPECT_EQ(SetFilterEffect(*ports.filter, 1), c.expected);
    EXPECT_EQ(SetFilterSwitch(*ports.filter, 1), c.expected);
    EXPECT_EQ(value, 0xBDBDBDBDu);
    ASSERT_EQ(client.InjectFault(device, c.fault, 0), virtual72xx::kOk);
  }
  // A driver that answers fewer than 8 bytes: the value query names that, the state query counts
  // it as failed; neither takes a value from the short answer.
  TakeJournal(device);
  ASSERT_EQ(client.InjectFault(device, "filter.short", 2), virtual72xx::kOk);
  std::uint32_t value = 0xBDBDBDBD;
  EXPECT_EQ(QueryFilterValue(*ports.filter, 0, value), kFilterNoBytesReturned);
  EXPECT_EQ(QueryFilterState(*ports.filter, value), kFilterFailed);
  EXPECT_EQ(value, 0xBDBDBDBDu);
  EXPECT_EQ(TakeJournal(device, {"filter.ioctl"}),
            (Lines{"filter.ioctl 0x223028 query-value [01 00 00 00 bd bd bd bd] cap 8 -> 0 out [01 00 00 00] (short)",
                   "filter.ioctl 0x223190 query-state [01 00 00 00 00 00 00 00] cap 8 -> 0 out [01 00 00 00] (short)"}));
  EXPECT_EQ(QueryFilterState(*ports.filter, value), kFilterDone);

  // An effect the driver does not know is a failed request.
  EXPECT_EQ(SetFilterEffect(*ports.filter, 9), kFilterFailed);
  // Once the device is gone its control device no longer opens.
  ASSERT_EQ(client.Unplug(device), virtual72xx::kOk);
  EXPECT_EQ(SetFilterSwitch(*ports.filter, 1), kFilterNotOpened);
  EXPECT_EQ(KVX_Set_DEVICE_SYMBOLIC_NAME(*ports.filter, 0x1E4B, 0x7201), 1);
}

}  // namespace
}  // namespace vorma::test
