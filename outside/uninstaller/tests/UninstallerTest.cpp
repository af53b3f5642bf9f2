// The real uninstaller in an install folder, with everything setup would have put in place made by
// setup's own registration code (and the real service program): what it removes, what it keeps, a
// second run, and a cancelled confirmation.

#include "foundation/RegistryValues.h"
#include "foundation/UniqueHandles.h"
#include "outside/uninstaller/SelfRemoval.h"
#include "outside/uninstaller/UninstallTargets.h"
#include "panel/startup/ServiceControl.h"
#include "setup/DriverAndService.h"
#include "setup/FeatureDefaults.h"
#include "setup/Registration.h"
#include "setup/SetupSettings.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestServices.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <thread>

namespace vorma::uninstall {
namespace {

constexpr DWORD kStepTimeoutMs = 30000;
// Names of the shipped AudioConfig.cfg, which the install folder holds.
constexpr wchar_t kMenuFolder[] = L"Vorma\\Vorma Audio";
constexpr wchar_t kManualFolder[] = L"Vorma Audio";
constexpr wchar_t kAppShortcut[] = L"Vorma Audio Center";
constexpr wchar_t kUninstallShortcut[] = L"Uninstall Vorma Audio Center";
constexpr wchar_t kManualShortcut[] = L"Vorma User Manual";
constexpr wchar_t kSoftware[] = L"SOFTWARE\\KVX 72xx Software";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool ValueExists(const std::wstring& keyPath, const std::wstring& name) {
  return RegGetValueW(HKEY_LOCAL_MACHINE, keyPath.c_str(), name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

bool ServiceExists() {
  const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  return manager && UniqueServiceHandle(OpenServiceW(manager.get(), L"Halvorn", SERVICE_QUERY_STATUS));
}

std::wstring SystemFolder() {
  wchar_t buffer[MAX_PATH] = {};
  GetSystemDirectoryW(buffer, MAX_PATH);
  return std::wstring(buffer) + L"\\";
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(file);
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

// Paths and names in failure messages (they are ASCII here).
std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Runs a program with arguments and returns its exit code (0xdeadbeef: no run or no end).
DWORD RunProgram(const std::wstring& program, const std::wstring& arguments, DWORD timeoutMs = 120000) {
  std::wstring line = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 0xdeadbeef;
  const UniqueHandle thread(process.hThread);
  const UniqueHandle handle(process.hProcess);
  DWORD exitCode = 0xdeadbeef;
  test::PumpMessagesUntil([&] { return WaitForSingleObject(handle.get(), 0) == WAIT_OBJECT_0; }, timeoutMs);
  GetExitCodeProcess(handle.get(), &exitCode);
  return exitCode;
}

class InstalledProduct : public testing::Test {
protected:
  void SetUp() override {
    test::RemoveService(L"Halvorn");
    programs_ = setup::SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\";
    desktop_ = setup::SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"\\";
    ASSERT_TRUE(CreateDirectoryW(install_.c_str(), nullptr));
    FillInstallFolder();
    // The user's own folder with a sound profile, which stays.
    CreateDirectoryW((appData_.Path() + L"Vorma").c_str(), nullptr);
    appData_.WriteBytes(L"Vorma\\My Profile.ini", "[EQ]\r\n");

    const std::wstring panel = install_ + L"\\Vormapanel.exe";
    setup::CreateStartMenuShortcut(L"Vorma Audio", L"Vorma", kAppShortcut, panel);
    setup::CreateStartMenuShortcut(L"Vorma Audio", L"Vorma", kUninstallShortcut, Uninstaller());
    setup::CreateFolderShortcut(L"Vorma Audio", kManualShortcut, install_ + L"\\Manual\\English\\Manual.txt");
    setup::CreateDesktopShortcut(kAppShortcut, panel);
    for (const auto& shortcut : Shortcuts()) ASSERT_TRUE(Exists(shortcut)) << Narrow(shortcut) << " was not made";
    setup::RegisterUninstall({setup::kUninstallKeyPath, L"Vorma Audio Center", L"\"" + Uninstaller() + L"\"",
                              Uninstaller(), L"1.0.0.0", L"Vorma Audio"});
    ASSERT_EQ(setup::RegisterAutostart(L"Vormapanel", setup::AutostartCommandLine(panel)), 0);
    ASSERT_EQ(setup::RegisterAutostart(L"VormaTestOtherProgram", L"\"C:\\other.exe\""), 0);
    ASSERT_EQ(setup::RegisterDriverService(L"Xafilt"), 0);
    WriteFile(SystemFolder() + L"drivers\\Xafilt.sys", "driver");
    for (const auto& name : LaunchValueNames()) SetRegistryString(setup::kSoftwareKey, name, L"\"" + panel + L"\"");
    for (const auto& name : FeatureDefaultNames()) SetRegistryDword(setup::kSoftwareKey, name, 1);
    SetRegistryDword(L"KVX 72xx Software\\EncValueMap", L"VID_1E4B&PID_7201", 20);
    SetRegistryString(L"KVX USB DeviceId Group", L"1", L"code");
    SetRegistryString(L"KVX HID DeviceId Group", L"1", L"code");
    // The real service program, registered and running as setup leaves it.
    ASSERT_TRUE(CopyFileW(test::HostPathToWindows(VORMA_HALVORN_EXE).c_str(), ServiceProgram().c_str(), FALSE));
    ASSERT_EQ(RunProgram(ServiceProgram(), L"/Service"), 0u);
    ASSERT_EQ(ControlTheService(L"Halvorn", kServiceControlStart, ServiceAccess::Setup), kServiceControlDone);
  }

  void TearDown() override {
    test::RemoveService(L"Halvorn");
    DeleteFileW(ServiceProgram().c_str());
    DeleteFileW((SystemFolder() + L"drivers\\Xafilt.sys").c_str());
    for (const wchar_t* key : {L"SYSTEM\\CurrentControlSet\\Services\\Xafilt", kSoftware, setup::kUninstallKeyPath,
                               L"SOFTWARE\\KVX USB DeviceId Group", L"SOFTWARE\\KVX HID DeviceId Group"})
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, key), RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
    for (const wchar_t* name : {L"Vormapanel", L"VormaTestOtherProgram"})
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, setup::kRunKeyPath, name);
    for (const auto& shortcut : Shortcuts()) DeleteFileW(shortcut.c_str());
    RemoveDirectoryW((programs_ + kMenuFolder).c_str());
    RemoveDirectoryW((programs_ + kManualFolder).c_str());
    RemoveDirectoryW((programs_ + L"Vorma").c_str());
  }

  void FillInstallFolder() {
    ASSERT_TRUE(CopyFileW((test::HostPathToWindows(VORMA_PRODUCT_DIR) + L"\\AudioConfig.cfg").c_str(),
                          (install_ + L"\\AudioConfig.cfg").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(test::HostPathToWindows(VORMA_UNINSTALL_EXE).c_str(), Uninstaller().c_str(), FALSE));
    WriteFile(install_ + L"\\Vormapanel.exe", "panel");
    CreateDirectoryW((install_ + L"\\Plugin").c_str(), nullptr);
    CreateDirectoryW((install_ + L"\\Plugin\\VormaEffect").c_str(), nullptr);
    WriteFile(install_ + L"\\Plugin\\VormaEffect\\VormaEffect.exe", "companion");
  }

  std::wstring Uninstaller() const { return install_ + L"\\Vormasetup.exe"; }
  std::wstring ServiceProgram() const { return SystemFolder() + L"Halvorn.exe"; }
  std::vector<std::wstring> Shortcuts() const {
    return {programs_ + kMenuFolder + L"\\" + kAppShortcut + L".lnk",
            programs_ + kMenuFolder + L"\\" + kUninstallShortcut + L".lnk",
            programs_ + kManualFolder + L"\\" + kManualShortcut + L".lnk", desktop_ + kAppShortcut + L".lnk"};
  }

  void ExpectEverythingRemoved() {
    EXPECT_FALSE(ServiceExists());
    EXPECT_FALSE(Exists(ServiceProgram()));
    EXPECT_FALSE(KeyExists(L"SYSTEM\\CurrentControlSet\\Services\\Xafilt"));
    EXPECT_FALSE(Exists(SystemFolder() + L"drivers\\Xafilt.sys"));
    for (const auto& name : LaunchValueNames()) EXPECT_FALSE(ValueExists(kSoftware, name)) << Narrow(name);
    for (const auto& name : FeatureDefaultNames()) EXPECT_FALSE(ValueExists(kSoftware, name));
    EXPECT_FALSE(KeyExists(std::wstring(kSoftware) + L"\\EncValueMap"));
    EXPECT_FALSE(KeyExists(L"SOFTWARE\\KVX USB DeviceId Group"));
    EXPECT_FALSE(KeyExists(L"SOFTWARE\\KVX HID DeviceId Group"));
    EXPECT_FALSE(ValueExists(setup::kRunKeyPath, L"Vormapanel"));
    EXPECT_FALSE(KeyExists(setup::kUninstallKeyPath));
    for (const auto& shortcut : Shortcuts()) EXPECT_FALSE(Exists(shortcut)) << Narrow(shortcut);
    EXPECT_FALSE(Exists(programs_ + L"Vorma"));
    EXPECT_FALSE(Exists(programs_ + kManualFolder));
    // The install folder goes once the uninstaller has ended, through its temporary copy.
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return !Exists(install_); }, kStepTimeoutMs)) << "install folder left";
  }

