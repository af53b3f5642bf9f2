// The LED settings dialog on its own form, its commands going through the SDK stand-in to a
// virtual 72xx device: command sequences of the dialog's controls as the user presses them, the
// values a showing resets and keeps, one command worker per showing, and a window destroyed while
// the worker is in the middle of a pass.

#include "forms/Application.h"
#include "outside/sdk/tests/SdkHostFixture.h"
#include "panel/led/dialog/LEDColorForm.h"
#include "panel/led/dialog/LEDForm.h"
#include "tests/support/ScriptedDialogs.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorma::test {
namespace {

using Lines = std::vector<std::string>;

std::string Numbers(std::initializer_list<int> values) {
  std::string text;
  for (int v : values) {
    text += ' ';
    text += std::to_string(v);
  }
  return text;
}

// Master forms carry the controller ID 58 first; every call ends with 500.
std::string Mode(int led, int mode, int speed) { return "sdk DLLQZ_SetRGB_Mode" + Numbers({58, led, mode, speed, 500}); }
std::string Palette(int led, int slot, int r, int g, int b) {
  return "sdk DLLQZ_SetRGB_Color" + Numbers({58, led, slot, r, g, b, 500});
}
std::string ModeColour(int led, int mode, int r, int g, int b) {
  return "sdk DLLQZ_SetRGB_SingleColor" + Numbers({58, led, mode, r, g, b, 500});
}
std::string Brightness(int led, int level) { return "sdk DLLQZ_SetRGB_Brightness" + Numbers({58, led, level, 500}); }
std::string SlaveMode(int led, int mode, int speed) {
  return "sdk DLLQZ_UsbHidSlave_SetRGB_Mode_Ex" + Numbers({led, mode, speed, 500});
}
std::string SlavePalette(int led, int slot, int r, int g, int b) {
  return "sdk DLLQZ_UsbHidSlave_SetRGB_Color_Ex" + Numbers({led, slot, r, g, b, 500});
}
const std::string kMasterStep = "sdk DLLQZ_SetRGB_Step 58 7 500";
const std::string kSlaveStep = "sdk DLLQZ_UsbHidSlave_SetRGB_Step_Ex 7 500";

// Public: the cases of a table drive the fixture from outside.
class LedDialogTest : public SdkHostFixture {
public:
  void SetUp() override {
    SdkHostFixture::SetUp();
    ASSERT_TRUE(application.Initialize());
    application.SetDialogs(dialogs);
    // The dialog is not the main form, so closing it only hides it, as in the panel.
    application.SetMainForm(mainWindow);
    NewDialog();
  }

  void NewDialog() {
    form = std::make_unique<led::TLEDForm>(application);
    ASSERT_TRUE(form->Create());
  }

  // The SDK lines of the journal since the last call, without the " -> 0" of a success.
  Lines SdkCalls() {
    Lines calls;
    for (std::string line : TakeJournal()) {
      if (!line.starts_with("sdk ")) continue;
      if (line.ends_with(" -> 0")) line.resize(line.size() - 5);
      calls.push_back(line);
    }
    return calls;
  }

