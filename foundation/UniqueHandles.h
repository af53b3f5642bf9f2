#pragma once
// One move-only owner per Win32 handle kind. Each closes its handle exactly once, so every early
// return releases what was opened.

#include <windows.h>
#include <wincrypt.h>
#include <setupapi.h>
// GDI+ needs IStream from objidl.h, which WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>
// MinGW's hid.dll headers lack C linkage.
extern "C" {
#include <hidsdi.h>
}

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

struct DevInfoListTraits {
  using Handle = HDEVINFO;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) { SetupDiDestroyDeviceInfoList(h); }
};

struct DevNotifyTraits {
  using Handle = HDEVNOTIFY;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { UnregisterDeviceNotification(h); }
};

struct HidPreparsedDataTraits {
  using Handle = PHIDP_PREPARSED_DATA;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { HidD_FreePreparsedData(h); }
};

// A memory device context from CreateCompatibleDC.
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DeleteDC(h); }
};

// Pens, brushes, fonts, bitmaps and regions: everything DeleteObject frees.
struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};

struct MenuTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DestroyMenu(h); }
};

// Icons we created or loaded from a file; shared icons from LoadIcon are never destroyed.
struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DestroyIcon(h); }
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
using UniqueDevInfoList = UniqueResource<DevInfoListTraits>;  // links setupapi
using UniqueDevNotify = UniqueResource<DevNotifyTraits>;
using UniqueHidPreparsedData = UniqueResource<HidPreparsedDataTraits>;  // links hid

using UniqueMemoryDc = UniqueResource<MemoryDcTraits>;
using UniqueGdiObject = UniqueResource<GdiObjectTraits>;
using UniqueMenu = UniqueResource<MenuTraits>;  // links user32
using UniqueIcon = UniqueResource<IconTraits>;

// A window's device context from GetDC, released with the window it came from.
class WindowDc {
public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context and puts the previous one back, so the object can be
// deleted afterwards (a selected object cannot).
class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

private:
  HDC dc_;
  HGDIOBJ previous_;
};

// GDI+ from GdiplusStartup to GdiplusShutdown; every GDI+ object must be gone before it ends.
class GdiplusSession {
public:
  GdiplusSession() noexcept {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
  }
  ~GdiplusSession() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  explicit operator bool() const noexcept { return token_ != 0; }

private:
  ULONG_PTR token_ = 0;
};

}  // namespace vorma
