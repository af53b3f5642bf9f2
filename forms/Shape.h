#pragma once
// A geometric figure drawn with a pen and a brush. Square, rounded square and circle use the
// shorter side of the bounds and are centred in them.

#include "forms/Control.h"

namespace vorma::forms {

enum class ShapeKind { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

struct ShapeArgs : ControlArgs {
  ShapeKind shape = ShapeKind::Rectangle;
  COLORREF penColor = RGB(0, 0, 0);
  int penWidth = 1;
  bool penVisible = true;
  COLORREF brushColor = RGB(255, 255, 255);
  bool brushVisible = true;  // false leaves the inside transparent
};

class Shape final : public Control {
public:
  Shape(Form& owner, const ShapeArgs& args);

  ShapeKind Figure() const { return shape_; }
  void SetFigure(ShapeKind shape);
  COLORREF PenColor() const { return penColor_; }
  void SetPenColor(COLORREF color);
  int PenWidth() const { return penWidth_; }
  void SetPenWidth(int width);
  bool PenVisible() const { return penVisible_; }
  void SetPenVisible(bool visible);
  COLORREF BrushColor() const { return brushColor_; }
  void SetBrushColor(COLORREF color);
  bool BrushVisible() const { return brushVisible_; }
  void SetBrushVisible(bool visible);

  void Paint(HDC dc) const override;

private:
  ShapeKind shape_;
  COLORREF penColor_;
  int penWidth_;
  bool penVisible_;
  COLORREF brushColor_;
  bool brushVisible_;
};

}  // namespace vorma::forms
