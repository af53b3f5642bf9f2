#pragma once
// What a panel process is started for, decided from its command line.

#include <string>
#include <vector>

namespace vorma {

enum class LaunchRole {
  BootRequester,    // "-boot" from the logon autostart: ask the service with control 196, then end
  PlainRequester,   // no flag (shortcut, double click): ask the service with control 193, then end
  ServiceLaunched,  // "-servicestart" or "-serviceboot" from the service: run the panel
};

// Service controls the requesters send to the background service.
inline constexpr unsigned kServiceControlLaunchPanel = 193;        // launch with "-servicestart"
inline constexpr unsigned kServiceControlLaunchPanelAtBoot = 196;  // launch with "-serviceboot"

// Scans the arguments (arguments[0] is the program path) and writes each of them to the debug
// output as it goes. Flags match case-insensitively and the first flag decides, so a "-boot" after
// a service flag is never seen.
LaunchRole ScanCommandLine(const std::vector<std::wstring>& arguments);

// The running process's arguments, with the program's full path as argument 0.
std::vector<std::wstring> ProcessArguments();

}  // namespace vorma
