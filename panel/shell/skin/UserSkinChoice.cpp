#include "panel/shell/skin/UserSkinChoice.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"
#include "panel/shell/skin/SkinMenu.h"

#include <windows.h>

#include <algorithm>

namespace vorma::shell {
namespace {

std::wstring AppDataFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(buffer, length);
}

bool FileExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::wstring UserConfigPath(const std::wstring& installFolderName) {
  const std::wstring appData = AppDataFolder();
  if (appData.empty()) return {};
  return appData + L"\\" + installFolderName + L"\\AudioConfig.cfg";
}

UserLanguageAndSkin ReadUserLanguageAndSkin(const std::wstring& installFolderName) {
  const std::wstring path = UserConfigPath(installFolderName);
  DebugPrint(L"==> strLastPath, tcProgramPath = %s\n", AppDataFolder().c_str());
  UserLanguageAndSkin choice;
  if (!FileExists(path)) return choice;
  ReadProfileString(path, L"Language", L"DefaultLanguage", choice.language);
  ReadProfileString(path, L"Skin", L"DefaultSkin", choice.skin);
  choice.language.resize(std::min(choice.language.size(), kSkinNameCapacity));
  choice.skin.resize(std::min(choice.skin.size(), kSkinNameCapacity));
  return choice;
}

bool WriteUserLanguageAndSkin(const std::wstring& installFolderName, const UserLanguageAndSkin& choice) {
  const std::wstring path = UserConfigPath(installFolderName);
  if (!FileExists(path)) return false;
  WriteProfileString(path, L"Language", L"DefaultLanguage", choice.language);
  WriteProfileString(path, L"Skin", L"DefaultSkin", choice.skin);
  return true;
}

}  // namespace vorma::shell
