#pragma once
// Where an installation of the shipped delivery (its AudioConfig.cfg's names) puts things on this
// machine, and a removal by those fixed names that leaves no trace of an installation, whatever
// state an interrupted test left it in.

#include "setup/tests/SystemReadBack.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vorma::setup::test {

struct ShippedProduct {
  std::wstring installFolder;  // ends in a backslash
  std::wstring panel;
  std::wstring uninstaller;
  std::wstring serviceProgram;
  std::wstring driverFile;
  std::wstring menuFolder;    // the panel's and the uninstaller's shortcuts (below the up-folder)
  std::wstring manualFolder;  // the manual's shortcut (never below the up-folder)
  std::wstring appShortcut;
  std::wstring uninstallShortcut;
  std::wstring manualShortcut;
  std::wstring desktopShortcut;
  std::wstring perUserFolder;  // ends in a backslash

  std::wstring Companion(const std::wstring& name) const {
    return installFolder + L"Plugin\\" + name + L"\\" + name + L".exe";
  }
  std::vector<std::wstring> Shortcuts() const { return {appShortcut, uninstallShortcut, manualShortcut, desktopShortcut}; }
};

inline constexpr wchar_t kServiceName[] = L"Halvorn";
inline constexpr wchar_t kRunValueName[] = L"Vormapanel";
inline constexpr wchar_t kUsbGroupKey[] = L"SOFTWARE\\KVX USB DeviceId Group";
inline constexpr wchar_t kHidGroupKey[] = L"SOFTWARE\\KVX HID DeviceId Group";
inline constexpr wchar_t kSoftwareKeyPath[] = L"SOFTWARE\\KVX 72xx Software";
inline constexpr wchar_t kDriverKeyPath[] = L"SYSTEM\\CurrentControlSet\\Services\\Xafilt";

ShippedProduct ShippedProductPlaces();

// The service's state (0 when it is not registered) and the program its registration names.
DWORD ServiceState(const wchar_t* name);
std::wstring ServiceBinaryPath(const wchar_t* name);

// Closes running panels, removes the service and every file, key, value and shortcut of the
// product, and the per-user folder.
void RemoveShippedProduct(const ShippedProduct& product);

}  // namespace vorma::setup::test
