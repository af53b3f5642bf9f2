// The real Vormapanel.exe on a virtual device whose GPIO pins are pressed from outside with the
// virtual device's tool (`VormaVirtual72xx.exe gpio N PIN LEVEL`), as a user presses the device's
// buttons: the window shows the page of each button's function and the device gets what the same
// click with the mouse sends. The ENC slider's drag stores its level on release.

#include "foundation/RegistryValues.h"
#include "forms/FormPainting.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/shell/skin/SkinLoading.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"
#include "tools/debugview/DebugCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace vorma::test {
namespace {

using virtual72xx::DeviceNumber;

constexpr DWORD kStepTimeoutMs = 15000;
constexpr wchar_t kEncValueMap[] = L"KVX 72xx Software\\EncValueMap";
constexpr wchar_t kDeviceValue[] = L"VID_1E4B&PID_7201";

std::wstring ProductFolder() { return HostPathToWindows(VORMA_PRODUCT_DIR); }

// The shipped AudioConfig.cfg with the buttons of this test: GPIO 1-4 enabled and active low,
// dispatched to functions (BUTTONMODE 1): GPIO 1 EQ enable, 2 3D enable, 3 the microphone's mute,
// 4 ENC on/off.
std::string ButtonConfig() {
  std::ifstream in(std::filesystem::path(VORMA_PRODUCT_DIR) / "AudioConfig.cfg", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  const auto replace = [&text](const std::wstring& from, const std::wstring& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::wstring::npos) << std::string(from.begin(), from.end());
    if (at != std::wstring::npos) text.replace(at, from.size(), to);
  };
  replace(L"ENABLE=0,0,1,0,0,0,0,0,0,0", L"ENABLE=0,1,1,1,1,0,0,0,0,0");
  replace(L"BUTTONMODE=0", L"BUTTONMODE=1");
  replace(L"EncButtonMode=0", L"EncButtonMode=1");  // the scan starts for a device with ENC
  replace(L"[GPIOFunction]\r\n0=\r\n1=\r\n2=F8\r\n3=\r\n4=", L"[GPIOFunction]\r\n0=\r\n1=F1\r\n2=F2\r\n3=F5\r\n4=F8");
  std::string out("\xFF\xFE", 2);
  out.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  return out;
}

RECT SkinRect(std::wstring_view key) {
  static const auto skin = [] {
    auto setting = std::make_unique<shell::SkinSetting>();
    shell::LoadSkinSetting(*setting, ProductFolder() + L"\\Skins\\Graphite\\", 0);
    return setting;
  }();
  const shell::ImageAtt& record = skin->Record(key);
  return RECT{record.Left, record.Top, record.Left + record.Width, record.Top + record.Height};
}

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class HardwareButtonsEndToEndTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KVX 72xx Software");
    ASSERT_EQ(SetRegistryDword(kEncValueMap, kDeviceValue, 20), kRegistryDone);
    ASSERT_EQ(host_.Start(), 0u);
    ASSERT_EQ(client_.Plug({}, device_), 0u);
    folder_.AddSdk(VORMA_SDK_DLL);
    folder_.AddProductContent(VORMA_PRODUCT_DIR);
    folder_.WriteBytes(L"AudioConfig.cfg", ButtonConfig());
  }

  void TearDown() override {
    if (panel_) {
      if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
      panel_->WaitFinished(30000);
      panel_->Join();
    }
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KVX 72xx Software");
  }

  void StartPanel() {
    panel_ = std::make_unique<PanelProcess>(folder_.Exe());
    window_ = WaitForMainWindow(*panel_);
    ASSERT_NE(window_, nullptr) << "the main window did not come up";
    // The scan's first report is only the baseline; a press before it would be taken for it.
    ASSERT_TRUE(PumpMessagesUntil([&] { return State("scan.running") == "1" && State("scan.reports") != "0"; },
                                  kStepTimeoutMs));
  }

  // Runs the virtual device's tool as a person at a shell would; its exit code.
  DWORD Tool(const std::wstring& arguments) {
    std::wstring command = L"\"" + HostPathToWindows(VORMA_VIRTUAL_TOOL) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
      return 0xdeadbeef;
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 0xdeadbeef;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
  }

  // Presses and releases the button on the pin, and waits until the panel has handled both.
  void PressGpio(int pin) {
    const size_t handled = panel_->CountContaining(L"Current = Raw Data");
    ASSERT_EQ(Tool(L"gpio 1 " + std::to_wstring(pin) + L" 0"), 0u);
    ASSERT_EQ(Tool(L"gpio 1 " + std::to_wstring(pin) + L" 1"), 0u);
    ASSERT_TRUE(panel_->WaitCount(L"Current = Raw Data", handled + 2, kStepTimeoutMs));
  }

  std::vector<std::string> Journal(bool clear = false) {
    std::vector<std::string> lines;
    EXPECT_EQ(client_.ReadJournal(device_, lines, clear), 0u);
    return lines;
  }
  std::vector<std::string> SdkLines(bool clear = true) {
    std::vector<std::string> kept;
    for (const std::string& line : Journal(clear))
      if (line.starts_with("sdk ") || line.starts_with("hid.out")) kept.push_back(line);
    return kept;
  }

  std::string State(const char* key) {
    std::string value;
    client_.StateValue(device_, key, value);
    return value;
  }

  void Click(POINT client) {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    const size_t releases = panel_->CountContaining(L"OnMsgLButtonUp");
    PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", releases + 1, kStepTimeoutMs));
  }

  // What the display shows of the panel's window, for a person to look at.
  void SaveScreenshot(const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"VORMA_TEST_SCREENSHOTS");
    if (!folder) return;
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
};

