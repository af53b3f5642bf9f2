// The real Halvorn.exe under Wine's service control manager: its registration run, the panel it
// starts for the panel's controls on the virtual device, and what it does with bad launch values
// and controls it does not know. The service's and the panel's debug lines are read from the
// system's debug buffer, since neither runs under this test as a debugger.

#include "foundation/UniqueHandles.h"
#include "outside/virtual72xx/VirtualHost.h"
#include "panel/startup/ServiceControl.h"
#include "tests/mainwindow/PanelHarness.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/DebugBufferListener.h"
#include "tests/support/TestServices.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace vorma {
namespace {

constexpr DWORD kStepTimeoutMs = 30000;
constexpr wchar_t kLaunchKey[] = L"SOFTWARE\\KVX 72xx Software";

std::wstring ServiceProgram() { return test::HostPathToWindows(VORMA_HALVORN_EXE); }

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Runs "Halvorn.exe /Service" as setup does and returns its exit code (0xdeadbeef: no run).
DWORD RunRegistration() {
  std::wstring line = L"\"" + ServiceProgram() + L"\" /Service";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 0xdeadbeef;
  const UniqueHandle thread(process.hThread);
  const UniqueHandle handle(process.hProcess);
  // Setup allows the registration run 100 s.
  if (WaitForSingleObject(handle.get(), 100000) != WAIT_OBJECT_0) return 0xdeadbeef;
  DWORD exitCode = 0xdeadbeef;
  GetExitCodeProcess(handle.get(), &exitCode);
  return exitCode;
}

struct ServiceConfig {
  DWORD type = 0;
  DWORD startType = 0;
  std::wstring binaryPath;
  std::wstring description;
};

ServiceConfig QueryConfig() {
  ServiceConfig config;
  const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  const UniqueServiceHandle service(manager ? OpenServiceW(manager.get(), L"Halvorn", SERVICE_QUERY_CONFIG) : nullptr);
  if (!service) return config;
  std::vector<BYTE> buffer(8192);
  DWORD needed = 0;
  if (QueryServiceConfigW(service.get(), reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data()),
                          static_cast<DWORD>(buffer.size()), &needed)) {
    const auto* q = reinterpret_cast<const QUERY_SERVICE_CONFIGW*>(buffer.data());
    config.type = q->dwServiceType;
    config.startType = q->dwStartType;
    config.binaryPath = q->lpBinaryPathName ? q->lpBinaryPathName : L"";
  }
  if (QueryServiceConfig2W(service.get(), SERVICE_CONFIG_DESCRIPTION, buffer.data(), static_cast<DWORD>(buffer.size()),
                           &needed)) {
    const auto* d = reinterpret_cast<const SERVICE_DESCRIPTIONW*>(buffer.data());
    config.description = d->lpDescription ? d->lpDescription : L"";
  }
  return config;
}

class HalvornServiceTest : public testing::Test {
protected:
  void SetUp() override {
    test::RemoveService(L"Halvorn");
    DeleteLaunchValues();
    ASSERT_TRUE(listener_.Listening()) << "another debug-output viewer runs";
    ASSERT_EQ(host_.Start(), 0u);
    folder_.AddSdk(VORMA_SDK_DLL);
    folder_.AddProductContent(VORMA_PRODUCT_DIR);
  }

  void TearDown() override {
    for (HWND window : test::PanelMainWindows()) PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(test::PumpMessagesUntil([] { return test::PanelMainWindows().empty(); }, kStepTimeoutMs));
    test::RemoveService(L"Halvorn");
    DeleteLaunchValues();
  }

