// The EEPROM behind I2C 0x50/0x51 and injected faults.

#include "outside/virtual72xx/tests/VirtualDeviceFixture.h"

#include <functional>

namespace vorma::virtual72xx::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class EepromAndFaultTest : public VirtualDeviceFixture {
protected:
  void SetUp() override { device = Plug(); }

  Bytes ReadI2c(std::uint8_t address, std::uint8_t byteAddress, std::uint32_t length = 1) {
    Bytes data{0xBD};
    EXPECT_EQ(client.SdkReadI2c(device, address, byteAddress, length, 100, 0, data), kSdkOk);
    return data;
  }

  DeviceNumber device = 0;
};

TEST_F(EepromAndFaultTest, FactoryImageHoldsTheStoredCurveOfBankZero) {
  EXPECT_EQ(ReadI2c(0x50, 0x8D), Bytes{0x01}) << "bands-stored flag";
  EXPECT_EQ(ReadI2c(0x50, 0x8E), Bytes{0x10}) << "bank selector: bank 0";
  // Bank 0: values 1024, 1280, 1024, 896, 1536 packed two per three bytes; byte 7 carries
  // flags B and C and the top of band 4; EQ on (flag A clear), 3D off (flag D clear).
  Bytes bank;
  for (std::uint8_t i = 0; i < 8; ++i) bank.push_back(ReadI2c(0x51, i)[0]);
  EXPECT_EQ(bank, (Bytes{0x00, 0x04, 0x50, 0x00, 0x04, 0x38, 0x00, 0x66}));
  EXPECT_EQ(ReadI2c(0x51, 0x17), Bytes{0xE4}) << "bank 1 is flat with the EQ off";
  EXPECT_EQ(ReadI2c(0x50, 0xFF, 2), (Bytes{0xFF, 0x72})) << "a sequential read wraps within its half";
}

TEST_F(EepromAndFaultTest, OnlyTheTwoEepromAddressesAnswer) {
  Bytes data{0xBD};
  EXPECT_EQ(client.SdkReadI2c(device, 0x52, 0, 1, 100, 0, data), kSdkFailed);
  EXPECT_EQ(client.SdkReadI2c(device, 0x50, 0, 0, 100, 0, data), kSdkFailed);
  EXPECT_EQ(data, Bytes{0xBD});
}

TEST_F(EepromAndFaultTest, ToolAndSdkWritesChangeTheImage) {
  ASSERT_EQ(client.WriteEeprom(device, 0x8E, {0x13}), kOk);
  EXPECT_EQ(ReadI2c(0x50, 0x8E), Bytes{0x13});
  EXPECT_EQ(client.SdkWriteI2c(device, 0x51, 0x37, {0xFF}, 100, 0), kSdkOk);
  EXPECT_EQ(ReadI2c(0x51, 0x37), Bytes{0xFF});
  EXPECT_EQ(client.WriteEeprom(device, 511, {1, 2}), kErrorInvalidParameter);
}

// Every named call fails exactly as often as asked and then works again.
TEST_F(EepromAndFaultTest, NamedCallFailsCountTimesThenSucceeds) {
  std::vector<DeviceSummary> devices;
  ASSERT_EQ(client.ListDevices(devices), kOk);
  const DeviceSummary d = devices.at(0);
  VirtualHandle hid = OpenHid(device);
  VirtualHandle filter = 0;
  ASSERT_EQ(client.FilterOpen(d.filterControlName, filter), kOk);

  struct Case {
    const char* call;
    std::function<bool()> attempt;
  };
  const Case cases[] = {
      {"hid.open", [&] { VirtualHandle h = 0; bool ok = client.HidOpen(d.hidPath, h) == kOk; if (ok) client.Close(h); return ok; }},
      {"hid.out", [&] { return client.HidSetOutputReport(hid, Report({0, 0, 0, 0, 0})) == kOk; }},
      {"hid.in", [&] { Bytes r(kReportLength, 0); return client.HidGetInputReport(hid, r) == kOk; }},
      {"hid.caps", [&] { HidReportLengths l; return client.HidGetReportLengths(hid, l) == kOk; }},
      {"filter.open", [&] { VirtualHandle h = 0; bool ok = client.FilterOpen(d.filterControlName, h) == kOk; if (ok) client.Close(h); return ok; }},
      {"filter.ioctl", [&] { FilterReply r; return client.FilterIoControl(filter, 0x8232000, {1, 0, 0, 0}, 0, r) == kOk; }},
      {"DLLQZ_AudioCommand", [&] { Bytes b(234, 0); b[0] = 4; return client.SdkAudioCommand(device, b) == kSdkOk; }},
      {"DLLQZ_SetEQ_OnOff_ById", [&] { return client.SdkSetEqOnOff(device, 1, 0) == kSdkOk; }},
      {"capture", [&] { return client.CaptureSetMute(device, false) == kOk; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    ASSERT_EQ(client.InjectFault(device, c.call, 2), kOk);
    EXPECT_FALSE(c.attempt());
    EXPECT_FALSE(c.attempt());
    EXPECT_TRUE(c.attempt());
    EXPECT_TRUE(c.attempt());
  }
}

TEST_F(EepromAndFaultTest, OpenFailsUntilTheFaultIsCleared) {
  std::vector<DeviceSummary> devices;
  ASSERT_EQ(client.ListDevices(devices), kOk);
  ASSERT_EQ(client.InjectFault(device, "hid.open", -1), kOk);
  VirtualHandle handle = 0;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(client.HidOpen(devices[0].hidPath, handle), kErrorGenFailure);
  EXPECT_EQ(State(device, "fault.hid.open"), "-1");
  ASSERT_EQ(client.InjectFault(device, "hid.open", 0), kOk);
  EXPECT_EQ(client.HidOpen(devices[0].hidPath, handle), kOk);
  EXPECT_EQ(TakeJournal(device), (std::vector<std::string>{"plug 1 72xx 1E4B 7201", "tool.fault hid.open -1",
                                                           "hid.open -> fault", "hid.open -> fault",
                                                           "hid.open -> fault", "tool.fault hid.open 0",
                                                           "hid.open -> 0"}));
}

TEST_F(EepromAndFaultTest, ReadinessProbeFailsWhileFaultedAndJournalsWhy) {
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 1), kOk);
  TakeJournal(device);
  Bytes block(234, 0);
  block[0] = 4;
  EXPECT_EQ(client.SdkAudioCommand(device, block), kSdkFailed);
  EXPECT_EQ(client.SdkAudioCommand(device, block), kSdkOk);
  EXPECT_EQ(TakeJournal(device),
            (std::vector<std::string>{"sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 1 (fault)",
                                      "sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0"}));
}

}  // namespace
}  // namespace vorma::virtual72xx::test
