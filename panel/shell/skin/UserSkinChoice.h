#pragma once
// The per-user choice of language and skin: [Language] DefaultLanguage and [Skin] DefaultSkin of
// %APPDATA%\<InstallFolderName>\AudioConfig.cfg. The file is read and written only when it
// exists; the panel never creates it.

#include <string>

namespace vorma::shell {

struct UserLanguageAndSkin {
  std::wstring language;  // m_tcLanguage
  std::wstring skin;      // m_tcSkin
};

// The per-user file's path; empty when APPDATA is not set.
std::wstring UserConfigPath(const std::wstring& installFolderName);

// Both names from the per-user file; both empty when it does not exist.
UserLanguageAndSkin ReadUserLanguageAndSkin(const std::wstring& installFolderName);

// Writes both names back when the per-user file exists; returns whether it did.
bool WriteUserLanguageAndSkin(const std::wstring& installFolderName, const UserLanguageAndSkin& choice);

}  // namespace vorma::shell
