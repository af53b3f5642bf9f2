// Whole-file reads for the native build of the parsers: the path's characters below U+0080 are
// taken as they are (the fuzz targets hand the parsers bytes, not paths).

#include "foundation/FileBytes.h"

#include <cstdio>
#include <memory>

namespace vorma {

FileBytesResult ReadFileBytes(const std::wstring& path, std::size_t largest, std::string& bytes) {
  bytes.clear();
  std::string narrow;
  for (wchar_t c : path) {
    if (c <= 0 || c >= 0x80) return FileBytesResult::kCannotOpen;
    narrow.push_back(static_cast<char>(c));
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(narrow.c_str(), "rb"), &std::fclose);
  if (!file) return FileBytesResult::kCannotOpen;
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return FileBytesResult::kCannotGetLength;
  const long size = std::ftell(file.get());
  if (size < 0 || static_cast<unsigned long>(size) > largest) return FileBytesResult::kCannotGetLength;
  std::rewind(file.get());
  bytes.resize(static_cast<size_t>(size));
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    bytes.clear();
    return FileBytesResult::kReadFailed;
  }
  return FileBytesResult::kRead;
}

}  // namespace vorma
