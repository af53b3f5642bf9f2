#pragma once

#include <string>

namespace vorma {

enum FileVersionResult : int {
  kFileVersionDone = 0,
  kFileVersionNoInformation = 1,
  kFileVersionReadFailed = 2,
  kFileVersionRootQueryFailed = 3,
  kFileVersionRootEmpty = 4,
};

// The file version of a program or library as "major.minor.build.revision". The text is set only
// when the version resource carries a valid fixed-information block; otherwise it stays as it was.
int GetFileVersionText(const std::wstring& filePath, std::wstring& text);

}  // namespace vorma
