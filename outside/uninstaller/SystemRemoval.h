#pragma once
// What setup registered with Windows: the service, the driver, the registry values and keys, the
// shortcuts. Each step writes what it removed to the debug output; what is not there is skipped.

#include "outside/uninstaller/UninstallTargets.h"

namespace vorma::uninstall {

// Asks a running panel and the companion programs to end.
void AskRunningProgramsToEnd();

// Stops and deletes the service Halvorn, then removes its program file.
void RemoveBackgroundService(const UninstallTargets& targets);

// The driver's service key and its file.
void RemoveFilterDriver(const UninstallTargets& targets);

// The launch values and factory defaults below "KVX 72xx Software" (the key itself when nothing
// else is left in it), the device-ID groups, the Run value and the uninstall entry.
void RemoveRegistryEntries(const UninstallTargets& targets);

void RemoveShortcuts(const UninstallTargets& targets);

}  // namespace vorma::uninstall
