#include "foundation/DeviceIdManager.h"
#include "foundation/UniqueHandles.h"
#include "foundation/tests/DeviceIdFixture.h"
#include "tests/support/TestFiles.h"
#include "tools/deviceid/DeviceIdEntry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace vorma {
namespace {

using test::Widen;

const std::string kUsbPattern = "USB\\VID_1E4B&PID_72XX&REV_0100&MI_00";
const std::string kHidPattern = "HID\\VID_1E4B&PID_72XX&MI_03";

struct ToolRun {
  DWORD exitCode = 0xDEADBEEF;
  std::string out;
  std::string err;
};

// Quotes an argument so that the C runtime's command-line parser gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

UniqueHandle OpenInheritable(const std::wstring& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  return UniqueHandle(
      CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition, 0, nullptr));
}

// Runs DeviceIdCodeGen.exe with the arguments and standard input; output and errors go to files, so a
// long output can never block the program.
ToolRun RunTool(const std::vector<std::wstring>& arguments, const std::string& input = "") {
  ToolRun run;
  test::TempFolder folder;
  const std::wstring program = test::ProgramFolder() + L"DeviceIdCodeGen.exe";
  std::wstring commandLine = QuoteArgument(program);
  for (const auto& argument : arguments) commandLine += L" " + QuoteArgument(argument);
  {
    UniqueHandle in = OpenInheritable(folder.WriteBytes(L"in.txt", input), GENERIC_READ, OPEN_EXISTING);
    UniqueHandle out = OpenInheritable(folder.File(L"out.txt"), GENERIC_WRITE, CREATE_ALWAYS);
    UniqueHandle err = OpenInheritable(folder.File(L"err.txt"), GENERIC_WRITE, CREATE_ALWAYS);
    EXPECT_TRUE(in && out && err);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info)) {
      ADD_FAILURE() << "cannot start DeviceIdCodeGen.exe, error " << GetLastError();
      return run;
    }
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "DeviceIdCodeGen.exe did not end";
      TerminateProcess(process.get(), 99);
      WaitForSingleObject(process.get(), 5000);
    }
    GetExitCodeProcess(process.get(), &run.exitCode);
  }
  run.out = test::ReadFileBytes(folder.File(L"out.txt"));
  run.err = test::ReadFileBytes(folder.File(L"err.txt"));
  return run;
}

std::string EntryLines(const test::DeviceIdFixture& fixture, const std::vector<std::string>& patterns) {
  std::string lines;
  for (const auto& pattern : patterns) lines += pattern + "," + fixture.CodeOf(pattern) + "\r\n";
  return lines;
}

TEST(DeviceIdCodeGen, PrintsTheOpenSslFixtureEntriesForPatternArguments) {
  const auto fixture = test::ReadDeviceIdFixture();
  std::vector<std::wstring> arguments;
  std::vector<std::string> patterns;
  for (const auto& entry : fixture.entries) {
    arguments.push_back(Widen(entry.text));
    patterns.push_back(entry.text);
  }
  const ToolRun run = RunTool(arguments);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.out, EntryLines(fixture, patterns));
  EXPECT_EQ(run.err, "");
}

TEST(DeviceIdCodeGen, NumberedKeysPasteIntoASectionThePanelAccepts) {
  const auto fixture = test::ReadDeviceIdFixture();
  std::vector<std::wstring> arguments = {L"--keys"};
  std::map<std::wstring, std::wstring> expected;
  for (const auto& entry : fixture.entries) {
    arguments.push_back(Widen(entry.text));
    expected.emplace(Widen(entry.text), Widen(entry.code));
  }
  const ToolRun run = RunTool(arguments);
  ASSERT_EQ(run.exitCode, 0u) << run.err;
  EXPECT_EQ(run.out.substr(0, 2), "1=");

  test::TempFolder folder;
  CDeviceIdMgr manager;
  EXPECT_EQ(manager.LoadFromConfig(folder.WriteBytes(L"AudioConfig.cfg", "[HID_VID_PID]\r\n" + run.out),
                                   kHidDeviceIdSection),
            kDeviceIdConfigLoaded);
  EXPECT_EQ(manager.RawEntries().size(), fixture.entries.size());
  EXPECT_EQ(manager.Entries(), expected);
  EXPECT_TRUE(manager.Matches(L"HID\\VID_1E4B&PID_721F&MI_03"));
}

