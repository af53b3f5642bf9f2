#include "panel/startup/ServiceControl.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>

namespace vorma {
namespace {

DWORD ManagerAccess(ServiceAccess access) {
  return access == ServiceAccess::Setup ? SC_MANAGER_ALL_ACCESS : SC_MANAGER_CONNECT;
}

// User-defined controls (128-255) need only the right to send them; start and stop take all access.
DWORD ServiceRights(ServiceAccess access, unsigned control) {
  if (access == ServiceAccess::Panel && control >= 128) return SERVICE_QUERY_STATUS | SERVICE_USER_DEFINED_CONTROL;
  return SERVICE_ALL_ACCESS;
}

// Polls until the service reports the wanted state; a failed query counts as one more poll.
bool WaitForServiceState(SC_HANDLE service, DWORD wantedState) {
  for (unsigned poll = 0; poll < kServiceStatePolls; ++poll) {
    SERVICE_STATUS status{};
    if (QueryServiceStatus(service, &status) && status.dwCurrentState == wantedState) return true;
    Sleep(kServiceStatePollIntervalMs);
  }
  return false;
}

unsigned StopTheService(SC_HANDLE service, const SERVICE_STATUS& current) {
  if (current.dwCurrentState == SERVICE_STOPPED) return kServiceControlDone;
  SERVICE_STATUS status{};
  if (!ControlService(service, SERVICE_CONTROL_STOP, &status)) {
    DebugWin32Failure(L"ControlService(SERVICE_CONTROL_STOP)", GetLastError());
    return kServiceStopRefused;
  }
  return WaitForServiceState(service, SERVICE_STOPPED) ? kServiceControlDone : kServiceStopTimedOut;
}

unsigned StartTheService(SC_HANDLE service, const SERVICE_STATUS& current) {
  if (current.dwCurrentState == SERVICE_RUNNING) return kServiceControlDone;
  if (!StartServiceW(service, 0, nullptr)) {
    DebugWin32Failure(L"StartServiceW", GetLastError());
    return kServiceStartRefused;
  }
  return WaitForServiceState(service, SERVICE_RUNNING) ? kServiceControlDone : kServiceStartTimedOut;
}

}  // namespace

unsigned ControlTheService(const std::wstring& serviceName, unsigned control, ServiceAccess access) {
  // Declared first so that it is closed last: the service handle always goes before the manager.
  UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, ManagerAccess(access)));
  if (!manager) {
    DebugWin32Failure(L"OpenSCManagerW", GetLastError());
    return kServiceManagerOpenFailed;
  }
  UniqueServiceHandle service(OpenServiceW(manager.get(), serviceName.c_str(), ServiceRights(access, control)));
  if (!service) {
    DebugWin32Failure(L"OpenServiceW", GetLastError());
    return kServiceOpenFailed;
  }
  SERVICE_STATUS status{};
  if (!QueryServiceStatus(service.get(), &status)) {
    DebugWin32Failure(L"QueryServiceStatus", GetLastError());
    return kServiceQueryFailed;
  }
  if (control == kServiceControlStop) return StopTheService(service.get(), status);
  if (control == kServiceControlStart) return StartTheService(service.get(), status);

  // The service decides what a user-defined control means; its answer does not change the result.
  if (!ControlService(service.get(), control, &status)) {
    const DWORD error = GetLastError();
    const std::wstring operation = L"ControlService(" + std::to_wstring(control) + L")";
    DebugWin32Failure(operation.c_str(), error);
  }
  return kServiceControlDone;
}

}  // namespace vorma
