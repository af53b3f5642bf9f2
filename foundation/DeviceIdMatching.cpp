#include "foundation/DeviceIdManager.h"

#include <windows.h>

namespace vorma {
namespace {

// Upper-cased as Windows does it for hardware IDs, independent of the user's locale.
std::wstring UpperCase(const std::wstring& text) {
  std::wstring upper = text;
  if (!upper.empty())
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.data(), static_cast<int>(text.size()), upper.data(),
                 static_cast<int>(upper.size()));
  return upper;
}

}  // namespace

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

}  // namespace vorma
