#include "foundation/ProfileStrings.h"

#include <windows.h>

namespace vorma {

int ReadProfileString(const std::wstring& path, const wchar_t* section, const wchar_t* key, std::wstring& value) {
  wchar_t buffer[kProfileValueCapacity] = {};
  const std::wstring limitedPath = LimitedProfilePath(path);
  const DWORD length = GetPrivateProfileStringW(section, key, L"", buffer, kProfileValueCapacity, limitedPath.c_str());
  value.assign(buffer, length);
  return 0;
}

int WriteProfileString(const std::wstring& path, const wchar_t* section, const wchar_t* key, const std::wstring& value) {
  WritePrivateProfileStringW(section, key, value.c_str(), path.c_str());
  return 0;
}

}  // namespace vorma
