// The main window built in the test process with the shipped configuration, skin and language,
// on a virtual device served here: what presses, page switches and drags do.

#include "tests/mainform/MainFormFixture.h"
#include "panel/shell/AudioMainForm.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/OtherFormsResource.h"
#include "foundation/ProfileStrings.h"
#include "forms/CheckBox.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

namespace vorma::shell {
namespace {

constexpr wchar_t kShippedTitle[] = L"Vorma Audio Center";

TEST_F(MainFormTest, WithoutADeviceFeaturePressesWarnAndChangeNothing) {
  Start();
  ASSERT_FALSE(form_->DeviceActive());
  const std::wstring warning = form_->LanguageText(L"LabelWarning");
  ASSERT_FALSE(warning.empty());

  Press(L"EQEQENImage");
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].text, warning);
  EXPECT_EQ(dialogs_.shown[0].caption, kShippedTitle);
  EXPECT_EQ(dialogs_.shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(form_->FeatureState(7), 0);

  // About asks for no device before it looks, and shows nothing without one.
  Press(L"Menu3Image");
  EXPECT_EQ(dialogs_.shown.size(), 1u);

  PressPageLabel(L"PageMicLabel");
  EXPECT_EQ(dialogs_.shown.size(), 2u);
  EXPECT_EQ(form_->CurrentPage(), 1);
}

// Every activation of a device that arrives passes over the GPIO pins: it reads them while the LED
// indicator is on (as it starts) and clears all ten while it is off (here: the LED button held down
// across a re-plug).
TEST_F(MainFormTest, ActivationReadsThePinsWhileTheLedIndicatorIsOnAndClearsThemOtherwise) {
  const auto gpioLines = [this](test::DeviceNumber device) {
    std::vector<std::string> lines;
    for (const std::string& line : TakeJournal(device, {"hid.out 00 60"}))
      lines.push_back(line.substr(line.find("-> ") + 3));
    return lines;
  };
  Start();
  const test::DeviceNumber first = Plug("72xx", 0x7201);
  ASSERT_TRUE(test::PumpMessagesUntil([&] { return form_->DeviceActive(); }, 10000));
  // The 2 s device poll passes over the pins too, and may have come by the time the journal is read.
  const std::vector<std::string> read = gpioLines(first);
  ASSERT_FALSE(read.empty());
  for (const std::string& line : read) EXPECT_EQ(line, "gpio read 1111111111");

  form_->OnImageMouseDown(Image(L"LEDImage"), forms::MouseEventArgs{});
  ASSERT_EQ(form_->FeatureState(51), 0);
  ASSERT_EQ(client.Unplug(first), virtual72xx::kOk);
  ASSERT_TRUE(test::PumpMessagesUntil([&] { return !form_->DeviceActive(); }, 10000));
  const test::DeviceNumber second = Plug("72xx", 0x7201);
  ASSERT_TRUE(test::PumpMessagesUntil([&] { return form_->DeviceActive(); }, 10000));
  const std::vector<std::string> cleared = gpioLines(second);
  ASSERT_FALSE(cleared.empty());
  EXPECT_EQ(cleared.back(), "gpio write 0000000000");
  form_->OnImageMouseUp(Image(L"LEDImage"), forms::MouseEventArgs{});
}

// The device indicators as the shipped skin draws them: the plugged-in picture lit and the
// unplugged one dim while a device is active, the other way round without one.
TEST_F(MainFormTest, DeviceIndicatorsLightWhatIsTrueOfTheDevice) {
  auto pictureOf = [this](std::wstring_view image) {
    const std::wstring& path = Image(image).PicturePath();
    return path.substr(path.find_last_of(L'\\') + 1);
  };
  Start();
  ASSERT_FALSE(form_->DeviceActive());
  EXPECT_EQ(pictureOf(L"DeviceInImage"), L"PluggedInOff.png");
  EXPECT_EQ(pictureOf(L"DeviceOutImage"), L"UnpluggedOn.png");

  // A device plugged in later is found by its arrival or the poll.
  Plug("72xx", 0x7201);
  ASSERT_TRUE(test::PumpMessagesUntil([&] { return form_->DeviceActive(); }, 10000));
  EXPECT_EQ(pictureOf(L"DeviceInImage"), L"PluggedInOn.png");
  EXPECT_EQ(pictureOf(L"DeviceOutImage"), L"UnpluggedOff.png");
  EXPECT_TRUE(Image(L"DeviceInImage").Visible());
  EXPECT_TRUE(Image(L"DeviceOutImage").Visible());
}

TEST_F(MainFormTest, PageSwitchShowsOnlyThatPage) {
  Plug("72xx", 0x7201);
  Start();
  ASSERT_TRUE(form_->DeviceActive());
  EXPECT_TRUE(Image(L"Back_EQImage").Visible());
  EXPECT_FALSE(Image(L"Back_MicImage").Visible());
  EXPECT_FALSE(Image(L"Back_3DImage").Visible());

  PressPageLabel(L"PageMicLabel");
  EXPECT_EQ(form_->CurrentPage(), 3);
  EXPECT_TRUE(Image(L"Back_MicImage").Visible());
  EXPECT_FALSE(Image(L"Back_EQImage").Visible());

  // The page images go through their mouse-down action, which redraws the strip first.
  Press(L"PageVirtual7p1Image");
  EXPECT_EQ(form_->CurrentPage(), 4);
  EXPECT_TRUE(Image(L"VirtualPicImage").Visible());
  EXPECT_FALSE(Image(L"Back_MicImage").Visible());
  EXPECT_TRUE(form_->FindControlByName(L"BeeCheckBox")->Visible());  // [Version] Bee=1 ships

  PressPageLabel(L"Page3DLabel");
  EXPECT_EQ(form_->CurrentPage(), 5);
  EXPECT_TRUE(Image(L"Back_3DImage").Visible());
  EXPECT_FALSE(form_->FindControlByName(L"BeeCheckBox")->Visible());
  EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(MainFormTest, EqualiserBarPressCentresTheSliderWithinItsTravel) {
  const test::DeviceNumber device = Plug("72xx", 0x7201);
  Start();
  const SliderRange travel = form_->EqSliderRange();
  forms::Image& bar = Image(L"EQ60HzBarImage");
  forms::Image& slider = Image(L"EQ60HzSliderImage");
  const int x = bar.Left() + bar.Width() / 2;
  struct Case {
    int clickY;
    int expectedTop;
  };
  const int middle = travel.top + travel.range / 2 + slider.Height() / 2;
  // The bar reaches beyond the slider's travel at both ends in the shipped skin.
  ASSERT_LT(bar.Top() + 1 - slider.Height() / 2, travel.top);
  ASSERT_GT(bar.Top() + bar.Height() - 1 - slider.Height() / 2, travel.top + travel.range);
  const Case cases[] = {
      {middle, travel.top + travel.range / 2},
      {bar.Top() + 1, travel.top},                                  // above the travel: the top value
      {bar.Top() + bar.Height() - 1, travel.top + travel.range},  // below it: the bottom
  };
  TakeJournal(device);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clickY);
    CursorAt(x, c.clickY);
    form_->OnMsgLButtonDown();
    form_->OnMsgLButtonUp();
    EXPECT_EQ(slider.Top(), c.expectedTop);
  }
  // The band went to the device: band 1's registers were written.
  bool bandWritten = false;
  for (const std::string& line : TakeJournal(device))
    if (line.find("0x120") != std::string::npos || line.find("0120") != std::string::npos) bandWritten = true;
  EXPECT_TRUE(bandWritten);
}

