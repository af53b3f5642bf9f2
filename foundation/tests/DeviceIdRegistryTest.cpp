#include "foundation/DeviceIdManager.h"
#include "foundation/UniqueHandles.h"
#include "foundation/tests/DeviceIdFixture.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vorma {
namespace {

using test::Widen;
using EntryMap = std::map<std::wstring, std::wstring>;

const std::string kUsbPattern = "USB\\VID_1E4B&PID_72XX&REV_0100&MI_00";
const std::string kHidPattern = "HID\\VID_1E4B&PID_72XX&MI_03";
const std::string kFullBlockPattern = "HID\\VID_1E4B&PID_72XX&MI_03&XXXX";

// A group of this test process only; the key is removed before and after every test.
class DeviceIdRegistryTest : public ::testing::Test {
protected:
  void SetUp() override { DeleteGroup(); }
  void TearDown() override { DeleteGroup(); }

  std::wstring KeyPath() const { return L"SOFTWARE\\" + group_; }
  void DeleteGroup() const { RegDeleteKeyW(HKEY_LOCAL_MACHINE, KeyPath().c_str()); }

  UniqueRegKey OpenGroup() const {
    UniqueRegKey key;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, KeyPath().c_str(), 0, KEY_ALL_ACCESS, key.put());
    return key;
  }

  void WriteValue(const std::wstring& name, DWORD type, const void* data, size_t size) const {
    UniqueRegKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              key.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)),
              ERROR_SUCCESS);
  }
  void WriteString(const std::wstring& name, const std::wstring& text) const {
    WriteValue(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  }

  // Every value of the group as (name, string data), in the registry's order.
  std::vector<std::pair<std::wstring, std::wstring>> ReadValues() const {
    std::vector<std::pair<std::wstring, std::wstring>> values;
    UniqueRegKey key = OpenGroup();
    for (DWORD index = 0;; ++index) {
      wchar_t name[256];
      wchar_t data[2048];
      DWORD nameLength = 256;
      DWORD dataSize = sizeof(data);
      if (RegEnumValueW(key.get(), index, name, &nameLength, nullptr, nullptr, reinterpret_cast<BYTE*>(data),
                        &dataSize) != ERROR_SUCCESS)
        break;
      values.emplace_back(std::wstring(name, nameLength), std::wstring(data, wcsnlen(data, dataSize / sizeof(wchar_t))));
    }
    return values;
  }

  // Loads a configuration holding these entries into the manager.
  void LoadConfig(CDeviceIdMgr& manager, const std::vector<std::string>& patterns) const {
    std::string text = "[HID_VID_PID]\r\n";
    for (size_t i = 0; i < patterns.size(); ++i)
      text += std::to_string(i + 1) + "=" + patterns[i] + "," + fixture_.CodeOf(patterns[i]) + "\r\n";
    ASSERT_EQ(manager.LoadFromConfig(folder_.WriteBytes(L"AudioConfig.cfg", text), kHidDeviceIdSection),
              kDeviceIdConfigLoaded);
    ASSERT_EQ(manager.Entries().size(), patterns.size());
  }

  std::wstring EntryText(const std::string& pattern) const { return Widen(pattern + "," + fixture_.CodeOf(pattern)); }

  const std::wstring group_ = L"Vorma Test DeviceId Group " + std::to_wstring(GetCurrentProcessId());
  const test::DeviceIdFixture fixture_ = test::ReadDeviceIdFixture();
  test::TempFolder folder_;
};

TEST_F(DeviceIdRegistryTest, MissingGroupFailsAndLeavesAnEmptyKey) {
  ASSERT_FALSE(OpenGroup());
  CDeviceIdMgr manager;
  EXPECT_EQ(manager.LoadFromRegistry(group_), kDeviceIdRegistryFailed);
  EXPECT_TRUE(OpenGroup()) << "the group key is created";
  EXPECT_TRUE(ReadValues().empty());
  EXPECT_EQ(manager.LoadFromRegistry(group_), kDeviceIdRegistryLoaded) << "an existing empty group loads";
  EXPECT_TRUE(manager.Entries().empty());
}

