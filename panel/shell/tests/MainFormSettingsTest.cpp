// The main window's own configuration values, the screen-size folder and the OS class.

#include "panel/shell/MainFormSettings.h"
#include "panel/shell/OsClass.h"
#include "panel/shell/ResolutionFolder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace vorma::shell {
namespace {

std::string GpioActive(const std::string& skipKey = "") {
  std::string text = "[GPIOActive]\r\n";
  for (int i = 0; i < kGpioCount; ++i)
    if (std::to_string(i) != skipKey) text += std::to_string(i) + "=" + std::to_string(i % 2) + "\r\n";
  return text;
}

const std::string kValidBase = "[Skin]\r\nRegionCut=1\r\n[GPIO]\r\nMODE=1\r\nENABLE=1,0,1\r\nDIRECTION=0,1\r\n";

TEST(MainFormSettings, ReadsEveryValueWithItsDefaults) {
  test::TempFolder folder;
  const std::wstring path = folder.WriteBytes(
      L"AudioConfig.cfg", kValidBase + GpioActive() +
                              "[GPIOFunction]\r\n0=F7\r\n1=7\r\n2=F12\r\n"
                              "[Version]\r\nOldVersion=2\r\nDefaultIni=1x\r\n"
                              "[DefaultSet]\r\nV7ch1Scalar=15\r\nEncButtonMode=1\r\nEncGpio=abc\r\n"
                              "3DV7ch1MutuallyExclusive=1\r\n");
  const MainFormSettings settings = ReadMainFormSettings(path);
  EXPECT_EQ(settings.regionCut, 1);
  EXPECT_EQ(settings.oldVersion, 2);
  EXPECT_EQ(settings.defaultIni, 1);  // leading digits only
  EXPECT_EQ(settings.encGpio, 0);     // no digits at all
  EXPECT_EQ(settings.micMonitorDefault, 1);
  EXPECT_FLOAT_EQ(settings.v7ch1Scalar, 1.5f);
  EXPECT_EQ(settings.exclusive3DV7ch1, 1);
  EXPECT_TRUE(settings.gpio.SwitchMode());
  EXPECT_EQ(settings.gpio.enable[0], 1);
  EXPECT_EQ(settings.gpio.enable[2], 1);
  EXPECT_EQ(settings.gpio.enable[3], 0);
  EXPECT_EQ(settings.gpio.active[1], 1);
  EXPECT_EQ(settings.gpio.function[0], 7);
  EXPECT_EQ(settings.gpio.function[1], -1);  // without "F" there is no function
  EXPECT_EQ(settings.gpio.function[2], 12);
  EXPECT_EQ(settings.gpio.function[3], -1);  // missing
}

// Ten pins: an ENABLE list longer than that ends after its tenth entry, whatever follows.
TEST(MainFormSettings, EnableEntriesBeyondTheTenthAreIgnored) {
  test::TempFolder folder;
  const std::wstring path = folder.WriteBytes(
      L"AudioConfig.cfg", "[Skin]\r\nRegionCut=0\r\n[GPIO]\r\nMODE=0\r\nENABLE=0,0,0,0,0,0,0,0,0,1,x,1\r\n" + GpioActive());
  const MainFormSettings settings = ReadMainFormSettings(path);
  EXPECT_EQ(settings.gpio.enable[9], 1);
  EXPECT_EQ(settings.gpio.enable[0], 0);
}

TEST(MainFormSettings, EmptyScalarGivesTwo) {
  test::TempFolder folder;
  const std::wstring path = folder.WriteBytes(L"AudioConfig.cfg", kValidBase + GpioActive());
  EXPECT_FLOAT_EQ(ReadMainFormSettings(path).v7ch1Scalar, 2.0f);
}

// The values that decide pins and the outline must be numbers: the start stops with the
// framework's conversion error rather than guess.
TEST(MainFormSettings, StrictValuesStopTheStart) {
  struct Case {
    const char* what;
    std::string text;
    std::wstring error;
  };
  const Case cases[] = {
      {"no RegionCut", "[GPIO]\r\nMODE=0\r\n" + GpioActive(), L"'' is not a valid integer value"},
      {"no MODE", "[Skin]\r\nRegionCut=0\r\n" + GpioActive(), L"'' is not a valid integer value"},
      {"missing GPIOActive 7", "[Skin]\r\nRegionCut=0\r\n[GPIO]\r\nMODE=0\r\n" + GpioActive("7"),
       L"'' is not a valid integer value"},
      {"word in ENABLE", "[Skin]\r\nRegionCut=0\r\n[GPIO]\r\nMODE=0\r\nENABLE=1,on\r\n" + GpioActive(),
       L"'on' is not a valid integer value"},
      {"empty ENABLE entry", "[Skin]\r\nRegionCut=0\r\n[GPIO]\r\nMODE=0\r\nENABLE=1,,1\r\n" + GpioActive(),
       L"'' is not a valid integer value"},
      {"MODE with a unit", "[Skin]\r\nRegionCut=0\r\n[GPIO]\r\nMODE=1 x\r\n" + GpioActive(),
       L"'1 x' is not a valid integer value"},
      {"GPIOActive a word", "[Skin]\r\nRegionCut=0\r\n[GPIO]\r\nMODE=0\r\n" + GpioActive("3") + "3=high\r\n",
       L"'high' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder folder;
    const std::wstring path = folder.WriteBytes(L"AudioConfig.cfg", c.text);
    try {
      ReadMainFormSettings(path);
      ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.Text(), c.error);
    }
  }
}

TEST(ResolutionFolder, ThresholdsAreStrict) {
  EXPECT_EQ(ResolutionFolderForScreen(2560, 1440), L"1920x1080\\");
  EXPECT_EQ(ResolutionFolderForScreen(1920, 1080), L"1366x768\\");
  EXPECT_EQ(ResolutionFolderForScreen(1366, 768), L"960x540\\");
  EXPECT_EQ(ResolutionFolderForScreen(960, 540), L"");
  EXPECT_EQ(ResolutionFolderForScreen(800, 600), L"");
}

// A folder that has the skin but not the language is dropped for both.
TEST(ResolutionFolder, DroppedUnlessItHasBothSkinAndLanguage) {
  test::TempFolder folder;
  CreateDirectoryW(folder.File(L"Skin").c_str(), nullptr);
  CreateDirectoryW(folder.File(L"Skin\\1366x768").c_str(), nullptr);
  CreateDirectoryW(folder.File(L"Skin\\1366x768\\Dark").c_str(), nullptr);
  folder.WriteBytes(L"Skin\\1366x768\\Dark\\SkinSetting.ini", "[Main]\r\n");
  CreateDirectoryW(folder.File(L"Language").c_str(), nullptr);
  CreateDirectoryW(folder.File(L"Language\\1366x768").c_str(), nullptr);
  CreateDirectoryW(folder.File(L"Language\\1366x768\\English").c_str(), nullptr);
  const std::wstring base = folder.File(L"");
  EXPECT_EQ(UsableResolutionFolder(L"1366x768\\", base, L"Skin", L"Dark", L"Language", L"English"), L"");
  folder.WriteBytes(L"Language\\1366x768\\English\\Language.ini", "[Main]\r\n");
  EXPECT_EQ(UsableResolutionFolder(L"1366x768\\", base, L"Skin", L"Dark", L"Language", L"English"), L"1366x768\\");
  EXPECT_EQ(UsableResolutionFolder(L"1366x768\\", base, L"Skin", L"Light", L"Language", L"English"), L"");
}

TEST(OsClass, ByPlatformAndVersion) {
  struct Case {
    OsVersion version;
    int osClass;
  };
  const Case cases[] = {
      {{1, 4, 10}, 1}, {{1, 4, 90}, 3}, {{1, 4, 0}, 0}, {{2, 5, 0}, 2},
      {{2, 5, 1}, 4},  {{2, 5, 2}, 0},  {{2, 6, 1}, 6}, {{2, 10, 0}, 6}, {{2, 4, 0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.version.platform << " " << c.version.major << "." << c.version.minor);
    EXPECT_EQ(OsClassOf(c.version), c.osClass);
  }
}

}  // namespace
}  // namespace vorma::shell
