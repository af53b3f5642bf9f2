#include "foundation/DeviceIdManager.h"
#include "foundation/tests/DeviceIdFixture.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorma {
namespace {

using test::Widen;
using EntryMap = std::map<std::wstring, std::wstring>;

const std::string kUsbPattern = "USB\\VID_1E4B&PID_72XX&REV_0100&MI_00";
const std::string kUsbShortPattern = "USB\\VID_1E4B&PID_72XX&MI_00";
const std::string kLowerCasePattern = "USB\\VID_1E4B&PID_72xx&MI_00";
const std::string kHidPattern = "HID\\VID_1E4B&PID_72XX&MI_03";

// "pattern,code" with the fixture's code.
std::string Entry(const test::DeviceIdFixture& fixture, const std::string& pattern) {
  return pattern + "," + fixture.CodeOf(pattern);
}

// A configuration whose device-ID section holds the entries under free key names.
std::string ConfigText(const std::vector<std::string>& entries) {
  std::string text = "[Install]\r\nAPPFileName=Vormapanel\r\n[USB_VID_PID]\r\n";
  for (size_t i = 0; i < entries.size(); ++i) text += "DeviceId" + std::to_string(i + 1) + "=" + entries[i] + "\r\n";
  return text + "[Plugin]\r\nPluginFolderName=Plugin\r\n";
}

// Bytes of a literal that may contain zeros.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

// The same code with the character at `index` replaced.
std::string Tampered(std::string code, size_t index, char replacement) {
  code.at(index) = replacement;
  return code;
}

TEST(DeviceIdManager, ParsesEntriesAndAcceptsOnlyThoseWhoseCodeDecryptsToThePattern) {
  const auto fixture = test::ReadDeviceIdFixture();
  const std::string usbCode = fixture.CodeOf(kUsbPattern);
  const std::string hidCode = fixture.CodeOf(kHidPattern);
  const std::string shortCode = fixture.CodeOf(kUsbShortPattern);
  // The code's last character only carries bits that padding ignores, so this spelling decodes to the
  // same bytes; it shows which of two acceptable entries for one pattern is kept.
  ASSERT_EQ(usbCode.substr(usbCode.size() - 3), "w==");
  const std::string usbCodeOtherSpelling = Tampered(usbCode, usbCode.size() - 3, 'x');
  std::string lowerCasedPattern = kUsbPattern;
  for (char& c : lowerCasedPattern) c = static_cast<char>(tolower(c));

  struct ParseCase {
    const char* name;
    std::vector<std::string> entries;
    int expected;
    EntryMap accepted;
  };
  const std::vector<ParseCase> cases = {
      {"spaces around the comma and before the pattern are ignored",
       {"  " + kUsbPattern + "  ,   " + usbCode, Entry(fixture, kHidPattern)},
       kDeviceIdConfigLoaded,
       {{Widen(kUsbPattern), Widen(usbCode)}, {Widen(kHidPattern), Widen(hidCode)}}},
      {"an entry without a comma is skipped",
       {kUsbPattern + " " + usbCode, Entry(fixture, kHidPattern)},
       kDeviceIdConfigLoaded,
       {{Widen(kHidPattern), Widen(hidCode)}}},
      {"an entry ending in its comma stops the parse, earlier entries stay",
       {Entry(fixture, kUsbPattern), kUsbShortPattern + ",", Entry(fixture, kHidPattern)},
       kDeviceIdConfigEmptySide,
       {{Widen(kUsbPattern), Widen(usbCode)}}},
      {"an empty pattern stops the parse",
       {"  ," + hidCode, Entry(fixture, kHidPattern)},
       kDeviceIdConfigEmptySide,
       {}},
      {"a code of 5 characters drops its entry",
       {kUsbPattern + "," + usbCode.substr(0, 5), Entry(fixture, kHidPattern)},
       kDeviceIdConfigLoaded,
       {{Widen(kHidPattern), Widen(hidCode)}}},
      {"a character outside the alphabet drops its entry",
       {kUsbPattern + "," + Tampered(usbCode, 7, '*'), Entry(fixture, kHidPattern)},
       kDeviceIdConfigLoaded,
       {{Widen(kHidPattern), Widen(hidCode)}}},
      {"tampered codes drop their entries",
       {kUsbPattern + "," + Tampered(usbCode, 3, usbCode[3] == 'A' ? 'B' : 'A'),
        kHidPattern + "," + Tampered(hidCode, hidCode.size() - 2, hidCode[hidCode.size() - 2] == 'A' ? 'B' : 'A'),
        Entry(fixture, kUsbShortPattern)},
       kDeviceIdConfigLoaded,
       {{Widen(kUsbShortPattern), Widen(shortCode)}}},
      {"another pattern's code is refused", {kUsbPattern + "," + hidCode}, kDeviceIdConfigLoaded, {}},
      {"the pattern must equal the decrypted text in case too",
       {lowerCasedPattern + "," + usbCode},
       kDeviceIdConfigLoaded,
       {}},
      {"a second comma belongs to the code", {Entry(fixture, kUsbPattern) + ",1"}, kDeviceIdConfigLoaded, {}},
      {"of two entries with one pattern the first accepted one is kept",
       {kUsbPattern + "," + Tampered(usbCode, 3, usbCode[3] == 'A' ? 'B' : 'A'),
        kUsbPattern + "," + usbCodeOtherSpelling, Entry(fixture, kUsbPattern)},
       kDeviceIdConfigLoaded,
       {{Widen(kUsbPattern), Widen(usbCodeOtherSpelling)}}},
  };

  test::TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring path = folder.WriteBytes(L"AudioConfig.cfg", ConfigText(c.entries));
    CDeviceIdMgr manager;
    EXPECT_EQ(manager.LoadFromConfig(path, kUsbDeviceIdSection), c.expected);
    EXPECT_EQ(manager.Entries(), c.accepted);
    std::vector<std::wstring> raw;
    for (const auto& entry : c.entries) raw.push_back(Widen(entry));
    EXPECT_EQ(manager.RawEntries(), raw);
  }
}

