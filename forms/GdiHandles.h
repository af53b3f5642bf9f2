#pragma once
// The owners of GDI objects, device contexts, menus, icons and the GDI+ session.

#include "foundation/UniqueHandles.h"

// GDI+ needs IStream from objidl.h, which WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

namespace vorma {

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
