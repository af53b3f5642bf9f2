#pragma once
// A popup menu described by items; the Win32 menu is built afresh for every showing, so item
// state lives here. A radio item with a group checks itself and unchecks the other radio items
// of its group when clicked; an auto-check item toggles. Caption "-" is a separator.

#include "forms/GdiHandles.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::forms {

class MenuItem;

struct MenuItemArgs {
  std::wstring name;
  std::wstring caption;
  int tag = 0;
  bool checked = false;
  bool radioItem = false;
  int groupIndex = 0;
  bool autoCheck = false;
  bool visible = true;
  bool enabled = true;
  bool isDefault = false;  // drawn bold, as the double-click action
  std::function<void(MenuItem& sender)> onClick;
};

class MenuItem {
public:
  MenuItem(MenuItem* parent, const MenuItemArgs& args);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::wstring& Name() const { return args_.name; }
  const std::wstring& Caption() const { return args_.caption; }
  void SetCaption(const std::wstring& caption) { args_.caption = caption; }
  int Tag() const { return args_.tag; }
  void SetTag(int tag) { args_.tag = tag; }
  bool Checked() const { return args_.checked; }
  // Checking a radio item unchecks the other radio items of its group.
  void SetChecked(bool checked);
  bool RadioItem() const { return args_.radioItem; }
  int GroupIndex() const { return args_.groupIndex; }
  bool Visible() const { return args_.visible; }
  void SetVisible(bool visible) { args_.visible = visible; }
  bool Enabled() const { return args_.enabled; }
  void SetEnabled(bool enabled) { args_.enabled = enabled; }
  bool IsSeparator() const { return args_.caption == L"-"; }
  MenuItem* Parent() const { return parent_; }

  // Sub-items, in order.
  MenuItem& AddItem(const MenuItemArgs& args);
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
  void ClearItems() { items_.clear(); }
  MenuItem* FindItem(std::wstring_view name);

  // What a click does: the check rules above, then OnClick.
  void Click();
  std::function<void(MenuItem& sender)> OnClick;

  // Appends the visible sub-items to a Win32 menu, numbering commands from nextId; ids[i] is
  // the item of command id first + i.
  void AppendTo(HMENU menu, UINT& nextId, std::vector<MenuItem*>& ids) const;

private:
  MenuItem* parent_;
  MenuItemArgs args_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

class PopupMenu {
public:
  PopupMenu();
  MenuItem& Items() { return root_; }
  MenuItem& AddItem(const MenuItemArgs& args) { return root_.AddItem(args); }
  MenuItem* FindItem(std::wstring_view name) { return root_.FindItem(name); }

  // Shows the menu at the screen point for the owner window, waits for the choice and clicks
  // the chosen item. Returns the item or null when the menu was dismissed.
  MenuItem* Popup(HWND owner, POINT screen);
  // Builds the Win32 menu as Popup shows it (for tests and for looking at it).
  UniqueMenu BuildMenu(std::vector<MenuItem*>& ids) const;

private:
  MenuItem root_;
};

}  // namespace vorma::forms
