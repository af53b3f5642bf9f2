// The real Vormapanel.exe with the shipped content on a virtual device, its LED page driven with
// posted mouse messages as a user's clicks arrive: the start loads the controller's colours, the
// page's presses and a slider drag reach the LED controller, the effect worker sends the effect
// again, the LED button drives the indicator output, and closing the panel leaves the lighting off
// with nothing sent after it.

#include "forms/FormPainting.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/shell/language/LanguageSetting.h"
#include "panel/shell/skin/SkinLoading.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"
#include "tools/debugview/DebugCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vorma::test {
namespace {

using virtual72xx::DeviceNumber;
using Lines = std::vector<std::string>;

constexpr DWORD kStepTimeoutMs = 15000;

std::wstring ProductFolder() { return HostPathToWindows(VORMA_PRODUCT_DIR); }

RECT SkinRect(std::wstring_view key) {
  static const auto skin = [] {
    auto setting = std::make_unique<shell::SkinSetting>();
    shell::LoadSkinSetting(*setting, ProductFolder() + L"\\Skins\\Graphite\\", 0);
    return setting;
  }();
  const shell::ImageAtt& record = skin->Record(key);
  EXPECT_TRUE(record.HasLeft && record.HasTop && record.HasWidth && record.HasHeight) << "skin key missing";
  return RECT{record.Left, record.Top, record.Left + record.Width, record.Top + record.Height};
}

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

bool Contains(const std::string& line, std::string_view fragment) { return line.find(fragment) != std::string::npos; }

std::string Mode(int mode, int speed) {
  return "sdk DLLQZ_SetRGB_Mode_ById 58 0 " + std::to_string(mode) + " " + std::to_string(speed) + " 50 0 -> 0";
}

class LedPageEndToEndTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(host_.Start(), 0u);
    ASSERT_EQ(client_.Plug({}, device_), 0u);
    folder_.AddSdk(VORMA_SDK_DLL);
    folder_.AddProductContent(VORMA_PRODUCT_DIR);
  }

  void TearDown() override {
    if (panel_) {
      if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
      panel_->WaitFinished(30000);
      panel_->Join();
    }
  }

  void StartPanel() {
    panel_ = std::make_unique<PanelProcess>(folder_.Exe());
    window_ = WaitForMainWindow(*panel_);
    if (!window_)
      for (const auto& entry : panel_->Strings()) ADD_FAILURE() << std::string(entry.text.begin(), entry.text.end());
    ASSERT_NE(window_, nullptr) << "the main window did not come up";
  }

  void MoveCursorTo(POINT client) {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
  }
  void Post(UINT message, POINT client) {
    PostMessageW(window_, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(client.x, client.y));
  }
  void Press(POINT client) {
    MoveCursorTo(client);
    Post(WM_LBUTTONDOWN, client);
    ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonDown", ++presses_, kStepTimeoutMs));
    // The window's hook writes its line before the press reaches the control under it.
    ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  }
  void Release(POINT client) {
    Post(WM_LBUTTONUP, client);
    ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", ++releases_, kStepTimeoutMs));
    ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  }
  void Click(POINT client) {
    Press(client);
    Release(client);
  }

  Lines Journal(bool clear = false) {
    Lines lines;
    EXPECT_EQ(client_.ReadJournal(device_, lines, clear), 0u);
    return lines;
  }
  size_t CountIn(const std::string& fragment) {
    const Lines lines = Journal();
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return Contains(l, fragment); }));
  }
  bool WaitJournal(const std::string& fragment, size_t count = 1) {
    return PumpMessagesUntil([&] { return CountIn(fragment) >= count; }, kStepTimeoutMs);
  }
  std::string State(const char* key) {
    std::string value;
    client_.StateValue(device_, key, value);
    return value;
  }

  // What the display shows of the panel's window, for a person to look at.
  void SaveScreenshot(const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"VORMA_TEST_SCREENSHOTS");
    if (!folder) return;
    // The window paints what it has to before the picture is taken.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r{};
    GetWindowRect(window_, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    std::vector<DWORD> pixels;
    HDC screen = GetDC(nullptr);
    forms::RenderOffscreen(width, height, [&](HDC dc) { BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY); },
                           pixels);
    ReleaseDC(nullptr, screen);
    forms::SavePixelsAsPng(pixels, width, height, std::wstring(folder) + L"\\" + name + L".png");
  }

  virtual72xx::VirtualHost host_;
  virtual72xx::Virtual72xxClient client_ = host_.Client();
  DeviceNumber device_ = 0;
  ScopedEnvironmentVariable deviceSelection_{L"VORMA_DEVICE", L"virtual"};
  UserAppData appData_{L"Vorma", "English", "Graphite"};
  ScopedEnvironmentVariable appDataVariable_{L"APPDATA", appData_.Path()};
  PanelFolder folder_{VORMA_PANEL_EXE};
  std::unique_ptr<PanelProcess> panel_;
  HWND window_ = nullptr;
  size_t presses_ = 0;
  size_t releases_ = 0;
};

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
