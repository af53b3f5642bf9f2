// A language applied to the real main window built from its form resource: labels and their
// up/down colours, the state-driven captions, the page-label strip and the popup menu captions.

#include <gtest/gtest.h>

#include "forms/Application.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainFormResource.h"
#include "panel/shell/language/LabelAttr.h"
#include "panel/shell/language/LanguageControls.h"
#include "tests/support/NoFormEvents.h"
#include "tests/support/TestFiles.h"

#include <map>
#include <string>

namespace vorma::shell {
namespace {

constexpr COLORREF kUp = RGB(0x11, 0x22, 0x33);
constexpr COLORREF kDown = RGB(0x44, 0x55, 0x66);

// Language.ini text: every label key "<key>" gets the text "T<key>" unless `values` says otherwise.
std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

std::string LanguageIni(const std::map<std::wstring, std::string>& values, const std::string& globalFont) {
  std::string ini = "[GlobalFont]\r\n";
  ini.append(globalFont);
  std::wstring_view section;
  for (const LanguageKey& key : LanguageKeys()) {
    if (key.section != section) {
      section = key.section;
      ini.append("[").append(Narrow(section)).append("]\r\n");
    }
    ini.append(Narrow(key.key)).append("=");
    auto it = values.find(std::wstring(key.key));
    if (it != values.end()) ini.append(it->second);
    else ini.append("T").append(Narrow(key.key));
    ini.append("\r\n");
  }
  return ini;
}

class LanguageControlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(application_.Initialize());
    AddResourceToForm(MainFormResource(), form_, events_);
    AddMenuToPopup(MainFormResource(), L"PopupMenu", menu_, events_);
  }

  void Apply(std::string_view ini, const LanguageViewState& state = {}) {
    folder_.WriteBytes(L"Language.ini", ini);
    ASSERT_TRUE(LoadLanguageSetting(folder_.Path(), 0, setting_).Succeeded());
    ApplyLanguageToControls(form_, menu_, setting_, state, 1.0);
  }
  // Every label drawn in the global up colour 0x332211, down in 0x665544.
  void ApplyColoured(const LanguageViewState& state) {
    Apply(LanguageIni({}, "ColorUp=3351057\r\nColorDown=6706500\r\n"), state);
  }

  forms::Label& L(std::wstring_view name) {
    forms::Control* control = form_.FindControlByName(name);
    EXPECT_NE(control, nullptr) << testing::PrintToString(std::wstring(name));
    return *static_cast<forms::Label*>(control);
  }
  std::wstring Caption(std::wstring_view item) { return menu_.FindItem(item)->Caption(); }

  forms::Application application_{GetModuleHandleW(nullptr)};
  forms::Form form_{application_, FormArgsFor(MainFormResource())};
  forms::PopupMenu menu_;
  vorma::test::NoFormEvents events_;
  test::TempFolder folder_;
  LanguageSetting setting_;
};

TEST_F(LanguageControlsTest, EveryLabelKeyNamesALabelOfTheMainWindowOrAMenuItem) {
  for (const LanguageKey& key : LanguageKeys()) {
    const std::wstring name(key.control);
    switch (key.role) {
      case LabelRole::MenuCaption:
        EXPECT_NE(menu_.FindItem(name), nullptr) << testing::PrintToString(name);
        break;
      case LabelRole::AboutDialog:
      case LabelRole::MessageText:
        EXPECT_EQ(form_.FindControlByName(name.empty() ? L"-" : name), nullptr) << testing::PrintToString(name);
        break;
      default: {
        forms::Control* control = form_.FindControlByName(name);
        ASSERT_NE(control, nullptr) << testing::PrintToString(name);
        EXPECT_EQ(control->Kind(), forms::ControlKind::Label) << testing::PrintToString(name);
      }
    }
  }
}

