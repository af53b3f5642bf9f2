// The handler names the main window's form resource binds, resolved to the window's operations.

#include "panel/shell/AudioMainForm.h"

#include "forms/CheckBox.h"
#include "panel/features/encvoice/EncVoiceRegistry.h"
#include "forms/Shape.h"
#include "panel/shell/MainFormFeatures.h"

#include <string>
#include <utility>

namespace vorma::shell {

forms::MouseHandler TAudioMainForm::MouseHandlerNamed(std::wstring_view name) {
  using Args = forms::MouseEventArgs;
  if (name == L"OnImageMouseDown") return [this](forms::Control& c, const Args& a) { OnImageMouseDown(c, a); };
  if (name == L"OnImageMouseUp") return [this](forms::Control& c, const Args& a) { OnImageMouseUp(c, a); };
  if (name == L"OnLabelMouseDown") return [this](forms::Control& c, const Args& a) { OnLabelMouseDown(c, a); };
  if (name == L"OnLabelMouseUp") return [this](forms::Control& c, const Args& a) { OnLabelMouseUp(c, a); };
  if (name == L"OnLabelPageMouseDown") return [this](forms::Control& c, const Args& a) { OnLabelPageMouseDown(c, a); };
  if (name == L"FormMouseDown") return [this](forms::Control&, const Args& a) { FormMouseDown(a); };
  // The ENC slider follows the cursor on the screen, as the window's drag does.
  const auto cursor = [] {
    POINT point{};
    GetCursorPos(&point);
    return point;
  };
  if (name == L"ENCSliderImageMouseDown")
    return [this, cursor](forms::Control&, const Args&) {
      if (features_) features_->EncVoice().ENCSliderImageMouseDown(cursor());
    };
  if (name == L"ENCSliderImageMouseMove")
    return [this, cursor](forms::Control&, const Args&) {
      if (features_) features_->EncVoice().ENCSliderImageMouseMove(cursor());
    };
  if (name == L"ENCSliderImageMouseUp")
    return [this](forms::Control&, const Args&) {
      if (features_) features_->EncVoice().ENCSliderImageMouseUp();
    };
  if (name == L"OnShapeMouseDown")
    return [this](forms::Control& c, const Args&) {
      if (features_ && c.Kind() == forms::ControlKind::Shape) features_->Led().OnShapeMouseDown(static_cast<forms::Shape&>(c));
    };
  // The LED sliders: ColorBreatheSliderImage, ColorRainbowSliderImage and ColorPulsatingSliderImage.
  const std::pair<std::wstring_view, led::LedEffect> ledSliders[] = {{L"ColorBreatheSliderImage", led::LedEffect::Breathe},
                                                                     {L"ColorRainbowSliderImage", led::LedEffect::Rainbow},
                                                                     {L"ColorPulsatingSliderImage", led::LedEffect::MultiBreathe}};
  for (const auto& [slider, effect] : ledSliders) {
    if (!name.starts_with(slider)) continue;
    const std::wstring_view event = name.substr(slider.size());
    const led::LedEffect e = effect;
    if (event == L"MouseDown")
      return [this, cursor, e](forms::Control&, const Args& a) {
        if (features_) features_->Led().SliderMouseDown(e, a.button == forms::MouseButton::Left, cursor());
      };
    if (event == L"MouseMove")
      return [this, cursor, e](forms::Control&, const Args&) {
        if (features_) features_->Led().SliderMouseMove(e, cursor());
      };
    if (event == L"MouseUp")
      return [this, e](forms::Control&, const Args& a) {
        if (features_) features_->Led().SliderMouseUp(e, a.button == forms::MouseButton::Left);
      };
  }
  return {};
}

forms::NotifyHandler TAudioMainForm::NotifyHandlerNamed(std::wstring_view name) {
  if (name == L"CloseImageClick") return [this](forms::Control&) { CloseImageClick(); };
  if (name == L"MinimizeImageClick") return [this](forms::Control&) { MinimizeImageClick(); };
  if (name == L"EQResetImageClick" || name == L"EQResetLabelClick")
    return [this](forms::Control&) {
      if (features_) features_->Eq().ResetEq();
    };
  if (name == L"D3ResetImageClick" || name == L"D3ResetLabelClick")
    return [this](forms::Control&) {
      if (features_) features_->ThreeD().D3ResetImageClick();
    };
  if (name == L"ENCFunctionImageClick")
    return [this](forms::Control&) {
      if (features_) ENCFunctionImageClick();
    };
  if (name == L"VMFunctionImageClick")
    return [this](forms::Control&) {
      if (features_) VMFunctionImageClick();
    };
  // VMEffectNoneImageClick, VMEffect1ImageClick .. VMEffect4ImageClick: modes 0 .. 4.
  for (int mode = 0; mode < features::kVoiceModeCount; ++mode) {
    const std::wstring handler = mode == 0 ? L"VMEffectNoneImageClick" : L"VMEffect" + std::to_wstring(mode) + L"ImageClick";
    if (name == handler)
      return [this, mode](forms::Control&) {
        if (features_) features_->EncVoice().VMEffectImageClick(mode);
      };
  }
  // The LED page's check images and page button.
  using LedClick = void (led::CLedPage::*)();
  const std::pair<std::wstring_view, LedClick> ledClicks[] = {
      {L"ColorLEDOffCheckImageClick", &led::CLedPage::ColorLEDOffCheckImageClick},
      {L"ColorSingleCheckImageClick", &led::CLedPage::ColorSingleCheckImageClick},
      {L"ColorBreatheCheckImageClick", &led::CLedPage::ColorBreatheCheckImageClick},
      {L"ColorRainbowCheckImageClick", &led::CLedPage::ColorRainbowCheckImageClick},
      {L"ColorPulsatingCheckImageClick", &led::CLedPage::ColorPulsatingCheckImageClick},
      {L"PageLEDClick", &led::CLedPage::PageLEDClick},
      {L"PageLEDLabelClick", &led::CLedPage::PageLEDLabelClick}};
  for (const auto& [handler, click] : ledClicks)
    if (name == handler)
      return [this, click = click](forms::Control&) {
        if (features_) (features_->Led().*click)();
      };
  if (name == L"VirtualResetImageClick" || name == L"VirtualResetLabelClick")
    return [this](forms::Control&) {
      // RESET follows the switch lock and stands still while the test tone plays.
      if (features_) features_->Virtual7ch1().ResetClick();
    };
  if (name == L"BeeCheckBoxClick")
    return [this](forms::Control&) {
      if (features_) features_->TestTone().BeeCheckBoxClick();
    };
  if (name == L"ListenToDeviceCheckBoxClick")
    return [this](forms::Control& control) {
      auto* box = dynamic_cast<forms::CheckBox*>(&control);
      if (features_ && box) features_->Mic().ListenToDeviceClick(box->Checked());
    };
  return {};
}

std::function<void(forms::Timer&)> TAudioMainForm::TimerHandlerNamed(std::wstring_view name) {
  if (name == L"TimerTimer") return [this](forms::Timer&) { TimerTimer(); };
  if (name == L"Timer1Timer") return [this](forms::Timer&) {
    if (activation_) activation_->Timer1Timer();
  };
  if (name == L"BeeTimerTimer") return [this](forms::Timer&) {
    if (features_) features_->TestTone().BeeTimerTimer();
  };
  if (name == L"BeePlayTimerTimer") return [this](forms::Timer&) {
    if (features_) features_->TestTone().BeePlayTimerTimer();
  };
  return {};
}

std::function<void(forms::MenuItem&)> TAudioMainForm::MenuHandlerNamed(std::wstring_view name) {
  if (name == L"CloseMenuClick") return [this](forms::MenuItem&) { CloseMenuClick(); };
  return {};
}

}  // namespace vorma::shell
