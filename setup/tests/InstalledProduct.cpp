#include "setup/tests/InstalledProduct.h"

#include "foundation/UniqueHandles.h"
#include "setup/Registration.h"
#include "setup/SetupSettings.h"
#include "setup/tests/SetupDelivery.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/TestServices.h"
#include "tests/support/TestWindows.h"

#include <shlobj.h>

namespace vorma::setup::test {

ShippedProduct ShippedProductPlaces() {
  ShippedProduct p;
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  p.installFolder = SpecialFolder(CSIDL_PROGRAM_FILES) + L"\\Vorma\\";
  p.panel = p.installFolder + L"Vormapanel.exe";
  p.uninstaller = p.installFolder + L"Vormasetup.exe";
  p.serviceProgram = std::wstring(system) + L"\\Halvorn.exe";
  p.driverFile = std::wstring(system) + L"\\drivers\\Xafilt.sys";
  const std::wstring programs = SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\";
  p.menuFolder = programs + L"Vorma\\Vorma Audio\\";
  p.manualFolder = programs + L"Vorma Audio\\";
  p.appShortcut = p.menuFolder + L"Vorma Audio Center.lnk";
  p.uninstallShortcut = p.menuFolder + L"Uninstall Vorma Audio Center.lnk";
  p.manualShortcut = p.manualFolder + L"Vorma User Manual.lnk";
  p.desktopShortcut = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Vorma Audio Center.lnk";
  p.perUserFolder = PerUserFolder(L"Vorma");
  return p;
}

DWORD ServiceState(const wchar_t* name) {
  const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  const UniqueServiceHandle service(manager ? OpenServiceW(manager.get(), name, SERVICE_QUERY_STATUS) : nullptr);
  SERVICE_STATUS status{};
  return service && QueryServiceStatus(service.get(), &status) ? status.dwCurrentState : 0;
}

std::wstring ServiceBinaryPath(const wchar_t* name) {
  const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  const UniqueServiceHandle service(manager ? OpenServiceW(manager.get(), name, SERVICE_QUERY_CONFIG) : nullptr);
  std::vector<BYTE> buffer(8192);
  DWORD needed = 0;
  if (!service || !QueryServiceConfigW(service.get(), reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data()),
                                       static_cast<DWORD>(buffer.size()), &needed))
    return L"<unregistered>";
  const auto* config = reinterpret_cast<const QUERY_SERVICE_CONFIGW*>(buffer.data());
  return config->lpBinaryPathName ? config->lpBinaryPathName : L"";
}

void RemoveShippedProduct(const ShippedProduct& product) {
  for (HWND window : vorma::test::PanelMainWindows()) PostMessageW(window, WM_CLOSE, 0, 0);
  vorma::test::PumpMessagesUntil([] { return vorma::test::PanelMainWindows().empty(); }, 30000);
  vorma::test::RemoveService(kServiceName);
  for (const std::wstring& file : {product.serviceProgram, product.driverFile, product.desktopShortcut})
    DeleteFileW(file.c_str());
  for (const wchar_t* key : {kDriverKeyPath, kSoftwareKeyPath, kUsbGroupKey, kHidGroupKey, kUninstallKeyPath})
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key), RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKeyPath, kRunValueName);
  const std::wstring programs = SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\";
  for (const std::wstring& folder : {programs + L"Vorma", product.manualFolder, product.installFolder,
                                     product.perUserFolder})
    RemoveTree(folder);
}

}  // namespace vorma::setup::test
