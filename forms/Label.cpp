#include "forms/Label.h"

#include "forms/FormPainting.h"
#include "forms/GdiHandles.h"

namespace vorma::forms {

Label::Label(Form& owner, const LabelArgs& args)
    : Control(owner, ControlKind::Label, args),
      caption_(args.caption),
      fontFace_(args.fontFace),
      fontSize_(args.fontSize),
      fontColor_(args.fontColor),
      fontSizeInPixels_(args.fontSizeInPixels),
      bold_(args.bold),
      underline_(args.underline),
      wordWrap_(args.wordWrap),
      transparent_(args.transparent),
      color_(args.color),
      alignment_(args.alignment) {}

void Label::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  Invalidate();
}
void Label::SetFontFace(const std::wstring& face) {
  fontFace_ = face;
  Invalidate();
}
void Label::SetFontSize(int points) {
  fontSize_ = points;
  Invalidate();
}
void Label::SetFontColor(COLORREF color) {
  fontColor_ = color;
  Invalidate();
}
void Label::SetBold(bool bold) {
  bold_ = bold;
  Invalidate();
}
void Label::SetUnderline(bool underline) {
  underline_ = underline;
  Invalidate();
}
void Label::SetFontSizeInPixels(bool inPixels) {
  fontSizeInPixels_ = inPixels;
  Invalidate();
}
void Label::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  Invalidate();
}
void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}
void Label::SetColor(COLORREF color) {
  color_ = color;
  Invalidate();
}
void Label::SetAlignment(TextAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void Label::Paint(HDC dc) const {
  RECT bounds = BoundsRect();
  if (!transparent_) PaintBackground(dc, bounds, color_);
  // Point sizes relate to the screen's logical inch, as everywhere else in Windows.
  const int height = fontSizeInPixels_ ? -fontSize_ : -MulDiv(fontSize_, GetDeviceCaps(dc, LOGPIXELSY), 72);
  UniqueGdiObject font(CreateFontW(height, 0, 0, 0, bold_ ? FW_BOLD : FW_NORMAL, FALSE, underline_, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   fontFace_.c_str()));
  SelectedObject selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, fontColor_);
  UINT format = DT_NOPREFIX | DT_EXPANDTABS;
  format |= wordWrap_ ? DT_WORDBREAK : 0;
  format |= alignment_ == TextAlignment::Center ? DT_CENTER : alignment_ == TextAlignment::Right ? DT_RIGHT : DT_LEFT;
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &bounds, format);
}

}  // namespace vorma::forms
