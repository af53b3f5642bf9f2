#pragma once
// A read-only INI document loaded whole from a file in any of the Unicode encodings (chosen by the
// byte-order mark). Used where a section must be walked key by key, such as the device-ID lists;
// every other INI file goes through the Windows private-profile functions.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorma {

// Encoding codes, set from the byte-order mark.
enum IniEncoding : int {
  kIniEncodingBytes = 0,    // no mark: each byte becomes one character
  kIniEncodingUtf8 = 1,     // EF BB BF
  kIniEncodingUtf16Le = 2,  // FF FE
  kIniEncodingUtf16Be = 3,  // FE FF
  kIniEncodingUtf32Le = 4,  // FF FE 00 00
  kIniEncodingUtf32Be = 5,  // 00 00 FE FF
};

// Results of CIniMgr::Load.
enum IniLoadResult : int {
  kIniLoaded = 0,
  kIniCannotOpen = 1,
  kIniCannotGetLength = 2,
  kIniOutOfMemoryForFile = 3,
  kIniReadFailed = 4,
  kIniCannotDecode = 5,
  kIniOutOfMemoryForSection = 6,
};

class CIniSection {
public:
  std::wstring m_strName;
  std::vector<std::pair<std::wstring, std::wstring>> m_entries;  // file order, duplicates kept
};

class CIniSectionDefine {
public:
  std::wstring m_strName;
  CIniSection m_section;
  std::vector<std::wstring> m_rawLines;  // header line first, then the content lines

  // Turns the raw lines into key/value pairs.
  void Parse();
};

class CIniMgr {
public:
  CIniMgr() = default;
  ~CIniMgr() { Clear(); }
  CIniMgr(const CIniMgr&) = delete;
  CIniMgr& operator=(const CIniMgr&) = delete;

  // Reads the file and loads its bytes (the path is kept for FileName()).
  int Load(const std::wstring& path);
  // Replaces the document by the text of the bytes; kIniLoaded, kIniCannotDecode or
  // kIniOutOfMemoryForSection.
  int LoadBytes(std::string_view bytes);
  bool HasSection(const std::wstring& section) const;
  // Appends every key of the first section of this name, in file order (duplicates included).
  void GetKeys(const std::wstring& section, std::vector<std::wstring>& keys) const;
  // The value of the first entry with this key in the first section of this name, or "".
  std::wstring GetValue(const std::wstring& section, const std::wstring& key) const;
  // The entries of the first section of this name in file order (duplicates kept), or null.
  const std::vector<std::pair<std::wstring, std::wstring>>* Entries(const std::wstring& section) const;
  void Clear();

  int Encoding() const { return m_nEncoding; }
  const std::wstring& FileName() const { return m_strFileName; }
  const std::vector<std::wstring>& Lines() const { return m_lines; }

private:
  const CIniSectionDefine* FindSection(const std::wstring& section) const;
  int BuildSections();

  int m_nEncoding = kIniEncodingBytes;
  std::wstring m_strFileName;
  std::vector<std::wstring> m_lines;
  std::vector<std::unique_ptr<CIniSectionDefine>> m_sections;
};

}  // namespace vorma
