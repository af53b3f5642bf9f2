#include "forms/FormPainting.h"

#include "forms/GdiHandles.h"
#include "foundation/DebugOutput.h"

#include <memory>

namespace vorma::forms {
namespace {

// A 32-bit top-down DIB section; bits points at its pixels.
UniqueGdiObject CreateDib(HDC reference, int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  UniqueGdiObject bitmap(CreateDIBSection(reference, &info, DIB_RGB_COLORS, bits, nullptr, 0));
  if (!bitmap) DebugWin32Failure(L"CreateDIBSection", GetLastError());
  return bitmap;
}

bool FindPngEncoder(CLSID& encoder) {
  UINT count = 0;
  UINT bytes = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
  auto buffer = std::make_unique<BYTE[]>(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
  if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (lstrcmpiW(codecs[i].MimeType, L"image/png") == 0) {
      encoder = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

void PaintBackground(HDC dc, const RECT& area, COLORREF color) {
  UniqueGdiObject brush(CreateSolidBrush(color));
  FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

void PaintBuffered(HDC target, const RECT& area, const std::function<void(HDC dc)>& paint) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  UniqueMemoryDc memory(CreateCompatibleDC(target));
  void* bits = nullptr;
  UniqueGdiObject bitmap = CreateDib(target, width, height, &bits);
  if (!memory || !bitmap) {
    paint(target);
    return;
  }
  SelectedObject selected(memory.get(), bitmap.get());
  // Shift the origin so the painting code keeps using client coordinates.
  SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
  paint(memory.get());
  SetViewportOrgEx(memory.get(), 0, 0, nullptr);
  BitBlt(target, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

void RenderOffscreen(int width, int height, const std::function<void(HDC dc)>& paint, std::vector<DWORD>& pixels) {
  pixels.clear();
  if (width <= 0 || height <= 0) return;
  WindowDc screen(nullptr);
  UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  void* bits = nullptr;
  UniqueGdiObject bitmap = CreateDib(screen.get(), width, height, &bits);
  if (!memory || !bitmap || !bits) return;
  {
    SelectedObject selected(memory.get(), bitmap.get());
    paint(memory.get());
    GdiFlush();
  }
  const auto* source = static_cast<const DWORD*>(bits);
  pixels.assign(source, source + static_cast<size_t>(width) * static_cast<size_t>(height));
  // GDI leaves the top byte undefined; only the colour counts.
  for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
}

bool SavePixelsAsPng(const std::vector<DWORD>& pixels, int width, int height, const std::wstring& path) {
  CLSID encoder;
  if (!FindPngEncoder(encoder)) {
    DebugWrite(L"***** PNG encoder FAIL! *****\n");
    return false;
  }
  std::vector<DWORD> copy = pixels;
  Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(copy.data()));
  const Gdiplus::Status status = bitmap.Save(path.c_str(), &encoder, nullptr);
  if (status != Gdiplus::Ok) {
    DebugPrint(L"***** Save PNG %s FAIL! status %d *****\n", path.c_str(), static_cast<int>(status));
    return false;
  }
  return true;
}

}  // namespace vorma::forms
