#include "panel/shell/MainFormFeatures.h"

#include "foundation/DebugOutput.h"
#include "panel/device/virtual/PortSelection.h"
#include "panel/led/LedIndicator.h"

namespace vorma::shell {
MainFormFeatures::MainFormFeatures(FeatureContext& context, FeatureLinks links, const MainFormSettings& settings,
                                   const std::wstring& userFolder)
    : context_(context), links_(std::move(links)) {
  features::EqualizerSettings eqSettings;
  eqSettings.defaultIni = settings.defaultIni;
  eqSettings.userFolder = userFolder;
  features::EqualizerLinks eqLinks;
  eqLinks.apply3DOnOff = [this] { threeD_->Apply3DOnOff(threeD_->ThreeDEnable()); };
  eq_ = std::make_unique<features::CEqualizerPage>(context_, image_, eqSettings, eqLinks);

  features::ThreeDSettings threeDSettings;
  threeDSettings.mutuallyExclusive = settings.exclusive3DV7ch1;
  features::ThreeDConfigBytes config;
  config.imageByte = [this](std::size_t offset) { return image_.Byte(offset); };
  config.setImageByte = [this](std::size_t offset, std::uint8_t value) { image_.SetByte(offset, value); };
  config.factoryTable = features::DeviceConfigFactoryTable();
  features::ThreeDSkinPictures pictures;
  pictures.skinDirectory = links_.skinDirectory;
  pictures.pictureName = links_.pictureName;
  threeD_ = std::make_unique<features::CThreeDPage>(context_, threeDSettings, config, pictures);

  features::Virtual7ch1Settings virtualSettings;
  virtualSettings.oldVersion = settings.oldVersion;
  virtualSettings.defaultIni = settings.defaultIni;
  virtualSettings.defaultProfilePath = userFolder + L"\\DefaultProfile.ini";
  virtualSettings.scalar = settings.v7ch1Scalar;
  virtualSettings.exclusive3DV7ch1 = settings.exclusive3DV7ch1;
  virtualSettings.switchMode = settings.gpio.SwitchMode();
  virtual7ch1_ = std::make_unique<features::CVirtual7ch1Page>(context_, static_cast<features::Virtual7ch1Host&>(*this),
                                                               virtualSettings);
  encVoice_ = std::make_unique<features::CEncVoicePage>(context_, static_cast<features::EncVoiceHost&>(*this));
  led_ = std::make_unique<led::CLedPage>(context_, static_cast<led::LedPageHost&>(*this));

  effects_ = std::make_unique<features::CEffectsPage>(context_);
  audio_ = CreateAudioEndpointPort();
  features::MicrophoneSettings micSettings;
  micSettings.monitorMode = settings.micMonitorDefault;
  micSettings.osClass = links_.osClass;
  mic_ = std::make_unique<features::CMicrophonePage>(context_, static_cast<features::MicrophoneHost&>(*this), *audio_,
                                                     micSettings);
  testTone_ = std::make_unique<features::CTestTonePage>(context_, *virtual7ch1_, static_cast<features::TestToneHost&>(*this),
                                                    links_.programFolder);
}

MainFormFeatures::~MainFormFeatures() = default;

bool MainFormFeatures::TestToneTicked() { return links_.testToneTicked(); }
int MainFormFeatures::GpioOnOff() { return links_.gpioOnOff(); }
bool MainFormFeatures::GpioScanMode() { return links_.gpioScanMode(); }
void MainFormFeatures::SetAnimationTimerEnabled(bool enabled) { links_.setAnimationTimer(enabled); }
void MainFormFeatures::SwitchThreeDOff() { threeD_->SwitchOffForVirtual7ch1(); }
SliderRange MainFormFeatures::EncSliderRange() { return links_.encSliderRange(); }
void MainFormFeatures::ShowEncoderWarning() { links_.showEncoderWarning(); }
forms::Shape* MainFormFeatures::FindShapeByTag(int tag) { return links_.findShape(tag); }
bool MainFormFeatures::ChooseColour(COLORREF& colour) { return links_.chooseColour(colour); }
void MainFormFeatures::ShowLedDialog() { links_.showLedDialog(); }
void MainFormFeatures::SetEndpointReady(bool ready) { links_.setEndpointReady(ready); }
HWND MainFormFeatures::MeterWindow() { return links_.window(); }
int MainFormFeatures::MeterLength() { return links_.meterLength(); }
bool MainFormFeatures::BoxTicked() { return links_.testToneTicked(); }
void MainFormFeatures::SetTestToneTimersEnabled(bool enabled) { links_.setTestToneTimers(enabled); }

void MainFormFeatures::SelectEffect(int effect) { effects_->SelectEffect(effect); }
bool MainFormFeatures::StartupMic() { return mic_->StartUp(); }
void MainFormFeatures::SetMicGain(int percent) { mic_->SetGainPercent(percent); }
void MainFormFeatures::StartCaptureMonitor() { mic_->OpenMeterCapture(links_.window()); }
void MainFormFeatures::StopCaptureMonitor() { mic_->CloseMeterCapture(); }
void MainFormFeatures::CaptureLevel(WPARAM wParam, LPARAM lParam) { mic_->OnMeterData(wParam, lParam); }

void MainFormFeatures::RefreshMicDisplay() {
  mic_->ShowMicGain();
  mic_->ShowMicSwitches();
}

bool MainFormFeatures::EncEnabled() { return encVoice_->EncAvailable(); }
void MainFormFeatures::SetEncoderLevel(int level) { encVoice_->SetEncLevelFromBar(level); }
void MainFormFeatures::RefreshEncoderPage() { encVoice_->ShowEnc(); }
void MainFormFeatures::RefreshVoiceEffectPage() { encVoice_->ShowVoiceEffect(); }
void MainFormFeatures::ClearVoiceEffect() { encVoice_->ClearVoiceEffect(); }
void MainFormFeatures::ClearEncoder() { encVoice_->ClearEncoder(); }

void MainFormFeatures::ReadEncoderAndVoiceFromRegistry() {
  encVoice_->InitEnc();
  encVoice_->InitVoiceEffect();
}

void MainFormFeatures::SendLedIndicator(int value) { led::SendLedIndicator(context_.OpenHid(), value); }
void MainFormFeatures::SyncLedIndicator(int state) { led::SyncLedIndicator(context_.OpenHid(), state); }

void MainFormFeatures::CloseMediaPlayer() { testTone_->CloseMediaPlayer(); }

}  // namespace vorma::shell
