// Process entry of the control panel. A direct start only asks the background service to launch
// the panel on the user's desktop; only a process the service started runs the user interface.

#include "foundation/DebugOutput.h"
#include "panel/startup/CommandLine.h"
#include "panel/startup/PanelForms.h"
#include "panel/startup/ServiceControl.h"
#include "panel/startup/SingleInstance.h"

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

namespace vorma {
namespace {

// The request's result goes only to the debug output: the panel never runs by itself instead.
void RequestLaunchFromService(const wchar_t* milestone, unsigned control) {
  DebugWrite(milestone);
  const unsigned result = ControlTheService(kBackgroundServiceName, control);
  DebugPrint(L"ControlTheService ret = %d\n", static_cast<int>(result));
}

void RunServiceLaunchedPanel(const std::wstring& programFullPath) {
  SingleInstanceClaim claim = ClaimSingleInstance();
  if (claim.anotherInstanceRuns) {
    // The second instance builds no forms at all: constructing and destroying a main window would
    // reset the device functions and the last profile under the running panel.
    DebugWrite(L"===== Another panel instance runs: activating its window =====\n");
    if (!ActivateRunningInstance(ReadApplicationTitle(programFullPath)))
      DebugWrite(L"***** The running panel's window was not found *****\n");
    return;
  }
  // Held until the process ends; the system releases it then, and only then may another panel run.
  claim.mutex.release();
  RunPanelForms(programFullPath);
}

void RunPanelProcess() {
  const std::vector<std::wstring> arguments = ProcessArguments();
  switch (ScanCommandLine(arguments)) {
    case LaunchRole::BootRequester:
      RequestLaunchFromService(L"===== Service Control Execution -boot =====\n", kServiceControlLaunchPanelAtBoot);
      return;
    case LaunchRole::PlainRequester:
      RequestLaunchFromService(L"===== Service Control Execution no service =====\n", kServiceControlLaunchPanel);
      return;
    case LaunchRole::ServiceLaunched:
      RunServiceLaunchedPanel(arguments[0]);
      return;
  }
}

std::wstring Widened(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(length > 0 ? static_cast<size_t>(length) : 0, L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  if (!wide.empty()) wide.pop_back();
  return wide;
}

}  // namespace
}  // namespace vorma

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Whatever happens, the process ends with exit code 0; an escaping exception is shown first.
  try {
    vorma::RunPanelProcess();
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, vorma::Widened(error.what()).c_str(), L"Vormapanel", MB_OK | MB_ICONERROR);
  }
  return 0;
}
