#include "outside/service/LaunchValues.h"

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <vector>

namespace vorma::service {
namespace {

bool ReadStringValue(const wchar_t* keyPath, REGSAM view, const wchar_t* valueName, std::wstring& text) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS)
    return false;
  const UniqueRegKey key(opened);
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key.get(), valueName, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  // One more character than the data holds: a value stored without its terminating zero still ends.
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  DWORD size = bytes;
  if (RegQueryValueExW(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  text.assign(buffer.data());
  return true;
}

}  // namespace

bool ReadLaunchValue(const wchar_t* valueName, std::wstring& text, const wchar_t* keyPath) {
  return ReadStringValue(keyPath, KEY_WOW64_32KEY, valueName, text) ||
         ReadStringValue(keyPath, KEY_WOW64_64KEY, valueName, text);
}

}  // namespace vorma::service
