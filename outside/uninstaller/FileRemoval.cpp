#include "outside/uninstaller/FileRemoval.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>

namespace vorma::uninstall {
namespace {

// A program that was just told to end (the panel, the service) needs a moment to let go of its file.
constexpr int kInUseRetries = 25;
constexpr DWORD kInUseRetryMs = 200;

bool InUse(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED; }

Removal LeaveToRestart(const std::wstring& path) {
  if (!MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
    DebugWin32Failure(L"MoveFileExW(MOVEFILE_DELAY_UNTIL_REBOOT)", GetLastError());
    return Removal::NotThere;
  }
  DebugPrint(L"##### Removed at the next restart = %s\n", path.c_str());
  return Removal::AtRestart;
}

}  // namespace

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

Removal RemoveFile(const std::wstring& path) {
  if (!FileExists(path)) return Removal::NotThere;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  for (int attempt = 0;; ++attempt) {
    if (DeleteFileW(path.c_str())) {
      DebugPrint(L"##### Removed = %s\n", path.c_str());
      return Removal::Removed;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return Removal::NotThere;
    if (!InUse(error) || attempt == kInUseRetries) return LeaveToRestart(path);
    Sleep(kInUseRetryMs);
  }
}

Removal RemoveFolderTree(const std::wstring& folder) {
  if (!FileExists(folder)) return Removal::NotThere;
  bool allGone = true;
  WIN32_FIND_DATAW entry{};
  const UniqueFindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &entry));
  if (search) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      const Removal removal = isFolder ? RemoveFolderTree(path) : RemoveFile(path);
      allGone = allGone && removal != Removal::AtRestart;
    } while (FindNextFileW(search.get(), &entry));
  }
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (allGone && RemoveDirectoryW(folder.c_str())) {
    DebugPrint(L"##### Removed = %s\\\n", folder.c_str());
    return Removal::Removed;
  }
  return LeaveToRestart(folder);  // goes once what is left in it has gone
}

void RemoveFolderIfEmpty(const std::wstring& folder) {
  if (RemoveDirectoryW(folder.c_str())) DebugPrint(L"##### Removed = %s\\\n", folder.c_str());
}

}  // namespace vorma::uninstall
