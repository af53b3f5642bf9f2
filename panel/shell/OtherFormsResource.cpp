#include "panel/shell/OtherFormsResource.h"

#include <array>

#include "panel/shell/MainFormResource.h"

namespace vorma::shell {
namespace {

constexpr FontSpec kTahoma{L"Tahoma", 9, FontUnit::Points, kBlack};
constexpr FontSpec kTahoma15px{L"Tahoma", 15, FontUnit::Pixels, kBlack};

constexpr ControlDescriptor Make(ControlKind kind, std::wstring_view name, Bounds bounds, std::wstring_view caption = {}) {
  ControlDescriptor c;
  c.kind = kind;
  c.name = name;
  c.bounds = bounds;
  c.caption = caption;
  return c;
}

constexpr ControlDescriptor Track(std::wstring_view name, int tag, Bounds bounds, TrackRange range) {
  ControlDescriptor c = Make(ControlKind::TrackBar, name, bounds).WithTag(tag);
  c.range = range;
  return c;
}

constexpr ControlDescriptor Rectangle(std::wstring_view name, int tag, Bounds bounds, ColorValue brush) {
  ControlDescriptor c = Make(ControlKind::Shape, name, bounds).WithTag(tag);
  c.brushColor = brush;
  return c;
}

// ---- TAboutForm -------------------------------------------------------------------------------

// The texts are placeholders: the language file gives both before the dialog is shown.
constexpr auto kAboutControls = std::to_array<ControlDescriptor>({
    Make(ControlKind::Label, L"AboutLabel", {88, 20, 260, 36}, L"Vormapanel").WordWrapped().WithFont(kTahoma15px),
    Make(ControlKind::Image, L"LOGOQZImage", {16, 20, 57, 49}).Stretched(),
    Make(ControlKind::Label, L"WebLabel", {88, 51, 173, 18}, L"https://www.example.com/")
        .WordWrapped()
        .WithFont({L"Tahoma", 15, FontUnit::Pixels, kBlue, true})
        .Click(L"WebLabelClick"),
});

constexpr FormDescriptor kAboutForm{
    L"TAboutForm", L"About", 479, 89, FormBorder::Dialog, FormPosition::MainFormCenter, false, kTahoma, {},
    kAboutControls, {}, {}, {}, {},
};

// ---- TSimpleForm ------------------------------------------------------------------------------

constexpr auto kEffectModes = std::to_array<std::wstring_view>({L"None", L"Music", L"Game", L"Movie"});

constexpr auto kSimpleControls = std::to_array<ControlDescriptor>({
    Make(ControlKind::Image, L"EffectImage", {152, 24, 105, 105}).Stretched(),
    [] {
      ControlDescriptor c = Make(ControlKind::RadioGroup, L"EffectModeRadioGroup", {16, 8, 113, 189}, L"Mode")
                                .Disabled()
                                .WithFont({L"Consolas", 19, FontUnit::Pixels, kBlack})
                                .Click(L"EffectModeRadioGroupClick");
      c.items = kEffectModes;
      c.itemIndex = 0;
      return c;
    }(),
});

constexpr FormDescriptor kSimpleForm{
    L"TSimpleForm", L"SimpleForm", 559, 462, FormBorder::Dialog, FormPosition::ScreenCenter, false, kTahoma,
    {{}, L"FormShow", L"FormActivate", {}, L"FormDestroy", {}},
    kSimpleControls, {}, {}, {}, {},
};

// ---- TLEDForm ---------------------------------------------------------------------------------

constexpr std::wstring_view kColorSet = L"GroupBoxColorSet";
constexpr std::wstring_view kBrightness = L"GroupBoxBrightness";
constexpr std::wstring_view kEffectSetting = L"GroupBoxEffectSetting";
constexpr std::wstring_view kLEDNumber = L"GroupBoxLEDNumber";
constexpr std::wstring_view kMasterSlave = L"GroupBoxMasterSlave";

// Mode m's radio button lies at ModeRow(m) inside "Effect setting"; its speed bar starts 96 pixels
// and its colour dot 360 pixels right of the radio's left edge.
constexpr int kModeRadioLeft = 16;
constexpr int ModeRow(int mode) { return 24 + (mode - 1) * 32; }
constexpr Bounds ModeRadio(int mode) { return {kModeRadioLeft, ModeRow(mode), 96, 20}; }
constexpr Bounds ModeBar(int mode) { return {kModeRadioLeft + 96, ModeRow(mode), 240, 24}; }
constexpr Bounds ModeDot(int mode) { return {kModeRadioLeft + 360, ModeRow(mode), 20, 20}; }
constexpr TrackRange kSpeedRange{1, 255, 1, 1};
constexpr Bounds ColorSetDot(int slot) { return {16 + (slot - 1) * 40, 24, 28, 28}; }

constexpr ControlDescriptor ModeButton(std::wstring_view name, int mode, std::wstring_view caption, std::wstring_view onMouseDown) {
  return Make(ControlKind::RadioButton, name, ModeRadio(mode), caption).WithTag(mode).In(kEffectSetting).MouseDown(onMouseDown);
}

constexpr auto kLEDControls = std::to_array<ControlDescriptor>({
    Make(ControlKind::GroupBox, kColorSet, {8, 8, 501, 80}, L"Color set"),
    Rectangle(L"Shape1", 1, ColorSetDot(1), kWhite).In(kColorSet).MouseDown(L"ShapeMouseDown"),
    Rectangle(L"Shape2", 2, ColorSetDot(2), kWhite).In(kColorSet).MouseDown(L"ShapeMouseDown"),
    Rectangle(L"Shape3", 3, ColorSetDot(3), kWhite).In(kColorSet).MouseDown(L"ShapeMouseDown"),
    Rectangle(L"Shape4", 4, ColorSetDot(4), kWhite).In(kColorSet).MouseDown(L"ShapeMouseDown"),
    Rectangle(L"Shape5", 5, ColorSetDot(5), kWhite).In(kColorSet).MouseDown(L"ShapeMouseDown"),
    Rectangle(L"Shape6", 6, ColorSetDot(6), kWhite).In(kColorSet).MouseDown(L"ShapeMouseDown"),
    Rectangle(L"Shape7", 7, ColorSetDot(7), kWhite).In(kColorSet).MouseDown(L"ShapeMouseDown"),
    Make(ControlKind::Button, L"ButtonSetColor", {300, 26, 100, 28}, L"Select Color").In(kColorSet).Click(L"ButtonSetColorClick"),
    Make(ControlKind::GroupBox, kBrightness, {8, 96, 501, 56}, L"Brightness"),
    Make(ControlKind::Label, L"LabelBrightness", {16, 24, 80, 16}, L"Brightness :").In(kBrightness),
    Track(L"TrackBarBrightness", 0, {100, 18, 300, 30}, {1, 6, 1, 1}).In(kBrightness).Change(L"TrackBarBrightnessChange"),
    Make(ControlKind::GroupBox, kEffectSetting, {8, 160, 501, 250}, L"Effect setting"),
    ModeButton(L"RadioButtonOff", 1, L"LED Off", L"RadioButtonOffMouseDown").Checked(),
    ModeButton(L"RadioButtonOn", 2, L"Single color", L"RadioButtonOnMouseDown"),
    ModeButton(L"RadioButtonBlinking", 3, L"Blinking", L"RadioButtonMouseDown"),
    ModeButton(L"RadioButtonBreathe", 4, L"Breathe", L"RadioButtonMouseDown"),
    ModeButton(L"RadioButtonRainbow", 5, L"Rainbow", L"RadioButtonMouseDown"),
    ModeButton(L"RadioButtonMultiBreathe", 6, L"Multi Breathe", L"RadioButtonMouseDown"),
    ModeButton(L"RadioButtonSingleRandom", 7, L"Single Random", L"RadioButtonMouseDown"),
    Track(L"TrackBarBlinking", 3, ModeBar(3), kSpeedRange).In(kEffectSetting).Change(L"TrackBarEffectChange"),
    Track(L"TrackBarBreathe", 4, ModeBar(4), kSpeedRange).In(kEffectSetting).Change(L"TrackBarEffectChange"),
    Track(L"TrackBarRainbow", 5, ModeBar(5), kSpeedRange).In(kEffectSetting).Change(L"TrackBarEffectChange"),
    Track(L"TrackBarMultiBreathe", 6, ModeBar(6), kSpeedRange).In(kEffectSetting).Change(L"TrackBarEffectChange"),
    Track(L"TrackBarSingleRandom", 7, ModeBar(7), kSpeedRange).In(kEffectSetting).Change(L"TrackBarEffectChange"),
    Rectangle(L"ShapeSingleColor", 102, ModeDot(2), kWhite).In(kEffectSetting).MouseDown(L"SingleColorShapeMouseDown"),
    Rectangle(L"ShapeBlinkingColor", 103, ModeDot(3), kWhite).In(kEffectSetting).MouseDown(L"SingleColorShapeMouseDown"),
    Rectangle(L"ShapeBreatheColor", 104, ModeDot(4), kWhite).In(kEffectSetting).MouseDown(L"SingleColorShapeMouseDown"),
    Make(ControlKind::GroupBox, kLEDNumber, {8, 418, 240, 56}, L"LED Number"),
    Make(ControlKind::RadioButton, L"RadioButtonLED1", {16, 24, 64, 20}, L"LED1").In(kLEDNumber).Click(L"RadioButtonLED1Click"),
    Make(ControlKind::RadioButton, L"RadioButtonLED2", {88, 24, 64, 20}, L"LED2").In(kLEDNumber).Click(L"RadioButtonLED2Click"),
    Make(ControlKind::RadioButton, L"RadioButtonAllLED", {160, 24, 72, 20}, L"LED All").In(kLEDNumber).Checked().Click(L"RadioButtonAllLEDClick"),
    Make(ControlKind::GroupBox, kMasterSlave, {256, 418, 253, 56}, L"Master / Slave"),
    Make(ControlKind::RadioButton, L"RadioButtonMaster", {16, 24, 80, 20}, L"Master").In(kMasterSlave).Checked(),
    Make(ControlKind::RadioButton, L"RadioButtonSlave", {112, 24, 80, 20}, L"Slave").In(kMasterSlave),
    Make(ControlKind::Button, L"ButtonClose", {417, 500, 92, 30}, L"Close").Click(L"ButtonCloseClick"),
});

constexpr auto kLEDComponents = std::to_array<ComponentDescriptor>({
    {ComponentKind::ColorDialog, L"ColorDialog", {}, {}, false},
});

constexpr FormDescriptor kLEDForm{
    L"TLEDForm", L"LEDForm", 517, 548, FormBorder::Dialog, FormPosition::ScreenCenter, false, kTahoma,
    {{}, L"FormShow", {}, L"FormClose", L"FormDestroy", {}},
    kLEDControls, {}, {}, {}, kLEDComponents,
};

// ---- TLEDColorForm ----------------------------------------------------------------------------

constexpr std::wstring_view kColorSetting = L"GroupBoxColorSetting";

// 48 swatches of 20 x 20 pixels, eight to a row, 26 pixels apart from (16, 29) in the group.
constexpr ControlDescriptor Swatch(std::wstring_view name, int tag, std::uint32_t rgb) {
  const int index = tag - 1;
  const Bounds bounds{16 + (index % 8) * 26, 29 + (index / 8) * 26, 20, 20};
  return Rectangle(name, tag, bounds, ColorFromRgbHex(rgb)).In(kColorSetting).MouseDown(L"ShapeMouseDown");
}

constexpr auto kLEDColorControls = std::to_array<ControlDescriptor>({
    Make(ControlKind::GroupBox, kColorSetting, {8, 8, 234, 192}, L"Color Setting"),
    Swatch(L"Shape1", 1, 0xFF8080),
    Swatch(L"Shape2", 2, 0xFFFF80),
    Swatch(L"Shape3", 3, 0x80FF80),
    Swatch(L"Shape4", 4, 0x00FF80),
    Swatch(L"Shape5", 5, 0x80FFFF),
    Swatch(L"Shape6", 6, 0x0080FF),
    Swatch(L"Shape7", 7, 0xFF80C0),
    Swatch(L"Shape8", 8, 0xFF80FF),
    Swatch(L"Shape9", 9, 0xFF0000),
    Swatch(L"Shape10", 10, 0xFFFF00),
    Swatch(L"Shape11", 11, 0x80FF00),
    Swatch(L"Shape12", 12, 0x00FF40),
    Swatch(L"Shape13", 13, 0x00FFFF),
    Swatch(L"Shape14", 14, 0x0080C0),
    Swatch(L"Shape15", 15, 0x8080C0),
    Swatch(L"Shape16", 16, 0xFF00FF),
    Swatch(L"Shape17", 17, 0x804040),
    Swatch(L"Shape18", 18, 0xFF8040),
    Swatch(L"Shape19", 19, 0x00FF00),
    Swatch(L"Shape20", 20, 0x008080),
    Swatch(L"Shape21", 21, 0x004080),
    Swatch(L"Shape22", 22, 0x8080FF),
    Swatch(L"Shape23", 23, 0x800040),
    Swatch(L"Shape24", 24, 0xFF0080),
    Swatch(L"Shape25", 25, 0x800000),
    Swatch(L"Shape26", 26, 0xFF8000),
    Swatch(L"Shape27", 27, 0x008000),
    Swatch(L"Shape28", 28, 0x008040),
    Swatch(L"Shape29", 29, 0x0000FF),
    Swatch(L"Shape30", 30, 0x0000A0),
    Swatch(L"Shape31", 31, 0x800080),
    Swatch(L"Shape32", 32, 0x8000FF),
    Swatch(L"Shape33", 33, 0x8B3D48),
    Swatch(L"Shape34", 34, 0x804000),
    Swatch(L"Shape35", 35, 0x004000),
    Swatch(L"Shape36", 36, 0x004040),
    Swatch(L"Shape37", 37, 0x000080),
    Swatch(L"Shape38", 38, 0xCD0040),
    Swatch(L"Shape39", 39, 0x400040),
    Swatch(L"Shape40", 40, 0x400080),
    Swatch(L"Shape41", 41, 0x401296),
    Swatch(L"Shape42", 42, 0x808000),
    Swatch(L"Shape43", 43, 0x40C080),
    Swatch(L"Shape44", 44, 0x8055CD),
    Swatch(L"Shape45", 45, 0x40C0FF),
    Swatch(L"Shape46", 46, 0xFFCD80),
    Swatch(L"Shape47", 47, 0x40CD00),
    Swatch(L"Shape48", 48, 0xC7388C),
    Make(ControlKind::Button, L"ButtonOK", {40, 210, 75, 25}, L"OK").Click(L"ButtonOKClick"),
    Make(ControlKind::Button, L"ButtonCancel", {135, 210, 75, 25}, L"Cancel").Click(L"ButtonCancelClick"),
});

constexpr FormDescriptor kLEDColorForm{
    L"TLEDColorForm", L"LED_Color", 250, 245, FormBorder::None, FormPosition::MainFormCenter, false, kTahoma,
    {{}, {}, {}, {}, {}, L"FormMouseDown"},
    kLEDColorControls, {}, {}, {}, {},
};

}  // namespace

const FormDescriptor& AboutFormResource() { return kAboutForm; }
const FormDescriptor& SimpleFormResource() { return kSimpleForm; }
const FormDescriptor& LEDFormResource() { return kLEDForm; }
const FormDescriptor& LEDColorFormResource() { return kLEDColorForm; }

std::span<const FormDescriptor* const> FormCreationOrder() {
  static const std::array<const FormDescriptor*, 5> kOrder{
      &MainFormResource(), &kAboutForm, &kLEDForm, &kSimpleForm, &kLEDColorForm};
  return kOrder;
}

}  // namespace vorma::shell
