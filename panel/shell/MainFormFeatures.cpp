#include "panel/shell/MainFormFeatures.h"

#include "foundation/DebugOutput.h"

namespace vorma::shell {
namespace {

// A feature that does not exist yet: the call is visible in the debug output and changes nothing.
void NotBuilt(const wchar_t* operation) { DebugPrint(L"===== %ls: not built yet =====\n", operation); }

}  // namespace

MainFormFeatures::MainFormFeatures(MainWindowControls& window) : window_(window) {}
MainFormFeatures::~MainFormFeatures() = default;

void MainFormFeatures::InitEqDefaults() {
  NotBuilt(L"InitEqDefaults");
}

void MainFormFeatures::ShowEqPreset(int) {
  NotBuilt(L"ShowEqPreset");
}

void MainFormFeatures::ResetEq() {
  NotBuilt(L"ResetEq");
}

void MainFormFeatures::ApplyEqOnOff(int) {
  NotBuilt(L"ApplyEqOnOff");
}

void MainFormFeatures::StoreEqPreset(int) {
  NotBuilt(L"StoreEqPreset");
}

void MainFormFeatures::SelectEqPreset(int) {
  NotBuilt(L"SelectEqPreset");
}

void MainFormFeatures::SetEqBandFromSlider(forms::Image&, int) {
  NotBuilt(L"SetEqBandFromSlider");
}

void MainFormFeatures::SyncEqFromDevice() {
  NotBuilt(L"SyncEqFromDevice");
}

void MainFormFeatures::Startup3D() {
  NotBuilt(L"Startup3D");
}

void MainFormFeatures::Reset3D() {
  NotBuilt(L"Reset3D");
}

void MainFormFeatures::Apply3DOnOff(int) {
  NotBuilt(L"Apply3DOnOff");
}

void MainFormFeatures::ApplyFBM(int) {
  NotBuilt(L"ApplyFBM");
}

void MainFormFeatures::Cycle3DMode(int, int&) {
  NotBuilt(L"Cycle3DMode");
}

void MainFormFeatures::Update3DSlider(std::wstring_view, int, int, int) {
  NotBuilt(L"Update3DSlider");
}

void MainFormFeatures::Shutdown3D() {
  NotBuilt(L"Shutdown3D");
}

void MainFormFeatures::Sync3DFromDevice() {
  NotBuilt(L"Sync3DFromDevice");
}

void MainFormFeatures::ComputeSpeakerLayout() {
  NotBuilt(L"ComputeSpeakerLayout");
}

void MainFormFeatures::Startup7ch1() {
  NotBuilt(L"Startup7ch1");
}

void MainFormFeatures::PassScalar(float) {
  NotBuilt(L"PassScalar");
}

void MainFormFeatures::LoadVirtual7ch1ProfileValues() {
  NotBuilt(L"LoadVirtual7ch1ProfileValues");
}

void MainFormFeatures::Reset7ch1() {
  NotBuilt(L"Reset7ch1");
}

void MainFormFeatures::ResetSpeakers() {
  NotBuilt(L"ResetSpeakers");
}

void MainFormFeatures::SwitchVirtual7ch1OffInSdk() {
  NotBuilt(L"SwitchVirtual7ch1OffInSdk");
}

int MainFormFeatures::SendVirtual7ch1(int) {
  NotBuilt(L"SendVirtual7ch1");
  return 1;
}

void MainFormFeatures::RotateClockwise() {
  NotBuilt(L"RotateClockwise");
}

void MainFormFeatures::RotateCounterclockwise() {
  NotBuilt(L"RotateCounterclockwise");
}

void MainFormFeatures::NarrowSpeakers() {
  NotBuilt(L"NarrowSpeakers");
}

void MainFormFeatures::EnlargeSpeakers() {
  NotBuilt(L"EnlargeSpeakers");
}

void MainFormFeatures::ApplySpeakerLayout() {
  NotBuilt(L"ApplySpeakerLayout");
}

void MainFormFeatures::SpeakerDragged() {
  NotBuilt(L"SpeakerDragged");
}

void MainFormFeatures::SelectEffect(int) {
  NotBuilt(L"SelectEffect");
}

void MainFormFeatures::StartupMic() {
  NotBuilt(L"StartupMic");
}

void MainFormFeatures::ApplyMicBoost(int) {
  NotBuilt(L"ApplyMicBoost");
}

void MainFormFeatures::ApplyMicMute(int) {
  NotBuilt(L"ApplyMicMute");
}

void MainFormFeatures::ApplyMicMonitor(int) {
  NotBuilt(L"ApplyMicMonitor");
}

void MainFormFeatures::SetMicGain(int) {
  NotBuilt(L"SetMicGain");
}

void MainFormFeatures::StartCaptureMonitor() {
  NotBuilt(L"StartCaptureMonitor");
}

void MainFormFeatures::StopCaptureMonitor() {
  NotBuilt(L"StopCaptureMonitor");
}

void MainFormFeatures::CaptureLevel(WPARAM, LPARAM) {
  NotBuilt(L"CaptureLevel");
}

bool MainFormFeatures::EncEnabled() {
  NotBuilt(L"EncEnabled");
  return false;
}

void MainFormFeatures::SetEncoderLevel(int) {
  NotBuilt(L"SetEncoderLevel");
}

void MainFormFeatures::RefreshEncoderPage() {
  NotBuilt(L"RefreshEncoderPage");
}

void MainFormFeatures::RefreshVoiceEffectPage() {
  NotBuilt(L"RefreshVoiceEffectPage");
}

void MainFormFeatures::ClearVoiceEffect() {
  NotBuilt(L"ClearVoiceEffect");
}

void MainFormFeatures::ClearEncoder() {
  NotBuilt(L"ClearEncoder");
}

void MainFormFeatures::ReadEncoderAndVoiceFromRegistry() {
  NotBuilt(L"ReadEncoderAndVoiceFromRegistry");
}

void MainFormFeatures::LoadDefaultProfile() {
  NotBuilt(L"LoadDefaultProfile");
}

bool MainFormFeatures::LoadLastProfile() {
  NotBuilt(L"LoadLastProfile");
  return false;
}

void MainFormFeatures::SaveLastProfile() {
  NotBuilt(L"SaveLastProfile");
}

void MainFormFeatures::ProfileSaveDialog() {
  NotBuilt(L"ProfileSaveDialog");
}

void MainFormFeatures::ProfileLoadDialog() {
  NotBuilt(L"ProfileLoadDialog");
}

void MainFormFeatures::SendLedIndicator(int) {
  NotBuilt(L"SendLedIndicator");
}

void MainFormFeatures::ReadGPIOAndSetUI() {
  NotBuilt(L"ReadGPIOAndSetUI");
}

void MainFormFeatures::HideToTray() {
  NotBuilt(L"HideToTray");
}

void MainFormFeatures::CloseMediaPlayer() {
  NotBuilt(L"CloseMediaPlayer");
}

void MainFormFeatures::RescaleSpeakers(SpeakerCircle) {
  NotBuilt(L"RescaleSpeakers");
}

}  // namespace vorma::shell
