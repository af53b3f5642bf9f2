#pragma once
// The panel's main window. Its construction runs the start-up in order; so far it builds the window
// from the form resource and binds the SDK library, and stops there until the later steps exist.

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/shell/FormBuilder.h"

#include <string>

namespace vorma::shell {

class TAudioMainForm final : public forms::Form, private FormEventSource {
public:
  // Builds the window and runs the start-up. When the SDK library cannot be bound, the failure is
  // shown and WM_QUIT is posted, so the application leaves its message loop and the process ends.
  explicit TAudioMainForm(forms::Application& application);

  // 0 when the start-up ran, otherwise the SDK binding's result.
  int SdkLoadResult() const { return sdkLoadResult_; }

  // The form's creation event: installs the application message hook.
  void FormCreate();
  // Every activation; the first one minimises a panel that the service started at logon.
  void FormActivate();

private:
  forms::MouseHandler MouseHandlerNamed(std::wstring_view name) override;
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) override;
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view name) override;
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view name) override;

  void BuildFromResource();
  bool BindSdkLibrary();

  int sdkLoadResult_ = 0;
  bool m_bActivated = false;
};

// Whether the raw process command line asks for a start minimised to the tray.
bool CommandLineAsksServiceBoot(const std::wstring& rawCommandLine);

}  // namespace vorma::shell
