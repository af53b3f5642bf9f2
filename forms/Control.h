#pragma once
// The controls a form owns. Images, labels, shapes and bevels have no window of their own: the
// form paints them in declaration order (the first declared lies at the bottom) and hit-tests
// them for mouse events. The check box is a real BUTTON window.

#include <windows.h>

#include <functional>
#include <string>

namespace vorma::forms {

class Form;
class Control;

enum class ControlKind {
  Image, Label, Shape, Bevel, CheckBox, RadioButton, RadioGroup, TrackBar, Button, GroupBox, ListBox,
  ComboBox, ProgressBar, Notebook
};

enum class MouseButton { Left, Right, Middle };

// Mouse position in the control's own coordinates (0,0 is its top-left corner).
struct MouseEventArgs {
  MouseButton button = MouseButton::Left;
  UINT keys = 0;  // MK_* flags of the message
  int x = 0;
  int y = 0;
};

using MouseHandler = std::function<void(Control& sender, const MouseEventArgs& args)>;
using NotifyHandler = std::function<void(Control& sender)>;

// What every control shares; the argument structs of the kinds start with these fields.
struct ControlArgs {
  std::wstring name;
  int tag = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool enabled = true;
  LPCWSTR cursor = nullptr;  // a system cursor id such as IDC_HAND; null means the form's arrow
};

class Control {
public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  Form& Owner() const { return owner_; }
  const std::wstring& Name() const { return name_; }

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // The control's own visibility; it is on screen only while no notebook page hides it as well.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Showing() const { return visible_ && !hiddenByPage_; }
  // A notebook shows and hides the controls of its pages through this, leaving Visible() alone.
  void SetHiddenByPage(bool hidden);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }

  LPCWSTR Cursor() const { return cursor_; }
  void SetCursor(LPCWSTR cursor) { cursor_ = cursor; }

  // Windowed controls paint themselves and take their own mouse input.
  virtual bool IsWindowed() const { return false; }
  // Draws the control at its bounds on a device context in form client coordinates.
  virtual void Paint(HDC dc) const = 0;

  // Asks the form to repaint the control's area.
  void Invalidate() const;

  MouseHandler OnMouseDown;
  MouseHandler OnMouseUp;
  MouseHandler OnMouseMove;
  NotifyHandler OnClick;
  NotifyHandler OnDblClick;

protected:
  Control(Form& owner, ControlKind kind, const ControlArgs& args);
  // Called after the bounds or visibility changed, for windowed controls to follow.
  virtual void BoundsChanged() {}
  virtual void VisibilityChanged() {}
  virtual void EnabledChanged() {}

private:
  Form& owner_;
  ControlKind kind_;
  std::wstring name_;
  int tag_;
  int left_;
  int top_;
  int width_;
  int height_;
  bool visible_;
  bool hiddenByPage_ = false;
  bool enabled_;
  LPCWSTR cursor_;
};

}  // namespace vorma::forms
