#include "panel/features/effects/EffectsPage.h"

#include "foundation/DebugOutput.h"
#include "panel/device/FilterControl.h"

#include <array>
#include <string>

namespace vorma::features {
namespace {

constexpr std::array<const wchar_t*, kEffectCount> kEffectSkinNames{L"Non", L"Theater", L"Bathroom", L"Livingroom",
                                                                   L"StoneGallery"};

}  // namespace

const wchar_t* EffectSkinName(int effect) {
  return effect >= 1 && effect <= kEffectCount ? kEffectSkinNames[effect - 1] : nullptr;
}

CEffectsPage::CEffectsPage(FeatureContext& context) : context_(context), controls_(context.Window()) {}

void CEffectsPage::SelectEffect(int effect) {
  effect_ = effect;
  ShowEffect(effect);
  SendEffect(effect);
}

void CEffectsPage::ShowEffect(int effect) {
  for (int n = 1; n <= kEffectCount; ++n) {
    const bool selected = n == effect;
    const WindowTag& row = *WindowTagOf(EffectTag(n));
    if (forms::Image* image = controls_.FindImageByTag(row.tag))
      controls_.ChangeImageAttr(*image, selected ? row.downKey : row.upKey);
    if (forms::Label* label = controls_.FindLabelByTag(row.tag)) controls_.SetLabelColor(*label, row.languageKey, selected);
  }
  if (const wchar_t* name = EffectSkinName(effect))
    if (forms::Image* picture = controls_.ImageNamed(L"EffectPicImage"))
      controls_.ChangeImageAttr(*picture, std::wstring(L"EffectPic") + name + L"Image");
}

void CEffectsPage::SendEffect(int effect) {
  const int selected = SetFilterEffect(context_.Filter(), static_cast<std::uint32_t>(effect - 1));
  const int applied = SetFilterSwitch(context_.Filter(), 1);
  if (selected != kFilterDone || applied != kFilterDone)
    DebugPrint(L"[CEffectsPage::SendEffect] effect %d: select %d, apply %d\n", effect, selected, applied);
}

void CEffectsPage::StartUp() {
  effect_ = 1;
  ShowEffect(effect_);
}

void CEffectsPage::SendApply() { SetFilterSwitch(context_.Filter(), 1); }

void CEffectsPage::ShutDown() {
  SetFilterEffect(context_.Filter(), 0);
  SetFilterSwitch(context_.Filter(), 1);
}

void CEffectsPage::Reset() {
  effect_ = 1;
  ShowEffect(effect_);
}

}  // namespace vorma::features
