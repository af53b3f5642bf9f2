#include "setup/SetupPorts.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>
#include <shellapi.h>

namespace vorma::setup {

void Win32SetupActions::Reboot() {
  UniqueHandle token;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
      AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
    }
  }
  if (!ExitWindowsEx(EWX_REBOOT, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED)) {
    DebugWin32Failure(L"ExitWindowsEx", GetLastError());
  }
}

void Win32SetupActions::StartProgram(const std::wstring& path) {
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_FLAG_NO_UI;
  execute.lpFile = path.c_str();
  execute.nShow = SW_HIDE;
  if (!ShellExecuteExW(&execute)) DebugWin32Failure(L"ShellExecuteExW panel", GetLastError());
}

void Win32SetupActions::EndSetup() {
  // Not ExitProcess: the user-interface thread may be anywhere, and a library shutdown could wait
  // for a lock it holds.
  TerminateProcess(GetCurrentProcess(), 0);
}

}  // namespace vorma::setup
