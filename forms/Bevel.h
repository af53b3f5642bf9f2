#pragma once
// A lowered or raised 3D frame or line, drawn with the system's highlight and shadow colours.

#include "forms/Control.h"

namespace vorma::forms {

enum class BevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };
enum class BevelStyle { Lowered, Raised };

struct BevelArgs : ControlArgs {
  BevelShape shape = BevelShape::Box;
  BevelStyle style = BevelStyle::Lowered;
};

class Bevel final : public Control {
public:
  Bevel(Form& owner, const BevelArgs& args);

  BevelShape Shape() const { return shape_; }
  void SetShape(BevelShape shape);
  BevelStyle Style() const { return style_; }
  void SetStyle(BevelStyle style);

  void Paint(HDC dc) const override;

private:
  BevelShape shape_;
  BevelStyle style_;
};

}  // namespace vorma::forms
