#include "outside/uninstaller/UninstallTargets.h"

#include "foundation/AudioConfig.h"
#include "outside/uninstaller/FileRemoval.h"
#include "setup/DriverAndService.h"
#include "setup/Registration.h"
#include "setup/SetupSettings.h"

#include <windows.h>
#include <shlobj.h>

namespace vorma::uninstall {
namespace {

std::wstring WithoutTrailingBackslash(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

void AddShortcuts(const SetupAudioConfigInfo& config, UninstallTargets& targets) {
  const std::wstring programs = setup::SpecialFolder(CSIDL_COMMON_PROGRAMS);
  const std::wstring desktop = setup::SpecialFolder(CSIDL_DESKTOPDIRECTORY);
  const std::wstring& folder = config.ShortcutFolderName;
  const std::wstring& up = config.ShortcutFolderNameUp;
  // The panel and the uninstaller lie below the up-folder; the manual never does.
  const std::wstring menuFolder = programs + L"\\" + (up.empty() ? L"" : up + L"\\") + folder;
  const std::wstring manualFolder = programs + L"\\" + folder;
  if (!programs.empty() && !folder.empty()) {
    if (!config.AppShortcutName.empty()) targets.shortcuts.push_back(menuFolder + L"\\" + config.AppShortcutName + L".lnk");
    if (!config.UninstallShortcutName.empty())
      targets.shortcuts.push_back(menuFolder + L"\\" + config.UninstallShortcutName + L".lnk");
    if (!config.UserManualShortcutName.empty())
      targets.shortcuts.push_back(manualFolder + L"\\" + config.UserManualShortcutName + L".lnk");
    targets.shortcutFolders.push_back(menuFolder);
    if (!up.empty()) {
      targets.shortcutFolders.push_back(manualFolder);
      targets.shortcutFolders.push_back(programs + L"\\" + up);
    }
  }
  if (!desktop.empty() && !config.AppShortcutName.empty())
    targets.shortcuts.push_back(desktop + L"\\" + config.AppShortcutName + L".lnk");
}

}  // namespace

UninstallTargets FindUninstallTargets(const std::wstring& uninstallerPath) {
  UninstallTargets targets;
  SetupAudioConfigInfo config;
  ReadAudioConfig(kAudioConfigFileName, uninstallerPath, config);
  targets.installFolder = WithoutTrailingBackslash(config.SourceFolderFullPath);
  targets.haveConfig = FileExists(config.SourceFolderFullPath + kAudioConfigFileName);
  targets.productTitle = config.UninstallDisplayName.empty() ? config.InstallAppTitle : config.UninstallDisplayName;
  targets.uninstallTitle = config.UninstallAppTitle.empty() ? L"Uninstall" : config.UninstallAppTitle;
  targets.serviceProgram = config.SystemDirectoryPath + L"Halvorn.exe";
  targets.driverFile = config.SystemDirectoryPath + L"drivers\\" + setup::kFilterDriverName + L".sys";
  if (!targets.haveConfig) return targets;
  targets.runValueName = config.APPFileName;
  AddShortcuts(config, targets);
  if (!config.InstallFolderName.empty())
    targets.perUserFolder = WithoutTrailingBackslash(setup::PerUserFolder(config.InstallFolderName));
  return targets;
}

std::vector<std::wstring> LaunchValueNames() {
  const wchar_t* const prefixes[] = {L"UserPrivilegeExecution_", L"AdminPrivilegeExecution_",
                                     L"SystemPrivilegeExecution_", L"SystemPrivilegeExecutionOnBoot_",
                                     L"AdminPrivilegeExecutionOnBoot_"};
  std::vector<std::wstring> names;
  for (const wchar_t group : {L'C', L'B', L'D'})
    for (size_t i = 0; i < std::size(prefixes); ++i) names.push_back(prefixes[i] + std::wstring(1, group) + std::to_wstring(i));
  return names;
}

std::vector<std::wstring> FeatureDefaultNames() {
  return {L"EncEnable", L"RuvavIzezoEnable", L"RuvavIzezoLevel", L"Virtual7ch1Scalar", L"EncScalar", L"EncGpio"};
}

}  // namespace vorma::uninstall
