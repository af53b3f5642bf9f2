// Pictures are sized from their file header and decoded when first drawn; a header that does not
// read as PNG or BMP falls back to decoding at once, as every picture was loaded before.

#include "forms/FormPainting.h"
#include "forms/Picture.h"
#include "forms/tests/FormTestSupport.h"
#include "tests/support/DebugLines.h"
#include "tests/support/TestFiles.h"

#include <cstring>

namespace vorma::forms::test {
namespace {

using vorma::test::DebugLineRecorder;

void AppendBigEndian(std::string& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

// The signature and the first chunk's header and size fields of a PNG.
std::string PngStart(uint32_t chunkLength, const char* chunk, uint32_t width, uint32_t height) {
  std::string bytes("\x89PNG\r\n\x1a\n", 8);
  AppendBigEndian(bytes, chunkLength);
  bytes += chunk;
  AppendBigEndian(bytes, width);
  AppendBigEndian(bytes, height);
  return bytes + std::string(9, '\0');
}

std::string BmpStart(uint32_t infoSize, int32_t width, int32_t height) {
  std::string bytes = SolidBmp(1, 1, 0, 0, 0).substr(0, 14);
  std::string info(40, '\0');
  std::memcpy(info.data(), &infoSize, 4);
  if (infoSize == 12) {
    const auto w = static_cast<uint16_t>(width), h = static_cast<uint16_t>(height);
    std::memcpy(info.data() + 4, &w, 2);
    std::memcpy(info.data() + 6, &h, 2);
  } else {
    std::memcpy(info.data() + 4, &width, 4);
    std::memcpy(info.data() + 8, &height, 4);
  }
  return bytes + info;
}

std::string WithByte(std::string bytes, size_t at, char value) {
  bytes[at] = value;
  return bytes;
}

TEST(PictureHeaderTest, SizeComesFromPngAndBmpHeadersOnly) {
  struct Case {
    std::string bytes;
    std::optional<PictureSize> expected;
    const char* what;
  } cases[] = {
      {PngStart(13, "IHDR", 640, 48), PictureSize{640, 48}, "PNG"},
      {PngStart(13, "IHDR", 640, 48).substr(0, 23), std::nullopt, "PNG cut inside the header"},
      {PngStart(13, "IHDx", 640, 48), std::nullopt, "PNG whose first chunk is not IHDR"},
      {PngStart(13, "IHDR", 0, 48), std::nullopt, "PNG of zero width"},
      {PngStart(13, "IHDR", 0x80000000u, 48), std::nullopt, "PNG wider than PNG allows"},
      {WithByte(PngStart(13, "IHDR", 640, 48), 1, 'Q'), std::nullopt, "PNG with a bad signature"},
      {BmpStart(40, 31, 7), PictureSize{31, 7}, "BMP info header"},
      {BmpStart(124, 31, -7), PictureSize{31, 7}, "top-down BMP with a V5 header"},
      {BmpStart(12, 300, 2), PictureSize{300, 2}, "BMP core header"},
      {BmpStart(64, 31, 7), std::nullopt, "BMP with a header GDI+ must judge"},
      {BmpStart(40, -31, 7), std::nullopt, "BMP of negative width"},
      {std::string("\xFF\xD8\xFF\xE0", 4) + std::string(40, '\0'), std::nullopt, "JPEG"},
  };
  for (const Case& c : cases) {
    const std::optional<PictureSize> size = ReadPictureHeader(c.bytes);
    ASSERT_EQ(c.expected.has_value(), size.has_value()) << c.what;
    if (size) {
      EXPECT_EQ(c.expected->width, size->width) << c.what;
      EXPECT_EQ(c.expected->height, size->height) << c.what;
    }
  }
}

class PictureTest : public FormTest {
protected:
  vorma::test::TempFolder folder;
  Form form{application, BorderlessForm(L"PictureForm", 60, 40)};

  // A PNG written by GDI+ itself, in one colour.
  std::wstring WritePng(const std::wstring& name, int width, int height, DWORD pixel) {
    const std::wstring path = folder.File(name);
    const std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), pixel);
    EXPECT_TRUE(SavePixelsAsPng(pixels, width, height, path));
    return path;
  }

  Image& AutoSizedImage(int left, int top) {
    ImageArgs args = Placed<ImageArgs>(L"", left, top, 1, 1);
    args.autoSize = true;
    return form.AddImage(args);
  }

