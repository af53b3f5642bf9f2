#include "panel/device/FilterControl.h"

#include <array>
#include <cstring>
#include <cwchar>
#include <mutex>

namespace vorma {
namespace {

// The control-device name is one per process by design: every window and feature reaches the
// driver of the device that was activated last.
std::mutex g_controlNameMutex;
std::wstring g_controlName;

void PutU16(std::uint8_t* bytes, std::uint16_t value) { std::memcpy(bytes, &value, sizeof(value)); }
void PutU32(std::uint8_t* bytes, std::uint32_t value) { std::memcpy(bytes, &value, sizeof(value)); }
std::uint32_t GetU32(const std::uint8_t* bytes) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes, sizeof(value));
  return value;
}

std::unique_ptr<FilterConnection> OpenControlDevice(FilterPort& filter) {
  return filter.Open(FilterControlDeviceName());
}

// One request on a freshly opened control device.
int Request(FilterPort& filter, std::uint32_t code, std::span<const std::uint8_t> input,
            std::span<std::uint8_t> output, std::uint32_t& bytesReturned) {
  std::unique_ptr<FilterConnection> device = OpenControlDevice(filter);
  if (!device) return kFilterNotOpened;
  return device->IoControl(code, input, output, bytesReturned) ? kFilterDone : kFilterFailed;
}

int SendValue(FilterPort& filter, std::uint32_t code, std::uint32_t value) {
  std::array<std::uint8_t, 4> input{};
  PutU32(input.data(), value);
  std::uint32_t returned = 0;
  return Request(filter, code, input, {}, returned);
}

}  // namespace

int QueryFilterValue(FilterPort& filter, std::uint16_t selector, std::uint32_t& value) {
  std::array<std::uint8_t, 8> input{};
  PutU16(input.data(), 1);
  PutU16(input.data() + 2, selector);
  PutU32(input.data() + 4, value);
  std::array<std::uint8_t, 8> output{};
  std::uint32_t returned = 0;
  if (const int result = Request(filter, kFilterQueryValueCode, input, output, returned); result != kFilterDone)
    return result;
  if (returned < output.size()) return kFilterNoBytesReturned;
  value = GetU32(output.data() + 4);
  return kFilterDone;
}

int SetFilterEffect(FilterPort& filter, std::uint32_t number) { return SendValue(filter, kFilterSetEffectCode, number); }

int SetFilterSwitch(FilterPort& filter, std::uint32_t value) { return SendValue(filter, kFilterSetSwitchCode, value); }

int QueryFilterState(FilterPort& filter, std::uint32_t& value) {
  std::array<std::uint8_t, 8> input{};
  PutU32(input.data(), 1);
  std::array<std::uint8_t, 8> output{};
  std::uint32_t returned = 0;
  if (const int result = Request(filter, kFilterQueryStateCode, input, output, returned); result != kFilterDone)
    return result;
  if (returned < output.size()) return kFilterFailed;
  value = GetU32(output.data() + 4);
  return kFilterDone;
}

int KVX_Set_DEVICE_SYMBOLIC_NAME(FilterPort& filter, std::uint16_t vendorId, std::uint16_t productId) {
  wchar_t name[64];
  swprintf(name, std::size(name), L"\\\\.\\Class#UsbZurudOvoension&%.4X&%.4X", vendorId, productId);
  {
    std::lock_guard lock(g_controlNameMutex);
    g_controlName = name;
  }
  return OpenControlDevice(filter) ? 0 : 1;
}

std::wstring FilterControlDeviceName() {
  std::lock_guard lock(g_controlNameMutex);
  return g_controlName;
}

}  // namespace vorma
