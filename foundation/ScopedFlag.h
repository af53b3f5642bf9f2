#pragma once
// Sets a flag for as long as a scope runs and clears it on every way out of the scope.

namespace vorma {

class ScopedFlag {
public:
  explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = false; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
  bool& flag_;
};

}  // namespace vorma
