#include "forms/Shape.h"

#include "forms/GdiHandles.h"

#include <algorithm>

namespace vorma::forms {

Shape::Shape(Form& owner, const ShapeArgs& args)
    : Control(owner, ControlKind::Shape, args),
      shape_(args.shape),
      penColor_(args.penColor),
      penWidth_(args.penWidth),
      penVisible_(args.penVisible),
      brushColor_(args.brushColor),
      brushVisible_(args.brushVisible) {}

void Shape::SetFigure(ShapeKind shape) {
  shape_ = shape;
  Invalidate();
}
void Shape::SetPenColor(COLORREF color) {
  penColor_ = color;
  Invalidate();
}
void Shape::SetPenWidth(int width) {
  penWidth_ = std::max(width, 0);
  Invalidate();
}
void Shape::SetPenVisible(bool visible) {
  penVisible_ = visible;
  Invalidate();
}
void Shape::SetBrushColor(COLORREF color) {
  brushColor_ = color;
  Invalidate();
}
void Shape::SetBrushVisible(bool visible) {
  brushVisible_ = visible;
  Invalidate();
}

void Shape::Paint(HDC dc) const {
  const int penWidth = penVisible_ ? penWidth_ : 0;
  UniqueGdiObject pen(penWidth > 0 ? CreatePen(PS_INSIDEFRAME, penWidth, penColor_) : nullptr);
  UniqueGdiObject brush(brushVisible_ ? CreateSolidBrush(brushColor_) : nullptr);
  SelectedObject selectedPen(dc, pen ? pen.get() : GetStockObject(NULL_PEN));
  SelectedObject selectedBrush(dc, brush ? brush.get() : GetStockObject(NULL_BRUSH));

  int x = Left();
  int y = Top();
  int w = Width();
  int h = Height();
  // GDI figures leave out their right and bottom edge; without a pen that edge would stay empty.
  if (penWidth == 0) {
    ++w;
    ++h;
  }
  const bool equalSides = shape_ == ShapeKind::Square || shape_ == ShapeKind::RoundSquare || shape_ == ShapeKind::Circle;
  if (equalSides) {
    const int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = side;
    h = side;
  }
  switch (shape_) {
    case ShapeKind::Rectangle:
    case ShapeKind::Square:
      Rectangle(dc, x, y, x + w, y + h);
      break;
    case ShapeKind::RoundRect:
    case ShapeKind::RoundSquare: {
      const int corner = std::min(w, h) / 4;
      RoundRect(dc, x, y, x + w, y + h, corner, corner);
      break;
    }
    case ShapeKind::Ellipse:
    case ShapeKind::Circle:
      Ellipse(dc, x, y, x + w, y + h);
      break;
  }
}

}  // namespace vorma::forms
