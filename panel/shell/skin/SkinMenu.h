#pragma once
// The tray menu's Skin entry: one item per skin folder, the chosen one checked, and what a click
// on an item changes: the checks and the skin name.

#include "forms/PopupMenu.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::shell {

inline constexpr size_t kSkinNameCapacity = 127;  // m_tcSkin holds at most 127 characters

// The names of the direct sub-folders of `folder` (a full path), in name order.
std::vector<std::wstring> ListSkinFolders(const std::wstring& folder);

// The caption a folder name gets in the menu: every "&" doubled, so the menu shows the name as it
// is and SkinNameFromCaption gives it back.
std::wstring SkinMenuCaption(std::wstring_view folderName);

// The skin a menu caption stands for: every "&" is removed and the character after it kept (also
// when that is another "&").
std::wstring SkinNameFromCaption(std::wstring_view caption);

// Replaces the items of `skinMenu` with one per sub-folder of `skinListFolder`, each clicking
// `onClick`; checks the item of `currentSkin`, or the first when none matches. Returns the count.
int BuildSkinMenu(forms::MenuItem& skinMenu, const std::wstring& skinListFolder, std::wstring_view currentSkin,
                  const std::function<void(forms::MenuItem&)>& onClick);

// Unchecks the first `skinCount` items, checks the clicked one and returns its skin name (cut to
// 127 characters), the new m_tcSkin.
std::wstring SelectSkinMenuItem(forms::MenuItem& skinMenu, int skinCount, forms::MenuItem& clicked);

}  // namespace vorma::shell
