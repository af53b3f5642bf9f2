#pragma once
// A registered instance of the test service program (VormaTestService.exe) for the tests of
// service control: registered under a chosen name on construction, stopped (or its process ended)
// and deleted on destruction.

#include "tests/support/TestFiles.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace vorma::test {

struct TestServiceBehaviour {
  DWORD startDelayMs = 0;  // time spent in the start-pending state
  DWORD stopDelayMs = 0;   // time spent in the stop-pending state
  bool rejectUserControls = false;
  bool refuseStop = false;
  DWORD startType = SERVICE_DEMAND_START;  // SERVICE_DISABLED makes every start fail
};

// A long delay: the service does not reach the next state while a test waits.
inline constexpr DWORD kTestServiceNeverMs = 600000;

class TestService {
public:
  // A leftover service of the same name (from an interrupted run) is removed first.
  explicit TestService(std::wstring name, TestServiceBehaviour behaviour = {});
  ~TestService();
  TestService(const TestService&) = delete;
  TestService& operator=(const TestService&) = delete;

  bool Registered() const { return registered_; }
  const std::wstring& Name() const { return name_; }

  // Starts it through the service control manager and waits for the running state.
  bool StartAndWaitRunning(DWORD timeoutMs = 30000);
  DWORD CurrentState() const;  // 0 when the query fails
  bool WaitForState(DWORD state, DWORD timeoutMs = 30000) const;

  // The lines the service recorded so far ("started", "running", "control 193", ...).
  std::vector<std::string> Record() const;
  size_t CountInRecord(std::string_view line) const;
  // Waits until the line appears `count` times in the record.
  bool WaitForRecord(std::string_view line, size_t count = 1, DWORD timeoutMs = 10000) const;

private:
  TempFolder folder_;  // destroyed last: the service writes its record here until it stops
  std::wstring name_;
  bool registered_ = false;
};

// Stops a service (a test service however it was told to behave; any other by ending its process
// when it does not stop) and deletes it; waits until the name is free again. Does nothing when
// there is no such service.
void RemoveService(const std::wstring& name);

// A value of HKEY_CURRENT_USER\Environment, where the environment of what a service starts in the
// user's session comes from; removed again on destruction.
class UserEnvironmentValue {
public:
  UserEnvironmentValue(const wchar_t* name, const std::wstring& value);
  ~UserEnvironmentValue();
  UserEnvironmentValue(const UserEnvironmentValue&) = delete;
  UserEnvironmentValue& operator=(const UserEnvironmentValue&) = delete;

private:
  std::wstring name_;
};

// A unique service name for one test.
std::wstring UniqueServiceName(std::wstring_view purpose);

}  // namespace vorma::test