// The equaliser writes its curve only while it is in step with an active device: the start-up's
// activation and every later one (arrival or poll after a removal) put it in step.
TEST_F(MainFormTest, EqualiserBandWritesFollowEveryActivationOfTheDevice) {
  const auto pressBarWritesBand = [this](test::DeviceNumber device, int clickY) {
    forms::Image& bar = Image(L"EQ60HzBarImage");
    TakeJournal(device);
    CursorAt(bar.Left() + bar.Width() / 2, clickY);
    form_->OnMsgLButtonDown();
    form_->OnMsgLButtonUp();
    bool written = false;
    for (const std::string& line : TakeJournal(device, {"hid.out"}))
      if (line.find("-> write 0x0120") != std::string::npos) written = true;
    return written;
  };
  const test::DeviceNumber first = Plug("72xx", 0x7201);
  Start();
  ASSERT_TRUE(form_->DeviceActive());
  const SliderRange travel = form_->EqSliderRange();
  const int height = Image(L"EQ60HzSliderImage").Height();
  const int upper = travel.top + height / 2;
  const int lower = travel.top + travel.range + height / 2;
  EXPECT_TRUE(pressBarWritesBand(first, upper));

  ASSERT_EQ(client.Unplug(first), virtual72xx::kOk);
  ASSERT_TRUE(test::PumpMessagesUntil([&] { return !form_->DeviceActive(); }, 10000));
  const test::DeviceNumber second = Plug("72xx", 0x7201);
  ASSERT_TRUE(test::PumpMessagesUntil([&] { return form_->DeviceActive(); }, 10000));
  EXPECT_TRUE(pressBarWritesBand(second, lower));
  EXPECT_TRUE(pressBarWritesBand(second, upper));
}

