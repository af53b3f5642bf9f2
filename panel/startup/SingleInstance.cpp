#include "panel/startup/SingleInstance.h"

#include "foundation/AudioConfig.h"
#include "foundation/DebugOutput.h"

#include <windows.h>

namespace vorma {
namespace {

struct WindowSearch {
  const std::wstring* title;
  DWORD ownProcessId;
  HWND found;
};

bool HasClassAndCaption(HWND window, const wchar_t* className, const std::wstring& caption) {
  wchar_t name[64];
  if (!GetClassNameW(window, name, static_cast<int>(std::size(name))) || lstrcmpW(name, className) != 0) return false;
  const int length = GetWindowTextLengthW(window);
  if (length != static_cast<int>(caption.size())) return false;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text == caption;
}

BOOL CALLBACK MatchApplicationWindow(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  // This process's own windows never count, so a second instance cannot find itself.
  if (processId == search.ownProcessId) return TRUE;
  if (!HasClassAndCaption(window, kApplicationWindowClass, *search.title)) return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

SingleInstanceClaim ClaimSingleInstance() {
  SingleInstanceClaim claim;
  if (UniqueHandle existing(OpenMutexW(SYNCHRONIZE, FALSE, kSingleInstanceMutexName)); existing) {
    claim.anotherInstanceRuns = true;
    return claim;
  }
  claim.mutex.reset(CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName));
  const DWORD error = GetLastError();
  if (!claim.mutex) {
    DebugWin32Failure(L"CreateMutexW", error);
  } else if (error == ERROR_ALREADY_EXISTS) {
    // Another instance created it between our open and create: it is the running one.
    claim.mutex.reset();
    claim.anotherInstanceRuns = true;
  }
  return claim;
}

std::wstring ReadApplicationTitle(const std::wstring& programFullPath) {
  AudioConfigInfo config;
  ReadAudioConfig(kAudioConfigFileName, programFullPath, config);
  return config.InstallAppTitle;
}

bool ActivateRunningInstance(const std::wstring& applicationTitle) {
  // An empty title identifies no panel; matching it could raise some other program's window.
  if (applicationTitle.empty()) return false;
  WindowSearch search{&applicationTitle, GetCurrentProcessId(), nullptr};
  EnumWindows(MatchApplicationWindow, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  if (IsIconic(search.found)) {
    ShowWindow(search.found, SW_RESTORE);
  } else {
    BringWindowToTop(search.found);
    SetForegroundWindow(search.found);
  }
  return true;
}

}  // namespace vorma
