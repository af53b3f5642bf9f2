#pragma once
// The Windows release the installer runs on, as a class number and a version code.

namespace vorma {

// Windows version classes, in release order.
enum WindowsClass : int {
  kWindowsClassUnknown = -1,
  kWindowsClassNt4 = 0,
  kWindows2000 = 1,
  kWindowsXp = 2,  // 5.1 and 5.2 (XP x64, Server 2003)
  kWindowsVista = 3,
  kWindows7 = 4,
  kWindows8 = 5,  // 8 and 8.1
  kWindows10 = 6,
};

enum WindowsVersionResult : int {
  kWindowsVersionDone = 0,
  kRtlGetVersionMissing = 1,
  kRtlGetVersionFailed = 2,
};

// The class and the version code (major << 8 | minor, -1 for an unknown release) of a version.
void ClassifyWindowsVersion(unsigned long major, unsigned long minor, int& windowsClass, int& versionCode);

// Asks ntdll's RtlGetVersion, which is not subject to the compatibility shims of GetVersionEx.
// Each output is optional and set only on success.
int GetWindowsVersionInfo(int* windowsClass, int* versionCode, int* servicePackMajor);

}  // namespace vorma
