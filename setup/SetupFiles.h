#pragma once
// The file operations of the installation: resources of the setup program written to disk, files
// and folder trees copied from the delivery folder. Everything copied or created gets normal
// attributes, so a read-only file of the delivery medium does not stay read-only when installed.

#include <windows.h>

#include <string>

namespace vorma::setup {

enum ExtractResult : int {
  kExtractDone = 0,
  kExtractCannotOpen = 1,    // the target file cannot be created
  kExtractShortWrite = 2,    // fewer bytes written than the resource holds
  kExtractNoResource = 3,    // missing, empty, or cannot be loaded
};

// How long a target file that another process holds open is waited for: a program of an earlier
// installation that was just asked to end (the panel, the stopped service) holds its file until
// its process has gone.
inline constexpr DWORD kFileInUseWaitMs = 15000;

// Writes the resource (type name, numeric id) of the module unchanged to the path, creating or
// truncating the file; a file in use by another process is tried again for up to inUseWaitMs.
int ExtractResourceToFile(HMODULE module, const wchar_t* type, WORD id, const std::wstring& path,
                          DWORD inUseWaitMs = kFileInUseWaitMs);
// Whether the module carries the resource with some bytes in it.
bool HasResource(HMODULE module, const wchar_t* type, WORD id);

// Copies the source folder's tree into target (or into target\<source's last folder name> when
// the last names differ). 1 done, 0 when either path has no backslash.
int CopyFolderTree(const std::wstring& source, const std::wstring& target);

// Copies a file, overwriting, and gives the copy normal attributes. False when the copy failed.
bool CopyFileNormal(const std::wstring& source, const std::wstring& target);

// Creates the folder and every missing parent. True when it exists afterwards.
bool CreateFolderWithParents(const std::wstring& folder);

// The first plain file in the folder (names starting with "." and folders are skipped); empty when
// there is none or the folder does not exist.
std::wstring FirstPlainFile(const std::wstring& folder);

bool FileExists(const std::wstring& path);

}  // namespace vorma::setup
