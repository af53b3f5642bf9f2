#include "panel/led/dialog/LEDForm.h"

#include "foundation/DebugOutput.h"
#include "panel/led/dialog/LEDFormEvents.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/OtherFormsResource.h"

namespace vorma::led {
namespace {

constexpr BYTE kControllerId = 0x3A;
constexpr DWORD kModePauseMs = 500;
constexpr int kModeDotTagBase = 100;  // dot 102..104 belongs to mode 2..4
constexpr int kBarOffset = 96;        // a speed bar starts this far right of its radio button
constexpr int kDotOffset = 360;       // and a mode's colour dot this far

}  // namespace

TLEDForm::TLEDForm(forms::Application& application)
    : forms::Form(application, shell::FormArgsFor(shell::LEDFormResource())) {
  TLEDFormEvents events(*this);
  const shell::FormBuildReport report = shell::AddResourceToForm(shell::LEDFormResource(), *this, events);
  for (std::wstring_view name : report.unboundHandlers)
    DebugPrint(L"TLEDForm: handler %.*s is not bound\n", static_cast<int>(name.size()), name.data());
  // The worker reads Master or Slave at each pass, so the choice is kept where it can reach it.
  if (forms::Control* master = FindControlByName(L"RadioButtonMaster")) {
    master->OnClick = [this](forms::Control& radio) {
      state_.SetMaster(static_cast<forms::RadioButton&>(radio).Checked());
    };
  }
  if (forms::Control* slave = FindControlByName(L"RadioButtonSlave")) {
    slave->OnClick = [this](forms::Control& radio) {
      state_.SetMaster(!static_cast<forms::RadioButton&>(radio).Checked());
    };
  }
  OnShow = [this](forms::Form&) { FormShow(); };
  OnClose = [this](forms::Form&, forms::CloseAction&) { FormClose(); };
  OnDestroy = [this](forms::Form&) { FormDestroy(); };
}

TLEDForm::~TLEDForm() {
  DestroyWindowNow();
  worker_.Stop();  // a form whose window never existed still may not leave a worker behind
}

void TLEDForm::FormShow() {
  DebugTraceEntry(L"TLEDForm::FormShow");
  m_bShown = true;
  state_.SetControllerId(kControllerId);
  Highlight(m_iSelectedSlot, 1);
  m_iSelectedSlot = 1;
  state_.SetMode(kDialogModeOff);
  worker_.Start();
  DialogStep(state_.Address());
  LayOutModeRows();
}

void TLEDForm::FormClose() {
  DebugTraceEntry(L"TLEDForm::FormClose");
  worker_.Stop();
  m_bShown = false;
}

// The window goes at the end of the panel, possibly while the dialog is still up: its worker ends
// here, before anything it calls can go away.
void TLEDForm::FormDestroy() {
  worker_.Stop();
  m_bShown = false;
}

void TLEDForm::LayOutModeRows() {
  for (int mode = kDialogModeSingleColour; mode <= kDialogLastEffect; ++mode) {
    forms::Control* radio = FindControlByTag(forms::ControlKind::RadioButton, mode);
    if (!radio) continue;
    if (forms::Control* bar = FindControlByTag(forms::ControlKind::TrackBar, mode)) {
      bar->SetTop(radio->Top());
      bar->SetLeft(radio->Left() + kBarOffset);
    }
    if (forms::Shape* dot = DotWithTag(kModeDotTagBase + mode)) {
      dot->SetTop(radio->Top());
      dot->SetLeft(radio->Left() + kDotOffset);
    }
  }
}

forms::Shape* TLEDForm::DotWithTag(int tag) const {
  return static_cast<forms::Shape*>(FindControlByTag(forms::ControlKind::Shape, tag));
}

void TLEDForm::Highlight(int previousTag, int tag) {
  if (forms::Shape* previous = DotWithTag(previousTag)) {
    previous->SetPenColor(RGB(0, 0, 0));
    previous->SetPenWidth(1);
  }
  if (forms::Shape* dot = DotWithTag(tag)) {
    dot->SetPenColor(kDialogHighlightPen);
    dot->SetPenWidth(2);
  }
}

void TLEDForm::ShapeMouseDown(forms::Control& dot) {
  Highlight(m_iSelectedSlot, dot.Tag());
  m_iSelectedSlot = dot.Tag();
}

void TLEDForm::ButtonSetColorClick() {
  forms::Shape* dot = DotWithTag(m_iSelectedSlot);
  COLORREF colour = dot ? dot->BrushColor() : RGB(0, 0, 0);
  if (!App().Dialogs().ChooseColour(Hwnd(), colour)) return;
  if (dot) dot->SetBrushColor(colour);
  DialogPaletteColour(state_.Address(), m_iSelectedSlot, static_cast<std::int32_t>(colour));
}

void TLEDForm::SingleColorShapeMouseDown(forms::Control& dot) {
  const int mode = dot.Tag() - kModeDotTagBase;
  // The mode changes before the colour dialog opens and stays changed when it is cancelled.
  state_.SetMode(mode);
  auto& shape = static_cast<forms::Shape&>(dot);
  COLORREF colour = shape.BrushColor();
  if (!App().Dialogs().ChooseColour(Hwnd(), colour)) return;
  shape.SetBrushColor(colour);
  DialogModeColour(state_.Address(), mode, static_cast<std::int32_t>(colour));
  worker_.Signal();
  if (auto* radio = static_cast<forms::RadioButton*>(FindControlByTag(forms::ControlKind::RadioButton, mode)))
    radio->SetChecked(true);
}

void TLEDForm::RadioButtonOffMouseDown() {
  state_.SetMode(kDialogModeOff);
  const LedDialogAddress to = state_.Address();
  DialogMode(to, kDialogModeOff, to.master ? 1 : 0);
}

void TLEDForm::RadioButtonOnMouseDown() {
  const bool wasOff = state_.Mode() == kDialogModeOff;
  state_.SetMode(kDialogModeSingleColour);
  SendModeThenOffAgain(kDialogModeSingleColour, 0, wasOff);
}

void TLEDForm::RadioButtonMouseDown(forms::Control& radio) {
  const int mode = radio.Tag();
  const bool wasOff = state_.Mode() == kDialogModeOff;
  state_.SetMode(mode);
  // The bar's position is sent as it is; the stored speed changes only when the bar moves.
  auto* bar = static_cast<forms::TrackBar*>(FindControlByTag(forms::ControlKind::TrackBar, mode));
  SendModeThenOffAgain(mode, bar ? bar->Position() : 1, wasOff);
}

// Coming from off, the controller is shown the new mode and then put back to off after a pause.
void TLEDForm::SendModeThenOffAgain(int mode, int speed, bool wasOff) {
  const LedDialogAddress to = state_.Address();
  DialogMode(to, mode, speed);
  Sleep(kModePauseMs);
  if (wasOff) DialogMode(state_.Address(), kDialogModeOff, 0);
}

void TLEDForm::TrackBarEffectChange(forms::Control& bar) {
  if (bar.Tag() != state_.Mode()) return;  // the bar of another effect changes nothing
  state_.SetSpeed(bar.Tag(), static_cast<forms::TrackBar&>(bar).Position());
  worker_.Signal();
}

void TLEDForm::TrackBarBrightnessChange(forms::Control& bar) {
  DialogBrightness(state_.Address(), static_cast<forms::TrackBar&>(bar).Position());
}

}  // namespace vorma::led
