// The main window's two-state buttons, radio groups and page buttons, and control lookup.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "forms/Shape.h"
#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatures.h"

#include <array>

namespace vorma::shell {
namespace {

struct TwoStateButton {
  int tag;
  const wchar_t* upKey;
  const wchar_t* downKey;
  const wchar_t* languageKey;  // empty: the button has no label colour
};

constexpr std::array kTwoStateButtons{
    TwoStateButton{7, L"EQEQENImageUp", L"EQEQENImageDown", L"LabelEQEnable"},
    TwoStateButton{8, L"EQ3DENImageUp", L"EQ3DENImageDown", L"LableEQ3DEnable"},
    TwoStateButton{13, L"D3FBMImageUp", L"D3FBMImageDown", L"LabelEQEnable"},
    TwoStateButton{21, L"MicBoostImageUp", L"MicBoostImageDown", L"LabelMicBoost"},
    TwoStateButton{22, L"MicMuteImageUp", L"MicMuteImageDown", L"LabelMicMute"},
    TwoStateButton{47, L"VirtualEnableImageUp", L"VirtualEnableImageDown", L"Label7ch1Enable"},
    TwoStateButton{49, L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage", L"LabelVirtualClockwise"},
    TwoStateButton{50, L"VirtualCounterclockwiseUpImage", L"VirtualCounterclockwiseDownImage",
                   L"LabelVirtualCounterclockwise"},
    TwoStateButton{51, L"LedImageUp", L"LedImageDown", L""},
    TwoStateButton{52, L"VirtualNarrowUpImage", L"VirtualNarrowDownImage", L"LabelVirtualNarrow"},
    TwoStateButton{53, L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage", L"LabelVirtualEnlarge"},
    TwoStateButton{54, L"DeviceActiveUpImage", L"DeviceActiveDownImage", L"DeviceInLabel"},
    TwoStateButton{55, L"DeviceUnActiveUpImage", L"DeviceUnActiveDownImage", L"DeviceOutLabel"},
    TwoStateButton{89, L"MicMonitorImageUp", L"MicMonitorImageDown", L"LabelMicMonitor"},
};

const TwoStateButton* TwoStateButtonOf(int tag) {
  for (const TwoStateButton& button : kTwoStateButtons)
    if (button.tag == tag) return &button;
  return nullptr;
}

struct PageButton {
  int id;
  const wchar_t* upKey;
  const wchar_t* downKey;
  const wchar_t* mainLeftKey;  // empty record: the page hides the left picture
};

constexpr std::array kPageButtons{
    PageButton{1, L"PageEQUpImage", L"PageEQDownImage", L"MainLeftImage1"},
    PageButton{3, L"PageEffectUpImage", L"PageEffectDownImage", L"MainLeftImage2"},
    PageButton{4, L"PageMicUpImage", L"PageMicDownImage", L"MainLeftImage3"},
    PageButton{5, L"PageVirtual7p1UpImage", L"PageVirtual7p1DownImage", L"MainLeftImage4"},
    PageButton{204, L"PageVMEffectUpImage", L"PageVMEffectDownImage", L""},
    PageButton{205, L"PageENCUpImage", L"PageENCDownImage", L""},
    PageButton{206, L"PageLEDUpImage", L"PageLEDDownImage", L""},
};

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

int& TAudioMainForm::EqEnableState() { return features_->Eq().EqEnable(); }
int& TAudioMainForm::EqPresetState() { return features_->Eq().EqPreset(); }
int& TAudioMainForm::ThreeDEnableState() { return features_->ThreeD().ThreeDEnable(); }
int& TAudioMainForm::FbmState() { return features_->ThreeD().Fbm(); }
int& TAudioMainForm::AlphaModeState() { return features_->ThreeD().AlphaLinkMode(); }
int& TAudioMainForm::BetaModeState() { return features_->ThreeD().BetaLinkMode(); }
int& TAudioMainForm::Virtual7ch1State() { return features_->Virtual7ch1().Virtual7ch1Enable(); }
int& TAudioMainForm::CwState() { return features_->Virtual7ch1().ClockwiseOn(); }
int& TAudioMainForm::CcwState() { return features_->Virtual7ch1().CounterclockwiseOn(); }
int& TAudioMainForm::NarrowState() { return features_->Virtual7ch1().NarrowOn(); }
int& TAudioMainForm::EnlargeState() { return features_->Virtual7ch1().EnlargeOn(); }

int& TAudioMainForm::StateOfTag(int tag) {
  switch (tag) {
    case 7: return EqEnableState();
    case 8: return ThreeDEnableState();
    case 13: return FbmState();
    case 21: return features_->Mic().BoostState();
    case 22: return features_->Mic().MuteState();
    case 47: return Virtual7ch1State();
    case 49: return CwState();
    case 50: return CcwState();
    case 51: return m_nLEDIndicator;
    case 52: return NarrowState();
    case 53: return EnlargeState();
    case 54: return m_nDeviceIn;
    case 55: return m_nDeviceOut;
    case 89: return features_->Mic().MonitorState();
    default: break;
  }
  noState_ = 0;  // a Tag without a state member: nothing reads it
  return noState_;
}

void TAudioMainForm::ToggleButtonState(int tag, int& state) {
  const TwoStateButton* button = TwoStateButtonOf(tag);
  if (!button) return;  // Tag 28 and every Tag without a row change nothing
  forms::Image* image = FindImageByTag(tag);
  forms::Label* label = FindLabelByTag(tag);
  if (tag == 47 && config_.gpio.SwitchMode()) {
    // A hardware switch owns 7.1: the enable state follows the switch, the picture shows it and
    // the caption stays in its normal colour.
    if (features_) Virtual7ch1State() = GpioOnOff() != 0 ? 1 : 0;
    const wchar_t* key = GpioOnOff() != 0 ? L"VirtualDisableImageDown" : L"VirtualDisableImageUp";
    if (image && appearance_->SkinRecordHasPicture(key)) ChangeImageAttr(*image, key);
    if (label) SetLabelColor(*label, button->languageKey, false);
    return;
  }
  state = state == 0 ? 1 : 0;
  const wchar_t* key = state == 1 ? button->downKey : button->upKey;
  if (image && appearance_->SkinRecordHasPicture(key)) ChangeImageAttr(*image, key);
  if (label && button->languageKey[0] != L'\0') SetLabelColor(*label, button->languageKey, state == 1);
}

void TAudioMainForm::PageButtonShow(int selected) {
  DebugWrite(L"TAudioMainForm::PageButtonShow");
  for (const PageButton& button : kPageButtons) {
    forms::Image* image = FindImageByTag(button.id + 22);
    forms::Label* label = FindLabelByTag(button.id + 22);
    const bool isSelected = button.id == selected;
    if (image) ChangeImageAttr(*image, isSelected ? button.downKey : button.upKey);
    if (isSelected)
      if (forms::Image* left = ImageNamed(L"MainLeftImage")) ChangeImageAttr(*left, button.mainLeftKey);
    if (label) SetLabelColor(*label, L"LabelPageEQ", isSelected);
  }
}

void TAudioMainForm::PageImageDown(int tag) {
  if (tag == 228 && appearance_->LedPageMode() != 1) return;  // the LED page lives in its dialog
  PageButtonShow(tag - 22);
  if (tag >= 226) {
    const wchar_t* key = tag == 226 ? L"PageVMEffectDownImage" : tag == 227 ? L"PageENCDownImage" : L"PageLEDDownImage";
    if (forms::Image* image = FindImageByTag(tag)) ChangeImageAttr(*image, key);
  }
  if (forms::Label* label = FindLabelByTag(tag)) OnLabelPageMouseDown(*label, forms::MouseEventArgs{});
}

void TAudioMainForm::OnLabelPageMouseDown(forms::Control& sender, const forms::MouseEventArgs&) {
  DebugWrite(L"TAudioMainForm::OnLabelPageMouseDown");
  if (!features_) return;
  if (!DeviceActive()) {
    ShowDeviceWarning();
    return;
  }
  MainFormFeatures& features = *features_;
  switch (sender.Tag()) {
    case 23: case 24: case 25: case 27: {
      const int page = sender.Tag() == 23 ? 1 : sender.Tag() == 24 ? 5 : sender.Tag() == 25 ? 2 : 4;
      m_nCurrentPage = page;
      PageButtonShow(sender.Tag() - 22);
      ProcessPendingMessages();
      features.StopCaptureMonitor();
      break;
    }
    case 26:
      m_nCurrentPage = 3;
      PageButtonShow(4);
      ProcessPendingMessages();
      features.StartCaptureMonitor();
      break;
    case 226:
      m_nCurrentPage = 8;
      PageButtonShow(204);
      features.StopCaptureMonitor();
      features.RefreshVoiceEffectPage();
      break;
    case 227:
      m_nCurrentPage = 7;
      PageButtonShow(205);
      features.StopCaptureMonitor();
      features.RefreshEncoderPage();
      break;
    case 228:
      if (appearance_->LedPageMode() == 1) {
        m_nCurrentPage = 6;
        PageButtonShow(206);
      }
      features.StopCaptureMonitor();
      break;
    default: break;
  }
  ProcessPendingMessages();
  ShowPageControls(m_nCurrentPage);
  for (int tag : {23, 24, 25, 26, 228})
    if (forms::Label* label = FindLabelByTag(tag)) SetLabelColor(*label, L"LabelPageEQ", false);
  if (auto* label = dynamic_cast<forms::Label*>(&sender)) SetLabelColor(*label, L"LabelPageEQ", true);
}

void TAudioMainForm::ResetFeatureButtons() {
  // Every feature goes back to off when the device goes away; the order matters to the device.
  for (int tag : {7, 8}) {
    StateOfTag(tag) = 1;
    ToggleButtonState(tag, StateOfTag(tag));
  }
  features_->Effects().Reset();
  for (int tag : {47, 22}) {
    StateOfTag(tag) = 1;
    ToggleButtonState(tag, StateOfTag(tag));
  }
  features_->ClearVoiceEffect();
  features_->ClearEncoder();
  StateOfTag(89) = 1;
  ToggleButtonState(89, StateOfTag(89));
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
