#include "panel/shell/SimpleForm.h"

#include "foundation/DebugOutput.h"
#include "foundation/FileVersion.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/OtherFormsResource.h"

namespace vorma::shell {
namespace {

// The dialog's only control handler; the mode group is disabled, so it never fires in practice.
class SimpleFormEvents final : public FormEventSource {
public:
  explicit SimpleFormEvents(TSimpleForm& form) : form_(form) {}
  forms::MouseHandler MouseHandlerNamed(std::wstring_view) override { return {}; }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) override {
    // The handler outlives this source, which lives only while the form is built.
    if (name == L"EffectModeRadioGroupClick")
      return [&form = form_](forms::Control&) { form.EffectModeRadioGroupClick(); };
    return {};
  }
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }

private:
  TSimpleForm& form_;
};

}  // namespace

std::wstring SimpleFormCaption(const std::wstring& caption, const std::wstring& version) {
  if (version.empty()) return caption;
  return caption + L" (V" + version + L")";
}

bool CommandLineAsksStart(const std::wstring& rawCommandLine) {
  return rawCommandLine.find(L"-start") != std::wstring::npos;
}

TSimpleForm::TSimpleForm(forms::Application& application, const std::wstring& programPath)
    : forms::Form(application, FormArgsFor(SimpleFormResource())) {
  DebugTraceEntry(L"TSimpleForm::TSimpleForm");
  std::wstring version;
  GetFileVersionText(programPath, version);
  SetCaption(SimpleFormCaption(Caption(), version));
  SimpleFormEvents events(*this);
  const FormBuildReport report = AddResourceToForm(SimpleFormResource(), *this, events);
  for (std::wstring_view name : report.unboundHandlers)
    DebugPrint(L"***** TSimpleForm: the form resource names a handler %.*s that nothing binds *****\n", static_cast<int>(name.size()), name.data());
  OnShow = [this](forms::Form&) { FormShow(); };
  OnActivate = [this](forms::Form&) { FormActivate(); };
  OnDestroy = [this](forms::Form&) { FormDestroy(); };
}

TSimpleForm::~TSimpleForm() { DestroyWindowNow(); }

void TSimpleForm::LoadIdGroup(CDeviceIdMgr& manager, const wchar_t* group, const wchar_t* failureText) {
  if (manager.LoadFromRegistry(group) == kDeviceIdRegistryLoaded) return;
  App().Dialogs().Show(Hwnd(), failureText, L"Uninstall", MB_OK);
}

void TSimpleForm::FormShow() {
  DebugTraceEntry(L"TSimpleForm::FormShow");
  LoadIdGroup(m_UsbIdMgr, kUsbDeviceIdGroup, L"***** Get USB device ID from registry FAIL! *****");
  LoadIdGroup(m_HidIdMgr, kHidDeviceIdGroup, L"***** Get HID device ID from registry FAIL! *****");
}

void TSimpleForm::FormActivate() { ActivateWithCommandLine(GetCommandLineW()); }

void TSimpleForm::ActivateWithCommandLine(const std::wstring& rawCommandLine) {
  if (CommandLineAsksStart(rawCommandLine)) App().Minimize();
}

// Closing the dialog puts the main window into the tray; the dialog itself then hides as any
// dialog does, and the panel keeps running.
LRESULT TSimpleForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) App().Minimize();
  return forms::Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vorma::shell
