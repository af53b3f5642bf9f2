#include "panel/device/DeviceDiscovery.h"

#include "panel/device/DeviceIdentifiers.h"

namespace vorma {
namespace {

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// The leading hexadecimal digits of the (at most) four characters at `position`, as strtoul reads them.
std::uint16_t FourHexDigits(std::wstring_view text, size_t position) {
  std::uint16_t value = 0;
  for (size_t i = position; i < text.size() && i < position + 4; ++i) {
    const int digit = HexDigitValue(text[i]);
    if (digit < 0) break;
    value = static_cast<std::uint16_t>(value * 16 + digit);
  }
  return value;
}

// Position just after the first `upper` marker, else after the first `mixed` one.
size_t AfterMarker(std::wstring_view text, std::wstring_view upper, std::wstring_view mixed) {
  size_t found = text.find(upper);
  if (found == std::wstring_view::npos) found = text.find(mixed);
  return found == std::wstring_view::npos ? found : found + upper.size();
}

}  // namespace

bool SearchDevicePresent(DeviceEnumerationPort& enumeration, const CDeviceIdMgr& deviceIds, std::wstring& hardwareId) {
  bool found = false;
  enumeration.ForEachFirstHardwareId([&](const std::wstring& firstId) {
    // A node with one "&" part more or less is another function of the device (or another device).
    if (firstId.size() != kReferenceHardwareId.size() || !deviceIds.Matches(firstId)) return false;
    hardwareId = firstId;
    found = true;
    return true;
  });
  return found;
}

void ParseVidPid(std::wstring_view text, std::uint16_t& vendorId, std::uint16_t& productId) {
  vendorId = 0;
  productId = 0;
  const size_t vendor = AfterMarker(text, L"VID_", L"Vid_");
  if (vendor == std::wstring_view::npos) return;
  vendorId = FourHexDigits(text, vendor);
  const size_t product = AfterMarker(text, L"PID_", L"Pid_");
  if (product == std::wstring_view::npos) return;
  productId = FourHexDigits(text, product);
}

std::unique_ptr<HidConnection> OpenHidDevice(HidPort& hid, std::uint16_t vendorId, std::uint16_t productId) {
  std::unique_ptr<HidConnection> result;
  hid.ForEachInterfacePath([&](const std::wstring& path) {
    std::unique_ptr<HidConnection> connection = hid.Open(path);
    if (!connection) return false;
    HidIdentity identity;
    if (!connection->GetAttributes(identity) || identity.productId != productId || identity.vendorId != vendorId)
      return false;
    result = std::move(connection);
    return true;
  });
  return result;
}

}  // namespace vorma
