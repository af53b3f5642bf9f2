// Sound profiles with the real Vormapanel.exe on a virtual device: what the user left when the
// panel closed is on screen and on the device at the next start, and a profile saved through the
// real save dialog loads back through the real open dialog.

#include "foundation/ProfileStrings.h"
#include "tests/mainwindow/PanelWindowTest.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vorma::test {
namespace {

class ProfileEndToEndTest : public PanelWindowTest {
protected:
  std::map<std::string, std::string> SoundState() {
    std::map<std::string, std::string> state;
    for (const char* key : {"eq.enable", "v71.enable", "v71.block", "reg.0x0120", "reg.0x0121"}) state[key] = State(key);
    return state;
  }

  void ShowSurroundPage() {
    Click(CentreOf(SkinRect(L"PageVirtual7p1UpImage")));
    ASSERT_TRUE(panel_->WaitCount(L"ShowPageControls page = 4", 1, kPanelStepTimeoutMs));
  }

  // Answers the file dialog the panel shows with the path and confirms it.
  // The file name box of a file dialog: the edit of the name combo box (0x47C) of the Explorer-style
  // dialog, or the name edit (0x480) of the older one; none while the dialog makes its controls.
  static HWND FileNameBox(HWND dialog) {
    HWND found = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM out) -> BOOL {
          wchar_t cls[16] = {};
          GetClassNameW(child, cls, 16);
          const int id = GetDlgCtrlID(child);
          if (std::wstring(cls) != L"Edit" || (id != 0x47C && id != 0x480)) return TRUE;
          *reinterpret_cast<HWND*>(out) = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  // Answers the file dialog the panel shows with the path and confirms it.
  void AnswerFileDialog(const std::wstring& path) {
    HWND dialog = nullptr;
    HWND name = nullptr;
    ASSERT_TRUE(PumpMessagesUntil(
        [&] {
          for (HWND candidate : ForeignWindows(L"#32770")) {
            dialog = candidate;
            name = FileNameBox(candidate);
            if (name && IsWindowVisible(dialog)) return true;
          }
          return false;
        },
        kPanelStepTimeoutMs));
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    ASSERT_TRUE(PumpMessagesUntil([&] { return !IsWindow(dialog); }, kPanelStepTimeoutMs));
    ASSERT_TRUE(WaitUntilHandled(window_, kPanelStepTimeoutMs));
  }
};

TEST_F(ProfileEndToEndTest, WhatTheUserLeftComesBackAtTheNextStart) {
  StartPanel();
  // A curve of the user's own (a flat one keeps the equaliser off): the 60 Hz band to its top.
  const RECT bar = SkinRect(L"EQ60HzBarImage");
  Journal(true);
  Click({(bar.left + bar.right) / 2, bar.top + 2});
  ASSERT_TRUE(WaitJournal("write 0x012"));
  Click(CentreOf(SkinRect(L"EQEQENImageUp")));
  ASSERT_TRUE(PumpMessagesUntil([&] { return State("eq.enable") == "1"; }, kPanelStepTimeoutMs));
  // A turned 7.1 arrangement: surround on, the speakers rotating for a while, then stopped.
  ShowSurroundPage();
  Click(CentreOf(SkinRect(L"VirtualEnableImageUp")));
  ASSERT_TRUE(WaitJournal("DLLQZ_SetVirtual7ch1_OnOff 1"));
  Journal(true);
  Click(CentreOf(SkinRect(L"VirtualClockwiseUpImage")));
  ASSERT_TRUE(WaitJournal("sdk DLLQZ_SetVirtual7ch1 ", 15));
  Click(CentreOf(SkinRect(L"VirtualClockwiseUpImage")));
  const std::map<std::string, std::string> left = SoundState();
  int width = 0, height = 0;
  const std::vector<DWORD> before = WindowPixels(width, height);
  SaveScreenshot(L"profile-before-close");
  ClosePanel();
  EXPECT_EQ(State("eq.enable"), "0");  // closing switches the device's functions off

  StartPanel();
  ASSERT_TRUE(panel_->WaitCount(L"[CSoundProfiles::LoadProfile]", 1, kPanelStepTimeoutMs));
  ASSERT_TRUE(WaitUntilHandled(window_, kPanelStepTimeoutMs));
  ShowSurroundPage();
  EXPECT_EQ(SoundState(), left);
  // The restarted window may still be painting a part of itself: what counts is the picture it
  // settles on.
  size_t differing = 0;
  PumpMessagesUntil(
      [&] {
        int widthAfter = 0, heightAfter = 0;
        const std::vector<DWORD> after = WindowPixels(widthAfter, heightAfter);
        differing = widthAfter == width && heightAfter == height ? 0 : before.size();
        for (size_t i = 0; differing < before.size() && i < before.size(); ++i)
          differing += before[i] != after[i] ? 1 : 0;
        return differing == 0;
      },
      kPanelStepTimeoutMs);
  SaveScreenshot(L"profile-after-start");
  EXPECT_EQ(differing, 0u) << "pixels of the window differ after the restart";
}

TEST_F(ProfileEndToEndTest, AProfileSavedThroughTheSaveDialogLoadsBackThroughTheOpenDialog) {
  StartPanel();
  Click(CentreOf(SkinRect(L"EQEQENImageUp")));
  ASSERT_TRUE(PumpMessagesUntil([&] { return State("eq.enable") == "1"; }, kPanelStepTimeoutMs));
  TempFolder folder;
  const POINT save = CentreOf(SkinRect(L"Menu1ImageUp"));
  Press(save);
  Post(WM_LBUTTONUP, save);  // the save dialog comes up on the release
  AnswerFileDialog(folder.File(L"Evening"));
  const std::wstring saved = folder.File(L"Evening.ini");
  std::wstring enable;
  ReadProfileString(saved, L"EQ", L"EQEN", enable);
  ASSERT_EQ(enable, L"1");

  // The same profile with the equaliser off, loaded through the open dialog.
  WriteProfileString(saved, L"EQ", L"EQEN", L"0");
  const POINT load = CentreOf(SkinRect(L"Menu2ImageUp"));
  Press(load);
  Post(WM_LBUTTONUP, load);
  AnswerFileDialog(saved);
  EXPECT_TRUE(PumpMessagesUntil([&] { return State("eq.enable") == "0"; }, kPanelStepTimeoutMs));
}

}  // namespace
}  // namespace vorma::test
