// The device's HID register interface: raw output reports decoded at the device's report length,
// input reports answering register reads and GPIO read requests, and refused lengths.

#include "outside/virtual72xx/tests/VirtualDeviceFixture.h"

namespace vorma::virtual72xx::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class DeviceReportTest : public VirtualDeviceFixture {
protected:
  void SetUp() override {
    device = Plug();
    hid = OpenHid(device);
    TakeJournal(device);
  }

  Bytes ReadInput() {
    Bytes report(kReportLength, 0);
    EXPECT_EQ(client.HidGetInputReport(hid, report), kOk);
    return report;
  }

  DeviceNumber device = 0;
  VirtualHandle hid = 0;
};

TEST_F(DeviceReportTest, ReportsTheLengthsItAccepts) {
  HidReportLengths lengths;
  ASSERT_EQ(client.HidGetReportLengths(hid, lengths), kOk);
  EXPECT_EQ(lengths.input, kReportLength);
  EXPECT_EQ(lengths.output, kReportLength);
  HidAttributes attributes;
  ASSERT_EQ(client.HidGetAttributes(hid, attributes), kOk);
  EXPECT_EQ(attributes.vendorId, 0x1E4B);
  EXPECT_EQ(attributes.productId, 0x7201);
}

struct DecodeCase {
  const char* name;
  std::vector<Bytes> reports;          // the first five bytes of each report
  std::vector<std::string> journal;    // one line per report
  std::uint16_t address;
  std::uint8_t expected;
};

TEST_F(DeviceReportTest, DecodesRegisterReportsOneByOne) {
  const DecodeCase cases[] = {
      {"address, data, end",
       {{0, 0x60, 0x20, 0x01, 0x10}, {0, 0x60, 0x5A, 0x01, 0x20}, {0, 0, 0, 0, 0}},
       {"hid.out 00 60 20 01 10 -> address 0x0120", "hid.out 00 60 5a 01 20 -> write 0x0120 = 0x5a",
        "hid.out 00 00 00 00 00 -> end"},
       0x120, 0x5A},
      {"a second data report rewrites the same register",
       {{0, 0x60, 0xCD, 0x01, 0x10}, {0, 0x60, 0x11, 0x01, 0x20}, {0, 0x60, 0x22, 0x01, 0x20}},
       {"hid.out 00 60 cd 01 10 -> address 0x01cd", "hid.out 00 60 11 01 20 -> write 0x01cd = 0x11",
        "hid.out 00 60 22 01 20 -> write 0x01cd = 0x22"},
       0x1CD, 0x22},
      {"data after the end report has no address",
       {{0, 0x60, 0x8A, 0x01, 0x10}, {0, 0, 0, 0, 0}, {0, 0x60, 0x77, 0x01, 0x20}},
       {"hid.out 00 60 8a 01 10 -> address 0x018a", "hid.out 00 00 00 00 00 -> end",
        "hid.out 00 60 77 01 20 -> ignored: no address"},
       0x18A, 0x01},
      {"another report ID or prefix is ignored",
       {{1, 0x60, 0x00, 0x01, 0x10}, {0, 0x61, 0x00, 0x01, 0x10}},
       {"hid.out 01 60 00 01 10 -> ignored: report ID 1", "hid.out 00 61 00 01 10 -> ignored"},
       0x100, 0x00},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const Bytes& head : c.reports) {
      Bytes report = head;
      report.resize(kReportLength, 0);
      EXPECT_EQ(client.HidSetOutputReport(hid, report), kOk);
    }
    EXPECT_EQ(TakeJournal(device), c.journal);
    EXPECT_EQ(Register(device, c.address), c.expected);
    ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0, 0, 0, 0})), kOk);
    TakeJournal(device);
  }
}

TEST_F(DeviceReportTest, InputReportAnswersTheAddressedRegister) {
  ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x29, 0x01, 0x10})), kOk);
  Bytes answer = ReadInput();
  EXPECT_EQ(answer, Report({0, 0x60, 0xE4, 0x00, 0x10}));  // 0x129 powers up flat with flags A-C
  // A read-modify-write in one transaction reads back its own write.
  ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x64, 0x01, 0x20})), kOk);
  EXPECT_EQ(ReadInput()[2], 0x64);
  ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0, 0, 0, 0})), kOk);
  EXPECT_EQ(ReadInput(), Report({}));
  EXPECT_EQ(TakeJournal(device), (std::vector<std::string>{
                                     "hid.out 00 60 29 01 10 -> address 0x0129",
                                     "hid.in 00 60 e4 00 10 -> register 0x0129",
                                     "hid.out 00 60 64 01 20 -> write 0x0129 = 0x64",
                                     "hid.in 00 60 64 00 10 -> register 0x0129",
                                     "hid.out 00 00 00 00 00 -> end",
                                     "hid.in 00 00 00 00 00 -> nothing",
                                 }));
}

