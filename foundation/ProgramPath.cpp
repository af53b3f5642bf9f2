#include "foundation/ProgramPath.h"

#include <windows.h>

namespace vorma {

std::wstring ThisProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    // The name was cut to the buffer: try again with a larger one.
    path.resize(path.size() * 2);
  }
}

std::wstring ThisProgramFolder() {
  const std::wstring path = ThisProgramPath();
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace vorma
