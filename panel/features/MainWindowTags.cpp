#include "panel/features/MainWindowTags.h"

#include <array>

namespace vorma {
namespace {

using S = ButtonState;

// Buttons of the title bar, the menu and the page RESETs take their Down picture while pressed and
// their Up picture on release; the two-state buttons show the record of their state; presets and
// effects are radio groups (the labels of a group share one language record). Effect n shows the
// pictures of effect n on the image with its Tag: the images with Tags 18 and 20 carry each
// other's names in the form.
constexpr std::array kWindowTags{
    WindowTag{kTagClose, L"CloseImage", L"", S::None, L"CloseImageUp", L"CloseImageDown", L"", 0},
    WindowTag{kTagMinimize, L"MinimizeImage", L"", S::None, L"MinimizeImageUp", L"MinimizeImageDown", L"", 0},
    WindowTag{kTagMenuSave, L"Menu1Image", L"Menu1Label", S::None, L"Menu1ImageUp", L"Menu1ImageDown", L"LabelMenu1", 0},
    WindowTag{kTagMenuLoad, L"Menu2Image", L"Menu2Label", S::None, L"Menu2ImageUp", L"Menu2ImageDown", L"LabelMenu2", 0},
    WindowTag{kTagMenuAbout, L"Menu3Image", L"Menu3Label", S::None, L"Menu3ImageUp", L"Menu3ImageDown", L"LabelMenu3", 0},
    WindowTag{kTagEqReset, L"EQResetImage", L"EQResetLabel", S::None, L"EQResetImageUp", L"EQResetImageDown",
              L"LabelEQReset", 1},
    WindowTag{kTag3DReset, L"D3ResetImage", L"D3ResetLabel", S::None, L"D3ResetImageUp", L"D3ResetImageDown",
              L"Label3DReset", 5},
    WindowTag{kTagEqEnable, L"EQEQENImage", L"EQEQENLabel", S::EqEnable, L"EQEQENImageUp", L"EQEQENImageDown",
              L"LabelEQEnable", 1},
    WindowTag{kTag3DEnable, L"EQ3DENImage", L"EQ3DENLabel", S::ThreeDEnable, L"EQ3DENImageUp", L"EQ3DENImageDown",
              L"LableEQ3DEnable", 1},
    WindowTag{kTagEqPresetFirst, L"EQS1Image", L"EQS1Label", S::None, L"EQS1ImageUp", L"EQS1ImageDown", L"LabelEQS1", 1},
    WindowTag{kTagEqPresetFirst + 1, L"EQS2Image", L"EQS2Label", S::None, L"EQS2ImageUp", L"EQS2ImageDown", L"LabelEQS1",
              1},
    WindowTag{kTagEqPresetFirst + 2, L"EQS3Image", L"EQS3Label", S::None, L"EQS3ImageUp", L"EQS3ImageDown", L"LabelEQS1",
              1},
    WindowTag{kTagEqPresetFirst + 3, L"EQS4Image", L"EQS4Label", S::None, L"EQS4ImageUp", L"EQS4ImageDown", L"LabelEQS1",
              1},
    WindowTag{kTagFbm, L"D3FBMImage", L"D3FBMLabel", S::Fbm, L"D3FBMImageUp", L"D3FBMImageDown", L"LabelEQEnable", 5},
    WindowTag{kTagAlphaLink, L"D3AlphaImage", L"", S::None, L"", L"", L"", 5},
    WindowTag{kTagBetaLink, L"D3BetaImage", L"", S::None, L"", L"", L"", 5},
    WindowTag{kTagEffectFirst, L"EffectButtonNonImage", L"EffectNonLabel", S::None, L"EffectButtonNonImageUp",
              L"EffectButtonNonImageDown", L"LabelEffectNothing", 2},
    WindowTag{kTagEffectFirst + 1, L"EffectButtonTheaterImage", L"EffectTheaterLabel", S::None,
              L"EffectButtonTheaterImageUp", L"EffectButtonTheaterImageDown", L"LabelEffectNothing", 2},
    WindowTag{kTagEffectFirst + 2, L"EffectButtonStoneGalleryImage", L"EffectBathroomLabel", S::None,
              L"EffectButtonBathroomImageUp", L"EffectButtonBathroomImageDown", L"LabelEffectNothing", 2},
    WindowTag{kTagEffectFirst + 3, L"EffectButtonLivingroomImage", L"EffectLivingroomLabel", S::None,
              L"EffectButtonLivingroomImageUp", L"EffectButtonLivingroomImageDown", L"LabelEffectNothing", 2},
    WindowTag{kTagEffectFirst + 4, L"EffectButtonBathroomImage", L"EffectStoneGalleryLabel", S::None,
              L"EffectButtonStoneGalleryImageUp", L"EffectButtonStoneGalleryImageDown", L"LabelEffectNothing", 2},
    WindowTag{kTagMicBoost, L"MicBoostImage", L"MicBoostLabel", S::MicBoost, L"MicBoostImageUp", L"MicBoostImageDown",
              L"LabelMicBoost", 3},
    WindowTag{kTagMicMute, L"MicMuteImage", L"MicMuteLabel", S::MicMute, L"MicMuteImageUp", L"MicMuteImageDown",
              L"LabelMicMute", 3},
    WindowTag{kTagPageEq, L"PageEQImage", L"PageEQLabel", S::None, L"PageEQUpImage", L"PageEQDownImage", L"LabelPageEQ",
              0, 1, 1},
    // The 3D page has no page image of its own: its label switches, PageButtonShow leaves it out.
    WindowTag{kTagPage3D, L"Page3DImage", L"Page3DLabel", S::None, L"", L"", L"LabelPageEQ", 0, 5, 2},
    WindowTag{kTagPageEffect, L"PageEffectImage", L"PageEffectLabel", S::None, L"PageEffectUpImage",
              L"PageEffectDownImage", L"LabelPageEQ", 0, 2, 3},
    WindowTag{kTagPageMic, L"PageMicImage", L"PageMicLabel", S::None, L"PageMicUpImage", L"PageMicDownImage",
              L"LabelPageEQ", 0, 3, 4},
    WindowTag{kTagPageVirtual7ch1, L"PageVirtual7p1Image", L"PageVirtual7p1Label", S::None, L"PageVirtual7p1UpImage",
              L"PageVirtual7p1DownImage", L"LabelPageEQ", 0, 4, 5},
    // The sync button flips nothing: it has a state member but no pictures.
    WindowTag{kTagSync, L"SyncImage", L"SyncLabel", S::None, L"", L"", L"", 0},
    WindowTag{kTagEqSliderFirst, L"EQ60HzSliderImage", L"EQ60HzValueLabel", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqSliderFirst + 1, L"EQ300HzSliderImage", L"EQ300HzValueLabel", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqSliderFirst + 2, L"EQ1200HzSliderImage", L"EQ1200HzValueLabel", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqSliderFirst + 3, L"EQ3600HzSliderImage", L"EQ3600HzValueLabel", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqSliderFirst + 4, L"EQ12000HzSliderImage", L"EQ12000HzValueLabel", S::None, L"", L"", L"", 1},
    WindowTag{kTag3DSliderFirst, L"D3LBetaSliderImage", L"", S::None, L"", L"", L"", 5},
    WindowTag{kTag3DSliderFirst + 1, L"D3LAlphaSliderImage", L"", S::None, L"", L"", L"", 5},
    WindowTag{kTag3DSliderFirst + 2, L"D3RBetaSliderImage", L"", S::None, L"", L"", L"", 5},
    WindowTag{kTag3DSliderFirst + 3, L"D3RAlphaSliderImage", L"", S::None, L"", L"", L"", 5},
    WindowTag{kTagMicSlider, L"MicSliderImage", L"MicValueLabel", S::None, L"", L"", L"", 3},
    WindowTag{kTagSpeakerFirst, L"VirtualLImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagSpeakerFirst + 1, L"VirtualRImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagSpeakerFirst + 2, L"VirtualCImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagSpeakerFirst + 3, L"VirtualSUBImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagSpeakerFirst + 4, L"VirtualLSImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagSpeakerFirst + 5, L"VirtualRSImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagSpeakerFirst + 6, L"VirtualLBImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagSpeakerFirst + 7, L"VirtualRBImage", L"", S::None, L"", L"", L"", 4},
    WindowTag{kTagVirtual7ch1Enable, L"VirtualEnableImage", L"VirtualENLabel", S::Virtual7ch1Enable,
              L"VirtualEnableImageUp", L"VirtualEnableImageDown", L"Label7ch1Enable", 4},
    WindowTag{kTagVirtualReset, L"VirtualResetImage", L"VirtualResetLabel", S::None, L"VirtualResetUpImage",
              L"VirtualResetDownImage", L"Label7ch1Reset", 4},
    WindowTag{kTagVirtualClockwise, L"VirtualClockwiseImage", L"VirtualClockwiseLabel", S::Clockwise,
              L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage", L"LabelVirtualClockwise", 4},
    WindowTag{kTagVirtualCounterclockwise, L"VirtualCounterclockwiseImage", L"VirtualCounterclockwiseLabel",
              S::Counterclockwise, L"VirtualCounterclockwiseUpImage", L"VirtualCounterclockwiseDownImage",
              L"LabelVirtualCounterclockwise", 4},
    WindowTag{kTagLedIndicator, L"LEDImage", L"", S::LedIndicator, L"LedImageUp", L"LedImageDown", L"", 0},
    WindowTag{kTagVirtualNarrow, L"VirtualNarrowImage", L"VirtualNarrowLabel", S::Narrow, L"VirtualNarrowUpImage",
              L"VirtualNarrowDownImage", L"LabelVirtualNarrow", 4},
    WindowTag{kTagVirtualEnlarge, L"VirtualEnlargeImage", L"VirtualEnlargeLabel", S::Enlarge, L"VirtualEnlargeUpImage",
              L"VirtualEnlargeDownImage", L"LabelVirtualEnlarge", 4},
    WindowTag{kTagDeviceIn, L"DeviceInImage", L"DeviceInLabel", S::DeviceIn, L"DeviceActiveUpImage",
              L"DeviceActiveDownImage", L"DeviceInLabel", 0},
    WindowTag{kTagDeviceOut, L"DeviceOutImage", L"DeviceOutLabel", S::DeviceOut, L"DeviceUnActiveUpImage",
              L"DeviceUnActiveDownImage", L"DeviceOutLabel", 0},
    WindowTag{kTagEncSlider, L"ENCSliderImage", L"", S::None, L"", L"", L"", 7},
    WindowTag{kTagMicMonitor, L"MicMonitorImage", L"MicMonitorLabel", S::MicMonitor, L"MicMonitorImageUp",
              L"MicMonitorImageDown", L"LabelMicMonitor", 3},
    WindowTag{kTagEqBarFirst, L"EQ60HzBarImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarFirst + 1, L"EQ300HzBarImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarFirst + 2, L"EQ1200HzBarImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarFirst + 3, L"EQ3600HzBarImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarFirst + 4, L"EQ12000HzBarImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagMicBar, L"MicBarImage", L"", S::None, L"", L"", L"", 3},
    WindowTag{kTagEncBar, L"ENCBarImage", L"", S::None, L"", L"", L"", 7},
    WindowTag{kTagPageVoiceEffect, L"PageVMEffectImage", L"PageVMEffectLabel", S::None, L"PageVMEffectUpImage",
              L"PageVMEffectDownImage", L"LabelPageEQ", 0, 8, 204},
    WindowTag{kTagPageEnc, L"PageENCImage", L"PageENCLabel", S::None, L"PageENCUpImage", L"PageENCDownImage",
              L"LabelPageEQ", 0, 7, 205},
    WindowTag{kTagPageLed, L"PageLEDImage", L"PageLEDLabel", S::None, L"PageLEDUpImage", L"PageLEDDownImage",
              L"LabelPageEQ", 0, 6, 206},
    WindowTag{kTagEqBarDownFirst, L"EQ60HzBarDownImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarDownFirst + 1, L"EQ300HzBarDownImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarDownFirst + 2, L"EQ1200HzBarDownImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarDownFirst + 3, L"EQ3600HzBarDownImage", L"", S::None, L"", L"", L"", 1},
    WindowTag{kTagEqBarDownFirst + 4, L"EQ12000HzBarDownImage", L"", S::None, L"", L"", L"", 1},
    // Tag 238 also belongs to an LED page bar; the drag tells the two apart by name.
    WindowTag{kTagMicBarDown, L"MicBarDownImage", L"", S::None, L"", L"", L"", 3},
};

}  // namespace

std::span<const WindowTag> WindowTags() { return kWindowTags; }

const WindowTag* WindowTagOf(int tag) {
  for (const WindowTag& row : kWindowTags)
    if (row.tag == tag) return &row;
  return nullptr;
}

const WindowTag* WindowTagOfImage(std::wstring_view image) {
  for (const WindowTag& row : kWindowTags)
    if (row.image == image) return &row;
  return nullptr;
}

const WindowTag* TwoStateButtonOf(int tag) {
  const WindowTag* row = WindowTagOf(tag);
  return row && row->state != ButtonState::None && !row->downKey.empty() ? row : nullptr;
}

const WindowTag* PageButtonOf(int tag) {
  const WindowTag* row = WindowTagOf(tag);
  return row && row->opensPage != 0 ? row : nullptr;
}

const WindowTag* PageButtonWithId(int pageButton) {
  for (const WindowTag& row : kWindowTags)
    if (row.opensPage != 0 && row.pageButton == pageButton) return &row;
  return nullptr;
}

}  // namespace vorma