TEST_F(LanguageControlsTest, MissingLanguageFileHidesEveryLabelAndMenuShowsEnglishCaptions) {
  for (const wchar_t* item : {L"LanguageMenu", L"SkinMenu", L"CloseMenu", L"ModeMenu"}) {
    menu_.FindItem(item)->SetCaption(L"stale");
  }
  test::TempFolder empty;
  ASSERT_TRUE(LoadLanguageSetting(empty.Path(), 0, setting_).Succeeded());
  LanguageViewState state;
  state.micLevel = 12;
  ApplyLanguageToControls(form_, menu_, setting_, state, 1.0);

  for (const LanguageKey& key : LanguageKeys()) {
    if (key.role == LabelRole::MenuCaption || key.role == LabelRole::AboutDialog || key.role == LabelRole::MessageText)
      continue;
    EXPECT_FALSE(L(key.control).Visible()) << testing::PrintToString(std::wstring(key.control));
  }
  EXPECT_EQ(Caption(L"LanguageMenu"), L"Language");
  EXPECT_EQ(Caption(L"SkinMenu"), L"Skin");
  EXPECT_EQ(Caption(L"CloseMenu"), L"Close");
  EXPECT_EQ(Caption(L"ModeMenu"), L"Plugin");
}

TEST_F(LanguageControlsTest, MenuCaptionsTakeTheirTextsAndFallBackOneByOne) {
  Apply(LanguageIni({{L"LabelLanguage", "Sprache"}, {L"LabelSkin", "Oberflaeche"}, {L"LabelClose", ""}, {L"LabelPlugin", ""}},
                    ""));
  EXPECT_EQ(Caption(L"LanguageMenu"), L"Sprache");
  EXPECT_EQ(Caption(L"SkinMenu"), L"Oberflaeche");
  EXPECT_EQ(Caption(L"CloseMenu"), L"Close");
  EXPECT_EQ(Caption(L"ModeMenu"), L"Plugin");

  Apply(LanguageIni({{L"LabelPlugin", "Erweiterungen"}}, ""));
  EXPECT_EQ(Caption(L"ModeMenu"), L"Erweiterungen");
  EXPECT_EQ(Caption(L"LanguageMenu"), L"TLabelLanguage");
}

TEST_F(LanguageControlsTest, LabelsAreDownForCurrentPageSelectionsAndFeaturesThatAreOn) {
  LanguageViewState state;
  state.currentPage = 3;
  state.eqPreset = 2;
  state.effect = 5;
  state.threeDEnable = 1;
  state.micMute = 1;
  state.enlarge = 1;
  ApplyColoured(state);

  const std::map<std::wstring, bool> down = {
      {L"PageEQLabel", false},      {L"PageMicLabel", true},      {L"PageLEDLabel", false},
      {L"EQS1Label", false},        {L"EQS2Label", true},         {L"EffectNonLabel", false},
      {L"EffectStoneGalleryLabel", true}, {L"EQ3DENLabel", true}, {L"D33DENLabel", true},
      {L"EQEQENLabel", false},      {L"MicMuteLabel", true},      {L"MicBoostLabel", false},
      {L"VirtualEnlargeLabel", true}, {L"VirtualNarrowLabel", false}, {L"D3FBMLabel", false},
      {L"Menu1Label", false},       {L"SyncLabel", false},        {L"ColorFastLabel", false},
  };
  for (const auto& [name, isDown] : down) {
    EXPECT_EQ(L(name).FontColor(), isDown ? kDown : kUp) << testing::PrintToString(name);
  }
  // The global colours are kept in the records for the later redraws.
  EXPECT_EQ(setting_.Record(L"LabelPageEQ")->ColorUp, 3351057);
  EXPECT_EQ(setting_.Record(L"LabelPageEQ")->ColorDown, 6706500);
  EXPECT_FALSE(setting_.Record(L"LabelPageEQ")->HasColorUp);
}

