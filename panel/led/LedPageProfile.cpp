// The [LED] section of a profile file read back into the page.

#include "panel/led/LedPage.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"
#include "foundation/ValueItems.h"

#include <optional>

namespace vorma::led {
namespace {

constexpr wchar_t kSection[] = L"LED";

// The key's number; none when the key is missing or empty.
std::optional<int> ReadKey(const std::wstring& path, const wchar_t* key) {
  std::wstring text;
  ReadProfileString(path, kSection, key, text);
  if (text.empty()) return std::nullopt;
  return LenientInteger(text);
}

}  // namespace

void CLedPage::LoadLEDUI(const std::wstring& path) {
  if (auto v = ReadKey(path, L"LEDPageMode")) m_iLEDPageMode = *v;
  if (auto v = ReadKey(path, L"LEDOff")) {
    m_iLEDOff = *v;
    ShowCheck(L"ColorLEDOffCheckImage", L"ColorLEDOffCheckUpImage", L"ColorLEDOffCheckDownImage", m_iLEDOff == 1);
  }
  if (auto v = ReadKey(path, L"LEDSingleColor")) {
    m_iLEDSingleColor = *v;
    ShowCheck(L"ColorSingleCheckImage", L"ColorSingleCheckUpImage", L"ColorSingleCheckDownImage",
              m_iLEDSingleColor == 1);
  }
  if (auto v = ReadKey(path, L"LEDEffectMode")) {
    m_iLEDEffectMode = *v;
    ShowEffectPictures();
  }
  if (auto v = ReadKey(path, L"LEDBreatheSpeed")) state_.SetSpeed(LedEffect::Breathe, *v);
  if (auto v = ReadKey(path, L"LEDRainbowSpeed")) state_.SetSpeed(LedEffect::Rainbow, *v);
  if (auto v = ReadKey(path, L"LEDMultiBreatheSpeed")) state_.SetSpeed(LedEffect::MultiBreathe, *v);
  if (auto v = ReadKey(path, L"LEDBreatheSliderPos")) m_iLEDSliderPos[0] = *v;
  if (auto v = ReadKey(path, L"LEDRainbowSliderPos")) m_iLEDSliderPos[1] = *v;
  if (auto v = ReadKey(path, L"LEDMultiBreatheSliderPos")) m_iLEDSliderPos[2] = *v;
  if (auto v = ReadKey(path, L"LEDSingleColorRGB")) {
    m_iLEDSingleColorRGB = *v;
    ApplyShapeDefaultColour(L"ColorSingleShape");
  }
  if (auto v = ReadKey(path, L"LEDBreatheColorRGB")) {
    m_iLEDBreatheColorRGB = *v;
    ApplyShapeDefaultColour(L"ColorBreatheShape");
  }
  for (int index = 1; index <= 7; ++index) {
    const std::wstring key = L"LEDColor" + std::to_wstring(index) + L"RGB";
    if (auto v = ReadKey(path, key.c_str())) {
      state_.SetColour(index, *v);
      FillShape(150 + index, *v);
    }
  }
  if (auto v = ReadKey(path, L"LEDFastRightSide")) m_iLEDFastRightSide = *v;
  if (context_.DeviceActive() && m_iLEDPageMode == 1) {
    DebugWrite(L"LoadLEDUI, SetEvent");
    worker_.Signal();
  }
}

}  // namespace vorma::led
