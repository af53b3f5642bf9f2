// The real Vormapanel.exe on a virtual device and the private sound server the test command runs:
// an effect press reaches the filter driver, the Mic page's level meter follows a tone played into
// the sink, and the test-tone box of the 7.1 page plays "bee.wav" into it. What the display shows
// is read back from the screen, as a person would see it.

#include "forms/FormPainting.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/shell/language/LanguageSetting.h"
#include "panel/shell/skin/SkinLoading.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestSound.h"
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

shell::LabelAtt EnglishLabel(std::wstring_view key) {
  shell::LabelAtt record;
  shell::ReadLabelRecord(ProductFolder() + L"\\Languages\\English\\Language.ini", L"Main", key, 0, record);
  return record;
}

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

bool Contains(const std::string& line, std::string_view fragment) { return line.find(fragment) != std::string::npos; }

// A strip of the screen as its pixels, one row after the other.
struct ScreenStrip {
  int width = 0;
  int height = 0;
  std::vector<DWORD> pixels;

  bool ColumnDiffers(const ScreenStrip& other, int x) const {
    for (int y = 0; y < height; ++y)
      if (pixels[y * width + x] != other.pixels[y * width + x]) return true;
    return false;
  }
  bool operator==(const ScreenStrip& other) const = default;
};

class AudioPagesEndToEndTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(SoundDevicesPresent()) << "no sound server: run inside scripts/pulse-session.sh";
    ASSERT_EQ(host_.Start(), 0u);
    ASSERT_EQ(client_.Plug({}, device_), 0u);
    folder_.AddSdk(VORMA_SDK_DLL);
    folder_.AddProductContent(VORMA_PRODUCT_DIR);
  }

  void TearDown() override {
    if (!panel_) return;
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    panel_->WaitFinished(30000);
    panel_->Join();
  }

  void StartPanel() {
    panel_ = std::make_unique<PanelProcess>(folder_.Exe());
    window_ = WaitForMainWindow(*panel_);
    ASSERT_NE(window_, nullptr) << "the main window did not come up";
  }

  void Click(POINT client) {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    const size_t presses = panel_->CountContaining(L"OnMsgLButtonDown");
    const size_t releases = panel_->CountContaining(L"OnMsgLButtonUp");
    // Each half of the click is handled completely before the next message is posted.
    PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonDown", presses + 1, kStepTimeoutMs));
    ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
    PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", releases + 1, kStepTimeoutMs));
    ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  }

  void ShowPage(std::wstring_view labelKey, int page) {
    const shell::LabelAtt label = EnglishLabel(labelKey);
    Click({label.Left + label.Width / 2, label.Top + label.Height / 2});
    ASSERT_TRUE(panel_->WaitCount(L"ShowPageControls page = " + std::to_wstring(page), 1, kStepTimeoutMs));
    ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  }

  std::vector<std::string> Journal(bool clear = false) {
    std::vector<std::string> lines;
    EXPECT_EQ(client_.ReadJournal(device_, lines, clear), 0u);
    return lines;
  }
  std::vector<std::string> JournalWith(std::string_view fragment, bool clear = false) {
    std::vector<std::string> kept;
    for (const std::string& line : Journal(clear))
      if (Contains(line, fragment)) kept.push_back(line);
    return kept;
  }
  bool WaitJournal(std::string_view fragment, size_t count = 1) {
    return PumpMessagesUntil([&] { return JournalWith(fragment).size() >= count; }, kStepTimeoutMs);
  }
  // The panel's debug lines with the fragment, for a failure's message.
  std::string PanelLines(std::wstring_view fragment) {
    std::string text;
    for (const PanelProcess::Entry& entry : panel_->Strings())
      if (entry.text.find(fragment) != std::wstring::npos) text += std::string(entry.text.begin(), entry.text.end()) + "\n";
    return text;
  }

  virtual72xx::CaptureState Capture() {
    virtual72xx::CaptureState state;
    EXPECT_EQ(client_.CaptureGet(device_, state), 0u);
    return state;
  }
  std::string State(const char* key) {
    std::string value;
    client_.StateValue(device_, key, value);
    return value;
  }

  // The window's client rectangle as the screen shows it.
  ScreenStrip Capture(RECT client) {
    POINT origin{client.left, client.top};
    ClientToScreen(window_, &origin);
    ScreenStrip strip;
    strip.width = client.right - client.left;
    strip.height = client.bottom - client.top;
    HDC screen = GetDC(nullptr);
    forms::RenderOffscreen(
        strip.width, strip.height,
        [&](HDC dc) { BitBlt(dc, 0, 0, strip.width, strip.height, screen, origin.x, origin.y, SRCCOPY); },
        strip.pixels);
    ReleaseDC(nullptr, screen);
    return strip;
  }

  // The display settled: two looks a moment apart show the same.
  ScreenStrip SettledCapture(RECT client) {
    ScreenStrip last = Capture(client);
    ScreenStrip now;
    PumpMessagesUntil(
        [&] {
          now = Capture(client);
          const bool same = now == last;
          last = now;
          return same;
        },
        kStepTimeoutMs);
    return now;
  }

  // The whole window for a person to look at, when VORMA_TEST_SCREENSHOTS names a folder.
  void SaveScreenshot(const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"VORMA_TEST_SCREENSHOTS");
    if (!folder) return;
    RECT client{};
    GetClientRect(window_, &client);
    const ScreenStrip all = Capture(client);
    forms::SavePixelsAsPng(all.pixels, all.width, all.height, std::wstring(folder) + L"\\" + name + L".png");
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
};

