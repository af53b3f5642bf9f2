#include "panel/shell/MainFormSettings.h"

#include "foundation/ProfileStrings.h"
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

std::wstring ReadValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  std::wstring value;
  ReadProfileString(path, section, key, value);
  return value;
}

int ReadLenient(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  return LenientInteger(ReadValue(path, section, key));
}

int ReadStrict(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  return StrictInteger(ReadValue(path, section, key));
}

// A comma-separated list read strictly with the item rule of every value: every comma separates
// and spaces belong to the entries. There are ten pins: entries beyond the tenth are ignored, not
// even converted; an empty value has none.
std::array<int, kGpioCount> ReadStrictList(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  std::array<int, kGpioCount> values{};
  const std::vector<std::wstring> entries = SplitValueItems(ReadValue(path, section, key));
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
  MainFormSettings settings;
  settings.regionCut = ReadStrict(path, L"Skin", L"RegionCut");
  settings.oldVersion = ReadLenient(path, L"Version", L"OldVersion");
  settings.defaultIni = ReadLenient(path, L"Version", L"DefaultIni");
  settings.bee = ReadLenient(path, L"Version", L"Bee");
  const std::wstring monitor = ReadValue(path, L"Mic", L"Monitor");
  settings.micMonitorDefault = monitor.empty() ? 1 : LenientInteger(monitor);
  settings.v7ch1Scalar = features::Virtual7ch1ScalarFromConfig(ReadValue(path, L"DefaultSet", L"V7ch1Scalar"));
  settings.encButtonMode = ReadLenient(path, L"DefaultSet", L"EncButtonMode");
  settings.encGpio = ReadLenient(path, L"DefaultSet", L"EncGpio");
  settings.exclusive3DV7ch1 = ReadLenient(path, L"DefaultSet", L"3DV7ch1MutuallyExclusive");

  GpioConfiguration& gpio = settings.gpio;
  gpio.mode = ReadStrict(path, L"GPIO", L"MODE");
  gpio.enable = ReadStrictList(path, L"GPIO", L"ENABLE");
  gpio.direction = ReadStrictList(path, L"GPIO", L"DIRECTION");
  gpio.buttonMode = ReadLenient(path, L"GPIO", L"BUTTONMODE");
  gpio.dipSwMode = ReadLenient(path, L"GPIO", L"DIPSWMODE");
  for (int i = 0; i < kGpioCount; ++i) {
    const std::wstring key = std::to_wstring(i);
    gpio.active[i] = ReadStrict(path, L"GPIOActive", key.c_str());
    gpio.function[i] = GpioFunctionNumber(ReadValue(path, L"GPIOFunction", key.c_str()));
  }
  return settings;
}

}  // namespace vorma::shell
