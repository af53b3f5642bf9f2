#include "setup/SystemFacts.h"

#include "foundation/DebugOutput.h"
#include "foundation/WindowsVersion.h"
#include "foundation/Wow64.h"

namespace vorma::setup {

SystemFacts ReadSystemFacts() {
  SystemFacts facts;
  facts.wow64 = IsWow64Process();
  if (GetWindowsVersionInfo(&facts.osClass, &facts.versionCode, &facts.servicePackMajor) != kWindowsVersionDone) {
    DebugWrite(L"***** Get Windows Version FAIL! *****\n");
  }
  return facts;
}

}  // namespace vorma::setup
