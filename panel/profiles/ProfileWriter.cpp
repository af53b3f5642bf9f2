#include "panel/profiles/ProfileWriter.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"

#include <utility>

namespace vorma::profiles {
namespace {

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

}  // namespace

ProfileWriter::ProfileWriter(std::wstring target) : target_(std::move(target)) {
  wchar_t copy[MAX_PATH] = {};
  // Makes an empty file with a name of its own in the target's folder.
  if (GetTempFileNameW(FolderOf(target_).c_str(), L"vpf", 0, copy) == 0) {
    DebugWin32Failure((L"profile save: no temporary file beside " + target_).c_str(), GetLastError());
    return;
  }
  copy_ = copy;
  const DWORD attributes = GetFileAttributesW(target_.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;  // a new file
  // Windows refuses to replace a read-only file, Wine does not: the user's protection holds on both.
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    DebugPrint(L"profile save: \"%ls\" is read-only\n", target_.c_str());
    failed_ = true;
    return;
  }
  if (!CopyFileW(target_.c_str(), copy_.c_str(), FALSE)) {
    DebugWin32Failure((L"profile save: copying " + target_).c_str(), GetLastError());
    failed_ = true;
    return;
  }
  // The copy takes the target's attributes; a read-only target must not make the copy read-only.
  SetFileAttributesW(copy_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

ProfileWriter::~ProfileWriter() {
  if (!copy_.empty()) DeleteFileW(copy_.c_str());
}

void ProfileWriter::Write(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
  if (copy_.empty() || failed_) return;
  if (!TryWriteProfileString(copy_, section, key, value)) {
    DebugWin32Failure((std::wstring(L"profile save: writing [") + section + L"] " + key).c_str(), GetLastError());
    failed_ = true;
  }
}

bool ProfileWriter::Commit() {
  if (copy_.empty() || failed_) return false;
  // Private-profile writes may be cached; flushing makes the copy complete before it is moved.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy_.c_str());
  if (!MoveFileExW(copy_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DebugWin32Failure((L"profile save: replacing " + target_).c_str(), GetLastError());
    return false;
  }
  copy_.clear();
  return true;
}

}  // namespace vorma::profiles
