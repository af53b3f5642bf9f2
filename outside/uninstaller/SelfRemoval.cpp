#include "outside/uninstaller/SelfRemoval.h"

#include "foundation/AudioConfig.h"
#include "foundation/DebugOutput.h"
#include "foundation/ProgramPath.h"
#include "foundation/UniqueHandles.h"
#include "outside/uninstaller/FileRemoval.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace vorma::uninstall {
namespace {

constexpr DWORD kWaitForUninstallerMs = 60000;

std::wstring TemporaryFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(buffer, length);
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool LooksLikeInstallFolder(const std::wstring& folder) {
  if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') return false;
  // A drive root ("C:") or a share root ("\\server\share") is never an install folder.
  const bool share = folder.rfind(L"\\\\", 0) == 0;
  const auto separators = std::count(folder.begin(), folder.end(), L'\\');
  if (share ? separators < 4 : separators < 1) return false;
  return FileExists(folder + L"\\" + kAudioConfigFileName);
}

bool HandFolderToTemporaryCopy(const std::wstring& uninstallerPath, const std::wstring& installFolder) {
  const std::wstring temporary = TemporaryFolder();
  if (temporary.empty()) return false;
  const std::wstring copy =
      temporary + L"Remove-" + std::to_wstring(GetCurrentProcessId()) + L"-" + FileNameOf(uninstallerPath);
  if (!CopyFileW(uninstallerPath.c_str(), copy.c_str(), FALSE)) {
    DebugWin32Failure(L"CopyFileW", GetLastError());
    return false;
  }
  std::wstring line = L"\"" + copy + L"\" " + kRemoveFolderSwitch + L" \"" + installFolder + L"\" " + kAfterSwitch +
                      L" " + std::to_wstring(GetCurrentProcessId());
  std::vector<wchar_t> writable(line.begin(), line.end());
  writable.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  // Started in the temporary folder: a working folder inside the install folder would keep it.
  if (!CreateProcessW(copy.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, temporary.c_str(), &startup,
                      &process)) {
    DebugWin32Failure(L"CreateProcessW", GetLastError());
    DeleteFileW(copy.c_str());
    return false;
  }
  const UniqueHandle thread(process.hThread);
  const UniqueHandle handle(process.hProcess);
  DebugPrint(L"##### Install folder left to = %s\n", copy.c_str());
  return true;
}

int RemoveFolderAfter(const std::wstring& folder, unsigned long processId) {
  DebugTraceEntry(L"Uninstall::RemoveFolderAfter");
  {
    const UniqueHandle uninstaller(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (uninstaller) WaitForSingleObject(uninstaller.get(), kWaitForUninstallerMs);
  }
  int exitCode = 0;
  if (!LooksLikeInstallFolder(folder)) {
    DebugPrint(L"***** Not an install folder, kept: %s *****\n", folder.c_str());
    exitCode = 1;
  } else {
    RemoveFolderTree(folder);
  }
  const std::wstring self = ThisProgramPath();
  if (!self.empty()) MoveFileExW(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  return exitCode;
}

}  // namespace vorma::uninstall
