#include "tests/support/TestServices.h"

#include "foundation/UniqueHandles.h"
#include "tests/support/BuildTreePaths.h"

#include <functional>
#include <sstream>

namespace vorma::test {
namespace {

constexpr DWORD kCleanupWaitMs = 15000;

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& condition) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}

UniqueServiceHandle OpenManager() {
  return UniqueServiceHandle(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
}

// The service's state (0 when the query fails) and the id of its process.
DWORD QueryState(SC_HANDLE service, DWORD* processId = nullptr) {
  SERVICE_STATUS_PROCESS status{};
  DWORD needed = 0;
  if (!QueryServiceStatusEx(service, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status), sizeof(status), &needed))
    return 0;
  if (processId) *processId = status.dwProcessId;
  return status.dwCurrentState;
}

// A service stuck in a pending state (the tests make it so) is stopped by ending its process.
void EndServiceProcess(SC_HANDLE service) {
  DWORD processId = 0;
  QueryState(service, &processId);
  if (processId == 0) return;
  UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
  if (!process) return;
  TerminateProcess(process.get(), 1);
  WaitForSingleObject(process.get(), kCleanupWaitMs);
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring ServiceCommandLine(const std::wstring& name, const std::wstring& recordFile,
                                const TestServiceBehaviour& behaviour) {
  std::wstring commandLine = Quoted(HostPathToWindows(VORMA_TEST_SERVICE_EXE)) + L" --name " + Quoted(name) +
                             L" --record " + Quoted(recordFile);
  commandLine += L" --start-delay " + std::to_wstring(behaviour.startDelayMs);
  commandLine += L" --stop-delay " + std::to_wstring(behaviour.stopDelayMs);
  if (behaviour.rejectUserControls) commandLine += L" --reject-user-controls";
  if (behaviour.refuseStop) commandLine += L" --refuse-stop";
  return commandLine;
}

// Tells a test service to stop however it was told to behave.
void ReleaseTestService(const std::wstring& name) {
  const std::wstring eventName = L"Global\\VormaTestServiceRelease-" + name;
  const UniqueHandle released(OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName.c_str()));
  if (released) SetEvent(released.get());
}

}  // namespace

void RemoveService(const std::wstring& name) {
  const UniqueServiceHandle manager = OpenManager();
  if (!manager) return;
  {
    const UniqueServiceHandle service(OpenServiceW(manager.get(), name.c_str(), SERVICE_ALL_ACCESS));
    if (!service) return;
    const auto stopped = [&] { return QueryState(service.get()) == SERVICE_STOPPED; };
    if (!stopped()) {
      ReleaseTestService(name);
      // One already stopping would refuse the control.
      if (QueryState(service.get()) != SERVICE_STOP_PENDING) {
        SERVICE_STATUS status{};
        ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
      }
      // Some other program registered under the name does not know the release event.
      if (!WaitUntil(kCleanupWaitMs, stopped)) {
        EndServiceProcess(service.get());
        WaitUntil(kCleanupWaitMs, stopped);
      }
    }
    DeleteService(service.get());
  }
  // The name is free again once the manager has dropped the deleted entry.
  WaitUntil(kCleanupWaitMs, [&] {
    const UniqueServiceHandle service(OpenServiceW(manager.get(), name.c_str(), SERVICE_QUERY_STATUS));
    return !service;
  });
}

std::wstring UniqueServiceName(std::wstring_view purpose) {
  return L"VormaTest" + std::wstring(purpose) + std::to_wstring(GetCurrentProcessId());
}

TestService::TestService(std::wstring name, TestServiceBehaviour behaviour) : name_(std::move(name)) {
  RemoveService(name_);
  const UniqueServiceHandle manager = OpenManager();
  if (!manager) return;
  const std::wstring commandLine = ServiceCommandLine(name_, folder_.File(L"record.txt"), behaviour);
  const UniqueServiceHandle service(CreateServiceW(manager.get(), name_.c_str(), name_.c_str(), SERVICE_ALL_ACCESS,
                                                   SERVICE_WIN32_OWN_PROCESS, behaviour.startType,
                                                   SERVICE_ERROR_NORMAL, commandLine.c_str(), nullptr, nullptr,
                                                   nullptr, nullptr, nullptr));
  registered_ = static_cast<bool>(service);
}

TestService::~TestService() {
  if (registered_) RemoveService(name_);
}

bool TestService::StartAndWaitRunning(DWORD timeoutMs) {
  const UniqueServiceHandle manager = OpenManager();
  const UniqueServiceHandle service(manager ? OpenServiceW(manager.get(), name_.c_str(), SERVICE_ALL_ACCESS) : nullptr);
  if (!service || !StartServiceW(service.get(), 0, nullptr)) return false;
  return WaitForState(SERVICE_RUNNING, timeoutMs);
}

DWORD TestService::CurrentState() const {
  const UniqueServiceHandle manager = OpenManager();
  const UniqueServiceHandle service(manager ? OpenServiceW(manager.get(), name_.c_str(), SERVICE_QUERY_STATUS)
                                            : nullptr);
  return service ? QueryState(service.get()) : 0;
}

bool TestService::WaitForState(DWORD state, DWORD timeoutMs) const {
  return WaitUntil(timeoutMs, [&] { return CurrentState() == state; });
}

std::vector<std::string> TestService::Record() const {
  std::vector<std::string> lines;
  std::istringstream content(ReadFileBytes(folder_.File(L"record.txt")));
  for (std::string line; std::getline(content, line);) lines.push_back(line);
  return lines;
}

size_t TestService::CountInRecord(std::string_view line) const {
  size_t count = 0;
  for (const auto& recorded : Record())
    if (recorded == line) ++count;
  return count;
}

bool TestService::WaitForRecord(std::string_view line, size_t count, DWORD timeoutMs) const {
  return WaitUntil(timeoutMs, [&] { return CountInRecord(line) >= count; });
}

UserEnvironmentValue::UserEnvironmentValue(const wchar_t* name, const std::wstring& value) : name_(name) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Environment", name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

UserEnvironmentValue::~UserEnvironmentValue() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Environment", name_.c_str()); }

}  // namespace vorma::test