  // The shipped setup is 32-bit: its values lie in the 32-bit view.
  static void WriteLaunchValue(const wchar_t* name, const std::wstring& text) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kLaunchKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr,
                              &opened, nullptr),
              ERROR_SUCCESS);
    const UniqueRegKey key(opened);
    ASSERT_EQ(RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }

  // From both views: the service falls back to the 64-bit one, where a 64-bit setup (another
  // test's) leaves its values.
  static void DeleteLaunchValue(const wchar_t* name) {
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      HKEY opened = nullptr;
      if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLaunchKey, 0, KEY_SET_VALUE | view, &opened) != ERROR_SUCCESS) continue;
      const UniqueRegKey key(opened);
      RegDeleteValueW(key.get(), name);
    }
  }

  static void DeleteLaunchValues() {
    DeleteLaunchValue(L"UserPrivilegeExecution_C0");
    DeleteLaunchValue(L"SystemPrivilegeExecutionOnBoot_C3");
  }

  void RegisterAndStart() {
    ASSERT_EQ(RunRegistration(), 0u);
    ASSERT_EQ(ControlTheService(L"Halvorn", kServiceControlStart, ServiceAccess::Setup), kServiceControlDone);
    ASSERT_NE(listener_.WaitForLine("===== Halvorn running =====", kStepTimeoutMs), 0u);
  }

  std::wstring PanelCommand(const wchar_t* flag) const { return L"\"" + folder_.Exe() + L"\" " + flag; }

  DWORD ServiceState() const {
    const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    const UniqueServiceHandle service(manager ? OpenServiceW(manager.get(), L"Halvorn", SERVICE_QUERY_STATUS) : nullptr);
    SERVICE_STATUS status{};
    return service && QueryServiceStatus(service.get(), &status) ? status.dwCurrentState : 0;
  }

  HWND WaitForPanelWindow() const {
    HWND window = nullptr;
    test::PumpMessagesUntil(
        [&] {
          const auto windows = test::PanelMainWindows();
          window = windows.empty() ? nullptr : windows.front();
          return window != nullptr;
        },
        kStepTimeoutMs);
    return window;
  }

  bool WaitJournal(std::string_view fragment) {
    return test::PumpMessagesUntil(
        [&] {
          std::vector<std::string> lines;
          client_.ReadJournal(device_, lines, false);
          for (const auto& line : lines)
            if (line.find(fragment) != std::string::npos) return true;
          return false;
        },
        kStepTimeoutMs);
  }

  void Plug() { ASSERT_EQ(client_.Plug({}, device_), 0u); }

  test::DebugBufferListener listener_;
  virtual72xx::VirtualHost host_;
  virtual72xx::Virtual72xxClient client_ = host_.Client();
  virtual72xx::DeviceNumber device_ = 0;
  test::PanelFolder folder_{VORMA_PANEL_EXE};
};

TEST_F(HalvornServiceTest, RegistersItselfAndUpdatesItsRegistration) {
  ASSERT_EQ(RunRegistration(), 0u);
  ServiceConfig config = QueryConfig();
  EXPECT_EQ(config.type, static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS));
  EXPECT_EQ(config.startType, static_cast<DWORD>(SERVICE_AUTO_START));
  EXPECT_EQ(config.binaryPath, L"\"" + ServiceProgram() + L"\"");
  EXPECT_FALSE(config.description.empty());
  EXPECT_EQ(ServiceState(), static_cast<DWORD>(SERVICE_STOPPED));  // registered, not started

  {  // A registration someone changed since.
    const UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    const UniqueServiceHandle service(OpenServiceW(manager.get(), L"Halvorn", SERVICE_CHANGE_CONFIG));
    ASSERT_TRUE(service);
    ASSERT_TRUE(ChangeServiceConfigW(service.get(), SERVICE_NO_CHANGE, SERVICE_DEMAND_START, SERVICE_NO_CHANGE,
                                     L"C:\\elsewhere\\Halvorn.exe", nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr));
  }
  ASSERT_EQ(RunRegistration(), 0u);
  config = QueryConfig();
  EXPECT_EQ(config.startType, static_cast<DWORD>(SERVICE_AUTO_START));
  EXPECT_EQ(config.binaryPath, L"\"" + ServiceProgram() + L"\"");
}

