#include "panel/features/threed/ThreeDRegisters.h"

#include "panel/device/HidRegisterTransport.h"

namespace vorma::features {

int UpdateRegisterBits(HidConnection& device, std::uint16_t address, std::uint8_t mask, bool set) {
  std::uint8_t value = 0;
  if (ReadDeviceRegister(device, address, value) != kRegisterReadDone) return kBitUpdateReadFailed;
  value = set ? static_cast<std::uint8_t>(value | mask) : static_cast<std::uint8_t>(value & ~mask);
  if (WriteDeviceRegister(device, address, value) != kRegisterWriteDone) return kBitUpdateWriteFailed;
  return kBitUpdateDone;
}

int TuneRegisters(HidConnection& device) {
  for (std::uint16_t address : kTuningRegisters) {
    std::uint8_t value = 0;
    if (ReadDeviceRegister(device, address, value) != kRegisterReadDone) return kTuningReadFailed;
    if (WriteDeviceRegister(device, address, TunedByte(value)) != kRegisterWriteDone) return kTuningWriteFailed;
  }
  return kTuningDone;
}

int WriteRecordRegisters(HidConnection& device, const ThreeDRecord& record) {
  switch (UpdateRegisterBits(device, kBlockRegister, kFbmBit, record.fbm != 0)) {
    case kBitUpdateReadFailed:
      return kRecordFlagsReadFailed;
    case kBitUpdateWriteFailed:
      return kRecordFlagsWriteFailed;
    default:
      break;
  }
  std::uint8_t left = 0;
  std::uint8_t right = 0;
  if (!PackAlphaBeta(record.leftAlpha, record.leftBeta, left) ||
      !PackAlphaBeta(record.rightAlpha, record.rightBeta, right))
    return kRecordValueRefused;
  if (WriteDeviceRegister(device, kLeftRegister, left) != kRegisterWriteDone) return kRecordValuesWriteFailed;
  if (WriteDeviceRegister(device, kRightRegister, right) != kRegisterWriteDone) return kRecordValuesWriteFailed;
  return kRecordRegistersDone;
}

}  // namespace vorma::features
