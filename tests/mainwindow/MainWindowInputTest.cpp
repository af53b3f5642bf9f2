// The real Vormapanel.exe with the shipped content, driven from outside with posted mouse messages
// as a user's clicks arrive: what the virtual device sees of presses, page switches, a slider drag,
// the surround rotation and the tear-down when the window closes.

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
#include <set>
#include <string>
#include <vector>

namespace vorma::test {
namespace {

using virtual72xx::DeviceNumber;

constexpr wchar_t kShippedTitle[] = L"Vorma Audio Center";
constexpr DWORD kStepTimeoutMs = 10000;

std::wstring ProductFolder() { return HostPathToWindows(VORMA_PRODUCT_DIR); }

// The client rectangle of a picture key as the shipped Graphite skin places it.
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

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool Contains(const std::string& line, std::string_view fragment) { return line.find(fragment) != std::string::npos; }

class MainWindowInputTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(host_.Start(), 0u);
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

  DeviceNumber Plug() {
    DeviceNumber device = 0;
    EXPECT_EQ(client_.Plug({}, device), 0u);
    return device;
  }

  void StartPanel() {
    panel_ = std::make_unique<PanelProcess>(folder_.Exe());
    window_ = WaitForMainWindow(*panel_);
    ASSERT_NE(window_, nullptr) << "the main window did not come up";
  }

  // A click as the user makes it: the cursor over the client point, then press and release. The
  // panel's message hook reads the cursor; the form hit-tests the message's own coordinates.
  void Click(POINT client) {
    MoveCursorTo(client);
    PostButton(WM_LBUTTONDOWN, client);
    PostButton(WM_LBUTTONUP, client);
    ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", ++releases_, kStepTimeoutMs));
  }

  void MoveCursorTo(POINT client) {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
  }

  void PostButton(UINT message, POINT client) {
    PostMessageW(window_, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(client.x, client.y));
  }

  void ClickPageLabel(std::wstring_view labelKey, std::wstring_view tabKey, int page) {
    const shell::LabelAtt label = EnglishLabel(labelKey);
    const POINT point{label.Left + label.Width / 2, label.Top + label.Height / 2};
    // The point is on the tab picture as well, should the label strip have moved the label.
    ASSERT_TRUE(Inside(SkinRect(tabKey), point));
    Click(point);
    ASSERT_TRUE(panel_->WaitCount(L"ShowPageControls page = " + std::to_wstring(page), 1, kStepTimeoutMs));
  }

  std::vector<std::string> Journal(DeviceNumber device, bool clear = false) {
    std::vector<std::string> lines;
    EXPECT_EQ(client_.ReadJournal(device, lines, clear), 0u);
    return lines;
  }

  std::size_t CountIn(DeviceNumber device, std::string_view fragment) {
    const auto lines = Journal(device);
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return Contains(l, fragment); }));
  }

  // Waits until the device's journal holds `count` lines with the fragment.
  bool WaitJournal(DeviceNumber device, std::string_view fragment, std::size_t count = 1) {
    return PumpMessagesUntil([&] { return CountIn(device, fragment) >= count; }, kStepTimeoutMs);
  }

  std::string Register(DeviceNumber device, const char* key) {
    std::vector<virtual72xx::StateEntry> state;
    EXPECT_EQ(client_.DumpState(device, state), 0u);
    for (const auto& entry : state)
      if (entry.key == key) return entry.value;
    ADD_FAILURE() << "no state key " << key;
    return {};
  }

  virtual72xx::VirtualHost host_;
  virtual72xx::Virtual72xxClient client_ = host_.Client();
  ScopedEnvironmentVariable deviceSelection_{L"VORMA_DEVICE", L"virtual"};
  UserAppData appData_{L"Vorma", "English", "Graphite"};
  ScopedEnvironmentVariable appDataVariable_{L"APPDATA", appData_.Path()};
  PanelFolder folder_{VORMA_PANEL_EXE};
  std::unique_ptr<PanelProcess> panel_;
  HWND window_ = nullptr;
  std::size_t releases_ = 0;
};

