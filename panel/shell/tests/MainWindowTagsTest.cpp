// The table of the main window's Tags against what it describes: the controls of the form
// resource, the keys of skins and languages, and the relations between sliders, bars and pages.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "panel/features/MainWindowTags.h"
#include "panel/shell/MainFormResource.h"
#include "panel/shell/language/LanguageKeys.h"
#include "panel/shell/skin/SkinSetting.h"

namespace vorma::shell {
namespace {

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

void ExpectDeclared(std::wstring_view name, ControlKind kind, const WindowTag& row) {
  const ControlDescriptor* control = FindControlDescriptor(MainFormResource(), name);
  ASSERT_NE(control, nullptr) << "Tag " << row.tag << ": the form has no " << Narrow(name);
  EXPECT_EQ(control->kind, kind) << Narrow(name);
  EXPECT_EQ(control->tag, row.tag) << Narrow(name);
  EXPECT_EQ(control->page, row.page) << Narrow(name);
}

bool IsPictureKey(std::wstring_view key) {
  for (const PictureKey& picture : PictureKeys())
    if (picture.key == key) return true;
  return false;
}

TEST(MainWindowTagsTest, EveryRowNamesTheControlsTheFormDeclaresWithItsTagAndPage) {
  std::set<int> tags;
  for (const WindowTag& row : WindowTags()) {
    EXPECT_TRUE(tags.insert(row.tag).second) << "Tag " << row.tag << " has two rows";
    ExpectDeclared(row.image, ControlKind::Image, row);
    if (!row.label.empty()) ExpectDeclared(row.label, ControlKind::Label, row);
    EXPECT_EQ(WindowTagOf(row.tag), &row);
    EXPECT_EQ(WindowTagOfImage(row.image), &row);
  }
  EXPECT_EQ(WindowTagOf(56), nullptr);
  EXPECT_EQ(WindowTagOfImage(L"D33DENImage"), nullptr);
}

TEST(MainWindowTagsTest, SkinAndLanguageKeysOfTheRowsExist) {
  for (const WindowTag& row : WindowTags()) {
    EXPECT_EQ(row.upKey.empty(), row.downKey.empty()) << "Tag " << row.tag;
    for (std::wstring_view key : {row.upKey, row.downKey}) {
      if (!key.empty()) {
        EXPECT_TRUE(IsPictureKey(key)) << "Tag " << row.tag << ": " << Narrow(key);
      }
    }
    if (!row.languageKey.empty()) {
      EXPECT_LT(LanguageKeyIndex(row.languageKey), kLanguageKeyCount) << "Tag " << row.tag;
    }
  }
}

// Only rows with a state member and both pictures flip; the sync button's row has neither (the
// device-sync flag belongs to device activation), and a Tag without a row is no two-state button.
TEST(MainWindowTagsTest, TwoStateButtonsAreTheRowsWithAStateAndPictures) {
  std::set<int> twoState;
  for (const WindowTag& row : WindowTags())
    if (TwoStateButtonOf(row.tag)) twoState.insert(row.tag);
  EXPECT_EQ(twoState, (std::set<int>{7, 8, 13, 21, 22, 47, 49, 50, 51, 52, 53, 54, 55, 89}));
  EXPECT_EQ(TwoStateButtonOf(kTagSync), nullptr);
  EXPECT_EQ(WindowTagOf(kTagSync)->state, ButtonState::None);
  EXPECT_EQ(TwoStateButtonOf(1000), nullptr);
}

// The page buttons: page button id = Tag - 22, each page reached by one button.
TEST(MainWindowTagsTest, PageButtonsOpenEachPageOnce) {
  std::set<int> pages;
  for (const WindowTag& row : WindowTags()) {
    if (!PageButtonOf(row.tag)) continue;
    EXPECT_EQ(row.pageButton, row.tag - 22) << "Tag " << row.tag;
    EXPECT_EQ(PageButtonWithId(row.pageButton), &row);
    EXPECT_TRUE(pages.insert(row.opensPage).second) << "page " << row.opensPage;
  }
  EXPECT_EQ(pages, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(PageButtonOf(kTagEqEnable), nullptr);
  EXPECT_EQ(PageButtonWithId(6), nullptr);
}

// A bar carries its slider's Tag + 100, an equaliser band's lower bar + 200: the names agree.
TEST(MainWindowTagsTest, BarsLeadToTheSliderOfTheirName) {
  std::set<int> bars;
  for (const WindowTag& row : WindowTags()) {
    std::wstring name(row.image);
    const bool lower = name.ends_with(L"BarDownImage");
    if (!lower && !name.ends_with(L"BarImage")) continue;
    bars.insert(row.tag);
    const int slider = lower ? SliderOfLowerBar(row.tag) : SliderOfBar(row.tag);
    const WindowTag* sliderRow = WindowTagOf(slider);
    ASSERT_NE(sliderRow, nullptr) << Narrow(name);
    name.replace(name.rfind(lower ? L"BarDownImage" : L"BarImage"), std::wstring::npos, L"SliderImage");
    EXPECT_EQ(sliderRow->image, name);
    EXPECT_EQ(lower ? LowerBarOfSlider(slider) : BarOfSlider(slider), row.tag);
  }
  EXPECT_EQ(bars, (std::set<int>{129, 130, 131, 132, 133, 138, 188, 229, 230, 231, 232, 233, 238}));
}

TEST(MainWindowTagsTest, GroupsNumberTheirMembersAndNothingOutside) {
  struct Case {
    int tag;
    int preset;
    int effect;
    int band;  // -1: no band
    bool speaker;
  };
  const Case cases[] = {
      {8, 0, 0, -1, false},  {9, 1, 0, -1, false},   {12, 4, 0, -1, false}, {13, 0, 0, -1, false},
      {15, 0, 0, -1, false}, {16, 0, 1, -1, false},  {20, 0, 5, -1, false}, {21, 0, 0, -1, false},
      {28, 0, 0, -1, false}, {29, 0, 0, 0, false},   {33, 0, 0, 4, false},  {34, 0, 0, -1, false},
      {38, 0, 0, -1, false}, {39, 0, 0, -1, true},   {46, 0, 0, -1, true},  {47, 0, 0, -1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqPresetOfTag(c.tag), c.preset) << c.tag;
    EXPECT_EQ(EffectOfTag(c.tag), c.effect) << c.tag;
    EXPECT_EQ(EqBandOfSlider(c.tag).value_or(-1), c.band) << c.tag;
    EXPECT_EQ(IsSpeakerTag(c.tag), c.speaker) << c.tag;
    if (c.preset) {
      EXPECT_EQ(EqPresetTag(c.preset), c.tag);
    }
    if (c.effect) {
      EXPECT_EQ(EffectTag(c.effect), c.tag);
    }
    if (c.band >= 0) {
      EXPECT_EQ(EqSliderTag(c.band), c.tag);
    }
  }
}

}  // namespace
}  // namespace vorma::shell
