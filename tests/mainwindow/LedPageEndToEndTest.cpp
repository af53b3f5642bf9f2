// The real Vormapanel.exe with the shipped content on a virtual device, its LED page driven with
// posted mouse messages as a user's clicks arrive: the start loads the controller's colours, the
// page's presses and a slider drag reach the LED controller, the effect worker sends the effect
// again, the LED button drives the indicator output, and closing the panel leaves the lighting off
// with nothing sent after it.

#include "tests/mainwindow/PanelWindowTest.h"
#include "tests/support/TestWindows.h"
#include "tools/debugview/DebugCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vorma::test {
namespace {

using Lines = std::vector<std::string>;

constexpr DWORD kStepTimeoutMs = kPanelStepTimeoutMs;

bool Contains(const std::string& line, std::string_view fragment) { return line.find(fragment) != std::string::npos; }

std::string Mode(int mode, int speed) {
  return "sdk DLLQZ_SetRGB_Mode_ById 58 0 " + std::to_string(mode) + " " + std::to_string(speed) + " 50 0 -> 0";
}

class LedPageEndToEndTest : public PanelWindowTest {};

TEST_F(LedPageEndToEndTest, ThePagesPressesReachTheControllerAndClosingLeavesTheLightingOff) {
  StartPanel();
  // The first activation started the worker and loaded the step count and the seven colours.
  ASSERT_TRUE(WaitJournal("sdk DLLQZ_SetRGB_Color_ById 58 1 7 0 255 0 50 0 -> 0"));
  SaveScreenshot(L"led-start-eq-page");
  EXPECT_EQ(CountIn("sdk DLLQZ_SetRGB_Step_ById 58 7 50 0 -> 0"), 1u);
  // The worker's own first pass came too, and left the colours to the start.
  ASSERT_TRUE(panel_->WaitCount(L"LEDEffectThread", 1, kStepTimeoutMs));
  EXPECT_EQ(CountIn("sdk DLLQZ_SetRGB_Color_ById 58 1 "), 7u);
  EXPECT_EQ(State("led.master.1.color.3"), "008000");

  // The LED page from its tab.
  Click(CentreOf(SkinRect(L"PageLEDUpImage")));
  ASSERT_TRUE(panel_->WaitCount(L"ShowPageControls page = 6", 1, kStepTimeoutMs));
  SaveScreenshot(L"led-page");

  // Breathe: the controller breathes in the breathe colour at the slider's speed. The shipped skin
  // has the fast side on the right, so the slider at the bar's left edge is the fastest.
  Journal(true);
  Click(CentreOf(SkinRect(L"ColorBreatheCheckUpImage")));
  ASSERT_TRUE(WaitJournal("sdk DLLQZ_SetRGB_Mode_ById 58 0 4 ", 2));
  EXPECT_EQ(State("led.master.1.mode"), "4");
  EXPECT_EQ(State("led.master.1.speed"), "255");
  EXPECT_EQ(State("led.master.1.modecolor.4"), "ff0000");

  // Drag its slider 125 pixels to the right: 53 % of the travel of 234, speed 255 - 135 = 120.
  Journal(true);
  const RECT knob = SkinRect(L"ColorBreatheSliderDownImage");
  const POINT grip = CentreOf(knob);
  Press(grip);
  const POINT moved{grip.x + 125, grip.y + 4};
  MoveCursorTo(moved);
  Post(WM_MOUSEMOVE, moved);
  ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  const size_t workerPasses = panel_->CountContaining(L"LEDEffectThread");
  Release(moved);
  // The release sends the new speed at once, and the worker sends it once more after settling.
  ASSERT_TRUE(WaitJournal(Mode(4, 120), 3));
  ASSERT_TRUE(panel_->WaitCount(L"LEDEffectThread", workerPasses + 1, kStepTimeoutMs));
  EXPECT_EQ(State("led.master.1.speed"), "120");
  SaveScreenshot(L"led-breathe-dragged");

  // Rainbow uses its own pattern; LED OFF switches off twice.
  Click(CentreOf(SkinRect(L"ColorRainbowCheckUpImage")));
  ASSERT_TRUE(PumpMessagesUntil([&] { return State("led.master.1.mode") == "5"; }, kStepTimeoutMs));
  EXPECT_EQ(State("led.master.1.color.1"), "09f0f7");
  SaveScreenshot(L"led-rainbow");
  Journal(true);
  Click(CentreOf(SkinRect(L"ColorLEDOffCheckUpImage")));
  ASSERT_TRUE(WaitJournal(Mode(1, 1), 2));
  EXPECT_EQ(State("led.master.1.mode"), "1");

  // The LED button: its press sends the indicator on, its release off.
  Journal(true);
  Click(CentreOf(SkinRect(L"LedImageUp")));
  ASSERT_TRUE(WaitJournal("hid.out 00 60 00 ff 3c"));
  const Lines indicator = [&] {
    Lines kept;
    for (const std::string& line : Journal(true))
      if (Contains(line, "gpio write")) kept.push_back(line);
    return kept;
  }();
  EXPECT_EQ(indicator, (Lines{"hid.out 00 60 01 ff 3c -> gpio write 1000000000",
                              "hid.out 00 60 00 ff 3c -> gpio write 0000000000"}));

  // Breathe again, so a worker pass can be under way while the panel closes.
  Click(CentreOf(SkinRect(L"ColorBreatheCheckUpImage")));
  ASSERT_TRUE(PumpMessagesUntil([&] { return State("led.master.1.mode") == "4"; }, kStepTimeoutMs));
  const POINT at = CentreOf(SkinRect(L"ColorBreatheSliderDownImage"));
  Press(at);
  Release(at);  // the release signals the worker, which sends mode 4 about 100 ms later
  Journal(true);
  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(panel_->WaitFinished(30000));
  panel_->Join();
  EXPECT_EQ(panel_->Result(), kDebugCaptureDone);
  EXPECT_EQ(State("led.master.1.mode"), "1");
  // Nothing reached the controller after the lighting went off.
  Lines rgb;
  for (const std::string& line : Journal())
    if (Contains(line, "SetRGB")) rgb.push_back(line);
  ASSERT_FALSE(rgb.empty());
  EXPECT_EQ(rgb.back(), Mode(1, 1));
}

TEST_F(LedPageEndToEndTest, AfterTheDeviceCameBackThePageSendsAndTheWorkerRunsAgain) {
  StartPanel();
  ASSERT_TRUE(panel_->WaitCount(L"LEDEffectThread", 1, kStepTimeoutMs));
  Click(CentreOf(SkinRect(L"PageLEDUpImage")));
  ASSERT_TRUE(panel_->WaitCount(L"ShowPageControls page = 6", 1, kStepTimeoutMs));
  Click(CentreOf(SkinRect(L"ColorBreatheCheckUpImage")));
  ASSERT_TRUE(PumpMessagesUntil([&] { return State("led.master.1.mode") == "4"; }, kStepTimeoutMs));

  // Unplugged: the worker ends with the removal. Plugged again: the activation starts a new one,
  // which waits for its first signal; the seven colours were loaded once and are not sent again.
  const size_t waits = panel_->CountContaining(L"WaitForSingleObject");
  ASSERT_EQ(client_.Unplug(device_), 0u);
  ASSERT_TRUE(panel_->WaitCount(L"[CLedEffectWorker::Stop] the worker ended", 1, kStepTimeoutMs));
  ASSERT_EQ(client_.Plug({}, device_), 0u);
  ASSERT_TRUE(panel_->WaitCount(L"WaitForSingleObject", waits + 1, kStepTimeoutMs));
  ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  EXPECT_EQ(CountIn("SetRGB_Color_ById"), 0u);
  EXPECT_EQ(CountIn("SetRGB_Step_ById"), 0u);

  // The page's slider release reaches the new device at once and through the worker.
  const size_t passes = panel_->CountContaining(L"LEDEffectThread");
  const POINT at = CentreOf(SkinRect(L"ColorBreatheSliderDownImage"));
  Press(at);
  Release(at);
  ASSERT_TRUE(panel_->WaitCount(L"LEDEffectThread", passes + 1, kStepTimeoutMs));
  ASSERT_TRUE(WaitJournal("sdk DLLQZ_SetRGB_Mode_ById 58 0 4 ", 3));
  EXPECT_EQ(State("led.master.1.mode"), "4");

  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(panel_->WaitFinished(30000));
  panel_->Join();
  EXPECT_EQ(State("led.master.1.mode"), "1");
}

}  // namespace
}  // namespace vorma::test
