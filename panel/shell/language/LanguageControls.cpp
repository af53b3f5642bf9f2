#include "panel/shell/language/LanguageControls.h"

#include "panel/shell/language/LabelAttr.h"

#include <string>

namespace vorma::shell {

namespace {

constexpr int kStripGap = 5;
constexpr int kStripGroupGap = 10;  // between the classic pages and the ENC/voice pages

forms::Label* LabelNamed(forms::Form& form, std::wstring_view name) {
  forms::Control* control = form.FindControlByName(name);
  return control != nullptr && control->Kind() == forms::ControlKind::Label ? static_cast<forms::Label*>(control)
                                                                            : nullptr;
}

class Applier {
public:
  Applier(forms::Form& form, LanguageSetting& setting, const LanguageViewState& state, double fontScale)
      : form_(form), setting_(setting), state_(state), fontScale_(fontScale) {}

  // Applies every record of the role; `up` decides the state per key.
  template <typename UpRule>
  void ApplyRole(LabelRole role, UpRule up) {
    const auto keys = LanguageKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i].role == role) Apply(i, up(keys[i]));
    }
  }

  forms::Label* Apply(std::size_t index, bool up) {
    forms::Label* label = LabelNamed(form_, LanguageKeys()[index].control);
    if (label != nullptr) ApplyLabelAttr(setting_.At(index), *label, up, setting_.Global(), fontScale_);
    return label;
  }

  void ApplyDeviceState() {
    Apply(LanguageKeyIndex(state_.deviceActive ? L"LabelActive" : L"LabelUnactive"), true);
  }

  void ApplyPresetName() {
    forms::Label* label = Apply(LanguageKeyIndex(L"LabelSX"), true);
    if (label == nullptr || state_.eqPreset < 1 || state_.eqPreset > 4) return;
    label->SetCaption(setting_.Text(L"LabelEQS" + std::to_wstring(state_.eqPreset)));
  }

  // The rows the earlier steps did not cover, in the order of the key table.
  void ApplyRemaining() {
    const auto keys = LanguageKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const LanguageKey& key = keys[i];
      switch (key.role) {
        case LabelRole::Plain:
          Apply(i, true);
          break;
        case LabelRole::TwoState:
          Apply(i, StateShown(state_, static_cast<ButtonState>(key.value)).value_or(0) != 1);
          break;
        case LabelRole::Preset:
          Apply(i, state_.eqPreset != key.value);
          break;
        case LabelRole::Effect:
          Apply(i, state_.effect != key.value);
          break;
        case LabelRole::Level:
          ApplyLevel(i, static_cast<LevelKind>(key.value));
          break;
        default:
          break;
      }
    }
  }

private:
  void ApplyLevel(std::size_t index, LevelKind kind) {
    forms::Label* label = Apply(index, true);
    if (label == nullptr) return;
    label->SetCaption(std::to_wstring(kind == LevelKind::Microphone ? state_.micLevel : state_.encoderLevel));
  }

  forms::Form& form_;
  LanguageSetting& setting_;
  const LanguageViewState& state_;
  double fontScale_;
};

int RightOf(const forms::Control& control) { return control.Left() + control.Width(); }

// Puts the bevel at the right edge of the label, at the strip's top.
void PlaceBevel(forms::Control& bevel, const forms::Control& label, int top) {
  bevel.SetLeft(RightOf(label));
  bevel.SetTop(top);
}

}  // namespace

void LayoutPageLabelStrip(forms::Form& form) {
  auto control = [&form](std::wstring_view name) { return form.FindControlByName(name); };
  forms::Control* bevel2 = control(L"Bevel2");
  if (bevel2 == nullptr || !bevel2->Visible()) return;
  forms::Control* pageEQ = control(L"PageEQLabel");
  forms::Control* pageEffect = control(L"PageEffectLabel");
  forms::Control* pageMic = control(L"PageMicLabel");
  forms::Control* pageVirtual = control(L"PageVirtual7p1Label");
  forms::Control* pageENC = control(L"PageENCLabel");
  forms::Control* pageVM = control(L"PageVMEffectLabel");
  forms::Control* pageLED = control(L"PageLEDLabel");
  forms::Control* bevel3 = control(L"Bevel3");
  forms::Control* bevel4 = control(L"Bevel4");
  forms::Control* bevel5 = control(L"Bevel5");
  forms::Control* bevel6 = control(L"Bevel6");
  forms::Control* bevel7 = control(L"Bevel7");
  for (forms::Control* c : {pageEQ, pageEffect, pageMic, pageVirtual, pageENC, pageVM, pageLED, bevel3, bevel4, bevel5,
                            bevel6, bevel7}) {
    if (c == nullptr) return;
  }

  const int top = pageEQ->Top();
  PlaceBevel(*bevel2, *pageEQ, top);
  pageEffect->SetLeft(RightOf(*bevel2) + kStripGap);
  PlaceBevel(*bevel3, *pageEffect, top);
  pageMic->SetLeft(RightOf(*bevel3) + kStripGap);
  PlaceBevel(*bevel4, *pageMic, top);
  pageVirtual->SetLeft(RightOf(*bevel4) + kStripGap);
  PlaceBevel(*bevel5, *pageVirtual, top);
  if (bevel7->Visible()) {
    pageENC->SetLeft(RightOf(*bevel5) + kStripGroupGap);
    PlaceBevel(*bevel6, *pageENC, top);
    pageVM->SetLeft(RightOf(*bevel6) + kStripGap);
    PlaceBevel(*bevel7, *pageVM, top);
    pageLED->SetLeft(RightOf(*bevel7) + kStripGap);
  } else {
    pageLED->SetLeft(RightOf(*bevel5) + kStripGap);
  }
}

void SetPopupMenuCaptions(forms::PopupMenu& menu, const LanguageSetting& setting) {
  struct MenuCaption {
    std::wstring_view key;
    std::wstring_view item;
    std::wstring_view fallback;
  };
  static constexpr MenuCaption kCaptions[] = {
      {L"LabelLanguage", L"LanguageMenu", L"Language"},
      {L"LabelSkin", L"SkinMenu", L"Skin"},
      {L"LabelClose", L"CloseMenu", L"Close"},
      {L"LabelPlugin", L"ModeMenu", L"Plugin"},
  };
  for (const MenuCaption& caption : kCaptions) {
    forms::MenuItem* item = menu.FindItem(caption.item);
    if (item == nullptr) continue;
    const std::wstring text = setting.Text(caption.key);
    item->SetCaption(text.empty() ? std::wstring(caption.fallback) : text);
  }
}

void ApplyLanguageToControls(forms::Form& form, forms::PopupMenu& menu, LanguageSetting& setting,
                             const LanguageViewState& state, double fontScale) {
  Applier applier(form, setting, state, fontScale);
  applier.ApplyRole(LabelRole::MenuButton, [](const LanguageKey&) { return true; });
  applier.ApplyRole(LabelRole::PageLabel, [&state](const LanguageKey& key) { return key.value != state.currentPage; });
  LayoutPageLabelStrip(form);
  applier.ApplyDeviceState();
  applier.ApplyPresetName();
  applier.ApplyRemaining();
  SetPopupMenuCaptions(menu, setting);
}

}  // namespace vorma::shell
