// Register and GPIO reports as the virtual device receives them, and the result of each step that
// can fail.

#include "panel/device/DeviceDiscovery.h"
#include "panel/device/HidRegisterTransport.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"

#include <functional>

namespace vorma::test {
namespace {

using Lines = std::vector<std::string>;

class HidRegisterTransportTest : public VirtualDeviceTest {
protected:
  void SetUp() override {
    VirtualDeviceTest::SetUp();
    device = Plug();
    TakeJournal(device);
  }

  std::unique_ptr<HidConnection> Open() {
    auto connection = OpenHidDevice(*ports.hid, 0x1E4B, 0x7201);
    EXPECT_TRUE(connection);
    return connection;
  }

  DeviceNumber device = 0;
};

TEST_F(HidRegisterTransportTest, OpenHidDeviceFindsTheInterfaceWithTheIds) {
  Plug("unrelated-hid");
  const DeviceNumber second = Plug("72xx", 0x7202);
  EXPECT_TRUE(OpenHidDevice(*ports.hid, 0x1E4B, 0x7202));
  EXPECT_EQ(TakeJournal(second, {"hid.open"}).size(), 1u);
  EXPECT_FALSE(OpenHidDevice(*ports.hid, 0x1E4B, 0x7203));
  EXPECT_FALSE(OpenHidDevice(*ports.hid, 0x7202, 0x1E4B));
}

TEST_F(HidRegisterTransportTest, SendsTheReportsOfEachOperationAtTheDeviceLength) {
  ASSERT_EQ(client.SetGpioLevel(device, 1, 0), virtual72xx::kOk);
  ASSERT_EQ(client.SetGpioLevel(device, 9, 0), virtual72xx::kOk);
  struct Case {
    const char* name;
    std::function<int(HidConnection&)> operation;
    Lines reports;
  };
  std::uint8_t readValue = 0xBD;
  GpioLevels gpioRead{};
  gpioRead.fill(0xBD);
  const Case cases[] = {
      {"register write",
       [](HidConnection& d) { return WriteDeviceRegister(d, 0x0120, 0x5A); },
       {"hid.out 00 60 20 01 10 -> address 0x0120", "hid.out 00 60 5a 01 20 -> write 0x0120 = 0x5a"}},
      {"end of writes",
       [](HidConnection& d) { return EndRegisterWrites(d); },
       {"hid.out 00 00 00 00 00 -> end"}},
      {"register read",
       [&](HidConnection& d) { return ReadDeviceRegister(d, 0x0120, readValue); },
       {"hid.out 00 60 20 01 10 -> address 0x0120", "hid.in 00 60 5a 00 10 -> register 0x0120"}},
      {"GPIO write: GPIO 0-7 in byte 2, 8-9 in byte 4 with 0x3C",
       [](HidConnection& d) { return WriteGpioBits(d, {1, 0, 1, 0, 0, 0, 0, 1, 0, 1}); },
       {"hid.out 00 60 85 ff 3e -> gpio write 1010000101"}},
      {"GPIO read request",
       [&](HidConnection& d) { return ReadGpioBits(d, gpioRead); },
       {"hid.out 00 60 00 00 30 -> gpio read 1011111110", "hid.in 00 60 fd 01 30 -> gpio"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto connection = Open();
    ASSERT_TRUE(connection);
    TakeJournal(device);
    EXPECT_EQ(c.operation(*connection), 0);
    EXPECT_EQ(TakeJournal(device, {"hid.out", "hid.in"}), c.reports);
  }
  EXPECT_EQ(readValue, 0x5A);
  const GpioLevels expected{1, 0, 1, 1, 1, 1, 1, 1, 1, 0};
  EXPECT_EQ(gpioRead, expected);
}

// A HID interface in memory whose lengths and failures a case sets.
class ScriptedHid final : public HidConnection {
public:
  bool capsFail = false;
  int capsReads = 0;
  HidReportSizes sizes{65, 65};
  int failOutputNumber = 0;  // the n-th output report fails (1 = the first), 0 = none
  bool inputFails = false;
  int outputsSent = 0;

  bool GetAttributes(HidIdentity&) override { return false; }
  bool ReadReportSizes(HidReportSizes& s) override {
    ++capsReads;
    s = sizes;
    return !capsFail;
  }
  bool SetOutputReport(std::span<const std::uint8_t> report) override {
    EXPECT_EQ(report.size(), sizes.output);
    return ++outputsSent != failOutputNumber;
  }
  bool GetInputReport(std::span<std::uint8_t> report) override {
    EXPECT_EQ(report.size(), sizes.input);
    return !inputFails;
  }
};

TEST(HidRegisterResults, ReportTheStepThatFailed) {
  struct Case {
    const char* name;
    std::function<void(ScriptedHid&)> script;
    int write, read, end, gpioWrite, gpioRead;
  };
  const Case cases[] = {
      {"no report lengths", [](ScriptedHid& h) { h.capsFail = true; },
       kRegisterWriteNoOutputLength, kRegisterReadNoOutputLength, kEndWritesNoOutputLength, kGpioWriteNoLength,
       kGpioReadNoOutputLength},
      {"output length 0", [](ScriptedHid& h) { h.sizes = {65, 0}; },
       kRegisterWriteNoOutputLength, kRegisterReadNoOutputLength, kEndWritesNoOutputLength, kGpioWriteNoLength,
       kGpioReadNoOutputLength},
      {"the first output report fails", [](ScriptedHid& h) { h.failOutputNumber = 1; },
       kRegisterWriteAddressFailed, kRegisterReadAddressFailed, kEndWritesFailed, kGpioWriteFailed,
       kGpioReadRequestFailed},
      {"the second output report fails", [](ScriptedHid& h) { h.failOutputNumber = 2; },
       kRegisterWriteDataFailed, kRegisterReadDone, kEndWritesDone, kGpioWriteDone, kGpioReadDone},
      {"input length 0", [](ScriptedHid& h) { h.sizes = {0, 65}; },
       kRegisterWriteDone, kRegisterReadNoInputLength, kEndWritesDone, kGpioWriteDone, kGpioReadNoInputLength},
      {"the input report fails", [](ScriptedHid& h) { h.inputFails = true; },
       kRegisterWriteDone, kRegisterReadInputFailed, kEndWritesDone, kGpioWriteDone, kGpioReadInputFailed},
      // Reports of 4 bytes cannot carry a command; nothing is sent rather than written past the buffer.
      {"report length 4", [](ScriptedHid& h) { h.sizes = {4, 4}; },
       kRegisterWriteAddressFailed, kRegisterReadAddressFailed, kEndWritesDone, kGpioWriteLengthTooShort,
       kGpioReadOutputTooShort},
      {"input length 4", [](ScriptedHid& h) { h.sizes = {4, 65}; },
       kRegisterWriteDone, kRegisterReadDone, kEndWritesDone, kGpioWriteDone, kGpioReadInputTooShort},
      {"input length 2 cannot hold a register value", [](ScriptedHid& h) { h.sizes = {2, 65}; },
       kRegisterWriteDone, kRegisterReadInputFailed, kEndWritesDone, kGpioWriteDone, kGpioReadInputTooShort},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto run = [&](const std::function<int(HidConnection&)>& operation) {
      ScriptedHid hid;
      c.script(hid);
      return operation(hid);
    };
    std::uint8_t value = 0xBD;
    GpioLevels levels{};
    levels.fill(0xBD);
    EXPECT_EQ(run([](HidConnection& d) { return WriteDeviceRegister(d, 0x100, 1); }), c.write);
    EXPECT_EQ(run([&](HidConnection& d) { return ReadDeviceRegister(d, 0x100, value); }), c.read);
    EXPECT_EQ(run([](HidConnection& d) { return EndRegisterWrites(d); }), c.end);
    EXPECT_EQ(run([](HidConnection& d) { return WriteGpioBits(d, GpioLevels{}); }), c.gpioWrite);
    EXPECT_EQ(run([&](HidConnection& d) { return ReadGpioBits(d, levels); }), c.gpioRead);
    // Outputs stay untouched unless the read succeeded.
    EXPECT_EQ(value, c.read == kRegisterReadDone ? 0 : 0xBD);
    EXPECT_EQ(levels[0], c.gpioRead == kGpioReadDone ? 0 : 0xBD);
  }
}

// The lengths cannot change while the handle is open: one query per opened connection, however
// many reports follow, and a new query after the next open.
TEST_F(HidRegisterTransportTest, AsksTheReportLengthsOncePerOpenedConnection) {
  for (int open = 0; open < 2; ++open) {
    SCOPED_TRACE(open);
    auto connection = Open();
    ASSERT_TRUE(connection);
    TakeJournal(device);
    std::uint8_t value = 0;
    GpioLevels levels{};
    EXPECT_EQ(WriteDeviceRegister(*connection, 0x0120, 0x5A), kRegisterWriteDone);
    EXPECT_EQ(WriteDeviceRegister(*connection, 0x0121, 0x03), kRegisterWriteDone);
    EXPECT_EQ(ReadDeviceRegister(*connection, 0x0120, value), kRegisterReadDone);
    EXPECT_EQ(ReadGpioBits(*connection, levels), kGpioReadDone);
    EXPECT_EQ(EndRegisterWrites(*connection), kEndWritesDone);
    EXPECT_EQ(TakeJournal(device, {"hid.caps"}), Lines{"hid.caps -> in 65 out 65"});
    EXPECT_EQ(value, 0x5A);
  }
}

// Only lengths that were read are kept: after a failed query the next operation asks again.
TEST(HidRegisterResults, AFailedLengthQueryIsAskedAgain) {
  ScriptedHid hid;
  hid.capsFail = true;
  EXPECT_EQ(WriteDeviceRegister(hid, 0x100, 1), kRegisterWriteNoOutputLength);
  hid.capsFail = false;
  EXPECT_EQ(WriteDeviceRegister(hid, 0x100, 1), kRegisterWriteDone);
  EXPECT_EQ(EndRegisterWrites(hid), kEndWritesDone);
  EXPECT_EQ(hid.capsReads, 2);
  EXPECT_EQ(hid.outputsSent, 3);
}

TEST_F(HidRegisterTransportTest, TheDeviceRefusesNothingAtReportLength4BecauseNothingIsSent) {
  ASSERT_EQ(client.SetReportLengths(device, 4, 4), virtual72xx::kOk);
  auto connection = Open();
  ASSERT_TRUE(connection);
  TakeJournal(device);
  EXPECT_EQ(WriteGpioBits(*connection, GpioLevels{}), kGpioWriteLengthTooShort);
  EXPECT_EQ(WriteDeviceRegister(*connection, 0x100, 1), kRegisterWriteAddressFailed);
  EXPECT_EQ(TakeJournal(device, {"hid.out", "hid.in"}), Lines{});
}

}  // namespace
}  // namespace vorma::test
