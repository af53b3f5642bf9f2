#pragma once
// The device's hardware buttons: up to ten GPIO pins wired to push buttons, a two-position switch
// or one button that switches ENC. The pins are configured and scanned through the SDK; every
// changed scan report becomes one action of the main window, carried out as the same click with
// the mouse would be. The SDK delivers the reports on its own thread; they are handled here on the
// user-interface thread, one after the other (ScanReportPump), and no member of this class is
// touched on another thread.

#include "panel/buttons/ButtonHost.h"
#include "panel/buttons/GpioConfiguration.h"
#include "panel/buttons/ScanReportPump.h"

#include <array>
#include <optional>
#include <string>

namespace vorma::buttons {

struct ButtonSettings {
  GpioConfiguration gpio;
  int encButtonMode = 0;  // m_nEncButtonMode: 1 the ENC button is scanned
  int encGpio = 0;        // m_nEncGpio: the ENC button's GPIO
};

// The function table's entries that need a name.
inline constexpr int kFunctionVirtual7ch1 = 7;

class CHardwareButtons {
public:
  // Becomes the receiver of the process's scan reports.
  CHardwareButtons(ButtonHost& host, ButtonSettings settings);

  // --- state the main window's switch lock and drag read ---
  int GpioOnOff() const { return m_nGPIOOnOff; }
  int GpioScanMode() const { return m_bGPIOScanMode; }
  int StartScanGPIO() const { return m_bStartScanGPIO; }
  const std::array<int, kGpioCount>& StartupLevels() const { return startupLevels_; }
  const ButtonSettings& Settings() const { return settings_; }

  // --- operations ---
  // Window construction with a device active: the switch position at start-up.
  void ReadGPIOAndSetUI();
  int SetEncGpioMode();  // 0 when the SDK took the ENC pin's mode
  int ScanENCGPIO();     // starts the SDK's scan with this process's callback; 0
  // Device removal: no ENC press counts until the next report of a scan.
  void ClearStartScanGPIO() { m_bStartScanGPIO = 0; }

  // One scan report, on the user-interface thread (the callback's steps after the copy).
  void GpioScanCallback(const ScanReport& report);
  int SendEncButton(const ScanReport& report);
  int SendGPIOButton(const ScanReport& report);
  int GPIOFunction(const ScanReport& report);
  int GetMappingFunction(int gpio, int& function) const;
  void CheckGPIOHighLowActive(const ScanReport& report, int& bCheckHighLow, int& nCurrData, int gpio) const;

private:
  void RunFunction(int function);
  // Presses the image with that Tag and restores the window.
  void Press(int tag);
  bool PressCondition() const;

  ButtonHost& host_;
  ButtonSettings settings_;

  int m_nGPIOOnOff = 1;
  int m_bGPIOScanMode = 0;
  int m_bStartScanGPIO = 0;
  int m_bSkipFirstEncReport = 1;
  std::array<int, kGpioCount> startupLevels_{};

  // The scan's bookkeeping, kept for the life of the panel (not per device): the first report
  // after a device comes back is compared with the last one before it went.
  std::optional<ScanReport> previous_;
  ScanReport change_{};

  ScanReportPump pump_;  // last: reports reach this object only once it is complete
};

// "Raw Data = 00 60 FB 03 30\n\n"
std::wstring ScanReportText(const ScanReport& report);

}  // namespace vorma::buttons
