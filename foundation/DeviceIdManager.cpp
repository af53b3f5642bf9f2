#include "foundation/DeviceIdManager.h"

#include "foundation/DeviceIdCode.h"

#include <windows.h>

#include <vector>

namespace vorma {
namespace {

// The decrypted text of a code can be at most as long as the code's cipher text; 4096 is ample.
constexpr size_t kDecryptedCapacity = 4096;

std::wstring TrimSpaces(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return std::wstring();
  const size_t last = text.find_last_not_of(L' ');
  return text.substr(first, last - first + 1);
}

std::wstring UpperCase(const std::wstring& text) {
  std::wstring upper = text;
  if (!upper.empty())
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.data(), static_cast<int>(text.size()), upper.data(),
                 static_cast<int>(upper.size()));
  return upper;
}

// True when the code decrypts to exactly the pattern's characters.
bool CodeDecryptsTo(const std::wstring& code, const std::wstring& pattern) {
  std::string codeBytes;
  codeBytes.reserve(code.size());
  for (wchar_t c : code) {
    // Narrowing a character beyond ASCII to its low byte could turn it into a Base64 letter, so such a
    // code would be accepted with a character that is not in the alphabet.
    if (c > 0x7F) return false;
    codeBytes.push_back(static_cast<char>(c));
  }
  std::vector<unsigned char> text(kDecryptedCapacity);
  size_t textLength = text.size();
  if (DecodeDeviceIdCode(reinterpret_cast<const unsigned char*>(codeBytes.data()), codeBytes.size(), text.data(),
                         textLength) != kDeviceIdCodeDone)
    return false;
  if (textLength != pattern.size()) return false;
  for (size_t i = 0; i < textLength; ++i)
    if (static_cast<wchar_t>(text[i]) != pattern[i]) return false;
  return true;
}

}  // namespace

int CDeviceIdMgr::LoadFromConfig(const std::wstring& path, const std::wstring& section) {
  if (m_iniDocument.Load(path) != kIniLoaded) return kDeviceIdConfigCannotLoad;
  Clear();
  if (!m_iniDocument.HasSection(section)) return kDeviceIdConfigNoSection;
  std::vector<std::wstring> keys;
  m_iniDocument.GetKeys(section, keys);
  if (keys.empty()) return kDeviceIdConfigNoKeys;
  for (const std::wstring& key : keys) m_rawEntries.push_back(m_iniDocument.GetValue(section, key));
  return ParseRawEntries() == 0 ? kDeviceIdConfigLoaded : kDeviceIdConfigEmptySide;
}

int CDeviceIdMgr::ParseRawEntries() {
  for (const std::wstring& raw : m_rawEntries) {
    const size_t comma = raw.find(L',');
    if (comma == std::wstring::npos) continue;
    const std::wstring pattern = TrimSpaces(raw.substr(0, comma));
    const std::wstring code = TrimSpaces(raw.substr(comma + 1));
    if (pattern.empty() || code.empty()) return 1;
    if (CodeDecryptsTo(code, pattern)) m_entries.emplace(pattern, code);
  }
  return 0;
}

bool CDeviceIdMgr::Matches(const std::wstring& hardwareId) const {
  const std::wstring id = UpperCase(hardwareId);
  for (const auto& [pattern, code] : m_entries) {
    if (pattern.size() != id.size()) continue;
    const std::wstring upperPattern = UpperCase(pattern);
    std::wstring masked = id;
    for (size_t i = 0; i < upperPattern.size(); ++i)
      if (upperPattern[i] == L'X') masked[i] = L'X';
    if (masked == upperPattern) return true;
  }
  return false;
}

void CDeviceIdMgr::Clear() {
  m_rawEntries.clear();
  m_entries.clear();
}

}  // namespace vorma
