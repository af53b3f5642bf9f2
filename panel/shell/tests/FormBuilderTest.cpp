// The form resources turned into framework forms: every drawable control with its Tag and
// position, the handlers bound by name, the timers, and what the framework cannot draw yet.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainFormResource.h"
#include "panel/shell/OtherFormsResource.h"

namespace vorma::shell {
namespace {

using namespace std::literals;

// Supplies a handler for every name except those it is told to lack, and counts the calls.
class RecordingEvents final : public FormEventSource {
public:
  std::set<std::wstring, std::less<>> lacking;
  std::map<std::wstring, int, std::less<>> calls;
  std::map<std::wstring, int, std::less<>> lastTag;

  forms::MouseHandler MouseHandlerNamed(std::wstring_view name) override {
    if (lacking.contains(name)) return {};
    return [this, key = std::wstring(name)](forms::Control& sender, const forms::MouseEventArgs&) { Record(key, sender); };
  }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) override {
    if (lacking.contains(name)) return {};
    return [this, key = std::wstring(name)](forms::Control& sender) { Record(key, sender); };
  }
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view name) override {
    if (lacking.contains(name)) return {};
    return [this, key = std::wstring(name)](forms::Timer&) { ++calls[key]; };
  }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view name) override {
    if (lacking.contains(name)) return {};
    return [this, key = std::wstring(name)](forms::MenuItem&) { ++calls[key]; };
  }

private:
  void Record(const std::wstring& key, forms::Control& sender) {
    ++calls[key];
    lastTag[key] = sender.Tag();
  }
};

class FormBuilderTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(application_.Initialize()); }
  forms::Application application_{GetModuleHandleW(nullptr)};
};

TEST_F(FormBuilderTest, MainWindowGetsEveryControlWithItsTagAndHandlers) {
  const FormDescriptor& resource = MainFormResource();
  forms::Form form(application_, FormArgsFor(resource));
  RecordingEvents events;
  const FormBuildReport report = AddResourceToForm(resource, form, events);

  // The language list is the one control of the window the framework has no kind for.
  EXPECT_EQ(report.skippedControls, (std::vector{L"ListBoxLanguageMap"sv}));
  EXPECT_TRUE(report.unboundHandlers.empty());
  ASSERT_EQ(form.Controls().size(), resource.controls.size() - 1);
  EXPECT_EQ(form.ClientWidth(), 819);
  EXPECT_EQ(form.ClientHeight(), 513);
  EXPECT_EQ(form.Caption(), L"Vormapanel");

  forms::Control* slider = form.FindControlByTag(forms::ControlKind::Image, 29);
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->Name(), L"EQ60HzSliderImage");
  EXPECT_EQ(slider->Left(), 314);
  EXPECT_EQ(slider->Top(), 260);
  forms::Control* led = form.FindControlByTag(forms::ControlKind::Shape, 157);
  ASSERT_NE(led, nullptr);
  EXPECT_EQ(led->Name(), L"Color07Shape");

  forms::Control* close = form.FindControlByName(L"CloseImage");
  ASSERT_NE(close, nullptr);
  ASSERT_TRUE(close->OnMouseDown && close->OnClick);
  close->OnMouseDown(*close, {});
  close->OnClick(*close);
  EXPECT_EQ(events.calls[L"OnImageMouseDown"], 1);
  EXPECT_EQ(events.calls[L"CloseImageClick"], 1);
  forms::Control* preset = form.FindControlByName(L"EQS3Label");
  ASSERT_NE(preset, nullptr);
  preset->OnMouseUp(*preset, {});
  EXPECT_EQ(events.lastTag[L"OnLabelMouseUp"], 11);

  ASSERT_NE(form.FindTimer(L"Timer1"), nullptr);
  EXPECT_EQ(form.FindTimer(L"Timer1")->Interval(), 2000u);
  EXPECT_FALSE(form.FindTimer(L"Timer1")->Enabled());
  EXPECT_FALSE(form.FindTimer(L"Timer")->Enabled());  // the 7.1 page starts it while speakers move
}

TEST_F(FormBuilderTest, HandlersTheWindowLacksStayUnboundAndAreReported) {
  forms::Form form(application_, FormArgsFor(MainFormResource()));
  RecordingEvents events;
  events.lacking = {L"OnShapeMouseDown", L"BeeTimerTimer"};
  const FormBuildReport report = AddResourceToForm(MainFormResource(), form, events);

  std::map<std::wstring_view, int> unbound;
  for (std::wstring_view name : report.unboundHandlers) ++unbound[name];
  // Seven colour dots and the breathe and single-colour dots, and one timer.
  EXPECT_EQ(unbound, (std::map<std::wstring_view, int>{{L"OnShapeMouseDown", 9}, {L"BeeTimerTimer", 1}}));
  forms::Control* dot = form.FindControlByName(L"Color01Shape");
  ASSERT_NE(dot, nullptr);
  EXPECT_FALSE(dot->OnMouseDown);
}

