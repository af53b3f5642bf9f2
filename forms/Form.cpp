#include "forms/Form.h"

#include "forms/Application.h"
#include "forms/FormPainting.h"
#include "foundation/DebugOutput.h"

#include <windowsx.h>

#include <algorithm>

namespace vorma::forms {
namespace {

constexpr wchar_t kFormClassName[] = L"VormaForm";

bool RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  // Double clicks arrive as WM_LBUTTONDBLCLK only with CS_DBLCLKS.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFormClassName;
  if (RegisterClassExW(&windowClass)) return true;
  const DWORD error = GetLastError();
  if (error == ERROR_CLASS_ALREADY_EXISTS) return true;
  DebugWin32Failure(L"RegisterClassExW VormaForm", error);
  return false;
}

DWORD FormStyle(const FormArgs& args) {
  const DWORD frame = args.borderless ? WS_POPUP
                                      : (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (args.minimizeBox ? WS_MINIMIZEBOX : 0));
  return frame | WS_CLIPCHILDREN;
}

DWORD FormExStyle(const FormArgs& args) {
  DWORD exStyle = args.showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  if (args.topMost) exStyle |= WS_EX_TOPMOST;
  if (args.transparentColor) exStyle |= WS_EX_LAYERED;
  return exStyle;
}

SIZE WindowSizeFor(const FormArgs& args) {
  RECT rect{0, 0, args.clientWidth, args.clientHeight};
  AdjustWindowRectEx(&rect, FormStyle(args), FALSE, FormExStyle(args));
  return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT CentredPosition(SIZE size) {
  RECT workArea{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  return {workArea.left + (workArea.right - workArea.left - size.cx) / 2,
          workArea.top + (workArea.bottom - workArea.top - size.cy) / 2};
}

MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

}  // namespace

Form::Form(Application& application, FormArgs args) : application_(application), args_(std::move(args)) {}

Form::~Form() {
  // The window goes first, while the controls its messages may reach still exist.
  window_.reset();
}

bool Form::Create(HWND owner) {
  if (window_) return true;
  const HINSTANCE instance = application_.Instance();
  if (!RegisterFormClass(instance, WindowProc)) return false;
  const SIZE size = WindowSizeFor(args_);
  const POINT position = args_.centred ? CentredPosition(size) : POINT{CW_USEDEFAULT, CW_USEDEFAULT};
  const HWND window = CreateWindowExW(FormExStyle(args_), kFormClassName, args_.caption.c_str(), FormStyle(args_),
                                      position.x, position.y, size.cx, size.cy, owner, nullptr, instance, this);
  if (!window) {
    DebugWin32Failure(L"CreateWindowExW form", GetLastError());
    return false;
  }
  if (args_.transparentColor) SetTransparentColor(args_.transparentColor);
  for (auto& control : controls_) {
    if (control->IsWindowed()) static_cast<WindowedControl&>(*control).CreateWindowOn(window);
  }
  for (auto& timer : timers_) timer->Start();
  application_.FormCreated(*this);
  return true;
}

template <typename T, typename Args>
T& Form::AddControl(const Args& args) {
  auto control = std::make_unique<T>(*this, args);
  T& added = *control;
  controls_.push_back(std::move(control));
  if constexpr (std::is_base_of_v<WindowedControl, T>) {
    if (window_) added.CreateWindowOn(window_.get());
  }
  added.Invalidate();
  return added;
}

Image& Form::AddImage(const ImageArgs& args) { return AddControl<Image>(args); }
Label& Form::AddLabel(const LabelArgs& args) { return AddControl<Label>(args); }
Shape& Form::AddShape(const ShapeArgs& args) { return AddControl<Shape>(args); }
Bevel& Form::AddBevel(const BevelArgs& args) { return AddControl<Bevel>(args); }
CheckBox& Form::AddCheckBox(const CheckBoxArgs& args) { return AddControl<CheckBox>(args); }
RadioButton& Form::AddRadioButton(const RadioButtonArgs& args) { return AddControl<RadioButton>(args); }
RadioGroup& Form::AddRadioGroup(const RadioGroupArgs& args) { return AddControl<RadioGroup>(args); }
TrackBar& Form::AddTrackBar(const TrackBarArgs& args) { return AddControl<TrackBar>(args); }
Button& Form::AddButton(const ButtonArgs& args) { return AddControl<Button>(args); }
GroupBox& Form::AddGroupBox(const GroupBoxArgs& args) { return AddControl<GroupBox>(args); }
ListBox& Form::AddListBox(const ListBoxArgs& args) { return AddControl<ListBox>(args); }
ComboBox& Form::AddComboBox(const ComboBoxArgs& args) { return AddControl<ComboBox>(args); }
ProgressBar& Form::AddProgressBar(const ProgressBarArgs& args) { return AddControl<ProgressBar>(args); }
Notebook& Form::AddNotebook(const NotebookArgs& args) { return AddControl<Notebook>(args); }

Control* Form::FindControlByName(std::wstring_view name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

Control* Form::FindControlByTag(ControlKind kind, int tag) const {
  for (const auto& control : controls_) {
    if (control->Kind() == kind && control->Tag() == tag) return control.get();
  }
  return nullptr;
}

Control* Form::ControlAt(POINT client) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const Control& control = **it;
    if (!control.Showing() || !control.Enabled() || control.IsWindowed()) continue;
    // A notebook only groups the controls of its pages; the form below it takes the mouse.
    if (control.Kind() == ControlKind::Notebook) continue;
    const RECT bounds = control.BoundsRect();
    if (PtInRect(&bounds, client)) return it->get();
  }
  return nullptr;
}

Timer& Form::AddTimer(const TimerArgs& args) {
  // Timer ids start at 1: SetTimer treats id 0 as "make one up" for windowless timers.
  auto timer = std::make_unique<Timer>(*this, timers_.size() + 1, args);
  Timer& added = *timer;
  timers_.push_back(std::move(timer));
  if (window_) added.Start();
  return added;
}

Timer* Form::FindTimer(std::wstring_view name) const {
  for (const auto& timer : timers_) {
    if (timer->Name() == name) return timer.get();
  }
  return nullptr;
}

void Form::SetCaption(const std::wstring& caption) {
  args_.caption = caption;
  if (window_) SetWindowTextW(window_.get(), caption.c_str());
}

void Form::SetClientSize(int width, int height) {
  args_.clientWidth = width;
  args_.clientHeight = height;
  if (!window_) return;
  const SIZE size = WindowSizeFor(args_);
  SetWindowPos(window_.get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Invalidate();
}

void Form::CentreOnScreen() {
  if (!window_) {
    args_.centred = true;
    return;
  }
  const SIZE size = WindowSizeFor(args_);
  const POINT position = CentredPosition(size);
  SetWindowPos(window_.get(), nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetColor(COLORREF color) {
  args_.color = color;
  Invalidate();
}

bool Form::SetTransparentColor(std::optional<COLORREF> color) {
  args_.transparentColor = color;
  if (!window_) return true;
  const HWND window = window_.get();
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (!color) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    Invalidate();
    return true;
  }
  SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  if (!SetLayeredWindowAttributes(window, *color, 255, LWA_COLORKEY)) {
    DebugWin32Failure(L"SetLayeredWindowAttributes", GetLastError());
    return false;
  }
  Invalidate();
  return true;
}

void Form::SetWindowBounds(int left, int top, int width, int height) {
  if (!window_) return;
  SetWindowPos(window_.get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(window_.get(), &client);
  args_.clientWidth = client.right;
  args_.clientHeight = client.bottom;
  Invalidate();
}

void Form::SetIcons(UniqueIcon big, UniqueIcon small) {
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(small);
  if (!window_) return;
  SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

bool Form::SetWindowRegion(UniqueGdiObject region) {
  if (!window_) return false;
  if (!SetWindowRgn(window_.get(), static_cast<HRGN>(region.get()), TRUE)) {
    DebugWin32Failure(L"SetWindowRgn", GetLastError());
    return false;
  }
  // The system owns the region now and deletes it with the window.
  region.release();
  return true;
}

void Form::Show() {
  if (!window_) return;
  ShowWindow(window_.get(), SW_SHOW);
  if (OnShow) OnShow(*this);
}

void Form::Hide() {
  if (window_) ShowWindow(window_.get(), SW_HIDE);
}

bool Form::Visible() const { return window_ && IsWindowVisible(window_.get()); }

void Form::BringToFront() {
  if (!window_) return;
  if (IsIconic(window_.get())) ShowWindow(window_.get(), SW_RESTORE);
  BringWindowToTop(window_.get());
  SetForegroundWindow(window_.get());
}

void Form::Close() {
  if (window_) SendMessageW(window_.get(), WM_CLOSE, 0, 0);
}

int Form::ShowModal() {
  if (!window_ || inModalLoop_) return IDCANCEL;
  const HWND owner = GetWindow(window_.get(), GW_OWNER);
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  modalResult_ = 0;
  inModalLoop_ = true;
  Show();
  while (modalResult_ == 0 && Visible()) {
    if (!application_.HandleMessage()) {
      // The loop of the application must see the quit as well.
      PostQuitMessage(0);
      break;
    }
  }
  inModalLoop_ = false;
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  Hide();
  if (modalResult_ == 0) modalResult_ = IDCANCEL;
  return modalResult_;
}

void Form::Invalidate(const RECT* area) const {
  // Showing a window paints all of it, so a hidden one collects no update region. That matters at
  // start-up: under Wine each InvalidateRect is a server round trip, and skinning and labelling
  // the hidden main window asks for a few thousand.
  if (window_ && IsWindowVisible(window_.get())) InvalidateRect(window_.get(), area, FALSE);
}

void Form::PaintClient(HDC dc, const RECT& area) const {
  PaintBackground(dc, area, args_.color);
  for (const auto& control : controls_) {
    if (!control->Showing() || control->IsWindowed()) continue;
    RECT bounds = control->BoundsRect();
    RECT overlap;
    if (!IntersectRect(&overlap, &bounds, &area)) continue;
    // A control never draws outside its own bounds.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, overlap.left, overlap.top, overlap.right, overlap.bottom);
    control->Paint(dc);
    RestoreDC(dc, saved);
  }
}

std::vector<DWORD> Form::RenderToPixels() const {
  std::vector<DWORD> pixels;
  const RECT client{0, 0, args_.clientWidth, args_.clientHeight};
  RenderOffscreen(args_.clientWidth, args_.clientHeight, [&](HDC dc) { PaintClient(dc, client); }, pixels);
  return pixels;
}

bool Form::RenderToPng(const std::wstring& path) const {
  const std::vector<DWORD> pixels = RenderToPixels();
  if (pixels.empty()) return false;
  return SavePixelsAsPng(pixels, args_.clientWidth, args_.clientHeight, path);
}

void Form::OnPaint() {
  PAINTSTRUCT paint;
  const HDC screen = BeginPaint(window_.get(), &paint);
  if (!screen) return;
  const RECT area = paint.rcPaint;
  PaintBuffered(screen, area, [&](HDC dc) { PaintClient(dc, area); });
  EndPaint(window_.get(), &paint);
}

bool Form::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                    message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  const bool up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
  // A control that took the press keeps the mouse until the button is released, as a drag needs.
  Control* target = mouseCapture_ ? mouseCapture_ : ControlAt(point);
  MouseEventArgs args{ButtonOf(message), static_cast<UINT>(GET_KEYSTATE_WPARAM(wParam)), point.x, point.y};
  if (!target) {
    if (down && OnMouseDown) OnMouseDown(*this, args);
    if (up && OnMouseUp) OnMouseUp(*this, args);
    if (message == WM_MOUSEMOVE && OnMouseMove) OnMouseMove(*this, args);
    return true;
  }
  args.x -= target->Left();
  args.y -= target->Top();
  if (down) {
    mouseCapture_ = target;
    SetCapture(window_.get());
    if (message == WM_LBUTTONDBLCLK && target->OnDblClick) target->OnDblClick(*target);
    if (target->OnMouseDown) target->OnMouseDown(*target, args);
  } else if (up) {
    mouseCapture_ = nullptr;
    if (GetCapture() == window_.get()) ReleaseCapture();
    const RECT bounds = target->BoundsRect();
    // A click is a left press and release on the same control; it runs before the mouse-up.
    if (message == WM_LBUTTONUP && PtInRect(&bounds, point) && target->OnClick) target->OnClick(*target);
    if (target->OnMouseUp) target->OnMouseUp(*target, args);
  } else if (target->OnMouseMove) {
    target->OnMouseMove(*target, args);
  }
  return true;
}

bool Form::OnSetCursor() {
  POINT point;
  if (!GetCursorPos(&point) || !ScreenToClient(window_.get(), &point)) return false;
  const Control* control = ControlAt(point);
  const LPCWSTR cursor = control && control->Cursor() ? control->Cursor() : IDC_ARROW;
  ::SetCursor(LoadCursorW(nullptr, cursor));
  return true;
}

WindowedControl* Form::WindowedControlOf(HWND window) const {
  if (!window) return nullptr;
  for (const auto& control : controls_) {
    if (!control->IsWindowed()) continue;
    auto& windowed = static_cast<WindowedControl&>(*control);
    if (windowed.OwnsWindow(window)) return &windowed;
  }
  return nullptr;
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
  const HWND from = reinterpret_cast<HWND>(lParam);
  if (WindowedControl* control = WindowedControlOf(from)) control->HandleCommand(from, HIWORD(wParam));
}

void Form::OnCloseRequest() {
  CloseAction action = application_.MainForm() == this && !inModalLoop_ ? CloseAction::Free : CloseAction::Hide;
  if (OnClose) OnClose(*this, action);
  switch (action) {
    case CloseAction::None:
      return;
    case CloseAction::Hide:
      if (inModalLoop_ && modalResult_ == 0) modalResult_ = IDCANCEL;
      Hide();
      return;
    case CloseAction::Minimize:
      ShowWindow(window_.get(), SW_MINIMIZE);
      return;
    case CloseAction::Free:
      window_.reset();
      return;
  }
}

void Form::OnDestroyed() {
  for (auto& timer : timers_) timer->Stop();
  mouseCapture_ = nullptr;
  if (OnDestroy) OnDestroy(*this);
  for (auto& control : controls_) {
    if (control->IsWindowed()) static_cast<WindowedControl&>(*control).WindowDestroyed();
  }
  application_.FormDestroyed(*this);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = handle_;
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      // The buffered paint covers every pixel; erasing first would only flicker.
      return 1;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      OnMouse(message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window) mouseCapture_ = nullptr;
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
      break;
    case WM_TIMER:
      for (auto& timer : timers_) {
        if (timer->Id() == wParam) timer->Fire();
      }
      return 0;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (WindowedControl* control = WindowedControlOf(reinterpret_cast<HWND>(lParam))) {
        control->HandleScroll(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && OnActivate) OnActivate(*this);
      break;
    case WM_CLOSE:
      OnCloseRequest();
      return 0;
    case WM_DESTROY:
      OnDestroyed();
      return 0;
    default:
      break;
  }
  LRESULT result = 0;
  if (OnMessage && OnMessage(message, wParam, lParam, result)) return result;
  // Minimising the main form minimises the application, which hides it to the tray.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE && application_.MainForm() == this) {
    application_.Minimize();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    form->window_.reset(window);
    form->handle_ = window;
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    // The window is gone already; the owner must not destroy it again.
    form->window_.release();
    form->handle_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return form->HandleMessage(message, wParam, lParam);
}

}  // namespace vorma::forms
