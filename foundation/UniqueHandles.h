#pragma once
// One move-only owner per Win32 handle kind. Each closes its handle exactly once, so every early
// return releases what was opened. Here the kernel, registry, module, service, crypto and window
// owners; those of GDI, GDI+, menus and icons are in forms/GdiHandles.h, those of SetupAPI, HID and
// device notifications in panel/device/DeviceHandles.h.

#include <windows.h>
#include <wincrypt.h>

#include <utility>

namespace vorma {

template <typename Traits>
class UniqueResource {
public:
  using Handle = typename Traits::Handle;

  UniqueResource() noexcept = default;
  explicit UniqueResource(Handle handle) noexcept : handle_(handle) {}
  ~UniqueResource() { reset(); }

  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : handle_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return Traits::IsValid(handle_); }

  Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

  void reset(Handle handle = Traits::Invalid()) noexcept {
    Handle old = std::exchange(handle_, handle);
    if (Traits::IsValid(old)) Traits::Close(old);
  }

  // For APIs that return the handle through an out-parameter: releases the current one first.
  Handle* put() noexcept {
    reset();
    return &handle_;
  }

private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  // CreateFile reports failure with INVALID_HANDLE_VALUE, most other calls with null.
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { FreeLibrary(h); }
};

struct ActivationContextTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) { ReleaseActCtx(h); }
};

struct ServiceHandleTraits {
  using Handle = SC_HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CloseServiceHandle(h); }
};

struct CryptProviderTraits {
  using Handle = HCRYPTPROV;
  static Handle Invalid() { return 0; }
  static bool IsValid(Handle h) { return h != 0; }
  static void Close(Handle h) { CryptReleaseContext(h, 0); }
};

struct CryptKeyTraits {
  using Handle = HCRYPTKEY;
  static Handle Invalid() { return 0; }
  static bool IsValid(Handle h) { return h != 0; }
  static void Close(Handle h) { CryptDestroyKey(h); }
};

struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DestroyWindow(h); }
};

// A view of a file mapping from MapViewOfFile.
struct MappedViewTraits {
  using Handle = void*;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { UnmapViewOfFile(h); }
};

// A FindFirstFile search, which is closed with FindClose rather than CloseHandle.
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { FindClose(h); }
};

using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueMappedView = UniqueResource<MappedViewTraits>;
using UniqueRegKey = UniqueResource<RegKeyTraits>;
using UniqueModule = UniqueResource<ModuleTraits>;
using UniqueActivationContext = UniqueResource<ActivationContextTraits>;
using UniqueServiceHandle = UniqueResource<ServiceHandleTraits>;
using UniqueCryptProvider = UniqueResource<CryptProviderTraits>;
using UniqueCryptKey = UniqueResource<CryptKeyTraits>;
using UniqueWindow = UniqueResource<WindowTraits>;  // destroy on the thread that created the window

}  // namespace vorma
