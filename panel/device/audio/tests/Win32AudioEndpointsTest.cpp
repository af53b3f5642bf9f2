// The Win32 audio endpoint calls against the sound server's real endpoints under Wine. Wine lists
// the endpoints and their names but does not implement every call the panel makes (the volume
// setter, the volume steps, the device topology): those calls must fail quietly with their result.

#include "panel/device/audio/Win32AudioEndpoints.h"

#include "tests/support/TestSound.h"

#include <gtest/gtest.h>

namespace vorma::test {
namespace {

class Win32AudioEndpointsTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(SoundDevicesPresent()) << "no sound server: run inside scripts/pulse-session.sh"; }
};

TEST_F(Win32AudioEndpointsTest, TheSoundServersMicrophoneIsFoundByItsDescription) {
  EXPECT_NE(FindCaptureEndpointByDescription(kTestMicrophoneDescription), nullptr);
  EXPECT_NE(FindCaptureEndpointByDescription(L"72xx USB Audio"), nullptr);  // the name contains it
  EXPECT_EQ(FindCaptureEndpointByDescription(L"Microphone (No Such Device)"), nullptr);
  EXPECT_EQ(FindCaptureEndpointByDescription(L""), nullptr);
}

TEST_F(Win32AudioEndpointsTest, NoUsbDeviceHasACaptureDeviceSoEveryDeviceCallFindsNothing) {
  std::unique_ptr<AudioEndpointPort> port = CreateWin32AudioEndpointPort();
  EXPECT_EQ(port->FindCaptureDescription(0x1E4B, 0x7201), L"");
  EXPECT_EQ(port->FindCaptureEndpoint(0x1E4B, 0x7201), nullptr);
  std::unique_ptr<MicControls> mixer = port->MixerControls(0x1E4B, 0x7201);
  int percent = 0xbd;
  EXPECT_EQ(mixer->GetVolumePercent(percent), kAudioNoEndpoint);  // an empty description matches no mixer
  EXPECT_EQ(percent, 0xbd);
}

TEST_F(Win32AudioEndpointsTest, CallsWineDoesNotImplementFailWithTheirResultAndLeaveTheOutput) {
  std::unique_ptr<MicControls> endpoint = FindCaptureEndpointByDescription(kTestMicrophoneDescription);
  ASSERT_NE(endpoint, nullptr);
  int percent = 0xbd;
  EXPECT_EQ(endpoint->GetVolumePercent(percent), kAudioCallFailed);
  EXPECT_EQ(percent, 0xbd);
  EXPECT_EQ(endpoint->SetVolumePercent(50), kAudioCallFailed);
  bool boost = true;
  EXPECT_EQ(endpoint->GetBoost(boost), kBoostNoTopology);
  EXPECT_TRUE(boost);
  EXPECT_EQ(endpoint->SetBoost(true), kBoostNoTopology);
}

TEST_F(Win32AudioEndpointsTest, MuteGoesThroughTheEndpointVolume) {
  std::unique_ptr<MicControls> endpoint = FindCaptureEndpointByDescription(kTestMicrophoneDescription);
  ASSERT_NE(endpoint, nullptr);
  bool mute = true;
  ASSERT_EQ(endpoint->SetMute(false), kAudioDone);
  ASSERT_EQ(endpoint->GetMute(mute), kAudioDone);
  EXPECT_FALSE(mute);
}

}  // namespace
}  // namespace vorma::test
