#include "outside/service/SessionLaunch.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>
#include <userenv.h>
#include <wtsapi32.h>

#include <vector>

namespace vorma::service {
namespace {

// An environment block of CreateEnvironmentBlock, freed with DestroyEnvironmentBlock.
class EnvironmentBlock {
public:
  explicit EnvironmentBlock(HANDLE token) {
    if (!CreateEnvironmentBlock(&block_, token, FALSE)) block_ = nullptr;
  }
  ~EnvironmentBlock() {
    if (block_) DestroyEnvironmentBlock(block_);
  }
  EnvironmentBlock(const EnvironmentBlock&) = delete;
  EnvironmentBlock& operator=(const EnvironmentBlock&) = delete;
  void* get() const { return block_; }

private:
  void* block_ = nullptr;
};

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// The primary token of the user at the console, or null when there is none (no one logged on, or a
// platform without sessions of users).
UniqueHandle ConsoleUserToken() {
  const DWORD session = WTSGetActiveConsoleSessionId();
  HANDLE impersonation = nullptr;
  if (session == 0xFFFFFFFF || !WTSQueryUserToken(session, &impersonation)) {
    DebugWin32Failure(L"WTSQueryUserToken", GetLastError());
    return UniqueHandle();
  }
  const UniqueHandle owned(impersonation);
  HANDLE primary = nullptr;
  if (!DuplicateTokenEx(owned.get(), MAXIMUM_ALLOWED, nullptr, SecurityIdentification, TokenPrimary, &primary)) {
    DebugWin32Failure(L"DuplicateTokenEx", GetLastError());
    return UniqueHandle();
  }
  return UniqueHandle(primary);
}

}  // namespace

LaunchResult LaunchOnUserDesktop(const LaunchCommand& command) {
  const DWORD attributes = GetFileAttributesW(command.program.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DebugPrint(L"***** Launch program missing: %s FAIL! *****\n", command.program.c_str());
    return kLaunchProgramMissing;
  }
  std::wstring line = command.CommandLine();
  std::vector<wchar_t> writable(line.begin(), line.end());
  writable.push_back(L'\0');
  const std::wstring folder = FolderOf(command.program);
  wchar_t desktop[] = L"winsta0\\default";  // a service's own desktop is invisible
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.lpDesktop = desktop;
  PROCESS_INFORMATION process{};

  const UniqueHandle token = ConsoleUserToken();
  BOOL started = FALSE;
  LaunchResult result = kLaunchedInUserSession;
  if (token) {
    const EnvironmentBlock environment(token.get());
    started = CreateProcessAsUserW(token.get(), command.program.c_str(), writable.data(), nullptr, nullptr, FALSE,
                                   CREATE_UNICODE_ENVIRONMENT, environment.get(),
                                   folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    if (!started) DebugWin32Failure(L"CreateProcessAsUserW", GetLastError());
  }
  if (!started) {
    DebugWrite(L"===== No user token: starting the program as the service =====\n");
    result = kLaunchedPlainly;
    started = CreateProcessW(command.program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    if (!started) {
      DebugWin32Failure(L"CreateProcessW", GetLastError());
      return kLaunchFailed;
    }
  }
  const UniqueHandle thread(process.hThread);
  const UniqueHandle processHandle(process.hProcess);
  DebugPrint(L"##### Launched = %s\n", line.c_str());
  return result;
}

}  // namespace vorma::service
