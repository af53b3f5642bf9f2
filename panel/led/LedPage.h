#pragma once
// The LED page of the main window: lighting off, one static colour, or one of three effects
// (breathe in one colour, rainbow, multi-colour breathe) at a speed chosen on a slider; seven
// colour dots for the multi-breathe colours and one dot each for the static and the breathe
// colour. The page owns the LED state, turns slider positions into speeds, sends every command to
// the LED controller and starts and ends the effect worker that re-sends effects. Every call comes
// on the user-interface thread.

#include "forms/Shape.h"
#include "panel/features/FeatureContext.h"
#include "panel/led/LedEffectState.h"
#include "panel/led/LedEffectWorker.h"
#include "panel/led/LedSpeed.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorma::led {

// What the page needs of the main window beyond its feature context.
class LedPageHost {
public:
  virtual ~LedPageHost() = default;
  virtual forms::Shape* FindShapeByTag(int tag) = 0;
  // The window's ColorDialog, owned by the window; true with the chosen colour when confirmed.
  virtual bool ChooseColour(COLORREF& colour) = 0;
  // The LED settings dialog, shown modally; the page is used when the skin does not ask for it.
  virtual void ShowLedDialog() = 0;
};

// The page's state as the profile's [LED] section holds it (colours 0x00BBGGRR).
struct LedPageValues {
  int pageMode = 0;
  int off = 0;
  int singleColor = 0;
  int effectMode = 0;
  int breatheSpeed = 1;
  int rainbowSpeed = 1;
  int multiBreatheSpeed = 1;
  std::array<int, 3> sliderPos{};  // breathe, rainbow, multi-breathe
  std::int32_t singleColorRgb = kDefaultSingleColour;
  std::int32_t breatheColorRgb = kDefaultBreatheColour;
  std::array<std::int32_t, 7> colours = kDefaultLedColours;
  int fastRightSide = 0;
};

class CLedPage {
public:
  CLedPage(FeatureContext& context, LedPageHost& host);
  CLedPage(const CLedPage&) = delete;
  CLedPage& operator=(const CLedPage&) = delete;

  // --- state ---
  LedPageValues Values() const;
  int PageMode() const { return m_iLEDPageMode; }
  int DeviceMode() const { return state_.DeviceMode(); }
  int SelectedShape() const { return m_iLEDSelectedShape; }
  bool WorkerRunning() const { return worker_.Running(); }
  bool ColourLoadPending() const { return state_.ColourLoadPending(); }

  // --- skin ---
  // A skin load read LEDPageMode and LEDFastRightSide: both are taken and the nine colours go back
  // to their defaults.
  void TakeSkinValues(int pageMode, int fastRightSide);
  // After each colour dot's key: the dot takes its colour from the table.
  void ApplyShapeDefaultColour(std::wstring_view shapeKey);
  // The page's own pictures after a skin load: check images and sliders by the state, bars by the
  // skin, each slider at its stored position but never left of its bar.
  void ApplySkinPictures();
  // The skin key whose record one of the page's check images or sliders shows in the current
  // state; empty for every other image.
  std::wstring_view PictureKeyOf(std::wstring_view imageName) const;

  // --- handlers of the page's controls ---
  void OnShapeMouseDown(forms::Shape& dot);
  void ColorLEDOffCheckImageClick();
  void ColorSingleCheckImageClick();
  void ColorBreatheCheckImageClick();
  void ColorRainbowCheckImageClick();
  void ColorPulsatingCheckImageClick();
  // The three sliders' mouse handlers; the cursor in screen coordinates.
  void SliderMouseDown(LedEffect effect, bool leftButton, POINT cursor);
  void SliderMouseMove(LedEffect effect, POINT cursor);
  void SliderMouseUp(LedEffect effect, bool leftButton);
  void PageLEDClick();
  void PageLEDLabelClick();

  // --- operations ---
  void ApplyLEDPage();
  void ApplyLEDSingleColor();
  void ApplyLEDBreathe();
  void ApplyLEDRainbowOrMultiBreathe();
  void SwitchLEDOff();
  void RecomputeLEDSpeeds();
  // Takes the [LED] keys of a profile file; a key that is missing or empty leaves its member.
  void LoadLEDUI(const std::wstring& profilePath);

  // --- the effect worker ---
  // Device activation (the first after a removal) and the end of the window's construction: with
  // the page on the window the worker starts, and the first time the seven colours are loaded.
  void StartLEDWorker();
  // The device went away: the worker ends; the next first activation starts it again.
  void CloseLEDWorkerHandle() { worker_.Stop(); }
  // The window is destroyed: a running worker ends first, then the lighting goes off.
  void ShutDown();
  // Wakes the worker (nothing while none runs).
  void SignalWorker() { worker_.Signal(); }

private:
  void RunCheckClick(LedEffect effect);
  void ShowEffectPictures();
  void ShowCheck(std::wstring_view image, std::wstring_view upKey, std::wstring_view downKey, bool down);
  LedBarGeometry BarOf(LedEffect effect);
  void FillShape(int tag, std::int32_t colour);
  void SendMultiBreatheColours();

  FeatureContext& context_;
  MainWindowControls& controls_;
  LedPageHost& host_;
  CLedEffectState state_;
  CLedEffectWorker worker_{state_};

  int m_iLEDPageMode = 0;
  int m_iLEDOff = 0;
  int m_iLEDSingleColor = 0;
  int m_iLEDEffectMode = 0;
  std::array<int, 3> m_iLEDSliderPos{};
  std::int32_t m_iLEDSingleColorRGB = kDefaultSingleColour;
  std::int32_t m_iLEDBreatheColorRGB = kDefaultBreatheColour;
  int m_iLEDFastRightSide = 0;
  int m_iLEDSelectedShape = 151;

  // The slider drag: bar geometry taken at the press.
  struct Drag {
    bool active = false;
    LedEffect effect = LedEffect::Breathe;
    POINT start{};
    int startLeft = 0;
    LedBarGeometry bar;
  } drag_;
};

}  // namespace vorma::led
