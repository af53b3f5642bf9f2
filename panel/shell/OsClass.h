#pragma once
// The main window's class of the Windows release it runs on: font scaling and the choice between
// Core Audio and the older mixer API depend on it.

namespace vorma::shell {

struct OsVersion {
  unsigned long platform = 2;  // VER_PLATFORM_WIN32_NT
  unsigned long major = 0;
  unsigned long minor = 0;
};

// 1 Windows 98, 3 Windows ME, 2 Windows 2000, 4 Windows XP, 6 any NT release above 5, 0 otherwise.
int OsClassOf(const OsVersion& version);

// The release as the system reports it, without the compatibility shims of GetVersionEx.
OsVersion CurrentOsVersion();

}  // namespace vorma::shell