TEST(DeviceIdManager, EntriesAreReadInFileOrderEvenUnderOneKeyName) {
  const auto fixture = test::ReadDeviceIdFixture();
  test::TempFolder folder;
  const std::string text = "[USB_VID_PID]\r\nDeviceId=" + Entry(fixture, kUsbPattern) +
                           "\r\nDeviceId=" + Entry(fixture, kHidPattern) + "\r\nOther=" +
                           Entry(fixture, kUsbShortPattern) + "\r\n";
  CDeviceIdMgr manager;
  ASSERT_EQ(manager.LoadFromConfig(folder.WriteBytes(L"AudioConfig.cfg", text), kUsbDeviceIdSection),
            kDeviceIdConfigLoaded);
  EXPECT_EQ(manager.RawEntries(), std::vector<std::wstring>({Widen(Entry(fixture, kUsbPattern)),
                                                             Widen(Entry(fixture, kHidPattern)),
                                                             Widen(Entry(fixture, kUsbShortPattern))}));
  EXPECT_EQ(manager.Entries().size(), 3u);
  EXPECT_EQ(manager.Entries().count(Widen(kHidPattern)), 1u);
}

TEST(DeviceIdManager, CodeCharactersBeyondAsciiAreNotNarrowedIntoTheAlphabet) {
  // U+0141 narrowed to its low byte would be "A", a Base64 letter.
  const auto fixture = test::ReadDeviceIdFixture();
  std::wstring code = Widen(fixture.CodeOf(kHidPattern));
  const size_t index = code.find(L'A');
  ASSERT_NE(index, std::wstring::npos);
  code[index] = L'\x0141';
  const std::wstring text = L"\xFEFF[HID_VID_PID]\r\n1=" + Widen(kHidPattern) + L"," + code + L"\r\n2=" +
                            Widen(Entry(fixture, kUsbPattern)) + L"\r\n";
  const std::string utf16(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));

  test::TempFolder folder;
  CDeviceIdMgr manager;
  ASSERT_EQ(manager.LoadFromConfig(folder.WriteBytes(L"AudioConfig.cfg", utf16), kHidDeviceIdSection),
            kDeviceIdConfigLoaded);
  EXPECT_EQ(manager.Entries(), (EntryMap{{Widen(kUsbPattern), Widen(fixture.CodeOf(kUsbPattern))}}));
}

