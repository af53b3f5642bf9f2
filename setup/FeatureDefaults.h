#pragma once
// The factory values of ENC, voice effect and 7.1 scalar that setup copies from its
// AudioConfig.cfg into HKEY_LOCAL_MACHINE\SOFTWARE\KVX 72xx Software on every run, and the
// device-ID lists it stores as registry groups.

#include <string>

namespace vorma::setup {

inline constexpr wchar_t kSoftwareKey[] = L"KVX 72xx Software";

// Reads [EncValueMap] 1..19 and [DefaultSet] of the configuration file and writes the DWORDs.
void WriteFeatureDefaults(const std::wstring& configPath);

enum DeviceIdGroupResult : int { kDeviceIdGroupStored = 0, kDeviceIdGroupLoadFailed = 1, kDeviceIdGroupStoreFailed = 2 };

// Loads the device-ID list of the section from the configuration file and stores it as the group.
int WriteDeviceIdGroup(const std::wstring& configPath, const std::wstring& section, const std::wstring& group);

}  // namespace vorma::setup
