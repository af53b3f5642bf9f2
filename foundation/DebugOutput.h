#pragma once
// The programs' only diagnostics channel: lines go to the Windows debugger output
// (OutputDebugStringW), never to a file or a window. Every line is formatted into 256 wide
// characters first; a longer line is cut.
//
// Fixed forms used across both programs:
//   "==> Class::Method\n"                         entry into a method
//   "##### Name = value\n"                        a value worth recording
//   "***** text FAIL! *****\n"                    a failed call and its result
//   "===== milestone =====\n"                     a milestone
//   "[Class::Method] text"                        tracing inside a method

#include <functional>
#include <string>
#include <string_view>

namespace vorma {

inline constexpr size_t kDebugLineCapacity = 256;

// Formats like swprintf into 256 wide characters and writes the result.
void DebugPrint(const wchar_t* format, ...);

// Writes a text that is already formatted (cut to 255 characters like any other line).
void DebugWrite(std::wstring_view text);

void DebugTraceEntry(const wchar_t* classAndMethod);  // "==> %s\n"

// A Win32 call that failed: "***** operation FAIL! error N: system text *****\n".
void DebugWin32Failure(const wchar_t* operation, unsigned long errorCode);

// While an instance lives, every debug line is also handed to the callback (tests read the lines
// this way). Sinks nest: the newest one receives the lines until it is destroyed.
class DebugOutputSink {
public:
  explicit DebugOutputSink(std::function<void(std::wstring_view)> onLine);
  ~DebugOutputSink();
  DebugOutputSink(const DebugOutputSink&) = delete;
  DebugOutputSink& operator=(const DebugOutputSink&) = delete;

private:
  std::function<void(std::wstring_view)> onLine_;
  DebugOutputSink* previous_;
  friend void DebugWrite(std::wstring_view);
};

// The system's message text for a Win32 error code, without the trailing line break.
std::wstring SystemErrorText(unsigned long errorCode);

}  // namespace vorma
