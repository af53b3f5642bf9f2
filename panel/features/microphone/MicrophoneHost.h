#pragma once
// What the microphone page needs from the main window beyond its feature context: the
// endpoint-ready flag of device activation, the window that receives the level meter's capture
// buffers, and the meter's width from the skin. Every call comes on the window's thread.

#include <windows.h>

namespace vorma::features {

class MicrophoneHost {
public:
  virtual ~MicrophoneHost() = default;
  // Set when the capture endpoint was found for the present device, cleared when it was not.
  virtual void SetEndpointReady(bool ready) = 0;
  // The window MM_WIM_DATA goes to; it hands the message to CMicrophonePage::OnMeterData.
  virtual HWND MeterWindow() = 0;
  // [Mic] MicProgressLength of the skin: the level meter's widest width.
  virtual int MeterLength() = 0;
};

}  // namespace vorma::features
