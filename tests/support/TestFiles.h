#pragma once
// Files and folders that tests create and remove again.

#include <string>
#include <string_view>

namespace vorma::test {

// A fresh folder under the temporary folder, removed with its content on destruction.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Full path of the folder, ending in a backslash.
  const std::wstring& Path() const { return path_; }
  std::wstring File(std::wstring_view name) const { return path_ + std::wstring(name); }

  // Writes the bytes as they are and returns the file's full path.
  std::wstring WriteBytes(std::wstring_view name, std::string_view bytes) const;

private:
  std::wstring path_;
};

std::string ReadFileBytes(const std::wstring& path);

// Full path of the running test program's folder, ending in a backslash.
std::wstring ProgramFolder();

}  // namespace vorma::test
