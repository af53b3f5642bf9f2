#include "setup/BackgroundForm.h"

#include "foundation/ProfileStrings.h"
#include "foundation/ValueItems.h"
#include "setup/SetupFiles.h"

namespace vorma::setup {
namespace {

forms::FormArgs BackgroundArgs() {
  forms::FormArgs args;
  args.name = L"BackgroundForm";
  args.borderless = true;
  args.showInTaskbar = false;
  args.color = GetSysColor(COLOR_BTNFACE);
  return args;
}

}  // namespace

TBackgroundForm::TBackgroundForm(forms::Application& application, const SetupSettings& settings, int screenWidth,
                                 int screenHeight)
    : settings_(settings),
      resolutionFolder_(SetupResolutionFolder(screenWidth, screenHeight)),
      form_(application, BackgroundArgs()) {
  std::wstring width, height;
  ReadProfileString(settings.ConfigPath(), L"Install", L"BackgroundWidth", width);
  ReadProfileString(settings.ConfigPath(), L"Install", L"BackgroundHeight", height);
  width_ = LenientInteger(width);
  height_ = LenientInteger(height);
  fullScreen_ = width_ == 0 || height_ == 0;
  if (fullScreen_) {
    width_ = screenWidth;
    height_ = screenHeight;
  }
  form_.SetClientSize(width_, height_);
  forms::ImageArgs image;
  image.name = L"Image";
  image.width = width_;
  image.height = height_;
  image.stretch = true;
  image_ = &form_.AddImage(image);
}

void TBackgroundForm::FormShow() {
  std::wstring fileName;
  ReadProfileString(settings_.ConfigPath(), L"Install", L"InstallBackgroundFileName", fileName);
  if (fullScreen_) form_.SetWindowBounds(0, 0, width_, height_);
  if (fileName.empty()) {
    image_->SetVisible(false);
    form_.SetTransparentColor(GetSysColor(COLOR_BTNFACE));
  } else {
    const std::wstring skins = settings_.config.SourceFolderFullPath + settings_.config.SkinFolderName + L"\\";
    picturePath_ = skins + resolutionFolder_ + fileName;
    if (!FileExists(picturePath_)) picturePath_ = skins + fileName;
    image_->LoadPicture(picturePath_);
  }
  form_.Show();
}

void TBackgroundForm::MoveToOrigin() {
  RECT bounds{};
  if (form_.Hwnd()) GetWindowRect(form_.Hwnd(), &bounds);
  form_.SetWindowBounds(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

}  // namespace vorma::setup
