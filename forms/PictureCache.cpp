#include "forms/PictureCache.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cwctype>

namespace vorma::forms {
namespace {

std::shared_ptr<Gdiplus::Bitmap> DecodePictureFile(const std::wstring& path) {
  Gdiplus::Bitmap file(path.c_str());
  if (file.GetLastStatus() != Gdiplus::Ok) return nullptr;
  const UINT width = file.GetWidth();
  const UINT height = file.GetHeight();
  if (width == 0 || height == 0) return nullptr;
  // Drawing from premultiplied 32-bit pixels is the fast path of GDI+, and the copy no longer
  // holds the file open.
  auto copy = std::make_shared<Gdiplus::Bitmap>(static_cast<INT>(width), static_cast<INT>(height),
                                                PixelFormat32bppPARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics graphics(copy.get());
  graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  if (graphics.DrawImage(&file, 0, 0, static_cast<INT>(width), static_cast<INT>(height)) != Gdiplus::Ok) return nullptr;
  return copy;
}

}  // namespace

std::shared_ptr<Gdiplus::Bitmap> PictureCache::Load(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) return nullptr;
  const ULONGLONG size = (static_cast<ULONGLONG>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
  std::wstring key = path;
  for (wchar_t& c : key) c = static_cast<wchar_t>(std::towupper(c));
  auto found = entries_.find(key);
  if (found != entries_.end() && found->second.size == size &&
      CompareFileTime(&found->second.written, &attributes.ftLastWriteTime) == 0)
    return found->second.picture;
  std::shared_ptr<Gdiplus::Bitmap> picture = DecodePictureFile(path);
  if (!picture) {
    if (found != entries_.end()) entries_.erase(found);
    return nullptr;
  }
  entries_[key] = Entry{size, attributes.ftLastWriteTime, picture};
  return picture;
}

}  // namespace vorma::forms
