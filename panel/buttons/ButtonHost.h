#pragma once
// What the hardware buttons do to the main window. A press behaves exactly like the same click with
// the mouse, so every action goes through the window's own handlers. The main window implements
// it; every call comes on its thread.

#include <windows.h>

namespace vorma::buttons {

class ButtonHost {
public:
  virtual ~ButtonHost() = default;

  virtual WORD VendorId() = 0;  // of the active device
  virtual WORD ProductId() = 0;

  // OnImageMouseDown / OnImageMouseUp with the image that has this Tag as sender, the left
  // button, no shift keys and position (0, 0); nothing when the window has no such image.
  virtual void ImageMouseDown(int tag) = 0;
  virtual void ImageMouseUp(int tag) = 0;
  // OnLabelMouseDown / OnLabelMouseUp with the label that has this Tag.
  virtual void LabelMouseDown(int tag) = 0;
  virtual void LabelMouseUp(int tag) = 0;
  // ToggleButtonState on the Tag with the window's own state member of that Tag.
  virtual void ToggleFeatureButton(int tag) = 0;
  // ToggleButtonState on the Tag with the given state.
  virtual void ToggleButtonState(int tag, int& state) = 0;
  // m_nCurrentPage := page, ShowPageControls (page), PageButtonShow (pageButton).
  virtual void ShowPage(int page, int pageButton) = 0;
  virtual void ENCFunctionImageClick() = 0;
  virtual void VMFunctionImageClick() = 0;
  // The ENC on/off state flips and is sent, redrawn only on the ENC page; no device or ENC check.
  virtual void ToggleEncFromButton() = 0;
  // ShowWindow (SW_RESTORE) on the application's window.
  virtual void RestoreWindow() = 0;
  virtual void ProcessPendingMessages() = 0;
  virtual void Wait(DWORD milliseconds) = 0;
};

}  // namespace vorma::buttons
