#pragma once
// The small LED colour picker: a borderless window with 48 colour swatches, OK and Cancel. A press
// on a swatch highlights it and picks its colour; OK makes the picked colour the result, Cancel
// makes the result 0. A press on the window's background drags the window. The panel creates it
// with its other forms; nothing in the panel shows it.

#include "forms/Application.h"
#include "forms/Form.h"

namespace vorma::led {

class TLEDColorForm final : public forms::Form {
public:
  explicit TLEDColorForm(forms::Application& application);
  ~TLEDColorForm() override;

  void ShapeMouseDown(forms::Control& swatch);
  void ButtonOKClick();
  void ButtonCancelClick();
  void FormMouseDown(const forms::MouseEventArgs& args);

  COLORREF ResultColor() const { return m_iResultColor; }
  COLORREF PickedColor() const { return m_iPickColor; }
  int SelectedShape() const { return m_iSelectedShape; }

private:
  COLORREF m_iResultColor = 0;
  COLORREF m_iPickColor = 0;
  int m_iSelectedShape = 1;
};

}  // namespace vorma::led
