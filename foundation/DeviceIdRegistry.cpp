// The registry side of CDeviceIdMgr: HKEY_LOCAL_MACHINE\SOFTWARE\<group>, one REG_SZ value per
// entry, named "1", "2", ... without gaps.

#include "foundation/DeviceIdManager.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <cwchar>
#include <utility>

namespace vorma {
namespace {

// A value holds at most 1023 characters and its terminating zero.
constexpr DWORD kEntryValueCapacity = 1024;

// Creates or opens the group's key; `created` tells whether it had to be created.
LONG OpenGroupKey(const std::wstring& group, UniqueRegKey& key, bool& created) {
  const std::wstring path = L"SOFTWARE\\" + group;
  DWORD disposition = 0;
  const LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, key.put(), &disposition);
  if (status != ERROR_SUCCESS) DebugWin32Failure(L"RegCreateKeyEx", static_cast<unsigned long>(status));
  created = disposition == REG_CREATED_NEW_KEY;
  return status;
}

// Reads one string value; false when it is missing, not a string or longer than 1023 characters.
bool ReadEntryValue(HKEY key, const std::wstring& name, std::wstring& value) {
  wchar_t buffer[kEntryValueCapacity];
  DWORD type = 0;
  DWORD size = sizeof(buffer);
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return false;
  if (type != REG_SZ) return false;
  // The stored data need not end in a zero; a full buffer without one is a value that is too long.
  const size_t characters = size / sizeof(wchar_t);
  const size_t length = wcsnlen(buffer, characters);
  if (length == kEntryValueCapacity) return false;
  value.assign(buffer, length);
  return true;
}

}  // namespace

int CDeviceIdMgr::LoadFromRegistry(const std::wstring& group) {
  UniqueRegKey key;
  bool created = false;
  // The key stays behind when it had to be created: setup has not stored this group yet.
  if (OpenGroupKey(group, key, created) != ERROR_SUCCESS || created) return kDeviceIdRegistryFailed;
  Clear();
  for (unsigned number = 1;; ++number) {
    std::wstring value;
    if (!ReadEntryValue(key.get(), std::to_wstring(number), value)) break;
    m_rawEntries.push_back(std::move(value));
  }
  key.reset();
  return ParseRawEntries() == 0 ? kDeviceIdRegistryLoaded : kDeviceIdRegistryFailed;
}

int CDeviceIdMgr::SaveToRegistry(const std::wstring& group) const {
  UniqueRegKey key;
  bool created = false;
  if (OpenGroupKey(group, key, created) != ERROR_SUCCESS) return kDeviceIdRegistryCannotOpen;
  unsigned number = 0;
  for (const auto& [pattern, code] : m_entries) {
    const std::wstring name = std::to_wstring(++number);
    const std::wstring entry = pattern + L"," + code;
    const LONG status = RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.c_str()),
                                       static_cast<DWORD>((entry.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) {
      DebugWin32Failure(L"RegSetValueEx", static_cast<unsigned long>(status));
      return kDeviceIdRegistryCannotWrite;
    }
  }
  // Readers stop at the first missing number, so removing the values that continued an older, longer
  // list is enough to keep patterns dropped from the list from being accepted again.
  while (RegDeleteValueW(key.get(), std::to_wstring(++number).c_str()) == ERROR_SUCCESS) {
  }
  return kDeviceIdRegistrySaved;
}

}  // namespace vorma
