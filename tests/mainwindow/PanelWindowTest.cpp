#include "tests/mainwindow/PanelWindowTest.h"

#include "forms/FormPainting.h"
#include "panel/shell/skin/SkinLoading.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestWindows.h"

#include <algorithm>

namespace vorma::test {

RECT SkinRect(std::wstring_view key) {
  static const auto skin = [] {
    auto setting = std::make_unique<shell::SkinSetting>();
    shell::LoadSkinSetting(*setting, HostPathToWindows(VORMA_PRODUCT_DIR) + L"\\Skins\\Graphite\\", 0);
    return setting;
  }();
  const shell::ImageAtt& record = skin->Record(key);
  EXPECT_TRUE(record.HasLeft && record.HasTop && record.HasWidth && record.HasHeight) << "skin key missing";
  return RECT{record.Left, record.Top, record.Left + record.Width, record.Top + record.Height};
}

void PanelWindowTest::SetUp() {
  ASSERT_EQ(host_.Start(), 0u);
  ASSERT_EQ(client_.Plug({}, device_), 0u);
  folder_.AddSdk(VORMA_SDK_DLL);
  folder_.AddProductContent(VORMA_PRODUCT_DIR);
}

void PanelWindowTest::TearDown() {
  if (!panel_) return;
  if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
  panel_->WaitFinished(30000);
  panel_->Join();
}

void PanelWindowTest::StartPanel() {
  panel_ = std::make_unique<PanelProcess>(folder_.Exe());
  presses_ = releases_ = 0;
  window_ = WaitForMainWindow(*panel_);
  if (!window_)
    for (const auto& entry : panel_->Strings()) ADD_FAILURE() << std::string(entry.text.begin(), entry.text.end());
  ASSERT_NE(window_, nullptr) << "the main window did not come up";
}

void PanelWindowTest::ClosePanel() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(panel_->WaitFinished(30000));
  panel_->Join();
  window_ = nullptr;
}

void PanelWindowTest::MoveCursorTo(POINT client) {
  POINT screen = client;
  ClientToScreen(window_, &screen);
  ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
}

void PanelWindowTest::Post(UINT message, POINT client) {
  PostMessageW(window_, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(client.x, client.y));
}

void PanelWindowTest::Press(POINT client) {
  MoveCursorTo(client);
  Post(WM_LBUTTONDOWN, client);
  ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonDown", ++presses_, kPanelStepTimeoutMs));
  // The window's hook writes its line before the press reaches the control under it.
  ASSERT_TRUE(WaitUntilHandled(window_, kPanelStepTimeoutMs));
}

void PanelWindowTest::Release(POINT client) {
  Post(WM_LBUTTONUP, client);
  ASSERT_TRUE(panel_->WaitCount(L"OnMsgLButtonUp", ++releases_, kPanelStepTimeoutMs));
  ASSERT_TRUE(WaitUntilHandled(window_, kPanelStepTimeoutMs));
}

PanelWindowTest::Lines PanelWindowTest::Journal(bool clear) {
  Lines lines;
  EXPECT_EQ(client_.ReadJournal(device_, lines, clear), 0u);
  return lines;
}

size_t PanelWindowTest::CountIn(const std::string& fragment) {
  const Lines lines = Journal();
  return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.find(fragment) != std::string::npos;
  }));
}

bool PanelWindowTest::WaitJournal(const std::string& fragment, size_t count) {
  return PumpMessagesUntil([&] { return CountIn(fragment) >= count; }, kPanelStepTimeoutMs);
}

std::string PanelWindowTest::State(const char* key) {
  std::string value;
  client_.StateValue(device_, key, value);
  return value;
}

std::vector<DWORD> PanelWindowTest::WindowPixels(HWND window, int& width, int& height) {
  // The window paints what it has to before the picture is taken.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r{};
  GetWindowRect(window, &r);
  width = r.right - r.left;
  height = r.bottom - r.top;
  std::vector<DWORD> pixels;
  HDC screen = GetDC(nullptr);
  forms::RenderOffscreen(width, height, [&](HDC dc) { BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY); },
                         pixels);
  ReleaseDC(nullptr, screen);
  return pixels;
}

void PanelWindowTest::SaveScreenshot(HWND window, const std::wstring& name) {
  const wchar_t* folder = _wgetenv(L"VORMA_TEST_SCREENSHOTS");
  if (!folder) return;
  int width = 0, height = 0;
  const std::vector<DWORD> pixels = WindowPixels(window, width, height);
  forms::SavePixelsAsPng(pixels, width, height, std::wstring(folder) + L"\\" + name + L".png");
}

}  // namespace vorma::test
