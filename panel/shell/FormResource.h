#pragma once
// The form resources of the panel's windows as plain data: every control with its kind, name, Tag,
// position, initial visibility, caption, font and the names of the handlers its events are bound
// to, plus the timers, the tray icon, the popup menu and the non-visual components. A form is built
// from these tables; keeping them as data lets tests check the routing keys without a window.

#include <cstdint>
#include <span>
#include <string_view>

namespace vorma::shell {

enum class ControlKind : std::uint8_t {
  Image,
  Label,
  Shape,
  Bevel,
  CheckBox,
  RadioButton,
  RadioGroup,
  TrackBar,
  Button,
  GroupBox,
  ListBox,
};

enum class ShapeKind : std::uint8_t { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

enum class FontUnit : std::uint8_t { Points, Pixels };

// Colours use the framework's encoding: 0x00BBGGRR, red in the low byte.
using ColorValue = std::uint32_t;
inline constexpr ColorValue kBlack = 0x000000;
inline constexpr ColorValue kWhite = 0xFFFFFF;
inline constexpr ColorValue kBlue = 0xFF0000;

constexpr ColorValue ColorFromRgbHex(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// An empty face means the form's font; a size of 0 keeps the form's size.
struct FontSpec {
  std::wstring_view face;
  int size = 0;
  FontUnit unit = FontUnit::Points;
  ColorValue color = kBlack;
  bool underline = false;
};

// Handler names as the form binds them; an empty name means the event is not bound.
struct EventBindings {
  std::wstring_view onMouseDown;
  std::wstring_view onMouseMove;
  std::wstring_view onMouseUp;
  std::wstring_view onClick;
  std::wstring_view onChange;
};

struct TrackRange {
  int minimum = 0;
  int maximum = 0;
  int position = 0;
  int pageSize = 0;
};

struct ControlDescriptor {
  ControlKind kind = ControlKind::Image;
  std::wstring_view name;
  int tag = 0;
  // The page whose default layout holds the control: 0 for the frame shown on every page, else a
  // page id (1 EQ, 2 Effect, 3 Mic, 4 Virtual 7.1, 5 3D, 6 LED, 7 ENC, 8 VMEffect). Forms other
  // than the main window use 0 throughout.
  int page = 0;
  // The container the bounds are relative to; empty for the form's client area.
  std::wstring_view parent;
  Bounds bounds;
  bool visible = true;
  bool enabled = true;
  std::wstring_view caption;
  FontSpec font;
  EventBindings events;
  // Image
  bool autoSize = false;
  bool stretch = false;
  // Label
  bool wordWrap = false;
  bool transparent = false;
  // Shape
  ShapeKind shape = ShapeKind::Rectangle;
  ColorValue brushColor = kWhite;
  ColorValue penColor = kBlack;
  int penWidth = 1;
  // Check box and radio button
  bool checked = false;
  // Track bar
  TrackRange range;
  // Radio group
  std::span<const std::wstring_view> items;
  int itemIndex = -1;

  constexpr ControlDescriptor WithTag(int value) const {
    ControlDescriptor c = *this;
    c.tag = value;
    return c;
  }
  constexpr ControlDescriptor WithShape(ShapeKind kind) const {
    ControlDescriptor c = *this;
    c.shape = kind;
    return c;
  }
  constexpr ControlDescriptor Hidden() const {
    ControlDescriptor c = *this;
    c.visible = false;
    return c;
  }
  constexpr ControlDescriptor Disabled() const {
    ControlDescriptor c = *this;
    c.enabled = false;
    return c;
  }
  constexpr ControlDescriptor Checked() const {
    ControlDescriptor c = *this;
    c.checked = true;
    return c;
  }
  constexpr ControlDescriptor Stretched() const {
    ControlDescriptor c = *this;
    c.stretch = true;
    return c;
  }
  constexpr ControlDescriptor WordWrapped() const {
    ControlDescriptor c = *this;
    c.wordWrap = true;
    return c;
  }
  constexpr ControlDescriptor In(std::wstring_view container) const {
    ControlDescriptor c = *this;
    c.parent = container;
    return c;
  }
  constexpr ControlDescriptor WithFont(FontSpec f) const {
    ControlDescriptor c = *this;
    c.font = f;
    return c;
  }
  constexpr ControlDescriptor MouseDown(std::wstring_view handler) const {
    ControlDescriptor c = *this;
    c.events.onMouseDown = handler;
    return c;
  }
  constexpr ControlDescriptor MouseMove(std::wstring_view handler) const {
    ControlDescriptor c = *this;
    c.events.onMouseMove = handler;
    return c;
  }
  constexpr ControlDescriptor MouseUp(std::wstring_view handler) const {
    ControlDescriptor c = *this;
    c.events.onMouseUp = handler;
    return c;
  }
  constexpr ControlDescriptor Click(std::wstring_view handler) const {
    ControlDescriptor c = *this;
    c.events.onClick = handler;
    return c;
  }
  constexpr ControlDescriptor Change(std::wstring_view handler) const {
    ControlDescriptor c = *this;
    c.events.onChange = handler;
    return c;
  }
};

struct TimerDescriptor {
  std::wstring_view name;
  unsigned intervalMs = 0;
  bool enabled = false;
  std::wstring_view onTimer;
};

// Items of a popup menu; `parent` names the menu or item they hang under. Sub-menus whose items
// are listed at run time (languages, skins, plug-ins) appear here as empty items.
struct MenuItemDescriptor {
  std::wstring_view name;
  std::wstring_view parent;
  std::wstring_view caption;
  std::wstring_view onClick;
  bool visible = true;
};

struct TrayIconDescriptor {
  std::wstring_view name;
  std::wstring_view popupMenu;
  std::wstring_view iconList;
  int iconIndex = 0;
  std::wstring_view hint;
  bool visible = true;
  bool menuOnRightButtonUp = true;
  bool restoreOnDoubleClick = true;
  bool hideTaskbarButtonOnMinimize = true;
  std::wstring_view onRestore;
};

enum class ComponentKind : std::uint8_t { PopupMenu, ImageList, ColorDialog, OpenDialog, SaveDialog, MediaPlayer };

// Non-visual components (and the hidden media player), with the few properties the panel sets.
struct ComponentDescriptor {
  ComponentKind kind = ComponentKind::PopupMenu;
  std::wstring_view name;
  std::wstring_view fileName;
  std::wstring_view filter;
  bool visible = false;
};

enum class FormBorder : std::uint8_t { None, Dialog };
enum class FormPosition : std::uint8_t { ScreenCenter, MainFormCenter };

struct FormEvents {
  std::wstring_view onCreate;
  std::wstring_view onShow;
  std::wstring_view onActivate;
  std::wstring_view onClose;
  std::wstring_view onDestroy;
  std::wstring_view onMouseDown;
};

struct FormDescriptor {
  std::wstring_view className;
  std::wstring_view caption;
  int clientWidth = 0;
  int clientHeight = 0;
  FormBorder border = FormBorder::Dialog;
  FormPosition position = FormPosition::ScreenCenter;
  bool doubleBuffered = false;
  FontSpec font;
  FormEvents events;
  std::span<const ControlDescriptor> controls;
  std::span<const TimerDescriptor> timers;
  std::span<const MenuItemDescriptor> menuItems;
  std::span<const TrayIconDescriptor> trayIcons;
  std::span<const ComponentDescriptor> components;
};

// Lookups over a form's control table in declaration order; null when absent.
const ControlDescriptor* FindControlDescriptor(const FormDescriptor& form, std::wstring_view name);
const ControlDescriptor* FindFirstControlWithTag(const FormDescriptor& form, ControlKind kind, int tag);

}  // namespace vorma::shell
