#include "outside/virtual72xx/DeviceProfiles.h"

#include <cwchar>

namespace vorma::virtual72xx {

namespace {

// Format strings take, in this order: vendor ID, product ID (both 4 hex digits), bus number.
struct KindRow {
  const char* kind;
  std::uint16_t vendorId;
  std::uint16_t defaultProductId;
  bool is72xx;
  std::vector<std::vector<const wchar_t*>> nodes;  // hardware-ID formats of each device node
  size_t functionNode;                              // the node whose first ID the panel compares
  bool hasAudio;
  bool hasHid;
  const wchar_t* hidInterface;                      // "mi_03" part of the HID path, or empty
  std::uint16_t inputReportLength;
  std::uint16_t outputReportLength;
};

constexpr wchar_t kAudioClass[] = L"{6994ad04-93ef-11d0-a3cc-00a0c9223196}";
constexpr wchar_t kHidClass[] = L"{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr wchar_t kCaptureClass[] = L"{65e8773d-8f56-11d0-a3b9-00a0c9223196}";

// A composite 72xx device: the USB parent, the audio function (MI_00), the HID function (MI_03)
// and its HID collection. The panel's pattern selects the audio function.
const std::vector<KindRow>& KindTable() {
  static const std::vector<KindRow> kRows = {
      {"72xx", kVendor72xx, kDefaultProduct72xx, true,
       {{L"USB\\VID_%04X&PID_%04X&REV_0100", L"USB\\VID_%04X&PID_%04X"},
        {L"USB\\VID_%04X&PID_%04X&REV_0100&MI_00", L"USB\\VID_%04X&PID_%04X&MI_00"},
        {L"USB\\VID_%04X&PID_%04X&REV_0100&MI_03", L"USB\\VID_%04X&PID_%04X&MI_03"},
        {L"HID\\VID_%04X&PID_%04X&REV_0100&MI_03", L"HID\\VID_%04X&PID_%04X&MI_03", L"HID_DEVICE"}},
       1, true, true, L"&mi_03", 65, 65},
      // The same chip whose function node reports one "&" part less: 27 characters.
      {"short-id", kVendor72xx, kDefaultProduct72xx, true,
       {{L"USB\\VID_%04X&PID_%04X"},
        {L"USB\\VID_%04X&PID_%04X&MI_00"},
        {L"HID\\VID_%04X&PID_%04X&MI_03", L"HID_DEVICE"}},
       1, true, true, L"&mi_03", 65, 65},
      // ... and one "&" part more: 42 characters.
      {"long-id", kVendor72xx, kDefaultProduct72xx, true,
       {{L"USB\\VID_%04X&PID_%04X&REV_0100", L"USB\\VID_%04X&PID_%04X"},
        {L"USB\\VID_%04X&PID_%04X&REV_0100&MI_00&COL01", L"USB\\VID_%04X&PID_%04X&MI_00"},
        {L"HID\\VID_%04X&PID_%04X&REV_0100&MI_03&COL01", L"HID_DEVICE"}},
       1, true, true, L"&mi_03", 65, 65},
      // A HID device of another vendor (a keypad): one HID interface, nothing else.
      {"unrelated-hid", 0x16C0, 0x05DF, false,
       {{L"USB\\VID_%04X&PID_%04X&REV_0100", L"USB\\VID_%04X&PID_%04X"},
        {L"HID\\VID_%04X&PID_%04X&REV_0100", L"HID\\VID_%04X&PID_%04X", L"HID_DEVICE"}},
       1, false, true, L"", 9, 9},
  };
  return kRows;
}

std::wstring Format(const wchar_t* format, std::uint16_t vid, std::uint16_t pid, DeviceNumber number) {
  wchar_t buffer[512];
  std::swprintf(buffer, 512, format, vid, pid, number);
  return buffer;
}

// The device-instance part of a path, unique per bus device number.
std::wstring Numbered(const wchar_t* format, DeviceNumber number) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, format, static_cast<unsigned>(number));
  return buffer;
}

}  // namespace

std::vector<std::string> DeviceKinds() {
  std::vector<std::string> kinds;
  for (const KindRow& row : KindTable()) kinds.push_back(row.kind);
  return kinds;
}

std::optional<DeviceIdentity> MakeIdentity(const std::string& kind, std::uint16_t productId, DeviceNumber number) {
  for (const KindRow& row : KindTable()) {
    if (kind != row.kind) continue;
    DeviceIdentity id;
    id.kind = row.kind;
    id.vendorId = row.vendorId;
    id.productId = productId ? productId : row.defaultProductId;
    id.is72xx = row.is72xx;
    const std::uint16_t vid = id.vendorId, pid = id.productId;
    for (const auto& node : row.nodes) {
      std::vector<std::wstring> ids;
      for (const wchar_t* format : node) ids.push_back(Format(format, vid, pid, number));
      id.nodes.push_back(std::move(ids));
    }
    id.firstHardwareId = id.nodes[row.functionNode][0];
    // Interface paths as SetupAPI's interface detail gives them (lower case), and the device
    // names of the arrival and removal broadcasts (upper-case device part), which carry "VID_".
    if (row.hasAudio) {
      id.audioPath = Format(L"\\\\?\\usb#vid_%04x&pid_%04x&mi_00#7&2a4f%04x&0&0000#", vid, pid, number) +
                     kAudioClass + L"\\global";
      id.audioBroadcast = Format(L"\\\\?\\USB#VID_%04X&PID_%04X&MI_00#7&2A4F%04X&0&0000#", vid, pid, number) +
                          kAudioClass + L"\\global";
    }
    if (row.hasHid) {
      id.hidPath = Format(L"\\\\?\\hid#vid_%04x&pid_%04x", vid, pid, number) + row.hidInterface +
                   Numbered(L"#8&3b5e%04x&0&0000#", number) + kHidClass;
      std::wstring upperInterface = row.hidInterface;
      for (wchar_t& c : upperInterface) c = static_cast<wchar_t>(towupper(c));
      id.hidBroadcast = Format(L"\\\\?\\HID#VID_%04X&PID_%04X", vid, pid, number) + upperInterface +
                        Numbered(L"#8&3B5E%04X&0&0000#", number) + kHidClass;
    }
    if (row.is72xx) {
      id.filterControlName = Format(L"\\\\.\\Class#UsbZurudOvoension&%04X&%04X", vid, pid, number);
      wchar_t description[64];
      std::swprintf(description, 64, L"Microphone (72xx USB Audio %04X)", pid);
      id.captureDescription = description;
      id.captureFriendlyName = id.captureDescription;
      id.captureInterfacePath = Format(L"\\\\?\\USB#VID_%04X&PID_%04X&MI_00#7&2A4F%04X&0&0000#", vid, pid, number) +
                                kCaptureClass + L"\\global";
    }
    id.inputReportLength = row.inputReportLength;
    id.outputReportLength = row.outputReportLength;
    return id;
  }
  return std::nullopt;
}

