#include "panel/shell/AudioMainForm.h"

namespace vorma::shell {

const std::wstring& TAudioMainForm::ResolutionFolder() const { return appearance_->ResolutionFolder(); }
const std::wstring& TAudioMainForm::SkinName() const { return appearance_->SkinName(); }
const std::wstring& TAudioMainForm::LanguageName() const { return appearance_->LanguageName(); }

WindowButtonStates TAudioMainForm::ButtonStates() {
  WindowButtonStates states;
  states.eqEnable = EqEnableState();
  states.threeDEnable = ThreeDEnableState();
  states.fbm = FbmState();
  states.micBoost = StateOfTag(21);
  states.micMute = StateOfTag(22);
  states.micMonitor = StateOfTag(89);
  states.virtualEnable = Virtual7ch1State();
  states.clockwise = CwState();
  states.counterclockwise = CcwState();
  states.enlarge = EnlargeState();
  states.narrow = NarrowState();
  states.eqPreset = EqPresetState();
  states.effect = Effect();
  states.currentPage = m_nCurrentPage;
  return states;
}

// The window state that decides which record each skinned image shows.
SkinApplyState TAudioMainForm::SkinState() {
  SkinApplyState apply;
  static_cast<WindowButtonStates&>(apply) = ButtonStates();
  apply.ledIndicator = m_nLEDIndicator;
  apply.alphaMode = AlphaModeState();
  apply.betaMode = BetaModeState();
  apply.regionCut = config_.regionCut;
  apply.applyLedPageSkin = [this] { features_->Led().ApplySkinPictures(); };
  return apply;
}

// The pages drawn from values the skin gives, and the page shown.
void TAudioMainForm::SkinChanged() {
  features_->RefreshEncoderPage();
  features_->RefreshVoiceEffectPage();
  ShowPageControls(m_nCurrentPage);
  features_->Eq().ShowEqPreset(EqPresetState() - 1);
  features_->RefreshMicDisplay();
  features_->Virtual7ch1().RescaleSpeakers();
}

void TAudioMainForm::LanguageChanged() { ShowPageControls(m_nCurrentPage); }

void TAudioMainForm::ShowError(const std::wstring& text) { App().ShowError(text); }

}  // namespace vorma::shell
