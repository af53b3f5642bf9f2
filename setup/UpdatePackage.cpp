#include "setup/UpdatePackage.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"
#include "foundation/WindowsVersion.h"
#include "setup/SetupFiles.h"
#include "setup/SetupResourceIds.h"

#include <shellapi.h>

namespace vorma::setup {
namespace {

// The package is for 64-bit Windows 7 with a service pack only.
bool PackageApplies(const SystemFacts& facts) {
  if (!facts.wow64) {
    DebugWrite(L"##### The OS is 32-Bit #####\n");
    return false;
  }
  if (facts.osClass != kWindows7) {
    DebugWrite(L"##### The OS is not Win7 #####\n");
    return false;
  }
  if (facts.servicePackMajor == 0) {
    DebugWrite(L"##### The OS is Win7, but not install the service pack! #####\n");
    return false;
  }
  return true;
}

bool KeyExists64(const wchar_t* path) {
  UniqueRegKey key;
  return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | KEY_WOW64_64KEY, key.put()) == ERROR_SUCCESS;
}

bool PackageListed() {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPackagesKey, 0, KEY_READ | KEY_WOW64_64KEY, key.put()) != ERROR_SUCCESS) {
    return false;
  }
  const size_t prefixLength = wcslen(kPackagePrefix);
  for (DWORD index = 0;; ++index) {
    wchar_t name[260] = {};
    DWORD length = 260;
    const LSTATUS status = RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return false;
    if (status != ERROR_SUCCESS) continue;
    if (wcsncmp(name, kPackagePrefix, prefixLength) == 0) return true;
  }
}

}  // namespace

int RunAndWait(const std::wstring& file, int waitMs) {
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  execute.lpFile = file.c_str();
  execute.nShow = SW_HIDE;
  if (!ShellExecuteExW(&execute)) {
    DebugWin32Failure(L"ShellExecuteExW", GetLastError());
    return 1;
  }
  UniqueHandle process(execute.hProcess);
  if (waitMs < 0) {
    if (process) WaitForSingleObject(process.get(), INFINITE);
  } else if (waitMs > 0) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitMs);
    while (GetTickCount64() < deadline) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - GetTickCount64()), QS_ALLINPUT);
    }
  }
  return 0;
}

std::wstring UpdatePackagePath() {
  wchar_t folder[MAX_PATH] = {};
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + kUpdatePackageFileName;
}

unsigned Copy_KB3033929(HMODULE module) {
  DebugTraceEntry(L"TMainForm::Copy_KB3033929");
  const std::wstring path = UpdatePackagePath();
  if (ExtractResourceToFile(module, kUpdatePackageResourceType, kUpdatePackageId, path) != kExtractDone) {
    return 0x10000701;
  }
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  return 0;
}

int InstallUpdatePackage(const SystemFacts& facts, PackageRunner& runner) {
  DebugTraceEntry(L"CInstallMgr::InstallUpdatePackage");
  if (!PackageApplies(facts)) return 0;
  if (KeyExists64(kApplicabilityKey)) return 0;
  if (PackageListed()) return 0;
  DebugWrite(L"***** Service pack KDB3033929 not EXIST! *****\n");
  if (runner.RunAndWait(UpdatePackagePath(), -1) != 0) {
    DebugWrite(L"***** InstallKB3033929 *****\n");
    return 1;
  }
  return 0;
}

unsigned Install_KB3033929(const SystemFacts& facts, PackageRunner& runner) {
  DebugTraceEntry(L"TMainForm::Install_KB3033929");
  if (!PackageApplies(facts)) return 0;
  DebugWrite(L"***** Service pack KDB3033929 not EXIST! *****\n");
  return InstallUpdatePackage(facts, runner) != 0 ? 0x80000501 : 0;
}

}  // namespace vorma::setup
