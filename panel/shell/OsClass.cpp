#include "panel/shell/OsClass.h"

#include <windows.h>

namespace vorma::shell {

int OsClassOf(const OsVersion& version) {
  if (version.platform == VER_PLATFORM_WIN32_WINDOWS && version.major == 4) {
    if (version.minor == 10) return 1;
    if (version.minor == 90) return 3;
    return 0;
  }
  if (version.platform != VER_PLATFORM_WIN32_NT) return 0;
  if (version.major == 5 && version.minor == 0) return 2;
  if (version.major == 5 && version.minor == 1) return 4;
  if (version.major > 5) return 6;
  return 0;
}

OsVersion CurrentOsVersion() {
  OsVersion version;
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  auto getVersion = ntdll ? reinterpret_cast<RtlGetVersionFunction>(
                                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                          : nullptr;
  if (getVersion && getVersion(&info) == 0) {
    version.platform = info.dwPlatformId;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
  }
  return version;
}

}  // namespace vorma::shell
