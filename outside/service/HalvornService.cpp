#include "outside/service/HalvornService.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"
#include "outside/service/LaunchCommand.h"
#include "outside/service/LaunchValues.h"
#include "outside/service/ServiceRegistration.h"
#include "outside/service/SessionLaunch.h"

#include <windows.h>

namespace vorma::service {
namespace {

// Lives on the stack of ServiceMain for the whole run; the control handler gets it as its context.
struct ServiceRun {
  SERVICE_STATUS_HANDLE statusHandle = nullptr;
  UniqueHandle stopRequested{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  SERVICE_STATUS status{};
};

void Report(ServiceRun& run, DWORD state, DWORD exitCode = NO_ERROR) {
  run.status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  run.status.dwCurrentState = state;
  run.status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
  run.status.dwWin32ExitCode = exitCode;
  const bool pending = state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING;
  run.status.dwCheckPoint = pending ? run.status.dwCheckPoint + 1 : 0;
  run.status.dwWaitHint = pending ? 3000 : 0;
  if (!SetServiceStatus(run.statusHandle, &run.status)) DebugWin32Failure(L"SetServiceStatus", GetLastError());
}

DWORD WINAPI OnControl(DWORD control, DWORD, void*, void* context) {
  auto& run = *static_cast<ServiceRun*>(context);
  switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
      DebugPrint(L"===== Halvorn control %u: stopping =====\n", static_cast<unsigned>(control));
      Report(run, SERVICE_STOP_PENDING);
      SetEvent(run.stopRequested.get());
      return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
      return NO_ERROR;
    default:
      if (control < 128 || control > 255) return ERROR_CALL_NOT_IMPLEMENTED;
      return HandleUserControl(control) == ControlAnswer::Accepted ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
  }
}

void WINAPI ServiceMain(DWORD, wchar_t**) {
  ServiceRun run;
  run.statusHandle = RegisterServiceCtrlHandlerExW(kServiceName, OnControl, &run);
  if (!run.statusHandle) {
    DebugWin32Failure(L"RegisterServiceCtrlHandlerExW", GetLastError());
    return;
  }
  if (!run.stopRequested) {
    Report(run, SERVICE_STOPPED, GetLastError());
    return;
  }
  Report(run, SERVICE_START_PENDING);
  Report(run, SERVICE_RUNNING);
  DebugWrite(L"===== Halvorn running =====\n");
  WaitForSingleObject(run.stopRequested.get(), INFINITE);
  DebugWrite(L"===== Halvorn stopped =====\n");
  Report(run, SERVICE_STOPPED);
}

}  // namespace

ControlAnswer HandleUserControl(unsigned control) {
  DebugPrint(L"===== Halvorn control %u =====\n", control);
  if (control == kControlInstallProbe) return ControlAnswer::Accepted;
  const wchar_t* valueName = LaunchValueName(control);
  if (!valueName) {
    DebugPrint(L"***** Halvorn control %u unknown: refused *****\n", control);
    return ControlAnswer::Refused;
  }
  // Read at every control: setup rewrites the values on a reinstall while the service runs.
  std::wstring text;
  if (!ReadLaunchValue(valueName, text)) {
    DebugPrint(L"***** Launch value %s missing FAIL! *****\n", valueName);
    return ControlAnswer::Accepted;
  }
  const auto command = ParseLaunchCommand(text);
  if (!command) {
    DebugPrint(L"***** Launch value %s is no command line FAIL! *****\n", valueName);
    return ControlAnswer::Accepted;
  }
  LaunchOnUserDesktop(*command);
  return ControlAnswer::Accepted;
}

bool RunAsService() {
  wchar_t name[] = L"Halvorn";
  const SERVICE_TABLE_ENTRYW table[] = {{name, ServiceMain}, {nullptr, nullptr}};
  if (StartServiceCtrlDispatcherW(table)) return true;
  DebugWin32Failure(L"StartServiceCtrlDispatcherW", GetLastError());
  return false;
}

}  // namespace vorma::service
