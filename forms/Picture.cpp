#include "forms/Picture.h"

#include "forms/GdiHandles.h"
#include "foundation/DebugOutput.h"
#include "foundation/UniqueHandles.h"

#include <objidl.h>
#include <gdiplus.h>

#include <climits>
#include <cstdint>

namespace vorma::forms {
namespace {

constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};
constexpr uint32_t kPngHeaderChunkLength = 13;
constexpr uint32_t kLargestPngSide = 0x7FFFFFFF;
constexpr size_t kBmpFileHeaderBytes = 14;
constexpr uint32_t kBmpCoreHeaderBytes = 12;  // BITMAPCOREHEADER: 16-bit width and height

uint32_t BigEndian32(std::string_view bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

uint32_t LittleEndian(std::string_view bytes, size_t at, size_t count) {
  uint32_t value = 0;
  for (size_t i = count; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::optional<PictureSize> PngHeader(std::string_view bytes) {
  if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR" || BigEndian32(bytes, 8) != kPngHeaderChunkLength)
    return std::nullopt;
  const uint32_t width = BigEndian32(bytes, 16);
  const uint32_t height = BigEndian32(bytes, 20);
  if (width == 0 || height == 0 || width > kLargestPngSide || height > kLargestPngSide) return std::nullopt;
  return PictureSize{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<PictureSize> BmpHeader(std::string_view bytes) {
  if (bytes.size() < kBmpFileHeaderBytes + 4) return std::nullopt;
  const uint32_t infoSize = LittleEndian(bytes, kBmpFileHeaderBytes, 4);
  const size_t sizes = kBmpFileHeaderBytes + 4;
  if (infoSize == kBmpCoreHeaderBytes) {
    if (bytes.size() < sizes + 4) return std::nullopt;
    const int width = static_cast<int>(LittleEndian(bytes, sizes, 2));
    const int height = static_cast<int>(LittleEndian(bytes, sizes + 2, 2));
    if (width == 0 || height == 0) return std::nullopt;
    return PictureSize{width, height};
  }
  // BITMAPINFOHEADER and its V2..V5 extensions; a negative height is a top-down picture.
  if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124) return std::nullopt;
  if (bytes.size() < sizes + 8) return std::nullopt;
  const auto width = static_cast<int32_t>(LittleEndian(bytes, sizes, 4));
  const auto height = static_cast<int32_t>(LittleEndian(bytes, sizes + 4, 4));
  if (width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  return PictureSize{width, height < 0 ? -height : height};
}

std::optional<std::string> ReadFirstBytes(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes(kPictureHeaderBytes, '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

std::unique_ptr<Gdiplus::Bitmap> DecodePictureFile(const std::wstring& path) {
  Gdiplus::Bitmap file(path.c_str());
  if (file.GetLastStatus() != Gdiplus::Ok) return nullptr;
  const auto width = static_cast<INT>(file.GetWidth());
  const auto height = static_cast<INT>(file.GetHeight());
  if (width <= 0 || height <= 0) return nullptr;
  // Drawing from premultiplied 32-bit pixels is the fast path of GDI+, and the copy no longer
  // holds the file open. The file's pixels are converted straight into the copy's memory, which
  // is faster than drawing the file onto it.
  auto copy = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData target{};
  if (copy->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppPARGB, &target) != Gdiplus::Ok) return nullptr;
  Gdiplus::BitmapData source = target;
  const Gdiplus::Status converted = file.LockBits(
      &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf, PixelFormat32bppPARGB, &source);
  if (converted == Gdiplus::Ok) file.UnlockBits(&source);
  const bool written = copy->UnlockBits(&target) == Gdiplus::Ok;
  if (converted != Gdiplus::Ok || !written) return nullptr;
  return copy;
}

}  // namespace

std::optional<PictureSize> ReadPictureHeader(std::string_view firstBytes) {
  if (firstBytes.starts_with(kPngSignature)) return PngHeader(firstBytes);
  if (firstBytes.starts_with("BM")) return BmpHeader(firstBytes);
  return std::nullopt;
}

std::shared_ptr<Picture> Picture::Open(const std::wstring& path) {
  const std::optional<std::string> firstBytes = ReadFirstBytes(path);
  if (!firstBytes) return nullptr;
  if (const std::optional<PictureSize> size = ReadPictureHeader(*firstBytes))
    return std::shared_ptr<Picture>(new Picture(path, *size, nullptr));
  std::unique_ptr<Gdiplus::Bitmap> bitmap = DecodePictureFile(path);
  if (!bitmap) return nullptr;
  const PictureSize size{static_cast<int>(bitmap->GetWidth()), static_cast<int>(bitmap->GetHeight())};
  return std::shared_ptr<Picture>(new Picture(path, size, std::move(bitmap)));
}

Picture::Picture(std::wstring path, PictureSize size, std::unique_ptr<Gdiplus::Bitmap> bitmap)
    : path_(std::move(path)), size_(size), bitmap_(std::move(bitmap)) {}

Picture::~Picture() = default;

Gdiplus::Bitmap* Picture::Pixels() {
  if (bitmap_ || decodeFailed_) return bitmap_.get();
  std::unique_ptr<Gdiplus::Bitmap> bitmap = DecodePictureFile(path_);
  if (bitmap && static_cast<int>(bitmap->GetWidth()) == size_.width &&
      static_cast<int>(bitmap->GetHeight()) == size_.height) {
    bitmap_ = std::move(bitmap);
  } else {
    decodeFailed_ = true;
    DebugPrint(L"***** DecodePicture %s FAIL! *****\n", path_.c_str());
  }
  return bitmap_.get();
}

}  // namespace vorma::forms