TEST(DeviceIdCodeGen, ReadsOnePatternPerLineFromStandardInput) {
  const auto fixture = test::ReadDeviceIdFixture();
  const ToolRun run = RunTool({L"-"}, "  " + kUsbPattern + "  \r\n\r\n   \n" + kHidPattern);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.out, EntryLines(fixture, {kUsbPattern, kHidPattern}));
  EXPECT_EQ(run.err, "");
}

TEST(DeviceIdCodeGen, HelpGoesToStandardOutput) {
  const ToolRun run = RunTool({L"--help"});
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_NE(run.out.find("Usage: DeviceIdCodeGen [--keys] PATTERN..."), std::string::npos);
}

TEST(DeviceIdCodeGen, BadInputGivesItsExitCodeAndPrintsNoEntry) {
  const std::wstring usb = Widen(kUsbPattern);
  struct BadInputCase {
    std::vector<std::wstring> arguments;
    std::string input;
    DWORD exitCode;
    std::string message;
  };
  const std::vector<BadInputCase> cases = {
      {{}, "", 2, "no pattern given"},
      {{L"--bogus", usb}, "", 2, "unknown option"},
      {{L"-", usb}, kUsbPattern, 2, "not both"},
      {{usb, L"USB\\VID_1E4B,PID_72XX"}, "", 1, "argument 2 \"USB\\VID_1E4B,PID_72XX\": only printable ASCII"},
      {{L""}, "", 1, "argument 1 \"\": the pattern is empty"},
      {{usb + L"\x00E9"}, "", 1, "only printable ASCII"},
      {{std::wstring(435, L'X')}, "", 1, "too long"},
      {{L"-"}, kUsbPattern + "\nHID\\VID_1E4B\t&PID_72XX\n", 1, "line 2 \"HID\\VID_1E4B?&PID_72XX\""},
      {{L"-"}, "\r\n  \r\n", 1, "no pattern on standard input"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const ToolRun run = RunTool(c.arguments, c.input);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    if (c.exitCode == 2) {
      EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
  }
}

TEST(DeviceIdEntry, RefusesPatternsThePanelCouldNotReadBack) {
  const auto fixture = test::ReadDeviceIdFixture();
  struct EntryCase {
    std::wstring pattern;
    int expected;
    std::string entry;  // expected entry, or "untouched"
  };
  // The longest pattern whose entry still fits a registry value of 1023 characters: 434 characters
  // encrypt to 440 bytes, 588 Base64 characters.
  const std::string longest(434, 'X');
  std::string longestEntry;
  ASSERT_EQ(MakeDeviceIdEntry(Widen(longest), longestEntry), kDeviceIdEntryMade);
  EXPECT_EQ(longestEntry.size(), kDeviceIdEntryMaxLength);

  const std::vector<EntryCase> cases = {
      {L"  " + Widen(kUsbPattern) + L"  ", kDeviceIdEntryMade, kUsbPattern + "," + fixture.CodeOf(kUsbPattern)},
      {L"", kDeviceIdEntryEmptyPattern, "untouched"},
      {L"    ", kDeviceIdEntryEmptyPattern, "untouched"},
      {L"\t" + Widen(kUsbPattern), kDeviceIdEntryBadCharacter, "untouched"},
      {Widen(kUsbPattern) + L",", kDeviceIdEntryBadCharacter, "untouched"},
      {L"USB\\VID_1E4B&PID_72XX&MI_0\x00E9", kDeviceIdEntryBadCharacter, "untouched"},
      {L"USB\\VID_1E4B&PID_72XX&MI_0\x0130", kDeviceIdEntryBadCharacter, "untouched"},
      {std::wstring(435, L'X'), kDeviceIdEntryTooLong, "untouched"},
      {std::wstring(2000, L'X'), kDeviceIdEntryTooLong, "untouched"},
  };
  for (const auto& c : cases) {
    std::string entry = "untouched";
    EXPECT_EQ(MakeDeviceIdEntry(c.pattern, entry), c.expected) << c.pattern.size();
    EXPECT_EQ(entry, c.entry) << c.pattern.size();
  }
}

}  // namespace
}  // namespace vorma
