#include "foundation/IniDocument.h"

#include "foundation/FileBytes.h"

namespace vorma {
namespace {

constexpr size_t kLargestIniFile = 0x7FFFFFFF;

int LoadResultOf(FileBytesResult result) {
  switch (result) {
    case FileBytesResult::kRead: return kIniLoaded;
    case FileBytesResult::kCannotOpen: return kIniCannotOpen;
    case FileBytesResult::kCannotGetLength: return kIniCannotGetLength;
    case FileBytesResult::kOutOfMemory: return kIniOutOfMemoryForFile;
    case FileBytesResult::kReadFailed: return kIniReadFailed;
  }
  return kIniReadFailed;
}

}  // namespace

int CIniMgr::Load(const std::wstring& path) {
  m_strFileName = path;
  std::string bytes;
  // A file that cannot be read leaves the document as it was.
  if (const int result = LoadResultOf(ReadFileBytes(path, kLargestIniFile, bytes)); result != kIniLoaded) return result;
  return LoadBytes(bytes);
}

}  // namespace vorma