TEST_F(MainFormTest, ThreeDSliderDragStaysBetween105And225) {
  Plug("72xx", 0x7201);
  Start();
  PressPageLabel(L"Page3DLabel");
  forms::Image& slider = Image(L"D3LAlphaSliderImage");
  const int x = slider.Left() + slider.Width() / 2;
  const int y = slider.Top() + slider.Height() / 2;
  CursorAt(x, y);
  form_->OnMsgLButtonDown();
  EXPECT_EQ(form_->CurrentDragMode(), DragMode::ThreeD);
  CursorAt(x, y - 400);
  form_->OnMsgMouseMove();
  EXPECT_EQ(slider.Top(), 105);
  CursorAt(x, y + 400);
  form_->OnMsgMouseMove();
  EXPECT_EQ(slider.Top(), 225);
  form_->OnMsgLButtonUp();
  EXPECT_EQ(form_->CurrentDragMode(), DragMode::None);
  CursorAt(x, y);
  form_->OnMsgMouseMove();
  EXPECT_EQ(slider.Top(), 225);  // released: the slider no longer follows
}

TEST_F(MainFormTest, TestToneBoxStopsTheSurroundMotionButtons) {
  Plug("72xx", 0x7201);
  Start();
  PressPageLabel(L"PageVirtual7p1Label");
  Press(L"VirtualEnableImage");
  ASSERT_EQ(form_->FeatureState(47), 1);
  auto* bee = dynamic_cast<forms::CheckBox*>(form_->FindControlByName(L"BeeCheckBox"));
  ASSERT_NE(bee, nullptr);
  bee->SetChecked(true);
  for (std::wstring_view button : {L"VirtualClockwiseImage", L"VirtualNarrowImage", L"VirtualEnlargeImage"}) {
    Press(button);
  }
  EXPECT_EQ(form_->FeatureState(49), 0);
  EXPECT_EQ(form_->FeatureState(52), 0);
  EXPECT_EQ(form_->FeatureState(53), 0);
  bee->SetChecked(false);
  Press(L"VirtualClockwiseImage");
  EXPECT_EQ(form_->FeatureState(49), 1);
  // Switching 7.1 off stops the rotation.
  Press(L"VirtualEnableImage");
  EXPECT_EQ(form_->FeatureState(47), 0);
  EXPECT_EQ(form_->FeatureState(49), 0);
}

