// What the hardware buttons ask of the main window: a press is the same mouse-down and mouse-up
// the image or label gets from a click, on this thread, and the window comes back from the tray.

#include "panel/shell/AudioMainForm.h"

#include "panel/shell/MainFormFeatures.h"

namespace vorma::shell {
namespace {

// A simulated click: the left button, no shift keys, position (0, 0).
const forms::MouseEventArgs kButtonPress{};

}  // namespace

WORD TAudioMainForm::VendorId() { return activation_ ? activation_->VendorId() : 0; }
WORD TAudioMainForm::ProductId() { return activation_ ? activation_->ProductId() : 0; }

void TAudioMainForm::ImageMouseDown(int tag) {
  if (forms::Image* image = FindImageByTag(tag)) OnImageMouseDown(*image, kButtonPress);
}

void TAudioMainForm::ImageMouseUp(int tag) {
  if (forms::Image* image = FindImageByTag(tag)) OnImageMouseUp(*image, kButtonPress);
}

void TAudioMainForm::LabelMouseDown(int tag) {
  if (forms::Label* label = FindLabelByTag(tag)) OnLabelMouseDown(*label, kButtonPress);
}

void TAudioMainForm::LabelMouseUp(int tag) {
  if (forms::Label* label = FindLabelByTag(tag)) OnLabelMouseUp(*label, kButtonPress);
}

void TAudioMainForm::ToggleFeatureButton(int tag) { ToggleTagState(tag); }

void TAudioMainForm::ShowPage(int page, int pageButton) {
  m_nCurrentPage = page;
  ShowPageControls(page);
  PageButtonShow(pageButton);
}

void TAudioMainForm::ENCFunctionImageClick() { features_->EncVoice().ENCFunctionImageClick(); }
void TAudioMainForm::VMFunctionImageClick() { features_->EncVoice().VMFunctionImageClick(); }
void TAudioMainForm::ToggleEncFromButton() { features_->EncVoice().ToggleEncFromButton(); }

// A press on the device brings the panel back from the tray, as the tray icon would.
void TAudioMainForm::RestoreWindow() { App().Restore(); }

void TAudioMainForm::Wait(DWORD milliseconds) { Sleep(milliseconds); }

}  // namespace vorma::shell
