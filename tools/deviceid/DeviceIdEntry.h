#pragma once
// Makes the "pattern,code" entries of the device-ID sections of AudioConfig.cfg, refusing patterns
// that the panel could not read back.

#include <string>
#include <string_view>

namespace vorma {

enum DeviceIdEntryResult : int {
  kDeviceIdEntryMade = 0,
  kDeviceIdEntryEmptyPattern = 1,
  kDeviceIdEntryBadCharacter = 2,  // outside printable ASCII, or a comma (it ends the pattern)
  kDeviceIdEntryTooLong = 3,       // the entry would not fit a registry value of 1023 characters
  kDeviceIdEntryEncryptFailed = 4,
};

// Setup copies each entry into a registry value that is read back with at most 1023 characters.
inline constexpr size_t kDeviceIdEntryMaxLength = 1023;

// Trims spaces at both ends of the pattern (the reader does the same) and makes its entry.
// `entry` is left untouched on failure.
int MakeDeviceIdEntry(std::wstring_view pattern, std::string& entry);

// A short English reason for a failed result.
const char* DeviceIdEntryFailureText(int result);

}  // namespace vorma