TEST_F(MainFormTest, RotationNeedsSurroundOn) {
  Plug("72xx", 0x7201);
  Start();
  PressPageLabel(L"PageVirtual7p1Label");
  ASSERT_EQ(form_->FeatureState(47), 0);
  Press(L"VirtualClockwiseImage");
  Press(L"VirtualCounterclockwiseImage");
  EXPECT_EQ(form_->FeatureState(49), 0);
  EXPECT_EQ(form_->FeatureState(50), 0);
  // Narrow and Enlarge do not need it, and exclude each other.
  Press(L"VirtualNarrowImage");
  EXPECT_EQ(form_->FeatureState(52), 1);
  Press(L"VirtualEnlargeImage");
  EXPECT_EQ(form_->FeatureState(53), 1);
  EXPECT_EQ(form_->FeatureState(52), 0);
}

TEST_F(MainFormTest, SwitchModeLocksTheSurroundEnableButton) {
  WriteProfileString(ConfigPath(), L"GPIO", L"MODE", L"1");
  // Without a device every press that gets past the lock warns, so the boxes show what the window
  // itself lets through, whatever the page would do with the press.
  Start();
  ASSERT_TRUE(form_->Settings().gpio.SwitchMode());
  ASSERT_FALSE(form_->DeviceActive());
  for (std::wstring_view locked : {L"VirtualEnableImage", L"VirtualLImage", L"VirtualRBImage"}) {
    Press(locked);
    EXPECT_TRUE(dialogs_.shown.empty()) << std::string(locked.begin(), locked.end());
  }
  // The label forwards to the same lock.
  form_->OnLabelMouseDown(*form_->LabelNamed(L"VirtualENLabel"), forms::MouseEventArgs{});
  EXPECT_TRUE(dialogs_.shown.empty());
  // RESET is locked only while the switch is off (it starts on); Narrow never is.
  Press(L"VirtualResetImage");
  Press(L"VirtualNarrowImage");
  EXPECT_EQ(dialogs_.shown.size(), 2u);
}

// A hardware switch on GPIO 3 owns the 7.1 on/off state: the user can neither click the enable
// button nor drag a speaker, and RESET only works while the switch is on.
TEST_F(MainFormTest, HardwareSwitchOwnsSurroundAndALockedSpeakerPressStartsNoDrag) {
  WriteProfileString(ConfigPath(), L"GPIO", L"MODE", L"1");
  WriteProfileString(ConfigPath(), L"GPIO", L"ENABLE", L"0,0,0,1,0,0,0,0,0,0");
  WriteProfileString(ConfigPath(), L"GPIO", L"DIPSWMODE", L"1");  // reports go to the function table
  WriteProfileString(ConfigPath(), L"GPIOFunction", L"3", L"F7");
  const test::DeviceNumber device = Plug("72xx", 0x7201);
  Start();
  // The switch is at rest (level 1, active low): off.
  ASSERT_EQ(form_->Buttons().GpioOnOff(), 0);
  EXPECT_EQ(form_->FeatureState(47), 0);
  EXPECT_EQ(form_->CurrentPage(), 4);

  forms::Image& speaker = Image(L"VirtualLImage");
  const int left = speaker.Left(), top = speaker.Top();
  CursorAt(left + speaker.Width() / 2, top + speaker.Height() / 2);
  form_->OnMsgLButtonDown();
  EXPECT_EQ(form_->CurrentDragMode(), DragMode::None);
  CursorAt(left + speaker.Width() / 2 + 30, top + speaker.Height() / 2 + 30);
  form_->OnMsgMouseMove();
  form_->OnMsgLButtonUp();
  EXPECT_EQ(speaker.Left(), left);
  TakeJournal(device);
  Press(L"VirtualEnableImage");
  Press(L"VirtualResetImage");
  EXPECT_EQ(TakeJournal(device, {"sdk"}), std::vector<std::string>{});

  // The switch moves to its active level: its scan report turns 7.1 on through the enable button.
  ASSERT_EQ(client.SetGpioLevel(device, 3, 0), virtual72xx::kOk);
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (form_->FeatureState(47) != 1 && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    application_.ProcessMessages();
  }
  EXPECT_EQ(form_->FeatureState(47), 1);
  EXPECT_EQ(form_->Buttons().GpioOnOff(), 1);
  const std::vector<std::string> sent = TakeJournal(device, {"sdk DLLQZ_SetVirtual7ch1_OnOff"});
  EXPECT_EQ(sent, std::vector<std::string>{"sdk DLLQZ_SetVirtual7ch1_OnOff 1 -> 0"});
  // Still locked for the mouse; RESET works now that the switch is on.
  Press(L"VirtualEnableImage");
  EXPECT_EQ(form_->FeatureState(47), 1);
  form_->OnMsgLButtonDown();
  EXPECT_EQ(form_->CurrentDragMode(), DragMode::None);
  form_->OnMsgLButtonUp();
}

