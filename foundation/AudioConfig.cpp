#include "foundation/AudioConfig.h"

#include "foundation/DebugOutput.h"
#include "foundation/Wow64.h"

#include <windows.h>
#include <shlobj.h>

namespace vorma {
namespace {

std::wstring WithTrailingBackslash(std::wstring path) {
  if (path.empty() || path.back() != L'\\') path.push_back(L'\\');
  return path;
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// The native system directory; a 32-bit process under WOW64 must switch redirection off to see it.
std::wstring NativeSystemDirectory(bool wow64) {
  void* redirection = nullptr;
  if (wow64) DisableFsRedirection(&redirection);
  wchar_t path[MAX_PATH] = {};
  GetSystemDirectoryW(path, MAX_PATH);
  if (wow64) RevertFsRedirection(redirection);
  return path;
}

// The installer's two extra keys are read at their places in the sequence when given.
void ReadConfigRecord(const std::wstring& configFileName, const std::wstring& programFullPath, AudioConfigInfo& r,
                      std::wstring* shortcutFolderNameUp, std::wstring* soundEffectAppFileName) {
  const size_t lastBackslash = programFullPath.find_last_of(L'\\');
  const size_t nameStart = lastBackslash == std::wstring::npos ? 0 : lastBackslash + 1;
  r.SourceAppFileName = programFullPath.substr(nameStart);
  r.SourceFolderFullPath = programFullPath.substr(0, nameStart);
  DebugPrint(L"##### SourceAppFileName = %s\n", r.SourceAppFileName.c_str());
  DebugPrint(L"##### SourceFolderFullPath = %s\n", r.SourceFolderFullPath.c_str());
  r.AppFolder = r.SourceFolderFullPath;

  const std::wstring path = r.SourceFolderFullPath + configFileName;
  ReadProfileValue(path, L"Language", L"LanguageFolderName", r.LanguageFolderName);
  ReadProfileValue(path, L"Skin", L"SkinFolderName", r.SkinFolderName);
  ReadProfileValue(path, L"Install", L"InstallAppTitle", r.InstallAppTitle);
  ReadProfileValue(path, L"Install", L"InstallIconFileName", r.InstallIconFileName);
  ReadProfileValue(path, L"Install", L"InstallFolderName", r.InstallFolderName);
  ReadProfileValue(path, L"Install", L"ShortcutFolderName", r.ShortcutFolderName);
  if (shortcutFolderNameUp) ReadProfileValue(path, L"Install", L"ShortcutFolderNameUp", *shortcutFolderNameUp);
  ReadProfileValue(path, L"Install", L"AppShortcutName", r.AppShortcutName);
  ReadProfileValue(path, L"Uninstall", L"UninstallAppTitle", r.UninstallAppTitle);
  ReadProfileValue(path, L"Uninstall", L"UninstallIconFileName", r.UninstallIconFileName);
  ReadProfileValue(path, L"Uninstall", L"UninstallShortcutName", r.UninstallShortcutName);
  ReadProfileValue(path, L"Uninstall", L"Publisher", r.Publisher);
  ReadProfileValue(path, L"Uninstall", L"UninstallDisplayName", r.UninstallDisplayName);
  ReadProfileValue(path, L"Application", L"DeviceActiveIconFileName", r.DeviceActiveIconFileName);
  ReadProfileValue(path, L"Application", L"DeviceUnactiveIconFileName", r.DeviceUnactiveIconFileName);
  ReadProfileValue(path, L"Application", L"TrayIconRestorOn", r.TrayIconRestorOn);
  ReadProfileValue(path, L"Install", L"APPFileName", r.APPFileName);
  ReadProfileValue(path, L"Install", L"UserManualShortcutName", r.UserManualShortcutName);
  ReadProfileValue(path, L"Uninstall", L"UninstallFileName", r.UninstallFileName);
  ReadProfileValue(path, L"DebugLevel", L"Application", r.DebugLevelApplication);
  ReadProfileValue(path, L"DebugLevel", L"Service", r.DebugLevelService);
  ReadProfileValue(path, L"Install", L"EffectAPPFileName", r.EffectAPPFileName);
  ReadProfileValue(path, L"Install", L"EffectAppShortcutName", r.EffectAppShortcutName);
  ReadProfileValue(path, L"Plugin", L"PluginFolderName", r.PluginFolderName);
  if (soundEffectAppFileName) ReadProfileValue(path, L"Install", L"SoundEffectAPPFileName", *soundEffectAppFileName);

  if (r.DebugLevelApplication.empty()) r.DebugLevelApplication = L"0";
  if (r.DebugLevelService.empty()) r.DebugLevelService = L"0";

  r.ProgramFilesPath = WithTrailingBackslash(ShellFolder(CSIDL_PROGRAM_FILES));
  r.InstallFolderFullPath = r.ProgramFilesPath + r.InstallFolderName + L"\\";

  const bool wow64 = IsWow64Process();
  r.SystemFolderPath = ShellFolder(wow64 ? CSIDL_SYSTEMX86 : (CSIDL_SYSTEM | CSIDL_FLAG_CREATE)) + L"\\";
  r.SystemDirectoryPath = NativeSystemDirectory(wow64) + L"\\";
}

}  // namespace

int ReadProfileValue(const std::wstring& path, const wchar_t* section, const wchar_t* key, std::wstring& destination) {
  wchar_t buffer[kConfigValueCapacity] = {};
  const DWORD length = GetPrivateProfileStringW(section, key, L"", buffer, kConfigValueCapacity, path.c_str());
  if (length == 0) return 1;
  destination.assign(buffer, length);
  return 0;
}

void ReadAudioConfig(const std::wstring& configFileName, const std::wstring& programFullPath, AudioConfigInfo& record) {
  ReadConfigRecord(configFileName, programFullPath, record, nullptr, nullptr);
}

void ReadAudioConfig(const std::wstring& configFileName, const std::wstring& programFullPath,
                     SetupAudioConfigInfo& record) {
  ReadConfigRecord(configFileName, programFullPath, record, &record.ShortcutFolderNameUp,
                   &record.SoundEffectAPPFileName);
}

}  // namespace vorma
