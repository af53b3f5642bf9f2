#include "panel/shell/language/LabelAttr.h"

#include <cmath>

namespace vorma::shell {

namespace {

constexpr int kVistaOsClass = 6;

bool ShowsText(const std::wstring& text) { return !text.empty() && text != L"(null)"; }

// The screen's device context for as long as it is needed.
class ScreenDc {
public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

private:
  HDC dc_;
};

}  // namespace

double FontScaleFactor(int pixelsPerInch, int osClass) {
  const bool vista = osClass == kVistaOsClass;
  switch (pixelsPerInch) {
    case 96:
      return vista ? 1.0 : 0.9;
    case 120:
      return vista ? 0.8 : 0.72;
    case 144:
      return 0.6664;
    default:
      if (pixelsPerInch <= 0) return vista ? 1.0 : 0.9;
      return (vista ? 1.0 : 0.9) * 96.0 / pixelsPerInch;
  }
}

int ScaledFontSize(std::int32_t points, double factor) { return static_cast<int>(std::lround(points * factor)); }

int ScreenPixelsPerInch() {
  ScreenDc screen;
  if (screen.get() == nullptr) return 96;
  const int pixelsPerInch = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return pixelsPerInch > 0 ? pixelsPerInch : 96;
}

double ScreenFontScale(int osClass) { return FontScaleFactor(ScreenPixelsPerInch(), osClass); }

COLORREF LabelRecordColor(const LabelAtt& record, bool down) {
  return ColorFromValue(down ? record.ColorDown : record.ColorUp);
}

COLORREF ColorFromValue(std::int32_t value) {
  if (value < 0) return GetSysColor(static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFu));
  return static_cast<COLORREF>(value) & 0x00FFFFFFu;
}

void ApplyLabelAttr(LabelAtt& record, forms::Label& label, bool up, const GlobalFont& global, double fontScale) {
  if (ShowsText(record.Text)) {
    label.SetVisible(true);
    label.SetCaption(record.Text);
  } else {
    label.SetVisible(false);
  }

  if (global.ColorUp != 0 && !record.HasColorUp) record.ColorUp = global.ColorUp;
  if (global.ColorDown != 0 && !record.HasColorDown) record.ColorDown = global.ColorDown;

  if (up) {
    if (record.HasColorUp) label.SetFontColor(ColorFromValue(record.ColorUp));
    else if (global.ColorUp != 0) label.SetFontColor(ColorFromValue(global.ColorUp));
  } else {
    if (record.HasColorDown) label.SetFontColor(ColorFromValue(record.ColorDown));
    else if (global.ColorDown != 0) label.SetFontColor(ColorFromValue(global.ColorDown));
  }

  if (record.HasFont) label.SetFontFace(record.Font);
  else if (!global.Font.empty()) label.SetFontFace(global.Font);

  // Language.ini sizes are points.
  if (record.HasFontSize) {
    label.SetFontSizeInPixels(false);
    label.SetFontSize(ScaledFontSize(record.FontSize, fontScale));
  } else if (global.FontSize != -1) {
    label.SetFontSizeInPixels(false);
    label.SetFontSize(ScaledFontSize(global.FontSize, fontScale));
  }

  if (record.HasLeft) label.SetLeft(record.Left);
  if (record.HasTop) label.SetTop(record.Top);
  if (record.HasWidth) label.SetWidth(record.Width);
  if (record.HasHeight) label.SetHeight(record.Height);
}

}  // namespace vorma::shell
