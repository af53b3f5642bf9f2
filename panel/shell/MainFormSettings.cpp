#include "panel/shell/MainFormSettings.h"

#include "foundation/ProfileFile.h"
#include "panel/features/virtual7ch1/SpeakerLayout.h"

#include <string>
#include <vector>

namespace vorma::shell {
namespace {

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return narrow;
}

std::wstring ReadValue(const ProfileFile& file, const wchar_t* section, const wchar_t* key) {
  std::wstring value;
  file.Read(section, key, value);
  return value;
}

int ReadLenient(const ProfileFile& file, const wchar_t* section, const wchar_t* key) {
  return LenientInteger(ReadValue(file, section, key));
}

int ReadStrict(const ProfileFile& file, const wchar_t* section, const wchar_t* key) {
  return StrictInteger(ReadValue(file, section, key));
}

// A comma-separated list read strictly with the item rule of every value: every comma separates
// and spaces belong to the entries. There are ten pins: entries beyond the tenth are ignored, not
// even converted; an empty value has none.
std::array<int, kGpioCount> ReadStrictList(const ProfileFile& file, const wchar_t* section, const wchar_t* key) {
  std::array<int, kGpioCount> values{};
  const std::vector<std::wstring> entries = SplitValueItems(ReadValue(file, section, key));
  for (size_t index = 0; index < entries.size() && index < values.size(); ++index)
    values[index] = StrictInteger(entries[index]);
  return values;
}

}  // namespace

ConversionError::ConversionError(const std::wstring& text) : std::runtime_error(Narrow(text)), text_(text) {}

int StrictInteger(std::wstring_view text) {
  if (const std::optional<int> value = ParseStrictInteger(text)) return *value;
  throw ConversionError(NotAnIntegerMessage(text));
}

MainFormSettings ReadMainFormSettings(const std::wstring& path) {
  // Read once: some thirty profile reads would each open the file again.
  return ReadMainFormSettings(ProfileFile(path));
}

MainFormSettings ReadMainFormSettings(const ProfileFile& config) {
  MainFormSettings settings;
  settings.regionCut = ReadStrict(config, L"Skin", L"RegionCut");
  settings.oldVersion = ReadLenient(config, L"Version", L"OldVersion");
  settings.defaultIni = ReadLenient(config, L"Version", L"DefaultIni");
  settings.bee = ReadLenient(config, L"Version", L"Bee");
  const std::wstring monitor = ReadValue(config, L"Mic", L"Monitor");
  settings.micMonitorDefault = monitor.empty() ? 1 : LenientInteger(monitor);
  settings.v7ch1Scalar = features::Virtual7ch1ScalarFromConfig(ReadValue(config, L"DefaultSet", L"V7ch1Scalar"));
  settings.encButtonMode = ReadLenient(config, L"DefaultSet", L"EncButtonMode");
  settings.encGpio = ReadLenient(config, L"DefaultSet", L"EncGpio");
  settings.exclusive3DV7ch1 = ReadLenient(config, L"DefaultSet", L"3DV7ch1MutuallyExclusive");

  GpioConfiguration& gpio = settings.gpio;
  gpio.mode = ReadStrict(config, L"GPIO", L"MODE");
  gpio.enable = ReadStrictList(config, L"GPIO", L"ENABLE");
  gpio.direction = ReadStrictList(config, L"GPIO", L"DIRECTION");
  gpio.buttonMode = ReadLenient(config, L"GPIO", L"BUTTONMODE");
  gpio.dipSwMode = ReadLenient(config, L"GPIO", L"DIPSWMODE");
  for (int i = 0; i < kGpioCount; ++i) {
    const std::wstring key = std::to_wstring(i);
    gpio.active[i] = ReadStrict(config, L"GPIOActive", key.c_str());
    gpio.function[i] = GpioFunctionNumber(ReadValue(config, L"GPIOFunction", key.c_str()));
  }
  return settings;
}

}  // namespace vorma::shell
