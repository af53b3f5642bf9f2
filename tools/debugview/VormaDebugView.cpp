// VormaDebugView <program> [arguments...]
// Runs the program and prints every line it writes to the debugger output on standard output, one
// debug string per line, as UTF-8 (or through the console when there is one). Ends with the
// program's exit code; 127 when the program could not be started or followed.

#include "tools/debugview/DebugCapture.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr int kCannotStartExitCode = 127;

void WriteOut(HANDLE output, std::wstring_view text) {
  DWORD written = 0;
  if (DWORD mode = 0; GetConsoleMode(output, &mode)) {
    WriteConsoleW(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  const int units = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return;
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), units, bytes.data(), length, nullptr, nullptr);
  WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Each debug string on its own line: a string written without a line break (the panel writes its
// arguments that way) would otherwise run into the next one. Empty strings print nothing.
void PrintDebugString(HANDLE output, std::wstring_view text) {
  if (text.empty()) return;
  std::wstring line(text);
  while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r')) line.pop_back();
  line.push_back(L'\n');
  WriteOut(output, line);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
  if (argc < 2) {
    WriteOut(errors, L"usage: VormaDebugView <program> [arguments...]\n");
    return kCannotStartExitCode;
  }
  const std::vector<std::wstring> arguments(argv + 1, argv + argc);
  DWORD exitCode = 0;
  const unsigned result = vorma::RunCapturingDebugOutput(
      vorma::BuildCommandLine(arguments), [output](std::wstring_view text) { PrintDebugString(output, text); },
      exitCode);
  if (result == vorma::kDebugCaptureStartFailed) {
    const DWORD error = GetLastError();
    WriteOut(errors, L"VormaDebugView: cannot start " + arguments[0] + L" (error " + std::to_wstring(error) + L")\n");
    return kCannotStartExitCode;
  }
  if (result != vorma::kDebugCaptureDone) {
    WriteOut(errors, L"VormaDebugView: lost the debug events of " + arguments[0] + L"; it was ended\n");
    return kCannotStartExitCode;
  }
  return static_cast<int>(exitCode);
}
