#pragma once
// What the ENC and voice-effect pages need from the rest of the main window beyond its controls:
// the device state and identity, the skin's slider travel and the window's warning box. The main
// window implements it; every call comes on its thread.

#include "panel/shell/MainWindowControls.h"

#include <windows.h>

namespace vorma::features {

class EncVoiceHost {
public:
  virtual ~EncVoiceHost() = default;

  virtual bool DeviceActive() = 0;  // m_bDeviceActive
  virtual WORD VendorId() = 0;      // of the active device
  virtual WORD ProductId() = 0;
  virtual int CurrentPage() = 0;    // m_nCurrentPage
  // [ENC] ENCSlider of the skin: the slider's top edge moves between top and top + range.
  virtual SliderRange EncSliderRange() = 0;
  // The message box of the language text LabelWarning1: this device has no ENC.
  virtual void ShowEncoderWarning() = 0;
};

}  // namespace vorma::features
