// The equaliser's presets in memory and on screen: defaults, storing and showing a preset, the
// preset buttons, the EQ-EN button and the slider moves.

#include "panel/features/equalizer/EqualizerPage.h"

#include "foundation/DebugOutput.h"

#include <algorithm>
#include <cwchar>
#include <utility>

namespace vorma::features {
namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < kEqPresetCount; }
bool IsEqSliderTag(int tag) { return EqBandOfSlider(tag).has_value(); }

}  // namespace

CEqualizerPage::CEqualizerPage(FeatureContext& context, DeviceConfigImage& image, EqualizerSettings settings,
                     EqualizerLinks links)
    : context_(context),
      window_(context.Window()),
      image_(image),
      settings_(std::move(settings)),
      links_(std::move(links)) {}

void CEqualizerPage::InitEqDefaults() {
  image_.LoadFactoryTable();
  m_current = kFactoryEqPreset;
  for (int slot = 0; slot < kEqPresetCount; ++slot) StoreEqPreset(slot);
  const int middle = window_.EqSliderRange().range / 2;
  for (auto& offsets : m_sliderOffsets) offsets.fill(middle);
  m_nEqEnable = 0;
}

int CEqualizerPage::StoreEqPreset(int slot) {
  if (!ValidSlot(slot)) return kEqNoSlotOrDevice;
  m_current.lastSlot = slot == kEqPresetCount - 1;
  image_.StoreEqSlot(slot, PackEqPresetSlot(m_current));
  return kEqDone;
}

bool CEqualizerPage::UnpackSlot(int slot) {
  EqSlotBytes packed{};
  if (!image_.ReadEqSlot(slot, packed)) return false;
  m_current = UnpackEqPresetSlot(packed);
  return true;
}

int CEqualizerPage::ShowEqPreset(int slot) {
  if (!UnpackSlot(slot)) return kEqNoSlotOrDevice;
  const SliderRange track = window_.EqSliderRange();
  for (int band = 0; band < kEqBandCount; ++band) ShowBand(slot, band, track);
  if (DeviceActive()) {
    // The window's two-state primitive flips the state it is given: hand it the opposite of EQ
    // enable so that the button ends up showing EQ enable itself.
    int shown = m_nEqEnable ? 0 : 1;
    window_.ToggleButtonState(kTagEqEnable, shown);
  }
  return kEqDone;
}

void CEqualizerPage::ShowBand(int slot, int band, const SliderRange& track) {
  const std::uint16_t code = m_current.codes[band];
  const int offset = SliderOffsetFromEqCode(code, track.range);
  m_sliderOffsets[slot][band] = offset;
  const int tag = EqSliderTag(band);
  forms::Image* slider = window_.FindImageByTag(tag);
  if (!slider) return;
  slider->SetTop(track.top + offset);
  if (forms::Image* barDown = window_.FindImageByTag(LowerBarOfSlider(tag))) {
    barDown->SetAutoSize(false);
    // A skin may place the bar below the slider's top position; a control never gets a negative
    // height.
    barDown->SetHeight(std::max(0, slider->Top() + slider->Height() - barDown->Top()));
  }
  if (forms::Label* value = window_.FindLabelByTag(tag)) {
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"%x", code);
    value->SetCaption(text);
  }
}

void CEqualizerPage::RedrawPresetButtons() {
  for (int preset = 1; preset <= kEqPresetCount; ++preset) {
    const bool selected = preset == m_nEQPreset;
    const WindowTag& row = *WindowTagOf(EqPresetTag(preset));
    if (forms::Image* button = window_.FindImageByTag(row.tag))
      window_.ChangeImageAttr(*button, selected ? row.downKey : row.upKey);
    if (forms::Label* label = window_.FindLabelByTag(row.tag)) window_.SetLabelColor(*label, row.languageKey, selected);
  }
  forms::Label* selectedLabel = window_.FindLabelByTag(EqPresetTag(m_nEQPreset));
  forms::Label* sx = window_.LabelNamed(L"SXLabel");
  if (selectedLabel && sx) sx->SetCaption(selectedLabel->Caption());
}

void CEqualizerPage::SelectEqPreset(int preset) {
  DebugTraceEntry(L"TAudioMainForm::SelectEqPreset");
  if (preset < 1 || preset > kEqPresetCount) return;
  m_nEQPreset = preset;
  RedrawPresetButtons();
  ApplyEqPreset(preset);
  ShowEqPreset(preset - 1);
  ApplyEqOnOff(m_nEqEnable);
}

void CEqualizerPage::ToggleEqEnable() {
  window_.ToggleButtonState(kTagEqEnable, m_nEqEnable);
  StoreEqPreset(m_nEQPreset - 1);
  ApplyEqOnOff(m_nEqEnable);
}

void CEqualizerPage::MoveEqSlider(int sliderTag, int top) {
  if (!IsEqSliderTag(sliderTag) || !ValidSlot(m_nEQPreset - 1)) return;
  forms::Image* slider = window_.FindImageByTag(sliderTag);
  if (!slider) return;
  const SliderRange track = window_.EqSliderRange();
  slider->SetTop(std::clamp(top, track.top, track.top + std::max(0, track.range)));
  SetEqBandFromSlider(sliderTag, DeviceSync());
  m_sliderOffsets[m_nEQPreset - 1][*EqBandOfSlider(sliderTag)] = slider->Top() - track.top;
  StoreEqPreset(m_nEQPreset - 1);
  ShowEqPreset(m_nEQPreset - 1);
}

void CEqualizerPage::JumpEqSlider(int barTag, int clickY) {
  int sliderTag = SliderOfBar(barTag);
  if (!IsEqSliderTag(sliderTag)) sliderTag = SliderOfLowerBar(barTag);
  if (!IsEqSliderTag(sliderTag)) return;
  forms::Image* slider = window_.FindImageByTag(sliderTag);
  if (!slider) return;
  MoveEqSlider(sliderTag, clickY - slider->Height() / 2);
}

}  // namespace vorma::features
