#include "foundation/DeviceIdManager.h"

#include "foundation/DeviceIdCode.h"

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
  return LoadSection(section);
}

int CDeviceIdMgr::LoadFromConfigText(std::string_view bytes, const std::wstring& section) {
  if (m_iniDocument.LoadBytes(bytes) != kIniLoaded) return kDeviceIdConfigCannotLoad;
  return LoadSection(section);
}

int CDeviceIdMgr::LoadSection(const std::wstring& section) {
  Clear();
  const auto* entries = m_iniDocument.Entries(section);
  if (!entries) return kDeviceIdConfigNoSection;
  if (entries->empty()) return kDeviceIdConfigNoKeys;
  // The entries in file order, in one pass: looking each value up by its key would read a key
  // that occurs twice with the first one's value, and costs a scan of the section per key.
  m_rawEntries.reserve(entries->size());
  for (const auto& entry : *entries) m_rawEntries.push_back(entry.second);
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

void CDeviceIdMgr::Clear() {
  m_rawEntries.clear();
  m_entries.clear();
}

}  // namespace vorma
