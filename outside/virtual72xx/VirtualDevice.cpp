// The device's identity, faults, HID register interface, GPIO pins and button scan.

#include "outside/virtual72xx/VirtualDevice.h"

#include "outside/virtual72xx/JournalText.h"

namespace vorma::virtual72xx {

namespace {

constexpr size_t kScanReportsKept = 256;
constexpr size_t kJournalLimit = 200000;
constexpr size_t kJournalTrim = 20000;
constexpr std::uint8_t kReportPrefix = 0x60;

}  // namespace

VirtualDevice::VirtualDevice(DeviceNumber number, DeviceIdentity identity)
    : number_(number),
      identity_(std::move(identity)),
      hasAudio_(!identity_.audioPath.empty()),
      hasHid_(!identity_.hidPath.empty()),
      registers_(kRegisterCount, 0),
      eeprom_(FactoryEepromImage()) {
  for (const RegisterValue& r : FactoryRegisters()) registers_[r.address] = r.value;
  gpioExternal_.fill(1);
  encParameters_ = {0x01, 0x00, 0x00, 0x00, 0x80, 0x3E, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00};
  voicePayload_.assign(10, 0);
  v71Block_.assign(68, 0);
}

void VirtualDevice::Note(std::string line) {
  if (journal_.size() >= kJournalLimit)
    journal_.erase(journal_.begin(), journal_.begin() + static_cast<std::ptrdiff_t>(kJournalTrim));
  journal_.push_back(std::move(line));
}

void VirtualDevice::Unplug() {
  plugged_ = false;
  hasAudio_ = hasHid_ = false;
  scanning_ = false;
}

bool VirtualDevice::HasInterface(InterfaceClass interfaceClass) const {
  return interfaceClass == InterfaceClass::Audio ? hasAudio_ : hasHid_;
}

void VirtualDevice::RemoveInterface(InterfaceClass interfaceClass) {
  (interfaceClass == InterfaceClass::Audio ? hasAudio_ : hasHid_) = false;
}

void VirtualDevice::InjectFault(const std::string& call, int count) {
  if (count == 0) faults_.erase(call);
  else faults_[call] = count < 0 ? -1 : count;
  Note(Printf("tool.fault %s %d", call.c_str(), count));
}

bool VirtualDevice::TakeFault(const std::string& call) {
  auto it = faults_.find(call);
  if (it == faults_.end()) return false;
  if (it->second > 0 && --it->second == 0) faults_.erase(it);
  return true;
}

// --- HID interface ---

unsigned long VirtualDevice::HidOpen() {
  if (TakeFault("hid.open")) {
    Note("hid.open -> fault");
    return kErrorGenFailure;
  }
  ++hidOpenCount_;
  Note("hid.open -> 0");
  return kOk;
}

void VirtualDevice::HidClose() {
  if (hidOpenCount_ > 0) --hidOpenCount_;
  Note("hid.close");
}

unsigned long VirtualDevice::HidGetAttributes(HidAttributes& attributes) {
  if (TakeFault("hid.attributes")) {
    Note("hid.attributes -> fault");
    return kErrorGenFailure;
  }
  attributes = {identity_.vendorId, identity_.productId, identity_.versionNumber};
  Note(Printf("hid.attributes -> %04X %04X %04X", identity_.vendorId, identity_.productId, identity_.versionNumber));
  return kOk;
}

unsigned long VirtualDevice::HidGetReportLengths(HidReportLengths& lengths) {
  if (TakeFault("hid.caps")) {
    Note("hid.caps -> fault");
    return kErrorGenFailure;
  }
  lengths = {identity_.inputReportLength, identity_.outputReportLength, 0};
  Note(Printf("hid.caps -> in %u out %u", identity_.inputReportLength, identity_.outputReportLength));
  return kOk;
}

void VirtualDevice::SetReportLengths(std::uint16_t input, std::uint16_t output) {
  identity_.inputReportLength = input;
  identity_.outputReportLength = output;
  Note(Printf("tool.lengths %u %u", input, output));
}

unsigned long VirtualDevice::HidSetOutputReport(const std::vector<std::uint8_t>& report) {
  if (TakeFault("hid.out")) {
    Note("hid.out " + ReportText(report) + " -> fault");
    return kErrorGenFailure;
  }
  if (report.size() != identity_.outputReportLength) {
    Note(Printf("hid.out %s -> refused: %u bytes, the report length is %u", ReportText(report).c_str(),
                static_cast<unsigned>(report.size()), identity_.outputReportLength));
    return kErrorInvalidParameter;
  }
  Note("hid.out " + ReportText(report) + " -> " + DecodeOutputReport(report));
  return kOk;
}

unsigned long VirtualDevice::HidGetInputReport(std::vector<std::uint8_t>& report) {
  if (TakeFault("hid.in")) {
    Note("hid.in -> fault");
    return kErrorGenFailure;
  }
  if (report.size() != identity_.inputReportLength || report.empty() || report[0] != 0) {
    Note(Printf("hid.in -> refused: %u bytes with report ID %u, the report length is %u",
                static_cast<unsigned>(report.size()),
                report.empty() ? 0u : report[0], identity_.inputReportLength));
    return kErrorInvalidParameter;
  }
  FillInputReport(report);
  const char* answer = pending_ == Pending::Register ? "register" : pending_ == Pending::Gpio ? "gpio" : "nothing";
  if (pending_ == Pending::Register)
    Note(Printf("hid.in %s -> register 0x%04x", ReportText(report).c_str(), *address_));
  else
    Note(Printf("hid.in %s -> %s", ReportText(report).c_str(), answer));
  return kOk;
}

std::string VirtualDevice::DecodeOutputReport(const std::vector<std::uint8_t>& report) {
  if (!identity_.is72xx) return "ignored";
  // A device whose reports are shorter than a command (the length-4 fault) cannot decode any.
  if (report.size() < 5) return "ignored: too short for a command";
  if (report[0] != 0) return Printf("ignored: report ID %u", report[0]);
  if (report[1] == 0 && report[2] == 0 && report[3] == 0 && report[4] == 0) {
    address_.reset();
    pending_ = Pending::Nothing;
    return "end";
  }
  if (report[1] != kReportPrefix) return "ignored";
  switch (report[4] >> 4) {
    case 1:
      address_ = static_cast<std::uint16_t>(report[2] | (report[3] << 8));
      pending_ = Pending::Register;
      return Printf("address 0x%04x", *address_);
    case 2:
      if (!address_) return "ignored: no address";
      registers_[*address_] = report[2];
      return Printf("write 0x%04x = 0x%02x", *address_, report[2]);
    case 3:
      return DecodeGpioCommand(report);
    default:
      return "ignored";
  }
}

std::string VirtualDevice::DecodeGpioCommand(const std::vector<std::uint8_t>& report) {
  const std::uint16_t mask = static_cast<std::uint16_t>(report[3] | (((report[4] >> 2) & 3) << 8));
  if (mask == 0) {
    gpioSnapshot_ = GpioLevels();
    pending_ = Pending::Gpio;
    return "gpio read " + PinsText(gpioSnapshot_);
  }
  const std::uint16_t values = static_cast<std::uint16_t>(report[2] | ((report[4] & 3) << 8));
  const std::uint16_t before = GpioLevels();
  for (int pin = 0; pin < kGpioCount; ++pin)
    if ((mask >> pin) & 1) gpioLatch_[pin] = (values >> pin) & 1;
  GpioLevelsMayHaveChanged(before);
  return "gpio write " + PinsText(values & mask);
}

void VirtualDevice::FillInputReport(std::vector<std::uint8_t>& report) const {
  std::uint8_t answer[5] = {0, 0, 0, 0, 0};
  if (pending_ == Pending::Register) {
    answer[1] = kReportPrefix;
    answer[2] = registers_[*address_];
    answer[4] = 0x10;
  } else if (pending_ == Pending::Gpio) {
    answer[1] = kReportPrefix;
    answer[2] = static_cast<std::uint8_t>(gpioSnapshot_ & 0xFF);
    answer[3] = static_cast<std::uint8_t>(gpioSnapshot_ >> 8);
    answer[4] = 0x30;
  }
  std::fill(report.begin(), report.end(), 0);
  for (size_t i = 0; i < report.size() && i < 5; ++i) report[i] = answer[i];
}

// --- GPIO and scan ---

std::uint16_t VirtualDevice::GpioLevels() const {
  std::uint16_t levels = 0;
  for (int pin = 0; pin < kGpioCount; ++pin) {
    const std::uint8_t level = gpioMode_[pin] ? gpioLatch_[pin] : gpioExternal_[pin];
    if (level) levels = static_cast<std::uint16_t>(levels | (1u << pin));
  }
  return levels;
}

void VirtualDevice::GpioLevelsMayHaveChanged(std::uint16_t before) {
  if (scanning_ && GpioLevels() != before) ProduceScanReport();
}

void VirtualDevice::ProduceScanReport() {
  const std::uint16_t levels = GpioLevels();
  ScanReport report;
  report.sequence = ++scanSequence_;
  report.bytes = {0x00, kReportPrefix, static_cast<std::uint8_t>(levels & 0xFF), static_cast<std::uint8_t>(levels >> 8),
                  0x30};
  scanReports_.push_back(report);
  if (scanReports_.size() > kScanReportsKept) scanReports_.pop_front();
  Note("scan.report " + BytesText({report.bytes.begin(), report.bytes.end()}));
}

std::optional<ScanReport> VirtualDevice::ScanReportAfter(std::uint64_t afterSequence) const {
  for (const ScanReport& report : scanReports_)
    if (report.sequence > afterSequence) return report;
  return std::nullopt;
}

unsigned long VirtualDevice::SetGpioLevel(int pin, int level) {
  if (pin < 0 || pin >= kGpioCount || (level != 0 && level != 1)) return kErrorInvalidParameter;
  Note(Printf("tool.gpio %d %d", pin, level));
  const std::uint16_t before = GpioLevels();
  gpioExternal_[pin] = static_cast<std::uint8_t>(level);
  GpioLevelsMayHaveChanged(before);
  return kOk;
}

unsigned long VirtualDevice::WriteEeprom(std::uint32_t offset, const std::vector<std::uint8_t>& bytes) {
  if (offset > kEepromSize || bytes.size() > kEepromSize - offset) return kErrorInvalidParameter;
  std::copy(bytes.begin(), bytes.end(), eeprom_.begin() + offset);
  Note(Printf("tool.eeprom 0x%03x %s", offset, BytesText(bytes).c_str()));
  return kOk;
}

}  // namespace vorma::virtual72xx
