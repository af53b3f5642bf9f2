// The real Vormapanel.exe started as the service starts it: its main window comes up on the virtual
// device, a missing SDK library ends it after its message box, and a second start only raises the
// first panel.

#include "foundation/UniqueHandles.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/startup/SingleInstance.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestWindows.h"
#include "tools/debugview/DebugCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace vorma {
namespace {

constexpr DWORD kRunTimeoutMs = 60000;
constexpr wchar_t kTitle[] = L"Vorma Main Window Test";
// The last construction step writes this; a start that failed earlier never does.
constexpr wchar_t kStartedLine[] = L"===== ClearStartScanGPIO: not built yet =====\n";
constexpr wchar_t kSdkFailure[] = L"***** Open_DLLQZ_UsbAudio72xx, ret = 1 *****";

struct WindowMatch {
  const wchar_t* className;
  const wchar_t* caption;  // null matches any caption
  std::vector<HWND> found;
};

// Top-level windows of other processes with the class (and caption).
std::vector<HWND> ForeignWindows(const wchar_t* className, const wchar_t* caption = nullptr) {
  WindowMatch match{className, caption, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto& m = *reinterpret_cast<WindowMatch*>(parameter);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[64] = {};
        wchar_t text[128] = {};
        GetClassNameW(window, name, 64);
        GetWindowTextW(window, text, 128);
        if (process != GetCurrentProcessId() && wcscmp(name, m.className) == 0 &&
            (!m.caption || wcscmp(text, m.caption) == 0))
          m.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&match));
  return match.found;
}

// The text of a message box: its longest static control (the icon's static has none).
std::wstring BoxText(HWND box) {
  std::wstring longest;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM parameter) -> BOOL {
        auto& best = *reinterpret_cast<std::wstring*>(parameter);
        wchar_t name[32] = {};
        wchar_t text[512] = {};
        GetClassNameW(child, name, 32);
        GetWindowTextW(child, text, 512);
        if (_wcsicmp(name, L"Static") == 0 && wcslen(text) > best.size()) best = text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&longest));
  return longest;
}

std::vector<HWND> MainWindows() { return ForeignWindows(L"VormaForm", L"Vormapanel"); }

// A panel folder: the program, its configuration with the test title and, when asked, the SDK.
class PanelFolder {
public:
  explicit PanelFolder(bool withSdk) {
    CopyFileW(test::HostPathToWindows(VORMA_PANEL_EXE).c_str(), Exe().c_str(), FALSE);
    if (withSdk)
      CopyFileW(test::HostPathToWindows(VORMA_SDK_DLL).c_str(), folder_.File(L"DLLQZ_UsbAudio72xx_x32.dll").c_str(), FALSE);
    folder_.WriteBytes(L"AudioConfig.cfg",
                       "[Install]\r\nInstallAppTitle=Vorma Main Window Test\r\n"
                       "[Skin]\r\nRegionCut=0\r\n"
                       "[GPIO]\r\nMODE=0\r\nENABLE=0,0,0,0,0,0,0,0,0,0\r\n"
                       "[GPIOActive]\r\n0=1\r\n1=1\r\n2=1\r\n3=1\r\n4=1\r\n5=1\r\n6=1\r\n7=1\r\n8=1\r\n9=1\r\n");
  }
  std::wstring Exe() const { return folder_.File(L"Vormapanel.exe"); }

private:
  test::TempFolder folder_;
};

// One panel process under the debug capture, on its own thread.
class PanelProcess {
public:
  explicit PanelProcess(const std::wstring& exe) {
    runner_ = std::thread([this, exe] {
      result_ = RunCapturingDebugOutput(
          BuildCommandLine({exe, L"-servicestart"}),
          [this](std::wstring_view text) {
            std::lock_guard lock(mutex_);
            strings_.emplace_back(text);
          },
          exitCode_, kRunTimeoutMs);
      finished_ = true;
    });
  }
  ~PanelProcess() { Join(); }
  void Join() {
    if (runner_.joinable()) runner_.join();
  }
  bool WaitFinished(DWORD timeoutMs) {
    return test::PumpMessagesUntil([&] { return finished_.load(); }, timeoutMs);
  }
  bool Finished() const { return finished_; }
  bool Wrote(std::wstring_view text) {
    std::lock_guard lock(mutex_);
    return std::find(strings_.begin(), strings_.end(), text) != strings_.end();
  }
  size_t IndexOf(std::wstring_view text) {
    std::lock_guard lock(mutex_);
    return static_cast<size_t>(std::find(strings_.begin(), strings_.end(), text) - strings_.begin());
  }
  unsigned Result() const { return result_; }
  DWORD ExitCode() const { return exitCode_; }

private:
  std::thread runner_;
  std::mutex mutex_;
  std::vector<std::wstring> strings_;
  std::atomic<bool> finished_ = false;
  unsigned result_ = 0xdeadbeef;
  DWORD exitCode_ = 0xdeadbeef;
};

