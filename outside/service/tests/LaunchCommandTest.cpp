// The command lines the service launches: taking a stored value apart, which value a control
// reads, and which registry view wins.

#include "outside/service/LaunchCommand.h"
#include "outside/service/LaunchValues.h"

#include "foundation/UniqueHandles.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace vorma::service {
namespace {

TEST(ParseLaunchCommand, TakesTheProgramAndItsArguments) {
  struct Case {
    const wchar_t* text;
    const wchar_t* program;  // null: refused
    const wchar_t* arguments;
  };
  const Case cases[] = {
      {L"\"C:\\Program Files\\Vorma\\Vormapanel.exe\" -servicestart", L"C:\\Program Files\\Vorma\\Vormapanel.exe",
       L"-servicestart"},
      {L"  \"C:\\A B\\x.exe\"   -serviceboot  ", L"C:\\A B\\x.exe", L"-serviceboot"},
      {L"\"C:\\A B\\x.exe\"", L"C:\\A B\\x.exe", L""},
      {L"\"C:\\A B\\x.exe\"-servicestart", L"C:\\A B\\x.exe", L"-servicestart"},
      {L"C:\\Vorma\\Vormapanel.exe -servicestart -x", L"C:\\Vorma\\Vormapanel.exe", L"-servicestart -x"},
      {L"\"C:\\A B\\x.exe\" \"quoted argument\"", L"C:\\A B\\x.exe", L"\"quoted argument\""},
      {L"", nullptr, nullptr},
      {L"   ", nullptr, nullptr},
      {L"\"C:\\A B\\x.exe -servicestart", nullptr, nullptr},  // the quote never closes
      {L"\"\" -servicestart", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "text: " << std::wstring(c.text).size() << " characters");
    const auto parsed = ParseLaunchCommand(c.text);
    if (!c.program) {
      EXPECT_FALSE(parsed.has_value());
      continue;
    }
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->program, c.program);
    EXPECT_EQ(parsed->arguments, c.arguments);
  }
}

TEST(ParseLaunchCommand, CommandLineQuotesTheProgramAgain) {
  const auto parsed = ParseLaunchCommand(L"C:\\Vorma\\Vormapanel.exe   -serviceboot");
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->CommandLine(), L"\"C:\\Vorma\\Vormapanel.exe\" -serviceboot");
  EXPECT_EQ((LaunchCommand{L"C:\\A B\\x.exe", L""}).CommandLine(), L"\"C:\\A B\\x.exe\"");
}

TEST(LaunchValueName, OnlyThePanelsTwoControlsLaunch) {
  EXPECT_STREQ(LaunchValueName(193), L"UserPrivilegeExecution_C0");
  EXPECT_STREQ(LaunchValueName(196), L"SystemPrivilegeExecutionOnBoot_C3");
  for (unsigned control : {0u, 1u, 128u, 192u, 194u, 195u, 197u, 255u}) EXPECT_EQ(LaunchValueName(control), nullptr);
}

// A key of this test's own in both registry views, removed afterwards.
class LaunchValueViews : public testing::Test {
protected:
  void TearDown() override {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key_.c_str(), view, 0);
  }
  void Write(REGSAM view, const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr,
                              &opened, nullptr),
              ERROR_SUCCESS);
    const UniqueRegKey key(opened);
    // Stored without the terminating zero, as some writers do.
    ASSERT_EQ(RegSetValueExW(key.get(), name, 0, type, reinterpret_cast<const BYTE*>(text.data()),
                             static_cast<DWORD>(text.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
  std::wstring key_ = L"SOFTWARE\\Vorma Test Launch Values " + std::to_wstring(GetCurrentProcessId());
};

TEST_F(LaunchValueViews, TheThirtyTwoBitViewComesFirst) {
  Write(KEY_WOW64_64KEY, L"UserPrivilegeExecution_C0", L"\"C:\\64\\Vormapanel.exe\" -servicestart");
  std::wstring text = L"untouched";
  ASSERT_TRUE(ReadLaunchValue(L"UserPrivilegeExecution_C0", text, key_.c_str()));
  EXPECT_EQ(text, L"\"C:\\64\\Vormapanel.exe\" -servicestart");  // only the native view holds it

  Write(KEY_WOW64_32KEY, L"UserPrivilegeExecution_C0", L"\"C:\\32\\Vormapanel.exe\" -servicestart");
  ASSERT_TRUE(ReadLaunchValue(L"UserPrivilegeExecution_C0", text, key_.c_str()));
  EXPECT_EQ(text, L"\"C:\\32\\Vormapanel.exe\" -servicestart");
}

TEST_F(LaunchValueViews, AMissingOrNonTextValueIsNotRead) {
  Write(KEY_WOW64_32KEY, L"SystemPrivilegeExecutionOnBoot_C3", L"\x0001\x0002", REG_BINARY);
  std::wstring text = L"untouched";
  EXPECT_FALSE(ReadLaunchValue(L"SystemPrivilegeExecutionOnBoot_C3", text, key_.c_str()));
  EXPECT_FALSE(ReadLaunchValue(L"UserPrivilegeExecution_C0", text, key_.c_str()));
  EXPECT_FALSE(ReadLaunchValue(L"UserPrivilegeExecution_C0", text, L"SOFTWARE\\Vorma Test No Such Key"));
  EXPECT_EQ(text, L"untouched");
}

}  // namespace
}  // namespace vorma::service
