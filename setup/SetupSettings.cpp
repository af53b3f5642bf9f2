#include "setup/SetupSettings.h"

#include "foundation/FileVersion.h"
#include "foundation/ProfileStrings.h"
#include "foundation/ValueItems.h"

#include <windows.h>

namespace vorma::setup {
namespace {

// An [Install] or [Plugin] number; an empty or missing value gives the default.
int ConfigInteger(const std::wstring& path, const wchar_t* section, const wchar_t* key, int whenEmpty) {
  std::wstring value;
  ReadProfileString(path, section, key, value);
  return value.empty() ? whenEmpty : LenientInteger(value);
}

}  // namespace

std::wstring SetupResolutionFolder(int screenWidth, int screenHeight) {
  const long long pixels = static_cast<long long>(screenWidth) * screenHeight;
  if (pixels > 2073600) return L"1920x1080\\";
  if (pixels > 1049088) return L"1366x768\\";
  if (pixels > 518400) return L"960x540\\";
  return L"";
}

std::wstring PerUserFolder(const std::wstring& installFolderName) {
  wchar_t appData[257] = {};
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData, 257);
  if (length == 0 || length > 256) appData[0] = L'\0';
  return std::wstring(appData) + L"\\" + installFolderName + L"\\";
}

SetupSettings ReadSetupSettings(const std::wstring& setupFullPath, const SystemFacts& facts) {
  SetupSettings settings;
  settings.setupFullPath = setupFullPath;
  settings.facts = facts;
  GetFileVersionText(setupFullPath, settings.setupVersion);
  ReadAudioConfig(kAudioConfigFileName, setupFullPath, settings.config);
  settings.perUserFolder = PerUserFolder(settings.config.InstallFolderName);

  const SetupAudioConfigInfo& c = settings.config;
  UninstallRecord& u = settings.uninstall;
  u.keyPath = kUninstallKeyPath;
  ReadProfileString(settings.ConfigPath(), L"Install", L"UninstallDisplayName", u.displayName);
  if (u.displayName.empty()) u.displayName = c.UninstallDisplayName;
  u.displayIcon = settings.UninstallerPath();
  // Quoted: Windows runs this text as a command line, and an unquoted path with spaces can be
  // taken for a shorter program path ("C:\Program.exe").
  u.uninstallString = L"\"" + u.displayIcon + L"\"";
  u.displayVersion = settings.setupVersion;
  u.publisher = c.Publisher;
  ReadProfileString(settings.ConfigPath(), L"Install", L"Publisher", u.publisher);
  if (u.publisher.empty()) u.publisher = c.Publisher;
  return settings;
}

void ReadInstallFlags(SetupSettings& settings, int screenWidth, int screenHeight) {
  const std::wstring path = settings.ConfigPath();
  settings.pluginFlag = !settings.config.PluginFolderName.empty();
  settings.desktopShortcut = ConfigInteger(path, L"Install", L"DesktopShortcutEnable", 0) == 1;
  settings.updatePackage = ConfigInteger(path, L"Install", L"InstallWindowsKB", 1) == 1;
  settings.showReboot = ConfigInteger(path, L"Install", L"ShowRebootScreen", 0) == 1;
  settings.multiDisplay = ConfigInteger(path, L"Install", L"MultiDisplaySetting", 0) == 1;
  settings.resolutionFolder = settings.multiDisplay ? SetupResolutionFolder(screenWidth, screenHeight) : L"";
}

}  // namespace vorma::setup
