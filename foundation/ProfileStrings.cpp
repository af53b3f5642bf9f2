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
  TryWriteProfileString(path, section, key, value);
  return 0;
}

bool TryWriteProfileString(const std::wstring& path, const wchar_t* section, const wchar_t* key,
                           const std::wstring& value) {
  return WritePrivateProfileStringW(section, key, value.c_str(), path.c_str()) != 0;
}

}  // namespace vorma
