#include "panel/shell/FeatureResync.h"

#include "foundation/DebugOutput.h"
#include "panel/buttons/HardwareButtons.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/device/FilterControl.h"
#include "panel/device/HidRegisterTransport.h"
#include "panel/device/SdkLibrary.h"
#include "panel/features/MainWindowTags.h"
#include "panel/shell/MainFormFeatures.h"
#include "panel/shell/MainFormSettings.h"

namespace vorma::shell {
namespace {

// Most SDK settings are sent once more when the first try fails, and then left alone.
template <typename Call>
void RepeatOnceOnFailure(Call call) {
  if (call() != 0) call();
}

}  // namespace

FeatureResync::FeatureResync(ResyncWindow& window, MainFormFeatures& features, buttons::CHardwareButtons& buttons,
                             DevicePorts& ports, const MainFormSettings& settings, int osClass)
    : window_(window), features_(features), buttons_(buttons), ports_(ports), settings_(settings), osClass_(osClass) {}

void FeatureResync::InterfaceArrived() {
  PrepareEndpointOnce();
  features_.Mic().ResetMeters();
}

// The order matters to the device: pins, ENC and buttons, voice effect, equaliser, 3D, 7.1, the
// filter, the LED worker. A new feature adds its step here.
void FeatureResync::Resynchronise(ActivationPath path, std::uint16_t vendorId, std::uint16_t productId) {
  if (path == ActivationPath::Poll) InterfaceArrived();
  PassGpioPins(vendorId, productId);
  features_.Mic().ReleaseEndpoint();
  SyncEncAndButtons(path);
  features_.EncVoice().InitVoiceEffect();
  features_.RefreshVoiceEffectPage();
  window_.RefreshPage();
  window_.ProcessPendingMessages();
  SyncEqualizer();
  SyncThreeD();
  SyncVirtual7ch1();
  std::uint32_t filterValue = 0;
  QueryFilterValue(*ports_.filter, 0, filterValue);
  if (++activationCount_ == 1) features_.Led().StartLEDWorker();
  window_.RefreshPage();
}

void FeatureResync::DeviceRemoved() {
  endpointReady_ = false;
  buttons_.ClearStartScanGPIO();
  activationCount_ = 0;
}

void FeatureResync::StartupInterfaceClosed() {
  features_.Mic().ReleaseEndpoint();
  // The device took its capture away: the meter's handle is closed, and buffers still on their way
  // count for nothing.
  features_.StopCaptureMonitor();
  features_.Led().CloseLEDWorkerHandle();
}

void FeatureResync::PrepareEndpointOnce() {
  if (endpointReady_) return;
  if (!features_.Mic().LookUpEndpoint() && osClass_ == features::kCoreAudioSystem) return;
  features_.StartCaptureMonitor();
  // After an activation the microphone is also unmuted and its monitor switched off as the monitor
  // mode does it, the monitor button left as it is.
  features_.Mic().RefreshAfterActivation();
  if (window_.CurrentPage() != kPageMic) features_.StopCaptureMonitor();
  endpointReady_ = true;
}

// While the LED indicator is on the pins are only read, so an output the user left lit stays lit;
// while it is off all ten are cleared.
void FeatureResync::PassGpioPins(std::uint16_t vendorId, std::uint16_t productId) {
  std::unique_ptr<HidConnection> device = OpenHidDevice(*ports_.hid, vendorId, productId);
  if (!device) return;
  if (window_.LedIndicatorOn()) {
    GpioLevels levels{};
    ReadGpioBits(*device, levels);
  } else {
    WriteGpioBits(*device, GpioLevels{});
  }
  EndRegisterWrites(*device);
}

// An arrival in switch mode starts the button scan; otherwise ENC is read and shown, and an
// arrival starts the scan when ENC runs from its button. The poll never starts it.
void FeatureResync::SyncEncAndButtons(ActivationPath path) {
  if (path == ActivationPath::Arrival && settings_.gpio.SwitchMode()) {
    buttons_.ScanENCGPIO();
    return;
  }
  features_.EncVoice().InitEnc();
  features_.RefreshEncoderPage();
  if (path == ActivationPath::Poll) return;
  if (features_.EncEnabled() && settings_.encButtonMode == 1 && buttons_.SetEncGpioMode() == 0) {
    DebugWrite(L"[DeviceArrival1][ScanENCGPIO]");
    buttons_.ScanENCGPIO();
  }
}

bool FeatureResync::SyncEqualizerFromEeprom() {
  features::CEqualizerPage& eq = features_.Eq();
  if (eq.EqFromEeprom() == 0) return false;
  eq.SyncEqFromDevice();
  eq.SyncEqFromDevice();
  return true;
}

bool FeatureResync::SyncThreeDFromEeprom() {
  features::CThreeDPage& threeD = features_.ThreeD();
  if (threeD.ThreeDFromEeprom() == 0) return false;
  const int eepromDefault = features_.Eq().ThreeDFromEepromDefault() ? 1 : 0;
  threeD.Sync3DFromDevice(eepromDefault);
  threeD.Sync3DFromDevice(eepromDefault);
  return true;
}

void FeatureResync::SyncEqualizer() {
  if (SyncEqualizerFromEeprom() || features_.Eq().DefaultEqEnable() != 1) return;
  features_.Eq().SetEqEnable(1);
  features_.Eq().ApplyEqOnOff(1);
}

void FeatureResync::SyncThreeD() {
  if (SyncThreeDFromEeprom() || features_.ThreeD().Default3DEnable() != 1) return;
  features_.ThreeD().SetThreeDEnable(1);
  features_.ThreeD().Apply3DOnOff(1);
}

// 7.1 as the default profile has it, off while 3D is on when the two exclude each other; on again
// for the 7.1 page when the last profile had it on.
void FeatureResync::SyncVirtual7ch1() {
  features::CVirtual7ch1Page& surround = features_.Virtual7ch1();
  int enable = surround.DefaultEnable();
  if (settings_.exclusive3DV7ch1 == 1 && features_.ThreeD().ThreeDEnable() == 1) enable = 0;
  surround.SetVirtual7ch1Enable(enable);
  surround.Update7ch1UI();
  std::uint32_t filterState = 0;
  QueryFilterState(*ports_.filter, filterState);
  const DWORD onOff = static_cast<DWORD>(enable);
  RepeatOnceOnFailure([&] { return Sdk().DLLQZ_SetVirtual7ch1_OnOff(onOff); });
  RepeatOnceOnFailure([&] { return surround.SendVirtual7ch1(enable); });
  const float scalar = settings_.v7ch1Scalar;
  RepeatOnceOnFailure([&] { return Sdk().DLLQZ_SetVirtual7ch1_Scalar(scalar); });
  if (window_.CurrentPage() == kPageVirtual7ch1 && surround.LastProfileEnable() == 1) {
    surround.SetVirtual7ch1Enable(1);
    surround.ShowEnableButton();
    Sdk().DLLQZ_SetVirtual7ch1_OnOff(1);
  }
}

}  // namespace vorma::shell
