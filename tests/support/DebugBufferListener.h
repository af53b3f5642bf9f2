#pragma once
// Reads the debug output of programs no test can run under a debugger (a service and what it
// starts) through the system's shared debug buffer, the way a debug-output viewer does. Only one
// listener can exist on a system at a time.

#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vorma::test {

class DebugBufferListener {
public:
  struct Line {
    DWORD processId;
    std::string text;
  };

  DebugBufferListener();
  ~DebugBufferListener();
  DebugBufferListener(const DebugBufferListener&) = delete;
  DebugBufferListener& operator=(const DebugBufferListener&) = delete;

  // False when the buffer's objects could not be made (another listener runs).
  bool Listening() const { return listening_; }

  std::vector<Line> Lines() const;
  // Waits until a line contains the fragment; returns the first such line's process id (0: none).
  DWORD WaitForLine(const std::string& fragment, DWORD timeoutMs) const;
  bool Contains(const std::string& fragment) const;

private:
  void Run();

  UniqueHandle mapping_;
  UniqueMappedView view_;
  UniqueHandle bufferReady_;
  UniqueHandle dataReady_;
  bool listening_ = false;
  std::atomic<bool> stop_ = false;
  mutable std::mutex mutex_;
  std::vector<Line> lines_;
  std::thread reader_;
};

}  // namespace vorma::test
