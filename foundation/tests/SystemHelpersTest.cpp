#include "foundation/FileVersion.h"
#include "foundation/RegistryValues.h"
#include "foundation/WindowsVersion.h"
#include "tests/support/TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vorma {
namespace {

constexpr wchar_t kTestSubKey[] = L"Vorma Test Registry Values";

class RegistryValuesTest : public ::testing::Test {
protected:
  void SetUp() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorma Test Registry Values"); }
  void TearDown() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorma Test Registry Values"); }

  static bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorma Test Registry Values", 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }
};

TEST_F(RegistryValuesTest, GetDwordOnMissingKeyCreatesItEmptyAndReturns1) {
  unsigned long value = 0xdeadbeef;
  EXPECT_EQ(GetRegistryDword(kTestSubKey, L"EncEnable", value), kRegistryKeyCreated);
  EXPECT_EQ(value, 0xdeadbeefu);
  EXPECT_TRUE(KeyExists());
  EXPECT_EQ(GetRegistryDword(kTestSubKey, L"EncEnable", value), kRegistryReadFailed);
  EXPECT_EQ(value, 0xdeadbeefu);
}

TEST_F(RegistryValuesTest, DwordAndStringRoundTrip) {
  EXPECT_EQ(SetRegistryDword(kTestSubKey, L"V7ch1Scalar", 15), kRegistryDone);
  unsigned long value = 0;
  EXPECT_EQ(GetRegistryDword(kTestSubKey, L"V7ch1Scalar", value), kRegistryDone);
  EXPECT_EQ(value, 15u);

  // A string is not a 4-byte value.
  EXPECT_EQ(SetRegistryString(kTestSubKey, L"Text", L"C:\\Program Files\\Vorma\\Vormapanel.exe -servicestart"), 0);
  EXPECT_EQ(GetRegistryDword(kTestSubKey, L"Text", value), kRegistryReadFailed);
  // Four bytes of another type are no DWORD either: a one-letter string, four binary bytes.
  EXPECT_EQ(SetRegistryString(kTestSubKey, L"Short", L"x"), 0);
  EXPECT_EQ(GetRegistryDword(kTestSubKey, L"Short", value), kRegistryReadFailed);
  const DWORD four = 7;
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorma Test Registry Values", L"Binary", REG_BINARY, &four,
                            sizeof four),
            ERROR_SUCCESS);
  EXPECT_EQ(GetRegistryDword(kTestSubKey, L"Binary", value), kRegistryReadFailed);
  EXPECT_EQ(value, 15u);
  wchar_t text[128] = {};
  DWORD size = sizeof text;
  ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorma Test Registry Values", L"Text", RRF_RT_REG_SZ, nullptr,
                         text, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(text, L"C:\\Program Files\\Vorma\\Vormapanel.exe -servicestart");
  EXPECT_EQ(size, sizeof(L"C:\\Program Files\\Vorma\\Vormapanel.exe -servicestart"));
}

// A key that cannot be created: non-volatile keys cannot live below a volatile one.
TEST_F(RegistryValuesTest, AKeyThatCannotBeOpenedFailsEveryCallAndLeavesTheValue) {
  HKEY volatileKey = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorma Test Registry Values", 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(volatileKey);
  const std::wstring below = std::wstring(kTestSubKey) + L"\\Inner";

  EXPECT_EQ(SetRegistryDword(below, L"EncEnable", 1), 1);
  EXPECT_EQ(SetRegistryString(below, L"Text", L"value"), 1);
  unsigned long value = 0xdeadbeef;
  EXPECT_EQ(GetRegistryDword(below, L"EncEnable", value), kRegistryReadFailed);
  EXPECT_EQ(value, 0xdeadbeefu);
  HKEY inner = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorma Test Registry Values\\Inner", 0, KEY_READ, &inner),
            ERROR_SUCCESS);
}

TEST(FileVersion, ReadsTheVersionResourceOfAProgram) {
  // The test program carries version 1.2.3.4 in its resources.
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring text = L"untouched";
  EXPECT_EQ(GetFileVersionText(self, text), kFileVersionDone);
  EXPECT_EQ(text, L"1.2.3.4");
}

TEST(FileVersion, FileWithoutVersionInformationLeavesTheTextUntouched) {
  test::TempFolder folder;
  std::wstring text = L"untouched";
  EXPECT_EQ(GetFileVersionText(folder.WriteBytes(L"plain.txt", "no resources here"), text), kFileVersionNoInformation);
  EXPECT_EQ(GetFileVersionText(folder.File(L"missing.exe"), text), kFileVersionNoInformation);
  EXPECT_EQ(text, L"untouched");
}

TEST(WindowsVersion, ClassTable) {
  const struct {
    unsigned long major, minor;
    int windowsClass, code;
  } cases[] = {
      {4, 0, 0, 0x400},  {4, 10, 0, 0x40A}, {5, 0, 1, 0x500},  {5, 1, 2, 0x501},  {5, 2, 2, 0x502},
      {6, 0, 3, 0x600},  {6, 1, 4, 0x601},  {6, 2, 5, 0x602},  {6, 3, 5, 0x603},  {10, 0, 6, 0xA00},
      {3, 51, -1, -1},   {6, 4, -1, -1},    {5, 3, -1, -1},    {11, 0, -1, -1},
  };
  for (const auto& c : cases) {
    int windowsClass = 99, code = 99;
    ClassifyWindowsVersion(c.major, c.minor, windowsClass, code);
    EXPECT_EQ(windowsClass, c.windowsClass) << c.major << "." << c.minor;
    EXPECT_EQ(code, c.code) << c.major << "." << c.minor;
  }
}

TEST(WindowsVersion, AsksTheRunningSystemAndAcceptsMissingOutputs) {
  int windowsClass = 99, code = 99, servicePack = 99;
  ASSERT_EQ(GetWindowsVersionInfo(&windowsClass, &code, &servicePack), kWindowsVersionDone);
  EXPECT_NE(windowsClass, 99);
  EXPECT_NE(code, 99);
  EXPECT_EQ(GetWindowsVersionInfo(nullptr, nullptr, nullptr), kWindowsVersionDone);
}

}  // namespace
}  // namespace vorma
