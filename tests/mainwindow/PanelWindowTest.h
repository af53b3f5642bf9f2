#pragma once
// A test of the real Vormapanel.exe with the shipped content on a virtual device plugged in at the
// start, driven with posted mouse messages as a user's clicks arrive: the skin's rectangles, the
// clicks, the device's journal and state, screenshots for a person to look at.

#include "outside/virtual72xx/VirtualHost.h"
#include "tests/mainwindow/PanelHarness.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::test {

inline constexpr DWORD kPanelStepTimeoutMs = 15000;

// A picture's rectangle in the shipped Graphite skin (window coordinates).
RECT SkinRect(std::wstring_view key);
inline POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class PanelWindowTest : public ::testing::Test {
protected:
  using Lines = std::vector<std::string>;

  void SetUp() override;
  void TearDown() override;

  void StartPanel();
  // Closes the panel as its tray menu does and waits until the process has ended.
  void ClosePanel();

  void MoveCursorTo(POINT client);
  void Post(UINT message, POINT client);
  void Press(POINT client);
  void Release(POINT client);
  void Click(POINT client) {
    Press(client);
    Release(client);
  }

  Lines Journal(bool clear = false);
  size_t CountIn(const std::string& fragment);
  bool WaitJournal(const std::string& fragment, size_t count = 1);
  std::string State(const char* key);

  // The window (the main window unless another is given) as the display shows it (0x00RRGGBB rows).
  std::vector<DWORD> WindowPixels(int& width, int& height) { return WindowPixels(window_, width, height); }
  std::vector<DWORD> WindowPixels(HWND window, int& width, int& height);
  // Saved as <name>.png into VORMA_TEST_SCREENSHOTS when it is set.
  void SaveScreenshot(const std::wstring& name) { SaveScreenshot(window_, name); }
  void SaveScreenshot(HWND window, const std::wstring& name);

  virtual72xx::VirtualHost host_;
  virtual72xx::Virtual72xxClient client_ = host_.Client();
  virtual72xx::DeviceNumber device_ = 0;
  ScopedEnvironmentVariable deviceSelection_{L"VORMA_DEVICE", L"virtual"};
  UserAppData appData_{L"Vorma", "English", "Graphite"};
  ScopedEnvironmentVariable appDataVariable_{L"APPDATA", appData_.Path()};
  PanelFolder folder_{VORMA_PANEL_EXE};
  std::unique_ptr<PanelProcess> panel_;
  HWND window_ = nullptr;
  size_t presses_ = 0;
  size_t releases_ = 0;
};

}  // namespace vorma::test
