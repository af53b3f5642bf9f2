#include "setup/Registration.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace vorma::setup {
namespace {

// COM for the calling thread, released only when it was taken.
class ComApartment {
public:
  ComApartment() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

private:
  bool initialized_;
};

template <typename T>
class ComPtr {
public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  void** put() { return reinterpret_cast<void**>(&p_); }
  explicit operator bool() const { return p_ != nullptr; }

private:
  T* p_ = nullptr;
};

// Appends each folder part to the base, creating each folder after appending it (a failure is
// ignored), then "\" + name + ".lnk".
std::wstring LinkPath(std::wstring path, std::initializer_list<std::wstring> folders, const std::wstring& name) {
  for (const std::wstring& folder : folders) {
    if (folder.empty()) continue;
    path += L"\\" + folder;
    CreateDirectoryW(path.c_str(), nullptr);
  }
  return path + L"\\" + name + L".lnk";
}

void SaveShortcut(int csidl, std::initializer_list<std::wstring> folders, const std::wstring& name,
                  const std::wstring& target) {
  ComApartment com;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put()))) {
    DebugWrite(L"***** CoCreateInstance ShellLink FAIL! *****\n");
    return;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.put()))) return;
  if (FAILED(link->SetPath(target.c_str()))) return;
  const std::wstring path = LinkPath(SpecialFolder(csidl), folders, name);
  if (FAILED(file->Save(path.c_str(), TRUE))) DebugPrint(L"***** Save shortcut %s FAIL! *****\n", path.c_str());
}

LSTATUS SetString(HKEY key, const wchar_t* name, const std::wstring& data, bool withTerminator) {
  const DWORD size = static_cast<DWORD>((data.size() + (withTerminator ? 1 : 0)) * sizeof(wchar_t));
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), size);
}

}  // namespace

std::wstring SpecialFolder(int csidl) {
  // A shortcut made or removed without its folder would be lost or left behind: a failed lookup is
  // tried again a few times before it is given up, and then it is logged.
  constexpr int kAttempts = 5;
  constexpr DWORD kRetryMs = 100;
  HRESULT result = E_FAIL;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (attempt > 0) Sleep(kRetryMs);
    wchar_t path[MAX_PATH] = {};
    result = SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    if (SUCCEEDED(result) && path[0] != L'\0') return path;
  }
  DebugPrint(L"***** SHGetFolderPathW(%d) FAIL! result = 0x%08lx *****\n", csidl, static_cast<unsigned long>(result));
  return {};
}

void CreateStartMenuShortcut(const std::wstring& folder, const std::wstring& upFolder, const std::wstring& name,
                             const std::wstring& target) {
  SaveShortcut(CSIDL_COMMON_PROGRAMS, {upFolder, folder}, name, target);
}

void CreateFolderShortcut(const std::wstring& folder, const std::wstring& name, const std::wstring& target) {
  SaveShortcut(CSIDL_COMMON_PROGRAMS, {folder}, name, target);
}

void CreateDesktopShortcut(const std::wstring& name, const std::wstring& target) {
  SaveShortcut(CSIDL_DESKTOPDIRECTORY, {}, name, target);
}

int RegisterUninstall(const UninstallRecord& record) {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, record.keyPath.c_str(), 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS &&
      RegCreateKeyExW(HKEY_LOCAL_MACHINE, record.keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
    DebugWrite(L"***** Create uninstall key FAIL! *****\n");
    return 0;
  }
  // Sizes without the terminating zero, as the entry has always been written.
  SetString(key.get(), L"DisplayName", record.displayName, false);
  SetString(key.get(), L"UninstallString", record.uninstallString, false);
  SetString(key.get(), L"DisplayIcon", record.displayIcon, false);
  SetString(key.get(), L"DisplayVersion", record.displayVersion, false);
  SetString(key.get(), L"Publisher", record.publisher, false);
  return 0;
}

int RegisterAutostart(const std::wstring& valueName, const std::wstring& commandLine) {
  UniqueRegKey key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
    return kAutostartNoRunKey;
  }
  // A value that was not written is no autostart.
  const LSTATUS status = SetString(key.get(), valueName.c_str(), commandLine, true);
  if (status != ERROR_SUCCESS) {
    DebugWin32Failure(L"RegSetValueExW Run", status);
    return kAutostartWriteFailed;
  }
  return kAutostartWritten;
}

}  // namespace vorma::setup
