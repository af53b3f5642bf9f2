// The real Vormapanel.exe, run under the debug capture: what each kind of start asks of the
// background service, and the single-instance rule.

#include "foundation/UniqueHandles.h"
#include "panel/startup/ServiceControl.h"
#include "panel/startup/SingleInstance.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestServices.h"
#include "tests/support/TestWindows.h"
#include "tools/debugview/DebugCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

namespace vorma {
namespace {

constexpr DWORD kRunTimeoutMs = 60000;
// The first line the main window writes once its forms exist.
constexpr wchar_t kNoWindowLine[] = L"FormCreate";
constexpr wchar_t kSecondInstanceLine[] = L"===== Another panel instance runs: activating its window =====\n";

std::wstring PanelPath() { return test::HostPathToWindows(VORMA_PANEL_EXE); }

bool MutexExists() { return static_cast<bool>(UniqueHandle(OpenMutexW(SYNCHRONIZE, FALSE, kSingleInstanceMutexName))); }

struct PanelRun {
  unsigned result = 0xdeadbeef;
  DWORD exitCode = 0xdeadbeef;
  std::vector<std::wstring> strings;

  // The debug strings without the failure reports of Win32 calls, which carry system texts.
  std::vector<std::wstring> Milestones() const {
    std::vector<std::wstring> kept;
    for (const auto& s : strings)
      if (!s.starts_with(L"*****")) kept.push_back(s);
    return kept;
  }
  bool Wrote(std::wstring_view text) const { return std::find(strings.begin(), strings.end(), text) != strings.end(); }
};

// The handler runs while the panel is stopped at its debug string.
PanelRun RunPanel(const std::wstring& program, const std::vector<std::wstring>& arguments,
                  const std::function<void(std::wstring_view)>& alsoOnString = {}) {
  std::vector<std::wstring> commandArguments{program};
  commandArguments.insert(commandArguments.end(), arguments.begin(), arguments.end());
  PanelRun run;
  run.result = RunCapturingDebugOutput(
      BuildCommandLine(commandArguments),
      [&](std::wstring_view text) {
        run.strings.emplace_back(text);
        if (alsoOnString) alsoOnString(text);
      },
      run.exitCode, kRunTimeoutMs);
  return run;
}

// The same, while this thread keeps its windows answering (the panel talks to them).
PanelRun RunPanelPumpingMessages(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  PanelRun run;
  std::atomic<bool> finished = false;
  std::thread runner([&] {
    run = RunPanel(program, arguments);
    finished = true;
  });
  test::PumpMessagesUntil([&] { return finished.load(); }, kRunTimeoutMs + 10000);
  runner.join();
  return run;
}

TEST(PanelRequest, WithoutTheServiceReportsTheFailureAndEnds) {
  test::RemoveService(kBackgroundServiceName);
  // Looked for at every line the panel writes, up to its last: a plain request never takes it.
  bool mutexSeen = false;
  size_t linesLooked = 0;
  const PanelRun run = RunPanel(PanelPath(), {}, [&](std::wstring_view) {
    mutexSeen = mutexSeen || MutexExists();
    ++linesLooked;
  });
  EXPECT_EQ(run.result, kDebugCaptureDone);
  EXPECT_EQ(run.exitCode, 0u);
  const std::vector<std::wstring> expected = {L"ParamStr(0) = " + PanelPath() + L"\n",
                                              L"===== Service Control Execution no service =====\n",
                                              L"ControlTheService ret = 2\n"};
  EXPECT_EQ(run.Milestones(), expected);
  EXPECT_EQ(linesLooked, run.strings.size());
  EXPECT_FALSE(mutexSeen);
  EXPECT_FALSE(run.Wrote(kNoWindowLine));
}

struct RequestCase {
  const char* name;
  std::vector<std::wstring> arguments;
  const char* controlReceived;
  const wchar_t* milestone;
};

class PanelRequestToService : public testing::TestWithParam<RequestCase> {};

TEST_P(PanelRequestToService, SendsTheControlAndEnds) {
  test::TestService service(kBackgroundServiceName);
  ASSERT_TRUE(service.Registered());
  ASSERT_TRUE(service.StartAndWaitRunning());

  const PanelRun run = RunPanel(PanelPath(), GetParam().arguments);
  EXPECT_EQ(run.result, kDebugCaptureDone);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(service.WaitForRecord(GetParam().controlReceived));
  EXPECT_EQ(service.Record(), (std::vector<std::string>{"started", "running", GetParam().controlReceived}));
  const auto milestones = run.Milestones();
  ASSERT_GE(milestones.size(), 2u);
  EXPECT_EQ(milestones[milestones.size() - 2], GetParam().milestone);
  EXPECT_EQ(milestones.back(), L"ControlTheService ret = 0\n");
  EXPECT_FALSE(run.Wrote(kNoWindowLine));
}

const RequestCase kRequestCases[] = {
    {"NoArguments", {}, "control 193", L"===== Service Control Execution no service =====\n"},
    {"Boot", {L"-boot"}, "control 196", L"===== Service Control Execution -boot =====\n"},
    {"BootInCapitalsBeforeServiceStart", {L"-BOOT", L"-servicestart"}, "control 196",
     L"===== Service Control Execution -boot =====\n"},
    {"UnknownAndEmptyArguments", {L"", L"-start"}, "control 193",
     L"===== Service Control Execution no service =====\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, PanelRequestToService, testing::ValuesIn(kRequestCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PanelRequest, BootWritesEveryArgumentBeforeTheRequest) {
  test::RemoveService(kBackgroundServiceName);
  const PanelRun run = RunPanel(PanelPath(), {L"-Boot", L"-servicestart"});
  const std::vector<std::wstring> expected = {L"ParamStr(0) = " + PanelPath() + L"\n",
                                              L"ParamStr(1) = -Boot\n",
                                              L"ParamStr(2) = -servicestart\n",
                                              L"-boot",
                                              L"===== Service Control Execution -boot =====\n",
                                              L"ControlTheService ret = 2\n"};
  EXPECT_EQ(run.Milestones(), expected);
}

TEST(ServiceLaunchedPanel, TakesTheSingleInstanceMutex) {
  ASSERT_FALSE(MutexExists());
  bool mutexHeldWhenFormsStart = false;
  const PanelRun run = RunPanel(PanelPath(), {L"-SERVICESTART"}, [&](std::wstring_view text) {
    if (text != kNoWindowLine) return;
    mutexHeldWhenFormsStart = MutexExists();
    // The panel now runs its window until it is closed.
    const HWND window = FindWindowW(L"VormaForm", L"Vormapanel");
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.result, kDebugCaptureDone);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(mutexHeldWhenFormsStart);
  const std::vector<std::wstring> expected = {L"ParamStr(0) = " + PanelPath() + L"\n",
                                              L"ParamStr(1) = -SERVICESTART\n", L"-servicestart"};
  const auto milestones = run.Milestones();
  ASSERT_GE(milestones.size(), expected.size());
  EXPECT_EQ(std::vector<std::wstring>(milestones.begin(), milestones.begin() + 3), expected);
  EXPECT_TRUE(run.Wrote(kNoWindowLine));
  EXPECT_FALSE(MutexExists());  // the process has ended, and with it the mutex
}

// A panel that "runs": the mutex held by this test process and the application window it shows.
class SecondInstance : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(MutexExists());
    mutex_.reset(CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName));
    ASSERT_TRUE(mutex_);
    ASSERT_TRUE(CopyFileW(PanelPath().c_str(), folder_.File(L"Vormapanel.exe").c_str(), FALSE));
  }

