// The hardware buttons against a window stand-in that writes down every action, and a virtual
// 72xx device behind the SDK stand-in: the scan rules as report sequences, the function table in
// its three modes, the start-up switch position, and the reports of a real scan handed from the
// SDK's thread to this one in order.

#include "panel/buttons/HardwareButtons.h"

#include "outside/sdk/tests/SdkHostFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorma::test {
namespace {

using buttons::ButtonSettings;
using buttons::CHardwareButtons;
using buttons::ScanReport;
using Lines = std::vector<std::string>;

// The window's side of a press, one line per call: "page 1/1", "down 7", "up 7", "restore",
// "flip 22", "toggle 47 x=1", "label down 227", "enc click", "vm click", "enc toggle", "wait 100".
// A press made while the buttons let clicks pass the switch lock is marked " (scan)".
class RecordingButtonHost final : public buttons::ButtonHost {
public:
  WORD VendorId() override { return 0x1E4B; }
  WORD ProductId() override { return 0x7201; }
  void ImageMouseDown(int tag) override { Add("down " + std::to_string(tag) + Scan()); }
  void ImageMouseUp(int tag) override { Add("up " + std::to_string(tag) + Scan()); }
  void LabelMouseDown(int tag) override { Add("label down " + std::to_string(tag)); }
  void LabelMouseUp(int tag) override { Add("label up " + std::to_string(tag)); }
  void ToggleFeatureButton(int tag) override { Add("flip " + std::to_string(tag)); }
  void ToggleButtonState(int tag, int& state) override { Add("toggle " + std::to_string(tag) + " x=" + std::to_string(state)); }
  void ShowPage(int page, int button) override { Add("page " + std::to_string(page) + "/" + std::to_string(button)); }
  void ENCFunctionImageClick() override { Add("enc click"); }
  void VMFunctionImageClick() override { Add("vm click"); }
  void ToggleEncFromButton() override { Add("enc toggle"); }
  void RestoreWindow() override { Add("restore"); }
  void ProcessPendingMessages() override {}
  void Wait(DWORD ms) override { Add("wait " + std::to_string(ms)); }

  Lines TakeActions() { return std::exchange(actions, {}); }

  const CHardwareButtons* buttons = nullptr;
  Lines actions;
  std::vector<DWORD> threads;

private:
  std::string Scan() const { return buttons && buttons->GpioScanMode() ? " (scan)" : ""; }
  void Add(std::string line) {
    actions.push_back(std::move(line));
    threads.push_back(GetCurrentThreadId());
  }
};

// Reports as the device sends them: 00 60 <GPIO 0-7> <GPIO 8-9> 30, every pin released (1).
ScanReport Levels(BYTE low = 0xFF, BYTE high = 0x03, BYTE last = 0x30) { return {0x00, 0x60, low, high, last}; }
ScanReport Pressed(std::initializer_list<int> pins) {
  ScanReport report = Levels();
  for (int pin : pins) report[pin / 8 + 2] &= static_cast<BYTE>(~(1u << (pin % 8)));
  return report;
}

const Lines kPressEq = {"page 1/1", "down 7 (scan)", "up 7 (scan)", "restore"};

ButtonSettings ButtonMode() {
  ButtonSettings settings;
  settings.gpio.mode = 0;
  settings.gpio.buttonMode = 1;
  settings.gpio.function.fill(-1);
  return settings;
}

ButtonSettings WithPin(ButtonSettings settings, int pin, int function, int active = 0, int enable = 1) {
  settings.gpio.enable[pin] = enable;
  settings.gpio.active[pin] = active;
  settings.gpio.function[pin] = function;
  return settings;
}

class HardwareButtonsTest : public SdkHostFixture {
protected:
  CHardwareButtons& Make(ButtonSettings settings) {
    buttons = std::make_unique<CHardwareButtons>(host, std::move(settings));
    host.buttons = buttons.get();
    return *buttons;
  }
  // Feeds the reports one by one; the actions of all of them.
  Lines Feed(const std::vector<ScanReport>& reports) {
    for (const ScanReport& report : reports) buttons->GpioScanCallback(report);
    return host.TakeActions();
  }

