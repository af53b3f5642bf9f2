// The real Vormapanel.exe with a skin and profile that keep the LED settings out of the main
// window: the LED page button's label opens the LED settings dialog, whose controls reach the LED
// controller through the SDK's plain functions, and closing it ends its command worker.

#include "tests/mainwindow/PanelWindowTest.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace vorma::test {
namespace {

constexpr DWORD kStepTimeoutMs = kPanelStepTimeoutMs;

class LedDialogEndToEndTest : public PanelWindowTest {
protected:
  // LEDPageMode 0 in the skin and in the profile the panel starts from.
  void KeepLedSettingsInTheDialog() {
    for (const wchar_t* file : {L"\\Skins\\Graphite\\SkinSetting.ini", L"\\DefaultProfile.ini"}) {
      const std::wstring path = folder_.Path() + file;
      ASSERT_TRUE(WritePrivateProfileStringW(L"LED", L"LEDPageMode", L"0", path.c_str()));
      ASSERT_EQ(GetPrivateProfileIntW(L"LED", L"LEDPageMode", 9, path.c_str()), 0u);
    }
  }

  HWND VisibleDialog() {
    for (HWND dialog : ForeignWindows(L"VormaForm", L"LEDForm"))
      if (IsWindowVisible(dialog)) return dialog;
    return nullptr;
  }

  // A left press and release on one of the dialog's buttons, as the mouse gives them.
  void PressButton(HWND dialog, const wchar_t* caption) {
    const HWND button = FindWindowExW(dialog, nullptr, L"Button", caption);
    ASSERT_NE(button, nullptr) << "no button";
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
};

TEST_F(LedDialogEndToEndTest, ThePageButtonOpensTheDialogWhoseControlsReachTheController) {
  KeepLedSettingsInTheDialog();
  StartPanel();
  // With the settings in the dialog no effect worker starts, so no colours are loaded.
  EXPECT_EQ(CountIn("sdk DLLQZ_SetRGB_Color_ById"), 0u);

  // The page button's image does nothing with LEDPageMode 0; its label, which lies on the
  // image's middle, opens the dialog.
  const RECT tab = SkinRect(L"PageLEDUpImage");
  Click(POINT{tab.left + 6, tab.top + 4});
  EXPECT_EQ(VisibleDialog(), nullptr);
  Journal(true);
  const POINT label{734 + 30, 71 + 8};  // LabelPageLED of the English language file
  Press(label);
  Post(WM_LBUTTONUP, label);
  ASSERT_TRUE(PumpMessagesUntil([&] { return VisibleDialog() != nullptr; }, kStepTimeoutMs)) << "no dialog";
  const HWND dialog = VisibleDialog();
  ASSERT_TRUE(WaitJournal("sdk DLLQZ_SetRGB_Step 58 7 500 -> 0"));
  ASSERT_TRUE(WaitUntilHandled(dialog, kStepTimeoutMs));
  SaveScreenshot(dialog, L"led-dialog");

  // Rainbow from off: mode 5 at the bar's speed, then off again half a second later.
  PressButton(dialog, L"Rainbow");
  ASSERT_TRUE(WaitJournal("sdk DLLQZ_SetRGB_Mode 58 0 1 0 500 -> 0"));
  EXPECT_EQ(CountIn("sdk DLLQZ_SetRGB_Mode 58 0 5 1 500 -> 0"), 1u);
  EXPECT_EQ(State("led.master.1.mode"), "1");
  EXPECT_EQ(State("led.master.2.mode"), "1");
  ASSERT_TRUE(WaitUntilHandled(dialog, kStepTimeoutMs));
  SaveScreenshot(dialog, L"led-dialog-rainbow");

  // Close ends the dialog's worker and hides it; the panel goes on.
  PressButton(dialog, L"Close");
  ASSERT_TRUE(panel_->WaitCount(L"CLedCommandWorker::Stop", 1, kStepTimeoutMs));
  ASSERT_TRUE(PumpMessagesUntil([&] { return VisibleDialog() == nullptr; }, kStepTimeoutMs));
  ClosePanel();
}

}  // namespace
}  // namespace vorma::test