TEST_F(AudioPagesEndToEndTest, AnEffectPressReachesTheFilterDriverAndClosingResetsIt) {
  StartPanel();
  // The start-up tells the driver to apply its settings.
  EXPECT_EQ(JournalWith("filter.ioctl 0x8232000 set-switch [01 00 00 00]").size(), 1u);
  ShowPage(L"LabelPageEffect", 2);
  Journal(true);
  // The button placed by the Bathroom records carries Tag 18: effect 3, driver value 2.
  Click(CentreOf(SkinRect(L"EffectButtonBathroomImageUp")));
  ASSERT_TRUE(WaitJournal("set-switch"));
  const std::vector<std::string> sent = JournalWith("filter.ioctl 0x8232", true);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_TRUE(Contains(sent[0], "set-effect [02 00 00 00]")) << sent[0];
  EXPECT_TRUE(Contains(sent[1], "set-switch [01 00 00 00]")) << sent[1];
  EXPECT_EQ(State("filter.effect"), "2");
  ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  SaveScreenshot(L"effect-bathroom");

  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(panel_->WaitFinished(30000));
  EXPECT_EQ(panel_->ExitCode(), 0u);
  const std::vector<std::string> closing = JournalWith("filter.ioctl 0x8232");
  ASSERT_EQ(closing.size(), 2u);
  EXPECT_TRUE(Contains(closing[0], "set-effect [00 00 00 00]")) << closing[0];
  EXPECT_TRUE(Contains(closing[1], "set-switch [01 00 00 00]")) << closing[1];
  EXPECT_EQ(State("filter.effect"), "0");
}

TEST_F(AudioPagesEndToEndTest, AnActivatedDeviceGetsItsMicrophoneUnmutedAndTheMicButtonsReachIt) {
  // The device's HID interface does not open at first, so the two-second poll activates it later.
  ASSERT_EQ(client_.InjectFault(device_, "hid.open", -1), 0u);
  StartPanel();
  ASSERT_EQ(client_.CaptureSetMute(device_, true), 0u);
  ASSERT_EQ(client_.CaptureSetVolume(device_, 55), 0u);
  Journal(true);
  ASSERT_EQ(client_.InjectFault(device_, "hid.open", 0), 0u);
  // The activation looks the endpoint up, shows it and unmutes the microphone.
  ASSERT_TRUE(PumpMessagesUntil([&] { return !Capture().mute; }, kStepTimeoutMs));
  EXPECT_EQ(Capture().volumePercent, 55);
  ASSERT_TRUE(panel_->WaitCount(L"DeviceArrivalforTimer1", 1, kStepTimeoutMs));

  ShowPage(L"LabelPageMic", 3);
  SaveScreenshot(L"mic-after-activation");
  Click(CentreOf(SkinRect(L"MicMuteImageUp")));
  EXPECT_TRUE(PumpMessagesUntil([&] { return Capture().mute; }, kStepTimeoutMs));
  Click(CentreOf(SkinRect(L"MicBoostImageUp")));
  EXPECT_TRUE(PumpMessagesUntil([&] { return Capture().boost; }, kStepTimeoutMs)) << PanelLines(L"Tag = 2");
  // A press on the bar puts the slider's middle there: with the travel 208..328 and the slider
  // 20 pixels high, a press at 308 puts its top at 298, 30 pixels above the bottom: 25 %.
  const RECT bar = SkinRect(L"MicBarImage");
  Click({(bar.left + bar.right) / 2, 308});
  EXPECT_TRUE(PumpMessagesUntil([&] { return Capture().volumePercent == 25; }, kStepTimeoutMs))
      << Capture().volumePercent;
  ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  SaveScreenshot(L"mic-muted-boosted-25");
}

