#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "panel/device/SdkLibrary.h"
#include "panel/shell/MainFormResource.h"

#include <cwchar>
#include <string>

namespace vorma::shell {

TAudioMainForm::TAudioMainForm(forms::Application& application)
    : forms::Form(application, FormArgsFor(MainFormResource())) {
  BuildFromResource();
  if (!BindSdkLibrary()) return;
  // The steps from the timers and registered messages onwards do not exist yet; the window shows
  // its resource pictures only and talks to no device.
  DebugWrite(L"===== TAudioMainForm: construction stops after the SDK binding until the remaining steps are built =====\n");
}

void TAudioMainForm::BuildFromResource() {
  const FormBuildReport report = AddResourceToForm(MainFormResource(), *this, *this);
  if (!report.unboundHandlers.empty())
    DebugPrint(L"TAudioMainForm: %d control handlers are not built yet\n", static_cast<int>(report.unboundHandlers.size()));
  if (!Create()) DebugWin32Failure(L"TAudioMainForm: creating the window", GetLastError());
  OnActivate = [this](forms::Form&) { FormActivate(); };
}

bool TAudioMainForm::BindSdkLibrary() {
  sdkLoadResult_ = LoadSdkLibrary(kSdkLibraryFileName, App().Dialogs());
  if (sdkLoadResult_ == 0) return true;
  wchar_t text[96];
  std::swprintf(text, std::size(text), L"***** Open_DLLQZ_UsbAudio72xx, ret = %d *****", sdkLoadResult_);
  App().MessageBox(text, L"", MB_OK);
  DebugWrite(std::wstring(text) + L"\n");
  // Without the library no feature can work; the message loop ends on this before it shows anything
  // useful, and the process ends cleanly.
  PostMessageW(Hwnd(), WM_QUIT, 0, 0);
  return false;
}

void TAudioMainForm::FormCreate() {
  // The slider and speaker drags arrive here once they are built; the hook never stops a message.
  App().SetMessageHook([](const MSG&) {});
  DebugWrite(L"FormCreate");
}

void TAudioMainForm::FormActivate() {
  DebugWrite(L"FormActivate");
  if (m_bActivated) return;
  m_bActivated = true;
  if (CommandLineAsksServiceBoot(GetCommandLineW())) {
    DebugWrite(L"-serviceboot");
    PostMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  }
}

bool CommandLineAsksServiceBoot(const std::wstring& rawCommandLine) {
  return rawCommandLine.find(L"-serviceboot") != std::wstring::npos;
}

// No control handler of the main window is built yet; the builder reports them as unbound.
forms::MouseHandler TAudioMainForm::MouseHandlerNamed(std::wstring_view) { return {}; }
forms::NotifyHandler TAudioMainForm::NotifyHandlerNamed(std::wstring_view) { return {}; }
std::function<void(forms::Timer&)> TAudioMainForm::TimerHandlerNamed(std::wstring_view) { return {}; }
std::function<void(forms::MenuItem&)> TAudioMainForm::MenuHandlerNamed(std::wstring_view) { return {}; }

}  // namespace vorma::shell