  HWND WindowOf(std::wstring_view name) {
    auto* control = dynamic_cast<forms::WindowedControl*>(form->FindControlByName(name));
    EXPECT_NE(control, nullptr) << std::string(name.begin(), name.end());
    return control ? control->Hwnd() : nullptr;
  }
  // A left press and release on a radio button or push button, as the mouse gives them.
  void Press(std::wstring_view name) {
    const HWND window = WindowOf(name);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
  // A left press and release on a colour dot, through the form's own hit test.
  void PressDot(int tag) {
    forms::Control* dot = form->FindControlByTag(forms::ControlKind::Shape, tag);
    ASSERT_NE(dot, nullptr);
    const LPARAM at = MAKELPARAM(dot->Left() + dot->Width() / 2, dot->Top() + dot->Height() / 2);
    SendMessageW(form->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(form->Hwnd(), WM_LBUTTONUP, 0, at);
  }
  void MoveBar(std::wstring_view name, int position) {
    auto* bar = dynamic_cast<forms::TrackBar*>(form->FindControlByName(name));
    ASSERT_NE(bar, nullptr);
    bar->SetPosition(position);
  }
  forms::Shape& Dot(int tag) { return *static_cast<forms::Shape*>(form->FindControlByTag(forms::ControlKind::Shape, tag)); }
  bool Checked(std::wstring_view name) {
    return static_cast<forms::RadioButton*>(form->FindControlByName(name))->Checked();
  }

  ScriptedDialogs dialogs;
  forms::Application application{GetModuleHandleW(nullptr)};
  forms::Form mainWindow{application, forms::FormArgs{}};
  std::unique_ptr<led::TLEDForm> form;
};

struct SequenceCase {
  const char* name;
  std::function<void(LedDialogTest&)> actions;
  Lines expected;  // everything sent after the showing's step count, the worker's passes included
};

TEST_F(LedDialogTest, ControlsSendTheirCommandSequences) {
  using T = LedDialogTest;
  const std::vector<SequenceCase> cases = {
      {"LED All: a palette colour goes to LED 1, brightness and mode to LED 0",
       [](T& t) {
         t.PressDot(3);
         t.dialogs.AnswerColour(RGB(10, 20, 30));
         t.Press(L"ButtonSetColor");
         t.MoveBar(L"TrackBarBrightness", 4);
         t.Press(L"RadioButtonBreathe");
       },
       {Palette(1, 3, 10, 20, 30), Brightness(0, 4), Mode(0, 4, 1), Mode(0, 1, 0)}},
      {"Rainbow right after Off: mode 5 at the bar's speed, then off with speed 0",
       [](T& t) {
         t.Press(L"RadioButtonOff");
         t.MoveBar(L"TrackBarRainbow", 40);  // not the mode: only the bar moves
         t.Press(L"RadioButtonRainbow");
       },
       {Mode(0, 1, 1), Mode(0, 5, 40), Mode(0, 1, 0)}},
      {"A bar of another effect neither sends nor stores; its effect then sends the bar's place",
       [](T& t) {
         t.Press(L"RadioButtonBreathe");
         t.MoveBar(L"TrackBarRainbow", 77);
         EXPECT_EQ(t.form->Values().speeds[5 - 3], 1);
         t.Press(L"RadioButtonRainbow");
       },
       {Mode(0, 4, 1), Mode(0, 1, 0), Mode(0, 5, 77)}},
      {"A cancelled Blinking colour sends nothing but makes mode 3 current for its bar",
       [](T& t) {
         t.dialogs.AnswerColour(std::nullopt);
         t.PressDot(103);
         EXPECT_EQ(t.form->Values().mode, 3);
         t.MoveBar(L"TrackBarBlinking", 9);
       },
       {Mode(0, 3, 9)}},
      {"A mode dot sends its colour to LED' and the worker the mode with its speed",
       [](T& t) {
         t.Press(L"RadioButtonLED2");
         t.dialogs.AnswerColour(RGB(1, 2, 3));
         t.PressDot(104);
         EXPECT_TRUE(t.Checked(L"RadioButtonBreathe"));
       },
       {ModeColour(2, 4, 1, 2, 3), Mode(2, 4, 1)}},
      {"Single colour from off: mode 2 with speed 0, then off; a stored speed rides with its mode",
       [](T& t) {
         t.Press(L"RadioButtonOn");
         t.Press(L"RadioButtonMultiBreathe");
         t.MoveBar(L"TrackBarMultiBreathe", 200);
       },
       {Mode(0, 2, 0), Mode(0, 1, 0), Mode(0, 6, 1), Mode(0, 6, 200)}},
      {"Slave: Off sends speed 0, colours go to LED' without a controller ID",
       [](T& t) {
         t.Press(L"RadioButtonSlave");
         t.Press(L"RadioButtonOff");
         t.dialogs.AnswerColour(RGB(200, 100, 50));
         t.Press(L"ButtonSetColor");
       },
       {SlaveMode(0, 1, 0), SlavePalette(1, 1, 200, 100, 50)}},
  };
  for (const SequenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    NewDialog();
    form->Show();
    EXPECT_EQ(SdkCalls(), Lines{kMasterStep});
    c.actions(*this);
    form->Close();  // joins the worker, so its passes are in the journal
    EXPECT_EQ(SdkCalls(), c.expected);
  }
}

TEST_F(LedDialogTest, ModeCommandsFromOffPauseBeforeSwitchingOffAgain) {
  form->Show();
  const ULONGLONG start = GetTickCount64();
  Press(L"RadioButtonRainbow");
  EXPECT_GE(GetTickCount64() - start, 500u);
  const ULONGLONG before = GetTickCount64();
  Press(L"RadioButtonOff");  // off has no pause
  EXPECT_LT(GetTickCount64() - before, 400u);
  form->Close();
}

TEST_F(LedDialogTest, EachShowingResetsModeAndSlotKeepsTheRestAndHasAWorkerOfItsOwn) {
  form->Show();
  EXPECT_TRUE(form->Shown());
  EXPECT_TRUE(form->WorkerRunning());
  PressDot(5);
  dialogs.AnswerColour(RGB(9, 8, 7));
  Press(L"ButtonSetColor");
  Press(L"RadioButtonLED1");
  Press(L"RadioButtonSlave");
  Press(L"RadioButtonBreathe");
  MoveBar(L"TrackBarBreathe", 33);
  form->Close();
  EXPECT_FALSE(form->Shown());
  EXPECT_FALSE(form->WorkerRunning()) << "the first showing's worker ended with it";
  SdkCalls();

  form->Show();
  EXPECT_EQ(SdkCalls(), Lines{kSlaveStep}) << "Master/Slave is kept";
  const led::LedDialogValues values = form->Values();
  EXPECT_EQ(values.mode, 1);
  EXPECT_EQ(values.address.led, 1);
  EXPECT_EQ(values.speeds[4 - 3], 33);
  EXPECT_EQ(form->SelectedSlot(), 1);
  EXPECT_EQ(Dot(1).PenColor(), led::kDialogHighlightPen);
  EXPECT_EQ(Dot(5).PenColor(), RGB(0, 0, 0));
  EXPECT_EQ(Dot(5).BrushColor(), RGB(9, 8, 7));
  ASSERT_TRUE(form->WorkerRunning());
  // A speed change of this showing reaches the controller through this showing's worker, once.
  Press(L"RadioButtonBreathe");
  MoveBar(L"TrackBarBreathe", 60);
  form->Close();
  EXPECT_EQ(SdkCalls(), (Lines{SlaveMode(1, 4, 33), SlaveMode(1, 1, 0), SlaveMode(1, 4, 60)}));
}

TEST_F(LedDialogTest, DestroyingTheWindowMidPassEndsTheWorkerAfterItsPass) {
  form->Show();
  Press(L"RadioButtonBreathe");
  SdkCalls();
  MoveBar(L"TrackBarBreathe", 90);  // the worker now waits out its 500 ms
  form->DestroyWindowNow();
  EXPECT_FALSE(form->WorkerRunning());
  EXPECT_FALSE(form->Shown());
  EXPECT_EQ(SdkCalls(), Lines{Mode(0, 4, 90)});
  form.reset();
}

TEST(LedColorFormTest, ASwatchPicksItsColourWhichOkKeepsAndCancelClears) {
  forms::Application application{GetModuleHandleW(nullptr)};
  ASSERT_TRUE(application.Initialize());
  forms::Form mainWindow{application, forms::FormArgs{}};
  application.SetMainForm(mainWindow);
  led::TLEDColorForm picker(application);
  ASSERT_TRUE(picker.Create());
  auto swatch = [&](int tag) { return static_cast<forms::Shape*>(picker.FindControlByTag(forms::ControlKind::Shape, tag)); };
  ASSERT_NE(swatch(48), nullptr);
  EXPECT_EQ(swatch(48)->BrushColor(), RGB(0xC7, 0x38, 0x8C));

  auto press = [&](int tag) {
    const forms::Shape& s = *swatch(tag);
    const LPARAM at = MAKELPARAM(s.Left() + 10, s.Top() + 10);
    SendMessageW(picker.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(picker.Hwnd(), WM_LBUTTONUP, 0, at);
  };
  auto click = [&](std::wstring_view name) {
    SendMessageW(static_cast<forms::Button*>(picker.FindControlByName(name))->Hwnd(), BM_CLICK, 0, 0);
  };
  picker.Show();
  press(9);
  press(13);
  EXPECT_EQ(picker.SelectedShape(), 13);
  EXPECT_EQ(picker.PickedColor(), RGB(0x00, 0xFF, 0xFF));
  EXPECT_EQ(swatch(13)->PenColor(), led::kDialogHighlightPen);
  EXPECT_EQ(swatch(13)->PenWidth(), 2);
  EXPECT_EQ(swatch(9)->PenColor(), RGB(0, 0, 0));
  EXPECT_EQ(swatch(9)->PenWidth(), 1);
  click(L"ButtonOK");
  EXPECT_EQ(picker.ResultColor(), RGB(0x00, 0xFF, 0xFF));
  EXPECT_FALSE(picker.Visible());
  picker.Show();
  click(L"ButtonCancel");
  EXPECT_EQ(picker.ResultColor(), 0u);
  EXPECT_FALSE(picker.Visible());
}

}  // namespace
}  // namespace vorma::test
