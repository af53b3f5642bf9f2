#include "panel/shell/AudioMainForm.h"

namespace vorma::shell {

const std::wstring& TAudioMainForm::ResolutionFolder() const { return appearance_->ResolutionFolder(); }
const std::wstring& TAudioMainForm::SkinName() const { return appearance_->SkinName(); }
const std::wstring& TAudioMainForm::LanguageName() const { return appearance_->LanguageName(); }

WindowButtonStates TAudioMainForm::ButtonStates() {
  WindowButtonStates states;
  const auto state = [this](ButtonState kind) { return StateOf(kind).get(); };
  states.eqEnable = state(ButtonState::EqEnable);
  states.threeDEnable = state(ButtonState::ThreeDEnable);
  states.fbm = state(ButtonState::Fbm);
  states.micBoost = state(ButtonState::MicBoost);
  states.micMute = state(ButtonState::MicMute);
  states.micMonitor = state(ButtonState::MicMonitor);
  states.virtualEnable = state(ButtonState::Virtual7ch1Enable);
  states.clockwise = state(ButtonState::Clockwise);
  states.counterclockwise = state(ButtonState::Counterclockwise);
  states.enlarge = state(ButtonState::Enlarge);
  states.narrow = state(ButtonState::Narrow);
  states.eqPreset = features_->Eq().EqPreset();
  states.effect = Effect();
  states.currentPage = m_nCurrentPage;
  return states;
}

// The window state that decides which record each skinned image shows.
SkinApplyState TAudioMainForm::SkinState() {
  SkinApplyState apply;
  static_cast<WindowButtonStates&>(apply) = ButtonStates();
  apply.ledIndicator = m_nLEDIndicator;
  apply.alphaMode = features_->ThreeD().AlphaLinkMode();
  apply.betaMode = features_->ThreeD().BetaLinkMode();
  apply.regionCut = config_.regionCut;
  apply.applyLedPageSkin = [this] { features_->Led().ApplySkinPictures(); };
  return apply;
}

// The pages drawn from values the skin gives, and the page shown.
void TAudioMainForm::SkinChanged() {
  features_->RefreshEncoderPage();
  features_->RefreshVoiceEffectPage();
  ShowPageControls(m_nCurrentPage);
  features_->Eq().ShowEqPreset(features_->Eq().EqPreset() - 1);
  features_->RefreshMicDisplay();
  features_->Virtual7ch1().RescaleSpeakers();
}

void TAudioMainForm::LanguageChanged() { ShowPageControls(m_nCurrentPage); }

void TAudioMainForm::ShowError(const std::wstring& text) { App().ShowError(text); }

}  // namespace vorma::shell
