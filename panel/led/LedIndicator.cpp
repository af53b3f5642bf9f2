#include "panel/led/LedIndicator.h"

#include "panel/device/HidRegisterTransport.h"

namespace vorma::led {
namespace {

int Close(HidConnection& device) { return EndRegisterWrites(device) == kEndWritesDone ? kLedIndicatorDone : kLedIndicatorCloseFailed; }

}  // namespace

int SendLedIndicator(std::unique_ptr<HidConnection> device, int on) {
  if (!device) return kLedIndicatorNoDevice;
  GpioLevels levels{};
  levels[0] = on != 0 ? 1 : 0;
  if (WriteGpioBits(*device, levels) != kGpioWriteDone) return kLedIndicatorReportFailed;
  return Close(*device);
}

int SyncLedIndicator(std::unique_ptr<HidConnection> device, int state) {
  if (!device) return kLedIndicatorNoDevice;
  if (state != 0) {
    GpioLevels levels{};
    if (ReadGpioBits(*device, levels) != kGpioReadDone) return kLedIndicatorReportFailed;
  } else if (WriteGpioBits(*device, GpioLevels{}) != kGpioWriteDone) {
    return kLedIndicatorReportFailed;
  }
  return Close(*device);
}

}  // namespace vorma::led
