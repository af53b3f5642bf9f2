#pragma once
// Reading a whole file into memory: the one place where the parsers of files meet the system's
// file calls, so that every parser itself works on bytes and builds without <windows.h>.

#include <cstddef>
#include <string>

namespace vorma {

enum class FileBytesResult {
  kRead,
  kCannotOpen,
  kCannotGetLength,  // also a file longer than the caller's limit
  kOutOfMemory,
  kReadFailed,
};

// Reads the whole file into `bytes` (left empty on failure). A file longer than `largest` bytes is
// refused as kCannotGetLength, so a huge or foreign file is never taken into memory.
FileBytesResult ReadFileBytes(const std::wstring& path, std::size_t largest, std::string& bytes);

}  // namespace vorma