// EEPROM layout: 0x50:0x8D bit 0 = EQ bands stored; 0x50:0x8E = bank selector 0x10-0x13; the four
// banks are 16-byte slots at 0x51:0x00, 0x10, 0x20, 0x30 (five 12-bit band values packed two per
// three bytes, byte 7 high nibble = flags A (bit 7, EQ off), C (6), B (5), D (4, 3D on)). The
// 3D bytes sit where the panel's own factory table keeps them (0xA1, 0xE7, 0xE8). Everything
// else is erased (0xFF).
namespace {

struct BankRow {
  int bank;
  std::uint16_t values[5];  // stored values; the panel turns value v into band code (v + 1024) / 2
  std::uint8_t flags;       // bits 4-7 of byte 7
};

const BankRow kFactoryBanks[] = {
    {0, {1024, 1280, 1024, 896, 1536}, 0x60},  // a gentle curve, EQ on, 3D off
    {1, {1024, 1024, 1024, 1024, 1024}, 0xE0},  // flat, EQ off
    {2, {1536, 1280, 1024, 1024, 1280}, 0x70},  // bass and treble, EQ on, 3D on
    {3, {1024, 1024, 1024, 1024, 1024}, 0xE0},
};

struct ByteRow {
  size_t offset;
  std::uint8_t value;
};

const ByteRow kFactoryBytes[] = {
    {0x00, 0x72}, {0x01, 0x01},  // chip family and revision
    {0x8D, 0x01},                // EQ bands stored
    {0x8E, 0x10},                // bank 0 selected
    {0xA1, 0x7B},                // 3D: stored enable off, FBM on
    {0xE7, 0xA3}, {0xE8, 0xA3},  // 3D: alpha 10, beta 3 on both sides
};

void PackBank(std::uint8_t* slot, const BankRow& row) {
  const std::uint16_t* v = row.values;
  slot[0] = static_cast<std::uint8_t>(v[0] & 0xFF);
  slot[1] = static_cast<std::uint8_t>(((v[0] >> 8) & 0x0F) | ((v[1] & 0x0F) << 4));
  slot[2] = static_cast<std::uint8_t>((v[1] >> 4) & 0xFF);
  slot[3] = static_cast<std::uint8_t>(v[2] & 0xFF);
  slot[4] = static_cast<std::uint8_t>(((v[2] >> 8) & 0x0F) | ((v[3] & 0x0F) << 4));
  slot[5] = static_cast<std::uint8_t>((v[3] >> 4) & 0xFF);
  slot[6] = static_cast<std::uint8_t>(v[4] & 0xFF);
  slot[7] = static_cast<std::uint8_t>(((v[4] >> 8) & 0x0F) | row.flags);
  for (int i = 8; i < 14; ++i) slot[i] = 0;
  slot[14] = static_cast<std::uint8_t>(row.bank);
  slot[15] = static_cast<std::uint8_t>(row.bank | (row.bank == 3 ? 0x80 : 0));
}

}  // namespace

std::array<std::uint8_t, kEepromSize> FactoryEepromImage() {
  std::array<std::uint8_t, kEepromSize> image;
  image.fill(0xFF);
  for (const ByteRow& row : kFactoryBytes) image[row.offset] = row.value;
  for (const BankRow& row : kFactoryBanks) PackBank(&image[0x100 + 16 * row.bank], row);
  return image;
}

const std::vector<RegisterValue>& FactoryRegisters() {
  // The EQ band registers power up flat (code 1024 = 0x400) with flags A-C set in 0x129; the 3D
  // block carries FBM and alpha 10 / beta 3; the two tuning bytes hold values that 3D adjusts.
  static const std::vector<RegisterValue> kRegisters = {
      {0x120, 0x00}, {0x121, 0x04}, {0x122, 0x00}, {0x123, 0x04}, {0x124, 0x00},
      {0x125, 0x04}, {0x126, 0x00}, {0x127, 0x04}, {0x128, 0x00}, {0x129, 0xE4},
      {0x18A, 0x01}, {0x18B, 0xA3}, {0x18C, 0xA3}, {0x1CD, 0xA5}, {0x1CE, 0x5A},
  };
  return kRegisters;
}

}  // namespace vorma::virtual72xx
