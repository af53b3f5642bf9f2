// Mouse-down and mouse-up dispatch of the main window: every clickable image and its caption label
// share a Tag, and the Tag decides what a press does.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "forms/CheckBox.h"
#include "panel/led/dialog/LEDForm.h"
#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatures.h"

namespace vorma::shell {
namespace {

bool IsSpeakerOrEnableTag(int tag) { return IsSpeakerTag(tag) || tag == kTagVirtual7ch1Enable; }

// Presses on these Tags look no label up and run without a device check: the title-bar images
// (and every Tag below them), the 3D link modes, the sync button, the first band slider and the
// 7.1 rotation buttons.
bool SkipsDeviceCheckOnDown(int tag) {
  return tag <= kTagMinimize || tag == kTagAlphaLink || tag == kTagBetaLink || tag == kTagSync ||
         tag == kTagEqSliderFirst || tag == kTagVirtualClockwise || tag == kTagVirtualCounterclockwise;
}

}  // namespace

bool TAudioMainForm::SwitchLockIgnores(int tag) const {
  // A hardware switch owns the 7.1 on/off state: the user cannot click the speakers or the enable
  // button, nor RESET while the switch is off; the switch's own simulated presses pass.
  if (!config_.gpio.SwitchMode() || GpioScanMode() != 0) return false;
  return IsSpeakerOrEnableTag(tag) || (tag == kTagVirtualReset && GpioOnOff() == 0);
}

void TAudioMainForm::ShowDeviceWarning() {
  App().MessageBox(LanguageText(L"LabelWarning"), m_Settings.InstallAppTitle, MB_ICONEXCLAMATION);
}

void TAudioMainForm::ShowEncoderWarning() {
  App().MessageBox(LanguageText(L"LabelWarning1"), m_Settings.InstallAppTitle, MB_ICONEXCLAMATION);
}

void TAudioMainForm::OnImageMouseDown(forms::Control& sender, const forms::MouseEventArgs&) {
  if (!features_) return;  // the start-up ended before the features
  const int tag = sender.Tag();
  DebugWrite(L"TAudioMainForm::OnImageMouseDown");
  DebugPrint(L"[TAudioMainForm::OnImageMouseDown] Image->Tag = %d", tag);
  DebugPrint(L"[TAudioMainForm::OnImageMouseDown] Image->Tag = %d, m_nGPIOOnOff = %d, m_bGPIOScanMode=%d", tag,
             GpioOnOff(), GpioScanMode());
  if (SwitchLockIgnores(tag)) return;
  DebugWrite(L"TAudioMainForm::OnImageMouseDown[1]");
  if (!SkipsDeviceCheckOnDown(tag) && !DeviceActive() && tag != kTagMenuAbout) {
    ShowDeviceWarning();
    return;
  }
  RunMouseDownAction(tag);
}

void TAudioMainForm::OnImageMouseUp(forms::Control& sender, const forms::MouseEventArgs&) {
  if (!features_) return;
  const int tag = sender.Tag();
  DebugWrite(L"TAudioMainForm::OnImageMouseUp");
  DebugPrint(L"[TAudioMainForm::OnImageMouseDown] Image->Tag = %d, m_nGPIOOnOff = %d, m_bGPIOScanMode=%d", tag,
             GpioOnOff(), GpioScanMode());
  if (SwitchLockIgnores(tag)) return;
  RunMouseUpAction(tag);
}

void TAudioMainForm::OnLabelMouseDown(forms::Control& sender, const forms::MouseEventArgs& args) {
  DebugWrite(L"TAudioMainForm::OnLabelMouseDown");
  if (forms::Image* image = FindImageByTag(sender.Tag())) OnImageMouseDown(*image, args);
}

void TAudioMainForm::OnLabelMouseUp(forms::Control& sender, const forms::MouseEventArgs& args) {
  if (forms::Image* image = FindImageByTag(sender.Tag())) OnImageMouseUp(*image, args);
}

void TAudioMainForm::RunMouseDownAction(int tag) {
  MainFormFeatures& features = *features_;
  if (const int preset = EqPresetOfTag(tag)) {
    features.Eq().SelectEqPreset(preset);
    return;
  }
  if (const int effect = EffectOfTag(tag)) {
    features.SelectEffect(effect);
    return;
  }
  if (const WindowTag* page = PageButtonOf(tag)) {
    // The 3D page image does nothing; its label switches to the page.
    if (tag != kTagPage3D) PageImageDown(*page);
    return;
  }
  switch (tag) {
    case kTagClose: case kTagMinimize: case kTagMenuSave: case kTagMenuLoad: case kTagMenuAbout: case kTagEqReset:
    case kTag3DReset:
      ButtonPictureDown(*WindowTagOf(tag));
      break;
    case kTagEqEnable: features.Eq().ToggleEqEnable(); break;
    case kTag3DEnable: Toggle3DEnable(); break;
    case kTagFbm: features.ThreeD().FbmButton(); break;
    case kTagAlphaLink: case kTagBetaLink: features.ThreeD().LinkButton(tag); break;
    case kTagMicBoost: features.Mic().BoostClick(); break;
    case kTagMicMute: features.Mic().MuteClick(); break;
    case kTagMicMonitor: features.Mic().MonitorClick(); break;
    case kTagSync: break;  // the device-sync button has no state: a press changes nothing
    case kTagVirtual7ch1Enable: features.Virtual7ch1().EnableClick(); break;
    case kTagVirtualReset: features.Virtual7ch1().ResetMouseDown(); break;
    case kTagVirtualClockwise: features.Virtual7ch1().ClockwiseClick(); break;
    case kTagVirtualCounterclockwise: features.Virtual7ch1().CounterclockwiseClick(); break;
    case kTagVirtualNarrow: features.Virtual7ch1().NarrowClick(); break;
    case kTagVirtualEnlarge: features.Virtual7ch1().EnlargeClick(); break;
    case kTagLedIndicator: ToggleTagState(kTagLedIndicator); features.SendLedIndicator(1); break;
    default: break;  // sliders, bars and speakers move through the drag; the rest has no action
  }
}

void TAudioMainForm::RunMouseUpAction(int tag) {
  MainFormFeatures& features = *features_;
  if (IsSpeakerTag(tag)) {
    features.Virtual7ch1().SpeakerMouseUp();
    return;
  }
  switch (tag) {
    case kTagClose: case kTagMinimize: case kTagEqReset: case kTag3DReset: ButtonPictureUp(*WindowTagOf(tag)); break;
    case kTagMenuSave: case kTagMenuLoad: {
      // The Up picture before the dialog, the caption's colour after it.
      const WindowTag& button = *WindowTagOf(tag);
      if (forms::Image* image = ImageNamed(button.image)) ChangeImageAttr(*image, button.upKey);
      if (tag == kTagMenuSave) profiles_->SaveProfileDialog(Hwnd());
      else profiles_->LoadProfileDialog(Hwnd());
      if (forms::Label* label = LabelNamed(button.label)) SetLabelColor(*label, button.languageKey, false);
      break;
    }
    case kTagMenuAbout:
      ButtonPictureUp(*WindowTagOf(tag));
      if (DeviceActive()) ShowAboutDialog();
      break;
    case kTagVirtualReset: features.Virtual7ch1().ResetMouseUp(); break;
    case kTagLedIndicator: ToggleTagState(kTagLedIndicator); features.SendLedIndicator(0); break;
    case kTagPageVoiceEffect: case kTagPageEnc: {
      const WindowTag& page = *WindowTagOf(tag);
      if (forms::Image* image = FindImageByTag(tag)) ChangeImageAttr(*image, DeviceActive() ? page.downKey : page.upKey);
      break;
    }
    case kTagPageLed:
      if (forms::Image* image = FindImageByTag(kTagPageLed)) {
        const WindowTag& page = *WindowTagOf(kTagPageLed);
        if (appearance_->LedPageMode() != 1) ChangeImageAttr(*image, page.upKey);
        else if (DeviceActive()) ChangeImageAttr(*image, page.downKey);
      }
      break;
    default: break;
  }
}

// A button's pressed look: the Down picture only when the skin has one, the label's down colour.
void TAudioMainForm::ButtonPictureDown(const WindowTag& button) {
  forms::Image* control = ImageNamed(button.image);
  if (control && appearance_->SkinRecordHasPicture(button.downKey)) ChangeImageAttr(*control, button.downKey);
  if (!button.label.empty())
    if (forms::Label* caption = LabelNamed(button.label)) SetLabelColor(*caption, button.languageKey, true);
}

// The released look: the Up record always (an empty one hides the button), the label's up colour.
void TAudioMainForm::ButtonPictureUp(const WindowTag& button) {
  if (forms::Image* control = ImageNamed(button.image)) ChangeImageAttr(*control, button.upKey);
  if (!button.label.empty())
    if (forms::Label* caption = LabelNamed(button.label)) SetLabelColor(*caption, button.languageKey, false);
}

// The close image only puts the panel into the tray; the tray menu's Close ends it.
void TAudioMainForm::CloseImageClick() { App().Minimize(); }

void TAudioMainForm::MinimizeImageClick() { App().Minimize(); }

bool TAudioMainForm::BeeBoxTicked() {
  auto* box = dynamic_cast<forms::CheckBox*>(FindControlByName(L"BeeCheckBox"));
  return box && box->Checked();
}

void TAudioMainForm::Toggle3DEnable() {
  ToggleTagState(kTag3DEnable);
  // 3D and virtual 7.1 cannot run together on some devices: 3D wins, 7.1 goes off with its
  // rotation, and their buttons stay hidden until the next page switch shows them again.
  if (features_->ThreeD().ThreeDEnable() == 1 && config_.exclusive3DV7ch1 == 1) features_->Virtual7ch1().SwitchOffFor3D();
  features_->ThreeD().ApplyThreeDEnable();
}

// The About dialog takes its caption, texts and logo from the current language and skin each time.
void TAudioMainForm::ShowAboutDialog() {
  if (!aboutDialog_) return;
  aboutDialog_->SetCaption(LanguageText(L"LabelMenu3"));
  if (auto* about = dynamic_cast<forms::Label*>(aboutDialog_->FindControlByName(L"AboutLabel")))
    appearance_->ApplyLabelRecord(*about, L"LabelAbout", true);
  if (auto* logo = dynamic_cast<forms::Image*>(aboutDialog_->FindControlByName(L"LOGOQZImage")))
    appearance_->ShowAboutLogo(*logo);
  if (auto* web = dynamic_cast<forms::Label*>(aboutDialog_->FindControlByName(L"WebLabel")))
    appearance_->ApplyLabelRecord(*web, L"LabelWeb", true);
  aboutDialog_->ShowModal();
}

// The LED settings dialog stands in for the LED page when the skin does not ask for the page.
void TAudioMainForm::ShowLedDialog() {
  if (ledDialog_) ledDialog_->ShowModal();
}

}  // namespace vorma::shell
