#pragma once
// The command lines setup stores for the service below HKEY_LOCAL_MACHINE\SOFTWARE\KVX 72xx Software.
// They are read again at every control, so a reinstall changes them without a service restart.

#include <string>

namespace vorma::service {

inline constexpr wchar_t kLaunchValuesKey[] = L"SOFTWARE\\KVX 72xx Software";

// The shipped setup is a 32-bit program and writes into the 32-bit view of the registry; a 64-bit
// service looks there first and then in its own view. False when neither holds a REG_SZ of the name.
bool ReadLaunchValue(const wchar_t* valueName, std::wstring& text, const wchar_t* keyPath = kLaunchValuesKey);

}  // namespace vorma::service
