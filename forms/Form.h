#pragma once
// A top-level window that owns its controls and timers. Painting is double-buffered: the form
// fills its colour, then draws every visible non-windowed control in declaration order into a
// memory bitmap and copies it to the screen. Mouse messages on the client area go to the topmost
// visible enabled non-windowed control under the cursor (the last declared one that contains the
// point), or to the form's own handlers when no control is there.

#include "forms/Bevel.h"
#include "forms/Buttons.h"
#include "forms/CheckBox.h"
#include "forms/Control.h"
#include "forms/GdiHandles.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/ListControls.h"
#include "forms/Notebook.h"
#include "forms/PictureCache.h"
#include "forms/Shape.h"
#include "forms/Timer.h"
#include "foundation/UniqueHandles.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::forms {

class Application;

// What happens when the form is asked to close (OnClose may change it).
enum class CloseAction { None, Hide, Minimize, Free };

struct FormArgs {
  std::wstring name;
  std::wstring caption;
  int clientWidth = 320;
  int clientHeight = 240;
  bool borderless = false;     // WS_POPUP without caption and frame
  bool centred = true;         // centred on the primary screen's work area when created
  bool showInTaskbar = true;   // WS_EX_APPWINDOW; false gives a tool window
  bool topMost = false;
  COLORREF color = RGB(240, 240, 240);
  bool minimizeBox = true;     // a framed form without it has only the system menu
  // Pixels of this colour are see-through (a layered window with a colour key).
  std::optional<COLORREF> transparentColor;
};

// A message the form did not handle itself; return true with a result to end its handling.
using FormMessageHandler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

class Form {
public:
  Form(Application& application, FormArgs args);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& App() const { return application_; }
  const std::wstring& Name() const { return args_.name; }

  // Creates the window (hidden) and the windows of controls and timers added so far. Controls
  // added later get their windows at once. Returns false when the window could not be created.
  bool Create(HWND owner = nullptr);
  HWND Hwnd() const { return window_.get(); }

  // Controls, in declaration order; the returned references live as long as the form.
  Image& AddImage(const ImageArgs& args);
  Label& AddLabel(const LabelArgs& args);
  Shape& AddShape(const ShapeArgs& args);
  Bevel& AddBevel(const BevelArgs& args);
  CheckBox& AddCheckBox(const CheckBoxArgs& args);
  RadioButton& AddRadioButton(const RadioButtonArgs& args);
  RadioGroup& AddRadioGroup(const RadioGroupArgs& args);
  TrackBar& AddTrackBar(const TrackBarArgs& args);
  Button& AddButton(const ButtonArgs& args);
  GroupBox& AddGroupBox(const GroupBoxArgs& args);
  ListBox& AddListBox(const ListBoxArgs& args);
  ComboBox& AddComboBox(const ComboBoxArgs& args);
  ProgressBar& AddProgressBar(const ProgressBarArgs& args);
  Notebook& AddNotebook(const NotebookArgs& args);
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  Control* FindControlByName(std::wstring_view name) const;
  // The first control of the kind with the Tag, in declaration order.
  Control* FindControlByTag(ControlKind kind, int tag) const;
  // The topmost visible, enabled, non-windowed control containing the client point.
  Control* ControlAt(POINT client) const;

  // The decoded pictures of this form's images.
  PictureCache& Pictures() { return pictures_; }

  Timer& AddTimer(const TimerArgs& args);
  Timer* FindTimer(std::wstring_view name) const;

  const std::wstring& Caption() const { return args_.caption; }
  void SetCaption(const std::wstring& caption);
  int ClientWidth() const { return args_.clientWidth; }
  int ClientHeight() const { return args_.clientHeight; }
  void SetClientSize(int width, int height);
  void CentreOnScreen();
  COLORREF Color() const { return args_.color; }
  void SetColor(COLORREF color);
  // Makes the pixels of the colour see-through, or (nullopt) the whole window opaque again.
  bool SetTransparentColor(std::optional<COLORREF> color);
  const std::optional<COLORREF>& TransparentColor() const { return args_.transparentColor; }
  // Moves and sizes the whole window (screen coordinates, frame included).
  void SetWindowBounds(int left, int top, int width, int height);
  // The form keeps the icons and shows them in the caption and the task bar.
  void SetIcons(UniqueIcon big, UniqueIcon small);
  // Cuts the window to the region (in window coordinates); the system owns it from then on. A
  // null region restores the full window.
  bool SetWindowRegion(UniqueGdiObject region);

  void Show();
  void Hide();
  bool Visible() const;
  void BringToFront();
  // Asks the form to close as the close button does: OnClose decides, Free destroys the window.
  void Close();
  // Destroys the window now (OnDestroy runs); a derived form calls it first in its destructor, so
  // the window's last messages still find everything they reach.
  void DestroyWindowNow() { window_.reset(); }
  // Shows the form modally over its owner, runs messages until ModalResult turns non-zero or the
  // form closes, and returns that result (IDCANCEL when it was closed).
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Marks the client area (or a part of it) for painting; nothing while the window is hidden.
  void Invalidate(const RECT* area = nullptr) const;
  // Paints the client area through the form's own painting code into a memory bitmap and saves
  // it as a PNG. Works without a visible window (PrintWindow gives black under Wine).
  bool RenderToPng(const std::wstring& path) const;
  // The same picture as a 32-bit top-down bitmap, one COLORREF-compatible 0x00RRGGBB per pixel.
  std::vector<DWORD> RenderToPixels() const;

  std::function<void(Form& sender)> OnShow;
  std::function<void(Form& sender)> OnActivate;
  std::function<void(Form& sender, CloseAction& action)> OnClose;
  std::function<void(Form& sender)> OnDestroy;
  // Mouse events where no control lies, in client coordinates.
  std::function<void(Form& sender, const MouseEventArgs& args)> OnMouseDown;
  std::function<void(Form& sender, const MouseEventArgs& args)> OnMouseUp;
  std::function<void(Form& sender, const MouseEventArgs& args)> OnMouseMove;
  // Any message the form's own handling leaves (device changes, registered messages, ...).
  FormMessageHandler OnMessage;

protected:
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  template <typename T, typename Args>
  T& AddControl(const Args& args);
  void PaintClient(HDC dc, const RECT& area) const;
  void OnPaint();
  bool OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnSetCursor();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  WindowedControl* WindowedControlOf(HWND window) const;
  void OnCloseRequest();
  void OnDestroyed();

  Application& application_;
  FormArgs args_;
  UniqueWindow window_;
  HWND handle_ = nullptr;  // the window from WM_NCCREATE to WM_NCDESTROY, also while it is destroyed
  PictureCache pictures_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  Control* mouseCapture_ = nullptr;  // the control that took the last button press
  int modalResult_ = 0;
  bool inModalLoop_ = false;
};

}  // namespace vorma::forms