TEST_F(MainWindowInputTest, WithoutADeviceAFeaturePressWarnsAndWritesNothing) {
  StartPanel();
  ASSERT_TRUE(panel_->Wrote(L"FormActivate"));
  Journal(0, true);
  const POINT button = CentreOf(SkinRect(L"EQEQENImageUp"));
  MoveCursorTo(button);
  PostButton(WM_LBUTTONDOWN, button);
  PostButton(WM_LBUTTONUP, button);

  HWND box = nullptr;
  std::wstring text;
  ASSERT_TRUE(PumpMessagesUntil(
      [&] {
        const auto boxes = ForeignWindows(L"#32770");
        box = boxes.empty() ? nullptr : boxes.front();
        text = box ? BoxText(box) : L"";
        return !text.empty();
      },
      kStepTimeoutMs));
  EXPECT_EQ(text, EnglishLabel(L"LabelWarning").Text);
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(WindowCaption(box), kShippedTitle);
  EXPECT_EQ(ForeignWindows(L"#32770").size(), 1u);
  // The box's own loop takes the release, past the panel's hook.
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(PumpMessagesUntil([] { return ForeignWindows(L"#32770").empty(); }, kStepTimeoutMs));
  // Nothing reached the bus: no SDK call, no report.
  for (const std::string& line : Journal(0))
    EXPECT_FALSE(Contains(line, "sdk ") || Contains(line, "hid.out")) << line;
}

// A device plugged in while the panel runs: its arrival (or the poll) activates it, and the features
// are brought in line with it in the order the device needs: the pins, 7.1 with its filter state
// before the SDK calls, and the filter's value last. The device's second interface arrives while
// that work lets pending messages run; a close that comes then still ends the panel.
TEST_F(MainWindowInputTest, APluggedDeviceIsBroughtInLineInOrderAndAnEarlyCloseStillEnds) {
  StartPanel();
  ASSERT_TRUE(panel_->Wrote(L"FormActivate"));
  const DeviceNumber device = Plug();
  ASSERT_TRUE(WaitJournal(device, "query-value"));
  const std::vector<std::string> journal = Journal(device);
  auto indexOf = [&](std::string_view fragment) {
    for (std::size_t i = 0; i < journal.size(); ++i)
      if (Contains(journal[i], fragment)) return i;
    return journal.size();
  };
  const std::vector<std::string_view> order{"-> gpio read", "query-state", "DLLQZ_SetVirtual7ch1_OnOff",
                                            "sdk DLLQZ_SetVirtual7ch1 ", "DLLQZ_SetVirtual7ch1_Scalar", "query-value"};
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    ASSERT_LT(indexOf(order[i + 1]), journal.size()) << order[i + 1];
    EXPECT_LT(indexOf(order[i]), indexOf(order[i + 1])) << order[i] << " before " << order[i + 1];
  }
  PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(panel_->WaitFinished(30000)) << "the panel did not end after its window closed";
}

TEST_F(MainWindowInputTest, MicLabelClickShowsTheMicPage) {
  Plug();
  StartPanel();
  EXPECT_EQ(panel_->CountContaining(L"ShowPageControls page = 3"), 0u);
  // Without an active device the click would warn and stay on page 1.
  ClickPageLabel(L"LabelPageMic", L"PageMicUpImage", 3);
  EXPECT_TRUE(ForeignWindows(L"#32770").empty());
  // The shipped content is whole: the tray icons load and every picture shown so far decoded.
  EXPECT_EQ(panel_->CountContaining(L"FAIL!"), 0u);
}

