#include "foundation/AudioConfigRecord.h"

#include "foundation/DebugOutput.h"

namespace vorma {

std::wstring ProgramFolder(const std::wstring& programFullPath) {
  const size_t lastBackslash = programFullPath.find_last_of(L'\\');
  return programFullPath.substr(0, lastBackslash == std::wstring::npos ? 0 : lastBackslash + 1);
}

void FillAudioConfigRecord(const std::wstring& programFullPath, const ConfigValueReader& read, AudioConfigInfo& r,
                           std::wstring* shortcutFolderNameUp, std::wstring* soundEffectAppFileName) {
  r.SourceFolderFullPath = ProgramFolder(programFullPath);
  r.SourceAppFileName = programFullPath.substr(r.SourceFolderFullPath.size());
  DebugPrint(L"##### SourceAppFileName = %s\n", r.SourceAppFileName.c_str());
  DebugPrint(L"##### SourceFolderFullPath = %s\n", r.SourceFolderFullPath.c_str());
  r.AppFolder = r.SourceFolderFullPath;

  read(L"Language", L"LanguageFolderName", r.LanguageFolderName);
  read(L"Skin", L"SkinFolderName", r.SkinFolderName);
  read(L"Install", L"InstallAppTitle", r.InstallAppTitle);
  read(L"Install", L"InstallIconFileName", r.InstallIconFileName);
  read(L"Install", L"InstallFolderName", r.InstallFolderName);
  read(L"Install", L"ShortcutFolderName", r.ShortcutFolderName);
  if (shortcutFolderNameUp) read(L"Install", L"ShortcutFolderNameUp", *shortcutFolderNameUp);
  read(L"Install", L"AppShortcutName", r.AppShortcutName);
  read(L"Uninstall", L"UninstallAppTitle", r.UninstallAppTitle);
  read(L"Uninstall", L"UninstallIconFileName", r.UninstallIconFileName);
  read(L"Uninstall", L"UninstallShortcutName", r.UninstallShortcutName);
  read(L"Uninstall", L"Publisher", r.Publisher);
  read(L"Uninstall", L"UninstallDisplayName", r.UninstallDisplayName);
  read(L"Application", L"DeviceActiveIconFileName", r.DeviceActiveIconFileName);
  read(L"Application", L"DeviceUnactiveIconFileName", r.DeviceUnactiveIconFileName);
  read(L"Application", L"TrayIconRestorOn", r.TrayIconRestorOn);
  read(L"Install", L"APPFileName", r.APPFileName);
  read(L"Install", L"UserManualShortcutName", r.UserManualShortcutName);
  read(L"Uninstall", L"UninstallFileName", r.UninstallFileName);
  read(L"DebugLevel", L"Application", r.DebugLevelApplication);
  read(L"DebugLevel", L"Service", r.DebugLevelService);
  read(L"Install", L"EffectAPPFileName", r.EffectAPPFileName);
  read(L"Install", L"EffectAppShortcutName", r.EffectAppShortcutName);
  read(L"Plugin", L"PluginFolderName", r.PluginFolderName);
  if (soundEffectAppFileName) read(L"Install", L"SoundEffectAPPFileName", *soundEffectAppFileName);

  if (r.DebugLevelApplication.empty()) r.DebugLevelApplication = L"0";
  if (r.DebugLevelService.empty()) r.DebugLevelService = L"0";
}

}  // namespace vorma
