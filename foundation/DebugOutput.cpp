#include "foundation/DebugOutput.h"

#include <windows.h>

#include <cstdarg>
#include <cwchar>
#include <mutex>

namespace vorma {
namespace {

// The sink chain is process-wide like the debugger channel it mirrors; the mutex keeps lines from
// worker threads whole.
std::mutex g_sinkMutex;
DebugOutputSink* g_currentSink = nullptr;

}  // namespace

void DebugWrite(std::wstring_view text) {
  wchar_t line[kDebugLineCapacity];
  const size_t length = text.size() < kDebugLineCapacity ? text.size() : kDebugLineCapacity - 1;
  wmemcpy(line, text.data(), length);
  line[length] = L'\0';
  OutputDebugStringW(line);
  std::lock_guard lock(g_sinkMutex);
  if (g_currentSink) g_currentSink->onLine_(std::wstring_view(line, length));
}

void DebugPrint(const wchar_t* format, ...) {
  wchar_t line[kDebugLineCapacity];
  va_list args;
  va_start(args, format);
  const int written = _vsnwprintf(line, kDebugLineCapacity, format, args);
  va_end(args);
  // _vsnwprintf leaves the buffer unterminated when the text is cut.
  if (written < 0 || written >= static_cast<int>(kDebugLineCapacity)) line[kDebugLineCapacity - 1] = L'\0';
  DebugWrite(line);
}

void DebugTraceEntry(const wchar_t* classAndMethod) { DebugPrint(L"==> %s\n", classAndMethod); }

void DebugWin32Failure(const wchar_t* operation, unsigned long errorCode) {
  DebugPrint(L"***** %s FAIL! error %lu: %s *****\n", operation, errorCode, SystemErrorText(errorCode).c_str());
}

std::wstring SystemErrorText(unsigned long errorCode) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, errorCode, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return text;
}

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
