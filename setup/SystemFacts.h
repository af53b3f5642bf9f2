#pragma once
// What setup needs to know about the Windows it runs on. Read once at start; the update package
// decision takes them as a value, so it can be checked for systems these machines are not.

namespace vorma::setup {

struct SystemFacts {
  bool wow64 = false;         // a 32-bit setup on 64-bit Windows
  int osClass = 2;            // the Windows version class (4 = Windows 7); 2 when it cannot be read
  int versionCode = 0;        // major << 8 | minor
  int servicePackMajor = 0;
};

// Asks IsWow64Process and RtlGetVersion; a failed version read writes
// "***** Get Windows Version FAIL! *****" and keeps class 2.
SystemFacts ReadSystemFacts();

}  // namespace vorma::setup