TEST_F(LanguageControlsTest, StateDrivenCaptions) {
  struct Case {
    bool deviceActive;
    int preset;
    const wchar_t* deviceText;
    const wchar_t* sxText;
  };
  const Case cases[] = {{true, 1, L"TLabelActive", L"TLabelEQS1"}, {false, 4, L"TLabelUnactive", L"TLabelEQS4"}};
  for (const Case& c : cases) {
    LanguageViewState state;
    state.deviceActive = c.deviceActive;
    state.eqPreset = c.preset;
    state.micLevel = 37;
    state.encoderLevel = 5;
    Apply(LanguageIni({}, ""), state);
    EXPECT_EQ(L(L"DeviceActiveLabel").Caption(), c.deviceText);
    EXPECT_EQ(L(L"SXLabel").Caption(), c.sxText);
    EXPECT_EQ(L(L"MicValueLabel").Caption(), L"37");
    EXPECT_EQ(L(L"ENCValueLabel").Caption(), L"5");
    EXPECT_EQ(L(L"EQ60HzLabel").Caption(), L"TLabelEQ60Hz");
    EXPECT_TRUE(L(L"EQ60HzLabel").Visible());
  }
}

TEST_F(LanguageControlsTest, PageStripFollowsTranslatedWidthsWhenTheSkinShowsItsBevels) {
  struct Case {
    bool bevel7;
    const char* micWidth;
  };
  for (const Case& c : {Case{true, "40"}, Case{true, "90"}, Case{false, "90"}}) {
    form_.FindControlByName(L"Bevel2")->SetVisible(true);
    form_.FindControlByName(L"Bevel7")->SetVisible(c.bevel7);
    Apply(LanguageIni({{L"LabelPageEQ", "EQ,,,,,100,60,30,16"},
                       {L"LabelPageMic", std::string("Microphone,,,,,,,").append(c.micWidth)},
                       {L"LabelPageEffect", "Effect,,,,,,,50"}},
                      ""));
    auto left = [this](const wchar_t* name) { return form_.FindControlByName(name)->Left(); };
    auto right = [this](const wchar_t* name) {
      forms::Control* control = form_.FindControlByName(name);
      return control->Left() + control->Width();
    };
    const int bevelWidth = form_.FindControlByName(L"Bevel2")->Width();
    EXPECT_EQ(left(L"Bevel2"), 130);
    EXPECT_EQ(form_.FindControlByName(L"Bevel2")->Top(), 60);
    EXPECT_EQ(left(L"PageEffectLabel"), 130 + bevelWidth + 5);
    EXPECT_EQ(left(L"Bevel3"), right(L"PageEffectLabel"));
    EXPECT_EQ(left(L"PageMicLabel"), right(L"Bevel3") + 5);
    EXPECT_EQ(right(L"PageMicLabel") - left(L"PageMicLabel"), std::stoi(c.micWidth));
    EXPECT_EQ(left(L"Bevel4"), right(L"PageMicLabel"));
    EXPECT_EQ(left(L"PageVirtual7p1Label"), right(L"Bevel4") + 5);
    EXPECT_EQ(left(L"Bevel5"), right(L"PageVirtual7p1Label"));
    for (const wchar_t* bevel : {L"Bevel3", L"Bevel4", L"Bevel5"}) {
      EXPECT_EQ(form_.FindControlByName(bevel)->Top(), 60);
    }
    if (c.bevel7) {
      EXPECT_EQ(left(L"PageENCLabel"), right(L"Bevel5") + 10);
      EXPECT_EQ(left(L"Bevel6"), right(L"PageENCLabel"));
      EXPECT_EQ(left(L"PageVMEffectLabel"), right(L"Bevel6") + 5);
      EXPECT_EQ(left(L"Bevel7"), right(L"PageVMEffectLabel"));
      EXPECT_EQ(left(L"PageLEDLabel"), right(L"Bevel7") + 5);
    } else {
      EXPECT_EQ(left(L"PageLEDLabel"), right(L"Bevel5") + 5);
    }
  }
}

TEST_F(LanguageControlsTest, HiddenStripBevelLeavesPageLabelsWhereTheyAre) {
  const int effectLeft = form_.FindControlByName(L"PageEffectLabel")->Left();
  const int bevelLeft = form_.FindControlByName(L"Bevel2")->Left();
  Apply(LanguageIni({{L"LabelPageEQ", "EQ,,,,,100,60,30,16"}}, ""));
  EXPECT_EQ(form_.FindControlByName(L"PageEffectLabel")->Left(), effectLeft);
  EXPECT_EQ(form_.FindControlByName(L"Bevel2")->Left(), bevelLeft);
}

}  // namespace
}  // namespace vorma::shell