  void ExpectOthersKept() {
    EXPECT_TRUE(Exists(appData_.Path() + L"Vorma\\My Profile.ini"));
    EXPECT_TRUE(ValueExists(setup::kRunKeyPath, L"VormaTestOtherProgram"));
    EXPECT_TRUE(Exists(programs_));
    EXPECT_TRUE(Exists(desktop_));
  }

  test::TempFolder parent_;
  std::wstring install_ = parent_.Path() + L"Vorma";
  std::wstring programs_;
  std::wstring desktop_;
  test::TempFolder appData_;
  test::ScopedEnvironmentVariable appDataVariable_{L"APPDATA", appData_.Path().substr(0, appData_.Path().size() - 1)};
};

TEST_F(InstalledProduct, SilentUninstallRemovesWhatSetupWroteAndKeepsTheRest) {
  // A value some other program keeps in the shared key keeps the key.
  SetRegistryDword(setup::kSoftwareKey, L"VormaTestForeign", 7);
  ASSERT_EQ(RunProgram(Uninstaller(), L"/S"), 0u);
  ExpectEverythingRemoved();
  ExpectOthersKept();
  EXPECT_TRUE(ValueExists(kSoftware, L"VormaTestForeign"));
}

TEST_F(InstalledProduct, ASecondRunFindsNothingAndEndsCleanly) {
  ASSERT_EQ(RunProgram(Uninstaller(), L"/S"), 0u);
  ExpectEverythingRemoved();
  EXPECT_FALSE(KeyExists(kSoftware)) << "the emptied shared key stays";
  ASSERT_TRUE(CreateDirectoryW(install_.c_str(), nullptr));
  FillInstallFolder();
  ASSERT_EQ(RunProgram(Uninstaller(), L"/S"), 0u);
  ExpectEverythingRemoved();
  ExpectOthersKept();
}

TEST_F(InstalledProduct, DecliningTheConfirmationRemovesNothing) {
  DWORD exitCode = 0xdeadbeef;
  std::wstring text;
  std::thread runner([&] { exitCode = RunProgram(Uninstaller(), L""); });
  test::PumpMessagesUntil(
      [&] {
        for (HWND box : test::ForeignWindows(L"#32770", L"Uninstall Vorma Audio Center")) {
          text = test::BoxText(box);
          if (!text.empty()) PostMessageW(box, WM_COMMAND, IDNO, 0);
        }
        return !text.empty();
      },
      kStepTimeoutMs);
  runner.join();
  EXPECT_EQ(text, L"Do you want to remove Vorma Audio Center and all of its components?");
  EXPECT_EQ(exitCode, 1u);
  EXPECT_TRUE(ServiceExists());
  EXPECT_TRUE(ValueExists(setup::kRunKeyPath, L"Vormapanel"));
  EXPECT_TRUE(KeyExists(setup::kUninstallKeyPath));
  EXPECT_TRUE(Exists(Uninstaller()));
  for (const auto& shortcut : Shortcuts()) EXPECT_TRUE(Exists(shortcut)) << Narrow(shortcut);
}

TEST(LooksLikeInstallFolder, RefusesRootsAndFoldersWithoutTheConfiguration) {
  test::TempFolder folder;
  const std::wstring path = folder.Path().substr(0, folder.Path().size() - 1);
  EXPECT_FALSE(LooksLikeInstallFolder(path));
  folder.WriteBytes(L"AudioConfig.cfg", "[Install]\r\n");
  EXPECT_TRUE(LooksLikeInstallFolder(path));
  for (const wchar_t* root : {L"", L"C:", L"C:\\", L"\\\\server\\share", L"\\\\server\\share\\"})
    EXPECT_FALSE(LooksLikeInstallFolder(root));
}

}  // namespace
}  // namespace vorma::uninstall
