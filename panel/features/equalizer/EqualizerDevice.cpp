// The equaliser's device side: band registers over the HID interface and the SDK's on/off switch.

#include "panel/device/HidRegisterTransport.h"
#include "panel/device/SdkLibrary.h"
#include "panel/features/equalizer/EqRegisters.h"
#include "panel/features/equalizer/EqualizerPage.h"

#include "foundation/DebugOutput.h"

namespace vorma::features {
namespace {

constexpr BYTE kDeviceIndex = 0;

// Ends the transaction's register writes; the caller's result unless that was a success.
int EndTransaction(HidConnection& device, int result) {
  const int ended = EndRegisterWrites(device);
  if (result != kEqDone) return result;
  return ended == kEndWritesDone ? kEqDone : kEqEndFailed;
}

}  // namespace

int CEqualizerPage::SetEqBandFromSlider(int sliderTag, bool write) {
  const std::optional<int> sliderBand = EqBandOfSlider(sliderTag);
  if (!sliderBand) return kEqNoSlotOrDevice;
  const int band = *sliderBand;
  forms::Image* slider = window_.FindImageByTag(sliderTag);
  if (!slider) return kEqNoSlotOrDevice;
  const SliderRange track = window_.EqSliderRange();
  const std::uint16_t code = EqCodeFromSliderOffset(slider->Top() - track.top, track.range);
  m_current.codes[band] = code;
  m_bFlat = IsFlatEqPreset(m_current);

  std::unique_ptr<HidConnection> device = OpenHid();
  if (!device) return kEqNoSlotOrDevice;
  int result = kEqDone;
  if (write) {
    // A move away from flat switches the equaliser back on, a move onto flat switches it off.
    ApplyEqOnOff(m_nEqEnable);
    if (WriteEqBand(*device, band, code) != kRegisterWriteDone) result = kEqWriteFailed;
  }
  return EndTransaction(*device, result);
}

int CEqualizerPage::ApplyEqPreset(int preset) {
  if (!UnpackSlot(preset - 1)) return kEqNoSlotOrDevice;
  m_bFlat = IsFlatEqPreset(m_current);
  if (m_bFlat) return kEqFlat;
  std::unique_ptr<HidConnection> device = OpenHid();
  if (!device) return kEqNoSlotOrDevice;
  int result = kEqDone;
  if (DeviceSync() && !m_bSaving && WriteAllEqBands(*device, m_current) != kRegisterWriteDone)
    result = kEqWriteFailed;
  return EndTransaction(*device, result);
}

void CEqualizerPage::ApplyEqOnOff(int enable) {
  if (!DeviceActive()) return;
  const SdkFunctionTable& sdk = Sdk();
  sdk.DLLQZ_ConfigEQ_ById(kDeviceIndex);
  if (m_bFlat) {
    // A flat curve is the same as no equaliser: keep it off whatever EQ-EN says.
    sdk.DLLQZ_SetEQ_OnOff_ById(0, kDeviceIndex);
    return;
  }
  const DWORD wanted = enable ? 1 : 0;
  sdk.DLLQZ_SetEQ_OnOff_ById(wanted, kDeviceIndex);
  DWORD state = 0;
  const int queried = sdk.DLLQZ_IsEQ_Enable_ById(&state, kDeviceIndex);
  // The device sometimes misses the switch; one more try, unchecked. A failed query counts as a
  // miss, since nothing confirms the switch then.
  if (queried != 0 || state != wanted) {
    DebugPrint(L"***** DLLQZ_SetEQ_OnOff_ById(%lu) not confirmed (ret = %d, state = %lu), again *****\n", wanted,
               queried, state);
    sdk.DLLQZ_SetEQ_OnOff_ById(wanted, kDeviceIndex);
  }
}

int CEqualizerPage::WriteEqEnableAndBands(int enable) {
  std::unique_ptr<HidConnection> device = OpenHid();
  if (!device) return kEqNoSlotOrDevice;
  std::uint8_t control = 0;
  int result = kEqDone;
  // Without the register's present value a write would clear the other features' bits.
  if (ReadDeviceRegister(*device, kFeatureControlRegister, control) != kRegisterReadDone) {
    result = kEqWriteFailed;
  } else {
    control = static_cast<std::uint8_t>(enable == 1 ? control | kEqEnableBit : control & ~kEqEnableBit);
    if (WriteDeviceRegister(*device, kFeatureControlRegister, control) != kRegisterWriteDone)
      result = kEqWriteFailed;
    else if (enable == 1 && WriteAllEqBands(*device, m_current) != kRegisterWriteDone)
      result = kEqWriteFailed;
  }
  return EndTransaction(*device, result);
}

}  // namespace vorma::features
