#pragma once
// The window behind the wizard: the vendor's picture stretched over it, or, without a picture, a
// see-through window so only the wizard shows.

#include "forms/Application.h"
#include "forms/Form.h"
#include "setup/SetupSettings.h"

namespace vorma::setup {

class TBackgroundForm {
public:
  // Sizes itself from [Install] BackgroundWidth/Height of the delivery folder's configuration, or
  // covers the whole screen when either is 0 or missing.
  TBackgroundForm(forms::Application& application, const SetupSettings& settings, int screenWidth, int screenHeight);

  bool Create() { return form_.Create(); }
  forms::Form& Form() { return form_; }
  bool FullScreen() const { return fullScreen_; }
  // The picture it shows; empty when it is see-through.
  const std::wstring& PicturePath() const { return picturePath_; }

  // Loads the picture (or turns see-through) and shows the window.
  void FormShow();
  // Moves the window to the screen's corner, keeping its size.
  void MoveToOrigin();

private:
  const SetupSettings& settings_;
  std::wstring resolutionFolder_;
  bool fullScreen_ = false;
  int width_ = 0;
  int height_ = 0;
  std::wstring picturePath_;
  forms::Form form_;
  forms::Image* image_ = nullptr;
};

}  // namespace vorma::setup
