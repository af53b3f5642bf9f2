#include "foundation/IniDocument.h"

#include "foundation/TextDecoding.h"

#include <new>
#include <string_view>

namespace vorma {
namespace {

void TrimBoth(std::wstring& text, wchar_t c) {
  const size_t first = text.find_first_not_of(c);
  if (first == std::wstring::npos) {
    text.clear();
    return;
  }
  text.erase(text.find_last_not_of(c) + 1);
  text.erase(0, first);
}

bool IsBracketed(const std::wstring& line) { return line.size() >= 2 && line.front() == L'[' && line.back() == L']'; }

// Splits at "\n" (runs of them are one separator); the text ends at a NUL character. Each piece is
// trimmed of spaces, then of carriage returns, so a space before a trailing carriage return stays.
void SplitLines(std::wstring_view text, std::vector<std::wstring>& lines) {
  text = text.substr(0, text.find(L'\0'));
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring_view::npos) end = text.size();
    if (end > start) {
      std::wstring piece(text.substr(start, end - start));
      TrimBoth(piece, L' ');
      TrimBoth(piece, L'\r');
      lines.push_back(std::move(piece));
    }
    start = end + 1;
  }
}

}  // namespace

void CIniSectionDefine::Parse() {
  for (std::wstring line : m_rawLines) {
    TrimBoth(line, L' ');
    TrimBoth(line, L'\r');
    TrimBoth(line, L'\n');
    if (line.empty() || line.front() == L';') continue;
    if (IsBracketed(line)) {
      m_section.m_strName = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t equals = line.find(L'=');
    if (equals == std::wstring::npos || equals == 0) continue;
    m_section.m_entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
}

int CIniMgr::LoadBytes(std::string_view bytes) {
  Clear();
  size_t markLength = 0;
  m_nEncoding = DetectByteOrderMark(bytes, markLength);
  std::wstring text;
  if (!DecodeText(m_nEncoding, bytes.substr(markLength), text)) return kIniCannotDecode;
  SplitLines(text, m_lines);
  return BuildSections();
}

int CIniMgr::BuildSections() {
  CIniSectionDefine* current = nullptr;
  try {
    for (const std::wstring& line : m_lines) {
      if (line.empty() || line.front() == L';') continue;
      if (IsBracketed(line)) {
        auto section = std::make_unique<CIniSectionDefine>();
        section->m_strName = line.substr(1, line.size() - 2);
        section->m_rawLines.push_back(line);
        current = section.get();
        m_sections.push_back(std::move(section));
      } else if (current) {
        current->m_rawLines.push_back(line);
      }
    }
  } catch (const std::bad_alloc&) {
    return kIniOutOfMemoryForSection;
  }
  for (auto& section : m_sections) section->Parse();
  return kIniLoaded;
}

const CIniSectionDefine* CIniMgr::FindSection(const std::wstring& section) const {
  for (const auto& candidate : m_sections)
    if (candidate->m_strName == section) return candidate.get();
  return nullptr;
}

bool CIniMgr::HasSection(const std::wstring& section) const { return FindSection(section) != nullptr; }

void CIniMgr::GetKeys(const std::wstring& section, std::vector<std::wstring>& keys) const {
  if (const CIniSectionDefine* found = FindSection(section))
    for (const auto& entry : found->m_section.m_entries) keys.push_back(entry.first);
}

const std::vector<std::pair<std::wstring, std::wstring>>* CIniMgr::Entries(const std::wstring& section) const {
  const CIniSectionDefine* found = FindSection(section);
  return found ? &found->m_section.m_entries : nullptr;
}

std::wstring CIniMgr::GetValue(const std::wstring& section, const std::wstring& key) const {
  if (key.empty()) return {};
  if (const CIniSectionDefine* found = FindSection(section))
    for (const auto& entry : found->m_section.m_entries)
      if (entry.first == key) return entry.second;
  return {};
}

void CIniMgr::Clear() {
  m_lines.clear();
  m_sections.clear();
}

}  // namespace vorma
