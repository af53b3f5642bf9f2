// The Skin menu: one item per skin folder, the check rule and the skin name a caption stands for.

#include <gtest/gtest.h>

#include <windows.h>

#include "forms/PopupMenu.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainFormResource.h"
#include "panel/shell/skin/SkinMenu.h"
#include "panel/shell/skin/tests/SkinWindowFixture.h"
#include "tests/support/TestFiles.h"

namespace vorma::shell::test {
namespace {

std::vector<std::wstring> Captions(const forms::MenuItem& menu) {
  std::vector<std::wstring> captions;
  for (const auto& item : menu.Items()) captions.push_back(item->Caption());
  return captions;
}

std::vector<bool> Checks(const forms::MenuItem& menu) {
  std::vector<bool> checks;
  for (const auto& item : menu.Items()) checks.push_back(item->Checked());
  return checks;
}

class SkinMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    NoEvents events;
    AddMenuToPopup(MainFormResource(), L"PopupMenu", popup_, events);
    skinMenu_ = popup_.FindItem(L"SkinMenu");
    ASSERT_NE(skinMenu_, nullptr);
    list_ = folder_.Path() + L"Skin\\1366x768\\";
    ASSERT_TRUE(CreateDirectoryW((folder_.Path() + L"Skin").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(list_.c_str(), nullptr));
  }
  void AddSkinFolder(const std::wstring& name) { ASSERT_TRUE(CreateDirectoryW((list_ + name).c_str(), nullptr)); }

  forms::PopupMenu popup_;
  forms::MenuItem* skinMenu_ = nullptr;
  vorma::test::TempFolder folder_;
  std::wstring list_;
};

TEST_F(SkinMenuTest, ListsTheSkinFoldersAndChecksTheCurrentOne) {
  EXPECT_EQ(BuildSkinMenu(*skinMenu_, list_, L"Blue", {}), 0);
  EXPECT_TRUE(skinMenu_->Items().empty());

  AddSkinFolder(L"red");
  AddSkinFolder(L"Blue");
  AddSkinFolder(L"R&B");
  folder_.WriteBytes(L"Skin\\1366x768\\readme.txt", "not a skin");
  int clicks = 0;
  EXPECT_EQ(BuildSkinMenu(*skinMenu_, list_, L"red", [&clicks](forms::MenuItem&) { ++clicks; }), 3);
  EXPECT_EQ(Captions(*skinMenu_), (std::vector<std::wstring>{L"Blue", L"R&&B", L"red"}));
  EXPECT_EQ(Checks(*skinMenu_), (std::vector<bool>{false, false, true}));
  skinMenu_->Items()[0]->Click();
  EXPECT_EQ(clicks, 1);

  // A folder added meanwhile is there on the next build; an unknown skin checks the first item.
  AddSkinFolder(L"Green");
  EXPECT_EQ(BuildSkinMenu(*skinMenu_, list_, L"Gone", {}), 4);
  EXPECT_EQ(Checks(*skinMenu_), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(SkinListFolder(folder_.Path(), L"Skin", L"1366x768\\"), list_);
  EXPECT_EQ(MakeSkinFolder(folder_.Path(), L"Skin", L"1366x768\\", L"Blue").dir, list_ + L"Blue\\");
}

TEST_F(SkinMenuTest, AClickMovesTheCheckAndNamesTheSkin) {
  AddSkinFolder(L"Blue");
  AddSkinFolder(L"R&B");
  AddSkinFolder(L"red");
  const int count = BuildSkinMenu(*skinMenu_, list_, L"Blue", {});
  forms::MenuItem& clicked = *skinMenu_->Items()[1];
  EXPECT_EQ(SelectSkinMenuItem(*skinMenu_, count, clicked), L"R&B");
  EXPECT_EQ(Checks(*skinMenu_), (std::vector<bool>{false, true, false}));
}

TEST(SkinMenuCaptionTest, AmpersandsAreDroppedAndTheNextCharacterKept) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"Blue", L"Blue"}, {L"Blue&Green", L"BlueGreen"}, {L"&Blue", L"Blue"}, {L"Blue&", L"Blue"},
      {L"R&&B", L"R&B"},  {L"a&&&b", L"a&b"},            {L"&&&&", L"&&"},  {L"", L""},
  };
  for (const auto& [caption, name] : cases) EXPECT_EQ(SkinNameFromCaption(caption), name) << Narrow(caption);
  for (const std::wstring name : {L"R&B", L"&&", L"plain"}) EXPECT_EQ(SkinNameFromCaption(SkinMenuCaption(name)), name);
}

}  // namespace
}  // namespace vorma::shell::test
