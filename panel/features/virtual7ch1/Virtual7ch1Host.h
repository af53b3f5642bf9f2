#pragma once
// What the virtual 7.1 page needs from the rest of the main window beyond its feature context: the
// test-tone box, the hardware-button switch, the animation timer and the 3D feature it excludes.
// The main window implements it; every call comes on its thread.

namespace vorma::features {

class Virtual7ch1Host {
public:
  virtual ~Virtual7ch1Host() = default;

  virtual bool TestToneTicked() = 0;  // BeeCheckBox is ticked
  virtual int GpioOnOff() = 0;        // m_nGPIOOnOff of the hardware buttons
  virtual bool GpioScanMode() = 0;    // m_bGPIOScanMode: a hardware button is pressing
  // The window's 20 ms `Timer`, which drives rotation, narrowing and enlarging.
  virtual void SetAnimationTimerEnabled(bool enabled) = 0;
  // 3D enable := 0, then Apply3DOnOff (0) and Write3DEnableBit (0) of the 3D page.
  virtual void SwitchThreeDOff() = 0;
};

}  // namespace vorma::features
