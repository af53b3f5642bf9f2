#pragma once
// The settings record both programs fill once from "AudioConfig.cfg" in their own folder.

#include <string>

namespace vorma {

inline constexpr wchar_t kAudioConfigFileName[] = L"AudioConfig.cfg";

// The control panel's record; fields in the order of the configuration they come from.
struct AudioConfigInfo {
  std::wstring AppFolder;
  std::wstring SourceAppFileName;
  std::wstring LanguageFolderName;
  std::wstring SkinFolderName;
  std::wstring ProgramFilesPath;  // always ends in "\"
  std::wstring InstallAppTitle;
  std::wstring InstallIconFileName;
  std::wstring InstallFolderName;
  std::wstring ShortcutFolderName;
  std::wstring AppShortcutName;
  std::wstring UninstallAppTitle;
  std::wstring UninstallIconFileName;
  std::wstring UninstallShortcutName;
  std::wstring Publisher;
  std::wstring UninstallDisplayName;
  std::wstring SourceFolderFullPath;   // up to and including the last "\"
  std::wstring InstallFolderFullPath;  // ProgramFilesPath + InstallFolderName + "\"
  std::wstring APPFileName;
  std::wstring UninstallFileName;
  std::wstring UserManualShortcutName;
  std::wstring SystemFolderPath;     // the 32-bit system folder, ends in "\"
  std::wstring SystemDirectoryPath;  // the native system directory, ends in "\"
  std::wstring DeviceActiveIconFileName;
  std::wstring DeviceUnactiveIconFileName;
  std::wstring TrayIconRestorOn;
  std::wstring EffectAPPFileName;
  std::wstring EffectAppShortcutName;
  std::wstring PluginFolderName;
  std::wstring DebugLevelApplication;
  std::wstring DebugLevelService;
};

// The installer's record has two more keys.
struct SetupAudioConfigInfo : AudioConfigInfo {
  std::wstring ShortcutFolderNameUp;
  std::wstring SoundEffectAPPFileName;
};

inline constexpr size_t kConfigValueCapacity = 1024;  // a longer value is cut to 1023 characters

// Reads one value; stores it and returns 0 when it is non-empty, returns 1 and leaves the
// destination untouched when the key is missing or empty.
int ReadProfileValue(const std::wstring& path, const wchar_t* section, const wchar_t* key, std::wstring& destination);

// Fills the record from the configuration file next to the running program. Missing keys leave
// their fields as they were.
void ReadAudioConfig(const std::wstring& configFileName, const std::wstring& programFullPath, AudioConfigInfo& record);
void ReadAudioConfig(const std::wstring& configFileName, const std::wstring& programFullPath,
                     SetupAudioConfigInfo& record);

}  // namespace vorma