TEST_F(MainWindowInputTest, EqualiserSliderDragWritesTheBandRegisters) {
  const DeviceNumber device = Plug();
  StartPanel();
  const RECT bar = SkinRect(L"EQ60HzBarImage");
  const RECT slider = SkinRect(L"EQ60HzSliderImage");
  const int height = slider.bottom - slider.top;
  // A press on the bar above the slider's travel puts the slider at the top of it (EQSlider 200).
  const int travelTop = 200;
  ASSERT_LT(bar.top + 2, travelTop);
  const int x = (bar.left + bar.right) / 2;
  Journal(device, true);
  Click({x, bar.top + 2});
  ASSERT_TRUE(WaitJournal(device, "write 0x012"));
  const std::string topLow = Register(device, "reg.0x0120");
  const std::string topHigh = Register(device, "reg.0x0121");

  // Press on the slider, move it down 60 pixels, release.
  Journal(device, true);
  const POINT grip{x, travelTop + height / 2};
  MoveCursorTo(grip);
  PostButton(WM_LBUTTONDOWN, grip);
  ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonDown", releases_ + 1, kStepTimeoutMs));
  // The window's hook writes the line before the press reaches the control under it.
  ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  const POINT moved{x, grip.y + 60};
  MoveCursorTo(moved);
  PostMessageW(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(moved.x, moved.y));
  ASSERT_TRUE(WaitJournal(device, "write 0x0121"));
  PostButton(WM_LBUTTONUP, moved);
  ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", ++releases_, kStepTimeoutMs));
  const std::string dragLow = Register(device, "reg.0x0120");
  const std::string dragHigh = Register(device, "reg.0x0121");
  EXPECT_NE(dragLow + dragHigh, topLow + topHigh);

  // Released: a later move leaves the band alone (the second release shows the move was handled).
  Journal(device, true);
  MoveCursorTo(grip);
  PostMessageW(window_, WM_MOUSEMOVE, 0, MAKELPARAM(grip.x, grip.y));
  PostButton(WM_LBUTTONUP, grip);
  ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", ++releases_, kStepTimeoutMs));
  EXPECT_EQ(CountIn(device, "write 0x012"), 0u);
  EXPECT_EQ(Register(device, "reg.0x0120"), dragLow);
  EXPECT_EQ(Register(device, "reg.0x0121"), dragHigh);
}

TEST_F(MainWindowInputTest, ClockwiseRotationSendsMovingSpeakerBlocks) {
  const DeviceNumber device = Plug();
  StartPanel();
  ClickPageLabel(L"LabelPageVirtual7ch1", L"PageVirtual7p1UpImage", 4);
  Journal(device, true);
  Click(CentreOf(SkinRect(L"VirtualEnableImageUp")));
  ASSERT_TRUE(WaitJournal(device, "DLLQZ_SetVirtual7ch1_OnOff 1"));
  Journal(device, true);
  Click(CentreOf(SkinRect(L"VirtualClockwiseUpImage")));
  // The 20 ms animation timer turns the speakers: one block per step, each with other angles.
  ASSERT_TRUE(WaitJournal(device, "sdk DLLQZ_SetVirtual7ch1 ", 10));
  std::set<std::string> angles;
  for (const std::string& line : Journal(device))
    if (Contains(line, "sdk DLLQZ_SetVirtual7ch1 ")) {
      EXPECT_TRUE(Contains(line, "-> 0")) << line;
      angles.insert(line.substr(line.find(" angle ")));
    }
  EXPECT_GE(angles.size(), 5u);
}

TEST_F(MainWindowInputTest, ClosingTheWindowSwitchesTheDeviceFunctionsOff) {
  const DeviceNumber device = Plug();
  StartPanel();
  Journal(device, true);
  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(panel_->WaitFinished(30000));
  panel_->Join();
  EXPECT_EQ(panel_->Result(), kDebugCaptureDone);
  EXPECT_EQ(panel_->ExitCode(), 0u);
  const std::vector<std::string> journal = Journal(device);
  // The first line with the fragment at or after `from`; the journal's size when there is none.
  auto indexOf = [&](std::string_view fragment, std::size_t from = 0) {
    for (std::size_t i = from; i < journal.size(); ++i)
      if (Contains(journal[i], fragment)) return i;
    return journal.size();
  };
  const std::size_t registerOff = indexOf("write 0x0100 = 0x00");
  const std::size_t surroundOff = indexOf("DLLQZ_SetVirtual7ch1_OnOff 0");
  const std::size_t encOff = indexOf("DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0");
  const std::size_t voiceOff = indexOf("DLLQZ_AudioCommand 07 00 00 00 00 00 234 -> 0");
  ASSERT_LT(registerOff, journal.size());
  ASSERT_LT(voiceOff, journal.size());
  EXPECT_LT(registerOff, surroundOff);
  EXPECT_LT(surroundOff, encOff);
  EXPECT_LT(encOff, voiceOff);
  // The transaction ends after the last of them, and only then is the HID handle closed.
  EXPECT_LT(indexOf("-> end", voiceOff), journal.size());
  EXPECT_LT(indexOf("-> end", voiceOff), indexOf("hid.close", voiceOff));
  EXPECT_TRUE(PanelMainWindows().empty());
}

}  // namespace
}  // namespace vorma::test
