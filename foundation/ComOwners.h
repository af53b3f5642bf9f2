#pragma once
// Owners for COM: one move-only pointer owner that releases its interface exactly once, and the
// apartment initialisation of the calling thread, undone only when it succeeded.

#include <objbase.h>

#include <utility>

namespace vorma {

template <typename Interface>
class ComPtr {
public:
  ComPtr() noexcept = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }

  Interface* get() const noexcept { return pointer_; }
  Interface* operator->() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }

  void reset() noexcept {
    if (Interface* old = std::exchange(pointer_, nullptr)) old->Release();
  }
  // For calls that return an interface through an out-parameter: releases the current one first.
  Interface** put() noexcept {
    reset();
    return &pointer_;
  }
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

private:
  Interface* pointer_ = nullptr;
};

// CoInitialize on construction; CoUninitialize on destruction only when the initialisation
// succeeded (S_OK or S_FALSE, both counted by COM). Destroy it on the thread that made it, after
// every interface obtained under it was released.
class ComSession {
public:
  ComSession() noexcept : result_(CoInitialize(nullptr)) {}
  ~ComSession() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComSession(const ComSession&) = delete;
  ComSession& operator=(const ComSession&) = delete;

  bool Initialized() const noexcept { return SUCCEEDED(result_); }
  HRESULT Result() const noexcept { return result_; }

private:
  HRESULT result_;
};

}  // namespace vorma
