// The test tone on a form built from the main window's resource: the orbit of the bee and the
// speakers, what reaches the virtual device, the restored arrangement, and (on the sound server
// the test command runs) the tone that plays and loops.

#include "panel/features/testtone/TestTonePage.h"

#include "panel/device/SdkLibrary.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/TestFeatureContext.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestSound.h"

#include <memory>
#include <tuple>

namespace vorma::test {
namespace {

using features::kSpeakerCount;
using features::kSpeakers;
using features::PixelPoint;

class ToneHosts final : public features::Virtual7ch1Host, public features::TestToneHost {
public:
  bool TestToneTicked() override { return ticked; }
  int GpioOnOff() override { return 1; }
  bool GpioScanMode() override { return false; }
  void SetAnimationTimerEnabled(bool) override {}
  void SwitchThreeDOff() override {}
  bool BoxTicked() override { return ticked; }
  void SetTestToneTimersEnabled(bool enabled) override { timersEnabled = enabled; }

  bool ticked = false;
  bool timersEnabled = false;
};

// The folder that holds the shipped "bee.wav".
std::wstring ProductFolder() { return HostPathToWindows(VORMA_PRODUCT_FOLDER) + L"\\"; }

class TestToneTest : public VirtualDeviceTest {
protected:
  void SetUp() override {
    VirtualDeviceTest::SetUp();
    ASSERT_TRUE(application.Initialize());
    ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
    device = Plug();
    ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(0x1E4B, 0x7201), 0);
    controls = std::make_unique<FormMainWindowControls>(application);
    context = std::make_unique<TestFeatureContext>(*controls, &ports);
    page = std::make_unique<features::CVirtual7ch1Page>(*context, hosts, features::Virtual7ch1Settings{});
    page->ComputeInitialLayout();
    tone = std::make_unique<features::CTestTonePage>(*context, *page, hosts, ProductFolder());
    TakeJournal(device);
  }
  void Tick(bool ticked) {
    hosts.ticked = ticked;
    tone->BeeCheckBoxClick();
  }
  PixelPoint At(std::wstring_view name) {
    forms::Image* image = controls->ImageNamed(name);
    return {image->Left(), image->Top()};
  }

  forms::Application application{GetModuleHandleW(nullptr)};
  RecordingMessageBoxes boxes;
  DeviceNumber device = 0;
  std::unique_ptr<FormMainWindowControls> controls;
  std::unique_ptr<TestFeatureContext> context;
  ToneHosts hosts;
  std::unique_ptr<features::CVirtual7ch1Page> page;
  std::unique_ptr<features::CTestTonePage> tone;
};

TEST_F(TestToneTest, ACustomArrangementComesBackAfterUnticking) {
  // Move two speakers and take the arrangement over as the page does after a drag.
  for (auto [index, left, top] : {std::tuple{0, 500, 200}, std::tuple{5, 610, 290}}) {
    forms::Image* speaker = controls->ImageNamed(kSpeakers[index].imageName);
    speaker->SetBounds(left, top, speaker->Width(), speaker->Height());
  }
  page->ComputeSpeakerPolar();
  const features::SpeakerPolarRecord before = page->SpeakerPolars();
  const PixelPoint centre{controls->circle.x, controls->circle.y};

  Tick(true);
  EXPECT_TRUE(controls->ImageNamed(L"BeeImage")->Visible());
  EXPECT_TRUE(hosts.timersEnabled);
  for (int step = 0; step < 30; ++step) tone->BeeTimerTimer();
  // Bee and speakers orbit together.
  EXPECT_EQ(At(L"BeeImage"), At(kSpeakers[3].imageName));
  Tick(false);
  EXPECT_FALSE(controls->ImageNamed(L"BeeImage")->Visible());
  EXPECT_FALSE(hosts.timersEnabled);
  for (int i = 0; i < kSpeakerCount; ++i)
    EXPECT_EQ(At(kSpeakers[i].imageName), features::PositionOfPolar(before[i], centre)) << i;
}

TEST_F(TestToneTest, EachStepGoesToTheDeviceOnlyWhileOneIsActive) {
  Tick(true);
  TakeJournal(device);
  tone->BeeTimerTimer();
  EXPECT_EQ(TakeJournal(device, {"sdk DLLQZ_SetVirtual7ch1 "}).size(), 1u);
  context->deviceActive = false;
  const PixelPoint bee = At(L"BeeImage");
  for (int step = 0; step < 10; ++step) tone->BeeTimerTimer();
  EXPECT_NE(At(L"BeeImage"), bee);  // the icons still orbit
  EXPECT_TRUE(TakeJournal(device, {"sdk"}).empty());
  Tick(false);
}

TEST_F(TestToneTest, AMissingFileLeavesThePlayerClosedAndTheOrbitRunning) {
  tone = std::make_unique<features::CTestTonePage>(*context, *page, hosts, L"C:\\no-such-folder\\");
  Tick(true);
  EXPECT_FALSE(tone->Player().IsOpen());
  const PixelPoint bee = At(L"BeeImage");
  tone->BeeTimerTimer();
  EXPECT_NE(At(L"BeeImage"), bee);
  Tick(false);
}

class TestToneSoundTest : public TestToneTest {
protected:
  void SetUp() override {
    TestToneTest::SetUp();
    ASSERT_TRUE(SoundDevicesPresent()) << "no sound server: run inside scripts/pulse-session.sh";
  }
};

TEST_F(TestToneSoundTest, TheTonePlaysWhileTickedLoopsAtItsEndAndStopsWhenUnticked) {
  Tick(true);
  ASSERT_TRUE(tone->Player().Playing());
  EXPECT_TRUE(WaitForRecordedLevel([](double level) { return level > 3; }));
  // At the end of the file the play timer starts it again from the beginning.
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (tone->Player().Position() < tone->Player().Length() && GetTickCount64() < deadline) Sleep(20);
  ASSERT_EQ(tone->Player().Position(), tone->Player().Length());
  tone->BeePlayTimerTimer();
  EXPECT_LT(tone->Player().Position(), tone->Player().Length());
  EXPECT_TRUE(WaitForRecordedLevel([](double level) { return level > 3; }));
  Tick(false);
  EXPECT_FALSE(tone->Player().IsOpen());
  EXPECT_TRUE(WaitForRecordedLevel([](double level) { return level < 1; }));
}

}  // namespace
}  // namespace vorma::test
