#include "forms/Bevel.h"

#include "forms/GdiHandles.h"

namespace vorma::forms {
namespace {

void Line(HDC dc, COLORREF color, int x1, int y1, int x2, int y2) {
  UniqueGdiObject pen(CreatePen(PS_SOLID, 1, color));
  SelectedObject selected(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// A rectangle outline: first colour on the top and left edge, second on the bottom and right.
void Edge(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  Line(dc, topLeft, r.left, r.bottom - 1, r.left, r.top);
  Line(dc, topLeft, r.left, r.top, r.right - 1, r.top);
  Line(dc, bottomRight, r.right - 1, r.top, r.right - 1, r.bottom - 1);
  Line(dc, bottomRight, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1);
}

}  // namespace

Bevel::Bevel(Form& owner, const BevelArgs& args)
    : Control(owner, ControlKind::Bevel, args), shape_(args.shape), style_(args.style) {}

void Bevel::SetShape(BevelShape shape) {
  shape_ = shape;
  Invalidate();
}

void Bevel::SetStyle(BevelStyle style) {
  style_ = style;
  Invalidate();
}

void Bevel::Paint(HDC dc) const {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF first = style_ == BevelStyle::Lowered ? shadow : highlight;
  const COLORREF second = style_ == BevelStyle::Lowered ? highlight : shadow;
  const RECT r = BoundsRect();
  switch (shape_) {
    case BevelShape::Box:
      Edge(dc, r, first, second);
      break;
    case BevelShape::Frame: {
      // Two nested outlines with swapped colours give the engraved (or embossed) groove.
      const RECT inner{r.left + 1, r.top + 1, r.right, r.bottom};
      const RECT outer{r.left, r.top, r.right - 1, r.bottom - 1};
      Edge(dc, inner, second, second);
      Edge(dc, outer, first, first);
      break;
    }
    case BevelShape::TopLine:
      Line(dc, first, r.left, r.top, r.right, r.top);
      Line(dc, second, r.left, r.top + 1, r.right, r.top + 1);
      break;
    case BevelShape::BottomLine:
      Line(dc, first, r.left, r.bottom - 2, r.right, r.bottom - 2);
      Line(dc, second, r.left, r.bottom - 1, r.right, r.bottom - 1);
      break;
    case BevelShape::LeftLine:
      Line(dc, first, r.left, r.top, r.left, r.bottom);
      Line(dc, second, r.left + 1, r.top, r.left + 1, r.bottom);
      break;
    case BevelShape::RightLine:
      Line(dc, first, r.right - 2, r.top, r.right - 2, r.bottom);
      Line(dc, second, r.right - 1, r.top, r.right - 1, r.bottom);
      break;
  }
}

}  // namespace vorma::forms
