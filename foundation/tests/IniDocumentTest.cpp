#include "foundation/IniDocument.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace vorma {
namespace {

// Encodes UTF-16 text the way each byte-order mark announces it.
std::string Encode(int encoding, const std::wstring& text) {
  std::string out;
  auto put16 = [&](wchar_t c, bool big) {
    const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>((c >> 8) & 0xFF);
    out += big ? std::string{hi, lo} : std::string{lo, hi};
  };
  switch (encoding) {
    case kIniEncodingBytes:
      for (wchar_t c : text) out.push_back(static_cast<char>(c));
      break;
    case kIniEncodingUtf8:
      out = "\xEF\xBB\xBF";
      for (wchar_t c : text) {
        if (c < 0x80) {
          out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
          out.push_back(static_cast<char>(0xC0 | (c >> 6)));
          out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
          out.push_back(static_cast<char>(0xE0 | (c >> 12)));
          out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
          out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
      }
      break;
    case kIniEncodingUtf16Le:
    case kIniEncodingUtf16Be: {
      const bool big = encoding == kIniEncodingUtf16Be;
      put16(0xFEFF, big);
      for (wchar_t c : text) put16(c, big);
      break;
    }
    case kIniEncodingUtf32Le:
    case kIniEncodingUtf32Be: {
      const bool big = encoding == kIniEncodingUtf32Be;
      out = big ? std::string("\x00\x00\xFE\xFF", 4) : std::string("\xFF\xFE\x00\x00", 4);
      for (wchar_t c : text) {
        std::string unit{static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF), '\0', '\0'};
        if (big) unit = std::string(unit.rbegin(), unit.rend());
        out += unit;
      }
      break;
    }
  }
  return out;
}

const std::wstring kDeviceIds =
    L"; shipped device lists\r\n"
    L"orphan=before any section\r\n"
    L"[USB_VID_PID]\r\n"
    L"1=USB\\VID_1E4B&PID_72XX,code\r\n"
    L"  ; indented comment\r\n"
    L"# hash line without equals\r\n"
    L"key = spaced value\r\n"
    L"two=a=b\r\n"
    L"dup=first\r\n"
    L"\r\n\r\n"
    L"dup=second\r\n"
    L"=no key\r\n"
    L"[Other]\r\n"
    L"name=\u00C4\u4E2D\r\n"
    L"[USB_VID_PID]\r\n"
    L"1=from the duplicate section\r\n";

// Every key of a section with the value a lookup gives for it.
std::vector<std::wstring> Dump(const CIniMgr& ini, const std::wstring& section) {
  std::vector<std::wstring> keys, dump;
  ini.GetKeys(section, keys);
  for (const auto& key : keys) dump.push_back(key + L"=" + ini.GetValue(section, key));
  return dump;
}

class IniDocumentTest : public ::testing::Test {
protected:
  test::TempFolder folder_;
};

TEST_F(IniDocumentTest, EveryByteOrderMarkGivesTheSameDocument) {
  const int encodings[] = {kIniEncodingBytes, kIniEncodingUtf8, kIniEncodingUtf16Le, kIniEncodingUtf16Be,
                           kIniEncodingUtf32Le, kIniEncodingUtf32Be};
  for (int encoding : encodings) {
    SCOPED_TRACE(encoding);
    std::wstring text = kDeviceIds;
    if (encoding == kIniEncodingBytes) text.replace(text.find(L"\u00C4\u4E2D"), 2, L"\u00C4");
    CIniMgr ini;
    ASSERT_EQ(ini.Load(folder_.WriteBytes(L"a.cfg", Encode(encoding, text))), kIniLoaded);
    EXPECT_EQ(ini.Encoding(), encoding);

    std::vector<std::wstring> keys;
    ini.GetKeys(L"USB_VID_PID", keys);
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"1", L"key ", L"two", L"dup", L"dup"}));
    EXPECT_EQ(ini.GetValue(L"USB_VID_PID", L"1"), L"USB\\VID_1E4B&PID_72XX,code");
    EXPECT_EQ(ini.GetValue(L"USB_VID_PID", L"key "), L" spaced value");
    EXPECT_EQ(ini.GetValue(L"USB_VID_PID", L"two"), L"a=b");
    EXPECT_EQ(ini.GetValue(L"USB_VID_PID", L"dup"), L"first");
    EXPECT_EQ(ini.GetValue(L"USB_VID_PID", L"orphan"), L"");
    EXPECT_EQ(ini.GetValue(L"USB_VID_PID", L""), L"");
    EXPECT_EQ(ini.GetValue(L"Other", L"name"), encoding == kIniEncodingBytes ? L"\u00C4" : L"\u00C4\u4E2D");
    EXPECT_FALSE(ini.HasSection(L"usb_vid_pid"));
    EXPECT_FALSE(ini.HasSection(L"Missing"));
  }
}

