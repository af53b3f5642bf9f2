#pragma once
// What the wizard knows before anything is installed: the settings record of the delivery
// folder's AudioConfig.cfg, the flags of its [Install] and [Plugin] sections, the system facts,
// and the paths and texts the install sequence and the uninstall entry are made from. Filled on
// the user-interface thread; the install thread gets its own copy.

#include "foundation/AudioConfig.h"
#include "setup/SystemFacts.h"

#include <string>

namespace vorma::setup {

// The longest full path of the setup program that setup accepts.
inline constexpr size_t kMaxSetupPathLength = 180;
inline bool SetupPathTooLong(const std::wstring& setupFullPath) { return setupFullPath.size() > kMaxSetupPathLength; }

inline constexpr wchar_t kUninstallKeyPath[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KVX72xxZurudOvo";

// The uninstall entry: its key below HKEY_LOCAL_MACHINE and its five texts.
struct UninstallRecord {
  std::wstring keyPath;
  std::wstring displayName;
  std::wstring uninstallString;  // the uninstaller path in double quotes
  std::wstring displayIcon;      // the plain uninstaller path
  std::wstring displayVersion;
  std::wstring publisher;
};

struct SetupSettings {
  SetupAudioConfigInfo config;
  std::wstring setupFullPath;
  std::wstring setupVersion;  // "%d.%d.%d.%d" of the setup program's file version
  SystemFacts facts;
  std::wstring perUserFolder;  // %APPDATA%\<InstallFolderName>\ (ends in a backslash)
  bool pluginFlag = false;
  bool desktopShortcut = false;
  bool updatePackage = false;
  bool showReboot = false;
  bool multiDisplay = false;
  std::wstring resolutionFolder;  // "1920x1080\", "1366x768\", "960x540\" or empty
  UninstallRecord uninstall;

  std::wstring ConfigPath() const { return config.SourceFolderFullPath + kAudioConfigFileName; }
  std::wstring PerUserConfigPath() const { return perUserFolder + kAudioConfigFileName; }
  std::wstring PanelPath() const { return config.InstallFolderFullPath + config.APPFileName + L".exe"; }
  std::wstring UninstallerPath() const { return config.InstallFolderFullPath + config.UninstallFileName + L".exe"; }
  // The companion programs below the plug-in folder; each lives in a folder of its own name.
  std::wstring CompanionPath(const std::wstring& fileName) const {
    return config.InstallFolderFullPath + config.PluginFolderName + L"\\" + fileName + L"\\" + fileName + L".exe";
  }
};

// Reads the settings record, the version, the system facts and the uninstall texts of a setup
// program at `setupFullPath`; the flags stay off until ReadInstallFlags.
SetupSettings ReadSetupSettings(const std::wstring& setupFullPath, const SystemFacts& facts);

// The [Plugin] and [Install] flags of the delivery folder's AudioConfig.cfg, and the resolution
// folder when MultiDisplaySetting is 1.
void ReadInstallFlags(SetupSettings& settings, int screenWidth, int screenHeight);

// "1920x1080\", "1366x768\", "960x540\" or empty by the number of screen pixels (strict thresholds,
// so a screen of exactly 1366 x 768 takes "960x540\").
std::wstring SetupResolutionFolder(int screenWidth, int screenHeight);

// %APPDATA% (at most 256 characters) + "\" + folder name + "\".
std::wstring PerUserFolder(const std::wstring& installFolderName);

}  // namespace vorma::setup
