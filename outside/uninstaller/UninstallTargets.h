#pragma once
// Everything the uninstaller removes, named from the install folder's AudioConfig.cfg the way setup
// named it when it wrote them.

#include <string>
#include <vector>

namespace vorma::uninstall {

struct UninstallTargets {
  std::wstring installFolder;   // the uninstaller's own folder, without the trailing backslash
  bool haveConfig = false;      // false: only what has a fixed name is known
  std::wstring productTitle;    // for the confirmation
  std::wstring uninstallTitle;  // caption of the uninstaller's message boxes
  std::wstring serviceProgram;  // native system folder\Halvorn.exe
  std::wstring driverFile;      // native system folder\drivers\Xafilt.sys
  std::wstring runValueName;    // APPFileName
  std::vector<std::wstring> shortcuts;         // .lnk files
  std::vector<std::wstring> shortcutFolders;   // removed when empty, innermost first
  std::wstring perUserFolder;   // %APPDATA%\InstallFolderName, kept
};

// The names and paths for an uninstaller at `uninstallerPath`.
UninstallTargets FindUninstallTargets(const std::wstring& uninstallerPath);

// The fifteen command lines setup stores for the service: groups C, B and D, five values each.
std::vector<std::wstring> LaunchValueNames();

// The factory values setup copies below "KVX 72xx Software" (besides the EncValueMap key).
std::vector<std::wstring> FeatureDefaultNames();

}  // namespace vorma::uninstall
