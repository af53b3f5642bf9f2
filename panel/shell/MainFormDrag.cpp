// Slider and speaker drag. The application message hook sees every left-button press, move and
// release of the application, so a slider follows the cursor without taking the mouse capture.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "panel/led/dialog/LEDForm.h"
#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatures.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vorma::shell {
namespace {

constexpr int k3DSliderTop = 105;
constexpr int k3DSliderBottom = 225;

template <size_t N>
bool NameIsOneOf(std::wstring_view name, const std::array<std::wstring_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::array<std::wstring_view, 5> kEqSliders{L"EQ60HzSliderImage", L"EQ300HzSliderImage",
                                                      L"EQ1200HzSliderImage", L"EQ3600HzSliderImage",
                                                      L"EQ12000HzSliderImage"};
constexpr std::array<std::wstring_view, 5> kEqBars{L"EQ60HzBarImage", L"EQ300HzBarImage", L"EQ1200HzBarImage",
                                                   L"EQ3600HzBarImage", L"EQ12000HzBarImage"};
constexpr std::array<std::wstring_view, 5> kEqBarsDown{L"EQ60HzBarDownImage", L"EQ300HzBarDownImage",
                                                       L"EQ1200HzBarDownImage", L"EQ3600HzBarDownImage",
                                                       L"EQ12000HzBarDownImage"};
constexpr std::array<std::wstring_view, 4> k3DSliders{L"D3LBetaSliderImage", L"D3LAlphaSliderImage",
                                                      L"D3RAlphaSliderImage", L"D3RBetaSliderImage"};
constexpr std::array<std::wstring_view, 8> kSpeakers{L"VirtualCImage",  L"VirtualSUBImage", L"VirtualLSImage",
                                                     L"VirtualRSImage", L"VirtualLImage",   L"VirtualRImage",
                                                     L"VirtualLBImage", L"VirtualRBImage"};

int Clamp(int value, SliderRange range) { return std::clamp(value, range.top, range.top + range.range); }

// The topmost visible control under a client point; disabled controls count, windowed ones take
// their own input and do not.
forms::Control* VisibleControlAt(const forms::Form& form, POINT client) {
  const auto& controls = form.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    forms::Control& control = **it;
    if (!control.Visible() || control.IsWindowed()) continue;
    if (client.x >= control.Left() && client.x < control.Left() + control.Width() && client.y >= control.Top() &&
        client.y < control.Top() + control.Height())
      return &control;
  }
  return nullptr;
}

}  // namespace

bool TAudioMainForm::LedDialogShown() const { return ledDialog_ && ledDialog_->Shown(); }

void TAudioMainForm::OnMsgLButtonDown() {
  DebugWrite(L"TAudioMainForm::OnMsgLButtonDown");
  if (!features_ || LedDialogShown()) return;
  GetCursorPos(&m_ptDragStart);
  POINT client = m_ptDragStart;
  ScreenToClient(Hwnd(), &client);
  m_pDragControl = VisibleControlAt(*this, client);
  if (!m_pDragControl) return;
  PressSliderOrBar(*m_pDragControl, client);
}

