// The uninstaller setup writes into the install folder (as UninstallFileName + ".exe") and names in
// the uninstall entry.
//   UNINSTALLER [/S]                               remove the product; /S asks nothing
//   UNINSTALLER /RemoveFolder "<folder>" /After <pid>   (the temporary copy's own run)

#include "outside/uninstaller/SelfRemoval.h"
#include "outside/uninstaller/Uninstaller.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <cwctype>
#include <string>

namespace {

bool IsSilentSwitch(const wchar_t* argument) {
  return _wcsicmp(argument, L"/S") == 0 || _wcsicmp(argument, L"-S") == 0 || _wcsicmp(argument, L"/silent") == 0;
}

// Digits only: a process id.
bool ParseProcessId(const wchar_t* text, unsigned long& id) {
  if (!*text) return false;
  for (const wchar_t* c = text; *c; ++c)
    if (!std::iswdigit(*c)) return false;
  id = std::wcstoul(text, nullptr, 10);
  return true;
}

struct Arguments {
  wchar_t** list = nullptr;
  int count = 0;
  Arguments() { list = CommandLineToArgvW(GetCommandLineW(), &count); }
  ~Arguments() { LocalFree(list); }
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  const Arguments arguments;
  bool silent = false;
  for (int i = 1; arguments.list && i < arguments.count; ++i) {
    const wchar_t* argument = arguments.list[i];
    unsigned long processId = 0;
    if (_wcsicmp(argument, vorma::uninstall::kRemoveFolderSwitch) == 0 && i + 3 < arguments.count &&
        _wcsicmp(arguments.list[i + 2], vorma::uninstall::kAfterSwitch) == 0 &&
        ParseProcessId(arguments.list[i + 3], processId))
      return vorma::uninstall::RemoveFolderAfter(arguments.list[i + 1], processId);
    if (IsSilentSwitch(argument)) silent = true;
  }
  return vorma::uninstall::RunUninstall(silent);
}
