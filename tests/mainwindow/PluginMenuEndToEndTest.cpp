// The tray's Plugin menu with the real companion programs: the real Vormapanel.exe lists the
// plug-in folders its AudioConfig.cfg enables, a click on one starts that companion and puts the
// panel into the tray, and the panel comes back only once the companion has ended. The menu is
// opened through the tray icon's callback and walked with the keyboard, as a user without a mouse
// would.

#include "forms/TrayIcon.h"
#include "foundation/UniqueHandles.h"
#include "outside/companions/CompanionWindow.h"
#include "tests/mainwindow/PanelWindowTest.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace vorma::test {
namespace {

constexpr int kEffect = 0;       // the menu lists the plug-in folders in name order
constexpr int kSoundEffect = 1;  // "Disabled" (value 0) and "Unlisted" (no value) are left out

class PluginMenuTest : public PanelWindowTest {
protected:
  void SetUp() override {
    PanelWindowTest::SetUp();
    AddPlugin(L"VormaEffect", VORMA_EFFECT_EXE);
    AddPlugin(L"VormaSoundEffect", VORMA_SOUND_EFFECT_EXE);
    AddPlugin(L"Unlisted", VORMA_EFFECT_EXE);
    AddPlugin(L"Disabled", VORMA_EFFECT_EXE);
    ASSERT_TRUE(WritePrivateProfileStringW(L"Application", L"Disabled", L"0", (folder_.Path() + L"AudioConfig.cfg").c_str()));
    StartPanel();
    ASSERT_TRUE(IsWindowVisible(window_));
  }

  void TearDown() override {
    if (HasFailure() && panel_)
      for (const auto& entry : panel_->Strings())
        if (entry.text.find(L"WM_APP") != std::wstring::npos || entry.text.find(L"Plugin") != std::wstring::npos)
          std::printf("panel %.0f ms: %ls\n", entry.ms, entry.text.c_str());
    for (const wchar_t* name : {L"VormaEffect", L"VormaSoundEffect", L"Unlisted", L"Disabled"})
      if (HWND companion = CompanionWindow(name)) PostMessageW(companion, WM_CLOSE, 0, 0);
    PumpMessagesUntil([] { return !CompanionsOpen(); }, kPanelStepTimeoutMs);
    PanelWindowTest::TearDown();
  }

  void AddPlugin(const std::wstring& name, const char* programHostPath) {
    const std::wstring folder = folder_.Path() + L"Plugin\\" + name;
    CreateDirectoryW((folder_.Path() + L"Plugin").c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(HostPathToWindows(programHostPath).c_str(), (folder + L"\\" + name + L".exe").c_str(), FALSE));
  }

  static HWND CompanionWindow(const wchar_t* name) {
    for (HWND window : ForeignWindows(vorma::companion::kCompanionWindowClass, name))
      if (IsWindowVisible(window)) return window;
    return nullptr;
  }
  static bool CompanionsOpen() {
    return !ForeignWindows(vorma::companion::kCompanionWindowClass).empty();
  }