  static size_t CountLines(const DebugLineRecorder& lines, std::wstring_view start) {
    size_t count = 0;
    for (const std::wstring& line : lines.Lines()) count += line.starts_with(start) ? 1 : 0;
    return count;
  }
};

TEST_F(PictureTest, PngAndBmpAreSizedAtOnceAndDecodedWhenFirstDrawn) {
  const std::wstring png = WritePng(L"green.png", 7, 5, Pixel(0, 255, 0));
  const std::wstring bmp = folder.WriteBytes(L"blue.bmp", SolidBmp(6, 4, 0, 0, 255));
  Image& first = AutoSizedImage(0, 0);
  Image& second = AutoSizedImage(20, 0);
  ASSERT_TRUE(first.LoadPicture(png));
  ASSERT_TRUE(second.LoadPicture(bmp));
  EXPECT_EQ(7, first.Width()) << "AutoSize takes the header's size";
  EXPECT_EQ(5, first.Height());
  EXPECT_EQ(6, second.PictureWidth());
  EXPECT_EQ(4, second.PictureHeight());

  const std::shared_ptr<Picture> pngPicture = form.Pictures().Load(png);
  const std::shared_ptr<Picture> bmpPicture = form.Pictures().Load(bmp);
  ASSERT_TRUE(pngPicture && bmpPicture);
  EXPECT_FALSE(pngPicture->Decoded()) << "nothing drew it yet";
  EXPECT_FALSE(bmpPicture->Decoded());

  const std::vector<DWORD> pixels = form.RenderToPixels();
  EXPECT_TRUE(pngPicture->Decoded());
  EXPECT_TRUE(bmpPicture->Decoded());
  EXPECT_EQ(Pixel(0, 255, 0), PixelAt(pixels, 60, 6, 4));
  EXPECT_EQ(Pixel(255, 255, 255), PixelAt(pixels, 60, 7, 4)) << "right of the PNG";
  EXPECT_EQ(Pixel(0, 0, 255), PixelAt(pixels, 60, 25, 3));

  // The cache hands out the same picture for the same file, in any letter case, until it changes.
  std::wstring upper = png;
  CharUpperW(upper.data());
  EXPECT_EQ(pngPicture, form.Pictures().Load(upper));
  WritePng(L"green.png", 9, 5, Pixel(0, 255, 0));
  EXPECT_EQ(9, form.Pictures().Load(png)->Width()) << "a rewritten file is opened again";
}

TEST_F(PictureTest, BodyThatDoesNotDecodeDrawsNothingAndSaysSoOnce) {
  const std::string whole = vorma::test::ReadFileBytes(WritePng(L"red.png", 8, 8, Pixel(255, 0, 0)));
  const std::wstring truncated = folder.WriteBytes(L"truncated.png", whole.substr(0, whole.size() / 2));
  Image& image = AutoSizedImage(10, 10);
  DebugLineRecorder lines;
  ASSERT_TRUE(image.LoadPicture(truncated)) << "the header is good";
  EXPECT_EQ(8, image.Width());

  EXPECT_EQ(Pixel(255, 255, 255), PixelAt(form.RenderToPixels(), 60, 12, 12));
  EXPECT_EQ(Pixel(255, 255, 255), PixelAt(form.RenderToPixels(), 60, 12, 12));
  EXPECT_EQ(1u, CountLines(lines, L"***** DecodePicture " + truncated + L" FAIL!"));
  EXPECT_EQ(0u, CountLines(lines, L"***** LoadPicture"));
}

TEST_F(PictureTest, FileThatIsNoPictureFailsToLoadAtOnce) {
  const std::string good = vorma::test::ReadFileBytes(WritePng(L"good.png", 4, 4, Pixel(255, 0, 0)));
  const std::wstring badSignature = folder.WriteBytes(L"bad.png", WithByte(good, 1, 'Q'));
  Image& image = AutoSizedImage(0, 0);
  DebugLineRecorder lines;
  EXPECT_FALSE(image.LoadPicture(badSignature));
  EXPECT_FALSE(image.HasPicture());
  EXPECT_EQ(1u, CountLines(lines, L"***** LoadPicture " + badSignature + L" FAIL! *****"));
}

}  // namespace
}  // namespace vorma::forms::test
