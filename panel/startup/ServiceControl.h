#pragma once
// Start, stop or send a user-defined control to a Windows service through the service control
// manager. The panel uses it to ask the background service to launch it; setup uses it to restart
// the service around an installation.

#include <string>

namespace vorma {

// Result codes of ControlTheService: 0 = done, otherwise the step that failed.
enum ServiceControlResult : unsigned {
  kServiceControlDone = 0,  // for a user-defined control: issued, whatever the service answered
  kServiceManagerOpenFailed = 1,
  kServiceOpenFailed = 2,
  kServiceQueryFailed = 3,
  kServiceStopRefused = 4,
  kServiceStopTimedOut = 5,
  kServiceStartRefused = 6,
  kServiceStartTimedOut = 7,
};

// The background service that launches the panel on the user's desktop; setup installs it.
inline constexpr wchar_t kBackgroundServiceName[] = L"Halvorn";

// Control values with a meaning of their own; every other value is sent as a control code.
inline constexpr unsigned kServiceControlStart = 0;
inline constexpr unsigned kServiceControlStop = 1;  // SERVICE_CONTROL_STOP

// The panel asks only for what it needs (it runs without administrator rights); setup runs
// elevated and opens manager and service with full access for every control.
enum class ServiceAccess { Panel, Setup };

// Waiting for a state change: 30 queries, 300 ms apart, so at most about 9 s.
inline constexpr unsigned kServiceStatePolls = 30;
inline constexpr unsigned kServiceStatePollIntervalMs = 300;

unsigned ControlTheService(const std::wstring& serviceName, unsigned control,
                           ServiceAccess access = ServiceAccess::Panel);

}  // namespace vorma