// A device plugged in after the start is brought in line with the default profile: EQ (kept off on
// the device by the profile's flat curve) and 3D on as it asks, then 7.1 on as well unless 3D,
// switched on just before, excludes it.
TEST_F(MainFormTest, APluggedDeviceTakesTheDefaultProfilesEnables) {
  struct Case {
    const wchar_t* exclusive;
    const char* surroundSent;
  };
  for (const Case c : {Case{L"1", "sdk DLLQZ_SetVirtual7ch1_OnOff 0"}, Case{L"0", "sdk DLLQZ_SetVirtual7ch1_OnOff 1"}}) {
    SCOPED_TRACE(std::string(c.surroundSent));
    WriteProfileString(ConfigPath(), L"Version", L"DefaultIni", L"1");
    WriteProfileString(ConfigPath(), L"DefaultSet", L"3DV7ch1MutuallyExclusive", c.exclusive);
    const std::wstring profile = appData_.File(L"Vorma\\DefaultProfile.ini");
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"DefaultProfile.ini").c_str(), profile.c_str(), FALSE));
    WriteProfileString(profile, L"EQ", L"EQEN", L"1");
    WriteProfileString(profile, L"3D", L"3DEN", L"1");
    WriteProfileString(profile, L"Virtual7ch1", L"7ch1EN", L"1");
    Start();
    ASSERT_FALSE(form_->DeviceActive());
    const test::DeviceNumber device = Plug("72xx", 0x7201);
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return form_->DeviceActive(); }, 10000));
    const std::vector<std::string> journal = TakeJournal(device, {"sdk", "hid.out", "filter.ioctl"});
    const auto indexOf = [&](std::string_view fragment) {
      for (std::size_t i = 0; i < journal.size(); ++i)
        if (journal[i].find(fragment) != std::string::npos) return i;
      return journal.size();
    };
    const std::vector<std::string_view> order{"sdk DLLQZ_ConfigEQ_ById", "sdk DLLQZ_Set3D_OnOff_ById 1", "query-state",
                                              c.surroundSent, "query-value"};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
      ASSERT_LT(indexOf(order[i + 1]), journal.size()) << order[i + 1];
      EXPECT_LT(indexOf(order[i]), indexOf(order[i + 1])) << order[i] << " before " << order[i + 1];
    }
    EXPECT_EQ(form_->FeatureState(kTagEqEnable), 1);
    EXPECT_EQ(form_->FeatureState(kTag3DEnable), 1);
    EXPECT_EQ(form_->FeatureState(kTagVirtual7ch1Enable), c.exclusive[0] == L'1' ? 0 : 1);
    form_.reset();
    ASSERT_EQ(client.Unplug(device), virtual72xx::kOk);
  }
}

