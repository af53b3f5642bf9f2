// The main window's two-state buttons, radio groups and page buttons, and control lookup.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "forms/Shape.h"
#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatures.h"
#include "panel/shell/skin/SkinSetting.h"

namespace vorma::shell {
namespace {

// A state member reached through its owner's getter and setter.
template <typename Owner>
ButtonStateAccess Through(Owner& owner, int (Owner::*get)() const, void (Owner::*set)(int)) {
  return {[&owner, get] { return (owner.*get)(); }, [&owner, set](int value) { (owner.*set)(value); }};
}

// A state member the window keeps itself.
ButtonStateAccess Member(int& member) {
  return {[&member] { return member; }, [&member](int value) { member = value; }};
}

}  // namespace

forms::Image* TAudioMainForm::ImageNamed(std::wstring_view name) {
  return dynamic_cast<forms::Image*>(FindControlByName(name));
}

forms::Label* TAudioMainForm::LabelNamed(std::wstring_view name) {
  return dynamic_cast<forms::Label*>(FindControlByName(name));
}

// The lookup runs from the last declared component to the first, so of two controls sharing a
// Tag the later one wins.
forms::Image* TAudioMainForm::FindImageByTag(int tag) {
  const auto& controls = Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if ((*it)->Kind() == forms::ControlKind::Image && (*it)->Tag() == tag) return static_cast<forms::Image*>(it->get());
  return nullptr;
}

forms::Label* TAudioMainForm::FindLabelByTag(int tag) {
  const auto& controls = Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if ((*it)->Kind() == forms::ControlKind::Label && (*it)->Tag() == tag) return static_cast<forms::Label*>(it->get());
  return nullptr;
}

forms::Shape* TAudioMainForm::FindShapeByTag(int tag) {
  const auto& controls = Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if ((*it)->Kind() == forms::ControlKind::Shape && (*it)->Tag() == tag) return static_cast<forms::Shape*>(it->get());
  return nullptr;
}

ButtonStateAccess TAudioMainForm::StateOf(ButtonState kind) {
  switch (kind) {
    case ButtonState::EqEnable: return Through(features_->Eq(), &features::CEqualizerPage::EqEnable, &features::CEqualizerPage::SetEqEnable);
    case ButtonState::ThreeDEnable:
      return Through(features_->ThreeD(), &features::CThreeDPage::ThreeDEnable, &features::CThreeDPage::SetThreeDEnable);
    case ButtonState::Fbm: return Through(features_->ThreeD(), &features::CThreeDPage::Fbm, &features::CThreeDPage::SetFbmState);
    case ButtonState::MicBoost:
      return Through(features_->Mic(), &features::CMicrophonePage::BoostState, &features::CMicrophonePage::SetBoostState);
    case ButtonState::MicMute:
      return Through(features_->Mic(), &features::CMicrophonePage::MuteState, &features::CMicrophonePage::SetMuteState);
    case ButtonState::MicMonitor:
      return Through(features_->Mic(), &features::CMicrophonePage::MonitorState,
                     &features::CMicrophonePage::SetMonitorState);
    case ButtonState::Virtual7ch1Enable:
      return Through(features_->Virtual7ch1(), &features::CVirtual7ch1Page::Virtual7ch1Enable,
                     &features::CVirtual7ch1Page::SetVirtual7ch1Enable);
    case ButtonState::Clockwise:
      return Through(features_->Virtual7ch1(), &features::CVirtual7ch1Page::ClockwiseOn,
                     &features::CVirtual7ch1Page::SetClockwiseOn);
    case ButtonState::Counterclockwise:
      return Through(features_->Virtual7ch1(), &features::CVirtual7ch1Page::CounterclockwiseOn,
                     &features::CVirtual7ch1Page::SetCounterclockwiseOn);
    case ButtonState::Narrow:
      return Through(features_->Virtual7ch1(), &features::CVirtual7ch1Page::NarrowOn,
                     &features::CVirtual7ch1Page::SetNarrowOn);
    case ButtonState::Enlarge:
      return Through(features_->Virtual7ch1(), &features::CVirtual7ch1Page::EnlargeOn,
                     &features::CVirtual7ch1Page::SetEnlargeOn);
    case ButtonState::LedIndicator: return Member(m_nLEDIndicator);
    case ButtonState::DeviceIn: return Member(m_nDeviceIn);
    case ButtonState::DeviceOut: return Member(m_nDeviceOut);
    case ButtonState::None: break;
  }
  // A Tag without a state member: nothing reads or keeps it.
  return {[] { return 0; }, [](int) {}};
}

int TAudioMainForm::FeatureState(int tag) {
  const WindowTag* row = WindowTagOf(tag);
  return StateOf(row ? row->state : ButtonState::None).get();
}

void TAudioMainForm::ToggleTagState(int tag) {
  const WindowTag* row = WindowTagOf(tag);
  const ButtonStateAccess member = StateOf(row ? row->state : ButtonState::None);
  int state = member.get();
  const int before = state;
  ToggleButtonState(tag, state);
  // In switch mode the 7.1 button sets its member itself and leaves the given state alone.
  if (state != before) member.set(state);
}

void TAudioMainForm::ToggleButtonState(int tag, int& state) {
  const WindowTag* button = TwoStateButtonOf(tag);
  if (!button) return;  // the sync button and every Tag without a row change nothing
  forms::Image* image = FindImageByTag(tag);
  forms::Label* label = FindLabelByTag(tag);
  if (tag == kTagVirtual7ch1Enable && config_.gpio.SwitchMode()) {
    // A hardware switch owns 7.1: the enable state follows the switch, the picture shows it and
    // the caption stays in its normal colour.
    if (features_) features_->Virtual7ch1().SetVirtual7ch1Enable(GpioOnOff() != 0 ? 1 : 0);
    const wchar_t* key = GpioOnOff() != 0 ? L"VirtualDisableImageDown" : L"VirtualDisableImageUp";
    if (image && appearance_->SkinRecordHasPicture(key)) ChangeImageAttr(*image, key);
    if (label) SetLabelColor(*label, button->languageKey, false);
    return;
  }
  state = state == 0 ? 1 : 0;
  const std::wstring_view key = state == 1 ? button->downKey : button->upKey;
  if (image && appearance_->SkinRecordHasPicture(key)) ChangeImageAttr(*image, key);
  if (label && !button->languageKey.empty()) SetLabelColor(*label, button->languageKey, state == 1);
}

void TAudioMainForm::PageButtonShow(int selected) {
  DebugWrite(L"TAudioMainForm::PageButtonShow");
  for (const WindowTag& button : WindowTags()) {
    if (button.opensPage == 0 || button.upKey.empty()) continue;  // the 3D page has no page image
    forms::Image* image = FindImageByTag(button.tag);
    forms::Label* label = FindLabelByTag(button.tag);
    const bool isSelected = button.pageButton == selected;
    if (image) ChangeImageAttr(*image, isSelected ? button.downKey : button.upKey);
    if (isSelected)
      if (forms::Image* left = ImageNamed(L"MainLeftImage")) ChangeImageAttr(*left, MainLeftKey(button.opensPage));
    if (label) SetLabelColor(*label, button.languageKey, isSelected);
  }
}

void TAudioMainForm::PageImageDown(const WindowTag& page) {
  if (page.tag == kTagPageLed && appearance_->LedPageMode() != 1) return;  // the LED page lives in its dialog
  PageButtonShow(page.pageButton);
  if (page.tag == kTagPageVoiceEffect || page.tag == kTagPageEnc || page.tag == kTagPageLed)
    if (forms::Image* image = FindImageByTag(page.tag)) ChangeImageAttr(*image, page.downKey);
  if (forms::Label* label = FindLabelByTag(page.tag)) OnLabelPageMouseDown(*label, forms::MouseEventArgs{});
}

void TAudioMainForm::OnLabelPageMouseDown(forms::Control& sender, const forms::MouseEventArgs&) {
  DebugWrite(L"TAudioMainForm::OnLabelPageMouseDown");
  if (!features_) return;
  if (!DeviceActive()) {
    ShowDeviceWarning();
    return;
  }
  MainFormFeatures& features = *features_;
  if (const WindowTag* page = PageButtonOf(sender.Tag())) {
    const auto show = [this, page] {
      m_nCurrentPage = page->opensPage;
      PageButtonShow(page->pageButton);
    };
    switch (page->tag) {
      case kTagPageMic:
        show();
        ProcessPendingMessages();
        features.StartCaptureMonitor();
        break;
      case kTagPageVoiceEffect:
        show();
        features.StopCaptureMonitor();
        features.RefreshVoiceEffectPage();
        break;
      case kTagPageEnc:
        show();
        features.StopCaptureMonitor();
        features.RefreshEncoderPage();
        break;
      case kTagPageLed:
        if (appearance_->LedPageMode() == 1) show();
        features.StopCaptureMonitor();
        break;
      default:  // EQ, 3D, Effect and Virtual 7.1
        show();
        ProcessPendingMessages();
        features.StopCaptureMonitor();
        break;
    }
  }
  ProcessPendingMessages();
  ShowPageControls(m_nCurrentPage);
  for (int tag : {kTagPageEq, kTagPage3D, kTagPageEffect, kTagPageMic, kTagPageLed})
    if (forms::Label* label = FindLabelByTag(tag)) SetLabelColor(*label, L"LabelPageEQ", false);
  if (auto* label = dynamic_cast<forms::Label*>(&sender)) SetLabelColor(*label, L"LabelPageEQ", true);
}

void TAudioMainForm::ResetFeatureButtons() {
  // Every feature goes back to off when the device goes away; the order matters to the device.
  const auto switchOff = [this](int tag) {
    StateOf(WindowTagOf(tag)->state).set(1);
    ToggleTagState(tag);
  };
  switchOff(kTagEqEnable);
  switchOff(kTag3DEnable);
  features_->Effects().Reset();
  switchOff(kTagVirtual7ch1Enable);
  switchOff(kTagMicMute);
  features_->ClearVoiceEffect();
  features_->ClearEncoder();
  switchOff(kTagMicMonitor);
}

void TAudioMainForm::ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) {
  appearance_->ChangeImageAttr(image, skinKey);
}

void TAudioMainForm::SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) {
  appearance_->SetLabelColor(label, languageKey, down);
}

std::wstring TAudioMainForm::LanguageText(std::wstring_view languageKey) { return appearance_->LanguageText(languageKey); }

SliderRange TAudioMainForm::EqSliderRange() { return appearance_->EqSlider(); }
SliderRange TAudioMainForm::MicSliderRange() { return appearance_->MicSlider(); }
SpeakerCircle TAudioMainForm::VirtualCenter() { return appearance_->VirtualCenter(); }

}  // namespace vorma::shell
