#include "forms/Control.h"

#include "forms/Form.h"

namespace vorma::forms {

Control::Control(Form& owner, ControlKind kind, const ControlArgs& args)
    : owner_(owner),
      kind_(kind),
      name_(args.name),
      tag_(args.tag),
      left_(args.left),
      top_(args.top),
      width_(args.width),
      height_(args.height),
      visible_(args.visible),
      enabled_(args.enabled),
      cursor_(args.cursor) {}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  VisibilityChanged();
  Invalidate();
}

void Control::SetHiddenByPage(bool hidden) {
  if (hiddenByPage_ == hidden) return;
  hiddenByPage_ = hidden;
  VisibilityChanged();
  Invalidate();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  EnabledChanged();
  Invalidate();
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  // The old area must be repainted as well as the new one.
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  Invalidate();
}

void Control::Invalidate() const {
  if (IsWindowed()) return;
  const RECT area = BoundsRect();
  owner_.Invalidate(&area);
}

}  // namespace vorma::forms