TEST_F(DeviceReportTest, GpioWriteSetsLatchesAndReadRequestAnswersLevels) {
  // Buttons idle high; pin 3 pressed. All pins are inputs, so the latches do not drive them yet.
  ASSERT_EQ(client.SetGpioLevel(device, 3, 0), kOk);
  ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x01, 0xFF, 0x3D})), kOk);  // GPIO 0 and 8 high
  EXPECT_EQ(State(device, "gpio.latch"), "1000000010");
  ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x00, 0x00, 0x30})), kOk);
  EXPECT_EQ(ReadInput(), Report({0, 0x60, 0xF7, 0x03, 0x30}));

  // As outputs the pins show their latches.
  EXPECT_EQ(client.SdkSetGpioMode(device, Bytes(10, 1), 10, 0), kSdkOk);
  ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x00, 0x00, 0x30})), kOk);
  EXPECT_EQ(ReadInput(), Report({0, 0x60, 0x01, 0x01, 0x30}));

  std::vector<std::string> journal = TakeJournal(device);
  ASSERT_GE(journal.size(), 4u);
  EXPECT_EQ(journal[1], "hid.out 00 60 01 ff 3d -> gpio write 1000000010");
  EXPECT_EQ(journal[2], "hid.out 00 60 00 00 30 -> gpio read 1110111111");
}

TEST_F(DeviceReportTest, RefusesReportsOfAnotherLength) {
  for (size_t length : {size_t{5}, kReportLength - 1, kReportLength + 1}) {
    SCOPED_TRACE(length);
    EXPECT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x20, 0x01, 0x10}, length)), kErrorInvalidParameter);
    Bytes input(length, 0);
    EXPECT_EQ(client.HidGetInputReport(hid, input), kErrorInvalidParameter);
  }
  EXPECT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x77, 0x01, 0x20})), kOk);
  EXPECT_EQ(Register(device, 0x120), 0x00) << "a refused address report must not select the register";
  EXPECT_EQ(TakeJournal(device).front(), "hid.out 00 60 20 01 10 -> refused: 5 bytes, the report length is 65");
}

TEST_F(DeviceReportTest, ReportLengthOfFourCarriesNoCommand) {
  ASSERT_EQ(client.SetReportLengths(device, 4, 4), kOk);
  HidReportLengths lengths;
  ASSERT_EQ(client.HidGetReportLengths(hid, lengths), kOk);
  EXPECT_EQ(lengths.output, 4);
  EXPECT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x20, 0x01}, 4)), kOk);
  EXPECT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x20, 0x01, 0x10})), kErrorInvalidParameter);
  EXPECT_EQ(client.SdkWriteRegister(device, 0x200, 4, 0), kSdkFailed);
  EXPECT_EQ(Register(device, 0x200), 0);
  std::vector<std::string> journal = TakeJournal(device);
  ASSERT_GE(journal.size(), 3u);
  EXPECT_EQ(journal[2], "hid.out 00 60 20 01 -> ignored: too short for a command");
}

TEST_F(DeviceReportTest, SdkRegisterCallsGoThroughTheSameDecoding) {
  EXPECT_EQ(client.SdkWriteRegister(device, 0x230, 0x20, 0), kSdkOk);
  std::uint8_t value = 0;
  EXPECT_EQ(client.SdkReadRegister(device, 0x230, value, 0), kSdkOk);
  EXPECT_EQ(value, 0x20);
  EXPECT_EQ(TakeJournal(device), (std::vector<std::string>{"sdk DLLQZ_Write_Register_ById 560 32 0 -> 0",
                                                           "sdk DLLQZ_Read_Register_ById 560 0 -> 0 out 32"}));
  // The SDK's transaction ended: a data report now has no address.
  ASSERT_EQ(client.HidSetOutputReport(hid, Report({0, 0x60, 0x55, 0x01, 0x20})), kOk);
  EXPECT_EQ(Register(device, 0x230), 0x20);
}

}  // namespace
}  // namespace vorma::virtual72xx::test
