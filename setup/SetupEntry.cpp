// Vormasetup's process entry: the path-length guard, then the background window and the wizard.

#include "forms/Application.h"
#include "foundation/DebugOutput.h"
#include "foundation/ProgramPath.h"
#include "setup/BackgroundForm.h"
#include "setup/MainForm.h"
#include "setup/SetupSettings.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace vorma::setup;
  const std::wstring setupPath = vorma::ThisProgramPath();
  // Paths below the install folder would outgrow what the installation's buffers hold.
  if (SetupPathTooLong(setupPath)) {
    MessageBoxW(nullptr, L"TLPD - Too Long Path Detector", L"ERROR", MB_OK | MB_ICONERROR);
    return 0;
  }
  vorma::forms::Application application(instance);
  if (!application.Initialize()) return 0;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetupSettings settings = ReadSetupSettings(setupPath, ReadSystemFacts());
  TBackgroundForm background(application, settings, screenWidth, screenHeight);
  if (!background.Create()) return 0;
  application.SetMainForm(background.Form());
  Win32SetupActions actions;
  TMainForm wizard(application, background, settings, MainFormPorts{actions, instance, {}, nullptr, {}});
  if (!wizard.Create()) return 0;
  background.FormShow();
  if (!wizard.FormShow(screenWidth, screenHeight)) return 0;
  return application.Run();
}
