#include "tools/debugview/DebugCapture.h"

#include "foundation/UniqueHandles.h"

namespace vorma {
namespace {

// After the program was terminated, its exit event is waited for only this long.
constexpr DWORD kExitEventWaitMs = 10000;

// The debug string as the program wrote it. Wine turns OutputDebugStringW into an 8-bit string, so
// both kinds arrive; 8-bit text is in the system's code page.
std::wstring ReadDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info) {
  const size_t units = info.nDebugStringLength;  // includes the terminating null
  SIZE_T read = 0;
  if (info.fUnicode) {
    std::wstring text(units, L'\0');
    if (!ReadProcessMemory(process, info.lpDebugStringData, text.data(), units * sizeof(wchar_t), &read)) return {};
    text.resize(read / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
  }
  std::string bytes(units, '\0');
  if (!ReadProcessMemory(process, info.lpDebugStringData, bytes.data(), units, &read)) return {};
  bytes.resize(read);
  bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

// How long the next wait for a debug event may take; 0 once the deadline has passed.
DWORD RemainingMs(ULONGLONG deadline) {
  if (deadline == 0) return INFINITE;
  const ULONGLONG now = GetTickCount64();
  return now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
}

// The debugger receives a handle to each loaded image's file and must close it.
void CloseImageFile(HANDLE file) { UniqueHandle owner(file); }

class DebugSession {
public:
  DebugSession(HANDLE process, DWORD processId, const DebugStringHandler& onDebugString)
      : process_(process), processId_(processId), onDebugString_(onDebugString) {}

  unsigned Run(DWORD timeoutMs, DWORD& exitCode) {
    ULONGLONG deadline = timeoutMs == INFINITE ? 0 : GetTickCount64() + timeoutMs;
    unsigned result = kDebugCaptureDone;
    for (;;) {
      DEBUG_EVENT event{};
      const DWORD waitMs = RemainingMs(deadline);
      if (!WaitForDebugEvent(&event, waitMs)) {
        const bool timedOut = waitMs != INFINITE && RemainingMs(deadline) == 0;
        if (result != kDebugCaptureDone) return result;  // not even the exit event came after terminating
        result = timedOut ? kDebugCaptureTimedOut : kDebugCaptureWaitFailed;
        TerminateProcess(process_, ERROR_TIMEOUT);
        deadline = GetTickCount64() + kExitEventWaitMs;
        continue;
      }
      if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT && event.dwProcessId == processId_) {
        exitCode = event.u.ExitProcess.dwExitCode;
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
        return result;
      }
      ContinueDebugEvent(event.dwProcessId, event.dwThreadId, Handle(event));
    }
  }

private:
  DWORD Handle(const DEBUG_EVENT& event) {
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        CloseImageFile(event.u.CreateProcessInfo.hFile);
        return DBG_CONTINUE;
      case LOAD_DLL_DEBUG_EVENT:
        CloseImageFile(event.u.LoadDll.hFile);
        return DBG_CONTINUE;
      case OUTPUT_DEBUG_STRING_EVENT:
        onDebugString_(ReadDebugString(process_, event.u.DebugString));
        return DBG_CONTINUE;
      case EXCEPTION_DEBUG_EVENT:
        // The loader's breakpoint greets every debugger once; every other exception belongs to the
        // program's own handlers, as it would without a debugger.
        if (!seenLoaderBreakpoint_ && event.u.Exception.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT) {
          seenLoaderBreakpoint_ = true;
          return DBG_CONTINUE;
        }
        return DBG_EXCEPTION_NOT_HANDLED;
      default:
        return DBG_CONTINUE;
    }
  }

  HANDLE process_;
  DWORD processId_;
  const DebugStringHandler& onDebugString_;
  bool seenLoaderBreakpoint_ = false;
};

}  // namespace

unsigned RunCapturingDebugOutput(const std::wstring& commandLine, const DebugStringHandler& onDebugString,
                                 DWORD& exitCode, DWORD timeoutMs) {
  std::wstring writableCommandLine = commandLine;  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION created{};
  if (!CreateProcessW(nullptr, writableCommandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                      nullptr, &startup, &created))
    return kDebugCaptureStartFailed;
  UniqueHandle process(created.hProcess);
  UniqueHandle thread(created.hThread);
  return DebugSession(process.get(), created.dwProcessId, onDebugString).Run(timeoutMs, exitCode);
}

std::wstring QuoteCommandLineArgument(std::wstring_view argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring_view::npos)
    return std::wstring(argument);
  // Backslashes are literal except in front of a quote, where each one must be doubled.
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

std::wstring BuildCommandLine(const std::vector<std::wstring>& arguments) {
  std::wstring commandLine;
  for (const auto& argument : arguments) {
    if (!commandLine.empty()) commandLine.push_back(L' ');
    commandLine += QuoteCommandLineArgument(argument);
  }
  return commandLine;
}

}  // namespace vorma
