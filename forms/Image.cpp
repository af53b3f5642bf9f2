#include "forms/Image.h"

#include "forms/Form.h"
#include "forms/GdiHandles.h"
#include "foundation/DebugOutput.h"

namespace vorma::forms {

Image::Image(Form& owner, const ImageArgs& args)
    : Control(owner, ControlKind::Image, args), autoSize_(args.autoSize), stretch_(args.stretch) {
  if (!args.picture.empty()) LoadPicture(args.picture);
}

Image::~Image() = default;

bool Image::LoadPicture(const std::wstring& path) {
  picture_ = Owner().Pictures().Load(path);
  if (!picture_) {
    picturePath_.clear();
    DebugPrint(L"***** LoadPicture %s FAIL! *****\n", path.c_str());
    Invalidate();
    return false;
  }
  picturePath_ = path;
  if (autoSize_) SetBounds(Left(), Top(), PictureWidth(), PictureHeight());
  Invalidate();
  return true;
}

void Image::ClearPicture() {
  picture_.reset();
  picturePath_.clear();
  Invalidate();
}

int Image::PictureWidth() const { return picture_ ? picture_->Width() : 0; }
int Image::PictureHeight() const { return picture_ ? picture_->Height() : 0; }

void Image::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_ && picture_) SetBounds(Left(), Top(), PictureWidth(), PictureHeight());
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void Image::Paint(HDC dc) const {
  Gdiplus::Bitmap* pixels = picture_ ? picture_->Pixels() : nullptr;
  if (!pixels) return;
  Gdiplus::Graphics graphics(dc);
  // Pixel centres on integer coordinates, so an unstretched picture lands exactly on the grid.
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  if (stretch_) {
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
    // Mirrored edges keep the filter from blending the border pixels with transparent black.
    Gdiplus::ImageAttributes attributes;
    attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(pixels, Gdiplus::Rect(Left(), Top(), Width(), Height()), 0, 0, PictureWidth(),
                       PictureHeight(), Gdiplus::UnitPixel, &attributes);
  } else {
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.DrawImage(pixels, Left(), Top(), PictureWidth(), PictureHeight());
  }
}

}  // namespace vorma::forms
