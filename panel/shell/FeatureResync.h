#pragma once
// What the main window's features do when the device changes: the endpoint and meter work of an
// interface arrival, the re-synchronisation of a device that has just become ready (one list, in
// the order the device needs), and the clean-up when it goes away. The window creates one after
// its features and routes the device events to it; everything runs on the window's thread.

#include "panel/device/DeviceEvents.h"
#include "panel/device/DevicePorts.h"

#include <cstdint>

namespace vorma::buttons {
class CHardwareButtons;
}

namespace vorma::shell {

class MainFormFeatures;
struct MainFormSettings;

// What the re-synchronisation asks of the window itself.
class ResyncWindow {
public:
  virtual ~ResyncWindow() = default;
  virtual void RefreshPage() = 0;
  virtual void ProcessPendingMessages() = 0;
  virtual int CurrentPage() = 0;
  // The LED indicator is on: the pin pass only reads the GPIO levels, so a lit output stays lit.
  virtual bool LedIndicatorOn() = 0;
};

class FeatureResync {
public:
  FeatureResync(ResyncWindow& window, MainFormFeatures& features, buttons::CHardwareButtons& buttons, DevicePorts& ports,
                const MainFormSettings& settings, int osClass);
  FeatureResync(const FeatureResync&) = delete;
  FeatureResync& operator=(const FeatureResync&) = delete;

  // Every interface arrival, before the device is looked at: the capture endpoint once, the meters.
  void InterfaceArrived();
  // A device that has just become ready.
  void Resynchronise(ActivationPath path, std::uint16_t vendorId, std::uint16_t productId);
  // The active device went away: the endpoint must be looked up again, the button scan is over, and
  // the next activation starts the LED worker again.
  void DeviceRemoved();
  // The interface held since start-up went with it: the endpoint, the capture and the LED worker's
  // thread handle are let go.
  void StartupInterfaceClosed();

  // The microphone page found (or did not find) the capture endpoint of the present device.
  void SetEndpointReady(bool ready) { endpointReady_ = ready; }
  // When the loaded profile asks for the device's EEPROM values, the curve (or the 3D record) is
  // read from the device twice; true when it was. The window's start-up uses these as well.
  bool SyncEqualizerFromEeprom();
  bool SyncThreeDFromEeprom();

private:
  void PrepareEndpointOnce();
  void PassGpioPins(std::uint16_t vendorId, std::uint16_t productId);
  void SyncEncAndButtons(ActivationPath path);
  void SyncEqualizer();
  void SyncThreeD();
  void SyncVirtual7ch1();

  ResyncWindow& window_;
  MainFormFeatures& features_;
  buttons::CHardwareButtons& buttons_;
  DevicePorts& ports_;
  const MainFormSettings& settings_;
  int osClass_;
  bool endpointReady_ = false;
  int activationCount_ = 0;  // the window's start-up starts the LED worker itself; later ones count here
};

}  // namespace vorma::shell
