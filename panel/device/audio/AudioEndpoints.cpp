#include "panel/device/audio/AudioEndpoints.h"

#include <windows.h>

#include <cwchar>

namespace vorma {

std::wstring CaptureDevicePrefix(std::uint16_t vendorId, std::uint16_t productId) {
  wchar_t prefix[40];
  std::swprintf(prefix, 40, L"\\\\?\\USB#VID_%04X&PID_%04X", vendorId, productId);
  return prefix;
}

bool PathBelongsToDevice(const std::wstring& path, std::uint16_t vendorId, std::uint16_t productId) {
  const std::wstring prefix = CaptureDevicePrefix(vendorId, productId);
  if (path.size() < prefix.size()) return false;
  for (size_t start = 0; start + prefix.size() <= path.size(); ++start)
    if (_wcsnicmp(path.c_str() + start, prefix.c_str(), prefix.size()) == 0) return true;
  return false;
}

}  // namespace vorma
