#include "panel/shell/ResolutionFolder.h"

#include <windows.h>

namespace vorma::shell {
namespace {

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring ResolutionFolderForScreen(int width, int height) {
  const long long pixels = static_cast<long long>(width) * height;
  if (pixels > 2073600) return L"1920x1080\\";
  if (pixels > 1049088) return L"1366x768\\";
  if (pixels > 518400) return L"960x540\\";
  return L"";
}

std::wstring UsableResolutionFolder(const std::wstring& folder, const std::wstring& programPath,
                                    const std::wstring& skinFolderName, const std::wstring& skin,
                                    const std::wstring& languageFolderName, const std::wstring& language) {
  std::wstring usable = folder;
  if (!FileExists(programPath + skinFolderName + L"\\" + usable + skin + L"\\SkinSetting.ini")) usable.clear();
  if (!FileExists(programPath + languageFolderName + L"\\" + usable + language + L"\\Language.ini")) usable.clear();
  return usable;
}

}  // namespace vorma::shell
