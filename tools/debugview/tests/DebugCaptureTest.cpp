#include "foundation/UniqueHandles.h"
#include "tests/support/BuildTreePaths.h"
#include "tools/debugview/DebugCapture.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace vorma {
namespace {

constexpr DWORD kRunTimeoutMs = 60000;

std::wstring EmitterPath() { return test::HostPathToWindows(VORMA_DEBUG_EMITTER_EXE); }

struct CapturedRun {
  unsigned result = 0xdeadbeef;
  DWORD exitCode = 0xdeadbeef;
  std::vector<std::wstring> strings;
};

CapturedRun RunEmitter(const std::vector<std::wstring>& items, DWORD timeoutMs = kRunTimeoutMs) {
  std::vector<std::wstring> arguments{EmitterPath()};
  arguments.insert(arguments.end(), items.begin(), items.end());
  CapturedRun run;
  run.result = RunCapturingDebugOutput(
      BuildCommandLine(arguments), [&](std::wstring_view text) { run.strings.emplace_back(text); }, run.exitCode,
      timeoutMs);
  return run;
}

TEST(DebugCapture, ReadsEightBitAndWideStringsInOrderAndTheExitCode) {
  const CapturedRun run = RunEmitter({L"7", L"w:first line\n", L"a:second line\n", L"x:", L"w:last, no line break"});
  EXPECT_EQ(run.result, kDebugCaptureDone);
  EXPECT_EQ(run.exitCode, 7u);
  const std::vector<std::wstring> expected = {L"first line\n", L"second line\n", L"exception handled",
                                              L"last, no line break"};
  EXPECT_EQ(run.strings, expected);
}

TEST(DebugCapture, ProgramThatCannotStart) {
  DWORD exitCode = 0xdeadbeef;
  EXPECT_EQ(RunCapturingDebugOutput(L"\"C:\\no such folder\\missing.exe\"", [](std::wstring_view) {}, exitCode),
            kDebugCaptureStartFailed);
  EXPECT_EQ(exitCode, 0xdeadbeefu);
}

TEST(DebugCapture, ProgramOutlivingTheTimeOutIsEnded) {
  const CapturedRun run = RunEmitter({L"0", L"w:before", L"s:600000", L"w:after"}, 2000);
  EXPECT_EQ(run.result, kDebugCaptureTimedOut);
  EXPECT_EQ(run.strings, std::vector<std::wstring>{L"before"});
}

TEST(CommandLineQuoting, ArgumentsSurviveTheProgramsParsing) {
  const std::vector<std::wstring> arguments = {
      L"program.exe", L"plain", L"two words", L"", L"quote\"inside", L"trailing\\", L"dir with space\\",
      L"back\\\\slashes \"and\" quotes\\", L"tab\there", L"C:\\Program Files\\Vorma\\Vormapanel.exe"};
  const std::wstring commandLine = BuildCommandLine(arguments);
  int count = 0;
  wchar_t** parsed = CommandLineToArgvW(commandLine.c_str(), &count);
  ASSERT_NE(parsed, nullptr);
  const std::vector<std::wstring> roundTrip(parsed, parsed + count);
  LocalFree(parsed);
  EXPECT_EQ(roundTrip, arguments) << commandLine.size();
  EXPECT_EQ(QuoteCommandLineArgument(L"plain"), L"plain");  // nothing to protect: left as it is
}

// The console tool, as the README runs it: the program's debug strings one per line on standard
// output, and the program's exit code.
struct ToolRun {
  DWORD exitCode = 0xdeadbeef;
  std::string output;
};

ToolRun RunTool(const std::vector<std::wstring>& arguments) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  UniqueHandle readEnd, writeEnd;
  ToolRun run;
  if (!CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 1 << 16)) return run;
  SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

  std::vector<std::wstring> commandArguments{test::HostPathToWindows(VORMA_DEBUGVIEW_EXE)};
  commandArguments.insert(commandArguments.end(), arguments.begin(), arguments.end());
  std::wstring commandLine = BuildCommandLine(commandArguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd.get();
  startup.hStdError = writeEnd.get();
  PROCESS_INFORMATION created{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &created))
    return run;
  const UniqueHandle process(created.hProcess), thread(created.hThread);
  writeEnd.reset();
  if (WaitForSingleObject(process.get(), kRunTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    return run;
  }
  GetExitCodeProcess(process.get(), &run.exitCode);
  // The output is far smaller than the pipe, so it is all there once the tool has ended.
  DWORD available = 0;
  if (PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    run.output.resize(available);
    DWORD read = 0;
    ReadFile(readEnd.get(), run.output.data(), available, &read, nullptr);
    run.output.resize(read);
  }
  return run;
}

TEST(VormaDebugView, PrintsEachDebugStringOnItsOwnLineAndEndsWithTheProgramsExitCode) {
  const ToolRun run =
      RunTool({EmitterPath(), L"5", L"w:first\n", L"a:no line break", L"w:", L"w:two words \"quoted\"\n"});
  EXPECT_EQ(run.exitCode, 5u);
  EXPECT_EQ(run.output, "first\nno line break\ntwo words \"quoted\"\n");
}

TEST(VormaDebugView, ProgramThatCannotStart) {
  const ToolRun run = RunTool({L"C:\\no such folder\\missing.exe"});
  EXPECT_EQ(run.exitCode, 127u);
  EXPECT_NE(run.output.find("VormaDebugView: cannot start C:\\no such folder\\missing.exe"), std::string::npos);
}

}  // namespace
}  // namespace vorma
