// The debug output of the native build of the parsers. There is no debugger channel, so lines are
// formatted (into the same 256 characters, so that long values from a file are cut as on Windows)
// and handed to the sinks only. The programs' format strings follow the Windows convention, where
// "%s" takes a wide string; the C library's wide formatting wants "%ls" for it.

#include "foundation/DebugOutput.h"

#include <cstdarg>
#include <cwchar>
#include <mutex>
#include <string>

namespace vorma {
namespace {

std::mutex g_sinkMutex;
DebugOutputSink* g_currentSink = nullptr;

std::wstring LibraryFormat(const wchar_t* format) {
  std::wstring converted;
  for (const wchar_t* p = format; *p; ++p) {
    converted += *p;
    if (*p != L'%') continue;
    if (p[1] == L'%') {
      converted += *++p;
      continue;
    }
    // Flags, width and precision, then the conversion.
    while (p[1] && std::wcschr(L"-+ #0123456789.*", p[1])) converted += *++p;
    if (p[1] == L's') converted += L'l';
  }
  return converted;
}

}  // namespace

void DebugWrite(std::wstring_view text) {
  const std::wstring_view line = text.substr(0, kDebugLineCapacity - 1);
  std::lock_guard lock(g_sinkMutex);
  if (g_currentSink) g_currentSink->onLine_(line);
}

void DebugPrint(const wchar_t* format, ...) {
  wchar_t line[kDebugLineCapacity];
  va_list args;
  va_start(args, format);
  const int written = std::vswprintf(line, kDebugLineCapacity, LibraryFormat(format).c_str(), args);
  va_end(args);
  if (written < 0 || written >= static_cast<int>(kDebugLineCapacity)) line[kDebugLineCapacity - 1] = L'\0';
  DebugWrite(line);
}

void DebugTraceEntry(const wchar_t* classAndMethod) { DebugPrint(L"==> %s\n", classAndMethod); }

void DebugWin32Failure(const wchar_t* operation, unsigned long errorCode) {
  DebugPrint(L"***** %s FAIL! error %lu *****\n", operation, errorCode);
}

std::wstring SystemErrorText(unsigned long errorCode) { return L"error " + std::to_wstring(errorCode); }

DebugOutputSink::DebugOutputSink(std::function<void(std::wstring_view)> onLine) : onLine_(std::move(onLine)) {
  std::lock_guard lock(g_sinkMutex);
  previous_ = g_currentSink;
  g_currentSink = this;
}

DebugOutputSink::~DebugOutputSink() {
  std::lock_guard lock(g_sinkMutex);
  if (g_currentSink == this) g_currentSink = previous_;
}

}  // namespace vorma
