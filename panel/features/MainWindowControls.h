#pragma once
// What the feature pages (equaliser, 3D, virtual 7.1, ...) may do to the main window's controls.
// The main window implements it; a feature never reaches into the window's members otherwise, so a
// feature can be tested on a real form built from the main window's resource with a small
// implementation of this interface. Every call comes on the user-interface thread.

#include "forms/Image.h"
#include "forms/Label.h"
#include "panel/features/WindowGeometry.h"

#include <string_view>

namespace vorma {

class MainWindowControls {
public:
  virtual ~MainWindowControls() = default;

  // Controls by name; none when the window has no such control.
  virtual forms::Image* ImageNamed(std::wstring_view name) = 0;
  virtual forms::Label* LabelNamed(std::wstring_view name) = 0;
  // Lookup by Tag from the last declared component to the first; none when absent.
  virtual forms::Image* FindImageByTag(int tag) = 0;
  virtual forms::Label* FindLabelByTag(int tag) = 0;

  // Applies the skin's picture record `skinKey` (a SkinSetting.ini picture key) to the image:
  // picture, position and size; an empty record hides the image.
  virtual void ChangeImageAttr(forms::Image& image, std::wstring_view skinKey) = 0;
  // Sets the label's font colour to the ColorDown (down) or ColorUp (not down) of the language
  // record `languageKey` (a Language.ini label key).
  virtual void SetLabelColor(forms::Label& label, std::wstring_view languageKey, bool down) = 0;
  // The caption text of a language record (for example "LabelWarning").
  virtual std::wstring LanguageText(std::wstring_view languageKey) = 0;

  // The two-state button primitive: flips `state` (the caller's own member, or a local copy when
  // the caller only wants the picture) and redraws the button with that Tag from the Tag table.
  virtual void ToggleButtonState(int tag, int& state) = 0;

  // Slider and speaker geometry of the loaded skin.
  virtual SliderRange EqSliderRange() = 0;
  virtual SliderRange MicSliderRange() = 0;
  virtual SpeakerCircle VirtualCenter() = 0;

  // Lets the window paint and take input during a long operation.
  virtual void ProcessPendingMessages() = 0;
};

}  // namespace vorma
