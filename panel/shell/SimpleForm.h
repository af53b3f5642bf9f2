#pragma once
// The simple-mode dialog: a reduced effect-mode window the panel creates with its other forms but
// never shows. Showing it loads the device-ID lists setup stored in the registry; closing it sends
// the main window to the tray.

#include "forms/Application.h"
#include "forms/Form.h"
#include "foundation/DeviceIdManager.h"

#include <string>

namespace vorma::shell {

class TSimpleForm final : public forms::Form {
public:
  // The caption carries the version of the program file at programPath.
  TSimpleForm(forms::Application& application, const std::wstring& programPath);
  ~TSimpleForm() override;

  void FormShow();
  // Started with "-start", the panel goes to the tray: the application minimises and the main
  // window hides.
  void FormActivate();
  void ActivateWithCommandLine(const std::wstring& rawCommandLine);
  void EffectModeRadioGroupClick() {}
  void FormDestroy() {}

  const CDeviceIdMgr& UsbIds() const { return m_UsbIdMgr; }
  const CDeviceIdMgr& HidIds() const { return m_HidIdMgr; }

protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void LoadIdGroup(CDeviceIdMgr& manager, const wchar_t* group, const wchar_t* failureText);

  CDeviceIdMgr m_UsbIdMgr;
  CDeviceIdMgr m_HidIdMgr;
};

// True when the raw command line asks to start in the tray ("-start").
bool CommandLineAsksStart(const std::wstring& rawCommandLine);

// "SimpleForm (V1.2.3.4)"; the plain caption when the program carries no version.
std::wstring SimpleFormCaption(const std::wstring& caption, const std::wstring& version);

}  // namespace vorma::shell
