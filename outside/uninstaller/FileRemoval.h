#pragma once
// Removing files and folders that may still be in use: what cannot go now goes at the next restart.

#include <string>

namespace vorma::uninstall {

enum class Removal { Removed, AtRestart, NotThere };

// Deletes a file; a file in use is retried for a short while and then left to the next restart.
Removal RemoveFile(const std::wstring& path);

// Deletes a folder with everything in it (the path without a trailing backslash). What is in use is
// left to the next restart, the folder included.
Removal RemoveFolderTree(const std::wstring& folder);

// Deletes a folder only when it is empty.
void RemoveFolderIfEmpty(const std::wstring& folder);

bool FileExists(const std::wstring& path);

}  // namespace vorma::uninstall
