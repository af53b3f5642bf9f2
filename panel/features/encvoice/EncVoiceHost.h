#pragma once
// What the ENC and voice-effect pages need from the rest of the main window beyond their feature
// context: the skin's slider travel and the window's warning box. The main window implements it;
// every call comes on its thread.

#include "panel/features/WindowGeometry.h"

namespace vorma::features {

class EncVoiceHost {
public:
  virtual ~EncVoiceHost() = default;

  // [ENC] ENCSlider of the skin: the slider's top edge moves between top and top + range.
  virtual SliderRange EncSliderRange() = 0;
  // The message box of the language text LabelWarning1: this device has no ENC.
  virtual void ShowEncoderWarning() = 0;
};

}  // namespace vorma::features
