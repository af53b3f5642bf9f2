#include "panel/shell/FormBuilder.h"

#include <cmath>
#include <map>
#include <string>

namespace vorma::shell {
namespace {

forms::ShapeKind FrameworkShape(ShapeKind kind) {
  switch (kind) {
    case ShapeKind::Rectangle: return forms::ShapeKind::Rectangle;
    case ShapeKind::Square: return forms::ShapeKind::Square;
    case ShapeKind::RoundRect: return forms::ShapeKind::RoundRect;
    case ShapeKind::RoundSquare: return forms::ShapeKind::RoundSquare;
    case ShapeKind::Ellipse: return forms::ShapeKind::Ellipse;
    case ShapeKind::Circle: return forms::ShapeKind::Circle;
  }
  return forms::ShapeKind::Rectangle;
}

// Labels take their size in points; a size given in pixels is converted at 96 pixels per inch.
int FontPoints(const FontSpec& font, const FontSpec& formFont) {
  const FontSpec& f = font.size != 0 ? font : formFont;
  if (f.unit == FontUnit::Points) return f.size;
  return static_cast<int>(std::lround(f.size * 72.0 / 96.0));
}

template <typename Args>
Args CommonArgs(const ControlDescriptor& control, Bounds origin) {
  Args args;
  args.name = std::wstring(control.name);
  args.tag = control.tag;
  args.left = origin.left + control.bounds.left;
  args.top = origin.top + control.bounds.top;
  args.width = control.bounds.width;
  args.height = control.bounds.height;
  args.visible = control.visible;
  args.enabled = control.enabled;
  return args;
}

class Builder {
public:
  Builder(const FormDescriptor& resource, forms::Form& form, FormEventSource& events)
      : resource_(resource), form_(form), events_(events) {}

  FormBuildReport Run() {
    for (const ControlDescriptor& control : resource_.controls) {
      Bounds origin{};
      if (auto it = containers_.find(control.parent); it != containers_.end()) origin = it->second;
      if (control.kind == ControlKind::GroupBox) {
        containers_[control.name] = {origin.left + control.bounds.left, origin.top + control.bounds.top, 0, 0};
      }
      forms::Control* added = Add(control, origin);
      if (added == nullptr) {
        report_.skippedControls.push_back(control.name);
        continue;
      }
      Bind(control.events, *added);
    }
    for (const TimerDescriptor& timer : resource_.timers) {
      forms::TimerArgs args;
      args.name = std::wstring(timer.name);
      args.interval = timer.intervalMs;
      args.enabled = timer.enabled;
      args.onTimer = events_.TimerHandlerNamed(timer.onTimer);
      if (!args.onTimer) report_.unboundHandlers.push_back(timer.onTimer);
      form_.AddTimer(args);
    }
    return report_;
  }

private:
  forms::Control* Add(const ControlDescriptor& control, Bounds origin) {
    switch (control.kind) {
      case ControlKind::Image: {
        auto args = CommonArgs<forms::ImageArgs>(control, origin);
        args.autoSize = control.autoSize;
        args.stretch = control.stretch;
        return &form_.AddImage(args);
      }
      case ControlKind::Label: {
        auto args = CommonArgs<forms::LabelArgs>(control, origin);
        args.caption = std::wstring(control.caption);
        const std::wstring_view face = control.font.face.empty() ? resource_.font.face : control.font.face;
        if (!face.empty()) args.fontFace = std::wstring(face);
        args.fontSize = FontPoints(control.font, resource_.font);
        args.fontColor = control.font.color;
        args.wordWrap = control.wordWrap;
        args.transparent = control.transparent;
        return &form_.AddLabel(args);
      }
      case ControlKind::Shape: {
        auto args = CommonArgs<forms::ShapeArgs>(control, origin);
        args.shape = FrameworkShape(control.shape);
        args.penColor = control.penColor;
        args.penWidth = control.penWidth;
        args.brushColor = control.brushColor;
        return &form_.AddShape(args);
      }
      case ControlKind::Bevel: {
        auto args = CommonArgs<forms::BevelArgs>(control, origin);
        // The panel's bevels are thin separators: a narrow one is a vertical line.
        args.shape = control.bounds.width <= 2 ? forms::BevelShape::LeftLine
                     : control.bounds.height <= 2 ? forms::BevelShape::TopLine
                                                  : forms::BevelShape::Box;
        return &form_.AddBevel(args);
      }
      case ControlKind::CheckBox: {
        auto args = CommonArgs<forms::CheckBoxArgs>(control, origin);
        args.caption = std::wstring(control.caption);
        args.checked = control.checked;
        return &form_.AddCheckBox(args);
      }
      case ControlKind::RadioButton: {
        auto args = CommonArgs<forms::RadioButtonArgs>(control, origin);
        args.caption = std::wstring(control.caption);
        args.checked = control.checked;
        args.group = RadioGroupOf(control.parent);
        return &form_.AddRadioButton(args);
      }
      case ControlKind::TrackBar: {
        auto args = CommonArgs<forms::TrackBarArgs>(control, origin);
        args.min = control.range.minimum;
        args.max = control.range.maximum;
        args.position = control.range.position;
        return &form_.AddTrackBar(args);
      }
      case ControlKind::Button: {
        auto args = CommonArgs<forms::ButtonArgs>(control, origin);
        args.caption = std::wstring(control.caption);
        return &form_.AddButton(args);
      }
      case ControlKind::GroupBox: {
        auto args = CommonArgs<forms::GroupBoxArgs>(control, origin);
        args.caption = std::wstring(control.caption);
        return &form_.AddGroupBox(args);
      }
      default:
        return nullptr;
    }
  }

