#pragma once
// A text drawn by the form. A transparent label leaves what lies below visible; an opaque one
// fills its bounds with Color first.

#include "forms/Control.h"

#include <string>

namespace vorma::forms {

enum class TextAlignment { Left, Center, Right };

struct LabelArgs : ControlArgs {
  std::wstring caption;
  std::wstring fontFace = L"Tahoma";
  int fontSize = 8;  // points, or pixels of character height with fontSizeInPixels
  bool fontSizeInPixels = false;
  COLORREF fontColor = RGB(0, 0, 0);
  bool bold = false;
  bool underline = false;
  bool wordWrap = false;
  bool transparent = true;
  COLORREF color = RGB(240, 240, 240);  // background of an opaque label
  TextAlignment alignment = TextAlignment::Left;
};

class Label final : public Control {
public:
  Label(Form& owner, const LabelArgs& args);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  const std::wstring& FontFace() const { return fontFace_; }
  void SetFontFace(const std::wstring& face);
  int FontSize() const { return fontSize_; }
  void SetFontSize(int points);
  COLORREF FontColor() const { return fontColor_; }
  void SetFontColor(COLORREF color);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  bool Underline() const { return underline_; }
  void SetUnderline(bool underline);
  bool FontSizeInPixels() const { return fontSizeInPixels_; }
  void SetFontSizeInPixels(bool inPixels);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment alignment);

  void Paint(HDC dc) const override;

private:
  std::wstring caption_;
  std::wstring fontFace_;
  int fontSize_;
  COLORREF fontColor_;
  bool fontSizeInPixels_;
  bool bold_;
  bool underline_;
  bool wordWrap_;
  bool transparent_;
  COLORREF color_;
  TextAlignment alignment_;
};

}  // namespace vorma::forms
