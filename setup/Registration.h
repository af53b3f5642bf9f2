#pragma once
// What makes the installed product visible to the user: shortcuts made through the shell-link
// object, the entry in the Windows list of installed programs, and the logon autostart.

#include "setup/SetupSettings.h"

#include <string>

namespace vorma::setup {

inline constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// Common Start-menu programs\[upFolder\]folder\name.lnk pointing at target.
void CreateStartMenuShortcut(const std::wstring& folder, const std::wstring& upFolder, const std::wstring& name,
                             const std::wstring& target);
// Common Start-menu programs\folder\name.lnk (never below the up-folder).
void CreateFolderShortcut(const std::wstring& folder, const std::wstring& name, const std::wstring& target);
// The logged-on user's desktop\name.lnk.
void CreateDesktopShortcut(const std::wstring& name, const std::wstring& target);

// The folder of a special-folder id (CSIDL_*) without creating it; empty when unknown.
std::wstring SpecialFolder(int csidl);

// Writes the five values of the uninstall entry; 0 also when the key cannot be made (nothing is
// written then).
int RegisterUninstall(const UninstallRecord& record);

enum AutostartResult : int { kAutostartWritten = 0, kAutostartNoRunKey = 1, kAutostartWriteFailed = 2 };
// Writes the Run value (REG_SZ with its terminating zero).
int RegisterAutostart(const std::wstring& valueName, const std::wstring& commandLine);

// The autostart command line: the panel path in quotes and " -boot".
inline std::wstring AutostartCommandLine(const std::wstring& panelPath) { return L"\"" + panelPath + L"\" -boot"; }

}  // namespace vorma::setup
