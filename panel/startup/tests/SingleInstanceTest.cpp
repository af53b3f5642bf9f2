#include "panel/startup/SingleInstance.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <thread>

namespace vorma {
namespace {

bool MutexExists() { return static_cast<bool>(UniqueHandle(OpenMutexW(SYNCHRONIZE, FALSE, kSingleInstanceMutexName))); }

TEST(SingleInstance, FirstClaimHoldsTheMutexAndLaterClaimsSeeIt) {
  ASSERT_FALSE(MutexExists());
  {
    SingleInstanceClaim first = ClaimSingleInstance();
    EXPECT_FALSE(first.anotherInstanceRuns);
    ASSERT_TRUE(first.mutex);
    // Created unowned: another thread can take it at once.
    std::thread([&] {
      EXPECT_EQ(WaitForSingleObject(first.mutex.get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
      ReleaseMutex(first.mutex.get());
    }).join();

    const SingleInstanceClaim second = ClaimSingleInstance();
    EXPECT_TRUE(second.anotherInstanceRuns);
    EXPECT_FALSE(second.mutex);
  }
  EXPECT_FALSE(MutexExists());
  EXPECT_FALSE(ClaimSingleInstance().anotherInstanceRuns);
}

TEST(SingleInstance, ApplicationTitleComesFromTheConfigurationNextToTheProgram) {
  test::TempFolder folder;
  folder.WriteBytes(L"AudioConfig.cfg", "[Install]\r\nInstallAppTitle=Vorma Sound Panel\r\n");
  EXPECT_EQ(ReadApplicationTitle(folder.File(L"Vormapanel.exe")), L"Vorma Sound Panel");

  test::TempFolder empty;
  EXPECT_EQ(ReadApplicationTitle(empty.File(L"Vormapanel.exe")), L"");
}

TEST(SingleInstance, OwnWindowsAreNeverTheRunningPanel) {
  const UniqueWindow own = test::CreateApplicationWindow(L"Vorma Own Title");
  ASSERT_TRUE(own);
  ShowWindow(own.get(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(own.get()));

  EXPECT_FALSE(ActivateRunningInstance(L"Vorma Own Title"));
  EXPECT_TRUE(IsIconic(own.get()));
}

}  // namespace
}  // namespace vorma
