// LoadSdkLibrary against real libraries beside this test program: the SDK stand-in and three copies
// of it built from the same export list with one name left out (SdkLacking2/3/4.dll).

#include "panel/device/SdkLibrary.h"

#include "tests/support/DebugLines.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorma {
namespace {

using test::DebugLineRecorder;
using test::ProgramFolder;
using test::RecordingMessageBoxes;
using test::TempFolder;

// The table's entries in binding order, so that they can be compared position by position.
std::vector<void*> EntriesInOrder(const SdkFunctionTable& table) {
  std::vector<void*> entries;
#define VORMA_SDK_CALLED(name) entries.push_back(reinterpret_cast<void*>(table.name));
#define VORMA_SDK_OTHER(name) VORMA_SDK_CALLED(name)
#include "panel/device/SdkFunctionList.h"
#undef VORMA_SDK_CALLED
#undef VORMA_SDK_OTHER
  return entries;
}

void ExpectOneErrorBox(const RecordingMessageBoxes& boxes, unsigned long error) {
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::wstring systemText = SystemErrorText(error);
  ASSERT_FALSE(systemText.empty());
  EXPECT_EQ(boxes.shown[0].text, L"error " + std::to_wstring(error) + L": " + systemText);
  EXPECT_EQ(boxes.shown[0].caption, L"Error");
  EXPECT_EQ(boxes.shown[0].type, static_cast<UINT>(MB_OK));
}

TEST(LoadSdkLibraryTest, FullLibraryBindsEveryNameToItsOwnExport) {
  RecordingMessageBoxes boxes;
  DebugLineRecorder lines;
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);

  HMODULE module = GetModuleHandleW(kSdkLibraryFileName);
  ASSERT_NE(module, nullptr);
  const std::vector<void*> entries = EntriesInOrder(Sdk());
  ASSERT_EQ(entries.size(), static_cast<size_t>(kSdkFunctionCount));
  for (int i = 0; i < kSdkFunctionCount; ++i) {
    SCOPED_TRACE(kSdkFunctionNames[i]);
    void* exported = reinterpret_cast<void*>(GetProcAddress(module, kSdkFunctionNames[i]));
    ASSERT_NE(exported, nullptr);
    EXPECT_EQ(entries[i], exported);
  }
  EXPECT_STREQ(kSdkFunctionNames[57], "DLLQZ_SetCustomerEffect_Mode");
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(lines.Lines().empty());
}

// The library is never released while the process ends: a thread still calling into it then keeps
// running code that is there until the process is gone.
TEST(LoadSdkLibraryTest, TheLibraryStaysWhileTheProcessEndsWithAThreadInIt) {
  const std::wstring program = ProgramFolder() + L"SdkHeldAtExit.exe";
  for (int run = 0; run < 3; ++run) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    CloseHandle(process.hThread);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 0xdeadbeef;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u) << "run " << run;
  }
}

TEST(LoadSdkLibraryTest, MissingLibraryShowsTheSystemErrorAndGivesOne) {
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName), 0);
  RecordingMessageBoxes boxes;
  EXPECT_EQ(LoadSdkLibrary(L"NoSuchSdkLibrary.dll", boxes), 1);
  ExpectOneErrorBox(boxes, ERROR_MOD_NOT_FOUND);
  // The library bound before was released first and nothing of it is left in the table.
  EXPECT_EQ(GetModuleHandleW(kSdkLibraryFileName), nullptr);
  for (void* entry : EntriesInOrder(Sdk())) EXPECT_EQ(entry, nullptr);
}

TEST(LoadSdkLibraryTest, MissingExportNamesItsPosition) {
  struct Case {
    const wchar_t* file;
    int missingPosition;
    std::vector<std::wstring> debugLines;
  };
  const Case cases[] = {
      {L"SdkLacking2.dll", 2, {}},  // positions 1 and 2 fail silently
      {L"SdkLacking3.dll", 3, {L"***** DLLQZ_CheckDriver *****\n"}},
      {L"SdkLacking4.dll", 4, {L"***** DLLQZ_CheckDriverEx *****\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    RecordingMessageBoxes boxes;
    DebugLineRecorder lines;
    EXPECT_EQ(LoadSdkLibrary(c.file, boxes), c.missingPosition + 1);
    EXPECT_EQ(lines.Lines(), c.debugLines);
    EXPECT_TRUE(boxes.shown.empty());
    // Entries before the missing one stay bound (and their library loaded), the rest stay empty.
    EXPECT_NE(GetModuleHandleW(c.file), nullptr);
    const std::vector<void*> entries = EntriesInOrder(Sdk());
    for (int position = 1; position <= kSdkFunctionCount; ++position) {
      if (position < c.missingPosition)
        EXPECT_NE(entries[position - 1], nullptr) << position;
      else
        EXPECT_EQ(entries[position - 1], nullptr) << position;
    }
  }
}

// Sets the current folder and puts a folder at the front of PATH while it lives.
class PlantedLibraryScope {
public:
  explicit PlantedLibraryScope(const std::wstring& folder) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    oldCurrent_ = current;
    std::vector<wchar_t> path(32767);
    const DWORD length = GetEnvironmentVariableW(L"PATH", path.data(), static_cast<DWORD>(path.size()));
    oldPath_.assign(path.data(), length);
    SetCurrentDirectoryW(folder.c_str());
    SetEnvironmentVariableW(L"PATH", (folder + L";" + oldPath_).c_str());
  }
  ~PlantedLibraryScope() {
    SetCurrentDirectoryW(oldCurrent_.c_str());
    SetEnvironmentVariableW(L"PATH", oldPath_.c_str());
  }
  PlantedLibraryScope(const PlantedLibraryScope&) = delete;
  PlantedLibraryScope& operator=(const PlantedLibraryScope&) = delete;

private:
  std::wstring oldCurrent_;
  std::wstring oldPath_;
};

TEST(LoadSdkLibraryTest, LibraryPlantedInCurrentFolderOrOnPathIsNeverLoaded) {
  TempFolder plantFolder;
  ASSERT_TRUE(CopyFileW((ProgramFolder() + kSdkLibraryFileName).c_str(), plantFolder.File(L"PlantedSdk.dll").c_str(),
                        FALSE));
  PlantedLibraryScope planted(plantFolder.Path());
  // The plant is where the general search would find it...
  HMODULE found = LoadLibraryW(L"PlantedSdk.dll");
  ASSERT_NE(found, nullptr);
  FreeLibrary(found);
  ASSERT_EQ(GetModuleHandleW(L"PlantedSdk.dll"), nullptr);

  // ...but the binding looks only in the program's folder.
  RecordingMessageBoxes boxes;
  EXPECT_EQ(LoadSdkLibrary(L"PlantedSdk.dll", boxes), 1);
  ExpectOneErrorBox(boxes, ERROR_MOD_NOT_FOUND);
  EXPECT_EQ(GetModuleHandleW(L"PlantedSdk.dll"), nullptr);
}

}  // namespace
}  // namespace vorma
