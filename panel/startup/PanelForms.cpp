#include "panel/startup/PanelForms.h"

#include "foundation/DebugOutput.h"
#include "forms/Application.h"
#include "panel/led/dialog/LEDColorForm.h"
#include "panel/led/dialog/LEDForm.h"
#include "panel/shell/AudioMainForm.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/OtherFormsResource.h"
#include "panel/shell/SimpleForm.h"
#include "panel/shell/WebLabelLink.h"
#include "panel/startup/SingleInstance.h"

#include <memory>
#include <vector>

namespace vorma {
namespace {

std::unique_ptr<forms::Form> CreateDialogForm(forms::Application& application, const shell::FormDescriptor& resource,
                                              const std::wstring& programFullPath, shell::ShellOpenPort& shell) {
  std::unique_ptr<forms::Form> form;
  if (resource.className == L"TSimpleForm") {
    form = std::make_unique<shell::TSimpleForm>(application, programFullPath);
  } else if (resource.className == L"TLEDForm") {
    form = std::make_unique<led::TLEDForm>(application);
  } else if (resource.className == L"TLEDColorForm") {
    form = std::make_unique<led::TLEDColorForm>(application);
  } else {
    form = std::make_unique<forms::Form>(application, shell::FormArgsFor(resource));
    shell::AboutFormEvents about(shell);
    shell::AddResourceToForm(resource, *form, about);
  }
  if (!form->Create()) DebugWin32Failure(L"creating a dialog form", GetLastError());
  return form;
}

}  // namespace

void RunPanelForms(const std::wstring& programFullPath) {
  forms::Application application(GetModuleHandleW(nullptr));
  if (!application.Initialize()) {
    DebugWin32Failure(L"initialising the application", GetLastError());
    return;
  }
  // The title is what a second panel looks for on the "TApplication" window.
  application.SetTitle(ReadApplicationTitle(programFullPath));

  std::unique_ptr<shell::TAudioMainForm> mainForm;
  try {
    mainForm = std::make_unique<shell::TAudioMainForm>(application);
  } catch (const shell::ConversionError& error) {
    // A configuration value the panel cannot read as a number: the panel does not guess, it says
    // which value is wrong and ends.
    DebugPrint(L"TAudioMainForm: %ls\n", error.Text().c_str());
    // The half-built main window is gone and, being the main form, asked the loop to end. The
    // error box runs a loop of its own that would take that request and close before anyone read
    // it; the panel ends anyway once the box is closed.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    application.ShowError(error.Text());
    return;
  }
  application.SetMainForm(*mainForm);
  // A panel whose start-up failed ends at once; showing its empty window first would only flash.
  if (mainForm->SdkLoadResult() != 0) application.SetShowMainForm(false);
  mainForm->FormCreate();
  shell::Win32ShellOpen shell;
  std::vector<std::unique_ptr<forms::Form>> dialogs;
  for (const shell::FormDescriptor* resource : shell::FormCreationOrder().subspan(1))
    dialogs.push_back(CreateDialogForm(application, *resource, programFullPath, shell));
  for (const auto& dialog : dialogs) {
    if (dialog->Name() == L"TAboutForm") mainForm->SetAboutDialog(dialog.get());
    if (auto* ledDialog = dynamic_cast<led::TLEDForm*>(dialog.get())) mainForm->SetLedDialog(ledDialog);
  }

  application.Run();
  // The dialogs go before the main window, which owns the application's last user-interface state.
  mainForm->SetAboutDialog(nullptr);
  mainForm->SetLedDialog(nullptr);
  dialogs.clear();
  mainForm.reset();
}

}  // namespace vorma
