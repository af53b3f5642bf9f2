// The audio endpoint port over the virtual device: which capture device belongs to a device, and
// what its controls do to the device's capture endpoint.

#include "panel/device/virtual/PortSelection.h"
#include "panel/device/virtual/VirtualAudioEndpoints.h"

#include "panel/device/tests/VirtualDeviceEnvironment.h"

namespace vorma::test {
namespace {

class VirtualAudioEndpointsTest : public VirtualDeviceTest {
protected:
  void SetUp() override {
    VirtualDeviceTest::SetUp();
    port = CreateAudioEndpointPort();  // VORMA_DEVICE=virtual is set by the fixture
  }
  virtual72xx::CaptureState Capture(DeviceNumber device) {
    virtual72xx::CaptureState state;
    EXPECT_EQ(client.CaptureGet(device, state), virtual72xx::kOk);
    return state;
  }
  std::unique_ptr<AudioEndpointPort> port;
};

TEST_F(VirtualAudioEndpointsTest, DescriptionAndEndpointBelongToTheDeviceWithTheseIds) {
  EXPECT_EQ(port->FindCaptureDescription(0x1E4B, 0x7201), L"");
  EXPECT_EQ(port->FindCaptureEndpoint(0x1E4B, 0x7201), nullptr);
  Plug("72xx", 0x7202);
  Plug("unrelated-hid");
  const DeviceNumber device = Plug("72xx", 0x7201);
  EXPECT_EQ(port->FindCaptureDescription(0x1E4B, 0x7201), L"Microphone (72xx USB Audio 7201)");
  EXPECT_EQ(port->FindCaptureDescription(0x1E4B, 0x7203), L"");

  std::unique_ptr<MicControls> endpoint = port->FindCaptureEndpoint(0x1E4B, 0x7201);
  ASSERT_NE(endpoint, nullptr);
  EXPECT_EQ(endpoint->SetVolumePercent(75), kAudioDone);
  EXPECT_EQ(endpoint->SetBoost(true), kAudioDone);
  EXPECT_EQ(endpoint->SetMute(true), kAudioDone);
  EXPECT_EQ(Capture(device).volumePercent, 75);
  EXPECT_TRUE(Capture(device).boost);
  int percent = -1;
  bool mute = false, boost = false;
  EXPECT_EQ(endpoint->GetVolumePercent(percent), kAudioDone);
  EXPECT_EQ(endpoint->GetMute(mute), kAudioDone);
  EXPECT_EQ(endpoint->GetBoost(boost), kAudioDone);
  EXPECT_EQ(percent, 75);
  EXPECT_TRUE(mute);
  EXPECT_TRUE(boost);
}

TEST_F(VirtualAudioEndpointsTest, MuteIsTriedThreeTimesAndAFailedReadLeavesTheOutput) {
  const DeviceNumber device = Plug();
  std::unique_ptr<MicControls> endpoint = port->FindCaptureEndpoint(0x1E4B, 0x7201);
  ASSERT_NE(endpoint, nullptr);
  ASSERT_EQ(client.InjectFault(device, "capture", 2), virtual72xx::kOk);
  EXPECT_EQ(endpoint->SetMute(true), kAudioDone);
  EXPECT_TRUE(Capture(device).mute);
  ASSERT_EQ(client.InjectFault(device, "capture", 3), virtual72xx::kOk);
  EXPECT_EQ(endpoint->SetMute(false), kAudioCallFailed);
  EXPECT_TRUE(Capture(device).mute);

  ASSERT_EQ(client.InjectFault(device, "capture", 1), virtual72xx::kOk);
  int percent = 0xbd;
  EXPECT_EQ(endpoint->GetVolumePercent(percent), kAudioCallFailed);
  EXPECT_EQ(percent, 0xbd);
}

TEST_F(VirtualAudioEndpointsTest, MixerPathReachesTheSameEndpointAndFailsFirstWithoutOne) {
  std::unique_ptr<MicControls> mixer = port->MixerControls(0x1E4B, 0x7201);
  ASSERT_NE(mixer, nullptr);
  int percent = 0;
  EXPECT_EQ(mixer->GetVolumePercent(percent), kAudioNoEndpoint);
  const DeviceNumber device = Plug();
  EXPECT_EQ(mixer->SetVolumePercent(30), kAudioDone);
  EXPECT_EQ(Capture(device).volumePercent, 30);
}

TEST(CaptureDevicePrefix, IsTheUpperCaseUsbPathStartAndMatchesWithoutCase) {
  EXPECT_EQ(CaptureDevicePrefix(0x1E4B, 0x0A1), L"\\\\?\\USB#VID_1E4B&PID_00A1");
  EXPECT_TRUE(PathBelongsToDevice(L"\\\\?\\usb#vid_1e4b&pid_00a1&mi_00#7&2a4f", 0x1E4B, 0x00A1));
  EXPECT_TRUE(PathBelongsToDevice(L"{1}.\\\\?\\USB#VID_1E4B&PID_00A1", 0x1E4B, 0x00A1));
  EXPECT_FALSE(PathBelongsToDevice(L"\\\\?\\USB#VID_1E4B&PID_00A2", 0x1E4B, 0x00A1));
  EXPECT_FALSE(PathBelongsToDevice(L"", 0x1E4B, 0x00A1));
}

}  // namespace
}  // namespace vorma::test