void TAudioMainForm::PressSliderOrBar(forms::Control& control, POINT client) {
  const std::wstring_view name = control.Name();
  const bool active = DeviceActive();
  const bool eqControl = NameIsOneOf(name, kEqSliders) || NameIsOneOf(name, kEqBars) || NameIsOneOf(name, kEqBarsDown);
  const bool otherControl = NameIsOneOf(name, k3DSliders) || NameIsOneOf(name, kSpeakers) || name == L"MicSliderImage" ||
                            name == L"MicBarImage" || name == L"MicBarDownImage" || name == L"ENCSliderImage" ||
                            name == L"ENCBarImage";
  if (!eqControl && !otherControl) return;
  if (!active) {
    ShowDeviceWarning();
    if (eqControl) ProcessPendingMessages();
    return;
  }
  if (NameIsOneOf(name, kEqSliders)) {
    StartDrag(control, DragMode::EqBand);
  } else if (NameIsOneOf(name, kEqBars) || NameIsOneOf(name, kEqBarsDown)) {
    features_->Eq().JumpEqSlider(control.Tag(), client.y);
  } else if (NameIsOneOf(name, k3DSliders)) {
    StartDrag(control, DragMode::ThreeD);
  } else if (name == L"MicSliderImage") {
    StartDrag(control, DragMode::Mic);
  } else if (name == L"MicBarImage" || name == L"MicBarDownImage") {
    const SliderRange range = MicSliderRange();
    const int slider = name == L"MicBarImage" ? SliderOfBar(control.Tag()) : SliderOfLowerBar(control.Tag());
    const int top = JumpSlider(slider, client.y, range);
    if (range.range != 0) features_->SetMicGain((range.top + range.range - top) * 100 / range.range);
  } else if (name == L"ENCSliderImage" || name == L"ENCBarImage") {
    if (!features_->EncEnabled()) {
      ShowEncoderWarning();
    } else if (name == L"ENCSliderImage") {
      StartDrag(control, DragMode::Encoder);
    } else {
      const SliderRange range = appearance_->EncSlider();
      const int top = JumpSlider(SliderOfBar(control.Tag()), client.y, range);
      if (range.range != 0) features_->SetEncoderLevel((range.top + range.range - top) * 30 / range.range);
      features_->RefreshEncoderPage();
    }
  } else if (!SwitchLockIgnores(control.Tag())) {
    // A speaker the hardware switch locks starts no drag: its own mouse-up is locked as well and
    // would never let the animation timer run again.
    StartDrag(control, DragMode::Speaker);
  }
}

void TAudioMainForm::StartDrag(forms::Control& control, DragMode mode) {
  m_bDragging = 1;
  m_nDragStartLeft = control.Left();
  m_nDragStartTop = control.Top();
  m_nDragMode = static_cast<int>(mode);
}

// Centres the slider on the click, within the group's travel; returns the new top.
int TAudioMainForm::JumpSlider(int sliderTag, int clickY, SliderRange range) {
  forms::Image* slider = FindImageByTag(sliderTag);
  if (!slider) return range.top;
  const int top = Clamp(clickY - slider->Height() / 2, range);
  slider->SetTop(top);
  return top;
}

void TAudioMainForm::OnMsgMouseMove() {
  if (LedDialogShown()) return;
  if (m_bDragging != 1 || !m_pDragControl) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const int left = m_nDragStartLeft + (cursor.x - m_ptDragStart.x);
  int top = m_nDragStartTop + (cursor.y - m_ptDragStart.y);
  forms::Control& control = *m_pDragControl;
  switch (static_cast<DragMode>(m_nDragMode)) {
    case DragMode::EqBand: {
      const SliderRange range = EqSliderRange();
      top = Clamp(top, range);
      control.SetTop(top);
      features_->Eq().MoveEqSlider(control.Tag(), top);
      break;
    }
    case DragMode::ThreeD:
      top = std::clamp(top, k3DSliderTop, k3DSliderBottom);
      control.SetTop(top);
      features_->ThreeD().Update3DFromSlider(control.Name(), top);
      break;
    case DragMode::Mic: {
      const SliderRange range = MicSliderRange();
      top = Clamp(top, range);
      control.SetTop(top);
      if (range.range != 0) features_->SetMicGain((range.top + range.range - top) * 100 / range.range);
      break;
    }
    case DragMode::Encoder: {
      forms::Image* bar = ImageNamed(L"ENCBarImage");
      if (!bar) break;
      const int bottom = bar->Top() + bar->Height();
      const double lowest = bottom - 1.2 * control.Height();
      if (top > lowest) top = static_cast<int>(lowest);
      if (top < bar->Top() + 10) top = bar->Top() + 10;
      control.SetTop(top);
      break;
    }
    case DragMode::Speaker:
      if (auto* speaker = dynamic_cast<forms::Image*>(&control)) features_->Virtual7ch1().DragSpeaker(*speaker, left, top);
      break;
    case DragMode::None: break;
  }
}

void TAudioMainForm::OnMsgLButtonUp() {
  DebugWrite(L"TAudioMainForm::OnMsgLButtonUp");
  if (LedDialogShown()) return;
  m_bDragging = 0;
  m_pDragControl = nullptr;
}

void TAudioMainForm::FormMouseDown(const forms::MouseEventArgs& args) {
  if (args.button != forms::MouseButton::Left) return;
  if (LedDialogShown()) return;
  ReleaseCapture();
  SendMessageW(Hwnd(), WM_SYSCOMMAND, 0xF012, 0);
  ProcessPendingMessages();
}

}  // namespace vorma::shell
