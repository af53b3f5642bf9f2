// The microphone page against the virtual device's capture endpoint and registers: gain maths,
// switches, the endpoint-ready flag, the monitor modes with the listen setting in Wine's registry,
// the level meter's width rule, start-up and device activation.

#include "panel/features/microphone/tests/MicrophoneTestFixture.h"

#include "foundation/UniqueHandles.h"
#include "panel/device/audio/ListenToDevice.h"

#include <algorithm>

namespace vorma::test {
namespace {

using features::CMicrophonePage;
using features::MicrophoneSettings;
using Lines = std::vector<std::string>;

constexpr char kRead200[] = "sdk DLLQZ_Read_Register_ById 512 0 -> 0";  // its value is not used
constexpr char kWrite200[] = "sdk DLLQZ_Write_Register_ById 512 4 0 -> 0";
constexpr char kWrite230On[] = "sdk DLLQZ_Write_Register_ById 560 32 0 -> 0";
constexpr char kWrite230Off[] = "sdk DLLQZ_Write_Register_ById 560 0 0 -> 0";

TEST_F(MicrophoneTest, SliderPositionsGiveTheGainAndTheGainPlacesTheSlider) {
  CMicrophonePage& mic = MakePage();
  controls->micTrack = {208, 120};
  struct Case {
    int proposedTop, percent, shownTop;
  };
  for (const Case c : {Case{208, 100, 208}, Case{328, 0, 328}, Case{238, 75, 238}, Case{500, 0, 328},
                       Case{-40, 100, 208}, Case{209, 99, 210}}) {
    mic.DragSlider(c.proposedTop);
    EXPECT_EQ(Capture().volumePercent, c.percent) << c.proposedTop;
    EXPECT_EQ(controls->LabelNamed(L"MicValueLabel")->Caption(), std::to_wstring(c.percent)) << c.proposedTop;
    EXPECT_EQ(Image(L"MicSliderImage").Top(), c.shownTop) << c.proposedTop;
  }
  // The lower bar reaches from its own top down to the slider's bottom.
  forms::Image& slider = Image(L"MicSliderImage");
  forms::Image& bar = Image(L"MicBarDownImage");
  bar.SetBounds(bar.Left(), 200, bar.Width(), 5);
  // A click on the bar puts the slider's centre at the cursor.
  mic.JumpSlider(238 + slider.Height() / 2);
  EXPECT_EQ(Capture().volumePercent, 75);
  EXPECT_EQ(slider.Top(), 238);
  EXPECT_EQ(bar.Top() + bar.Height(), slider.Top() + slider.Height());
}

TEST_F(MicrophoneTest, SwitchesReachTheEndpointAndAreReadBack) {
  CMicrophonePage& mic = MakePage();
  mic.BoostClick();
  mic.MuteClick();
  EXPECT_TRUE(Capture().boost);
  EXPECT_TRUE(Capture().mute);
  EXPECT_EQ(mic.BoostState(), 1);
  EXPECT_EQ(host.endpointReady, true);
  ASSERT_EQ(client.CaptureSetBoost(device, false), virtual72xx::kOk);
  controls->TakeRequests();
  mic.ShowMicSwitches();
  EXPECT_EQ(mic.BoostState(), 0);
  EXPECT_EQ(mic.MuteState(), 1);
  EXPECT_EQ(controls->TakeRequests(), (std::vector<std::wstring>{L"toggle 21 -> 0", L"toggle 22 -> 1"}));
}

TEST_F(MicrophoneTest, WithoutTheEndpointTheDisplayStaysAndTheReadyFlagIsCleared) {
  CMicrophonePage& mic = MakePage();
  mic.SetGainPercent(40);
  ASSERT_EQ(client.Unplug(device), virtual72xx::kOk);
  mic.DragSlider(208);
  mic.ShowMicSwitches();
  EXPECT_EQ(host.endpointReady, false);
  EXPECT_EQ(controls->LabelNamed(L"MicValueLabel")->Caption(), L"40");
  EXPECT_EQ(mic.MuteState(), 0);
}

TEST_F(MicrophoneTest, AHeldEndpointServesEveryOperationWithoutALookUp) {
  CMicrophonePage& mic = MakePage();
  ASSERT_TRUE(mic.LookUpEndpoint());
  host.endpointReady.reset();
  mic.SetGainPercent(25);
  EXPECT_FALSE(host.endpointReady.has_value());
  mic.ReleaseEndpoint();
  mic.SetGainPercent(30);
  EXPECT_EQ(host.endpointReady, true);
  EXPECT_EQ(Capture().volumePercent, 30);
}

TEST_F(MicrophoneTest, SystemsBeforeVistaUseTheMixerAndLeaveTheReadyFlag) {
  MicrophoneSettings settings;
  settings.osClass = 4;
  CMicrophonePage& mic = MakePage(settings);
  mic.SetGainPercent(60);
  EXPECT_EQ(Capture().volumePercent, 60);
  EXPECT_FALSE(host.endpointReady.has_value());
}

// A capture endpoint key of the device in Wine's registry, removed again afterwards.
class ListenKey {
public:
  ListenKey() {
    UniqueRegKey key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr,
                    key.put(), nullptr);
    const std::wstring device = L"{1}.\\\\?\\usb#vid_1e4b&pid_7201&mi_00#7&2a4f0001&0&0000";
    RegSetValueExW(key.get(), kEndpointDevicePathValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(device.c_str()),
                   static_cast<DWORD>((device.size() + 1) * sizeof(wchar_t)));
  }
  ~ListenKey() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kCaptureEndpointsKey) + L"\\{vorma-mic-test}").c_str()); }
  // "on", "off" or "none" (not written).
  std::string State() const {
    BYTE bytes[16] = {};
    DWORD size = sizeof(bytes);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, Path().c_str(), kListenValue1, RRF_RT_REG_BINARY,
                     nullptr, bytes, &size) != ERROR_SUCCESS)
      return "none";
    return bytes[8] == 0xFF ? "on" : "off";
  }

