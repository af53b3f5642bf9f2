#pragma once
// A picture from a file (PNG, BMP, JPG, GIF, ICO through GDI+). Without Stretch the picture is
// drawn at its own size from the control's top-left corner and cut at its bounds; with Stretch it
// fills the bounds. AutoSize makes the control take the picture's size whenever one is loaded.
// PNG and BMP pictures are decoded when first drawn (see Picture.h).

#include "forms/Control.h"
#include "forms/Picture.h"

#include <memory>
#include <string>

namespace vorma::forms {

struct ImageArgs : ControlArgs {
  std::wstring picture;  // file to load at creation; empty for none
  bool autoSize = false;
  bool stretch = false;
};

class Image final : public Control {
public:
  Image(Form& owner, const ImageArgs& args);
  ~Image() override;

  // Loads a picture file; on failure the control keeps no picture (as a cleared one) and the
  // failure is written to the debug output. Returns whether the picture loaded.
  bool LoadPicture(const std::wstring& path);
  void ClearPicture();
  bool HasPicture() const { return picture_ != nullptr; }
  const std::wstring& PicturePath() const { return picturePath_; }
  int PictureWidth() const;
  int PictureHeight() const;

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  void Paint(HDC dc) const override;

private:
  std::shared_ptr<Picture> picture_;  // shared with the form's picture cache
  std::wstring picturePath_;
  bool autoSize_;
  bool stretch_;
};

}  // namespace vorma::forms
