#include "foundation/FileBytes.h"

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <new>

namespace vorma {

FileBytesResult ReadFileBytes(const std::wstring& path, std::size_t largest, std::string& bytes) {
  bytes.clear();
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return FileBytesResult::kCannotOpen;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > largest)
    return FileBytesResult::kCannotGetLength;
  try {
    bytes.resize(static_cast<size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return FileBytesResult::kOutOfMemory;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = bytes.size() - done > MAXDWORD ? MAXDWORD : static_cast<DWORD>(bytes.size() - done);
    if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) {
      bytes.clear();
      return FileBytesResult::kReadFailed;
    }
    done += read;
  }
  return FileBytesResult::kRead;
}

}  // namespace vorma