private:
  static std::wstring Path() { return std::wstring(kCaptureEndpointsKey) + L"\\{vorma-mic-test}\\Properties"; }
};

TEST_F(MicrophoneTest, EachMonitorModeSwitchesTheRegistersAndTheListenSettingItsWay) {
  struct Case {
    int mode;
    Lines offCalls;
    std::string listenAfterOff;
  };
  const std::vector<Case> cases = {
      {0, {kRead200, kWrite200, kWrite230Off}, "on"},  // mode 0 off leaves the listen setting
      {1, {}, "off"},                                  // mode 1 off touches no register
      {3, {kRead200, kWrite200, kWrite230Off}, "off"},
      {7, {kRead200, kWrite200, kWrite230Off}, "on"},
  };
  for (const Case& c : cases) {
    ListenKey key;
    MicrophoneSettings settings;
    settings.monitorMode = c.mode;
    CMicrophonePage& mic = MakePage(settings);
    mic.MonitorClick();
    EXPECT_EQ(mic.MonitorState(), 1);
    EXPECT_EQ(SdkCalls(), (Lines{kRead200, kWrite200, kWrite230On})) << "mode " << c.mode;
    EXPECT_EQ(key.State(), "on") << "mode " << c.mode;
    mic.MonitorClick();
    EXPECT_EQ(SdkCalls(), c.offCalls) << "mode " << c.mode;
    EXPECT_EQ(key.State(), c.listenAfterOff) << "mode " << c.mode;
  }
}

TEST_F(MicrophoneTest, AFailingRegisterCallIsRepeatedOnce) {
  MicrophoneSettings settings;
  settings.monitorMode = 0;
  CMicrophonePage& mic = MakePage(settings);
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_Write_Register_ById", 1), virtual72xx::kOk);
  mic.SetMicMonitor(true);
  EXPECT_EQ(SdkCalls(), (Lines{kRead200, "sdk DLLQZ_Write_Register_ById 512 4 0 -> 1 (fault)", kWrite200, kWrite230On}));
}