TEST_F(IniDocumentTest, CarriageReturnLineFeedAndBareLineFeedGiveTheSameDocument) {
  std::wstring bareLf = kDeviceIds;
  for (size_t at; (at = bareLf.find(L"\r\n")) != std::wstring::npos;) bareLf.erase(at, 1);
  CIniMgr crlf, lf;
  ASSERT_EQ(crlf.Load(folder_.WriteBytes(L"crlf.cfg", Encode(kIniEncodingUtf8, kDeviceIds))), kIniLoaded);
  ASSERT_EQ(lf.Load(folder_.WriteBytes(L"lf.cfg", Encode(kIniEncodingUtf8, bareLf))), kIniLoaded);
  EXPECT_EQ(Dump(crlf, L"USB_VID_PID"), Dump(lf, L"USB_VID_PID"));
  EXPECT_EQ(Dump(crlf, L"Other"), Dump(lf, L"Other"));
  EXPECT_EQ(Dump(crlf, L"USB_VID_PID").size(), 5u);
}

TEST_F(IniDocumentTest, TextEndsAtNulCharacter) {
  CIniMgr ini;
  ASSERT_EQ(ini.Load(folder_.WriteBytes(L"zero.cfg", std::string("[S]\na=1\n\0b=2\n", 13))), kIniLoaded);
  EXPECT_EQ(ini.GetValue(L"S", L"a"), L"1");
  EXPECT_EQ(ini.GetValue(L"S", L"b"), L"");
}

TEST_F(IniDocumentTest, UndecodableTextFailsWithCode5) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"UTF-8 beyond U+FFFF", "\xEF\xBB\xBF[S]\na=\xF0\x9F\x98\x80\n"},
      {"UTF-8 bad lead byte", "\xEF\xBB\xBF[S]\na=\x80\n"},
      {"UTF-8 lead byte 0xFE", "\xEF\xBB\xBF[S]\na=\xFE\n"},
      {"UTF-8 bad continuation", "\xEF\xBB\xBF[S]\na=\xC3\x28\n"},
      {"UTF-8 cut off at end of file", "\xEF\xBB\xBF[S]\na=\xE4\xB8"},
      {"UTF-32 length not a multiple of 4", std::string("\xFF\xFE\x00\x00[\x00\x00\x00S", 9)},
      {"UTF-32 unit above 0xFFFF", std::string("\xFF\xFE\x00\x00\x00\x00\x01\x00", 8)},
      {"UTF-32 BE unit above 0xFFFF", std::string("\x00\x00\xFE\xFF\x00\x01\x00\x00", 8)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CIniMgr ini;
    EXPECT_EQ(ini.Load(folder_.WriteBytes(L"bad.cfg", c.bytes)), kIniCannotDecode);
    EXPECT_FALSE(ini.HasSection(L"S"));
  }
}

TEST_F(IniDocumentTest, Utf8AcceptsOverlongFormsAndLongLeadBytesWithinTheBasicPlane) {
  // 0xC1 0x81 is an overlong "A"; a five-byte sequence can still carry a small code point.
  CIniMgr ini;
  ASSERT_EQ(ini.Load(folder_.WriteBytes(L"o.cfg", "\xEF\xBB\xBF[S]\na=\xC1\x81\xF8\x80\x80\x80\xA2\n")), kIniLoaded);
  EXPECT_EQ(ini.GetValue(L"S", L"a"), L"A\"");
}

TEST_F(IniDocumentTest, Utf16LittleEndianStartingWithNulIsTakenAsUtf32) {
  CIniMgr ini;
  EXPECT_EQ(ini.Load(folder_.WriteBytes(L"u.cfg", std::string("\xFF\xFE\x00\x00[\x00S\x00]\x00", 10))),
            kIniCannotDecode);
  EXPECT_EQ(ini.Encoding(), kIniEncodingUtf32Le);
}

TEST_F(IniDocumentTest, ShortFilesAndBinaryDataNeverCrash) {
  const std::string cases[] = {
      "",          "\xFF",          "\xFF\xFE",          "\xEF\xBB\xBF", "\x00\x00\xFE\xFF",
      "[",         "[]\n=\n[]]\n",  std::string(1, '\0'), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xff\x00[", 20)};
  for (const auto& bytes : cases) {
    CIniMgr ini;
    const int result = ini.Load(folder_.WriteBytes(L"bin.cfg", bytes));
    EXPECT_TRUE(result == kIniLoaded || result == kIniCannotDecode) << result;
    std::vector<std::wstring> keys;
    ini.GetKeys(L"", keys);
    ini.GetValue(L"", L"x");
  }
}

TEST_F(IniDocumentTest, MissingFileGivesCode1) {
  CIniMgr ini;
  EXPECT_EQ(ini.Load(folder_.File(L"missing.cfg")), kIniCannotOpen);
  EXPECT_EQ(ini.FileName(), folder_.File(L"missing.cfg"));
  EXPECT_EQ(ini.Load(folder_.Path()), kIniCannotOpen);  // a folder is not a file
}

TEST_F(IniDocumentTest, ReloadReplacesTheWholeDocument) {
  CIniMgr ini;
  ASSERT_EQ(ini.Load(folder_.WriteBytes(L"1.cfg", "[A]\nx=1\n")), kIniLoaded);
  ASSERT_EQ(ini.Load(folder_.WriteBytes(L"2.cfg", "[B]\ny=2\n")), kIniLoaded);
  EXPECT_FALSE(ini.HasSection(L"A"));
  EXPECT_EQ(ini.GetValue(L"B", L"y"), L"2");
}

}  // namespace
}  // namespace vorma
