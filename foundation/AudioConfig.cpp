#include "foundation/AudioConfig.h"

#include "foundation/AudioConfigRecord.h"
#include "foundation/Wow64.h"

#include <windows.h>
#include <shlobj.h>

namespace vorma {
namespace {

std::wstring WithTrailingBackslash(std::wstring path) {
  if (path.empty() || path.back() != L'\\') path.push_back(L'\\');
  return path;
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// The native system directory; a 32-bit process under WOW64 must switch redirection off to see it.
std::wstring NativeSystemDirectory(bool wow64) {
  void* redirection = nullptr;
  if (wow64) DisableFsRedirection(&redirection);
  wchar_t path[MAX_PATH] = {};
  GetSystemDirectoryW(path, MAX_PATH);
  if (wow64) RevertFsRedirection(redirection);
  return path;
}

// The installer's two extra keys are read at their places in the sequence when given.
void ReadConfigRecord(const std::wstring& configFileName, const std::wstring& programFullPath, AudioConfigInfo& r,
                      std::wstring* shortcutFolderNameUp, std::wstring* soundEffectAppFileName) {
  const std::wstring configFolder = ProgramFolder(programFullPath);
  const std::wstring path = configFolder + configFileName;
  FillAudioConfigRecord(
      programFullPath,
      [&path](const wchar_t* section, const wchar_t* key, std::wstring& destination) {
        return ReadProfileValue(path, section, key, destination);
      },
      r, shortcutFolderNameUp, soundEffectAppFileName);

  r.ProgramFilesPath = WithTrailingBackslash(ShellFolder(CSIDL_PROGRAM_FILES));
  r.InstallFolderFullPath = r.ProgramFilesPath + r.InstallFolderName + L"\\";

  const bool wow64 = IsWow64Process();
  r.SystemFolderPath = ShellFolder(wow64 ? CSIDL_SYSTEMX86 : (CSIDL_SYSTEM | CSIDL_FLAG_CREATE)) + L"\\";
  r.SystemDirectoryPath = NativeSystemDirectory(wow64) + L"\\";
}

}  // namespace

int ReadProfileValue(const std::wstring& path, const wchar_t* section, const wchar_t* key, std::wstring& destination) {
  wchar_t buffer[kConfigValueCapacity] = {};
  const DWORD length = GetPrivateProfileStringW(section, key, L"", buffer, kConfigValueCapacity, path.c_str());
  if (length == 0) return 1;
  destination.assign(buffer, length);
  return 0;
}

void ReadAudioConfig(const std::wstring& configFileName, const std::wstring& programFullPath, AudioConfigInfo& record) {
  ReadConfigRecord(configFileName, programFullPath, record, nullptr, nullptr);
}

void ReadAudioConfig(const std::wstring& configFileName, const std::wstring& programFullPath,
                     SetupAudioConfigInfo& record) {
  ReadConfigRecord(configFileName, programFullPath, record, &record.ShortcutFolderNameUp,
                   &record.SoundEffectAPPFileName);
}

}  // namespace vorma