  RecordingButtonHost host;
  std::unique_ptr<CHardwareButtons> buttons;
};

TEST_F(HardwareButtonsTest, ScanRulesAsReportSequences) {
  const ButtonSettings eqOnGpio2 = WithPin(ButtonMode(), 2, 1);
  ButtonSettings encOnGpio2;  // the ENC button path: no function dispatch
  encOnGpio2.encGpio = 2;
  const struct Case {
    const char* name;
    ButtonSettings settings;
    std::vector<ScanReport> reports;
    Lines actions;
  } cases[] = {
      {"the first report is only the baseline", eqOnGpio2, {Pressed({2})}, {}},
      {"equal reports do nothing", eqOnGpio2, {Levels(), Levels(), Levels()}, {}},
      {"button mode fires on the change to the active level only", eqOnGpio2,
       {Levels(), Pressed({2}), Levels(), Pressed({2})}, {"page 1/1", "down 7 (scan)", "up 7 (scan)", "restore", "page 1/1", "down 7 (scan)", "up 7 (scan)", "restore"}},
      {"active high fires on the rising change", WithPin(ButtonMode(), 2, 1, 1), {Levels(), Pressed({2})}, {}},
      {"two pins changing at once dispatch GPIO 0", WithPin(WithPin(ButtonMode(), 0, 2), 1, 3),
       {Levels(), Pressed({0, 1})}, {"page 1/1", "down 8 (scan)", "up 8 (scan)", "restore"}},
      {"a change outside bytes 2 and 3 dispatches GPIO 9", WithPin(ButtonMode(), 9, 5, 1),
       {Levels(), Levels(0xFF, 0x03, 0x31)}, {"page 3/4", "down 22 (scan)", "up 22 (scan)", "restore"}},
      {"a changed bit above GPIO 9 dispatches GPIO 0", WithPin(ButtonMode(), 0, 1, 1),
       {Levels(), Levels(0xFF, 0x07)}, kPressEq},
      {"a disabled pin never fires", WithPin(ButtonMode(), 4, 1, 0, 0), {Levels(), Pressed({4}), Levels()}, {}},
      {"\"7\" without \"F\" is no function", WithPin(ButtonMode(), 2, buttons::GpioFunctionNumber(L"7")),
       {Levels(), Pressed({2})}, {}},
      {"F6 is the monitor", WithPin(ButtonMode(), 2, buttons::GpioFunctionNumber(L"F6")),
       {Levels(), Pressed({2})}, {"page 3/4", "down 89 (scan)", "up 89 (scan)", "restore"}},
      {"the first ENC press is swallowed, the next one toggles", encOnGpio2,
       {Levels(), Pressed({2}), Levels(), Pressed({2})}, {"enc toggle"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Make(c.settings);
    EXPECT_EQ(Feed(c.reports), c.actions);
  }
}

TEST_F(HardwareButtonsTest, EncButtonOnAPinThatIsNoEncPinNeverCounts) {
  for (int gpio : {0, 4, 5, 7, 10, 15}) {
    SCOPED_TRACE(gpio);
    ButtonSettings settings;
    settings.encGpio = gpio;
    CHardwareButtons& b = Make(settings);
    Feed({Levels()});
    EXPECT_EQ(b.StartScanGPIO(), gpio != 0 ? 1 : 0);  // GPIO 0 means no ENC button is scanned
    EXPECT_EQ(b.SendEncButton(Levels(0x00, 0x00)), 0);  // the first report that counts is swallowed
    EXPECT_EQ(b.SendEncButton(Levels(0x00, 0x00)), gpio != 0 ? -1 : 0);
    EXPECT_EQ(host.TakeActions(), Lines{});
  }
  // GPIO 8 and 9 live in byte 3.
  ButtonSettings settings;
  settings.encGpio = 9;
  CHardwareButtons& b = Make(settings);
  Feed({Levels()});
  b.SendEncButton(Levels());
  EXPECT_EQ(b.SendEncButton(Levels(0xFF, 0x01)), 0);
  EXPECT_EQ(host.TakeActions(), Lines{"enc toggle"});
  // A device that went away takes the ENC button with it until the next report of a scan.
  b.ClearStartScanGPIO();
  EXPECT_EQ(b.SendEncButton(Levels(0xFF, 0x01)), 0);
  EXPECT_EQ(host.TakeActions(), Lines{});
}

TEST_F(HardwareButtonsTest, SwitchModeFunction7PressesTheEnableButtonOnEveryChange) {
  ButtonSettings settings = WithPin(ButtonMode(), 3, 7);
  settings.gpio.mode = 1;
  CHardwareButtons& b = Make(settings);
  const Lines press7 = {"page 4/5", "down 47 (scan)", "wait 100", "up 47 (scan)", "wait 100", "restore"};
  EXPECT_EQ(Feed({Levels(), Pressed({3})}), press7);
  EXPECT_EQ(b.GpioOnOff(), 1);  // at its active level: on
  EXPECT_EQ(b.GpioScanMode(), 0);
  EXPECT_EQ(Feed({Levels()}), press7);
  EXPECT_EQ(b.GpioOnOff(), 0);
  EXPECT_EQ(Feed({Pressed({3})}), press7);
  EXPECT_EQ(b.GpioOnOff(), 1);
}

TEST_F(HardwareButtonsTest, FunctionTableInTheThreeModes) {
  const struct Case {
    int mode;
    int function;
    bool toActive;  // the change brings the pin to its active level
    Lines actions;
  } cases[] = {
      // switch mode, switch off: the two-state buttons flip without a press
      {1, 1, false, {"page 1/1", "flip 7"}},
      {1, 2, false, {"page 1/1", "flip 8"}},
      {1, 3, false, {"page 2/3"}},
      {1, 4, false, {"page 3/4", "down 21 (scan)", "up 21 (scan)", "restore"}},
      {1, 5, false, {"page 3/4", "flip 22"}},
      {1, 6, false, {"page 3/4", "flip 89"}},
      {1, 8, false, {"page 7/205", "label down 227", "label up 227", "enc click", "restore"}},
      {1, 9, false, {"page 8/204", "label down 226", "label up 226", "vm click", "restore"}},
      // switch mode, switch on: presses
      {1, 3, true, {"page 2/3", "down 25 (scan)", "up 25 (scan)", "restore"}},
      {1, 5, true, {"page 3/4", "down 22 (scan)", "up 22 (scan)", "restore"}},
      // button mode: the change away from the active level does nothing
      {0, 9, false, {}},
      {0, 4, true, {"page 3/4", "down 21 (scan)", "up 21 (scan)", "restore"}},
      // another MODE: functions 1-6 only show their page, 7-9 act on every change
      {2, 1, true, {"page 1/1"}},
      {2, 4, false, {"page 3/4"}},
      {2, 8, false, {"page 7/205", "label down 227", "label up 227", "enc click", "restore"}},
      {0, 0, true, {}},
      {0, 10, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " function " << c.function << " active " << c.toActive);
    ButtonSettings settings = WithPin(ButtonMode(), 5, c.function);
    settings.gpio.mode = c.mode;
    Make(settings);
    // Pin 5 is active low: pressed is the active level.
    EXPECT_EQ(Feed(c.toActive ? std::vector<ScanReport>{Levels(), Pressed({5})}
                              : std::vector<ScanReport>{Pressed({5}), Levels()}),
              c.actions);
  }
}

TEST_F(HardwareButtonsTest, ReadGPIOAndSetUIShowsTheSwitchPositionAtStartUp) {
  ASSERT_EQ(client.SetGpioLevel(device, 6, 0), virtual72xx::kOk);
  ButtonSettings settings = WithPin(WithPin(ButtonMode(), 2, 7, 1), 6, 7, 0);
  settings.gpio.mode = 1;
  CHardwareButtons& b = Make(settings);
  TakeJournal();
  b.ReadGPIOAndSetUI();
  // The highest enabled pin, 6, is at its active level (low): the switch is on.
  EXPECT_EQ(b.GpioOnOff(), 1);
  EXPECT_EQ(host.TakeActions(), (Lines{"wait 500", "page 4/5", "toggle 47 x=1"}));
  EXPECT_EQ(b.StartupLevels(), (std::array<int, 10>{0, 0, 1, 0, 0, 0, 1, 0, 0, 0}));
  const Lines journal = TakeJournal();
  ASSERT_EQ(journal.size(), 22u);
  EXPECT_EQ(journal[0], "sdk DLLQZ_ScanButton_ById 7755 29185 none 0 0 -> 0");
  EXPECT_EQ(journal[1], "sdk DLLQZ_SetGpioMode_ById 00 00 00 00 00 00 00 00 00 00 10 0 -> 0");
  EXPECT_EQ(journal[2], "sdk DLLQZ_GetGpioEx_ById 0 0 -> 0 out 1");

  // No enabled pin: the switch counts as off. In button mode nothing is shown and the switch
  // state stays on, so the 7.1 speakers can still be dragged.
  settings.gpio.enable.fill(0);
  CHardwareButtons& none = Make(settings);
  none.ReadGPIOAndSetUI();
  EXPECT_EQ(none.GpioOnOff(), 0);
  settings.gpio.mode = 0;
  CHardwareButtons& buttonMode = Make(WithPin(settings, 2, 1, 1));
  host.TakeActions();
  buttonMode.ReadGPIOAndSetUI();
  EXPECT_EQ(buttonMode.GpioOnOff(), 1);
  EXPECT_EQ(host.TakeActions(), Lines{"wait 500"});
}

// Pumps this thread's messages until the condition holds or five seconds have passed.
template <typename Condition>
bool PumpUntil(Condition condition) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (!condition()) {
    if (GetTickCount64() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return true;
}

TEST_F(HardwareButtonsTest, ReportsOfTheSdkScanThreadAreHandledOnThisThreadInOrder) {
  ButtonSettings settings = WithPin(WithPin(ButtonMode(), 2, 1), 4, 5);
  CHardwareButtons& b = Make(settings);
  TakeJournal();
  EXPECT_EQ(b.SetEncGpioMode(), 0);
  EXPECT_EQ(b.ScanENCGPIO(), 0);
  ASSERT_EQ(State("scan.running"), "1");
  // Four presses in a row; each release is a change away from the active level and does nothing.
  for (int pin : {2, 4, 2, 4}) {
    ASSERT_EQ(client.SetGpioLevel(device, pin, 0), virtual72xx::kOk);
    ASSERT_EQ(client.SetGpioLevel(device, pin, 1), virtual72xx::kOk);
  }
  const Lines expected = {"page 1/1", "down 7", "up 7", "restore", "page 3/4", "down 22", "up 22", "restore",
                          "page 1/1", "down 7", "up 7", "restore", "page 3/4", "down 22", "up 22", "restore"};
  EXPECT_TRUE(PumpUntil([&] { return host.actions.size() >= expected.size(); }));
  Lines actions = host.TakeActions();
  for (std::string& line : actions) line.erase(line.find(" (scan)") == std::string::npos ? line.size() : line.find(" (scan)"));
  EXPECT_EQ(actions, expected);
  for (DWORD thread : host.threads) EXPECT_EQ(thread, GetCurrentThreadId());
  const Lines journal = TakeJournal();
  EXPECT_EQ(journal.front(), "sdk DLLQZ_SetGpioModeEx_ById 0 0 0 -> 0");
  ASSERT_EQ(Sdk().DLLQZ_ScanButton_ById(0x1E4B, 0x7201, nullptr, 0, 0), 0);
}

}  // namespace
}  // namespace vorma::test