  void WriteTitle(const std::string& title) {
    folder_.WriteBytes(L"AudioConfig.cfg", "[Install]\r\nInstallAppTitle=" + title + "\r\n");
  }

  PanelRun RunSecondInstance() {
    PanelRun run = RunPanelPumpingMessages(folder_.File(L"Vormapanel.exe"), {L"-servicestart"});
    EXPECT_EQ(run.result, kDebugCaptureDone);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.Wrote(kSecondInstanceLine));
    EXPECT_FALSE(run.Wrote(kNoWindowLine));
    return run;
  }

  static UniqueWindow MinimisedApplicationWindow(const std::wstring& caption) {
    UniqueWindow window = test::CreateApplicationWindow(caption);
    if (window) ShowWindow(window.get(), SW_MINIMIZE);
    return window;
  }

  test::TempFolder folder_;
  UniqueHandle mutex_;
};

TEST_F(SecondInstance, RestoresTheMinimisedPanelWithItsTitleOnly) {
  WriteTitle("Vorma Second Instance Test");
  const UniqueWindow other = MinimisedApplicationWindow(L"Vorma Other Program");
  const UniqueWindow panel = MinimisedApplicationWindow(L"Vorma Second Instance Test");
  ASSERT_TRUE(other && panel);
  ASSERT_TRUE(IsIconic(panel.get()) && IsIconic(other.get()));

  RunSecondInstance();
  EXPECT_TRUE(test::PumpMessagesUntil([&] { return !IsIconic(panel.get()); }, 10000));
  EXPECT_TRUE(IsIconic(other.get()));
}

TEST_F(SecondInstance, RaisesThePanelToTheForeground) {
  WriteTitle("Vorma Foreground Test");
  const UniqueWindow panel = test::CreateApplicationWindow(L"Vorma Foreground Test");
  const UniqueWindow front = test::CreateApplicationWindow(L"Vorma Window In Front");
  ASSERT_TRUE(panel && front);
  SetForegroundWindow(front.get());
  ASSERT_TRUE(test::PumpMessagesUntil([&] { return GetForegroundWindow() == front.get(); }, 10000));

  RunSecondInstance();
  EXPECT_TRUE(test::PumpMessagesUntil([&] { return GetForegroundWindow() == panel.get(); }, 10000));
  EXPECT_FALSE(IsIconic(panel.get()));
}

TEST_F(SecondInstance, WithoutATitleTouchesNoWindow) {
  const UniqueWindow untitled = MinimisedApplicationWindow(L"");
  ASSERT_TRUE(untitled);

  const PanelRun run = RunSecondInstance();
  EXPECT_TRUE(run.Wrote(L"***** The running panel's window was not found *****\n"));
  EXPECT_TRUE(IsIconic(untitled.get()));
}

}  // namespace
}  // namespace vorma