  HWND PanelWindowOfClass(const wchar_t* className) const {
    DWORD panelProcess = 0;
    GetWindowThreadProcessId(window_, &panelProcess);
    for (HWND window : ForeignWindows(className)) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == panelProcess) return window;
    }
    return nullptr;
  }

  // A thread takes sent messages before posted ones. Sent, the callback returns once the icon's
  // handler has run to its end (a message sent after a posted callback could be answered before
  // the callback is handled). Posted, it comes after the messages other programs posted before,
  // such as a companion's resume broadcast.
  enum class Delivery { Sent, Posted };
  void TrayCallback(UINT mouseMessage, Delivery delivery) {
    HWND tray = PanelWindowOfClass(L"VormaTrayIconWindow");
    ASSERT_NE(tray, nullptr) << "the tray icon's window is missing";
    if (delivery == Delivery::Posted) {
      ASSERT_TRUE(PostMessageW(tray, forms::TrayIcon::kCallbackMessage, 0, mouseMessage));
      return;
    }
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutW(tray, forms::TrayIcon::kCallbackMessage, 0, mouseMessage, SMTO_NORMAL,
                                    kPanelStepTimeoutMs, &result));
  }

  // Right click on the tray icon, then Down to Language, Skin and Plugin, Right into the plug-ins,
  // Down to the one wanted and Enter.
  void ChoosePlugin(int index) {
    HWND tray = PanelWindowOfClass(L"VormaTrayIconWindow");
    ASSERT_NE(tray, nullptr) << "the tray icon's window is missing";
    PostMessageW(tray, forms::TrayIcon::kCallbackMessage, 0, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(PumpMessagesUntil(
        [&] {
          menu = PanelWindowOfClass(L"#32768");
          return menu != nullptr && IsWindowVisible(menu);
        },
        kPanelStepTimeoutMs))
        << "the tray menu did not open";
    std::vector<UINT> keys(3, VK_DOWN);
    keys.push_back(VK_RIGHT);
    keys.insert(keys.end(), index, VK_DOWN);
    keys.push_back(VK_RETURN);
    // Wine shows the menu's window before its tracking loop starts, and keys that arrive in
    // between are lost (the first menu of a process loses them most often). Nothing outside the
    // panel says when the loop runs: give it time.
    ASSERT_TRUE(WaitUntilHandled(menu, kPanelStepTimeoutMs));
    Sleep(800);
    // One key at a time, each taken before the next is posted: the menu moves its selection and
    // opens the sub-menu as it takes them.
    for (UINT key : keys) {
      PostMessageW(menu, WM_KEYDOWN, key, 1);
      PostMessageW(menu, WM_KEYUP, key, 0xC0000001);
      if (!IsWindow(menu)) break;
      WaitUntilHandled(menu, kPanelStepTimeoutMs);
    }
    ASSERT_TRUE(PumpMessagesUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, kPanelStepTimeoutMs))
        << "the menu stayed open";
  }

  // Closes the companion's window as its user would and waits until the program has ended: its
  // last act is the resume broadcast, which the panel has taken by then.
  void CloseCompanion(const wchar_t* name) {
    HWND companion = CompanionWindow(name);
    ASSERT_NE(companion, nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(companion, &processId);
    const UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    ASSERT_TRUE(process);
    PostMessageW(companion, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; },
                                  kPanelStepTimeoutMs))
        << "the companion did not end";
  }

  // The companion's window is up and the panel's is hidden.
  void ExpectRunning(const wchar_t* name) {
    ASSERT_TRUE(PumpMessagesUntil([&] { return CompanionWindow(name) != nullptr; }, kPanelStepTimeoutMs))
        << "the companion did not start";
    ASSERT_TRUE(PumpMessagesUntil([&] { return !IsWindowVisible(window_); }, kPanelStepTimeoutMs))
        << "the panel did not go into the tray";
  }

  // A double click restores the window, and the panel's restore handler puts it straight back
  // into the tray while a companion runs: once the handler has run the window is hidden, and it
  // stays hidden.
  void ExpectBackInTheTray() {
    EXPECT_FALSE(IsWindowVisible(window_)) << "a double click showed the panel while the companion runs";
    EXPECT_FALSE(PumpMessagesUntil([&] { return IsWindowVisible(window_) != FALSE; }, 1500))
        << "the panel came out of the tray after its double click while the companion runs";
  }

  bool WroteProgramPath(const wchar_t* name) const {
    const std::wstring path = folder_.Path() + L"Plugin\\" + name + L"\\" + name + L".exe";
    return panel_->CountContaining(path) > 0;
  }
};

TEST_F(PluginMenuTest, ThePanelStaysInTheTrayWhileTheCompanionRuns) {
  ChoosePlugin(kEffect);
  ExpectRunning(L"VormaEffect");
  EXPECT_TRUE(WroteProgramPath(L"VormaEffect"));

  TrayCallback(WM_LBUTTONDBLCLK, Delivery::Sent);
  ExpectBackInTheTray();

  CloseCompanion(L"VormaEffect");
  TrayCallback(WM_LBUTTONDBLCLK, Delivery::Posted);
  EXPECT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(window_) != FALSE; }, kPanelStepTimeoutMs))
      << "the panel did not come back after the companion ended";
}

TEST_F(PluginMenuTest, ASecondPluginEndsTheFirstAndFoldersNotEnabledAreLeftOut) {
  ChoosePlugin(kEffect);
  ExpectRunning(L"VormaEffect");

  // From the panel's hidden window the tray still opens the menu.
  ChoosePlugin(kSoundEffect);
  ExpectRunning(L"VormaSoundEffect");
  EXPECT_TRUE(PumpMessagesUntil([] { return CompanionWindow(L"VormaEffect") == nullptr; }, kPanelStepTimeoutMs))
      << "the first companion still runs";

  // One step past the last plug-in comes back to the first: "Disabled" and "Unlisted", which come
  // before both by name, are not in the menu.
  ChoosePlugin(kSoundEffect + 1);
  ExpectRunning(L"VormaEffect");
  EXPECT_FALSE(WroteProgramPath(L"Unlisted"));
  EXPECT_FALSE(WroteProgramPath(L"Disabled"));
}

}  // namespace
}  // namespace vorma::test
