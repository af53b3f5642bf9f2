#pragma once
// Records the debug lines written while it lives, for assertions in tests.

#include "foundation/DebugOutput.h"

#include <mutex>
#include <string>
#include <vector>

namespace vorma::test {

class DebugLineRecorder {
public:
  DebugLineRecorder()
      : sink_([this](std::wstring_view line) {
          std::lock_guard lock(mutex_);
          lines_.emplace_back(line);
        }) {}

  std::vector<std::wstring> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }

  bool Contains(std::wstring_view line) const {
    std::lock_guard lock(mutex_);
    for (const auto& l : lines_)
      if (l == line) return true;
    return false;
  }

private:
  mutable std::mutex mutex_;
  std::vector<std::wstring> lines_;
  DebugOutputSink sink_;
};

}  // namespace vorma::test
