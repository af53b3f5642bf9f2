#include "foundation/WindowsVersion.h"

#include <windows.h>

namespace vorma {

void ClassifyWindowsVersion(unsigned long major, unsigned long minor, int& windowsClass, int& versionCode) {
  windowsClass = kWindowsClassUnknown;
  if (major == 4) windowsClass = kWindowsClassNt4;
  else if (major == 5 && minor == 0) windowsClass = kWindows2000;
  else if (major == 5 && (minor == 1 || minor == 2)) windowsClass = kWindowsXp;
  else if (major == 6 && minor == 0) windowsClass = kWindowsVista;
  else if (major == 6 && minor == 1) windowsClass = kWindows7;
  else if (major == 6 && (minor == 2 || minor == 3)) windowsClass = kWindows8;
  else if (major == 10) windowsClass = kWindows10;
  versionCode = windowsClass == kWindowsClassUnknown ? -1 : static_cast<int>(major << 8 | minor);
}

int GetWindowsVersionInfo(int* windowsClass, int* versionCode, int* servicePackMajor) {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  auto rtlGetVersion =
      ntdll ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
            : nullptr;
  if (!rtlGetVersion) return kRtlGetVersionMissing;
  OSVERSIONINFOEXW info{};
  static_assert(sizeof info == 284, "the extended version record");
  info.dwOSVersionInfoSize = sizeof info;
  if (rtlGetVersion(&info) != 0) return kRtlGetVersionFailed;
  int cls = 0, code = 0;
  ClassifyWindowsVersion(info.dwMajorVersion, info.dwMinorVersion, cls, code);
  if (windowsClass) *windowsClass = cls;
  if (versionCode) *versionCode = code;
  if (servicePackMajor) *servicePackMajor = info.wServicePackMajor;
  return kWindowsVersionDone;
}

}  // namespace vorma