TEST_F(HardwareButtonsEndToEndTest, ButtonsPressWhatTheMouseClicksAndShowTheirPage) {
  StartPanel();
  // EQ enable: the button sends what the mouse click on EQ-EN sends.
  SdkLines();
  PressGpio(1);
  EXPECT_EQ(State("eq.enable"), "1");
  const std::vector<std::string> buttonOn = SdkLines();
  Click(CentreOf(SkinRect(L"EQEQENImageUp")));
  ASSERT_TRUE(PumpMessagesUntil([&] { return State("eq.enable") == "0"; }, kStepTimeoutMs));
  const std::vector<std::string> clickOff = SdkLines();
  PressGpio(1);
  EXPECT_EQ(State("eq.enable"), "1");
  EXPECT_EQ(SdkLines(), buttonOn);
  PressGpio(1);
  EXPECT_EQ(SdkLines(), clickOff);
  EXPECT_FALSE(buttonOn.empty());
  SaveScreenshot(L"gpio-eq-off");

  // 3D enable.
  PressGpio(2);
  EXPECT_EQ(State("3d.enable"), "1");
  SaveScreenshot(L"gpio-3d-on");

  // The microphone's mute shows the Mic page.
  PressGpio(3);
  EXPECT_TRUE((panel_->CountContaining(L"ShowPageControls page = 3") > 0));
  SaveScreenshot(L"gpio-mic-mute");

  // ENC on/off shows the ENC page; ENC was switched on at start-up from the registry entry.
  ASSERT_EQ(State("enc.enable"), "1");
  SdkLines();
  PressGpio(4);
  EXPECT_TRUE((panel_->CountContaining(L"ShowPageControls page = 7") > 0));
  EXPECT_EQ(State("enc.enable"), "0");
  const std::vector<std::string> encOff = SdkLines();
  ASSERT_FALSE(encOff.empty());
  EXPECT_EQ(encOff.front(), "sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0");
  SaveScreenshot(L"gpio-enc-off");
}

TEST_F(HardwareButtonsEndToEndTest, EncSliderDragStoresTheLevelOnRelease) {
  StartPanel();
  PressGpio(4);  // the ENC page; ENC goes off, the slider stays usable
  ASSERT_TRUE((panel_->CountContaining(L"ShowPageControls page = 7") > 0));
  // [ENC] ENCSlider of Graphite: top 150, travel 200; level 20 puts the slider's top at 216.
  const RECT knob = SkinRect(L"ENCSliderImage");
  const POINT grip{(knob.left + knob.right) / 2, 216 + 10};
  POINT screen = grip;
  ClientToScreen(window_, &screen);
  SetCursorPos(screen.x, screen.y);
  const size_t presses = panel_->CountContaining(L"OnMsgLButtonDown");
  const size_t releases = panel_->CountContaining(L"OnMsgLButtonUp");
  PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
  // The slider reads the cursor: it moves only once the press has been taken where it was.
  ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonDown", presses + 1, kStepTimeoutMs));
  // The window's hook writes the line before the press reaches the control under it.
  ASSERT_TRUE(WaitUntilHandled(window_, kStepTimeoutMs));
  const POINT moved{grip.x, grip.y - 60};
  screen = moved;
  ClientToScreen(window_, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageW(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(moved.x, moved.y));
  PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(moved.x, moved.y));
  ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", releases + 1, kStepTimeoutMs));
  // 60 pixels up from 216: top 156, level (350 - 156) / (200 / 30) = 29.
  unsigned long level = 0;
  ASSERT_TRUE(PumpMessagesUntil([&] { return GetRegistryDword(kEncValueMap, kDeviceValue, level) == 0 && level != 20; },
                                kStepTimeoutMs));
  EXPECT_EQ(level, 29u);
  EXPECT_EQ(State("enc.level"), "29");
  SaveScreenshot(L"enc-slider-29");
}

}  // namespace
}  // namespace vorma::test
