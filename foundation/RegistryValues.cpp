#include "foundation/RegistryValues.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

namespace vorma {
namespace {

// Asks for no more access than the call needs. The panel runs with the user's own rights, and a
// standard user may read the product's key below HKEY_LOCAL_MACHINE but is refused full access
// to it: asking for all of it would fail the reads too.
UniqueRegKey CreateOrOpenSoftwareKey(const std::wstring& subKey, REGSAM access, bool* created = nullptr) {
  UniqueRegKey key;
  DWORD disposition = 0;
  const std::wstring path = L"SOFTWARE\\" + subKey;
  const LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         access, nullptr, key.put(), &disposition);
  if (status != ERROR_SUCCESS) {
    DebugWin32Failure(L"RegCreateKeyEx", status);
    return {};
  }
  if (created) *created = disposition == REG_CREATED_NEW_KEY;
  return key;
}

// The callers never look at the result, but a write that did not happen must not claim success.
int WriteValue(const std::wstring& subKey, const std::wstring& valueName, DWORD type, const void* data, DWORD size) {
  UniqueRegKey key = CreateOrOpenSoftwareKey(subKey, KEY_SET_VALUE);
  if (!key) return 1;
  const LSTATUS status = RegSetValueExW(key.get(), valueName.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  if (status != ERROR_SUCCESS) {
    DebugWin32Failure(L"RegSetValueEx", status);
    return 1;
  }
  return kRegistryDone;
}

}  // namespace

int SetRegistryDword(const std::wstring& subKey, const std::wstring& valueName, unsigned long value) {
  const DWORD data = value;
  return WriteValue(subKey, valueName, REG_DWORD, &data, sizeof data);
}

int GetRegistryDword(const std::wstring& subKey, const std::wstring& valueName, unsigned long& value) {
  bool created = false;
  UniqueRegKey key = CreateOrOpenSoftwareKey(subKey, KEY_QUERY_VALUE, &created);
  if (!key) return kRegistryReadFailed;
  if (created) return kRegistryKeyCreated;
  DWORD data = 0, type = 0, size = sizeof data;
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof data)
    return kRegistryReadFailed;  // a value of another type is no DWORD, even when it has four bytes
  value = data;
  return kRegistryDone;
}

int SetRegistryString(const std::wstring& subKey, const std::wstring& valueName, const std::wstring& text) {
  return WriteValue(subKey, valueName, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace vorma
