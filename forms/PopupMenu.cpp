#include "forms/PopupMenu.h"

#include "foundation/DebugOutput.h"

namespace vorma::forms {
namespace {

// The first command id; 0 would be indistinguishable from "nothing chosen" with TPM_RETURNCMD.
constexpr UINT kFirstCommand = 1;

}  // namespace

MenuItem::MenuItem(MenuItem* parent, const MenuItemArgs& args) : OnClick(args.onClick), parent_(parent), args_(args) {}

MenuItem& MenuItem::AddItem(const MenuItemArgs& args) {
  items_.push_back(std::make_unique<MenuItem>(this, args));
  return *items_.back();
}

MenuItem* MenuItem::FindItem(std::wstring_view name) {
  for (auto& item : items_) {
    if (item->Name() == name) return item.get();
    if (MenuItem* found = item->FindItem(name)) return found;
  }
  return nullptr;
}

void MenuItem::SetChecked(bool checked) {
  args_.checked = checked;
  if (!checked || !args_.radioItem || !parent_) return;
  for (auto& sibling : parent_->items_) {
    if (sibling.get() != this && sibling->args_.radioItem && sibling->args_.groupIndex == args_.groupIndex) {
      sibling->args_.checked = false;
    }
  }
}

void MenuItem::Click() {
  if (args_.autoCheck) SetChecked(args_.radioItem ? true : !args_.checked);
  if (OnClick) OnClick(*this);
}

void MenuItem::AppendTo(HMENU menu, UINT& nextId, std::vector<MenuItem*>& ids) const {
  for (const auto& item : items_) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (!item->Enabled()) flags |= MF_GRAYED;
    if (item->Checked()) flags |= MF_CHECKED;
    if (!item->Items().empty()) {
      UniqueMenu submenu(CreatePopupMenu());
      if (!submenu) continue;
      item->AppendTo(submenu.get(), nextId, ids);
      // The parent menu owns the submenu from here on.
      if (AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.get()), item->Caption().c_str())) {
        submenu.release();
      }
      continue;
    }
    const UINT id = nextId++;
    ids.push_back(item.get());
    AppendMenuW(menu, flags, id, item->Caption().c_str());
    if (item->RadioItem()) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_STRING | MFT_RADIOCHECK;
      SetMenuItemInfoW(menu, id, FALSE, &info);
    }
    if (item->args_.isDefault) SetMenuDefaultItem(menu, id, FALSE);
  }
}

PopupMenu::PopupMenu() : root_(nullptr, MenuItemArgs{}) {}

UniqueMenu PopupMenu::BuildMenu(std::vector<MenuItem*>& ids) const {
  ids.clear();
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) {
    DebugWin32Failure(L"CreatePopupMenu", GetLastError());
    return menu;
  }
  UINT nextId = kFirstCommand;
  root_.AppendTo(menu.get(), nextId, ids);
  return menu;
}

MenuItem* PopupMenu::Popup(HWND owner, POINT screen) {
  std::vector<MenuItem*> ids;
  UniqueMenu menu = BuildMenu(ids);
  if (!menu) return nullptr;
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                       screen.x, screen.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen < kFirstCommand || chosen - kFirstCommand >= ids.size()) return nullptr;
  MenuItem* item = ids[chosen - kFirstCommand];
  item->Click();
  return item;
}

}  // namespace vorma::forms
