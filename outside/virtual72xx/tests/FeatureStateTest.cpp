// The device's SDK-level features, filter driver requests, LED controllers and capture endpoint,
// observed through the state dump.

#include "outside/virtual72xx/tests/VirtualDeviceFixture.h"

#include <bit>
#include <cstring>

namespace vorma::virtual72xx::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FeatureStateTest : public VirtualDeviceFixture {
protected:
  void SetUp() override {
    device = Plug();
    std::vector<DeviceSummary> devices;
    ASSERT_EQ(client.ListDevices(devices), kOk);
    ASSERT_EQ(devices.at(0).filterControlName, L"\\\\.\\Class#UsbZurudOvoension&1E4B&7201");
    ASSERT_EQ(client.FilterOpen(devices[0].filterControlName, filter), kOk);
  }

  DeviceNumber device = 0;
  VirtualHandle filter = 0;
};

TEST_F(FeatureStateTest, FilterAnswersItsFourRequests) {
  struct Case {
    const char* name;
    std::uint32_t code;
    Bytes input;
    std::uint32_t capacity;
    unsigned long error;
    Bytes output;
  };
  const Case cases[] = {
      {"set effect 2", 0x8232008, {2, 0, 0, 0}, 0, kOk, {}},
      {"set switch 1", 0x8232000, {1, 0, 0, 0}, 0, kOk, {}},
      {"query value of selector 0: the effect", 0x223028, {1, 0, 0, 0, 0, 0, 0, 0}, 8, kOk, {1, 0, 0, 0, 2, 0, 0, 0}},
      {"query value of selector 1: the switch", 0x223028, {1, 0, 1, 0, 9, 9, 9, 9}, 8, kOk, {1, 0, 1, 0, 1, 0, 0, 0}},
      {"query state", 0x223190, {1, 0, 0, 0, 0, 0, 0, 0}, 8, kOk, {1, 0, 0, 0, 1, 0, 0, 0}},
      {"effect 5 does not exist", 0x8232008, {5, 0, 0, 0}, 0, kErrorInvalidParameter, {}},
      {"query with a short input", 0x223028, {1, 0, 0, 0}, 8, kErrorInvalidParameter, {}},
      {"query into a short buffer", 0x223190, {1, 0, 0, 0, 0, 0, 0, 0}, 4, kErrorInsufficientBuffer, {}},
      {"unknown code", 0x222000, {}, 0, kErrorInvalidFunction, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FilterReply reply{{0xBD}};
    EXPECT_EQ(client.FilterIoControl(filter, c.code, c.input, c.capacity, reply), c.error);
    if (c.error == kOk) {
      EXPECT_EQ(reply.output, c.output);
    }
  }
  EXPECT_EQ(State(device, "filter.effect"), "2");
  std::vector<std::string> journal = TakeJournal(device);
  EXPECT_EQ(journal.at(2), "filter.ioctl 0x8232008 set-effect [02 00 00 00] cap 0 -> 0 out []");
}

TEST_F(FeatureStateTest, AudioCommandsSwitchEncAndVoiceAndReturnTheRecords) {
  auto command = [&](std::uint8_t cmd, std::uint8_t sub, Bytes argument) {
    Bytes block(234, 0);
    block[0] = cmd;
    block[1] = sub;
    std::copy(argument.begin(), argument.end(), block.begin() + 2);
    EXPECT_EQ(client.SdkAudioCommand(device, block), kSdkOk);
    return block;
  };
  command(4, 0, {1, 0, 0, 0});
  command(7, 2, {1, 0, 0, 0, 0xFD, 0xFF, 0, 0, 0, 0});  // voice on, offset -3
  Bytes reply = command(4, 8, {});
  EXPECT_EQ(Bytes(reply.begin() + 2, reply.begin() + 10), (Bytes{1, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(Bytes(reply.begin() + 134, reply.begin() + 150),
            (Bytes{1, 0, 0, 0, 0x80, 0x3E, 0, 0, 20, 0, 0, 0, 3, 0, 0, 0}));
  EXPECT_EQ(State(device, "enc.enable"), "1");
  EXPECT_EQ(State(device, "voice.offset"), "-3");

  Bytes record(reply.begin() + 134, reply.begin() + 150);
  record[8] = 31;
  EXPECT_EQ(client.SdkSetEncParameters(device, record), kSdkFailed) << "levels go up to 30";
  record[8] = 30;
  EXPECT_EQ(client.SdkSetEncParameters(device, record), kSdkOk);
  EXPECT_EQ(State(device, "enc.level"), "30");
  Bytes unknown(234, 0);
  unknown[0] = 9;
  EXPECT_EQ(client.SdkAudioCommand(device, unknown), kSdkFailed);
}

TEST_F(FeatureStateTest, Virtual7ch1KeepsTheBlockAndTheScalar) {
  Bytes block(68, 0);
  block[0] = 1;
  const float level = 1.7f, angle = 0.785398f;
  std::memcpy(&block[4], &level, 4);
  std::memcpy(&block[36], &angle, 4);
  EXPECT_EQ(client.SdkSetVirtual7ch1OnOff(device, 1), kSdkOk);
  EXPECT_EQ(client.SdkSetVirtual7ch1(device, block), kSdkOk);
  EXPECT_EQ(client.SdkSetVirtual7ch1(device, Bytes(67, 0)), kSdkFailed);
  EXPECT_EQ(client.SdkSetVirtual7ch1Scalar(device, 1.5f), kSdkOk);
  EXPECT_EQ(State(device, "v71.enable"), "1");
  EXPECT_EQ(State(device, "v71.level.0"), "1.7");
  EXPECT_EQ(State(device, "v71.block").substr(0, 23), "01 00 00 00 9a 99 d9 3f");
  EXPECT_EQ(State(device, "v71.angle.0"), "0.785398");
  EXPECT_EQ(State(device, "v71.scalar"), "1.5");
}

TEST_F(FeatureStateTest, LedControllersTakeMasterByIdAndSlaveForms) {
  auto rgb = [&](RgbForm form, RgbCommand command, std::uint8_t led, std::uint8_t value, std::uint8_t speed = 0,
                 std::uint8_t controllerId = 0x3A) {
    RgbRequest r;
    r.form = form;
    r.command = command;
    r.controllerId = controllerId;
    r.led = led;
    r.value = value;
    r.speed = speed;
    r.red = 0x12;
    r.green = 0x34;
    r.blue = 0x56;
    r.timeout = form == RgbForm::ById ? 50 : 500;
    return client.SdkRgb(device, r);
  };
  EXPECT_EQ(rgb(RgbForm::ById, RgbCommand::Mode, 0, 4, 10), kSdkOk);  // group 0: both LEDs
  EXPECT_EQ(rgb(RgbForm::ById, RgbCommand::Color, 1, 3), kSdkOk);
  EXPECT_EQ(rgb(RgbForm::Master, RgbCommand::Brightness, 2, 5), kSdkOk);
  EXPECT_EQ(rgb(RgbForm::Slave, RgbCommand::SingleColor, 2, 4), kSdkOk);
  EXPECT_EQ(rgb(RgbForm::Master, RgbCommand::Mode, 0, 2, 0, 0x3B), kSdkFailed) << "no controller at 0x3B";
  EXPECT_EQ(rgb(RgbForm::Master, RgbCommand::Brightness, 1, 7), kSdkFailed) << "brightness is 1-6";
  EXPECT_EQ(rgb(RgbForm::Slave, RgbCommand::Mode, 3, 2), kSdkFailed) << "LED numbers are 0-2";

  EXPECT_EQ(State(device, "led.master.1.mode"), "4");
  EXPECT_EQ(State(device, "led.master.2.speed"), "10");
  EXPECT_EQ(State(device, "led.master.1.color.3"), "123456");
  EXPECT_EQ(State(device, "led.master.2.color.3"), "000000");
  EXPECT_EQ(State(device, "led.master.2.brightness"), "5");
  EXPECT_EQ(State(device, "led.slave.2.modecolor.4"), "123456");
  EXPECT_EQ(State(device, "led.slave.1.mode"), "1");
  std::vector<std::string> journal = TakeJournal(device);
  EXPECT_EQ(journal.at(journal.size() - 7), "sdk DLLQZ_SetRGB_Mode_ById 58 0 4 10 50 0 -> 0");
  EXPECT_EQ(journal.at(journal.size() - 4), "sdk DLLQZ_UsbHidSlave_SetRGB_SingleColor_Ex 2 4 18 52 86 500 -> 0");
}

TEST_F(FeatureStateTest, CaptureSamplesFollowVolumeMuteAndBoost) {
  ASSERT_EQ(client.SetMicSignal(device, 60), kOk);
  ASSERT_EQ(client.CaptureSetVolume(device, 50), kOk);
  auto meanDistance = [&] {
    Bytes samples;
    EXPECT_EQ(client.CaptureRead(device, 400, samples), kOk);
    int sum = 0;
    for (std::uint8_t s : samples) sum += std::abs(s - 128);
    return sum / 400;
  };
  EXPECT_EQ(meanDistance(), 30);
  ASSERT_EQ(client.CaptureSetBoost(device, true), kOk);
  EXPECT_EQ(meanDistance(), 60);
  ASSERT_EQ(client.CaptureSetMute(device, true), kOk);
  EXPECT_EQ(meanDistance(), 0);
  CaptureState state;
  ASSERT_EQ(client.CaptureGet(device, state), kOk);
  EXPECT_EQ(state.volumePercent, 50);
  EXPECT_TRUE(state.mute);
  EXPECT_TRUE(state.boost);
  EXPECT_EQ(client.CaptureSetVolume(device, 101), kErrorInvalidParameter);
}

}  // namespace
}  // namespace vorma::virtual72xx::test