// Waits for the panel's main window and its first activation; closes it at the end of the test.
HWND WaitForMainWindow(PanelProcess& panel) {
  HWND window = nullptr;
  test::PumpMessagesUntil(
      [&] {
        const auto windows = MainWindows();
        window = windows.empty() ? nullptr : windows.front();
        return (window && panel.Wrote(L"FormActivate")) || panel.Finished();
      },
      30000);
  return window;
}

void ClosePanel(PanelProcess& panel, HWND window) {
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(panel.WaitFinished(30000));
  panel.Join();
  EXPECT_EQ(panel.Result(), kDebugCaptureDone);
  EXPECT_EQ(panel.ExitCode(), 0u);
}

TEST(MainWindowStart, ComesUpOnTheVirtualDeviceAndEndsWhenClosed) {
  virtual72xx::VirtualHost host;
  ASSERT_EQ(host.Start(), 0u);
  PanelFolder folder(true);
  PanelProcess panel(folder.Exe());
  const HWND window = WaitForMainWindow(panel);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(MainWindows().size(), 1u);
  EXPECT_TRUE(IsWindowVisible(window));
  // The hidden application window carries the configured title, which a second start looks for.
  EXPECT_EQ(ForeignWindows(L"TApplication", kTitle).size(), 1u);
  EXPECT_TRUE(panel.Wrote(kStartedLine));
  EXPECT_LT(panel.IndexOf(kStartedLine), panel.IndexOf(L"FormCreate"));
  EXPECT_LT(panel.IndexOf(L"FormCreate"), panel.IndexOf(L"FormActivate"));
  EXPECT_FALSE(panel.Wrote(L"-serviceboot"));
  ClosePanel(panel, window);
  EXPECT_TRUE(MainWindows().empty());
}

TEST(MainWindowStart, MissingSdkLibraryShowsItsResultAndEnds) {
  PanelFolder folder(false);
  PanelProcess panel(folder.Exe());
  // A message box blocks the panel until someone answers it, as a user would.
  std::vector<std::wstring> boxTexts;
  test::PumpMessagesUntil(
      [&] {
        for (HWND box : ForeignWindows(L"#32770")) {
          const std::wstring text = BoxText(box);
          if (text.empty()) continue;  // not filled in yet
          if (boxTexts.empty() || boxTexts.back() != text) boxTexts.emplace_back(text);
          PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return panel.Finished();
      },
      40000);
  ClosePanel(panel, nullptr);
  // The loader's own failure box ("error 126: ...") comes first, then the panel's result.
  ASSERT_FALSE(boxTexts.empty());
  EXPECT_EQ(boxTexts.back(), kSdkFailure);
  EXPECT_TRUE(panel.Wrote(std::wstring(kSdkFailure) + L"\n"));
  EXPECT_FALSE(panel.Wrote(kStartedLine));
  EXPECT_TRUE(MainWindows().empty());
}

TEST(MainWindowStart, SecondStartRaisesTheFirstPanelAndEnds) {
  virtual72xx::VirtualHost host;
  ASSERT_EQ(host.Start(), 0u);
  PanelFolder folder(true);
  PanelProcess first(folder.Exe());
  const HWND window = WaitForMainWindow(first);
  ASSERT_NE(window, nullptr);

  PanelProcess second(folder.Exe());
  EXPECT_TRUE(second.WaitFinished(kRunTimeoutMs));
  second.Join();
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(second.Wrote(L"===== Another panel instance runs: activating its window =====\n"));
  EXPECT_FALSE(second.Wrote(L"***** The running panel's window was not found *****\n"));
  EXPECT_FALSE(second.Wrote(L"FormCreate"));
  EXPECT_EQ(MainWindows(), std::vector<HWND>{window});
  EXPECT_FALSE(first.Finished());
  ClosePanel(first, window);
}

}  // namespace
}  // namespace vorma
