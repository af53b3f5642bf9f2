#include "foundation/AudioConfig.h"
#include "foundation/ProfileStrings.h"
#include "tests/support/DebugLines.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vorma {
namespace {

const char kConfig[] =
    "[Language]\r\nLanguageFolderName=Language\r\n"
    "[Skin]\r\nSkinFolderName=Skin\r\nRegionCut=1\r\n"
    "[Install]\r\nInstallAppTitle=Vorma Audio\r\nInstallIconFileName=Vorma.ico\r\nInstallFolderName=Vorma\r\n"
    "ShortcutFolderName=Vorma\r\nShortcutFolderNameUp=Vorma Up\r\nAppShortcutName=Vorma Panel\r\n"
    "APPFileName=Vormapanel.exe\r\nUserManualShortcutName=Manual\r\nEffectAPPFileName=Effect.exe\r\n"
    "EffectAppShortcutName=Effect\r\nSoundEffectAPPFileName=Sound.exe\r\n"
    "[Uninstall]\r\nUninstallAppTitle=Remove Vorma\r\nUninstallIconFileName=Un.ico\r\nUninstallShortcutName=Un\r\n"
    "Publisher=Vorma\r\nUninstallDisplayName=Vorma Audio\r\nUninstallFileName=Uninstall.exe\r\n"
    "[Application]\r\nDeviceActiveIconFileName=on.ico\r\nDeviceUnactiveIconFileName=off.ico\r\nTrayIconRestorOn=1\r\n"
    "[Plugin]\r\nPluginFolderName=Plugin\r\n";

TEST(AudioConfig, FillsTheRecordFromTheFileNextToTheProgram) {
  test::TempFolder folder;
  folder.WriteBytes(L"AudioConfig.cfg", kConfig);
  test::DebugLineRecorder debug;
  AudioConfigInfo r;
  ReadAudioConfig(kAudioConfigFileName, folder.File(L"Vormapanel.exe"), r);

  EXPECT_EQ(r.SourceAppFileName, L"Vormapanel.exe");
  EXPECT_EQ(r.SourceFolderFullPath, folder.Path());
  EXPECT_EQ(r.AppFolder, folder.Path());
  EXPECT_TRUE(debug.Contains(L"##### SourceAppFileName = Vormapanel.exe\n"));
  EXPECT_TRUE(debug.Contains(L"##### SourceFolderFullPath = " + folder.Path() + L"\n"));

  const std::pair<const std::wstring*, const wchar_t*> fields[] = {
      {&r.LanguageFolderName, L"Language"}, {&r.SkinFolderName, L"Skin"},
      {&r.InstallAppTitle, L"Vorma Audio"}, {&r.InstallIconFileName, L"Vorma.ico"},
      {&r.InstallFolderName, L"Vorma"}, {&r.ShortcutFolderName, L"Vorma"},
      {&r.AppShortcutName, L"Vorma Panel"}, {&r.UninstallAppTitle, L"Remove Vorma"},
      {&r.UninstallIconFileName, L"Un.ico"}, {&r.UninstallShortcutName, L"Un"},
      {&r.Publisher, L"Vorma"}, {&r.UninstallDisplayName, L"Vorma Audio"},
      {&r.APPFileName, L"Vormapanel.exe"}, {&r.UninstallFileName, L"Uninstall.exe"},
      {&r.UserManualShortcutName, L"Manual"}, {&r.DeviceActiveIconFileName, L"on.ico"},
      {&r.DeviceUnactiveIconFileName, L"off.ico"}, {&r.TrayIconRestorOn, L"1"},
      {&r.EffectAPPFileName, L"Effect.exe"}, {&r.EffectAppShortcutName, L"Effect"},
      {&r.PluginFolderName, L"Plugin"}, {&r.DebugLevelApplication, L"0"},
      {&r.DebugLevelService, L"0"},
  };
  for (const auto& [field, expected] : fields) EXPECT_EQ(*field, expected);

  ASSERT_FALSE(r.ProgramFilesPath.empty());
  EXPECT_EQ(r.ProgramFilesPath.back(), L'\\');
  EXPECT_EQ(r.InstallFolderFullPath, r.ProgramFilesPath + L"Vorma\\");
  EXPECT_EQ(r.SystemFolderPath.back(), L'\\');
  EXPECT_EQ(r.SystemDirectoryPath.back(), L'\\');
  EXPECT_NE(r.SystemDirectoryPath.find(L"\\system32\\"), std::wstring::npos) << r.SystemDirectoryPath;
}

TEST(AudioConfig, SetupRecordReadsItsTwoExtraKeys) {
  test::TempFolder folder;
  folder.WriteBytes(L"AudioConfig.cfg", kConfig);
  SetupAudioConfigInfo r;
  ReadAudioConfig(kAudioConfigFileName, folder.File(L"Vormasetup.exe"), r);
  EXPECT_EQ(r.ShortcutFolderNameUp, L"Vorma Up");
  EXPECT_EQ(r.SoundEffectAPPFileName, L"Sound.exe");
  EXPECT_EQ(r.SourceAppFileName, L"Vormasetup.exe");
}

TEST(AudioConfig, MissingAndEmptyKeysKeepTheFieldAndDebugLevelsDefaultTo0) {
  test::TempFolder folder;
  folder.WriteBytes(L"AudioConfig.cfg", "[Install]\r\nInstallAppTitle=\r\n[DebugLevel]\r\nService=3\r\n");
  AudioConfigInfo r;
  r.InstallAppTitle = L"kept";
  r.SkinFolderName = L"kept too";
  ReadAudioConfig(kAudioConfigFileName, folder.File(L"Vormapanel.exe"), r);
  EXPECT_EQ(r.InstallAppTitle, L"kept");
  EXPECT_EQ(r.SkinFolderName, L"kept too");
  EXPECT_EQ(r.DebugLevelApplication, L"0");
  EXPECT_EQ(r.DebugLevelService, L"3");
  EXPECT_EQ(r.InstallFolderFullPath, r.ProgramFilesPath + L"\\");
}

TEST(AudioConfig, LongValuesAreCut) {
  test::TempFolder folder;
  const std::string longValue(1500, 'v');
  const std::wstring path =
      folder.WriteBytes(L"AudioConfig.cfg", "[Install]\r\nInstallAppTitle=" + longValue + "\r\n");
  AudioConfigInfo r;
  ReadAudioConfig(kAudioConfigFileName, folder.File(L"Vormapanel.exe"), r);
  EXPECT_EQ(r.InstallAppTitle, std::wstring(1023, L'v'));

  std::wstring value = L"poison";
  EXPECT_EQ(ReadProfileString(path, L"Install", L"InstallAppTitle", value), 0);
  EXPECT_EQ(value, std::wstring(255, L'v'));
  EXPECT_EQ(ReadProfileString(path, L"Install", L"Missing", value), 0);
  EXPECT_EQ(value, L"");
}

TEST(ProfileStrings, WriteCreatesSectionAndKey) {
  test::TempFolder folder;
  const std::wstring path = folder.File(L"LastProfile.ini");
  EXPECT_EQ(WriteProfileString(path, L"LastINI", L"Path", L"C:\\Users\\me\\Profile 1.ini"), 0);
  std::wstring value;
  ReadProfileString(path, L"LastINI", L"Path", value);
  EXPECT_EQ(value, L"C:\\Users\\me\\Profile 1.ini");
}

}  // namespace
}  // namespace vorma