TEST_F(DeviceIdRegistryTest, ReadsNumberedValuesUpToTheFirstOneThatCannotBeRead) {
  const DWORD number = 7;
  struct Value {
    std::wstring name;
    std::wstring text;  // REG_SZ unless isDword
    bool isDword = false;
  };
  struct RegistryCase {
    const char* name;
    std::vector<Value> values;
    int expected;
    size_t rawCount;
    std::vector<std::string> accepted;
  };
  const std::wstring unaliased = EntryText(kHidPattern);
  std::wstring aliased = unaliased;  // U+0141 would narrow to "A"
  aliased[aliased.find(L'A', aliased.find(L','))] = L'\x0141';
  const std::vector<RegistryCase> cases = {
      {"values 1, 2 and 4: the gap ends the list",
       {{L"1", EntryText(kUsbPattern)}, {L"2", EntryText(kHidPattern)}, {L"4", EntryText(kFullBlockPattern)}},
       kDeviceIdRegistryLoaded,
       2,
       {kHidPattern, kUsbPattern}},
      {"a value that is not a string ends the list",
       {{L"1", EntryText(kUsbPattern)}, {L"2", L"", true}, {L"3", EntryText(kHidPattern)}},
       kDeviceIdRegistryLoaded,
       1,
       {kUsbPattern}},
      {"a value of 1023 characters is read",
       {{L"1", EntryText(kUsbPattern)}, {L"2", std::wstring(1023, L'A')}, {L"3", EntryText(kHidPattern)}},
       kDeviceIdRegistryLoaded,
       3,
       {kHidPattern, kUsbPattern}},
      {"a value of 1024 characters ends the list",
       {{L"1", EntryText(kUsbPattern)}, {L"2", std::wstring(1024, L'A')}, {L"3", EntryText(kHidPattern)}},
       kDeviceIdRegistryLoaded,
       1,
       {kUsbPattern}},
      {"an entry with an empty side fails, earlier entries stay",
       {{L"1", EntryText(kUsbPattern)}, {L"2", Widen(kHidPattern) + L","}, {L"3", EntryText(kFullBlockPattern)}},
       kDeviceIdRegistryFailed,
       3,
       {kUsbPattern}},
      {"spaces at both ends of both sides are ignored",
       {{L"1", L"  " + Widen(kUsbPattern) + L"  ,  " + Widen(fixture_.CodeOf(kUsbPattern)) + L"  "}},
       kDeviceIdRegistryLoaded,
       1,
       {kUsbPattern}},
      {"a code character beyond ASCII drops its entry",
       {{L"1", aliased}, {L"2", EntryText(kUsbPattern)}},
       kDeviceIdRegistryLoaded,
       2,
       {kUsbPattern}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteGroup();
    for (const auto& value : c.values) {
      if (value.isDword)
        WriteValue(value.name, REG_DWORD, &number, sizeof(number));
      else
        WriteString(value.name, value.text);
    }
    CDeviceIdMgr manager;
    EXPECT_EQ(manager.LoadFromRegistry(group_), c.expected);
    EXPECT_EQ(manager.RawEntries().size(), c.rawCount);
    EntryMap accepted;
    for (const auto& pattern : c.accepted) accepted.emplace(Widen(pattern), Widen(fixture_.CodeOf(pattern)));
    EXPECT_EQ(manager.Entries(), accepted);
  }
}

TEST_F(DeviceIdRegistryTest, SaveWritesTheListInPatternOrderAndLoadsItBack) {
  CDeviceIdMgr saved;
  LoadConfig(saved, {kUsbPattern, kFullBlockPattern, kHidPattern});
  ASSERT_EQ(saved.SaveToRegistry(group_), kDeviceIdRegistrySaved);

  const std::vector<std::pair<std::wstring, std::wstring>> expected = {
      {L"1", EntryText(kHidPattern)}, {L"2", EntryText(kFullBlockPattern)}, {L"3", EntryText(kUsbPattern)}};
  EXPECT_EQ(ReadValues(), expected);

  CDeviceIdMgr loaded;
  EXPECT_EQ(loaded.LoadFromRegistry(group_), kDeviceIdRegistryLoaded);
  EXPECT_EQ(loaded.Entries(), saved.Entries());
  EXPECT_TRUE(loaded.Matches(L"hid\\vid_1e4b&pid_7201&mi_03"));
}

TEST_F(DeviceIdRegistryTest, SavingAShorterListRemovesTheOlderListsTail) {
  CDeviceIdMgr longer;
  LoadConfig(longer, {kUsbPattern, kFullBlockPattern, kHidPattern});
  ASSERT_EQ(longer.SaveToRegistry(group_), kDeviceIdRegistrySaved);
  WriteString(L"5", L"a value beyond a gap is not part of the list");

  CDeviceIdMgr shorter;
  LoadConfig(shorter, {kUsbPattern});
  ASSERT_EQ(shorter.SaveToRegistry(group_), kDeviceIdRegistrySaved);

  const std::vector<std::pair<std::wstring, std::wstring>> expected = {
      {L"1", EntryText(kUsbPattern)}, {L"5", L"a value beyond a gap is not part of the list"}};
  EXPECT_EQ(ReadValues(), expected);
  CDeviceIdMgr loaded;
  EXPECT_EQ(loaded.LoadFromRegistry(group_), kDeviceIdRegistryLoaded);
  EXPECT_EQ(loaded.Entries(), shorter.Entries());
  EXPECT_FALSE(loaded.Matches(L"HID\\VID_1E4B&PID_7201&MI_03"));
}

TEST_F(DeviceIdRegistryTest, AGroupThatCannotBeOpenedIsReportedByBothDirections) {
  // Registry key names end at 255 characters, so this group can be neither created nor opened.
  const std::wstring unusable(300, L'G');
  CDeviceIdMgr manager;
  LoadConfig(manager, {kUsbPattern});
  EXPECT_EQ(manager.SaveToRegistry(unusable), kDeviceIdRegistryCannotOpen);
  EXPECT_EQ(manager.LoadFromRegistry(unusable), kDeviceIdRegistryFailed);
}

}  // namespace
}  // namespace vorma