TEST(DeviceIdManager, ConfigResultCodesAndDamagedFiles) {
  const auto fixture = test::ReadDeviceIdFixture();
  const std::string goodConfig = ConfigText({Entry(fixture, kUsbPattern)});
  struct ConfigCase {
    const char* name;
    std::optional<std::string> bytes;  // no value: the file does not exist
    int expected;
    size_t acceptedCount;
  };
  const std::vector<ConfigCase> cases = {
      {"missing file", std::nullopt, kDeviceIdConfigCannotLoad, 0},
      {"UTF-32 file cut inside a character", Bytes("\xFF\xFE\0\0[\0\0\0U\0"), kDeviceIdConfigCannotLoad, 0},
      {"UTF-8 file with a broken sequence", "\xEF\xBB\xBF[USB_VID_PID]\r\n1=\xC3(\r\n", kDeviceIdConfigCannotLoad, 0},
      {"binary file", Bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0\xff\xfe[=,]"), kDeviceIdConfigNoSection,
       0},
      {"no device-ID section", "[Install]\r\nAPPFileName=Vormapanel\r\n", kDeviceIdConfigNoSection, 0},
      {"file cut inside the section header", "[Install]\r\nAPPFileName=Vormapanel\r\n[USB_VID_", kDeviceIdConfigNoSection,
       0},
      {"section without keys", "[USB_VID_PID]\r\n; 1=" + Entry(fixture, kUsbPattern) + "\r\nno key\r\n=value\r\n",
       kDeviceIdConfigNoKeys, 0},
      {"file cut inside a code", goodConfig.substr(0, goodConfig.find(",") + 9), kDeviceIdConfigLoaded, 0},
      {"entry with an empty code", "[USB_VID_PID]\r\n1=" + kUsbPattern + ",   \r\n", kDeviceIdConfigEmptySide, 0},
      {"good file", goodConfig, kDeviceIdConfigLoaded, 1},
  };

  test::TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring path =
        c.bytes ? folder.WriteBytes(L"AudioConfig.cfg", *c.bytes) : folder.File(L"Missing.cfg");
    // A manager that already holds a list must not keep it after a load that reached the section.
    CDeviceIdMgr manager;
    ASSERT_EQ(manager.LoadFromConfig(folder.WriteBytes(L"Previous.cfg", goodConfig), kUsbDeviceIdSection),
              kDeviceIdConfigLoaded);
    EXPECT_EQ(manager.LoadFromConfig(path, kUsbDeviceIdSection), c.expected);
    if (c.expected != kDeviceIdConfigCannotLoad) {
      EXPECT_EQ(manager.Entries().size(), c.acceptedCount);
    }
  }
}

TEST(DeviceIdManager, MatchesWithXAsWildcardIgnoringCase) {
  const auto fixture = test::ReadDeviceIdFixture();
  test::TempFolder folder;
  CDeviceIdMgr manager;
  EXPECT_FALSE(manager.Matches(Widen(kUsbPattern))) << "an empty list matches nothing";
  ASSERT_EQ(manager.LoadFromConfig(folder.WriteBytes(L"AudioConfig.cfg",
                                                     ConfigText({Entry(fixture, kUsbPattern),
                                                                 Entry(fixture, kLowerCasePattern)})),
                                   kUsbDeviceIdSection),
            kDeviceIdConfigLoaded);
  ASSERT_EQ(manager.Entries().size(), 2u);

  struct MatchCase {
    const wchar_t* id;
    bool matches;
  };
  const MatchCase cases[] = {
      {L"usb\\vid_1e4b&pid_7201&rev_0100&mi_00", true},
      {L"USB\\VID_1E4B&PID_72AF&REV_0100&MI_00", true},
      {L"USB\\VID_1E4B&PID_72XX&REV_0100&MI_00", true},
      {L"USB\\VID_1E4B&PID_7201&REV_0100&MI_01", false},
      {L"USB\\VID_1E4B&PID_7301&REV_0100&MI_00", false},
      {L"USB\\VID_1E4C&PID_7201&REV_0100&MI_00", false},
      {L"USB\\VID_1E4B&PID_7201&REV_0100&MI_0X", false},  // an X in the ID is no wildcard
      {L"USB\\VID_1E4B&PID_7201&REV_0100&MI_000", false},
      {L"USB\\VID_1E4B&PID_7201&REV_0100&MI_0", false},
      {L"USB\\VID_1E4B&PID_7201&REV_0100", false},
      {L"", false},
      {L"USB\\VID_1E4B&PID_72ab&MI_00", true},  // lower-case "x" in a pattern is a wildcard too
      {L"USB\\VID_1E4B&PID_73ab&MI_00", false},
  };
  for (const auto& c : cases) EXPECT_EQ(manager.Matches(c.id), c.matches) << c.id;
}

}  // namespace
}  // namespace vorma
