#pragma once
// Only one panel runs at a time. The running panel holds a named mutex; a second service-launched
// process finds it, brings the running panel's window forward and ends without a user interface.

#include "foundation/UniqueHandles.h"

#include <string>

namespace vorma {

inline constexpr wchar_t kSingleInstanceMutexName[] = L"{196BFF53-13AC-4BB7-8F82-D7E5E55E19F7}";

// Class of the form framework's hidden application window, whose caption is the application title.
inline constexpr wchar_t kApplicationWindowClass[] = L"TApplication";

struct SingleInstanceClaim {
  bool anotherInstanceRuns = false;
  UniqueHandle mutex;  // set when this process now holds the mutex
};

// Opens the mutex by name; when it does not exist yet, creates it unowned for this process.
SingleInstanceClaim ClaimSingleInstance();

// The application title: InstallAppTitle of the configuration file next to the program.
std::wstring ReadApplicationTitle(const std::wstring& programFullPath);

// Looks for another process's top-level "TApplication" window captioned with the title; restores
// it when minimised, otherwise raises it and makes it the foreground window. Returns whether one
// was found.
bool ActivateRunningInstance(const std::wstring& applicationTitle);

}  // namespace vorma
