#pragma once
// A picture file as the images of a form share it. Its size comes from a cheap read of the file's
// header (PNG and BMP); the pixels are decoded the first time it is drawn, so the pictures of
// pages nobody has opened yet cost no decoding at start-up. Other formats, and files whose header
// cannot be read, are decoded when the picture is opened.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace Gdiplus {
class Bitmap;
}

namespace vorma::forms {

struct PictureSize {
  int width = 0;
  int height = 0;
};

// The pixel size a PNG (IHDR chunk) or BMP (info header) declares; none for any other content or a
// header that is cut or says nothing sensible.
std::optional<PictureSize> ReadPictureHeader(std::string_view firstBytes);
inline constexpr size_t kPictureHeaderBytes = 33;  // enough for either header

class Picture {
public:
  // Reads the header, or decodes at once when the header gives no size; null when the file cannot
  // be read or decoded.
  static std::shared_ptr<Picture> Open(const std::wstring& path);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const { return size_.width; }
  int Height() const { return size_.height; }
  bool Decoded() const { return bitmap_ != nullptr; }

  // The pixels as 32-bit premultiplied ARGB, decoded on the first call. Null when the file no
  // longer decodes to the size its header gave; that is written to the debug output once.
  Gdiplus::Bitmap* Pixels();

private:
  Picture(std::wstring path, PictureSize size, std::unique_ptr<Gdiplus::Bitmap> bitmap);

  std::wstring path_;
  PictureSize size_;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
  bool decodeFailed_ = false;
};

}  // namespace vorma::forms