TEST_F(AudioPagesEndToEndTest, TheMicMeterFollowsAToneAndFallsBackInSilence) {
  StartPanel();
  ShowPage(L"LabelPageMic", 3);
  // The strip holds the meter and a margin on either side, which the meter never paints.
  constexpr int kMargin = 8;
  const RECT meter = SkinRect(L"MicProgressImage");
  const RECT strip{meter.left - kMargin, meter.top, meter.right + kMargin, meter.bottom};
  ASSERT_TRUE(WaitForRecordedLevel([](double level) { return level < 1; }));
  const ScreenStrip silent = SettledCapture(strip);
  SaveScreenshot(L"mic-silence");

  // A steady tone of this loudness fills most of the meter, which grows from its left end.
  const int half = kMargin + (meter.right - meter.left) / 2;
  ScreenStrip playing;
  {
    TestTone tone;
    ASSERT_TRUE(tone.Playing());
    ASSERT_TRUE(PumpMessagesUntil(
        [&] {
          playing = Capture(strip);
          return playing.ColumnDiffers(silent, kMargin) && playing.ColumnDiffers(silent, half);
        },
        kStepTimeoutMs));
    SaveScreenshot(L"mic-tone");
  }
  for (int x = 0; x < kMargin; ++x) {
    EXPECT_FALSE(playing.ColumnDiffers(silent, x)) << "left of the meter, column " << x;
    EXPECT_FALSE(playing.ColumnDiffers(silent, playing.width - 1 - x)) << "right of the meter, column " << x;
  }

  EXPECT_TRUE(PumpMessagesUntil([&] { return Capture(strip) == silent; }, kStepTimeoutMs));
  SaveScreenshot(L"mic-silence-again");
}

TEST_F(AudioPagesEndToEndTest, TheTestToneBoxPlaysBeeInALoopUntilUnticked) {
  StartPanel();
  ShowPage(L"LabelPageVirtual7ch1", 4);
  HWND box = FindWindowExW(window_, nullptr, L"Button", L"Bee");
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(IsWindowVisible(box));
  ASSERT_TRUE(WaitForRecordedLevel([](double level) { return level < 1; }));
  Journal(true);

  DWORD_PTR answer = 0;
  ASSERT_NE(SendMessageTimeoutW(box, BM_CLICK, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &answer), 0);
  ASSERT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(WaitForRecordedLevel([](double level) { return level > 3; }));
  // Each 10 ms orbit step goes to the device as a 7.1 arrangement.
  EXPECT_TRUE(WaitJournal("sdk DLLQZ_SetVirtual7ch1 ", 10));
  SaveScreenshot(L"testtone-on");
  // "bee.wav" lasts two seconds: in three seconds no piece is silent (level 0), so it started again
  // at its end without a gap as long as a piece.
  const ULONGLONG until = GetTickCount64() + 3000;
  while (GetTickCount64() < until) ASSERT_GT(RecordedLevel(200), 1) << "a gap in the tone";

  ASSERT_NE(SendMessageTimeoutW(box, BM_CLICK, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &answer), 0);
  ASSERT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(WaitForRecordedLevel([](double level) { return level < 1; }));
  // The orbit stops with the tone.
  ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  const size_t steps = JournalWith("sdk DLLQZ_SetVirtual7ch1 ").size();
  EXPECT_FALSE(PumpMessagesUntil([&] { return JournalWith("sdk DLLQZ_SetVirtual7ch1 ").size() > steps; }, 300));
  SaveScreenshot(L"testtone-off");
}

}  // namespace
}  // namespace vorma::test
