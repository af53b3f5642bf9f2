// The per-user language and skin: read and written only when the per-user file exists.

#include <gtest/gtest.h>

#include <windows.h>

#include "foundation/ProfileStrings.h"
#include "panel/shell/skin/UserSkinChoice.h"
#include "tests/support/DebugLines.h"
#include "tests/support/TestFiles.h"

namespace vorma::shell {
namespace {

class UserSkinChoiceTest : public ::testing::Test {
protected:
  void SetUp() override {
    wchar_t old[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", old, MAX_PATH);
    oldAppData_.assign(old, length);
    appData_ = appDataFolder_.Path().substr(0, appDataFolder_.Path().size() - 1);
    SetEnvironmentVariableW(L"APPDATA", appData_.c_str());
  }
  void TearDown() override { SetEnvironmentVariableW(L"APPDATA", oldAppData_.c_str()); }

  vorma::test::TempFolder appDataFolder_;
  std::wstring appData_;
  std::wstring oldAppData_;
};

TEST_F(UserSkinChoiceTest, WithoutTheFileNothingIsReadOrWritten) {
  vorma::test::DebugLineRecorder lines;
  const UserLanguageAndSkin choice = ReadUserLanguageAndSkin(L"VormaSkinTest");
  EXPECT_TRUE(choice.language.empty());
  EXPECT_TRUE(choice.skin.empty());
  EXPECT_TRUE(lines.Contains(L"==> strLastPath, tcProgramPath = " + appData_ + L"\n"));

  EXPECT_FALSE(WriteUserLanguageAndSkin(L"VormaSkinTest", {L"English", L"Blue"}));
  EXPECT_EQ(GetFileAttributesW(appDataFolder_.File(L"VormaSkinTest\\AudioConfig.cfg").c_str()),
            INVALID_FILE_ATTRIBUTES);
}

TEST_F(UserSkinChoiceTest, ReadsAndWritesBothNamesInTheExistingFile) {
  ASSERT_TRUE(CreateDirectoryW(appDataFolder_.File(L"VormaSkinTest").c_str(), nullptr));
  const std::wstring path = appDataFolder_.WriteBytes(L"VormaSkinTest\\AudioConfig.cfg",
                                                      "[Language]\r\nDefaultLanguage=German\r\n[Other]\r\nKeep=1\r\n");
  EXPECT_EQ(UserConfigPath(L"VormaSkinTest"), path);
  UserLanguageAndSkin choice = ReadUserLanguageAndSkin(L"VormaSkinTest");
  EXPECT_EQ(choice.language, L"German");
  EXPECT_TRUE(choice.skin.empty());

  ASSERT_TRUE(WriteUserLanguageAndSkin(L"VormaSkinTest", {L"English", L"Blue"}));
  choice = ReadUserLanguageAndSkin(L"VormaSkinTest");
  EXPECT_EQ(choice.language, L"English");
  EXPECT_EQ(choice.skin, L"Blue");
  std::wstring kept;
  ReadProfileString(path, L"Other", L"Keep", kept);
  EXPECT_EQ(kept, L"1");
}

}  // namespace
}  // namespace vorma::shell
