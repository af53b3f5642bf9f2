// The level meter and the capture loopback through Windows audio under Wine, on the sound server
// the test command runs: a tone played into its sink is what its default capture device records.

#include "panel/features/microphone/tests/MicrophoneTestFixture.h"

#include "tests/support/TestSound.h"
#include "tests/support/TestWindows.h"

namespace vorma::test {
namespace {

class MicrophoneSoundTest : public MicrophoneTest {
protected:
  void SetUp() override {
    MicrophoneTest::SetUp();
    ASSERT_TRUE(SoundDevicesPresent()) << "no sound server: run inside scripts/pulse-session.sh";
  }
};

TEST_F(MicrophoneSoundTest, TheMeterMovesWithAToneAndFallsBackToZeroInSilence) {
  features::CMicrophonePage& mic = MakePage();
  forms::Image& meter = Image(L"MicProgressImage");
  mic.OpenMeterCapture(host.window);
  ASSERT_TRUE(mic.MeterCaptureOpen());
  mic.OpenMeterCapture(host.window);  // showing the page again keeps the open capture
  {
    TestTone tone;
    ASSERT_TRUE(tone.Playing());
    EXPECT_TRUE(PumpMessagesUntil([&] { return meter.Width() > 0; }, 10000));
  }
  EXPECT_TRUE(PumpMessagesUntil([&] { return meter.Width() == 0; }, 10000));
  mic.CloseMeterCapture();
  EXPECT_FALSE(mic.MeterCaptureOpen());
  // Buffers the closed capture returned are ignored: the meter stays where it was.
  meter.SetWidth(33);
  PumpMessagesUntil([] { return false; }, 300);
  EXPECT_EQ(meter.Width(), 33);
}

TEST_F(MicrophoneSoundTest, TheLoopbackPlaysBackWhatItRecordedAndLeavesNoFile) {
  features::MicrophoneSettings settings;
  settings.monitorMode = 2;
  features::CMicrophonePage& mic = MakePage(settings);
  mic.MonitorClick();
  ASSERT_TRUE(mic.LoopbackRunning());
  {
    TestTone tone;
    ASSERT_TRUE(WaitForRecordedLevel([](double level) { return level > 5; }));
    Sleep(1500);  // a second and a half of tone in the recording
  }
  // The tone has stopped; what the source still carries is the loopback's replay of it.
  Sleep(500);
  EXPECT_TRUE(WaitForRecordedLevel([](double level) { return level > 5; }, 3000));
  EXPECT_NE(GetFileAttributesW(features::kLoopbackFileName), INVALID_FILE_ATTRIBUTES);
  mic.MonitorClick();
  EXPECT_FALSE(mic.LoopbackRunning());
  EXPECT_EQ(GetFileAttributesW(features::kLoopbackFileName), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(WaitForRecordedLevel([](double level) { return level < 1; }));
}

}  // namespace
}  // namespace vorma::test
