#pragma once
// The effect page: five sound-field effects that the audio filter driver applies. The page owns the
// current effect (1-5, stored in profiles as CurrentEffect), draws the five buttons and the effect
// picture, and sends the choice to the filter driver's control device.
//
// Effect n lives on the image and label with Tag EffectTag(n). The buttons of effects 3 and 5 carry
// each other's names in the form (EffectButtonStoneGalleryImage shows the Bathroom effect), so
// everything here goes by Tag, never by name.

#include "panel/features/FeatureContext.h"
#include "panel/features/MainWindowTags.h"

namespace vorma::features {

inline constexpr int kEffectCount = kEffectTagCount;

// The name part of effect n's skin records: EffectButton<name>ImageUp/Down, EffectPic<name>Image.
const wchar_t* EffectSkinName(int effect);

class CEffectsPage {
public:
  explicit CEffectsPage(FeatureContext& context);

  // The current effect; the window's tables and the profiles read it.
  int CurrentEffect() const { return effect_; }

  // Effect buttons (effect = EffectOfTag(Tag)) and profile load: remember, show and send.
  void SelectEffect(int effect);
  // Down picture and pressed colour for the current effect, Up and released for the other four,
  // and the effect's picture (none for a value outside 1-5).
  void ShowEffect(int effect);
  // The filter driver's effect number is effect - 1, then "apply". Failures are not reported.
  void SendEffect(int effect);
  // Window creation: effect 1, shown; the apply request follows later in the start-up.
  void StartUp();
  void SendApply();
  // Window destruction: effect 0 in the filter driver, then apply.
  void ShutDown();
  // A device went away: effect 1 and the buttons redrawn, nothing sent.
  void Reset();

private:
  FeatureContext& context_;
  MainWindowControls& controls_;
  int effect_ = 0;
};

}  // namespace vorma::features
