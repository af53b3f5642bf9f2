// The one-pass reader must give what GetPrivateProfileStringW gives, so each file below is read
// both ways, key by key, in every encoding the profile functions know.

#include "foundation/ProfileFile.h"
#include "foundation/ProfileStrings.h"
#include "tests/support/TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorma {
namespace {

enum class Encoding { Utf16Le, Utf16Be, Utf8, Ansi };

std::string Encode(Encoding encoding, const std::wstring& text) {
  if (encoding == Encoding::Utf8 || encoding == Encoding::Ansi) {
    const UINT codePage = encoding == Encoding::Utf8 ? CP_UTF8 : CP_ACP;
    const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return (encoding == Encoding::Utf8 ? "\xEF\xBB\xBF" : "") + bytes;
  }
  const bool big = encoding == Encoding::Utf16Be;
  std::string bytes;
  for (wchar_t c : L"\xFEFF" + text) {
    const char low = static_cast<char>(c & 0xFF), high = static_cast<char>((c >> 8) & 0xFF);
    bytes += big ? high : low;
    bytes += big ? low : high;
  }
  return bytes;
}

std::wstring Quoted(wchar_t quote, size_t innerLength) {
  return quote + std::wstring(innerLength - 1, L'v') + L'E' + quote;
}

// Sections and keys of the general file, and the lines that make them tricky.
const std::wstring kGeneral =
    L"; a comment line\r\n"
    L"stray=before any section\r\n"
    L"[Main]\r\n"
    L"Key=plain value\r\n"
    L"  Spaced Key \t =   value with blanks \t\x1A\r\n"
    L"UPPER=first of the same key\r\n"
    L"upper=second of the same key\r\n"
    L"Quoted=\"in quotes\"\r\n"
    L"Single='single'\r\n"
    L"Mixed=\"mixed'\r\n"
    L"OnlyQuote=\"\r\n"
    L"EmptyQuotes=\"\"\r\n"
    L"Inner=a \"b\" c\r\n"
    L"Items=Picture.png, 12, 34,, 5\r\n"
    L"NoEquals\r\n"
    L"NoEquals=after the line without '='\r\n"
    L"Empty=\r\n"
    L"=no name\r\n"
    L"Equals=a=b=c\r\n"
    L"Long=" + std::wstring(300, L'x') + L"\r\n"
    L"Quoted253=" + Quoted(L'"', 253) + L"\r\n"
    L"Quoted254=" + Quoted(L'"', 254) + L"\r\n"
    L"Quoted255=" + Quoted(L'\'', 255) + L"\r\n"
    L"Quoted256=" + Quoted(L'"', 256) + L"\r\n"
    L";Commented=1\r\n"
    L"\r\n"
    L"[ Spaced ]\r\n"
    L"Key=spaced section\r\n"
    L"[main]\r\n"
    L"Key=second main section\r\n"
    L"Extra=only in the second main section\r\n"
    L"[Broken\r\n"
    L"Broken=after a header without its bracket\r\n"
    L"[Tail] trailing text\r\n"
    L"Key=tail\r\n"
    L"[a]b]\r\n"
    L"Key=brackets\r\n"
    L"[Last]\r\n"
    L"Key=no line end";

const std::vector<std::pair<const wchar_t*, const wchar_t*>> kGeneralReads{
    {L"Main", L"Key"},         {L"MAIN", L"kEY"},        {L" Main\t", L" Key "},    {L"Main", L"Spaced Key"},
    {L"Main", L"UPPER"},       {L"Main", L"upper"},      {L"Main", L"Quoted"},      {L"Main", L"Single"},
    {L"Main", L"Mixed"},       {L"Main", L"OnlyQuote"},  {L"Main", L"EmptyQuotes"}, {L"Main", L"Inner"},
    {L"Main", L"Items"},       {L"Main", L"NoEquals"},   {L"Main", L"Empty"},       {L"Main", L"Equals"},
    {L"Main", L"Long"},        {L"Main", L"Quoted253"},  {L"Main", L"Quoted254"},   {L"Main", L"Quoted255"},
    {L"Main", L"Quoted256"},   {L"Main", L";Commented"}, {L"Main", L"Commented"},   {L"Main", L"Missing"},
    {L"Main", L"Extra"},       {L"main", L"Extra"},      {L"Main", L"[Broken"},     {L"Main", L"Broken"},
    {L"Spaced", L"Key"},       {L" Spaced ", L"Key"},    {L"Tail", L"Key"},         {L"a]b", L"Key"},
    {L"", L"stray"},           {L"Missing", L"Key"},     {L"Last", L"Key"},         {L"Broken", L"Broken"},
};

// Line ends: a lone CR inside a line of a file that has LF ends, and CR-only files.
const std::wstring kLineEnds = L"[S]\nA=1\rB=2\nC=3\r\n\r\nD=4\n\n\nE=5";
const std::wstring kCarriageReturnsOnly = L"[S]\rA=1\rB=2\r\rC=3";
const std::vector<std::pair<const wchar_t*, const wchar_t*>> kLineEndReads{
    {L"S", L"A"}, {L"S", L"B"}, {L"S", L"C"}, {L"S", L"D"}, {L"S", L"E"}};

// Letters and blanks beyond ASCII (only in the Unicode encodings): names match regardless of ASCII
// case only, and no-break and ideographic spaces are part of the value.
const std::wstring kUnicode =
    L"[\x00DCnicode]\r\n"
    L"\x041A\x043B\x044E\x0447=\x00A0value between no-break spaces\x00A0\r\n"
    L"Wide=\x3000\x4E2D\x6587\x3000\r\n"
    L"Caf\x00E9=accent\r\n";
const std::vector<std::pair<const wchar_t*, const wchar_t*>> kUnicodeReads{
    {L"\x00DCNICODE", L"\x041A\x043B\x044E\x0447"},
    {L"\x00DCnicode", L"Wide"},
    {L"\x00DCnicode", L"CAF\x00E9"},
};

// NUL characters inside a section name, a key and a value ('|' below): the profile functions keep
// names and values as C strings, so each ends at its NUL.
std::wstring WithNuls(std::wstring text) {
  for (wchar_t& c : text)
    if (c == L'|') c = L'\0';
  return text;
}
const std::wstring kNuls = WithNuls(
    L"[Main]\r\n"
    L"EQSlider=200|x\r\n"
    L"Ke|y=value of a key cut at its NUL\r\n"
    L"Spaced |=the blank before the NUL stays\r\n"
    L"Quoted=\"in| quotes\"\r\n"
    L"Lead=|value\r\n"
    L"[Sec|tion]\r\n"
    L"Key=in a section cut at its NUL\r\n"
    L"[Other]|\r\n"
    L"Key=after a NUL behind the header\r\n");
const std::vector<std::pair<const wchar_t*, const wchar_t*>> kNulReads{
    {L"Main", L"EQSlider"}, {L"Main", L"Ke"},      {L"Main", L"Key"},     {L"Main", L"Spaced"},
    {L"Main", L"Quoted"},   {L"Main", L"Lead"},    {L"Sec", L"Key"},      {L"Section", L"Key"},
    {L"Other", L"Key"},
};

TEST(ProfileFileTest, ReadsGiveWhatTheProfileFunctionsGive) {
  struct Case {
    const std::wstring* text;
    const std::vector<std::pair<const wchar_t*, const wchar_t*>>* reads;
    std::vector<Encoding> encodings;
    const char* what;
  } cases[] = {
      {&kGeneral, &kGeneralReads, {Encoding::Utf16Le, Encoding::Utf16Be, Encoding::Utf8, Encoding::Ansi}, "general"},
      {&kLineEnds, &kLineEndReads, {Encoding::Utf16Le, Encoding::Ansi}, "line ends"},
      {&kCarriageReturnsOnly, &kLineEndReads, {Encoding::Utf16Le, Encoding::Ansi}, "CR line ends"},
      {&kUnicode, &kUnicodeReads, {Encoding::Utf16Le, Encoding::Utf8}, "Unicode"},
      {&kNuls, &kNulReads, {Encoding::Utf16Le, Encoding::Utf16Be, Encoding::Utf8, Encoding::Ansi}, "NUL characters"},
  };
  test::TempFolder folder;
  int fileNumber = 0;
  for (const Case& c : cases) {
    for (Encoding encoding : c.encodings) {
      // A new name per file: the profile functions keep files they have read.
      const std::wstring path =
          folder.WriteBytes(L"file" + std::to_wstring(++fileNumber) + L".ini", Encode(encoding, *c.text));
      const ProfileFile file(path);
      ASSERT_TRUE(file.Loaded()) << c.what;
      for (const auto& [section, key] : *c.reads) {
        std::wstring expected, actual;
        ReadProfileString(path, section, key, expected);
        file.Read(section, key, actual);
        EXPECT_EQ(expected, actual) << c.what << ", encoding " << static_cast<int>(encoding) << ", ["
                                    << testing::PrintToString(std::wstring(section)) << "] "
                                    << testing::PrintToString(std::wstring(key));
      }
    }
  }
}

TEST(ProfileFileTest, ValuesAreTrimmedUnquotedAndCut) {
  test::TempFolder folder;
  const ProfileFile file(folder.WriteBytes(L"general.ini", Encode(Encoding::Utf16Le, kGeneral)));
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    std::wstring expected;
  } cases[] = {
      {L"main", L"SPACED KEY", L"value with blanks"},
      {L"Main", L"upper", L"first of the same key"},
      {L"Main", L"Quoted", L"in quotes"},
      {L"Main", L"Items", L"Picture.png, 12, 34,, 5"},
      {L"Main", L"NoEquals", L""},
      {L"Main", L"Extra", L""},
      {L"Main", L"Long", std::wstring(255, L'x')},
      {L"Tail", L"Key", L"tail"},
  };
  for (const Case& c : cases) {
    std::wstring value = L"stale";
    EXPECT_EQ(0, file.Read(c.section, c.key, value));
    EXPECT_EQ(c.expected, value) << testing::PrintToString(std::wstring(c.key));
  }

  const ProfileFile missing(folder.File(L"missing.ini"));
  std::wstring value = L"stale";
  missing.Read(L"Main", L"Key", value);
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(L"", value);
}

}  // namespace
}  // namespace vorma
