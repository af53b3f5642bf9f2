// The filter driver's control device, the capture endpoint and the state dump.

#include "outside/virtual72xx/VirtualDevice.h"

#include "outside/virtual72xx/JournalText.h"

#include <bit>
#include <cstring>

namespace vorma::virtual72xx {

namespace {

// The four control codes the filter driver answers (buffered method).
constexpr std::uint32_t kQueryFilterValue = 0x223028;
constexpr std::uint32_t kSetFilterEffect = 0x8232008;
constexpr std::uint32_t kSetFilterSwitch = 0x8232000;
constexpr std::uint32_t kQueryFilterState = 0x223190;
constexpr std::uint32_t kFilterEffectCount = 5;  // driver values 0-4
constexpr std::uint32_t kFilterRunning = 1;
constexpr size_t kShortAnswerBytes = 4;  // what a short answer keeps of an 8-byte one

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

std::uint16_t U16(const std::vector<std::uint8_t>& bytes, size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void PutU32(std::vector<std::uint8_t>& bytes, size_t offset, std::uint32_t value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

const char* RequestName(std::uint32_t code) {
  switch (code) {
    case kQueryFilterValue: return "query-value";
    case kSetFilterEffect: return "set-effect";
    case kSetFilterSwitch: return "set-switch";
    case kQueryFilterState: return "query-state";
    default: return "unknown";
  }
}

}  // namespace

unsigned long VirtualDevice::FilterOpen() {
  if (TakeFault("filter.open")) {
    Note("filter.open -> fault");
    return kErrorGenFailure;
  }
  ++filterOpenCount_;
  Note("filter.open -> 0");
  return kOk;
}

void VirtualDevice::FilterClose() {
  if (filterOpenCount_ > 0) --filterOpenCount_;
  Note("filter.close");
}

// Selector values of the query: 0 the current effect, 1 the switch value, 2 the running state;
// any other selector answers 0.
unsigned long VirtualDevice::FilterIoControl(std::uint32_t code, const std::vector<std::uint8_t>& input,
                                             std::uint32_t outputCapacity, FilterReply& reply) {
  const std::string call = Printf("filter.ioctl 0x%x %s [%s] cap %u", code, RequestName(code),
                                  BytesText(input).c_str(), outputCapacity);
  if (TakeFault("filter.ioctl")) {
    Note(call + " -> fault");
    return kErrorGenFailure;
  }
  ++filterRequests_;
  unsigned long error = kOk;
  std::vector<std::uint8_t> output;
  switch (code) {
    case kQueryFilterValue:
      if (input.size() != 8 || U16(input, 0) != 1) error = kErrorInvalidParameter;
      else if (outputCapacity < 8) error = kErrorInsufficientBuffer;
      else {
        const std::uint16_t selector = U16(input, 2);
        output = input;
        PutU32(output, 4, selector == 0 ? filterEffect_ : selector == 1 ? filterSwitch_ : selector == 2 ? kFilterRunning : 0);
      }
      break;
    case kSetFilterEffect:
      if (input.size() != 4 || U32(input, 0) >= kFilterEffectCount) error = kErrorInvalidParameter;
      else filterEffect_ = U32(input, 0);
      break;
    case kSetFilterSwitch:
      if (input.size() != 4) error = kErrorInvalidParameter;
      else filterSwitch_ = U32(input, 0);
      break;
    case kQueryFilterState:
      if (input.size() != 8 || U32(input, 0) != 1) error = kErrorInvalidParameter;
      else if (outputCapacity < 8) error = kErrorInsufficientBuffer;
      else {
        output.assign(8, 0);
        PutU32(output, 0, 1);
        PutU32(output, 4, kFilterRunning);
      }
      break;
    default:
      error = kErrorInvalidFunction;
  }
  // A driver of another version may answer with fewer bytes than it was given room for.
  const bool cut = error == kOk && output.size() > kShortAnswerBytes && TakeFault("filter.short");
  if (cut) output.resize(kShortAnswerBytes);
  Note(call + Printf(" -> %lu", error) + (error == kOk ? " out [" + BytesText(output) + "]" : "") +
       (cut ? " (short)" : ""));
  if (error == kOk) reply.output = std::move(output);
  return error;
}

// --- capture endpoint ---

unsigned long VirtualDevice::CaptureGet(CaptureState& state) {
  if (TakeFault("capture")) {
    Note("capture.get -> fault");
    return kErrorGenFailure;
  }
  state = {micVolume_, micMute_, micBoost_, micSignal_};
  Note(Printf("capture.get -> volume %d mute %d boost %d", micVolume_, micMute_, micBoost_));
  return kOk;
}

unsigned long VirtualDevice::CaptureSetVolume(int percent) {
  if (TakeFault("capture")) {
    Note(Printf("capture.volume %d -> fault", percent));
    return kErrorGenFailure;
  }
  if (percent < 0 || percent > 100) return kErrorInvalidParameter;
  micVolume_ = percent;
  Note(Printf("capture.volume %d", percent));
  return kOk;
}

unsigned long VirtualDevice::CaptureSetMute(bool mute) {
  if (TakeFault("capture")) {
    Note(Printf("capture.mute %d -> fault", mute));
    return kErrorGenFailure;
  }
  micMute_ = mute;
  Note(Printf("capture.mute %d", mute));
  return kOk;
}

unsigned long VirtualDevice::CaptureSetBoost(bool boost) {
  if (TakeFault("capture")) {
    Note(Printf("capture.boost %d -> fault", boost));
    return kErrorGenFailure;
  }
  micBoost_ = boost;
  Note(Printf("capture.boost %d", boost));
  return kOk;
}

// A square wave keeps the mean distance from silence equal to the amplitude, so a level meter's
// reading follows from the state. Sample streams are not journaled: a meter reads them constantly.
unsigned long VirtualDevice::CaptureRead(std::uint32_t count, std::vector<std::uint8_t>& samples) {
  if (count > 1 << 20) return kErrorInvalidParameter;
  int amplitude = micMute_ ? 0 : micSignal_ * micVolume_ / 100;
  if (micBoost_) amplitude = std::min(127, amplitude * 2);
  samples.resize(count);
  for (std::uint32_t i = 0; i < count; ++i, ++capturePhase_)
    samples[i] = static_cast<std::uint8_t>(capturePhase_ % 2 ? 128 - amplitude : 128 + amplitude);
  return kOk;
}

unsigned long VirtualDevice::SetMicSignal(int signal) {
  if (signal < 0 || signal > 127) return kErrorInvalidParameter;
  micSignal_ = signal;
  Note(Printf("tool.mic %d", signal));
  return kOk;
}

// --- dump ---

std::vector<StateEntry> VirtualDevice::Dump() const {
  std::vector<StateEntry> s;
  auto add = [&s](std::string key, std::string value) { s.push_back({std::move(key), std::move(value)}); };
  auto num = [&add](std::string key, long long value) { add(std::move(key), std::to_string(value)); };
  num("device", number_);
  add("kind", identity_.kind);
  add("vid", Printf("%04X", identity_.vendorId));
  add("pid", Printf("%04X", identity_.productId));
  num("plugged", plugged_);
  num("interface.audio", hasAudio_);
  num("interface.hid", hasHid_);
  num("hid.report.in", identity_.inputReportLength);
  num("hid.report.out", identity_.outputReportLength);
  num("hid.open", hidOpenCount_);
  num("filter.open", filterOpenCount_);
  for (const auto& [call, count] : faults_) num("fault." + call, count);
  // Registers: the ones the panel uses, and any other that is not 0.
  static const std::uint16_t kKnown[] = {0x100, 0x120, 0x121, 0x122, 0x123, 0x124, 0x125, 0x126, 0x127, 0x128,
                                         0x129, 0x18A, 0x18B, 0x18C, 0x1CD, 0x1CE, 0x200, 0x230};
  std::vector<bool> shown(kRegisterCount, false);
  for (std::uint16_t address : kKnown) shown[address] = true;
  for (size_t address = 0; address < kRegisterCount; ++address)
    if (shown[address] || registers_[address] != 0) add(Printf("reg.0x%04x", static_cast<unsigned>(address)), Printf("0x%02x", registers_[address]));
  std::string modes, latches, external;
  for (int pin = 0; pin < kGpioCount; ++pin) {
    modes += std::to_string(gpioMode_[pin]);
    latches += std::to_string(gpioLatch_[pin]);
    external += std::to_string(gpioExternal_[pin]);
  }
  add("gpio.mode", modes);
  add("gpio.latch", latches);
  add("gpio.external", external);
  add("gpio.levels", PinsText(GpioLevels()));
  num("scan.running", scanning_);
  num("scan.reports", static_cast<long long>(scanSequence_));
  num("sdk.activations", activations_);
  num("eq.configured", eqConfigured_);
  num("eq.enable", eqEnable_);
  num("3d.configured", d3Configured_);
  num("3d.enable", d3Enable_);
  num("v71.enable", v71Enable_);
  num("v71.block.enable", U32(v71Block_, 0));
  add("v71.block", BytesText(v71Block_));  // the bytes as sent, for checks finer than the rounded figures
  for (int i = 0; i < 8; ++i) add(Printf("v71.level.%d", i), Printf("%.6g", std::bit_cast<float>(U32(v71Block_, 4 + 4 * i))));
  for (int i = 0; i < 8; ++i) add(Printf("v71.angle.%d", i), Printf("%.6g", std::bit_cast<float>(U32(v71Block_, 36 + 4 * i))));
  add("v71.scalar", Printf("%.9g", v71Scalar_));
  num("enc.enable", encEnable_);
  add("enc.parameters", BytesText(encParameters_));
  num("enc.level", U32(encParameters_, 8));
  num("voice.enable", voiceEnable_);
  add("voice.parameters", BytesText(voicePayload_));
  num("voice.offset", static_cast<std::int16_t>(U16(voicePayload_, 4)));
  ledMaster_.Dump(s);
  ledSlave_.Dump(s);
  num("filter.effect", filterEffect_);
  num("filter.switch", filterSwitch_);
  num("filter.requests", filterRequests_);
  num("capture.volume", micVolume_);
  num("capture.mute", micMute_);
  num("capture.boost", micBoost_);
  num("capture.signal", micSignal_);
  add("eeprom.0x50", BytesText({eeprom_.begin(), eeprom_.begin() + 256}));
  add("eeprom.0x51", BytesText({eeprom_.begin() + 256, eeprom_.end()}));
  return s;
}

}  // namespace vorma::virtual72xx