TEST_F(HalvornServiceTest, Control193StartsThePanelWhichOutlivesTheService) {
  const test::UserEnvironmentValue deviceSelection(L"VORMA_DEVICE", L"virtual");
  const test::UserEnvironmentValue pipe(L"VORMA_VIRTUAL72XX_PIPE", host_.PipeName());
  Plug();
  WriteLaunchValue(L"UserPrivilegeExecution_C0", PanelCommand(L"-servicestart"));
  RegisterAndStart();

  // What a plain start of the panel sends.
  ASSERT_EQ(ControlTheService(L"Halvorn", 193), kServiceControlDone);
  const HWND window = WaitForPanelWindow();
  ASSERT_NE(window, nullptr) << "the service started no panel";
  const DWORD panelProcess = listener_.WaitForLine("ParamStr(1) = -servicestart", kStepTimeoutMs);
  EXPECT_NE(panelProcess, 0u);
  EXPECT_TRUE(listener_.Contains("##### Launched = " + Narrow(PanelCommand(L"-servicestart"))));
  EXPECT_TRUE(WaitJournal("DLLQZ_SetActive_Device")) << "the panel did not activate the virtual device";
  EXPECT_NE(listener_.WaitForLine("FormActivate", kStepTimeoutMs), 0u);
  EXPECT_TRUE(test::PumpMessagesUntil([&] { return IsWindowVisible(window) != FALSE; }, kStepTimeoutMs));
  EXPECT_FALSE(listener_.Contains("ParamStr(1) = -serviceboot"));

  ASSERT_EQ(ControlTheService(L"Halvorn", kServiceControlStop, ServiceAccess::Setup), kServiceControlDone);
  EXPECT_EQ(ServiceState(), static_cast<DWORD>(SERVICE_STOPPED));
  EXPECT_TRUE(IsWindow(window)) << "stopping the service ended the panel";
  EXPECT_TRUE(test::WaitUntilHandled(window, kStepTimeoutMs));
}

TEST_F(HalvornServiceTest, Control196StartsThePanelIntoTheTray) {
  const test::UserEnvironmentValue deviceSelection(L"VORMA_DEVICE", L"virtual");
  const test::UserEnvironmentValue pipe(L"VORMA_VIRTUAL72XX_PIPE", host_.PipeName());
  Plug();
  WriteLaunchValue(L"SystemPrivilegeExecutionOnBoot_C3", PanelCommand(L"-serviceboot"));
  RegisterAndStart();

  ASSERT_EQ(ControlTheService(L"Halvorn", 196), kServiceControlDone);
  const HWND window = WaitForPanelWindow();
  ASSERT_NE(window, nullptr) << "the service started no panel";
  EXPECT_NE(listener_.WaitForLine("ParamStr(1) = -serviceboot", kStepTimeoutMs), 0u);
  // On its first activation the panel minimises itself into the tray.
  EXPECT_NE(listener_.WaitForLine("FormActivate", kStepTimeoutMs), 0u);
  EXPECT_TRUE(test::PumpMessagesUntil([&] { return IsIconic(window) || !IsWindowVisible(window); }, kStepTimeoutMs));
  EXPECT_TRUE(WaitJournal("DLLQZ_SetActive_Device"));
}

// Each control reads its value again, so one running service sees every case in turn.
TEST_F(HalvornServiceTest, BadLaunchValuesAndUnknownControlsLeaveTheServiceRunning) {
  RegisterAndStart();
  const std::wstring missingProgram = L"\"" + folder_.Path() + L"No Such Folder\\Vormapanel.exe\" -servicestart";
  struct Case {
    const char* name;
    const wchar_t* valueText;  // C0 before the control; null: no value
    unsigned control;
    std::string logged;
  };
  const Case cases[] = {
      {"value missing", nullptr, 193, "***** Launch value UserPrivilegeExecution_C0 missing FAIL! *****"},
      {"program missing", missingProgram.c_str(), 193, "***** Launch program missing: "},
      {"quote not closed", L"\"C:\\Vorma\\Vormapanel.exe -servicestart", 193,
       "***** Launch value UserPrivilegeExecution_C0 is no command line FAIL! *****"},
      {"boot value missing", nullptr, 196, "***** Launch value SystemPrivilegeExecutionOnBoot_C3 missing FAIL! *****"},
      {"unknown control", nullptr, 200, "***** Halvorn control 200 unknown: refused *****"},
      {"install probe", nullptr, 128, "===== Halvorn control 128 ====="},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.valueText)
      WriteLaunchValue(L"UserPrivilegeExecution_C0", c.valueText);
    else
      DeleteLaunchValue(L"UserPrivilegeExecution_C0");
    ASSERT_EQ(ControlTheService(L"Halvorn", c.control), kServiceControlDone);
    EXPECT_NE(listener_.WaitForLine(c.logged, kStepTimeoutMs), 0u);
    EXPECT_EQ(ServiceState(), static_cast<DWORD>(SERVICE_RUNNING));
  }
  EXPECT_FALSE(listener_.Contains("##### Launched = "));
  EXPECT_TRUE(test::PanelMainWindows().empty());
  // Still answering: it stops on request.
  EXPECT_EQ(ControlTheService(L"Halvorn", kServiceControlStop, ServiceAccess::Setup), kServiceControlDone);
}

}  // namespace
}  // namespace vorma
