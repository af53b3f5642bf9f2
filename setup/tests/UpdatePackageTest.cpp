// When setup opens the Windows update package: only on 64-bit Windows 7 with a service pack, and
// only while Windows lists the update neither as installed nor as evaluated.

#include "foundation/WindowsVersion.h"
#include "setup/UpdatePackage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorma::setup::test {
namespace {

class RecordingRunner final : public PackageRunner {
public:
  int RunAndWait(const std::wstring& file, int waitMs) override {
    runs.push_back(file);
    waits.push_back(waitMs);
    return result;
  }
  std::vector<std::wstring> runs;
  std::vector<int> waits;
  int result = 0;
};

// A registry key below HKLM in the 64-bit view, removed again.
class TemporaryKey {
public:
  explicit TemporaryKey(std::wstring path) : path_(std::move(path)) {
    HKEY key = nullptr;
    created_ = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                               nullptr, &key, nullptr) == ERROR_SUCCESS;
    if (created_) RegCloseKey(key);
  }
  ~TemporaryKey() {
    if (created_) RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), KEY_WOW64_64KEY, 0);
  }
  bool Created() const { return created_; }

private:
  std::wstring path_;
  bool created_ = false;
};

constexpr SystemFacts kWin7Sp1x64{true, kWindows7, 0x601, 1};

TEST(UpdatePackage, RunsOnlyOn64BitWindows7WithAServicePack) {
  const struct {
    const char* system;
    SystemFacts facts;
    bool runs;
  } cases[] = {
      {"32-bit Windows 7 SP1", {false, kWindows7, 0x601, 1}, false},
      {"64-bit Windows 8", {true, kWindows8, 0x602, 0}, false},
      {"64-bit Windows 10", {true, kWindows10, 0xA00, 0}, false},
      {"64-bit Windows 7 without service pack", {true, kWindows7, 0x601, 0}, false},
      {"64-bit Windows 7 SP1", kWin7Sp1x64, true},
  };
  for (const auto& c : cases) {
    RecordingRunner runner;
    EXPECT_EQ(0u, Install_KB3033929(c.facts, runner)) << c.system;
    EXPECT_EQ(c.runs ? 1u : 0u, runner.runs.size()) << c.system;
    if (c.runs) {
      EXPECT_EQ(UpdatePackagePath(), runner.runs.front());
      EXPECT_LT(runner.waits.front(), 0) << "the install waits for the package to end";
    }
  }
}

TEST(UpdatePackage, AnInstalledOrEvaluatedUpdateIsNotRunAgain) {
  {
    TemporaryKey installed(std::wstring(kPackagesKey) + L"\\Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.2");
    ASSERT_TRUE(installed.Created());
    RecordingRunner runner;
    EXPECT_EQ(0u, Install_KB3033929(kWin7Sp1x64, runner));
    EXPECT_TRUE(runner.runs.empty()) << "a packages sub-key with the prefix marks it installed";
  }
  {
    TemporaryKey other(std::wstring(kPackagesKey) + L"\\package_for_KB3033929~lowercase");
    ASSERT_TRUE(other.Created());
    RecordingRunner runner;
    Install_KB3033929(kWin7Sp1x64, runner);
    EXPECT_EQ(1u, runner.runs.size()) << "the prefix is compared case-sensitively";
  }
  {
    TemporaryKey evaluated(kApplicabilityKey);
    ASSERT_TRUE(evaluated.Created());
    RecordingRunner runner;
    EXPECT_EQ(0u, Install_KB3033929(kWin7Sp1x64, runner));
    EXPECT_TRUE(runner.runs.empty()) << "a present applicability key";
  }
}

TEST(UpdatePackage, APackageThatCannotBeOpenedFailsTheStep) {
  RecordingRunner runner;
  runner.result = 1;
  EXPECT_EQ(0x80000501u, Install_KB3033929(kWin7Sp1x64, runner));
}

TEST(UpdatePackage, IsWrittenToTheSystemFolderFromTheResource) {
  const std::wstring path = UpdatePackagePath();
  DeleteFileW(path.c_str());
  ASSERT_EQ(0u, Copy_KB3033929(GetModuleHandleW(nullptr)));
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  char bytes[64] = {};
  DWORD read = 0;
  ReadFile(file, bytes, sizeof bytes, &read, nullptr);
  CloseHandle(file);
  EXPECT_EQ("test payload: UpdatePackage\n", std::string(bytes, read));
  EXPECT_EQ(0x10000701u, Copy_KB3033929(GetModuleHandleW(L"kernel32.dll"))) << "a module without the resource";
}

}  // namespace
}  // namespace vorma::setup::test
