// What device activation asks of the main window: the device display, the poll timer and the
// feature re-synchronisation, each forwarded to the window's own operation or to its feature.

#include "panel/shell/AudioMainForm.h"

#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatures.h"

namespace vorma::shell {

void TAudioMainForm::SetDeviceLabel(DeviceLabelKind kind) {
  forms::Label* label = LabelNamed(L"DeviceActiveLabel");
  if (!label) return;
  const wchar_t* key = kind == DeviceLabelKind::Active          ? L"LabelActive"
                       : kind == DeviceLabelKind::DriverMissing ? L"LabelUnDriver"
                                                                : L"LabelUnactive";
  appearance_->ApplyLabelRecord(*label, key, true);
}

// An active device shows DeviceActiveUpImage and DeviceUnActiveUpImage, an inactive one the two
// Down pictures: each state starts where the toggle lands on that picture.
void TAudioMainForm::SetDeviceIndicators(bool active) {
  int in = active ? 1 : 0;
  ToggleButtonState(kTagDeviceIn, in);
  int out = in ? 0 : 1;
  ToggleButtonState(kTagDeviceOut, out);
  m_nDeviceIn = in;
  m_nDeviceOut = out;
  // The equaliser writes its curve only while it is in step with an active device.
  if (features_ && activation_) features_->Eq().DeviceSync() = activation_->DeviceSync() ? 1 : 0;
}

void TAudioMainForm::RefreshPage() { ShowPageControls(m_nCurrentPage); }
void TAudioMainForm::StartTimer1() { EnableTimer(L"Timer1", true); }
void TAudioMainForm::StopTimer1() { EnableTimer(L"Timer1", false); }

bool TAudioMainForm::LookUpAudioEndpoint() { return features_->Mic().LookUpEndpoint(); }
void TAudioMainForm::ReleaseAudioEndpoint() { features_->Mic().ReleaseEndpoint(); }
void TAudioMainForm::OpenCaptureMonitor() { features_->StartCaptureMonitor(); }
void TAudioMainForm::CloseCaptureMonitor() { features_->StopCaptureMonitor(); }
// The device took its capture away: the meter's handle is closed, and buffers still on their way
// count for nothing.
void TAudioMainForm::MarkCaptureMonitorClosed() { features_->StopCaptureMonitor(); }
// After an activation the microphone is also unmuted and its monitor switched off as the monitor
// mode does it, the monitor button left as it is.
void TAudioMainForm::RefreshMicDisplay() { features_->Mic().RefreshAfterActivation(); }
void TAudioMainForm::ResetMicMeters() { features_->Mic().ResetMeters(); }

// The pin pass of a re-synchronisation mirrors the LED indicator's own: while the indicator is on the
// pins are only read, so an output the user left lit stays lit; while it is off all ten are cleared.
bool TAudioMainForm::GpioReadSettingOn() { return m_nLEDIndicator != 0; }
void TAudioMainForm::ScanENCGPIO() { buttons_->ScanENCGPIO(); }
int TAudioMainForm::SetEncGpioMode() { return buttons_->SetEncGpioMode(); }
void TAudioMainForm::ClearStartScanGPIO() { buttons_->ClearStartScanGPIO(); }
void TAudioMainForm::InitEnc() { features_->EncVoice().InitEnc(); }
void TAudioMainForm::ShowEnc() { features_->RefreshEncoderPage(); }
bool TAudioMainForm::EncEnabled() { return features_->EncEnabled(); }
void TAudioMainForm::InitVoiceEffect() { features_->EncVoice().InitVoiceEffect(); }
void TAudioMainForm::ShowVoiceEffect() { features_->RefreshVoiceEffectPage(); }

bool TAudioMainForm::EqFromEeprom() { return features_->Eq().EqFromEeprom() != 0; }
void TAudioMainForm::SyncEqFromDevice() { features_->Eq().SyncEqFromDevice(); }
int TAudioMainForm::DefaultEqEnable() { return features_->Eq().DefaultEqEnable(); }
void TAudioMainForm::SetEqEnable(int enable) { features_->Eq().SetEqEnable(enable); }
void TAudioMainForm::ApplyEqOnOff(int enable) { features_->Eq().ApplyEqOnOff(enable); }
bool TAudioMainForm::ThreeDFromEeprom() { return features_->ThreeD().ThreeDFromEeprom() != 0; }
void TAudioMainForm::Sync3DFromDevice() {
  features_->ThreeD().Sync3DFromDevice(features_->Eq().ThreeDFromEepromDefault() ? 1 : 0);
}
int TAudioMainForm::Default3DEnable() { return features_->ThreeD().Default3DEnable(); }
int TAudioMainForm::Get3DEnable() { return features_->ThreeD().ThreeDEnable(); }
void TAudioMainForm::Set3DEnable(int enable) { features_->ThreeD().SetThreeDEnable(enable); }
void TAudioMainForm::Apply3DOnOff(int enable) { features_->ThreeD().Apply3DOnOff(enable); }

int TAudioMainForm::DefaultVirtual7ch1Enable() { return features_->Virtual7ch1().DefaultEnable(); }
void TAudioMainForm::SetVirtual7ch1Enable(int enable) { features_->Virtual7ch1().SetVirtual7ch1Enable(enable); }
void TAudioMainForm::Update7ch1UI() { features_->Virtual7ch1().Update7ch1UI(); }
void TAudioMainForm::ShowVirtual7ch1Button() { features_->Virtual7ch1().ShowEnableButton(); }
int TAudioMainForm::SendVirtual7ch1(int enable) { return features_->Virtual7ch1().SendVirtual7ch1(enable); }
bool TAudioMainForm::LastProfileVirtual7ch1On() { return features_->Virtual7ch1().LastProfileEnable() == 1; }

void TAudioMainForm::SyncLedIndicator() { features_->SyncLedIndicator(m_nLEDIndicator); }
void TAudioMainForm::StartLEDWorker() { features_->Led().StartLEDWorker(); }
void TAudioMainForm::CloseLEDWorkerHandle() { features_->Led().CloseLEDWorkerHandle(); }

}  // namespace vorma::shell
