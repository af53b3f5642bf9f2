#include "panel/shell/MainFormResource.h"

#include <array>

namespace vorma::shell {
namespace {

// Handlers shared by the Tag-routed controls.
constexpr std::wstring_view kImageDown = L"OnImageMouseDown";
constexpr std::wstring_view kImageUp = L"OnImageMouseUp";
constexpr std::wstring_view kLabelDown = L"OnLabelMouseDown";
constexpr std::wstring_view kLabelUp = L"OnLabelMouseUp";
constexpr std::wstring_view kPageLabelDown = L"OnLabelPageMouseDown";
constexpr std::wstring_view kWindowDrag = L"FormMouseDown";
constexpr std::wstring_view kShapeDown = L"OnShapeMouseDown";

constexpr FontSpec kFormFont{L"Tahoma", 9, FontUnit::Points, kBlack};

// Until a skin is loaded the window shows this layout: the frame (title row, left column, page
// strip) around a page area in which every page lays out its own controls.
constexpr int kPageLeft = 210;
constexpr int kPageTop = 100;
constexpr Bounds kPageArea{kPageLeft, kPageTop, kMainFormClientWidth - kPageLeft - 10, kMainFormClientHeight - kPageTop - 10};

// Page strip: one 72-pixel slot per page button, left to right in strip order.
constexpr Bounds StripSlot(int slot) { return {kPageLeft + slot * 75, 64, 72, 28}; }
constexpr Bounds StripLabel(int slot) { return {kPageLeft + slot * 75 + 4, 70, 64, 16}; }
constexpr Bounds StripBevel(int slot) { return {kPageLeft + slot * 75 + 73, 70, 2, 16}; }

// A button's caption label sits inside the button's picture.
constexpr Bounds CaptionOf(Bounds button) { return {button.left, button.top + 6, button.width, 16}; }

constexpr ControlDescriptor Picture(std::wstring_view name, int page, Bounds bounds) {
  ControlDescriptor c;
  c.kind = ControlKind::Image;
  c.name = name;
  c.page = page;
  c.bounds = bounds;
  return c;
}

// An image whose presses go through the Tag dispatch.
constexpr ControlDescriptor TagImage(std::wstring_view name, int tag, int page, Bounds bounds) {
  ControlDescriptor c = Picture(name, page, bounds).MouseDown(kImageDown).MouseUp(kImageUp);
  c.tag = tag;
  return c;
}

constexpr ControlDescriptor Text(std::wstring_view name, int page, Bounds bounds, std::wstring_view caption) {
  ControlDescriptor c;
  c.kind = ControlKind::Label;
  c.name = name;
  c.page = page;
  c.bounds = bounds;
  c.caption = caption;
  c.font = kFormFont;
  c.transparent = true;
  return c;
}

// A label that forwards its presses to the image with the same Tag.
constexpr ControlDescriptor TagLabel(std::wstring_view name, int tag, int page, Bounds bounds, std::wstring_view caption) {
  ControlDescriptor c = Text(name, page, bounds, caption).MouseDown(kLabelDown).MouseUp(kLabelUp);
  c.tag = tag;
  return c;
}

constexpr ControlDescriptor PageLabel(std::wstring_view name, int tag, Bounds bounds, std::wstring_view caption) {
  ControlDescriptor c = Text(name, 0, bounds, caption).MouseDown(kPageLabelDown);
  c.tag = tag;
  return c;
}

constexpr ControlDescriptor Dot(std::wstring_view name, int tag, Bounds bounds, ColorValue color) {
  ControlDescriptor c;
  c.kind = ControlKind::Shape;
  c.name = name;
  c.tag = tag;
  c.page = 6;
  c.bounds = bounds;
  c.shape = ShapeKind::Circle;
  c.brushColor = color;
  return c;
}

constexpr ControlDescriptor Line(std::wstring_view name, Bounds bounds) {
  ControlDescriptor c;
  c.kind = ControlKind::Bevel;
  c.name = name;
  c.bounds = bounds;
  return c;
}

constexpr ControlDescriptor Box(std::wstring_view name, int page, Bounds bounds, std::wstring_view caption, std::wstring_view onClick) {
  ControlDescriptor c;
  c.kind = ControlKind::CheckBox;
  c.name = name;
  c.page = page;
  c.bounds = bounds;
  c.caption = caption;
  c.font = kFormFont;
  return c.Click(onClick);
}

// Equaliser page columns: band b's slider is centred on BandX(b); sliders travel 200..320.
constexpr int BandX(int band) { return 330 + band * 100; }
constexpr Bounds BandBar(int band) { return {BandX(band) - 4, 190, 8, 160}; }
constexpr Bounds BandBarDown(int band) { return {BandX(band) - 4, 270, 8, 80}; }
constexpr Bounds BandSlider(int band) { return {BandX(band) - 16, 260, 32, 20}; }
constexpr Bounds BandText(int band, int top) { return {BandX(band) - 30, top, 60, 16}; }

// 3D page columns; the 3D sliders travel 105..225 whatever the skin says.
constexpr int kD3LAlphaX = 260;
constexpr int kD3LBetaX = 340;
constexpr int kD3RAlphaX = 600;
constexpr int kD3RBetaX = 680;
constexpr Bounds D3Graduation(int x) { return {x - 36, 105, 20, 140}; }
constexpr Bounds D3Bar(int x) { return {x - 4, 105, 8, 140}; }
constexpr Bounds D3Slider(int x) { return {x - 16, 165, 32, 20}; }
constexpr Bounds D3Value(int x) { return {x - 30, 252, 60, 16}; }

constexpr Bounds EQButton(int left) { return {left, 112, 80, 28}; }
constexpr Bounds PresetButton(int preset) { return {526 + (preset - 1) * 68, 112, 60, 28}; }
constexpr Bounds D3Button(int left) { return {left, 432, 80, 28}; }
constexpr Bounds EffectButton(int effect) { return {226, 116 + (effect - 1) * 56, 150, 40}; }
constexpr Bounds EffectText(int effect) { return {226, 128 + (effect - 1) * 56, 150, 16}; }
constexpr Bounds VirtualButton(int top) { return {226, top, 100, 28}; }
constexpr Bounds LEDDot(int index) { return {240 + (index - 1) * 36, 150, 24, 24}; }
constexpr Bounds VMButton(int index) { return {226 + index * 110, 170, 100, 28}; }

constexpr Bounds kCloseBounds{789, 10, 22, 22};
constexpr Bounds kMinimizeBounds{763, 10, 22, 22};
constexpr Bounds kMenu1Bounds{16, 380, 168, 28};
constexpr Bounds kMenu2Bounds{16, 416, 168, 28};
constexpr Bounds kMenu3Bounds{16, 452, 168, 28};
constexpr Bounds kSyncBounds{16, 340, 80, 24};
constexpr Bounds kEQENBounds = EQButton(226);
constexpr Bounds kEQ3DENBounds = EQButton(314);
constexpr Bounds kEQResetBounds = EQButton(402);
constexpr Bounds kD33DENBounds = D3Button(226);
constexpr Bounds kD3FBMBounds = D3Button(314);
constexpr Bounds kD3ResetBounds = D3Button(402);
constexpr Bounds kMicBoostBounds = EQButton(226);
constexpr Bounds kMicMuteBounds = EQButton(314);
constexpr Bounds kMicMonitorBounds = EQButton(402);
constexpr Bounds kVirtualEnableBounds = VirtualButton(112);
constexpr Bounds kVirtualCWBounds = VirtualButton(160);
constexpr Bounds kVirtualCCWBounds = VirtualButton(196);
constexpr Bounds kVirtualNarrowBounds = VirtualButton(244);
constexpr Bounds kVirtualEnlargeBounds = VirtualButton(280);
constexpr Bounds kVirtualResetBounds = VirtualButton(328);
constexpr Bounds kENCFunctionBounds = VirtualButton(112);
constexpr Bounds kVMFunctionBounds = VirtualButton(112);

// Strip order of the page buttons: EQ, Effect, Mic, Virtual 7.1, ENC, VMEffect, LED; the 3D page
// button is hidden and takes the last slot.
constexpr int kSlotEQ = 0, kSlotEffect = 1, kSlotMic = 2, kSlotVirtual = 3, kSlotENC = 4, kSlotVM = 5, kSlotLED = 6, kSlot3D = 7;

// Declaration order is paint order (first at the bottom) and the order of the Tag lookups: the
// frame, the page strip, then each page with its pictures before its labels.
constexpr auto kControls = std::to_array<ControlDescriptor>({
    // Frame, shown on every page. Presses on the backgrounds drag the window.
    Picture(L"MainFormImage", 0, {0, 0, kMainFormClientWidth, kMainFormClientHeight}).MouseDown(kWindowDrag),
    Picture(L"MainLeftImage", 0, {0, 60, 200, 453}).MouseDown(kWindowDrag),
    Picture(L"LogoImage", 0, {16, 10, 160, 40}).MouseDown(kWindowDrag),
    Picture(L"DeviceActiveImage", 0, {16, 72, 168, 90}).MouseDown(kWindowDrag),
    TagImage(L"CloseImage", 0, 0, kCloseBounds).Click(L"CloseImageClick"),
    TagImage(L"MinimizeImage", 1, 0, kMinimizeBounds).Click(L"MinimizeImageClick"),
    TagImage(L"DeviceInImage", 54, 0, {16, 192, 24, 24}),
    TagImage(L"DeviceOutImage", 55, 0, {16, 222, 24, 24}),
    TagImage(L"SyncImage", 28, 0, kSyncBounds).Hidden(),
    TagImage(L"LEDImage", 51, 0, {104, 340, 80, 24}),
    TagImage(L"Menu1Image", 2, 0, kMenu1Bounds),
    TagImage(L"Menu2Image", 3, 0, kMenu2Bounds),
    TagImage(L"Menu3Image", 4, 0, kMenu3Bounds),
    TagImage(L"PageEQImage", 23, 0, StripSlot(kSlotEQ)),
    TagImage(L"Page3DImage", 24, 0, StripSlot(kSlot3D)).Hidden().Disabled(),
    TagImage(L"PageEffectImage", 25, 0, StripSlot(kSlotEffect)),
    TagImage(L"PageMicImage", 26, 0, StripSlot(kSlotMic)),
    TagImage(L"PageVirtual7p1Image", 27, 0, StripSlot(kSlotVirtual)),
    TagImage(L"PageLEDImage", 228, 0, StripSlot(kSlotLED)).Click(L"PageLEDClick"),
    TagImage(L"PageENCImage", 227, 0, StripSlot(kSlotENC)).Hidden(),
    TagImage(L"PageVMEffectImage", 226, 0, StripSlot(kSlotVM)).Hidden(),
    Text(L"CompanyNameLabel", 0, {190, 22, 300, 16}, L"Vorma"),
    Text(L"DeviceActiveLabel", 0, {16, 168, 168, 16}, L"Device Unactive"),
    TagLabel(L"DeviceInLabel", 54, 0, {46, 196, 138, 16}, L"Device in"),
    TagLabel(L"DeviceOutLabel", 55, 0, {46, 226, 138, 16}, L"Device out"),
    Text(L"SettingLabel", 0, {16, 262, 168, 16}, L"Setting"),
    Text(L"FeaturesLabel", 0, {16, 286, 168, 16}, L"Features"),
    Text(L"SXLabel", 0, {16, 310, 168, 16}, L"S1"),
    TagLabel(L"SyncLabel", 28, 0, CaptionOf(kSyncBounds), L"Synchronization").Hidden(),
    TagLabel(L"Menu1Label", 2, 0, CaptionOf(kMenu1Bounds), L"Save"),
    TagLabel(L"Menu2Label", 3, 0, CaptionOf(kMenu2Bounds), L"Load"),
    TagLabel(L"Menu3Label", 4, 0, CaptionOf(kMenu3Bounds), L"About"),
    PageLabel(L"PageEQLabel", 23, StripLabel(kSlotEQ), L"EQ"),
    PageLabel(L"Page3DLabel", 24, StripLabel(kSlot3D), L"3D").Hidden().Disabled(),
    PageLabel(L"PageEffectLabel", 25, StripLabel(kSlotEffect), L"Effect"),
    PageLabel(L"PageMicLabel", 26, StripLabel(kSlotMic), L"Mic"),
    PageLabel(L"PageVirtual7p1Label", 27, StripLabel(kSlotVirtual), L"Virtual7.1"),
    PageLabel(L"PageLEDLabel", 228, StripLabel(kSlotLED), L"LED").Click(L"PageLEDLabelClick"),
    PageLabel(L"PageENCLabel", 227, StripLabel(kSlotENC), L"ENC").Hidden(),
    PageLabel(L"PageVMEffectLabel", 226, StripLabel(kSlotVM), L"VMEffect").Hidden(),
    // Separators of the page-label strip; the skin's BevelLine keys show them.
    Line(L"Bevel2", StripBevel(kSlotEQ)).Hidden(),
    Line(L"Bevel3", StripBevel(kSlotEffect)).Hidden(),
    Line(L"Bevel4", StripBevel(kSlotMic)).Hidden(),
    Line(L"Bevel5", StripBevel(kSlotVirtual)).Hidden(),
    Line(L"Bevel6", StripBevel(kSlotENC)).Hidden(),
    Line(L"Bevel7", StripBevel(kSlotVM)).Hidden(),

    // Page 1: equaliser.
    Picture(L"Back_EQImage", 1, kPageArea),
    TagImage(L"EQEQENImage", 7, 1, kEQENBounds),
    TagImage(L"EQ3DENImage", 8, 1, kEQ3DENBounds),
    TagImage(L"EQResetImage", 5, 1, kEQResetBounds).Click(L"EQResetImageClick"),
    TagImage(L"EQS1Image", 9, 1, PresetButton(1)),
    TagImage(L"EQS2Image", 10, 1, PresetButton(2)),
    TagImage(L"EQS3Image", 11, 1, PresetButton(3)),
    TagImage(L"EQS4Image", 12, 1, PresetButton(4)),
    Picture(L"EQButtonLineImage1", 1, {226, 148, 564, 2}),
    Picture(L"EQButtonLineImage2", 1, {BandX(0) + 50, 160, 2, 220}),
    Picture(L"EQButtonLineImage3", 1, {BandX(1) + 50, 160, 2, 220}),
    Picture(L"EQButtonLineImage4", 1, {BandX(2) + 50, 160, 2, 220}),
    Picture(L"EQButtonLineImage5", 1, {BandX(3) + 50, 160, 2, 220}),
    Picture(L"EQGraduationImage", 1, {236, 190, 40, 160}),
    TagImage(L"EQ60HzBarImage", 129, 1, BandBar(0)),
    TagImage(L"EQ300HzBarImage", 130, 1, BandBar(1)),
    TagImage(L"EQ1200HzBarImage", 131, 1, BandBar(2)),
    TagImage(L"EQ3600HzBarImage", 132, 1, BandBar(3)),
    TagImage(L"EQ12000HzBarImage", 133, 1, BandBar(4)),
    // The lower bars lie under the sliders, so they are declared first.
    TagImage(L"EQ60HzBarDownImage", 229, 1, BandBarDown(0)),
    TagImage(L"EQ300HzBarDownImage", 230, 1, BandBarDown(1)),
    TagImage(L"EQ1200HzBarDownImage", 231, 1, BandBarDown(2)),
    TagImage(L"EQ3600HzBarDownImage", 232, 1, BandBarDown(3)),
    TagImage(L"EQ12000HzBarDownImage", 233, 1, BandBarDown(4)),
    TagImage(L"EQ60HzSliderImage", 29, 1, BandSlider(0)),
    TagImage(L"EQ300HzSliderImage", 30, 1, BandSlider(1)),
    TagImage(L"EQ1200HzSliderImage", 31, 1, BandSlider(2)),
    TagImage(L"EQ3600HzSliderImage", 32, 1, BandSlider(3)),
    TagImage(L"EQ12000HzSliderImage", 33, 1, BandSlider(4)),
    TagLabel(L"EQEQENLabel", 7, 1, CaptionOf(kEQENBounds), L"EQ-EN"),
    TagLabel(L"EQ3DENLabel", 8, 1, CaptionOf(kEQ3DENBounds), L"3D-EN"),
    TagLabel(L"EQResetLabel", 5, 1, CaptionOf(kEQResetBounds), L"RESET").Click(L"EQResetLabelClick"),
    TagLabel(L"EQS1Label", 9, 1, CaptionOf(PresetButton(1)), L"S1"),
    TagLabel(L"EQS2Label", 10, 1, CaptionOf(PresetButton(2)), L"S2"),
    TagLabel(L"EQS3Label", 11, 1, CaptionOf(PresetButton(3)), L"S3"),
    TagLabel(L"EQS4Label", 12, 1, CaptionOf(PresetButton(4)), L"S4"),
    Text(L"EQ60HzLabel", 1, BandText(0, 360), L"60HZ"),
    Text(L"EQ300HzLabel", 1, BandText(1, 360), L"300HZ"),
    Text(L"EQ1200HzLabel", 1, BandText(2, 360), L"1200HZ"),
    Text(L"EQ3600HzLabel", 1, BandText(3, 360), L"3600HZ"),
    Text(L"EQ12000HzLabel", 1, BandText(4, 360), L"12000HZ"),
    TagLabel(L"EQ60HzValueLabel", 29, 1, BandText(0, 380), L"400").Hidden(),
    TagLabel(L"EQ300HzValueLabel", 30, 1, BandText(1, 380), L"400").Hidden(),
    TagLabel(L"EQ1200HzValueLabel", 31, 1, BandText(2, 380), L"400").Hidden(),
    TagLabel(L"EQ3600HzValueLabel", 32, 1, BandText(3, 380), L"400").Hidden(),
    TagLabel(L"EQ12000HzValueLabel", 33, 1, BandText(4, 380), L"400").Hidden(),

    // Page 5: 3D. Its bars follow the slider + 100 rule but take no presses.
    Picture(L"Back_3DImage", 5, kPageArea),
    Picture(L"D3LChannelImage", 5, {240, 280, 140, 60}),
    Picture(L"D3RChannelImage", 5, {580, 280, 140, 60}),
    Picture(L"D3ConnectionImage", 5, {400, 290, 160, 40}),
    TagImage(L"D3AlphaImage", 14, 5, {240, 380, 80, 28}),
    TagImage(L"D3BetaImage", 15, 5, {330, 380, 80, 28}),
    Picture(L"D3ButtonLineImage1", 5, {226, 420, 564, 2}),
    Picture(L"D3ButtonLineImage2", 5, {226, 470, 564, 2}),
    Picture(L"D3LAlphaGraduationImage", 5, D3Graduation(kD3LAlphaX)),
    Picture(L"D3LBetaGraduationImage", 5, D3Graduation(kD3LBetaX)),
    Picture(L"D3RAlphaGraduationImage", 5, D3Graduation(kD3RAlphaX)),
    Picture(L"D3RBetaGraduationImage", 5, D3Graduation(kD3RBetaX)),
    Picture(L"D3LAlphaBarImage", 5, D3Bar(kD3LAlphaX)).WithTag(135),
    Picture(L"D3LBetaBarImage", 5, D3Bar(kD3LBetaX)).WithTag(134),
    Picture(L"D3RAlphaBarImage", 5, D3Bar(kD3RAlphaX)).WithTag(137),
    Picture(L"D3RBetaBarImage", 5, D3Bar(kD3RBetaX)).WithTag(136),
    TagImage(L"D3LAlphaSliderImage", 35, 5, D3Slider(kD3LAlphaX)),
    TagImage(L"D3LBetaSliderImage", 34, 5, D3Slider(kD3LBetaX)),
    TagImage(L"D3RAlphaSliderImage", 37, 5, D3Slider(kD3RAlphaX)),
    TagImage(L"D3RBetaSliderImage", 36, 5, D3Slider(kD3RBetaX)),
    // Bound like the Tag-routed buttons but without a Tag, so it acts as Tag 0.
    TagImage(L"D33DENImage", 0, 5, kD33DENBounds),
    TagImage(L"D3FBMImage", 13, 5, kD3FBMBounds),
    TagImage(L"D3ResetImage", 6, 5, kD3ResetBounds).Click(L"D3ResetImageClick"),
    TagLabel(L"D33DENLabel", 0, 5, CaptionOf(kD33DENBounds), L"3D-EN"),
    TagLabel(L"D3FBMLabel", 13, 5, CaptionOf(kD3FBMBounds), L"FBM"),
    TagLabel(L"D3ResetLabel", 6, 5, CaptionOf(kD3ResetBounds), L"RESET").Click(L"D3ResetLabelClick"),
    Text(L"D3LChannelLabel", 5, {240, 346, 140, 16}, L"L"),
    Text(L"D3RChannelLabel", 5, {580, 346, 140, 16}, L"R"),
    Text(L"D3ConnectLabel", 5, {400, 346, 160, 16}, L"Connect"),
    Text(L"D3LAlphaValueLabel", 5, D3Value(kD3LAlphaX), L"10").WithTag(35).Hidden(),
    Text(L"D3LBetaValueLabel", 5, D3Value(kD3LBetaX), L"3").WithTag(34).Hidden(),
    Text(L"D3RAlphaValueLabel", 5, D3Value(kD3RAlphaX), L"10").WithTag(37).Hidden(),
    Text(L"D3RBetaValueLabel", 5, D3Value(kD3RBetaX), L"3").WithTag(36).Hidden(),

    // Page 2: sound-field effects. The components with Tags 18 and 20 carry each other's names;
    // the effect pictures are assigned by Tag (effect n on Tag 15 + n).
    Picture(L"Back_EffectImage", 2, kPageArea),
    TagImage(L"EffectButtonNonImage", 16, 2, EffectButton(1)),
    TagImage(L"EffectButtonTheaterImage", 17, 2, EffectButton(2)),
    TagImage(L"EffectButtonStoneGalleryImage", 18, 2, EffectButton(3)),
    TagImage(L"EffectButtonLivingroomImage", 19, 2, EffectButton(4)),
    TagImage(L"EffectButtonBathroomImage", 20, 2, EffectButton(5)),
    Picture(L"EffectButtonLineImage1", 2, {226, 158, 150, 2}),
    Picture(L"EffectButtonLineImage2", 2, {226, 214, 150, 2}),
    Picture(L"EffectButtonLineImage3", 2, {226, 270, 150, 2}),
    Picture(L"EffectButtonLineImage4", 2, {226, 326, 150, 2}),
    Picture(L"EffectPicImage", 2, {400, 116, 390, 370}),
    TagLabel(L"EffectNonLabel", 16, 2, EffectText(1), L"Nothing"),
    TagLabel(L"EffectTheaterLabel", 17, 2, EffectText(2), L"Theater"),
    TagLabel(L"EffectBathroomLabel", 18, 2, EffectText(3), L"Bathroom"),
    TagLabel(L"EffectLivingroomLabel", 19, 2, EffectText(4), L"Living room"),
    TagLabel(L"EffectStoneGalleryLabel", 20, 2, EffectText(5), L"StoneGallery"),

    // Page 3: microphone. The gain slider travels 208..328.
    Picture(L"Back_MicImage", 3, kPageArea),
    TagImage(L"MicBoostImage", 21, 3, kMicBoostBounds),
    TagImage(L"MicMuteImage", 22, 3, kMicMuteBounds),
    TagImage(L"MicMonitorImage", 89, 3, kMicMonitorBounds),
    Picture(L"MicButtonLineImage", 3, {226, 148, 564, 2}),
    Picture(L"MicPicImage", 3, {480, 170, 300, 220}),
    Picture(L"MicProgressImage", 3, {480, 420, 203, 12}),
    Picture(L"MicGainImage", 3, {226, 170, 120, 24}),
    Picture(L"MicGraduationImage", 3, {246, 198, 20, 150}),
    TagImage(L"MicBarImage", 138, 3, {296, 198, 8, 150}),
    TagImage(L"MicBarDownImage", 238, 3, {296, 278, 8, 70}),
    TagImage(L"MicSliderImage", 38, 3, {284, 268, 32, 20}),
    Picture(L"MicValueImage", 3, {340, 262, 60, 28}),
    TagLabel(L"MicBoostLabel", 21, 3, CaptionOf(kMicBoostBounds), L"Boost"),
    TagLabel(L"MicMuteLabel", 22, 3, CaptionOf(kMicMuteBounds), L"Mute"),
    TagLabel(L"MicMonitorLabel", 89, 3, CaptionOf(kMicMonitorBounds), L"Monitor"),
    Text(L"MicGainLabel", 3, {226, 174, 120, 16}, L"Gain"),
    TagLabel(L"MicValueLabel", 38, 3, {340, 268, 60, 16}, L"0"),
    Box(L"ListenToDeviceCheckBox", 3, {226, 470, 160, 20}, L"ListenToDevice", L"ListenToDeviceCheckBoxClick").Hidden().Disabled(),

    // Page 4: virtual 7.1. Speakers sit around the centre (560, 251) inside VirtualPicImage.
    Picture(L"Back_Virtual7p1Image", 4, kPageArea),
    Picture(L"VirtualPicImage", 4, {420, 111, 280, 280}),
    TagImage(L"VirtualEnableImage", 47, 4, kVirtualEnableBounds),
    TagImage(L"VirtualClockwiseImage", 49, 4, kVirtualCWBounds),
    TagImage(L"VirtualCounterclockwiseImage", 50, 4, kVirtualCCWBounds),
    TagImage(L"VirtualNarrowImage", 52, 4, kVirtualNarrowBounds),
    TagImage(L"VirtualEnlargeImage", 53, 4, kVirtualEnlargeBounds),
    TagImage(L"VirtualResetImage", 48, 4, kVirtualResetBounds).Click(L"VirtualResetImageClick"),
    Picture(L"VirtualButtonLineImage1", 4, {226, 148, 100, 2}),
    Picture(L"VirtualButtonLineImage2", 4, {226, 232, 100, 2}),
    Picture(L"VirtualButtonLineImage3", 4, {226, 316, 100, 2}),
    TagImage(L"VirtualLImage", 39, 4, {498, 189, 32, 32}),
    TagImage(L"VirtualRImage", 40, 4, {622, 189, 32, 32}),
    TagImage(L"VirtualCImage", 41, 4, {560, 163, 32, 32}),
    TagImage(L"VirtualSUBImage", 42, 4, {560, 300, 32, 32}),
    TagImage(L"VirtualLSImage", 43, 4, {472, 251, 32, 32}),
    TagImage(L"VirtualRSImage", 44, 4, {648, 251, 32, 32}),
    TagImage(L"VirtualLBImage", 45, 4, {498, 313, 32, 32}),
    TagImage(L"VirtualRBImage", 46, 4, {622, 313, 32, 32}),
    Picture(L"BeeImage", 4, {544, 235, 32, 32}).Hidden(),
    TagLabel(L"VirtualENLabel", 47, 4, CaptionOf(kVirtualEnableBounds), L"7ch1-EN"),
    TagLabel(L"VirtualClockwiseLabel", 49, 4, CaptionOf(kVirtualCWBounds), L"CW"),
    TagLabel(L"VirtualCounterclockwiseLabel", 50, 4, CaptionOf(kVirtualCCWBounds), L"CCW"),
    TagLabel(L"VirtualEnlargeLabel", 53, 4, CaptionOf(kVirtualEnlargeBounds), L"Enlarge"),
    TagLabel(L"VirtualNarrowLabel", 52, 4, CaptionOf(kVirtualNarrowBounds), L"Narrow"),
    TagLabel(L"VirtualResetLabel", 48, 4, CaptionOf(kVirtualResetBounds), L"RESET").Click(L"VirtualResetLabelClick"),
    Box(L"BeeCheckBox", 4, {226, 470, 80, 20}, L"Bee", L"BeeCheckBoxClick").Hidden(),

    // Page 6: LED (used when the skin's LEDPageMode is 1). The palette lies beneath the dots.
    Dot(L"ColorPaletteShape", 190, {230, 140, 360, 44}, kWhite).WithShape(ShapeKind::Rectangle).Hidden(),
    Dot(L"Color01Shape", 151, LEDDot(1), 255).MouseDown(kShapeDown),
    Dot(L"Color02Shape", 152, LEDDot(2), 65535).MouseDown(kShapeDown),
    Dot(L"Color03Shape", 153, LEDDot(3), 32768).MouseDown(kShapeDown),
    Dot(L"Color04Shape", 154, LEDDot(4), 16711680).MouseDown(kShapeDown),
    Dot(L"Color05Shape", 155, LEDDot(5), 16711935).MouseDown(kShapeDown),
    Dot(L"Color06Shape", 156, LEDDot(6), 8388736).MouseDown(kShapeDown),
    Dot(L"Color07Shape", 157, LEDDot(7), 65280).MouseDown(kShapeDown),
    Dot(L"Color08Shape", 158, LEDDot(8), kWhite).Hidden(),
    Dot(L"Color09Shape", 159, LEDDot(9), kWhite).Hidden(),
    Dot(L"Color10Shape", 160, LEDDot(10), kWhite).Hidden(),
    Dot(L"ColorBreatheShape", 183, {560, 300, 24, 24}, 255).MouseDown(kShapeDown),
    Dot(L"ColorSingleShape", 184, {560, 250, 24, 24}, 255).MouseDown(kShapeDown),
    Dot(L"ColorSelectShape", 0, {236, 146, 32, 32}, kWhite).WithShape(ShapeKind::Rectangle).Hidden(),
    Picture(L"ColorLEDOffCheckImage", 6, {240, 210, 20, 20}).WithTag(340).Click(L"ColorLEDOffCheckImageClick"),
    Picture(L"ColorSingleCheckImage", 6, {240, 252, 20, 20}).WithTag(341).Click(L"ColorSingleCheckImageClick"),
    Picture(L"ColorBreatheCheckImage", 6, {240, 302, 20, 20}).WithTag(338).Click(L"ColorBreatheCheckImageClick"),
    Picture(L"ColorRainbowCheckImage", 6, {240, 352, 20, 20}).WithTag(339).Click(L"ColorRainbowCheckImageClick"),
    Picture(L"ColorPulsatingCheckImage", 6, {240, 402, 20, 20}).WithTag(337).Click(L"ColorPulsatingCheckImageClick"),
    Picture(L"ColorBreatheBarImage", 6, {400, 306, 240, 12}).WithTag(238),
    Picture(L"ColorRainbowBarImage", 6, {400, 356, 240, 12}).WithTag(239),
    Picture(L"ColorPulsatingBarImage", 6, {400, 406, 240, 12}).WithTag(237),
    Picture(L"ColorBreatheSliderImage", 6, {400, 300, 16, 24}).WithTag(438)
        .MouseDown(L"ColorBreatheSliderImageMouseDown").MouseMove(L"ColorBreatheSliderImageMouseMove").MouseUp(L"ColorBreatheSliderImageMouseUp"),
    Picture(L"ColorRainbowSliderImage", 6, {400, 350, 16, 24}).WithTag(439)
        .MouseDown(L"ColorRainbowSliderImageMouseDown").MouseMove(L"ColorRainbowSliderImageMouseMove").MouseUp(L"ColorRainbowSliderImageMouseUp"),
    Picture(L"ColorPulsatingSliderImage", 6, {400, 400, 16, 24}).WithTag(437)
        .MouseDown(L"ColorPulsatingSliderImageMouseDown").MouseMove(L"ColorPulsatingSliderImageMouseMove").MouseUp(L"ColorPulsatingSliderImageMouseUp"),
    Text(L"ColorBreatheLabel", 6, {266, 304, 120, 16}, L"Breathe"),
    Text(L"ColorRainbowLabel", 6, {266, 354, 120, 16}, L"Rainbow"),
    Text(L"ColorPulsatingLabel", 6, {266, 404, 120, 16}, L"Multi-Breathe"),
    Text(L"ColorSelectLabel", 6, {240, 120, 200, 16}, L"SELECT COLOR"),
    Text(L"ColorEffectLabel", 6, {240, 186, 200, 16}, L"EFFECT SETTING"),
    Text(L"ColorLEDOffLabel", 6, {266, 212, 120, 16}, L"LED OFF"),
    Text(L"ColorSingleLabel", 6, {266, 254, 120, 16}, L"SINGLE COLOR"),
    Text(L"ColorSlowLabel", 6, {400, 440, 60, 16}, L"SLOW"),
    Text(L"ColorFastLabel", 6, {580, 440, 60, 16}, L"FAST"),

    // Page 7: ENC. The slider has handlers of its own besides the drag of the message hook.
    Picture(L"ENCFunctionImage", 7, kENCFunctionBounds).Click(L"ENCFunctionImageClick"),
    TagImage(L"ENCBarImage", 188, 7, {400, 130, 8, 240}),
    Picture(L"ENCSliderImage", 7, {388, 240, 32, 20}).WithTag(88)
        .MouseDown(L"ENCSliderImageMouseDown").MouseMove(L"ENCSliderImageMouseMove").MouseUp(L"ENCSliderImageMouseUp"),
    Picture(L"ENCValueImage", 7, {440, 234, 60, 28}),
    Text(L"ENCFunctionLabel", 7, CaptionOf(kENCFunctionBounds), L"ENC").Click(L"ENCFunctionImageClick"),
    TagLabel(L"ENCValueLabel", 38, 7, {440, 240, 60, 16}, L"0"),

    // Page 8: voice effect.
    Picture(L"VMEffectNoneImage", 8, VMButton(0)).Click(L"VMEffectNoneImageClick"),
    Picture(L"VMEffect1Image", 8, VMButton(1)).Click(L"VMEffect1ImageClick"),
    Picture(L"VMEffect2Image", 8, VMButton(2)).Click(L"VMEffect2ImageClick"),
    Picture(L"VMEffect3Image", 8, VMButton(3)).Click(L"VMEffect3ImageClick"),
    Picture(L"VMEffect4Image", 8, VMButton(4)).Click(L"VMEffect4ImageClick"),
    Picture(L"VMFunctionImage", 8, kVMFunctionBounds).Click(L"VMFunctionImageClick"),
    Text(L"VMEffectNoneLabel", 8, CaptionOf(VMButton(0)), L"None").Click(L"VMEffectNoneImageClick"),
    Text(L"VMEffect1Label", 8, CaptionOf(VMButton(1)), L"Effect 1").Click(L"VMEffect1ImageClick"),
    Text(L"VMEffect2Label", 8, CaptionOf(VMButton(2)), L"Effect 2").Click(L"VMEffect2ImageClick"),
    Text(L"VMEffect3Label", 8, CaptionOf(VMButton(3)), L"Effect 3").Click(L"VMEffect3ImageClick"),
    Text(L"VMEffect4Label", 8, CaptionOf(VMButton(4)), L"Effect 4").Click(L"VMEffect4ImageClick"),
    Text(L"VMFunctionLabel", 8, CaptionOf(kVMFunctionBounds), L"Voice effect").Click(L"VMFunctionImageClick"),

    // Folder names of the language menu's items, kept beside the menu and never shown.
    [] {
      ControlDescriptor c;
      c.kind = ControlKind::ListBox;
      c.name = L"ListBoxLanguageMap";
      c.bounds = {16, 16, 120, 80};
      c.visible = false;
      return c;
    }(),
});

constexpr auto kTimers = std::to_array<TimerDescriptor>({
    {L"Timer", 20, false, L"TimerTimer"},  // runs only while the 7.1 speakers move
    {L"Timer1", 2000, false, L"Timer1Timer"},
    {L"BeeTimer", 10, false, L"BeeTimerTimer"},
    {L"BeePlayTimer", 100, false, L"BeePlayTimerTimer"},
});

constexpr auto kMenuItems = std::to_array<MenuItemDescriptor>({
    {L"LanguageMenu", L"PopupMenu", L"Language", {}, true},
    {L"SkinMenu", L"PopupMenu", L"Skin", {}, true},
    {L"ModeMenu", L"PopupMenu", L"Plugin", {}, true},
    {L"CloseMenu", L"PopupMenu", L"Close", L"CloseMenuClick", true},
});

constexpr auto kTrayIcons = std::to_array<TrayIconDescriptor>({
    {L"CTrayIcon", L"PopupMenu", L"ImageList", 0, {}, true, true, true, true, L"CTrayIconRestore"},
});

constexpr auto kComponents = std::to_array<ComponentDescriptor>({
    {ComponentKind::PopupMenu, L"PopupMenu", {}, {}, false},
    {ComponentKind::ImageList, L"ImageList", {}, {}, false},
    {ComponentKind::ColorDialog, L"ColorDialog", {}, {}, false},
    {ComponentKind::SaveDialog, L"SaveDialog", L"AudioSetting.ini", L"INI (*.ini)|*.ini", false},
    {ComponentKind::OpenDialog, L"OpenDialog", {}, L"INI (*.ini)|*.ini", false},
    {ComponentKind::MediaPlayer, L"MediaPlayer", {}, {}, false},
});

constexpr FormDescriptor kMainForm{
    L"TAudioMainForm",
    L"Vormapanel",
    kMainFormClientWidth,
    kMainFormClientHeight,
    FormBorder::None,
    FormPosition::ScreenCenter,
    true,
    kFormFont,
    {L"FormCreate", {}, L"FormActivate", {}, L"FormDestroy", kWindowDrag},
    kControls,
    kTimers,
    kMenuItems,
    kTrayIcons,
    kComponents,
};

}  // namespace

const FormDescriptor& MainFormResource() { return kMainForm; }

}  // namespace vorma::shell
