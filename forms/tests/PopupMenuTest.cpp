// Popup menu items keep their state; the Win32 menu built from them shows it.

#include "forms/PopupMenu.h"

#include <gtest/gtest.h>

namespace vorma::forms::test {
namespace {

MENUITEMINFOW ItemInfo(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info));
  return info;
}

MenuItemArgs Item(const std::wstring& name) {
  MenuItemArgs args;
  args.name = name;
  args.caption = name;
  return args;
}

class PopupMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const wchar_t* name : {L"English", L"Deutsch", L"Français"}) {
      MenuItemArgs args = Item(name);
      args.radioItem = true;
      args.groupIndex = 1;
      args.autoCheck = true;
      args.onClick = [this](MenuItem& item) { clicked.push_back(item.Name()); };
      language.AddItem(args);
    }
    language.FindItem(L"English")->SetChecked(true);
    MenuItemArgs separator = Item(L"Separator");
    separator.caption = L"-";
    menu.AddItem(separator);
    MenuItemArgs mode = Item(L"Mode");
    mode.visible = false;
    menu.AddItem(mode);
    MenuItemArgs startup = Item(L"Startup");
    startup.autoCheck = true;
    menu.AddItem(startup);
  }

  PopupMenu menu;
  MenuItem& language = menu.AddItem(Item(L"Language"));
  std::vector<std::wstring> clicked;
};

TEST_F(PopupMenuTest, ClickingARadioItemChecksItAloneInItsGroup) {
  MenuItem& deutsch = *menu.FindItem(L"Deutsch");
  deutsch.Click();
  EXPECT_TRUE(deutsch.Checked());
  EXPECT_FALSE(menu.FindItem(L"English")->Checked());
  EXPECT_FALSE(menu.FindItem(L"Français")->Checked());
  deutsch.Click();
  EXPECT_TRUE(deutsch.Checked()) << "a radio item stays checked when clicked again";
  EXPECT_EQ((std::vector<std::wstring>{L"Deutsch", L"Deutsch"}), clicked);

  MenuItem& startup = *menu.FindItem(L"Startup");
  startup.Click();
  EXPECT_TRUE(startup.Checked());
  startup.Click();
  EXPECT_FALSE(startup.Checked()) << "a check item toggles";
  EXPECT_TRUE(deutsch.Checked()) << "other groups are left alone";
}

TEST_F(PopupMenuTest, BuiltMenuShowsRadioMarksChecksAndLeavesHiddenItemsOut) {
  menu.FindItem(L"Français")->SetChecked(true);
  menu.FindItem(L"Startup")->SetChecked(true);
  std::vector<MenuItem*> ids;
  UniqueMenu built = menu.BuildMenu(ids);
  ASSERT_TRUE(built);
  ASSERT_EQ(3, GetMenuItemCount(built.get())) << "Language, separator, Startup; Mode is hidden";
  EXPECT_TRUE(ItemInfo(built.get(), 1).fType & MFT_SEPARATOR);
  const MENUITEMINFOW startup = ItemInfo(built.get(), 2);
  EXPECT_TRUE(startup.fState & MFS_CHECKED);
  EXPECT_EQ(menu.FindItem(L"Startup"), ids.at(startup.wID - 1));

  const HMENU languages = ItemInfo(built.get(), 0).hSubMenu;
  ASSERT_NE(nullptr, languages);
  ASSERT_EQ(3, GetMenuItemCount(languages));
  for (UINT i = 0; i < 3; ++i) {
    const MENUITEMINFOW info = ItemInfo(languages, i);
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_EQ(i == 2, (info.fState & MFS_CHECKED) != 0) << "item " << i;
    EXPECT_EQ(language.Items()[i].get(), ids.at(info.wID - 1));
  }
}

}  // namespace
}  // namespace vorma::forms::test
