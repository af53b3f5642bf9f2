#pragma once
// A program cannot delete its own file while it runs. The uninstaller therefore leaves the install
// folder to a copy of itself in the temporary folder: the copy waits until the uninstaller has
// ended, removes the folder and is itself removed at the next restart.

#include <string>

namespace vorma::uninstall {

// The copy's switches: UNINSTALLER /RemoveFolder "<folder>" /After <process id>
inline constexpr wchar_t kRemoveFolderSwitch[] = L"/RemoveFolder";
inline constexpr wchar_t kAfterSwitch[] = L"/After";

// Starts the copy for the folder; false when it could not be made or started.
bool HandFolderToTemporaryCopy(const std::wstring& uninstallerPath, const std::wstring& installFolder);

// The copy's work: waits for the process to end, removes the folder tree and marks this program for
// removal at the next restart. Returns the exit code.
int RemoveFolderAfter(const std::wstring& folder, unsigned long processId);

// Refuses folders that are surely not an install folder: a drive or share root, or a folder without
// the AudioConfig.cfg that setup puts in every install folder.
bool LooksLikeInstallFolder(const std::wstring& folder);

}  // namespace vorma::uninstall
