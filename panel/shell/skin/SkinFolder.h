#pragma once
// Where a skin lives: <program folder><SkinFolderName>\<resolution folder><skin>\ .

#include <string>

namespace vorma::shell {

struct SkinFolder {
  std::wstring dir;   // full path ending in a backslash
  std::wstring name;  // the skin's folder name (m_tcSkin)
};

// The folder that holds the skins for the screen size; `resolutionFolder` is empty or ends in "\".
inline std::wstring SkinListFolder(const std::wstring& programPath, const std::wstring& skinFolderName,
                                   const std::wstring& resolutionFolder) {
  return programPath + skinFolderName + L"\\" + resolutionFolder;
}

inline SkinFolder MakeSkinFolder(const std::wstring& programPath, const std::wstring& skinFolderName,
                                 const std::wstring& resolutionFolder, const std::wstring& skin) {
  return SkinFolder{SkinListFolder(programPath, skinFolderName, resolutionFolder) + skin + L"\\", skin};
}

}  // namespace vorma::shell
