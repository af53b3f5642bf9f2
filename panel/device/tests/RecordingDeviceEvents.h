#pragma once
// A stand-in for the main window during activation tests: it records every event activation
// reports, in order, interleaved with the SDK, HID and filter lines the virtual device journaled
// since the previous one; and owns a real window whose Timer1 (SetTimer, 2000 ms) and
// WM_DEVICECHANGE reach the activation.

#include "panel/device/DeviceActivation.h"
#include "outside/virtual72xx/Virtual72xxClient.h"
#include "foundation/UniqueHandles.h"

#include <functional>
#include <string>
#include <vector>

namespace vorma::test {

class RecordingDeviceEvents final : public DeviceEvents {
public:
  explicit RecordingDeviceEvents(virtual72xx::Virtual72xxClient client);
  ~RecordingDeviceEvents() override;

  // The activation that the window's Timer1 and WM_DEVICECHANGE go to.
  void Attach(DeviceActivation* activation) { activation_ = activation; }
  HWND Window() const { return window_.get(); }
  // The device whose journal is interleaved with the events (0: none).
  void Follow(virtual72xx::DeviceNumber device) { followed_ = device; }
  // The record so far, ending with the journal lines since the last event; cleared on reading.
  std::vector<std::string> TakeLog();
  bool Timer1Running() const { return timer1Running_; }
  int DeviceChangeCount() const { return deviceChanges_; }

  // Runs each time activation lets pending messages run, before they are dispatched: a message
  // that arrives just then (a timer tick, a device change).
  std::function<void()> whilePendingMessagesRun;
  // Runs inside DeviceActivated, as the features' re-synchronisation would.
  std::function<void()> whileActivated;
  DeviceLabelKind label = DeviceLabelKind::NoDevice;
  bool indicators = false;

  // --- DeviceEvents ---
  void ShowDeviceLabel(DeviceLabelKind kind) override;
  void ShowDeviceIndicators(bool active) override;
  void RefreshPage() override { Record("RefreshPage"); }
  void SetPollRunning(bool running) override;
  void ProcessPendingMessages() override;
  void InterfaceArrived() override { Record("InterfaceArrived"); }
  void DeviceActivated(ActivationPath path, std::uint16_t vendorId, std::uint16_t productId) override;
  void DeviceRemoved() override { Record("DeviceRemoved"); }
  void StartupInterfaceClosed() override { Record("StartupInterfaceClosed"); }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void TakeJournal();
  void Record(const std::string& event);

  virtual72xx::Virtual72xxClient client_;
  virtual72xx::DeviceNumber followed_ = 0;
  DeviceActivation* activation_ = nullptr;
  UniqueWindow window_;
  std::vector<std::string> log_;
  bool timer1Running_ = false;
  int deviceChanges_ = 0;
};

}  // namespace vorma::test
