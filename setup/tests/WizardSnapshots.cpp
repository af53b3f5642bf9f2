// Saves a picture of each wizard page as the user sees it, for looking at a translation:
//   setup_wizard_snapshots.exe <delivery folder> <language folder> <output folder>
// The wizard runs on the delivery folder with this program's test payloads; its registration run
// is held for a moment so the progress page can be taken while the install works.

#include "forms/Application.h"
#include "forms/FormPainting.h"
#include "setup/BackgroundForm.h"
#include "setup/MainForm.h"
#include "tests/support/ScriptedDialogs.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace vorma::setup;

class NoActions final : public SetupActions {
public:
  void Reboot() override {}
  void StartProgram(const std::wstring&) override {}
  void EndSetup() override {}
};

void Pump(vorma::forms::Application& application, DWORD ms) {
  const ULONGLONG deadline = GetTickCount64() + ms;
  while (GetTickCount64() < deadline) {
    application.ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// The client area's pixels as the screen shows them (PrintWindow gives black under Wine). Without a
// window manager on the display nobody draws the frame and the caption, so only the client area is
// taken; the caption is printed instead.
bool SaveWindow(HWND window, const std::wstring& path) {
  RECT bounds{};
  GetClientRect(window, &bounds);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
  return vorma::forms::SavePixelsAsPng(pixels, width, height, path);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    fwprintf(stderr, L"usage: setup_wizard_snapshots <delivery folder> <language folder> <output folder>\n");
    return 2;
  }
  std::wstring delivery = argv[1];
  if (delivery.back() != L'\\') delivery += L'\\';
  const std::wstring language = argv[2];
  const std::wstring output = std::wstring(argv[3]) + L"\\setup-" + language + L"-";
  SetEnvironmentVariableW(L"VORMA_SETUP_PROBE_DELAY_MS", L"2500");

  vorma::forms::Application application(GetModuleHandleW(nullptr));
  if (!application.Initialize()) return 1;
  vorma::test::ScriptedDialogs dialogs;
  application.SetDialogs(dialogs);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  SetupSettings settings = ReadSetupSettings(delivery + L"Vormasetup.exe", ReadSystemFacts());
  TBackgroundForm background(application, settings, width, height);
  background.Create();
  application.SetMainForm(background.Form());
  NoActions actions;
  InstallNames names{L"VormaSetupSnapshots", L"VORMA_SETUP_SNAPSHOTS_EXIT"};
  TMainForm wizard(application, background, settings,
                   MainFormPorts{actions, GetModuleHandleW(nullptr), InstallTimings{10000, false}, nullptr, names});
  wizard.Create();
  background.FormShow();
  if (!wizard.FormShow(width, height)) return 1;
  const auto& folders = wizard.LanguageFolders();
  for (size_t i = 0; i < folders.size(); ++i) {
    if (folders[i] != language) continue;
    wizard.LanguageBox().SetItemIndex(static_cast<int>(i));
    wizard.ComboBoxChange();
  }
  Pump(application, 800);
  bool saved = SaveWindow(wizard.Form().Hwnd(), output + L"1-language.png");
  wizard.NextBitBtnClick();
  if (wizard.PageIndex() == kLanguagePage) wizard.NextBitBtnClick();
  Pump(application, 1200);
  saved = SaveWindow(wizard.Form().Hwnd(), output + L"2-progress.png") && saved;
  const ULONGLONG deadline = GetTickCount64() + 30000;
  while (wizard.PageIndex() != kFinishPage && GetTickCount64() < deadline) Pump(application, 50);
  Pump(application, 500);
  saved = SaveWindow(wizard.Form().Hwnd(), output + L"3-finish.png") && saved;
  fwprintf(stdout, L"caption: %ls\n", wizard.Form().Caption().c_str());
  for (const auto& shown : dialogs.shown) fwprintf(stdout, L"message: %ls\n", shown.text.c_str());
  return saved ? 0 : 1;
}
