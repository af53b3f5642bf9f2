// What device activation tells the main window: the device display and the poll are the window's
// own; what happened to the device goes to the features' side (FeatureResync).

#include "panel/shell/AudioMainForm.h"

#include "panel/shell/MainFormAppearance.h"
#include "panel/shell/MainFormFeatures.h"

namespace vorma::shell {

void TAudioMainForm::ShowDeviceLabel(DeviceLabelKind kind) {
  forms::Label* label = LabelNamed(L"DeviceActiveLabel");
  if (!label) return;
  const wchar_t* key = kind == DeviceLabelKind::Active          ? L"LabelActive"
                       : kind == DeviceLabelKind::DriverMissing ? L"LabelUnDriver"
                                                                : L"LabelUnactive";
  appearance_->ApplyLabelRecord(*label, key, true);
}

// An active device shows DeviceActiveUpImage and DeviceUnActiveUpImage, an inactive one the two
// Down pictures: each state starts where the toggle lands on that picture.
void TAudioMainForm::ShowDeviceIndicators(bool active) {
  int in = active ? 1 : 0;
  ToggleButtonState(kTagDeviceIn, in);
  int out = in ? 0 : 1;
  ToggleButtonState(kTagDeviceOut, out);
  m_nDeviceIn = in;
  m_nDeviceOut = out;
}

void TAudioMainForm::RefreshPage() { ShowPageControls(m_nCurrentPage); }
void TAudioMainForm::SetPollRunning(bool running) { EnableTimer(L"Timer1", running); }

void TAudioMainForm::InterfaceArrived() { resync_->InterfaceArrived(); }

void TAudioMainForm::DeviceActivated(ActivationPath path, std::uint16_t vendorId, std::uint16_t productId) {
  resync_->Resynchronise(path, vendorId, productId);
}

void TAudioMainForm::DeviceRemoved() {
  resync_->DeviceRemoved();
  ShowDeviceIndicators(false);
  ResetFeatureButtons();
  RefreshPage();
}

void TAudioMainForm::StartupInterfaceClosed() { resync_->StartupInterfaceClosed(); }

void TAudioMainForm::SyncLedIndicator() { features_->SyncLedIndicator(m_nLEDIndicator); }

}  // namespace vorma::shell
