#pragma once
// Values below HKEY_LOCAL_MACHINE\SOFTWARE\<sub-key>. Keys are created when missing.

#include <string>

namespace vorma {

enum RegistryResult : int {
  kRegistryDone = 0,
  kRegistryKeyCreated = 1,  // GetRegistryDword: the key did not exist (it is left behind, empty)
  kRegistryReadFailed = 2,  // GetRegistryDword: the value is missing or not a 4-byte REG_DWORD
};

// Writes a REG_DWORD. Returns 0, or 1 when the key cannot be opened or the value not written.
int SetRegistryDword(const std::wstring& subKey, const std::wstring& valueName, unsigned long value);

// Reads a REG_DWORD; `value` is set only with result 0.
int GetRegistryDword(const std::wstring& subKey, const std::wstring& valueName, unsigned long& value);

// Writes a REG_SZ with its terminating zero. Returns 0, or 1 when the key cannot be opened or the
// value not written.
int SetRegistryString(const std::wstring& subKey, const std::wstring& valueName, const std::wstring& text);

}  // namespace vorma
