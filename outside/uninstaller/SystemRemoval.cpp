#include "outside/uninstaller/SystemRemoval.h"

#include "foundation/DebugOutput.h"
#include "foundation/DeviceIdManager.h"
#include "foundation/UniqueHandles.h"
#include "foundation/Wow64.h"
#include "outside/companions/CompanionMessages.h"
#include "outside/uninstaller/FileRemoval.h"
#include "panel/startup/ServiceControl.h"
#include "setup/DriverAndService.h"
#include "setup/FeatureDefaults.h"
#include "setup/Registration.h"
#include "setup/SetupSettings.h"

#include <windows.h>

namespace vorma::uninstall {
namespace {

constexpr wchar_t kPanelExitMessage[] = L"WM_KVX72xxAPP_EXIT";
constexpr DWORD kBroadcastTimeoutMs = 1000;
constexpr DWORD kServiceGoneWaitMs = 10000;

void Broadcast(const wchar_t* messageName) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(messageName), 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                      kBroadcastTimeoutMs, &answer);
}

// Under WOW64 the service and the driver lie in the native system folder, which a 32-bit program
// reaches only with redirection off.
class NativeSystemFolderAccess {
public:
  NativeSystemFolderAccess() : active_(IsWow64Process()) {
    if (active_) DisableFsRedirection(&previous_);
  }
  ~NativeSystemFolderAccess() {
    if (active_) RevertFsRedirection(previous_);
  }
  NativeSystemFolderAccess(const NativeSystemFolderAccess&) = delete;
  NativeSystemFolderAccess& operator=(const NativeSystemFolderAccess&) = delete;

private:
  bool active_;
  void* previous_ = nullptr;
};

void DeleteTheService() {
  const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager) {
    DebugWin32Failure(L"OpenSCManagerW", GetLastError());
    return;
  }
  {
    const UniqueServiceHandle service(OpenServiceW(manager.get(), kBackgroundServiceName, SERVICE_ALL_ACCESS));
    if (!service) return;  // not installed
    if (!DeleteService(service.get())) {
      DebugWin32Failure(L"DeleteService", GetLastError());
      return;
    }
  }
  // The manager drops the entry once the last handle to it is closed; wait so that the program file
  // is no longer the service's when it is removed.
  const ULONGLONG deadline = GetTickCount64() + kServiceGoneWaitMs;
  while (UniqueServiceHandle(OpenServiceW(manager.get(), kBackgroundServiceName, SERVICE_QUERY_STATUS))) {
    if (GetTickCount64() >= deadline) break;
    Sleep(100);
  }
  DebugPrint(L"##### Removed service = %s\n", kBackgroundServiceName);
}

// Deletes a key with everything below it (HKEY_LOCAL_MACHINE\<path>).
void DeleteKeyTree(const std::wstring& path) {
  if (RegDeleteTreeW(HKEY_LOCAL_MACHINE, path.c_str()) != ERROR_SUCCESS) return;  // not there
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str());
  DebugPrint(L"##### Removed key = HKLM\\%s\n", path.c_str());
}

void DeleteValue(const std::wstring& keyPath, const std::wstring& valueName) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return;
  const UniqueRegKey key(opened);
  if (RegDeleteValueW(key.get(), valueName.c_str()) == ERROR_SUCCESS)
    DebugPrint(L"##### Removed value = HKLM\\%s\\%s\n", keyPath.c_str(), valueName.c_str());
}

// The panel and other programs may keep values of their own there; the key goes only when empty.
void DeleteKeyIfEmpty(const std::wstring& path) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return;
  DWORD subKeys = 0;
  DWORD values = 0;
  LSTATUS status = ERROR_SUCCESS;
  {
    const UniqueRegKey key(opened);
    status = RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                              nullptr, nullptr, nullptr);
  }
  if (status != ERROR_SUCCESS || subKeys != 0 || values != 0) return;
  if (RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str()) == ERROR_SUCCESS)
    DebugPrint(L"##### Removed key = HKLM\\%s\n", path.c_str());
}

}  // namespace

void AskRunningProgramsToEnd() {
  DebugWrite(L"===== Uninstall: asking the panel and the companion programs to end =====\n");
  Broadcast(kPanelExitMessage);
  Broadcast(companion::kEffectExitMessage);
}

void RemoveBackgroundService(const UninstallTargets& targets) {
  DebugTraceEntry(L"Uninstall::RemoveBackgroundService");
  ControlTheService(kBackgroundServiceName, kServiceControlStop, ServiceAccess::Setup);
  DeleteTheService();
  const NativeSystemFolderAccess nativeFolder;
  RemoveFile(targets.serviceProgram);
}

void RemoveFilterDriver(const UninstallTargets& targets) {
  DebugTraceEntry(L"Uninstall::RemoveFilterDriver");
  DeleteKeyTree(std::wstring(setup::kServicesKeyPrefix) + setup::kFilterDriverName);
  const NativeSystemFolderAccess nativeFolder;
  RemoveFile(targets.driverFile);
}

void RemoveRegistryEntries(const UninstallTargets& targets) {
  DebugTraceEntry(L"Uninstall::RemoveRegistryEntries");
  const std::wstring software = std::wstring(L"SOFTWARE\\") + setup::kSoftwareKey;
  for (const auto& name : LaunchValueNames()) DeleteValue(software, name);
  for (const auto& name : FeatureDefaultNames()) DeleteValue(software, name);
  DeleteKeyTree(software + L"\\EncValueMap");
  DeleteKeyIfEmpty(software);
  DeleteKeyTree(std::wstring(L"SOFTWARE\\") + kUsbDeviceIdGroup);
  DeleteKeyTree(std::wstring(L"SOFTWARE\\") + kHidDeviceIdGroup);
  if (!targets.runValueName.empty()) DeleteValue(setup::kRunKeyPath, targets.runValueName);
  DeleteKeyTree(setup::kUninstallKeyPath);
}

void RemoveShortcuts(const UninstallTargets& targets) {
  DebugTraceEntry(L"Uninstall::RemoveShortcuts");
  for (const auto& shortcut : targets.shortcuts) RemoveFile(shortcut);
  for (const auto& folder : targets.shortcutFolders) RemoveFolderIfEmpty(folder);
}

}  // namespace vorma::uninstall
