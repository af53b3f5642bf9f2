#include "panel/buttons/HardwareButtons.h"

#include "foundation/DebugOutput.h"
#include "panel/device/SdkLibrary.h"
#include "panel/features/MainWindowTags.h"

#include <cwchar>
#include <utility>

namespace vorma::buttons {
namespace {

constexpr DWORD kScanStopSettleMs = 500;
constexpr DWORD kVirtual7ch1PressMs = 100;

int LevelOf(const ScanReport& report, int gpio) { return (report[gpio / 8 + 2] >> (gpio % 8)) & 1; }

// The page a page button switches to, with the button shown selected.
void ShowPageOf(ButtonHost& host, int pageTag) {
  const WindowTag& page = *PageButtonOf(pageTag);
  host.ShowPage(page.opensPage, page.pageButton);
}

}  // namespace

std::wstring ScanReportText(const ScanReport& report) {
  wchar_t text[64];
  std::swprintf(text, std::size(text), L"Raw Data = %.2X %.2X %.2X %.2X %.2X\n\n", report[0], report[1], report[2],
                report[3], report[4]);
  return text;
}

CHardwareButtons::CHardwareButtons(ButtonHost& host, ButtonSettings settings)
    : host_(host), settings_(std::move(settings)), pump_([this](const ScanReport& report) { GpioScanCallback(report); }) {}

// ----------------------------------------------------------------------------- configuring the pins

void CHardwareButtons::ReadGPIOAndSetUI() {
  const SdkFunctionTable& sdk = Sdk();
  const WORD vendorId = host_.VendorId(), productId = host_.ProductId();
  const int stopped = sdk.DLLQZ_ScanButton_ById ? sdk.DLLQZ_ScanButton_ById(vendorId, productId, nullptr, 0, 0) : 1;
  DebugPrint(L" TAudioMainForm::fnDLLQZ_ScanButton_ById][fnDLLQZ_SetGpioMode][1]ret = %d", stopped);
  host_.Wait(kScanStopSettleMs);
  const BYTE modes[kGpioCount] = {};
  if (sdk.DLLQZ_SetGpioMode_ById) sdk.DLLQZ_SetGpioMode_ById(modes, kGpioCount, 0);
  const auto readLevel = [&sdk](int gpio, BYTE& level) {
    return sdk.DLLQZ_GetGpioEx_ById ? sdk.DLLQZ_GetGpioEx_ById(static_cast<BYTE>(gpio), &level, 0) : 1;
  };
  for (int i = 0; i < kGpioCount; ++i) {
    BYTE level = 0;
    const int result = readLevel(i, level);
    startupLevels_[i] = level;
    DebugPrint(L"[TAudioMainForm::ReadGPIOAndSetUI][fnDLLQZ_GetGpioEx_ById][2] i = %d, byOnOff = 0x%02X, ret = %d", i,
               level, result);
  }
  std::array<int, kGpioCount> atActive{};
  for (int i = 0; i < kGpioCount; ++i) {
    BYTE level = 0;
    readLevel(i, level);
    atActive[i] = level == settings_.gpio.active[i] ? 1 : 0;
    startupLevels_[i] = atActive[i];
  }
  int nIndex = -1;
  for (int i = 0; i < kGpioCount; ++i) {
    if (settings_.gpio.enable[i] != 1) continue;
    nIndex = i;
    DebugPrint(L"[TAudioMainForm::ReadGPIOAndSetUI]i = %d, nIndex = %d, m_nGPIOEnable[i] = %d", i, nIndex,
               settings_.gpio.enable[i]);
  }
  // Only a switch has a position to show. A push button at rest is not at its active level, and
  // taking that for "switch off" would lock the speakers of the 7.1 page in button mode.
  if (!settings_.gpio.SwitchMode()) return;
  int x = nIndex >= 0 ? atActive[nIndex] : 0;  // no enabled pin: the switch counts as off
  m_nGPIOOnOff = x;
  ShowPageOf(host_, kTagPageVirtual7ch1);
  host_.ToggleButtonState(kTagVirtual7ch1Enable, x);
}

int CHardwareButtons::SetEncGpioMode() {
  const auto setMode = Sdk().DLLQZ_SetGpioModeEx_ById;
  const int result = setMode ? setMode(static_cast<BYTE>(settings_.encGpio), 0, 0) : 1;
  return result == 0 ? 0 : 1;
}

int CHardwareButtons::ScanENCGPIO() {
  const auto scan = Sdk().DLLQZ_ScanButton_ById;
  const int result =
      scan ? scan(host_.VendorId(), host_.ProductId(), &ScanReportPump::GpioScanCallback, 1, 0) : 1;
  DebugPrint(L"[TAudioMainForm::ScanENCGPIO] fnDLLQZ_ScanButton_ById ret = %d", result);
  return 0;
}

// ----------------------------------------------------------------------------------- the reports

void CHardwareButtons::GpioScanCallback(const ScanReport& report) {
  if (settings_.encGpio != 0) m_bStartScanGPIO = 1;
  if (previous_ && *previous_ == report) {
    host_.ProcessPendingMessages();
    return;
  }
  if (!previous_) {
    previous_ = report;  // the first report is only the baseline
    return;
  }
  DebugWrite(L"Previous = " + ScanReportText(*previous_));
  DebugWrite(L"Current = " + ScanReportText(report));
  for (size_t i = 0; i < change_.size(); ++i) change_[i] = static_cast<BYTE>((*previous_)[i] ^ report[i]);
  const int ret = settings_.gpio.DispatchesFunctions() ? SendGPIOButton(report) : SendEncButton(report);
  previous_ = report;
  if (ret != 0 && ret != -1) DebugPrint(L"***** SendEncButton FAIL! ***** (ret = %d)\n", ret);
  host_.ProcessPendingMessages();
  host_.ProcessPendingMessages();
}

int CHardwareButtons::SendEncButton(const ScanReport& report) {
  if (m_bStartScanGPIO == 0) return 0;
  if (m_bSkipFirstEncReport == 1) {
    m_bSkipFirstEncReport = 0;
    return 0;
  }
  int byte = 0, bit = 0;
  switch (settings_.encGpio) {
    case 1: case 2: case 3: byte = 2; bit = settings_.encGpio; break;
    case 8: case 9: byte = 3; bit = settings_.encGpio - 8; break;
    default: return -1;
  }
  if ((report[byte] >> bit) & 1) return -1;  // released: the button is active low
  host_.ToggleEncFromButton();
  return 0;
}

int CHardwareButtons::SendGPIOButton(const ScanReport& report) {
  DebugWrite(L"[TAudioMainForm::SendGPIOButton]======");
  GPIOFunction(report);
  if (m_bStartScanGPIO == 1 && m_bSkipFirstEncReport == 1) m_bSkipFirstEncReport = 0;
  return 0;
}

int CHardwareButtons::GetMappingFunction(int gpio, int& function) const {
  DebugPrint(L"[TAudioMainForm::GetMappingFunction][1] dwGPIONum = %d, nMapFunction = %d", gpio, function);
  if (gpio >= 0 && gpio < kGpioCount) {
    function = settings_.gpio.function[gpio];
    DebugPrint(L"[TAudioMainForm::GetMappingFunction][3] dwGPIONum = %d, nMapFunction = %d", gpio, function);
    return 0;
  }
  function = 0;
  DebugPrint(L"[TAudioMainForm::GetMappingFunction][2] dwGPIONum = %d, nMapFunction = %d", gpio, function);
  return -1;
}

void CHardwareButtons::CheckGPIOHighLowActive(const ScanReport& report, int& bCheckHighLow, int& nCurrData,
                                              int gpio) const {
  bCheckHighLow = 0;
  if (gpio < 0 || gpio >= kGpioCount || settings_.gpio.enable[gpio] == 0) return;
  const int nPrevData = previous_ ? LevelOf(*previous_, gpio) : 0;
  nCurrData = LevelOf(report, gpio);
  const int active = settings_.gpio.active[gpio];
  bCheckHighLow = (active == 1 && nCurrData == 1) || (active == 0 && nCurrData == 0) ? 1 : 0;
  DebugPrint(L"[TAudioMainForm::CheckGPIOHighLowActive]nGPIONum = %d, nPrevData = %d, nCurrData = %d, bCheckHighLow = %d",
             gpio, nPrevData, nCurrData, bCheckHighLow);
}

int CHardwareButtons::GPIOFunction(const ScanReport& report) {
  m_bGPIOScanMode = 1;
  DebugWrite(L"[TAudioMainForm::GPIOFunction]");
  // A single changed bit j of GPIO 0-9 gives j; no changed bit there (only bytes 0, 1 or 4
  // changed) gives 9; several changed bits, or one above GPIO 9, give 0.
  const unsigned changed = change_[2] | static_cast<unsigned>(change_[3]) << 8;
  int nGPIONum = 0;
  for (int j = 0; j < kGpioCount; ++j)
    if ((changed & (1u << j)) == changed) nGPIONum = j;
  int nMapFunction = 0;
  GetMappingFunction(nGPIONum, nMapFunction);
  int bCheckHighLow = 0, nCurrData = 0;
  CheckGPIOHighLowActive(report, bCheckHighLow, nCurrData, nGPIONum);
  const bool enabled = settings_.gpio.enable[nGPIONum] != 0;
  // A disabled pin carries no level: it neither fires nor moves the switch, in any mode.
  if (!enabled || (settings_.gpio.ButtonMode() && bCheckHighLow == 0)) {
    m_bGPIOScanMode = 0;
    return 0;
  }
  if (settings_.gpio.SwitchMode()) {
    if (settings_.gpio.active[nGPIONum] == nCurrData) {
      m_nGPIOOnOff = 1;
      DebugWrite(L"nCurGPIOData==>1");
    } else {
      m_nGPIOOnOff = 0;
      DebugWrite(L"nCurGPIOData==>2");
    }
  }
  RunFunction(nMapFunction);
  m_bGPIOScanMode = 0;
  return 0;
}

bool CHardwareButtons::PressCondition() const {
  return settings_.gpio.ButtonMode() || (settings_.gpio.SwitchMode() && m_nGPIOOnOff == 1);
}

void CHardwareButtons::Press(int tag) {
  host_.ImageMouseDown(tag);
  host_.ImageMouseUp(tag);
  host_.RestoreWindow();
}

// The page is shown first in every row, also when no press follows. In switch mode with the
// switch off, the two-state rows flip their button without sending anything.
void CHardwareButtons::RunFunction(int function) {
  const bool press = PressCondition();
  const bool switchOff = settings_.gpio.SwitchMode() && !press;
  const auto pressOrFlip = [&](int tag) {
    if (press) Press(tag);
    else if (switchOff) host_.ToggleFeatureButton(tag);
  };
  switch (function) {
    case 1: ShowPageOf(host_, kTagPageEq); pressOrFlip(kTagEqEnable); break;
    case 2: ShowPageOf(host_, kTagPageEq); pressOrFlip(kTag3DEnable); break;
    case 3: ShowPageOf(host_, kTagPageEffect); if (press) Press(kTagPageEffect); break;
    case 4:
      ShowPageOf(host_, kTagPageMic);
      if (settings_.gpio.ButtonMode() || settings_.gpio.SwitchMode()) Press(kTagMicBoost);
      break;
    case 5: ShowPageOf(host_, kTagPageMic); pressOrFlip(kTagMicMute); break;
    case 6: ShowPageOf(host_, kTagPageMic); pressOrFlip(kTagMicMonitor); break;
    case kFunctionVirtual7ch1:
      ShowPageOf(host_, kTagPageVirtual7ch1);
      host_.ImageMouseDown(kTagVirtual7ch1Enable);
      host_.Wait(kVirtual7ch1PressMs);
      DebugWrite(L"[TAudioMainForm::GPIOFunction][5] OnImageMouseDown");
      host_.ImageMouseUp(kTagVirtual7ch1Enable);
      host_.Wait(kVirtual7ch1PressMs);
      host_.RestoreWindow();
      DebugWrite(L"[TAudioMainForm::GPIOFunction][7] ShowWindow");
      break;
    case 8:
      ShowPageOf(host_, kTagPageEnc);
      host_.LabelMouseDown(kTagPageEnc);
      host_.LabelMouseUp(kTagPageEnc);
      host_.ENCFunctionImageClick();
      host_.RestoreWindow();
      break;
    case 9:
      ShowPageOf(host_, kTagPageVoiceEffect);
      host_.LabelMouseDown(kTagPageVoiceEffect);
      host_.LabelMouseUp(kTagPageVoiceEffect);
      host_.VMFunctionImageClick();
      host_.RestoreWindow();
      break;
    default: break;  // -1, 0 and any other number: no function, no page change
  }
}

}  // namespace vorma::buttons
