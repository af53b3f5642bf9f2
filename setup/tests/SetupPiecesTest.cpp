// The installer's small rules: the path guard, the screen-size folder, the flags of its
// configuration, the factory defaults it writes, and how it copies and extracts files.

#include "foundation/RegistryValues.h"
#include "setup/FeatureDefaults.h"
#include "setup/SetupFiles.h"
#include "setup/SetupResourceIds.h"
#include "setup/SetupSettings.h"
#include "setup/SetupTexts.h"
#include "setup/tests/SetupDelivery.h"
#include "tests/support/BuildTreePaths.h"

#include <gtest/gtest.h>

#include <thread>

namespace vorma::setup::test {
namespace {

TEST(SetupPathGuard, AcceptsOneHundredEightyCharactersAndRefusesOneMore) {
  const std::wstring folder = L"C:\\" + std::wstring(180 - 3 - 15, L'a') + L"\\";
  EXPECT_EQ(180u, (folder + L"Vormasetup.exe").size());
  EXPECT_FALSE(SetupPathTooLong(folder + L"Vormasetup.exe"));
  EXPECT_TRUE(SetupPathTooLong(folder + L"VormasetupX.exe"));
}

TEST(SetupResolutionFolder, ThresholdsAreStrict) {
  const struct {
    int width, height;
    const wchar_t* folder;
  } cases[] = {
      {1920, 1200, L"1920x1080\\"}, {1920, 1080, L"1366x768\\"}, {1366, 768, L"960x540\\"},
      {1024, 768, L"960x540\\"},    {960, 540, L""},             {800, 600, L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.folder, SetupResolutionFolder(c.width, c.height)) << c.width << "x" << c.height;
  }
}

TEST(SetupSettings, FlagsTakeTheirDefaultsAndTheUninstallCommandIsQuoted) {
  DeliveryOptions options;
  options.install = {{L"DesktopShortcutEnable", L""}, {L"InstallWindowsKB", L""}, {L"MultiDisplaySetting", L"1"}};
  options.pluginFolderName = L"";
  Delivery delivery(options);
  SetupSettings settings = ReadSetupSettings(delivery.SetupPath(), SystemFacts{});
  ReadInstallFlags(settings, 1366, 768);
  EXPECT_FALSE(settings.desktopShortcut) << "an empty DesktopShortcutEnable makes no desktop shortcut";
  EXPECT_TRUE(settings.updatePackage) << "an empty InstallWindowsKB counts as 1";
  EXPECT_FALSE(settings.showReboot);
  EXPECT_FALSE(settings.pluginFlag);
  EXPECT_EQ(L"960x540\\", settings.resolutionFolder);

  const std::wstring uninstaller = settings.config.InstallFolderFullPath + L"Uninstall" + delivery.Name() + L".exe";
  EXPECT_NE(std::wstring::npos, uninstaller.find(L' ')) << "Program Files has a space: the quoting matters";
  EXPECT_EQ(L"\"" + uninstaller + L"\"", settings.uninstall.uninstallString);
  EXPECT_EQ(uninstaller, settings.uninstall.displayIcon);
  EXPECT_EQ(delivery.PerUserFolder(), settings.perUserFolder);
}

TEST(SetupTexts, EveryShippedLanguageGivesTheWholeSetupSection) {
  const std::wstring languages = vorma::test::HostPathToWindows(VORMA_PRODUCT_DIR) + L"\\Languages\\";
  for (const wchar_t* language : {L"English", L"German", L"SChinese"}) {
    SetupTexts texts;
    EXPECT_TRUE(texts.Load(languages + language + L"\\Language.ini")) << std::string(language, language + 2);
    for (const wchar_t* key : kSetupTextKeys) {
      EXPECT_FALSE(texts.Text(key).empty()) << std::string(key, key + wcslen(key));
    }
  }
  SetupTexts english;
  english.Load(languages + L"English\\Language.ini");
  EXPECT_EQ(L"Yes, reboot now", english.Text(L"LabelRebootRadioBtn")) << "a text with a comma stays one text";
}

class FeatureDefaultsTest : public ::testing::Test {
protected:
  static unsigned long Value(const std::wstring& subKey, const std::wstring& name) {
    unsigned long value = 0xdeadbeef;
    EXPECT_EQ(kRegistryDone, GetRegistryDword(subKey, name, value)) << "value " << std::string(name.begin(), name.end());
    return value;
  }
  static bool Exists(const std::wstring& subKey, const std::wstring& name) {
    unsigned long value = 0;
    return GetRegistryDword(subKey, name, value) == kRegistryDone;
  }
  const std::wstring encMap = std::wstring(kSoftwareKey) + L"\\EncValueMap";
};

TEST_F(FeatureDefaultsTest, WritesTheTableAndLeavesWhatTheConfigurationDoesNotGive) {
  DeliveryOptions options;
  options.encValueMap = L"1=VID_1E4B&PID_7301,3\r\n2=VID_1E4B&PID_7302\r\n19=VID_1E4B&PID_7319,17\r\n20=VID_1E4B&PID_7320,5\r\n";
  options.defaultSet = L"RuvavIzezoEnable=1\r\nV7ch1Scalar=22,9\r\nEncScalar=\r\n";
  Delivery delivery(options);
  SetRegistryDword(kSoftwareKey, L"EncGpio", 7);
  SetRegistryDword(kSoftwareKey, L"EncEnable", 1);
  SetRegistryDword(kSoftwareKey, L"EncScalar", 4);

  WriteFeatureDefaults(delivery.Folder() + L"AudioConfig.cfg");

  EXPECT_EQ(3u, Value(encMap, L"VID_1E4B&PID_7301"));
  EXPECT_EQ(17u, Value(encMap, L"VID_1E4B&PID_7319"));
  EXPECT_FALSE(Exists(encMap, L"VID_1E4B&PID_7302")) << "an entry of a single item writes nothing";
  EXPECT_FALSE(Exists(encMap, L"VID_1E4B&PID_7320")) << "only keys 1 to 19 are read";
  EXPECT_EQ(0u, Value(kSoftwareKey, L"EncEnable")) << "a missing EncEnable still writes 0";
  EXPECT_EQ(1u, Value(kSoftwareKey, L"RuvavIzezoEnable"));
  EXPECT_EQ(22u, Value(kSoftwareKey, L"Virtual7ch1Scalar")) << "V7ch1Scalar's first item under the other name";
  EXPECT_EQ(7u, Value(kSoftwareKey, L"EncGpio")) << "a missing EncGpio leaves the value there";
  EXPECT_EQ(4u, Value(kSoftwareKey, L"EncScalar")) << "an empty EncScalar leaves the value there";
}

TEST(SetupFiles, FolderTreeLandsBelowTheTargetUnderItsOwnNameWithNormalAttributes) {
  vorma::test::TempFolder source, target;
  CreateFolderWithParents(source.Path() + L"Skins\\Graphite\\1920x1080");
  const std::wstring file = source.WriteBytes(L"Skins\\Graphite\\1920x1080\\Back.png", "png");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_EQ(1, CopyFolderTree(source.Path() + L"Skins\\", target.Path()));
  const std::wstring copied = target.Path() + L"Skins\\Graphite\\1920x1080\\Back.png";
  EXPECT_EQ("png", vorma::test::ReadFileBytes(copied));
  EXPECT_FALSE(GetFileAttributesW(copied.c_str()) & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

  EXPECT_EQ(1, CopyFolderTree(source.Path() + L"Skins\\", target.Path() + L"Skins\\")) << "same last name: into it";
  EXPECT_FALSE(FileExists(target.Path() + L"Skins\\Skins\\Graphite\\1920x1080\\Back.png"));
  EXPECT_EQ(0, CopyFolderTree(L"Skins", target.Path()));

  source.WriteBytes(L".hidden", "x");
  source.WriteBytes(L"b.txt", "x");
  EXPECT_EQ(L"b.txt", FirstPlainFile(source.Path())) << "dot files and folders are skipped";
  EXPECT_EQ(L"", FirstPlainFile(source.Path() + L"missing\\"));
}

TEST(SetupFiles, ResourceIsWrittenUnchangedAndTruncatesAnOlderFile) {
  vorma::test::TempFolder folder;
  const std::wstring path = folder.WriteBytes(L"Driver.sys", std::string(4096, 'z'));
  const HMODULE self = GetModuleHandleW(nullptr);
  ASSERT_EQ(kExtractDone, ExtractResourceToFile(self, kDriverResourceType, kDriverNativeId, path));
  EXPECT_EQ("test payload: Driver\n", vorma::test::ReadFileBytes(path));
  EXPECT_EQ(kExtractNoResource, ExtractResourceToFile(self, kDriverResourceType, kDriverWow64Id, path));
  EXPECT_EQ(kExtractCannotOpen, ExtractResourceToFile(self, kDriverResourceType, kDriverNativeId,
                                                      folder.Path() + L"missing\\Driver.sys"));
}

// A program that was asked to end holds its file for a moment: the write waits for it, up to a limit.
TEST(SetupFiles, ResourceWaitsForATargetFileInUseUpToItsLimit) {
  const struct {
    const char* name;
    DWORD heldMs;
    DWORD waitMs;
    int result;
    std::string content;
  } cases[] = {
      {"released within the wait", 400, 5000, kExtractDone, "test payload: Driver\n"},
      {"held longer than the wait", 3000, 300, kExtractCannotOpen, "old"},
  };
  const HMODULE self = GetModuleHandleW(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    vorma::test::TempFolder folder;
    const std::wstring path = folder.WriteBytes(L"Driver.sys", "old");
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread holder([&] {
      Sleep(c.heldMs);
      CloseHandle(held);
    });
    EXPECT_EQ(c.result, ExtractResourceToFile(self, kDriverResourceType, kDriverNativeId, path, c.waitMs));
    holder.join();
    EXPECT_EQ(c.content, vorma::test::ReadFileBytes(path));
  }
}

}  // namespace
}  // namespace vorma::setup::test