TEST_F(FormBuilderTest, TrayMenuGetsItsFourItemsInOrder) {
  forms::PopupMenu menu;
  RecordingEvents events;
  const FormBuildReport report = AddMenuToPopup(MainFormResource(), L"PopupMenu", menu, events);
  EXPECT_TRUE(report.unboundHandlers.empty());

  std::vector<std::wstring> names, captions;
  for (const auto& item : menu.Items().Items()) {
    names.push_back(item->Name());
    captions.push_back(item->Caption());
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"LanguageMenu", L"SkinMenu", L"ModeMenu", L"CloseMenu"}));
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"Language", L"Skin", L"Plugin", L"Close"}));
  forms::MenuItem* close = menu.FindItem(L"CloseMenu");
  ASSERT_NE(close, nullptr);
  close->Click();
  EXPECT_EQ(events.calls[L"CloseMenuClick"], 1);
  // The language, skin and plug-in lists are filled at run time.
  EXPECT_TRUE(menu.FindItem(L"SkinMenu")->Items().empty());
}

TEST_F(FormBuilderTest, DialogControlsInGroupBoxesArePlacedOnTheForm) {
  forms::Form form(application_, FormArgsFor(LEDColorFormResource()));
  RecordingEvents events;
  const FormBuildReport report = AddResourceToForm(LEDColorFormResource(), form, events);

  EXPECT_TRUE(report.skippedControls.empty());
  forms::Control* ok = form.FindControlByName(L"ButtonOK");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Kind(), forms::ControlKind::Button);
  ok->OnClick(*ok);
  EXPECT_EQ(events.calls[L"ButtonOKClick"], 1);
  forms::Control* last = form.FindControlByTag(forms::ControlKind::Shape, 48);
  ASSERT_NE(last, nullptr);
  // Group box at (8, 8); swatch 48 is the eighth of the sixth row.
  EXPECT_EQ(last->Left(), 8 + 16 + 7 * 26);
  EXPECT_EQ(last->Top(), 8 + 29 + 5 * 26);
  EXPECT_TRUE(FormArgsFor(LEDColorFormResource()).borderless);
  EXPECT_FALSE(FormArgsFor(AboutFormResource()).borderless);
}

TEST_F(FormBuilderTest, RadioButtonsGroupByTheirBoxAndTrackBarsReportChangesByName) {
  forms::Form form(application_, FormArgsFor(LEDFormResource()));
  RecordingEvents events;
  const FormBuildReport report = AddResourceToForm(LEDFormResource(), form, events);
  EXPECT_TRUE(report.skippedControls.empty());
  EXPECT_TRUE(report.unboundHandlers.empty());

  auto radio = [&](std::wstring_view name) { return static_cast<forms::RadioButton*>(form.FindControlByName(name)); };
  // One group per box: the effect modes, the LED number and Master/Slave exclude only each other.
  EXPECT_EQ(radio(L"RadioButtonOff")->Group(), radio(L"RadioButtonSingleRandom")->Group());
  EXPECT_NE(radio(L"RadioButtonOff")->Group(), radio(L"RadioButtonLED1")->Group());
  EXPECT_NE(radio(L"RadioButtonLED1")->Group(), radio(L"RadioButtonMaster")->Group());
  EXPECT_EQ(radio(L"RadioButtonLED2")->Group(), radio(L"RadioButtonAllLED")->Group());
  EXPECT_TRUE(radio(L"RadioButtonOff")->Checked());
  EXPECT_TRUE(radio(L"RadioButtonAllLED")->Checked());
  EXPECT_TRUE(radio(L"RadioButtonMaster")->Checked());
  ASSERT_TRUE(form.Create());
  radio(L"RadioButtonSlave")->SetChecked(true);
  EXPECT_FALSE(radio(L"RadioButtonMaster")->Checked());
  EXPECT_TRUE(radio(L"RadioButtonOff")->Checked()) << "another box is left alone";

  forms::Control* rainbow = form.FindControlByTag(forms::ControlKind::RadioButton, 5);
  ASSERT_NE(rainbow, nullptr);
  EXPECT_EQ(rainbow->Name(), L"RadioButtonRainbow");
  EXPECT_EQ(rainbow->Left(), 8 + 16);  // inside "Effect setting" at (8, 160)
  ASSERT_TRUE(rainbow->OnMouseDown);
  rainbow->OnMouseDown(*rainbow, {});
  EXPECT_EQ(events.lastTag[L"RadioButtonMouseDown"], 5);

  auto* bar = static_cast<forms::TrackBar*>(form.FindControlByTag(forms::ControlKind::TrackBar, 5));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Name(), L"TrackBarRainbow");
  EXPECT_EQ(bar->Min(), 1);
  EXPECT_EQ(bar->Max(), 255);
  EXPECT_EQ(bar->Position(), 1);
  bar->SetPosition(300);
  EXPECT_EQ(bar->Position(), 255);
  EXPECT_EQ(events.calls[L"TrackBarEffectChange"], 1);
  EXPECT_EQ(events.lastTag[L"TrackBarEffectChange"], 5);
  auto* brightness = static_cast<forms::TrackBar*>(form.FindControlByName(L"TrackBarBrightness"));
  EXPECT_EQ(brightness->Max(), 6);
}

}  // namespace
}  // namespace vorma::shell
