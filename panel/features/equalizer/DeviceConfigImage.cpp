#include "panel/features/equalizer/DeviceConfigImage.h"

#include <algorithm>
#include <utility>

namespace vorma::features {
namespace {

// The bytes of the factory table that differ from the erased value. The 3D defaults: stored enable
// off with FBM on (0x7B), alpha 10 and beta 3 on both sides (0xA3).
constexpr std::pair<std::size_t, std::uint8_t> kFactoryBytes[] = {
    {k3DFlagsOffset, 0x7B},
    {k3DLeftOffset, 0xA3},
    {k3DRightOffset, 0xA3},
};

constexpr std::array<std::uint8_t, kDeviceConfigFactorySize> MakeFactoryTable() {
  std::array<std::uint8_t, kDeviceConfigFactorySize> table{};
  for (auto& byte : table) byte = 0xFF;
  for (const auto& [offset, value] : kFactoryBytes) table[offset] = value;
  return table;
}

constexpr auto kFactoryTable = MakeFactoryTable();

bool ValidSlot(int slot) { return slot >= 0 && slot < kEqPresetCount; }

std::size_t SlotOffset(int slot) { return kEqSlotsOffset + kEqSlotSize * static_cast<std::size_t>(slot); }

}  // namespace

const std::array<std::uint8_t, kDeviceConfigFactorySize>& DeviceConfigFactoryTable() { return kFactoryTable; }

void DeviceConfigImage::LoadFactoryTable() {
  bytes_.fill(0xFF);
  std::copy(kFactoryTable.begin(), kFactoryTable.end(), bytes_.begin());
}

bool DeviceConfigImage::StoreEqSlot(int slot, const EqSlotBytes& packed) {
  if (!ValidSlot(slot)) return false;
  std::copy(packed.begin(), packed.end(), bytes_.begin() + SlotOffset(slot));
  return true;
}

bool DeviceConfigImage::ReadEqSlot(int slot, EqSlotBytes& packed) const {
  if (!ValidSlot(slot)) return false;
  std::copy_n(bytes_.begin() + SlotOffset(slot), kEqSlotSize, packed.begin());
  return true;
}

}  // namespace vorma::features
