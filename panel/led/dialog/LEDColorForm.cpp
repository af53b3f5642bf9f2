#include "panel/led/dialog/LEDColorForm.h"

#include "foundation/DebugOutput.h"
#include "panel/led/dialog/LEDForm.h"
#include "panel/led/dialog/LEDFormEvents.h"
#include "panel/shell/OtherFormsResource.h"

namespace vorma::led {
namespace {

constexpr WPARAM kMoveByCaption = 0xF012;  // SC_MOVE with the caption hit code

}  // namespace

TLEDColorForm::TLEDColorForm(forms::Application& application)
    : forms::Form(application, shell::FormArgsFor(shell::LEDColorFormResource())) {
  TLEDColorFormEvents events(*this);
  const shell::FormBuildReport report = shell::AddResourceToForm(shell::LEDColorFormResource(), *this, events);
  for (std::wstring_view name : report.unboundHandlers)
    DebugPrint(L"TLEDColorForm: handler %.*s is not bound\n", static_cast<int>(name.size()), name.data());
  OnMouseDown = [this](forms::Form&, const forms::MouseEventArgs& args) { FormMouseDown(args); };
}

TLEDColorForm::~TLEDColorForm() { DestroyWindowNow(); }

void TLEDColorForm::ShapeMouseDown(forms::Control& swatch) {
  if (auto* previous = static_cast<forms::Shape*>(FindControlByTag(forms::ControlKind::Shape, m_iSelectedShape))) {
    previous->SetPenColor(RGB(0, 0, 0));
    previous->SetPenWidth(1);
  }
  auto& shape = static_cast<forms::Shape&>(swatch);
  shape.SetPenColor(kDialogHighlightPen);
  shape.SetPenWidth(2);
  m_iSelectedShape = swatch.Tag();
  m_iPickColor = shape.BrushColor();
}

void TLEDColorForm::ButtonOKClick() {
  m_iResultColor = m_iPickColor;
  Close();
}

void TLEDColorForm::ButtonCancelClick() {
  m_iResultColor = 0;
  Close();
}

void TLEDColorForm::FormMouseDown(const forms::MouseEventArgs& args) {
  if (args.button != forms::MouseButton::Left) return;
  ReleaseCapture();
  SendMessageW(Hwnd(), WM_SYSCOMMAND, kMoveByCaption, 0);
}

}  // namespace vorma::led