  // Radio buttons exclude each other within the container they share, as they do on screen.
  int RadioGroupOf(std::wstring_view container) {
    const auto [it, added] = radioGroups_.try_emplace(container, static_cast<int>(radioGroups_.size()) + 1);
    (void)added;
    return it->second;
  }

  void Bind(const EventBindings& events, forms::Control& control) {
    control.OnMouseDown = Mouse(events.onMouseDown);
    control.OnMouseMove = Mouse(events.onMouseMove);
    control.OnMouseUp = Mouse(events.onMouseUp);
    control.OnClick = Notify(events.onClick);
    if (!events.onChange.empty() && control.Kind() == forms::ControlKind::TrackBar) {
      if (forms::NotifyHandler change = Notify(events.onChange))
        static_cast<forms::TrackBar&>(control).OnChange = [change](forms::TrackBar& bar) { change(bar); };
    }
  }

  forms::MouseHandler Mouse(std::wstring_view name) {
    if (name.empty()) return {};
    forms::MouseHandler handler = events_.MouseHandlerNamed(name);
    if (!handler) report_.unboundHandlers.push_back(name);
    return handler;
  }

  forms::NotifyHandler Notify(std::wstring_view name) {
    if (name.empty()) return {};
    forms::NotifyHandler handler = events_.NotifyHandlerNamed(name);
    if (!handler) report_.unboundHandlers.push_back(name);
    return handler;
  }

  const FormDescriptor& resource_;
  forms::Form& form_;
  FormEventSource& events_;
  std::map<std::wstring_view, Bounds> containers_;
  std::map<std::wstring_view, int> radioGroups_;
  FormBuildReport report_;
};

}  // namespace

forms::FormArgs FormArgsFor(const FormDescriptor& resource) {
  forms::FormArgs args;
  args.name = std::wstring(resource.className);
  args.caption = std::wstring(resource.caption);
  args.clientWidth = resource.clientWidth;
  args.clientHeight = resource.clientHeight;
  args.borderless = resource.border == FormBorder::None;
  // Centring on the main form needs the main form's window; the dialogs centre when shown.
  args.centred = resource.position == FormPosition::ScreenCenter;
  return args;
}

FormBuildReport AddResourceToForm(const FormDescriptor& resource, forms::Form& form, FormEventSource& events) {
  return Builder(resource, form, events).Run();
}

FormBuildReport AddMenuToPopup(const FormDescriptor& resource, std::wstring_view menuName, forms::PopupMenu& menu,
                               FormEventSource& events) {
  FormBuildReport report;
  for (const MenuItemDescriptor& item : resource.menuItems) {
    // Items are listed after the item they hang under, so the parent already exists.
    forms::MenuItem* parent = item.parent == menuName ? &menu.Items() : menu.FindItem(item.parent);
    if (parent == nullptr) continue;
    forms::MenuItemArgs args;
    args.name = std::wstring(item.name);
    args.caption = std::wstring(item.caption);
    args.visible = item.visible;
    if (!item.onClick.empty()) {
      args.onClick = events.MenuHandlerNamed(item.onClick);
      if (!args.onClick) report.unboundHandlers.push_back(item.onClick);
    }
    parent->AddItem(args);
  }
  return report;
}

}  // namespace vorma::shell
