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

bool IsSpeakerOrEnableTag(int tag) { return tag >= 39 && tag <= 47; }

// Presses on these Tags look no label up and run without a device check: the title-bar images,
// the 3D link modes, the sync button, the first band slider and the 7.1 rotation buttons.
bool SkipsDeviceCheckOnDown(int tag) {
  return tag <= 1 || tag == 14 || tag == 15 || tag == 28 || tag == 29 || tag == 49 || tag == 50;
}

}  // namespace

bool TAudioMainForm::SwitchLockIgnores(int tag) const {
  // A hardware switch owns the 7.1 on/off state: the user cannot click the speakers or the enable
  // button, nor RESET while the switch is off; the switch's own simulated presses pass.
  if (!config_.gpio.SwitchMode() || GpioScanMode() != 0) return false;
  return IsSpeakerOrEnableTag(tag) || (tag == 48 && GpioOnOff() == 0);
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
  if (!SkipsDeviceCheckOnDown(tag) && !DeviceActive() && tag != 4) {
    ShowDeviceWarning();
    return;
  }
  RunMouseDownAction(tag, sender);
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

void TAudioMainForm::RunMouseDownAction(int tag, forms::Control& sender) {
  MainFormFeatures& features = *features_;
  switch (tag) {
    case 0: ButtonPictureDown(L"CloseImage", L"CloseImageDown", L"", L""); break;
    case 1: ButtonPictureDown(L"MinimizeImage", L"MinimizeImageDown", L"", L""); break;
    case 2: ButtonPictureDown(L"Menu1Image", L"Menu1ImageDown", L"Menu1Label", L"LabelMenu1"); break;
    case 3: ButtonPictureDown(L"Menu2Image", L"Menu2ImageDown", L"Menu2Label", L"LabelMenu2"); break;
    case 4: ButtonPictureDown(L"Menu3Image", L"Menu3ImageDown", L"Menu3Label", L"LabelMenu3"); break;
    case 5: ButtonPictureDown(L"EQResetImage", L"EQResetImageDown", L"EQResetLabel", L"LabelEQReset"); break;
    case 6: ButtonPictureDown(L"D3ResetImage", L"D3ResetImageDown", L"D3ResetLabel", L"Label3DReset"); break;
    case 7: features.Eq().ToggleEqEnable(); break;
    case 8: Toggle3DEnable(); break;
    case 9: case 10: case 11: case 12: features.Eq().SelectEqPreset(tag - 8); break;
    case 13: features.ThreeD().FbmButton(); break;
    case 14: case 15: features.ThreeD().LinkButton(tag); break;
    case 16: case 17: case 18: case 19: case 20: features.SelectEffect(tag - 15); break;
    case 21: features.Mic().BoostClick(); break;
    case 22: features.Mic().MuteClick(); break;
    case 89: features.Mic().MonitorClick(); break;
    case 23: case 25: case 26: case 27: case 226: case 227: case 228: PageImageDown(tag); break;
    case 28: break;  // the device-sync button has no state: a press changes nothing
    case 47: features.Virtual7ch1().EnableClick(); break;
    case 48: features.Virtual7ch1().ResetMouseDown(); break;
    case 49: features.Virtual7ch1().ClockwiseClick(); break;
    case 50: features.Virtual7ch1().CounterclockwiseClick(); break;
    case 52: features.Virtual7ch1().NarrowClick(); break;
    case 53: features.Virtual7ch1().EnlargeClick(); break;
    case 51: ToggleButtonState(51, m_nLEDIndicator); features.SendLedIndicator(1); break;
    default: break;  // sliders, bars and speakers move through the drag; the rest has no action
  }
  (void)sender;
}

void TAudioMainForm::RunMouseUpAction(int tag) {
  MainFormFeatures& features = *features_;
  switch (tag) {
    case 0: ButtonPictureUp(L"CloseImage", L"CloseImageUp", L"", L""); break;
    case 1: ButtonPictureUp(L"MinimizeImage", L"MinimizeImageUp", L"", L""); break;
    case 2:
      if (forms::Image* image = ImageNamed(L"Menu1Image")) ChangeImageAttr(*image, L"Menu1ImageUp");
      profiles_->SaveProfileDialog(Hwnd());
      if (forms::Label* label = LabelNamed(L"Menu1Label")) SetLabelColor(*label, L"LabelMenu1", false);
      break;
    case 3:
      if (forms::Image* image = ImageNamed(L"Menu2Image")) ChangeImageAttr(*image, L"Menu2ImageUp");
      profiles_->LoadProfileDialog(Hwnd());
      if (forms::Label* label = LabelNamed(L"Menu2Label")) SetLabelColor(*label, L"LabelMenu2", false);
      break;
    case 4:
      ButtonPictureUp(L"Menu3Image", L"Menu3ImageUp", L"Menu3Label", L"LabelMenu3");
      if (DeviceActive()) ShowAboutDialog();
      break;
    case 5: ButtonPictureUp(L"EQResetImage", L"EQResetImageUp", L"EQResetLabel", L"LabelEQReset"); break;
    case 6: ButtonPictureUp(L"D3ResetImage", L"D3ResetImageUp", L"D3ResetLabel", L"Label3DReset"); break;
    case 39: case 40: case 41: case 42: case 43: case 44: case 45: case 46:
      features.Virtual7ch1().SpeakerMouseUp();
      break;
    case 48: features.Virtual7ch1().ResetMouseUp(); break;
    case 51: ToggleButtonState(51, m_nLEDIndicator); features.SendLedIndicator(0); break;
    case 226: case 227: {
      forms::Image* image = FindImageByTag(tag);
      const wchar_t* down = tag == 226 ? L"PageVMEffectDownImage" : L"PageENCDownImage";
      const wchar_t* up = tag == 226 ? L"PageVMEffectUpImage" : L"PageENCUpImage";
      if (image) ChangeImageAttr(*image, DeviceActive() ? down : up);
      break;
    }
    case 228:
      if (forms::Image* image = FindImageByTag(228)) {
        if (appearance_->LedPageMode() != 1) ChangeImageAttr(*image, L"PageLEDUpImage");
        else if (DeviceActive()) ChangeImageAttr(*image, L"PageLEDDownImage");
      }
      break;
    default: break;
  }
}

// A button's pressed look: the Down picture only when the skin has one, the label's down colour.
void TAudioMainForm::ButtonPictureDown(std::wstring_view image, std::wstring_view skinKey, std::wstring_view label,
                                       std::wstring_view languageKey) {
  forms::Image* control = ImageNamed(image);
  if (control && appearance_->SkinRecordHasPicture(skinKey)) ChangeImageAttr(*control, skinKey);
  if (!label.empty())
    if (forms::Label* caption = LabelNamed(label)) SetLabelColor(*caption, languageKey, true);
}

// The released look: the Up record always (an empty one hides the button), the label's up colour.
void TAudioMainForm::ButtonPictureUp(std::wstring_view image, std::wstring_view skinKey, std::wstring_view label,
                                     std::wstring_view languageKey) {
  if (forms::Image* control = ImageNamed(image)) ChangeImageAttr(*control, skinKey);
  if (!label.empty())
    if (forms::Label* caption = LabelNamed(label)) SetLabelColor(*caption, languageKey, false);
}

// The close image only puts the panel into the tray; the tray menu's Close ends it.
void TAudioMainForm::CloseImageClick() { App().Minimize(); }

void TAudioMainForm::MinimizeImageClick() { App().Minimize(); }

bool TAudioMainForm::BeeBoxTicked() {
  auto* box = dynamic_cast<forms::CheckBox*>(FindControlByName(L"BeeCheckBox"));
  return box && box->Checked();
}

void TAudioMainForm::Toggle3DEnable() {
  ToggleButtonState(8, ThreeDEnableState());
  // 3D and virtual 7.1 cannot run together on some devices: 3D wins, 7.1 goes off with its
  // rotation, and their buttons stay hidden until the next page switch shows them again.
  if (ThreeDEnableState() == 1 && config_.exclusive3DV7ch1 == 1) features_->Virtual7ch1().SwitchOffFor3D();
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
