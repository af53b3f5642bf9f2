#pragma once
// The two system components: the filter driver Xafilt (file and service key) and the background
// service Halvorn (program file, its own registration run, the command lines it launches the
// panel and the companion programs with, and its start).

#include "setup/InstallContext.h"

#include <string>

namespace vorma::setup {

inline constexpr wchar_t kFilterDriverName[] = L"Xafilt";
inline constexpr wchar_t kServicesKeyPrefix[] = L"SYSTEM\\CurrentControlSet\\Services\\";

enum DriverServiceResult : int { kDriverServiceRegistered = 0, kDriverServiceKeyFailed = 1 };
// Creates the driver's service key with its four values.
int RegisterDriverService(const std::wstring& driverName);

// Step 1: 0, 0x80000101 (service key), 0x80000102 (resource missing), 0x80000103 (file not written).
unsigned Install_FilterDriver(InstallContext& context);

// Step 2: 0, 0x80000201 (resource missing), 0x80000202 (file not written), 0x80000203 (the
// registration run did not end in time), 0x80000204 (it could not be started).
unsigned InstallService(InstallContext& context);

// The fifteen launch values: groups C (panel), B and D (the companions), five values each.
void WriteLaunchValues(const SetupSettings& settings);

// Broadcasts the registered message ("WM_KVX72xxAPP_EXIT"), which makes a running panel close;
// waits 100 ms per window.
void BroadcastPanelExit(const std::wstring& messageName);

}  // namespace vorma::setup
