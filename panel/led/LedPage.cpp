#include "panel/led/LedPage.h"

#include "panel/features/MainWindowTags.h"
#include "panel/led/LedCommands.h"

#include <algorithm>

namespace vorma::led {

namespace {

// The controls and the controller mode of each effect.
struct EffectControls {
  LedEffect effect;
  int deviceMode;
  std::wstring_view check, checkUp, checkDown;
  std::wstring_view slider, sliderUp, sliderDown;
  std::wstring_view bar;
};

constexpr std::array<EffectControls, 3> kEffects{{
    {LedEffect::Breathe, kLedModeBreathe, L"ColorBreatheCheckImage", L"ColorBreatheCheckUpImage",
     L"ColorBreatheCheckDownImage", L"ColorBreatheSliderImage", L"ColorBreatheSliderUpImage",
     L"ColorBreatheSliderDownImage", L"ColorBreatheBarImage"},
    {LedEffect::Rainbow, kLedModeRainbow, L"ColorRainbowCheckImage", L"ColorRainbowCheckUpImage",
     L"ColorRainbowCheckDownImage", L"ColorRainbowSliderImage", L"ColorRainbowSliderUpImage",
     L"ColorRainbowSliderDownImage", L"ColorRainbowBarImage"},
    {LedEffect::MultiBreathe, kLedModeMultiBreathe, L"ColorPulsatingCheckImage", L"ColorPulsatingCheckUpImage",
     L"ColorPulsatingCheckDownImage", L"ColorPulsatingSliderImage", L"ColorPulsatingSliderUpImage",
     L"ColorPulsatingSliderDownImage", L"ColorPulsatingBarImage"},
}};

constexpr int kLastDotTag = kTagLedColourDotFirst + kLedColourDotTagCount - 1;
constexpr COLORREF kHighlightPen = 15780518;  // R 166, G 202, B 240

constexpr std::int32_t Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
// The rainbow effect's own colours, never the user's.
constexpr std::int32_t kP1 = Rgb(9, 240, 247), kP2 = Rgb(169, 247, 9), kP3 = Rgb(245, 10, 245);
constexpr std::array<std::int32_t, 7> kRainbowPattern{kP1, kP2, kP3, kP2, kP1, kP3, kP2};

constexpr DWORD kAfterCommandMs = 10;
constexpr DWORD kBetweenColoursMs = 8;
constexpr DWORD kFailedBreatheColourMs = 100;
constexpr DWORD kStartPauseMs = 20;

int IndexOf(LedEffect effect) { return static_cast<int>(effect) - 1; }
const EffectControls& ControlsOf(LedEffect effect) { return kEffects[IndexOf(effect)]; }

}  // namespace

CLedPage::CLedPage(FeatureContext& context, LedPageHost& host)
    : context_(context), controls_(context.Window()), host_(host) {}

LedPageValues CLedPage::Values() const {
  const LedEffectValues shared = state_.Snapshot();
  LedPageValues v;
  v.pageMode = m_iLEDPageMode;
  v.off = m_iLEDOff;
  v.singleColor = m_iLEDSingleColor;
  v.effectMode = m_iLEDEffectMode;
  v.breatheSpeed = shared.breatheSpeed;
  v.rainbowSpeed = shared.rainbowSpeed;
  v.multiBreatheSpeed = shared.multiBreatheSpeed;
  v.sliderPos = m_iLEDSliderPos;
  v.singleColorRgb = m_iLEDSingleColorRGB;
  v.breatheColorRgb = m_iLEDBreatheColorRGB;
  v.colours = shared.colours;
  v.fastRightSide = m_iLEDFastRightSide;
  return v;
}

// --- skin ---

void CLedPage::TakeSkinValues(int pageMode, int fastRightSide) {
  m_iLEDPageMode = pageMode;
  m_iLEDFastRightSide = fastRightSide;
  state_.ResetColours();
  m_iLEDSingleColorRGB = kDefaultSingleColour;
  m_iLEDBreatheColorRGB = kDefaultBreatheColour;
}

void CLedPage::ApplyShapeDefaultColour(std::wstring_view key) {
  if (key == L"ColorSingleShape") return FillShape(kTagLedSingleDot, m_iLEDSingleColorRGB);
  if (key == L"ColorBreatheShape") return FillShape(kTagLedBreatheDot, m_iLEDBreatheColorRGB);
  // Color01Shape .. Color07Shape
  if (key.size() == 12 && key.starts_with(L"Color0") && key.ends_with(L"Shape")) {
    const int index = key[6] - L'0';
    if (index >= 1 && index <= 7) FillShape(kTagLedColourDotFirst + index - 1, state_.Colour(index));
  }
}

void CLedPage::ApplySkinPictures() {
  // The bars first: the sliders are kept on them.
  for (const EffectControls& e : kEffects)
    if (forms::Image* bar = controls_.ImageNamed(e.bar)) controls_.ChangeImageAttr(*bar, e.bar);
  ShowCheck(L"ColorLEDOffCheckImage", L"ColorLEDOffCheckUpImage", L"ColorLEDOffCheckDownImage", m_iLEDOff == 1);
  ShowEffectPictures();
  for (const EffectControls& e : kEffects) {
    forms::Image* slider = controls_.ImageNamed(e.slider);
    forms::Image* bar = controls_.ImageNamed(e.bar);
    if (slider && bar) slider->SetLeft(std::max(m_iLEDSliderPos[IndexOf(e.effect)], bar->Left()));
  }
  ShowCheck(L"ColorSingleCheckImage", L"ColorSingleCheckUpImage", L"ColorSingleCheckDownImage", m_iLEDSingleColor == 1);
}

// --- pictures ---

std::wstring_view CLedPage::PictureKeyOf(std::wstring_view name) const {
  if (name == L"ColorLEDOffCheckImage") return m_iLEDOff == 1 ? L"ColorLEDOffCheckDownImage" : L"ColorLEDOffCheckUpImage";
  if (name == L"ColorSingleCheckImage")
    return m_iLEDSingleColor == 1 ? L"ColorSingleCheckDownImage" : L"ColorSingleCheckUpImage";
  for (const EffectControls& e : kEffects) {
    const bool chosen = m_iLEDEffectMode == static_cast<int>(e.effect);
    if (name == e.check) return chosen ? e.checkDown : e.checkUp;
    if (name == e.slider) return chosen ? e.sliderDown : e.sliderUp;
  }
  return {};
}

void CLedPage::ShowCheck(std::wstring_view image, std::wstring_view upKey, std::wstring_view downKey, bool down) {
  if (forms::Image* control = controls_.ImageNamed(image)) controls_.ChangeImageAttr(*control, down ? downKey : upKey);
}

// The chosen effect's check image and slider show their Down pictures, the others their Up ones.
void CLedPage::ShowEffectPictures() {
  for (const EffectControls& e : kEffects) {
    const bool chosen = m_iLEDEffectMode == static_cast<int>(e.effect);
    ShowCheck(e.check, e.checkUp, e.checkDown, chosen);
    ShowCheck(e.slider, e.sliderUp, e.sliderDown, chosen);
  }
}

void CLedPage::FillShape(int tag, std::int32_t colour) {
  if (forms::Shape* shape = host_.FindShapeByTag(tag)) shape->SetBrushColor(static_cast<COLORREF>(colour));
}

LedBarGeometry CLedPage::BarOf(LedEffect effect) {
  const EffectControls& e = ControlsOf(effect);
  LedBarGeometry geometry;
  if (forms::Image* bar = controls_.ImageNamed(e.bar)) {
    geometry.barLeft = bar->Left();
    geometry.barWidth = bar->Width();
  }
  if (forms::Image* slider = controls_.ImageNamed(e.slider)) geometry.sliderWidth = slider->Width();
  return geometry;
}

// --- colour dots ---

void CLedPage::OnShapeMouseDown(forms::Shape& dot) {
  if (forms::Shape* previous = host_.FindShapeByTag(m_iLEDSelectedShape)) {
    previous->SetPenColor(RGB(0, 0, 0));
    previous->SetPenWidth(1);
  }
  m_iLEDSelectedShape = dot.Tag();
  dot.SetPenColor(kHighlightPen);
  dot.SetPenWidth(3);
  COLORREF chosen = dot.BrushColor();
  // Black counts as no choice.
  if (!host_.ChooseColour(chosen) || chosen == 0) return;
  const auto colour = static_cast<std::int32_t>(chosen);
  const int tag = dot.Tag();
  if (tag >= kTagLedColourDotFirst && tag <= kLastDotTag) {
    const int index = tag - kTagLedColourDotFirst + 1;
    dot.SetBrushColor(chosen);
    state_.SetColour(index, colour);
    // The other effects do not use the palette; it is sent when multi-breathe is chosen.
    if (m_iLEDEffectMode == static_cast<int>(LedEffect::MultiBreathe) && LedPaletteColour(index, colour) != 0)
      Sleep(kAfterCommandMs);
  } else if (tag == kTagLedBreatheDot) {
    state_.SetDeviceMode(kLedModeBreathe);
    dot.SetBrushColor(chosen);
    m_iLEDBreatheColorRGB = colour;
    if (LedModeColour(kLedModeBreathe, colour) != 0) Sleep(kFailedBreatheColourMs);
  } else if (tag == kTagLedSingleDot) {
    state_.SetDeviceMode(kLedModeStatic);
    dot.SetBrushColor(chosen);
    m_iLEDSingleColorRGB = colour;
    SendLedModeColourWithRetry(kLedModeStatic, colour);
  }
}

// --- check images ---

void CLedPage::ColorLEDOffCheckImageClick() {
  ShowCheck(L"ColorLEDOffCheckImage", L"ColorLEDOffCheckUpImage", L"ColorLEDOffCheckDownImage", true);
  m_iLEDOff = 1;
  ApplyLEDPage();
  state_.SetDeviceMode(kLedModeOff);
  SendLedModeWithRetry(kLedModeOff, 1);
}

void CLedPage::ColorSingleCheckImageClick() {
  ShowCheck(L"ColorSingleCheckImage", L"ColorSingleCheckUpImage", L"ColorSingleCheckDownImage", true);
  m_iLEDSingleColor = 1;
  m_iLEDOff = 0;
  m_iLEDEffectMode = 0;
  ApplyLEDPage();
}

void CLedPage::ColorBreatheCheckImageClick() {
  m_iLEDEffectMode = static_cast<int>(LedEffect::Breathe);
  m_iLEDOff = 0;
  ApplyLEDPage();
  state_.SetDeviceMode(kLedModeBreathe);
  SendLedModeWithRetry(kLedModeBreathe, state_.Speed(LedEffect::Breathe));
  Sleep(kAfterCommandMs);
}

void CLedPage::ColorRainbowCheckImageClick() {
  m_iLEDEffectMode = static_cast<int>(LedEffect::Rainbow);
  m_iLEDOff = 0;
  ApplyLEDPage();
  state_.SetDeviceMode(kLedModeRainbow);
  for (int index = 1; index <= 7; ++index) {
    SendLedPaletteColourWithRetry(index, kRainbowPattern[index - 1]);
    Sleep(kBetweenColoursMs);
  }
  SendLedModeWithRetry(kLedModeRainbow, state_.Speed(LedEffect::Rainbow));
  Sleep(kAfterCommandMs);
}

void CLedPage::ColorPulsatingCheckImageClick() {
  m_iLEDEffectMode = static_cast<int>(LedEffect::MultiBreathe);
  m_iLEDOff = 0;
  ApplyLEDPage();
  state_.SetDeviceMode(kLedModeMultiBreathe);
  SendMultiBreatheColours();
  SendLedModeWithRetry(kLedModeMultiBreathe, state_.Speed(LedEffect::MultiBreathe));
  Sleep(kAfterCommandMs);
}

void CLedPage::SendMultiBreatheColours() {
  const LedEffectValues values = state_.Snapshot();
  for (int index = 1; index <= 7; ++index) {
    SendLedPaletteColourWithRetry(index, values.colours[index - 1]);
    Sleep(kBetweenColoursMs);
  }
}

void CLedPage::RunCheckClick(LedEffect effect) {
  switch (effect) {
    case LedEffect::Breathe: ColorBreatheCheckImageClick(); break;
    case LedEffect::Rainbow: ColorRainbowCheckImageClick(); break;
    case LedEffect::MultiBreathe: ColorPulsatingCheckImageClick(); break;
  }
}

// --- sliders ---

void CLedPage::SliderMouseDown(LedEffect effect, bool leftButton, POINT cursor) {
  if (!leftButton) return;
  forms::Image* slider = controls_.ImageNamed(ControlsOf(effect).slider);
  if (!slider) return;
  drag_.bar = BarOf(effect);
  drag_.effect = effect;
  drag_.start = cursor;
  drag_.startLeft = slider->Left();
  drag_.active = true;
}

void CLedPage::SliderMouseMove(LedEffect effect, POINT cursor) {
  if (!drag_.active || drag_.effect != effect) return;
  forms::Image* slider = controls_.ImageNamed(ControlsOf(effect).slider);
  if (!slider) return;
  const LedBarGeometry& bar = drag_.bar;
  const int x = std::clamp(drag_.startLeft + static_cast<int>(cursor.x - drag_.start.x), bar.barLeft, bar.barLeft + bar.Travel());
  slider->SetLeft(x == bar.barLeft ? x : x + 3);
  m_iLEDSliderPos[IndexOf(effect)] = slider->Left();
  state_.SetSpeed(effect, SpeedWhileDragging(bar, x, m_iLEDFastRightSide));
}

void CLedPage::SliderMouseUp(LedEffect effect, bool leftButton) {
  // A slider of another effect only keeps its new speed.
  if (m_iLEDEffectMode == static_cast<int>(effect)) {
    worker_.Signal();
    Sleep(kAfterCommandMs);
    RunCheckClick(effect);
  }
  if (leftButton) drag_.active = false;
}

// --- page button ---

void CLedPage::PageLEDClick() {
  if (m_iLEDPageMode == 1) ApplyLEDPage();
  else if (m_iLEDPageMode != 0) host_.ShowLedDialog();
}

void CLedPage::PageLEDLabelClick() {
  if (m_iLEDPageMode == 1) ApplyLEDPage();
  else host_.ShowLedDialog();
}

// --- applying the state ---

void CLedPage::ApplyLEDPage() {
  if (m_iLEDPageMode == 0) return;
  std::array<int, 3> barLefts{};
  for (const EffectControls& e : kEffects)
    if (forms::Image* bar = controls_.ImageNamed(e.bar)) barLefts[IndexOf(e.effect)] = bar->Left();
  if (m_iLEDOff == 1) {
    ShowCheck(L"ColorLEDOffCheckImage", L"ColorLEDOffCheckUpImage", L"ColorLEDOffCheckDownImage", true);
    state_.SetDeviceMode(kLedModeOff);
    SendLedModeWithRetry(kLedModeOff, 1);
    m_iLEDEffectMode = 0;
    m_iLEDSingleColor = 0;
  } else {
    ShowCheck(L"ColorLEDOffCheckImage", L"ColorLEDOffCheckUpImage", L"ColorLEDOffCheckDownImage", false);
  }
  controls_.ProcessPendingMessages();
  ShowEffectPictures();
  if (m_iLEDEffectMode >= 1 && m_iLEDEffectMode <= 3) {
    m_iLEDSingleColor = 0;
    state_.SetDeviceMode(kEffects[m_iLEDEffectMode - 1].deviceMode);
  }
  for (const EffectControls& e : kEffects)
    if (forms::Image* slider = controls_.ImageNamed(e.slider))
      slider->SetLeft(std::max(m_iLEDSliderPos[IndexOf(e.effect)], barLefts[IndexOf(e.effect)]));
  ShowCheck(L"ColorSingleCheckImage", L"ColorSingleCheckUpImage", L"ColorSingleCheckDownImage", m_iLEDSingleColor == 1);
  controls_.ProcessPendingMessages();
  Sleep(kAfterCommandMs);
  ApplyLEDSingleColor();
  ApplyLEDBreathe();
  ApplyLEDRainbowOrMultiBreathe();
  controls_.ProcessPendingMessages();
}

void CLedPage::ApplyLEDSingleColor() {
  if (m_iLEDSingleColor != 1) return;
  state_.SetDeviceMode(kLedModeStatic);
  SendLedModeWithRetry(kLedModeStatic, 0);
  Sleep(kAfterCommandMs);
  SendLedModeColourWithRetry(kLedModeStatic, m_iLEDSingleColorRGB);
}

void CLedPage::ApplyLEDBreathe() {
  if (m_iLEDEffectMode != static_cast<int>(LedEffect::Breathe)) return;
  state_.SetDeviceMode(kLedModeBreathe);
  SendLedModeWithRetry(kLedModeBreathe, state_.Speed(LedEffect::Breathe));
  Sleep(kAfterCommandMs);
  SendLedModeColourWithRetry(kLedModeBreathe, m_iLEDBreatheColorRGB);
}

void CLedPage::ApplyLEDRainbowOrMultiBreathe() {
  if (m_iLEDEffectMode == static_cast<int>(LedEffect::Rainbow)) {
    state_.SetDeviceMode(kLedModeRainbow);
    SendLedModeWithRetry(kLedModeRainbow, state_.Speed(LedEffect::Rainbow));
  } else if (m_iLEDEffectMode == static_cast<int>(LedEffect::MultiBreathe)) {
    state_.SetDeviceMode(kLedModeMultiBreathe);
    SendLedModeWithRetry(kLedModeMultiBreathe, state_.Speed(LedEffect::MultiBreathe));
  }
}

void CLedPage::SwitchLEDOff() {
  state_.SetDeviceMode(kLedModeOff);
  SendLedModeWithRetry(kLedModeOff, 1);
  Sleep(kAfterCommandMs);
}

void CLedPage::RecomputeLEDSpeeds() {
  controls_.ProcessPendingMessages();
  for (const EffectControls& e : kEffects)
    if (forms::Image* slider = controls_.ImageNamed(e.slider))
      state_.SetSpeed(e.effect, SpeedAtRest(BarOf(e.effect), slider->Left(), m_iLEDFastRightSide));
}

// --- the effect worker ---

void CLedPage::StartLEDWorker() {
  if (m_iLEDPageMode != 1) return;
  const bool firstStart = state_.ColourLoadPending();
  // A worker that cannot start leaves the effects to the page's own commands; the colours are
  // still loaded below.
  worker_.Start();
  if (!firstStart) return;
  SendLedStepWithRetry();
  Sleep(kStartPauseMs);
  worker_.Signal();
  Sleep(kAfterCommandMs);
  controls_.ProcessPendingMessages();
  // The worker waits 100 ms after a signal, so normally the colours are loaded here; whichever
  // side takes the flag first sends them, the other does not.
  if (!state_.TakeColourLoad()) return;
  RecomputeLEDSpeeds();
  const LedEffectValues values = state_.Snapshot();
  for (int index = 1; index <= 7; ++index) {
    Sleep(kStartPauseMs);
    SendLedPaletteColourWithRetry(index, values.colours[index - 1]);
    Sleep(kAfterCommandMs);
  }
}

void CLedPage::ShutDown() {
  if (!worker_.Running()) return;
  worker_.Stop();
  SwitchLEDOff();
}

}  // namespace vorma::led
