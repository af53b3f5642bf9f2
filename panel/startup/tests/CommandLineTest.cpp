#include "panel/startup/CommandLine.h"
#include "tests/support/DebugLines.h"

#include <gtest/gtest.h>

namespace vorma {
namespace {

struct ScanCase {
  const char* name;
  std::vector<std::wstring> arguments;
  LaunchRole role;
};

class CommandLineScan : public testing::TestWithParam<ScanCase> {};

TEST_P(CommandLineScan, FirstFlagDecidesInAnyCase) {
  EXPECT_EQ(ScanCommandLine(GetParam().arguments), GetParam().role);
}

const ScanCase kScanCases[] = {
    {"NoArguments", {L"C:\\P\\Vormapanel.exe"}, LaunchRole::PlainRequester},
    {"Boot", {L"C:\\P\\Vormapanel.exe", L"-boot"}, LaunchRole::BootRequester},
    {"BootInCapitals", {L"C:\\P\\Vormapanel.exe", L"-BOOT"}, LaunchRole::BootRequester},
    {"ServiceStartInCapitals", {L"C:\\P\\Vormapanel.exe", L"-SERVICESTART"}, LaunchRole::ServiceLaunched},
    {"ServiceBootMixedCase", {L"C:\\P\\Vormapanel.exe", L"-ServiceBoot"}, LaunchRole::ServiceLaunched},
    {"ServiceStartBeforeBoot", {L"C:\\P\\Vormapanel.exe", L"-servicestart", L"-boot"}, LaunchRole::ServiceLaunched},
    {"BootBeforeServiceStart", {L"C:\\P\\Vormapanel.exe", L"-boot", L"-servicestart"}, LaunchRole::BootRequester},
    {"EmptyArgumentSkipped", {L"C:\\P\\Vormapanel.exe", L"", L"-serviceboot"}, LaunchRole::ServiceLaunched},
    {"UnknownArgumentsOnly", {L"C:\\P\\Vormapanel.exe", L"-start", L"boot", L"-boot2"}, LaunchRole::PlainRequester},
    // The program path is never a flag, even when it is named like one.
    {"ProgramPathNotScanned", {L"-boot"}, LaunchRole::PlainRequester},
};

INSTANTIATE_TEST_SUITE_P(Table, CommandLineScan, testing::ValuesIn(kScanCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineScanOutput, WritesEveryArgumentThenEachScannedOneLowered) {
  test::DebugLineRecorder recorder;
  ScanCommandLine({L"C:\\P\\Vormapanel.exe", L"Extra", L"", L"-SERVICEstart", L"-boot"});
  const std::vector<std::wstring> expected = {
      L"ParamStr(0) = C:\\P\\Vormapanel.exe\n",
      L"ParamStr(1) = Extra\n",
      L"ParamStr(2) = \n",
      L"ParamStr(3) = -SERVICEstart\n",
      L"ParamStr(4) = -boot\n",
      L"extra",
      L"",
      L"-servicestart",  // scanning stops at the first flag: "-boot" is not written again
  };
  EXPECT_EQ(recorder.Lines(), expected);
}

TEST(CommandLineScanOutput, BootEndsTheScan) {
  test::DebugLineRecorder recorder;
  EXPECT_EQ(ScanCommandLine({L"p.exe", L"-Boot", L"-servicestart"}), LaunchRole::BootRequester);
  const std::vector<std::wstring> expected = {L"ParamStr(0) = p.exe\n", L"ParamStr(1) = -Boot\n",
                                              L"ParamStr(2) = -servicestart\n", L"-boot"};
  EXPECT_EQ(recorder.Lines(), expected);
}

}  // namespace
}  // namespace vorma
