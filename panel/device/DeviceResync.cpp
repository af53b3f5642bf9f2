// The re-synchronisation of an activated device: the features are brought in line with the device
// in a fixed order, the same after an arrival and after a poll except where noted.

#include "panel/device/DeviceActivation.h"

#include "foundation/DebugOutput.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/device/FilterControl.h"
#include "panel/device/HidRegisterTransport.h"
#include "panel/device/SdkLibrary.h"

namespace vorma {
namespace {

// Most SDK settings are sent once more when the first try fails, and then left alone.
template <typename Call>
void RepeatOnceOnFailure(Call call) {
  if (call() != 0) call();
}

}  // namespace

void DeviceActivation::PrepareEndpointOnce() {
  if (m_bEndpointReady) return;
  if (!host_.LookUpAudioEndpoint() && host_.OsClass() == kCoreAudioOsClass) return;
  host_.OpenCaptureMonitor();
  host_.RefreshMicDisplay();
  if (host_.CurrentPage() != kMicPage) host_.CloseCaptureMonitor();
  m_bEndpointReady = true;
}

void DeviceActivation::Resynchronise(ActivationPath path) {
  if (path == ActivationPath::Poll) {
    PrepareEndpointOnce();
    host_.ResetMicMeters();
  }
  GpioPass();
  host_.ReleaseAudioEndpoint();
  SyncEncAndButtons(path);
  host_.InitVoiceEffect();
  host_.ShowVoiceEffect();
  host_.RefreshPage();
  host_.ProcessPendingMessages();
  SyncEqAnd3D();
  SyncVirtual7ch1();
  std::uint32_t filterValue = 0;
  QueryFilterValue(*ports_.filter, 0, filterValue);
  if (++m_iLEDActivationCount == 1) host_.StartLEDWorker();
  host_.RefreshPage();
}

void DeviceActivation::GpioPass() {
  std::unique_ptr<HidConnection> device = OpenHidDevice(*ports_.hid, m_wVendorId, m_wProductId);
  if (!device) return;
  if (host_.GpioReadSettingOn()) {
    GpioLevels levels{};
    ReadGpioBits(*device, levels);
  } else {
    WriteGpioBits(*device, GpioLevels{});
  }
  EndRegisterWrites(*device);
}

void DeviceActivation::SyncEncAndButtons(ActivationPath path) {
  if (path == ActivationPath::Arrival && host_.SwitchMode()) {
    host_.ScanENCGPIO();
    return;
  }
  host_.InitEnc();
  host_.ShowEnc();
  if (path == ActivationPath::Poll) return;
  if (host_.EncEnabled() && host_.EncButtonMode() == 1 && host_.SetEncGpioMode() == 0) {
    DebugWrite(L"[DeviceArrival1][ScanENCGPIO]");
    host_.ScanENCGPIO();
  }
}

void DeviceActivation::SyncEqAnd3D() {
  if (host_.EqFromEeprom()) {
    host_.SyncEqFromDevice();
    host_.SyncEqFromDevice();
  } else if (host_.DefaultEqEnable() == 1) {
    host_.SetEqEnable(1);
    host_.ApplyEqOnOff(1);
  }
  if (host_.ThreeDFromEeprom()) {
    host_.Sync3DFromDevice();
    host_.Sync3DFromDevice();
  } else if (host_.Default3DEnable() == 1) {
    host_.Set3DEnable(1);
    host_.Apply3DOnOff(1);
  }
}

void DeviceActivation::SyncVirtual7ch1() {
  int enable = host_.DefaultVirtual7ch1Enable();
  if (host_.ThreeDV7ch1MutuallyExclusive() && host_.Get3DEnable() == 1) enable = 0;
  host_.SetVirtual7ch1Enable(enable);
  host_.Update7ch1UI();
  std::uint32_t filterState = 0;
  QueryFilterState(*ports_.filter, filterState);
  const DWORD onOff = static_cast<DWORD>(enable);
  RepeatOnceOnFailure([&] { return Sdk().DLLQZ_SetVirtual7ch1_OnOff(onOff); });
  RepeatOnceOnFailure([&] { return host_.SendVirtual7ch1(enable); });
  const float scalar = host_.Virtual7ch1Scalar();
  RepeatOnceOnFailure([&] { return Sdk().DLLQZ_SetVirtual7ch1_Scalar(scalar); });
  if (host_.CurrentPage() == kVirtual7ch1Page && host_.LastProfileVirtual7ch1On()) {
    host_.SetVirtual7ch1Enable(1);
    host_.ShowVirtual7ch1Button();
    Sdk().DLLQZ_SetVirtual7ch1_OnOff(1);
  }
}

}  // namespace vorma
