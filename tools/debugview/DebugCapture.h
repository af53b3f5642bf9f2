#pragma once
// Runs a program as a debuggee and reads the lines it writes with OutputDebugString, the channel
// all of our programs report through.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorma {

enum DebugCaptureResult : unsigned {
  kDebugCaptureDone = 0,            // the program ran and ended; its exit code is set
  kDebugCaptureStartFailed = 1,     // the program could not be started
  kDebugCaptureWaitFailed = 2,      // waiting for debug events failed; the program was ended
  kDebugCaptureTimedOut = 3,        // the program outlived the time-out and was ended
};

// Called for every debug string, in order, while the program is stopped at the event: what the
// callback looks at (files, kernel objects) is in the state the program left it when it wrote.
using DebugStringHandler = std::function<void(std::wstring_view text)>;

// Starts the command line (program and arguments, quoted as CreateProcess expects) as a debuggee,
// passes its debug strings to the handler and returns when it ends. The time-out is in
// milliseconds (INFINITE to wait for ever); on time-out the program is terminated.
unsigned RunCapturingDebugOutput(const std::wstring& commandLine, const DebugStringHandler& onDebugString,
                                 DWORD& exitCode, DWORD timeoutMs = INFINITE);

// Quotes one argument so that the program's command-line parsing gives it back unchanged.
std::wstring QuoteCommandLineArgument(std::wstring_view argument);

// Joins quoted arguments into a command line.
std::wstring BuildCommandLine(const std::vector<std::wstring>& arguments);

}  // namespace vorma
