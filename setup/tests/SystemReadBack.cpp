#include "setup/tests/SystemReadBack.h"

#include "foundation/UniqueHandles.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace vorma::setup::test {

std::wstring RegistryString(HKEY root, const std::wstring& path, const wchar_t* name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, data, &size) !=
      ERROR_SUCCESS) {
    return L"<missing>";
  }
  return data;
}

DWORD RegistryDword(const std::wstring& path, const wchar_t* name) {
  DWORD data = 0xdeadbeef, size = sizeof data;
  RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &data, &size);
  return data;
}

bool KeyExists(const std::wstring& path) {
  UniqueRegKey key;
  return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

bool ValueExists(const std::wstring& keyPath, const wchar_t* name) {
  return RegGetValueW(HKEY_LOCAL_MACHINE, keyPath.c_str(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring ShortcutTarget(const std::wstring& lnk) {
  std::wstring target = L"<unreadable>";
  const bool com = SUCCEEDED(CoInitialize(nullptr));
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t path[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(lnk.c_str(), STGM_READ)) && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        target = path;
      }
      file->Release();
    }
    link->Release();
  }
  if (com) CoUninitialize();
  return target;
}

}  // namespace vorma::setup::test
