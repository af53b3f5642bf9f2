// All-or-nothing profile saves on the real file system: keys the save does not name stay, and a
// save that cannot finish leaves the old file exactly as it was, with no temporary file behind.

#include "panel/profiles/ProfileWriter.h"

#include "foundation/ProfileStrings.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

namespace vorma::profiles {
namespace {

constexpr char kOldProfile[] = "[EQ]\r\nEQEN=0\r\n[Mine]\r\nNote=kept\r\n";

std::wstring Value(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  std::wstring value;
  ReadProfileString(path, section, key, value);
  return value;
}

size_t FilesIn(const std::wstring& folder) {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) count += entry.is_regular_file() ? 1 : 0;
  return count;
}

TEST(ProfileWriterTest, ACommittedSaveReplacesTheNamedKeysAndKeepsTheOthers) {
  test::TempFolder folder;
  const std::wstring path = folder.WriteBytes(L"Profile.ini", kOldProfile);
  {
    ProfileWriter writer(path);
    ASSERT_TRUE(writer.Ready());
    writer.Write(L"EQ", L"EQEN", 1);
    writer.Write(L"3D", L"3DEN", L"1");
    // Nothing reaches the file before the commit.
    EXPECT_EQ(Value(path, L"EQ", L"EQEN"), L"0");
    EXPECT_TRUE(writer.Commit());
  }
  EXPECT_EQ(Value(path, L"EQ", L"EQEN"), L"1");
  EXPECT_EQ(Value(path, L"3D", L"3DEN"), L"1");
  EXPECT_EQ(Value(path, L"Mine", L"Note"), L"kept");
  EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(ProfileWriterTest, ASaveThatCannotFinishLeavesTheOldFile) {
  struct Case {
    const char* name;
    bool readOnlyTarget;  // the target cannot be replaced
    bool failedWrite;     // a key could not be written (the device went away half-way)
    bool abandoned;       // the save never reached its commit
  };
  const Case cases[] = {
      {"read-only target", true, false, false},
      {"failed write", false, true, false},
      {"abandoned", false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder folder;
    const std::wstring path = folder.WriteBytes(L"Profile.ini", kOldProfile);
    if (c.readOnlyTarget) {
      ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    {
      ProfileWriter writer(path);
      ASSERT_TRUE(writer.Ready());
      writer.Write(L"EQ", L"EQEN", 1);
      if (c.failedWrite) writer.MarkFailed();
      if (!c.abandoned) {
        EXPECT_FALSE(writer.Commit());
      }
    }
    EXPECT_EQ(test::ReadFileBytes(path), kOldProfile);
    EXPECT_EQ(FilesIn(folder.Path()), 1u);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST(ProfileWriterTest, AFolderThatDoesNotExistSavesNothing) {
  test::TempFolder folder;
  const std::wstring path = folder.File(L"Missing\\Profile.ini");
  ProfileWriter writer(path);
  EXPECT_FALSE(writer.Ready());
  writer.Write(L"EQ", L"EQEN", 1);
  EXPECT_FALSE(writer.Commit());
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace vorma::profiles
