#pragma once
// The Windows update package that 64-bit Windows 7 with a service pack needs for the driver's
// signature. Setup carries it, writes it on every run, and opens it only when the configuration
// asks for it and Windows does not list it as installed.

#include "setup/SystemFacts.h"

#include <windows.h>

#include <string>

namespace vorma::setup {

inline constexpr wchar_t kUpdatePackageFileName[] = L"Windows6.1-KB3033929-x64.msu";
inline constexpr wchar_t kApplicabilityKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\ApplicabilityEvaluationCache\\"
    L"Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.1";
inline constexpr wchar_t kPackagesKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages";
inline constexpr wchar_t kPackagePrefix[] = L"Package_for_KB3033929~";

// How the package is opened; the installation uses the shell, tests record the call.
class PackageRunner {
public:
  virtual ~PackageRunner() = default;
  // 0 started (and, with a negative wait, ended), 1 the shell could not open it.
  virtual int RunAndWait(const std::wstring& file, int waitMs) = 0;
};

// Opens the file with its default handler, hidden and without error dialogs. A negative wait
// waits for the started process; a positive one dispatches this thread's messages that long.
int RunAndWait(const std::wstring& file, int waitMs);

class ShellPackageRunner final : public PackageRunner {
public:
  int RunAndWait(const std::wstring& file, int waitMs) override { return setup::RunAndWait(file, waitMs); }
};

// GetSystemDirectory + "\" + the package's file name.
std::wstring UpdatePackagePath();

// Writes resource "WindowPatch" 110 to the package path: 0, or 0x10000701.
unsigned Copy_KB3033929(HMODULE module);

// 0 when nothing needs doing or the package ran, 1 when it could not be started.
int InstallUpdatePackage(const SystemFacts& facts, PackageRunner& runner);

// The install step: 0 (installed, present or not applicable) or 0x80000501.
unsigned Install_KB3033929(const SystemFacts& facts, PackageRunner& runner);

}  // namespace vorma::setup
