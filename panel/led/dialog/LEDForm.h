#pragma once
// The LED settings dialog, used instead of the main window's LED page when the skin does not ask
// for the page. It talks to the LED controller directly: it can address either LED output or
// both, use the SDK's plain ("Master") or USB HID slave ("Slave") functions, set the brightness,
// and offers blinking and single random besides the page's effects. Its settings are not stored;
// each showing starts from the same mode and colour slot, while the LED number, Master/Slave,
// speeds, bars and dot colours keep what the previous showing left.
//
// The mouse-down handlers do the work; the radio buttons' clicks only check them. The 500 ms
// pauses after a mode command run on the user-interface thread, as the controller needs them.

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/led/dialog/LedCommandWorker.h"
#include "panel/led/dialog/LedDialogState.h"

namespace vorma::led {

// The outline of the highlighted colour dot.
inline constexpr COLORREF kDialogHighlightPen = 0xF0CAA6;

class TLEDForm final : public forms::Form {
public:
  explicit TLEDForm(forms::Application& application);
  ~TLEDForm() override;

  // --- form events ---
  void FormShow();
  void FormClose();
  void FormDestroy();

  // --- control handlers ---
  void ShapeMouseDown(forms::Control& dot);
  void ButtonSetColorClick();
  void SingleColorShapeMouseDown(forms::Control& dot);
  void RadioButtonOffMouseDown();
  void RadioButtonOnMouseDown();
  void RadioButtonMouseDown(forms::Control& radio);
  void TrackBarEffectChange(forms::Control& bar);
  void TrackBarBrightnessChange(forms::Control& bar);
  void RadioButtonLED1Click() { state_.SetLedNumber(1); }
  void RadioButtonLED2Click() { state_.SetLedNumber(2); }
  void RadioButtonAllLEDClick() { state_.SetLedNumber(kDialogLedAll); }
  void ButtonCloseClick() { Close(); }

  // --- state ---
  // True while the dialog is shown; the main window's drags stand still meanwhile.
  bool Shown() const { return m_bShown; }
  LedDialogValues Values() const { return state_.Snapshot(); }
  int SelectedSlot() const { return m_iSelectedSlot; }
  bool WorkerRunning() const { return worker_.Running(); }

private:
  void SendModeThenOffAgain(int mode, int speed, bool wasOff);
  void Highlight(int previousTag, int tag);
  forms::Shape* DotWithTag(int tag) const;
  void LayOutModeRows();

  CLedDialogState state_;
  CLedCommandWorker worker_{state_};
  bool m_bShown = false;
  int m_iSelectedSlot = 1;
};

}  // namespace vorma::led
