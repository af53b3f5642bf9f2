#pragma once
// The list of hardware-ID patterns that identify our devices. Each entry is "pattern,code": the code
// is the pattern encrypted with the vendor's key (see DeviceIdCode.h), and an entry is accepted only
// when its code decrypts to its pattern. The list ships in AudioConfig.cfg; setup copies it to the
// registry, where the simple-mode dialog reads it back.

#include "foundation/IniDocument.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorma {

inline constexpr wchar_t kUsbDeviceIdSection[] = L"USB_VID_PID";
inline constexpr wchar_t kHidDeviceIdSection[] = L"HID_VID_PID";
inline constexpr wchar_t kUsbDeviceIdGroup[] = L"KVX USB DeviceId Group";
inline constexpr wchar_t kHidDeviceIdGroup[] = L"KVX HID DeviceId Group";

// Results of CDeviceIdMgr::LoadFromConfig.
enum DeviceIdConfigResult : int {
  kDeviceIdConfigLoaded = 0,
  kDeviceIdConfigCannotLoad = 1,
  kDeviceIdConfigNoSection = 2,
  kDeviceIdConfigNoKeys = 3,
  kDeviceIdConfigEmptySide = 4,
};

// Results of CDeviceIdMgr::LoadFromRegistry.
enum DeviceIdRegistryLoadResult : int {
  kDeviceIdRegistryLoaded = 0,
  kDeviceIdRegistryFailed = 1,  // the group did not exist, could not be opened, or an entry has an empty side
};

// Results of CDeviceIdMgr::SaveToRegistry.
enum DeviceIdRegistrySaveResult : int {
  kDeviceIdRegistrySaved = 0,
  kDeviceIdRegistryCannotOpen = 1,
  kDeviceIdRegistryCannotWrite = 2,
};

class CDeviceIdMgr {
public:
  CDeviceIdMgr() = default;
  CDeviceIdMgr(const CDeviceIdMgr&) = delete;
  CDeviceIdMgr& operator=(const CDeviceIdMgr&) = delete;

  // Loads every entry of the section of an INI file (keys are free names).
  int LoadFromConfig(const std::wstring& path, const std::wstring& section);
  // The same for a configuration file's content already in memory.
  int LoadFromConfigText(std::string_view bytes, const std::wstring& section);
  // Loads HKEY_LOCAL_MACHINE\SOFTWARE\<group>, values "1", "2", ... up to the first gap. A group that
  // did not exist is created empty and reported as a failure.
  int LoadFromRegistry(const std::wstring& group);
  // Writes the accepted entries as values "1", "2", ... in pattern order and removes the values that
  // continued an older, longer list.
  int SaveToRegistry(const std::wstring& group) const;

  // True when the hardware ID matches an accepted pattern ("X" in a pattern matches any character;
  // both sides are compared upper-cased).
  bool Matches(const std::wstring& hardwareId) const;
  void Clear();

  const std::vector<std::wstring>& RawEntries() const { return m_rawEntries; }
  const std::map<std::wstring, std::wstring>& Entries() const { return m_entries; }

private:
  // Fills the list from a section of the loaded document.
  int LoadSection(const std::wstring& section);
  // Accepts the raw entries whose code decrypts to their pattern; 1 when an entry has an empty side.
  int ParseRawEntries();

  CIniMgr m_iniDocument;
  std::vector<std::wstring> m_rawEntries;
  std::map<std::wstring, std::wstring> m_entries;  // pattern -> code; the first accepted entry wins
};

}  // namespace vorma
