#include "tests/support/BuildTreePaths.h"

#include <windows.h>

namespace vorma::test {

std::wstring HostPathToWindows(const char* hostPath) {
  // Wine's own converter knows the prefix's drive mappings; it allocates from the process heap.
  using DosFileNameFn = wchar_t* (*)(const char*);
  const auto toDos = reinterpret_cast<DosFileNameFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (toDos) {
    if (wchar_t* dosPath = toDos(hostPath)) {
      std::wstring path(dosPath);
      HeapFree(GetProcessHeap(), 0, dosPath);
      return path;
    }
  }
  const std::string path(hostPath);
  return std::wstring(path.begin(), path.end());
}

}  // namespace vorma::test
