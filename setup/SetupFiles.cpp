#include "setup/SetupFiles.h"

#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <shlobj.h>

namespace vorma::setup {
namespace {

std::wstring WithoutTrailingBackslash(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

// The last folder name of a path; a trailing backslash is ignored. False when it has no backslash.
bool LastFolderName(const std::wstring& path, std::wstring& name) {
  const std::wstring trimmed = WithoutTrailingBackslash(path);
  const size_t backslash = trimmed.find_last_of(L'\\');
  if (backslash == std::wstring::npos) return false;
  name = trimmed.substr(backslash + 1);
  return true;
}

void CreateFolderLogged(const std::wstring& folder) {
  DebugPrint(L"##### Create Directory = %s\n", folder.c_str());
  // An existing folder counts as a failure here and is harmless.
  if (!CreateDirectoryW(folder.c_str(), nullptr)) DebugWrite(L"***** Create Directory FAIL! *****\n");
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void CopyTreeContents(const std::wstring& source, const std::wstring& target) {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW((source + L"\\*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (name == L"." || name == L"..") continue;
      CreateFolderLogged(target + L"\\" + name);
      CopyTreeContents(source + L"\\" + name, target + L"\\" + name);
    } else {
      CopyFileNormal(source + L"\\" + name, target + L"\\" + name);
    }
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

// Creates or truncates the file for writing; while another process holds it open, tries again until
// the wait is over.
UniqueHandle CreateTruncated(const std::wstring& path, DWORD inUseWaitMs) {
  const ULONGLONG deadline = GetTickCount64() + inUseWaitMs;
  bool waitWritten = false;
  for (;;) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = GetLastError();
    if (file || error != ERROR_SHARING_VIOLATION || GetTickCount64() >= deadline) {
      SetLastError(error);
      return file;
    }
    if (!waitWritten) DebugPrint(L"##### In use, waiting = %s\n", path.c_str());
    waitWritten = true;
    Sleep(100);
  }
}

}  // namespace

bool HasResource(HMODULE module, const wchar_t* type, WORD id) {
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  return found && SizeofResource(module, found) > 0;
}

int ExtractResourceToFile(HMODULE module, const wchar_t* type, WORD id, const std::wstring& path,
                          DWORD inUseWaitMs) {
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  const DWORD size = found ? SizeofResource(module, found) : 0;
  const HGLOBAL loaded = size ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) {
    DebugPrint(L"***** Resource %s %u not found FAIL! *****\n", type, id);
    return kExtractNoResource;
  }
  const UniqueHandle file = CreateTruncated(path, inUseWaitMs);
  if (!file) {
    DebugWin32Failure((L"CreateFileW " + path).c_str(), GetLastError());
    return kExtractCannotOpen;
  }
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes, size, &written, nullptr) || written != size) {
    DebugWin32Failure((L"WriteFile " + path).c_str(), GetLastError());
    return kExtractShortWrite;
  }
  return kExtractDone;
}

int CopyFolderTree(const std::wstring& source, const std::wstring& target) {
  std::wstring sourceName, targetName;
  if (!LastFolderName(source, sourceName) || !LastFolderName(target, targetName)) return 0;
  std::wstring destination = WithoutTrailingBackslash(target);
  if (sourceName != targetName) destination += L"\\" + sourceName;
  CreateFolderLogged(destination);
  CopyTreeContents(WithoutTrailingBackslash(source), destination);
  return 1;
}

bool CopyFileNormal(const std::wstring& source, const std::wstring& target) {
  const bool copied = CopyFileW(source.c_str(), target.c_str(), FALSE) != 0;
  if (!copied) DebugWin32Failure((L"CopyFileW " + source).c_str(), GetLastError());
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  return copied;
}

bool CreateFolderWithParents(const std::wstring& folder) {
  const std::wstring path = WithoutTrailingBackslash(folder);
  const int result = SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
  if (result != ERROR_SUCCESS && result != ERROR_ALREADY_EXISTS && result != ERROR_FILE_EXISTS) {
    DebugWin32Failure((L"SHCreateDirectoryExW " + path).c_str(), static_cast<DWORD>(result));
    return false;
  }
  return true;
}

std::wstring FirstPlainFile(const std::wstring& folder) {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW((WithoutTrailingBackslash(folder) + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return {};
  std::wstring found;
  do {
    if (entry.cFileName[0] == L'.' || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    found = entry.cFileName;
  } while (found.empty() && FindNextFileW(search, &entry));
  FindClose(search);
  return found;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vorma::setup
