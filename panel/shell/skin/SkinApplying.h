#pragma once
// Putting a loaded skin on the main window's controls.

#include "forms/Form.h"
#include "forms/Image.h"
#include "panel/shell/WindowButtonStates.h"
#include "panel/shell/skin/SkinFolder.h"
#include "panel/shell/skin/SkinSetting.h"

#include <functional>
#include <optional>
#include <string_view>

namespace vorma::shell {

// The window state that decides which record a control shows.
struct SkinApplyState : WindowButtonStates {
  int ledIndicator = 1;  // the LED button, a two-state button too
  int alphaMode = -1;    // 3D alpha mode
  int betaMode = -1;     // 3D beta mode
  int regionCut = 0;     // [Skin] RegionCut of the program's AudioConfig.cfg
  // The LED page's own skin application; runs right after the LED page button took its record.
  std::function<void()> applyLedPageSkin;
};

// Applies one record to one image: shown with the skin's picture when it names one (hidden
// otherwise), moved and sized where the record says; with neither width nor height given the
// image takes its picture's size. A picture that does not load is reported and the image keeps
// its position and size from the record.
void ChangeImageAttr(const ImageAtt& record, forms::Image& image, const SkinFolder& skin);

// The record an image of the main window takes from the skin; none for an image the skin does
// not dress (or leaves as it is, as EffectPicImage without an effect). MainLeftImage follows the
// page buttons and is not answered here.
std::optional<ImageAtt> SkinRecordForImage(const forms::Image& image, const SkinSetting& setting,
                                           const SkinApplyState& state);

// Every skinned image takes its record (in declaration order), the bevel lines and colour shapes
// follow the layout values, then the window gets its outline: the skin's region file when
// RegionCut is non-zero, otherwise the size of MainFormImage's picture.
void ApplySkinToControls(forms::Form& form, const SkinSetting& setting, const SkinFolder& skin,
                         const SkinApplyState& state);

}  // namespace vorma::shell
