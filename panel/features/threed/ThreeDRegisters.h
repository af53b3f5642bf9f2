#pragma once
// The 3D registers of the device over an open HID interface. Each function sends only its register
// reports; the caller opens the interface, ends the writes and closes it. A failed read or write
// stops the sequence at once.
//
//   0x100  feature control: bit 7 = 3D (bit 2 belongs to the equaliser, so it is read-modify-write)
//   0x18A  bit 0 = FBM, bit 6 = 3D block enable, the other bits the device's own
//   0x18B  left alpha in bits 4-7, left beta in bits 0-3
//   0x18C  right alpha in bits 4-7, right beta in bits 0-3
//   0x1CD, 0x1CE  tuning bytes adjusted when 3D is switched on

#include "panel/device/DevicePorts.h"
#include "panel/features/threed/ThreeDRecord.h"

#include <cstdint>

namespace vorma::features {

inline constexpr std::uint16_t kFeatureControlRegister = 0x100;
inline constexpr std::uint8_t kThreeDEnableBit = 0x80;
inline constexpr std::uint16_t kBlockRegister = 0x18A;
inline constexpr std::uint8_t kFbmBit = 0x01;
inline constexpr std::uint8_t kBlockEnableBit = 0x40;
inline constexpr std::uint16_t kLeftRegister = 0x18B;
inline constexpr std::uint16_t kRightRegister = 0x18C;
inline constexpr std::uint16_t kTuningRegisters[] = {0x1CD, 0x1CE};

enum BitUpdateResult : int {
  kBitUpdateDone = 0,
  kBitUpdateReadFailed = 1,
  kBitUpdateWriteFailed = 2,
};
// Reads the register, sets or clears the bits of `mask`, writes it back.
int UpdateRegisterBits(HidConnection& device, std::uint16_t address, std::uint8_t mask, bool set);

enum TuningResult : int {
  kTuningDone = 0,
  kTuningReadFailed = 1,
  kTuningWriteFailed = 2,
};
// 0x1CD and then 0x1CE: read, turn each 0xA nibble into 0xF, write back.
int TuneRegisters(HidConnection& device);

enum RecordRegistersResult : int {
  kRecordRegistersDone = 0,
  kRecordFlagsReadFailed = 1,
  kRecordFlagsWriteFailed = 2,
  kRecordValueRefused = 3,  // a value above 15; nothing of 0x18B/0x18C was written
  kRecordValuesWriteFailed = 4,
};
// 0x18A bit 0 from the record's FBM (read-modify-write), then 0x18B and 0x18C from its values.
int WriteRecordRegisters(HidConnection& device, const ThreeDRecord& record);

}  // namespace vorma::features
