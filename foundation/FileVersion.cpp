#include "foundation/FileVersion.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace vorma {

int GetFileVersionText(const std::wstring& filePath, std::wstring& text) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(filePath.c_str(), &handle);
  if (size == 0) return kFileVersionNoInformation;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(filePath.c_str(), 0, size, block.data())) return kFileVersionReadFailed;
  void* root = nullptr;
  UINT rootLength = 0;
  if (!VerQueryValueW(block.data(), L"\\", &root, &rootLength)) return kFileVersionRootQueryFailed;
  if (rootLength == 0) return kFileVersionRootEmpty;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(root);
  if (rootLength >= sizeof(VS_FIXEDFILEINFO) && info->dwSignature == 0xFEEF04BD) {
    wchar_t version[260];
    swprintf(version, 260, L"%d.%d.%d.%d", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
             HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
    text = version;
  }
  return kFileVersionDone;
}

}  // namespace vorma
