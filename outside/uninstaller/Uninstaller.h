#pragma once
// The whole uninstall of what setup installed, run from the install folder.

namespace vorma::uninstall {

enum UninstallResult : int { kUninstallDone = 0, kUninstallCancelled = 1 };

// Asks for confirmation unless silent, removes everything setup wrote except each user's own
// folder below %APPDATA% (settings and profiles), says so, and leaves the install folder itself to
// a temporary copy of this program.
UninstallResult RunUninstall(bool silent);

}  // namespace vorma::uninstall
