// VormaTestService --name <service> --record <file> [--start-delay <ms>] [--stop-delay <ms>]
//                  [--reject-user-controls] [--refuse-stop]
// A real Windows service for the tests of service control. It appends one line per event to the
// record file ("started", "running", "control <n>", "stopping", "stopped"), can take its time to
// reach running or stopped, and can refuse user-defined controls or the stop control. However it
// was told to behave, it stops at once when its release event is set (the tests' clean-up).

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

struct ServiceOptions {
  std::wstring name;
  std::wstring recordFile;
  DWORD startDelayMs = 0;
  DWORD stopDelayMs = 0;
  bool rejectUserControls = false;
  bool refuseStop = false;
};

struct ServiceState {
  SERVICE_STATUS_HANDLE statusHandle = nullptr;
  vorma::UniqueHandle stopRequested;
  vorma::UniqueHandle released;
  SERVICE_STATUS status{};
};

// The service entry points carry no context of ours, so the options live for the whole process.
ServiceOptions g_options;

void Record(const std::wstring& line) {
  const vorma::UniqueHandle file(CreateFileW(g_options.recordFile.c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const std::string bytes = std::string(line.begin(), line.end()) + "\n";
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void Report(ServiceState& state, DWORD currentState) {
  state.status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  state.status.dwCurrentState = currentState;
  state.status.dwControlsAccepted =
      currentState == SERVICE_STOPPED || currentState == SERVICE_STOP_PENDING || g_options.refuseStop
          ? 0
          : SERVICE_ACCEPT_STOP;
  state.status.dwWaitHint = currentState == SERVICE_RUNNING || currentState == SERVICE_STOPPED ? 0 : 120000;
  ++state.status.dwCheckPoint;
  SetServiceStatus(state.statusHandle, &state.status);
}

DWORD WINAPI OnControl(DWORD control, DWORD, void*, void* context) {
  auto& state = *static_cast<ServiceState*>(context);
  Record(L"control " + std::to_wstring(control));
  if (control == SERVICE_CONTROL_STOP) {
    if (g_options.refuseStop) return ERROR_CALL_NOT_IMPLEMENTED;
    SetEvent(state.stopRequested.get());
    return NO_ERROR;
  }
  if (control >= 128 && control <= 255 && g_options.rejectUserControls) return ERROR_CALL_NOT_IMPLEMENTED;
  return NO_ERROR;
}

void WINAPI ServiceMain(DWORD, wchar_t**) {
  ServiceState state;
  state.stopRequested.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  const std::wstring releaseEventName = L"Global\\VormaTestServiceRelease-" + g_options.name;
  state.released.reset(CreateEventW(nullptr, TRUE, FALSE, releaseEventName.c_str()));
  const HANDLE stopOrRelease[] = {state.stopRequested.get(), state.released.get()};
  state.statusHandle = RegisterServiceCtrlHandlerExW(g_options.name.c_str(), OnControl, &state);
  if (!state.statusHandle) return;
  Record(L"started");
  Report(state, SERVICE_START_PENDING);
  // A stop during the slow start ends it early.
  if (WaitForMultipleObjects(2, stopOrRelease, FALSE, g_options.startDelayMs) == WAIT_TIMEOUT) {
    Report(state, SERVICE_RUNNING);
    Record(L"running");
    WaitForMultipleObjects(2, stopOrRelease, FALSE, INFINITE);
  }
  Report(state, SERVICE_STOP_PENDING);
  Record(L"stopping");
  WaitForSingleObject(state.released.get(), g_options.stopDelayMs);
  Record(L"stopped");
  Report(state, SERVICE_STOPPED);
}

bool ParseOptions(int argc, wchar_t** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == L"--name" && hasValue) g_options.name = argv[++i];
    else if (option == L"--record" && hasValue) g_options.recordFile = argv[++i];
    else if (option == L"--start-delay" && hasValue) g_options.startDelayMs = wcstoul(argv[++i], nullptr, 10);
    else if (option == L"--stop-delay" && hasValue) g_options.stopDelayMs = wcstoul(argv[++i], nullptr, 10);
    else if (option == L"--reject-user-controls") g_options.rejectUserControls = true;
    else if (option == L"--refuse-stop") g_options.refuseStop = true;
    else return false;
  }
  return !g_options.name.empty() && !g_options.recordFile.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (!ParseOptions(argc, argv)) return 2;
  SERVICE_TABLE_ENTRYW services[] = {{g_options.name.data(), ServiceMain}, {nullptr, nullptr}};
  return StartServiceCtrlDispatcherW(services) ? 0 : 1;
}