TEST(MeterWidth, FollowsTheLevelInStepsOfFourAndStaysWithinTheMeter) {
  struct Case {
    int distance, length, width;
  };
  // level = (length x 2 x distance) >> 7; width = 10 + 4 j, the largest j < level that fits.
  for (const Case c : {Case{0, 203, 0}, Case{1, 203, 18}, Case{29, 203, 202}, Case{127, 203, 202},
                       Case{1, 40, 0}, Case{2, 40, 10}, Case{50, 9, 0}, Case{10, 100, 66}}) {
    std::vector<std::uint8_t> samples(400);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i % 2 ? 128 - c.distance : 128 + c.distance);
    EXPECT_EQ(features::MeterWidth(samples, c.length), c.width) << c.distance << " " << c.length;
  }
}

TEST_F(MicrophoneTest, ASilentBufferEmptiesTheMeterAndStaleBuffersAreIgnored) {
  CMicrophonePage& mic = MakePage();
  forms::Image& meter = Image(L"MicProgressImage");
  std::vector<std::uint8_t> loud(400, 128 + 29), silent(400, 128);
  mic.MeterTick(loud);
  EXPECT_EQ(meter.Width(), 202);
  mic.MeterTick(silent);
  EXPECT_EQ(meter.Width(), 0);
  WAVEHDR stale = {};
  stale.lpData = reinterpret_cast<LPSTR>(loud.data());
  stale.dwBytesRecorded = 400;
  stale.dwFlags = WHDR_DONE;
  mic.OnMeterData(0, reinterpret_cast<LPARAM>(&stale));  // no capture is open
  EXPECT_EQ(meter.Width(), 0);
}

TEST_F(MicrophoneTest, StartUpReadsTheDisplayFromWindowsAndSetsTheReadyFlag) {
  ASSERT_EQ(client.CaptureSetVolume(device, 80), virtual72xx::kOk);
  ASSERT_EQ(client.CaptureSetMute(device, true), virtual72xx::kOk);
  CMicrophonePage& mic = MakePage();
  mic.StartUp();
  EXPECT_EQ(host.endpointReady, true);
  EXPECT_EQ(controls->LabelNamed(L"MicValueLabel")->Caption(), L"80");
  EXPECT_EQ(mic.MuteState(), 1);
  EXPECT_FALSE(mic.MeterCaptureOpen());
  mic.ReleaseEndpoint();

  // Without the device's endpoint on a Core Audio system nothing is read and the flag stays clear.
  ASSERT_EQ(client.Unplug(device), virtual72xx::kOk);
  host.endpointReady.reset();
  CMicrophonePage& other = MakePage();
  other.StartUp();
  EXPECT_FALSE(host.endpointReady.has_value());
}

TEST_F(MicrophoneTest, ActivationUnmutesAndSwitchesTheMonitorOffWithoutChangingItsState) {
  MicrophoneSettings settings;
  settings.monitorMode = 0;
  CMicrophonePage& mic = MakePage(settings);
  mic.SetMonitorState(1);
  ASSERT_EQ(client.CaptureSetMute(device, true), virtual72xx::kOk);
  mic.RefreshAfterActivation();
  EXPECT_FALSE(Capture().mute);
  EXPECT_EQ(mic.MuteState(), 0);
  EXPECT_EQ(mic.MonitorState(), 1);
  EXPECT_EQ(SdkCalls(), (Lines{kRead200, kWrite200, kWrite230Off}));
}

TEST(MonitorModeFromConfig, EmptyIsOneAndOtherwiseTheLeadingDigits) {
  EXPECT_EQ(features::MonitorModeFromConfig(L""), 1);
  EXPECT_EQ(features::MonitorModeFromConfig(L"2"), 2);
  EXPECT_EQ(features::MonitorModeFromConfig(L"3x"), 3);
  EXPECT_EQ(features::MonitorModeFromConfig(L"x"), 0);
}

}  // namespace
}  // namespace vorma::test