// The shipped configuration makes 3D and virtual 7.1 exclude each other.
TEST_F(MainFormTest, ThreeDAndSurroundExcludeEachOther) {
  Plug("72xx", 0x7201);
  Start();
  ASSERT_TRUE(form_->Settings().exclusive3DV7ch1 == 1);
  PressPageLabel(L"PageVirtual7p1Label");
  Press(L"VirtualEnableImage");
  Press(L"VirtualClockwiseImage");
  ASSERT_EQ(form_->FeatureState(49), 1);

  Press(L"EQ3DENImage");
  EXPECT_EQ(form_->FeatureState(8), 1);
  EXPECT_EQ(form_->FeatureState(47), 0);
  EXPECT_EQ(form_->FeatureState(49), 0);
  EXPECT_FALSE(Image(L"VirtualEnableImage").Visible());
  form_->ShowPageControls(4);
  EXPECT_TRUE(Image(L"VirtualEnableImage").Visible());

  Press(L"VirtualEnableImage");
  EXPECT_EQ(form_->FeatureState(47), 1);
  EXPECT_EQ(form_->FeatureState(8), 0);
  EXPECT_FALSE(Image(L"EQ3DENImage").Visible());
}

// The About button fills the dialog from the current language and skin, and only with a device.
TEST_F(MainFormTest, AboutButtonShowsTheDialogInTheCurrentLanguage) {
  Plug("72xx", 0x7201);
  Start();
  forms::Form about(application_, FormArgsFor(AboutFormResource()));
  NoFormHandlers events;
  AddResourceToForm(AboutFormResource(), about, events);
  ASSERT_TRUE(about.Create(form_->Hwnd()));
  form_->SetAboutDialog(&about);
  // The user closes the dialog again at once.
  PostMessageW(about.Hwnd(), WM_CLOSE, 0, 0);
  Press(L"Menu3Image");
  EXPECT_EQ(about.Caption(), form_->LanguageText(L"LabelMenu3"));
  EXPECT_EQ(dynamic_cast<forms::Label*>(about.FindControlByName(L"AboutLabel"))->Caption(),
            form_->LanguageText(L"LabelAbout"));
  EXPECT_TRUE(about.FindControlByName(L"LOGOQZImage")->Visible());
  form_->SetAboutDialog(nullptr);
}

forms::MenuItem* ItemCaptioned(forms::MenuItem& menu, std::wstring_view caption) {
  for (const auto& item : menu.Items())
    if (item->Caption() == caption) return item.get();
  return nullptr;
}

// The tray menu switches skin and language in the running panel and remembers the choice.
TEST_F(MainFormTest, TrayMenuSwitchesSkinAndLanguageAndRemembersThem) {
  Plug("72xx", 0x7201);
  Start();
  forms::MenuItem& skins = *form_->Popup().FindItem(L"SkinMenu");
  forms::MenuItem& languages = *form_->Popup().FindItem(L"LanguageMenu");
  ASSERT_EQ(skins.Items().size(), 2u);
  ASSERT_TRUE(ItemCaptioned(skins, L"Graphite")->Checked());
  const std::wstring englishSave = form_->LabelNamed(L"Menu1Label")->Caption();

  ItemCaptioned(skins, L"Ember")->Click();
  EXPECT_EQ(form_->SkinName(), L"Ember");
  EXPECT_TRUE(ItemCaptioned(skins, L"Ember")->Checked());
  EXPECT_FALSE(ItemCaptioned(skins, L"Graphite")->Checked());
  EXPECT_EQ(form_->VirtualCenter().radius, 96);  // the Ember skin's speaker circle

  forms::MenuItem* german = ItemCaptioned(languages, L"Deutsch");
  ASSERT_NE(german, nullptr);
  german->Click();
  EXPECT_EQ(form_->LanguageName(), L"German");
  EXPECT_NE(form_->LabelNamed(L"Menu1Label")->Caption(), englishSave);
  EXPECT_EQ(form_->Popup().FindItem(L"LanguageMenu")->Caption(), form_->LanguageText(L"LabelLanguage"));

  std::wstring skin, language;
  ReadProfileString(appData_.File(L"Vorma\\AudioConfig.cfg"), L"Skin", L"DefaultSkin", skin);
  ReadProfileString(appData_.File(L"Vorma\\AudioConfig.cfg"), L"Language", L"DefaultLanguage", language);
  EXPECT_EQ(skin, L"Ember");
  EXPECT_EQ(language, L"German");
}

}  // namespace
}  // namespace vorma::shell
