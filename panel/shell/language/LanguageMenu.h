#pragma once
// The language sub-menu of the tray's popup menu: one item per language folder, captioned from
// [MultiLanguageFolderMap] of the program's AudioConfig.cfg, and the choice of a language from it.

#include "forms/PopupMenu.h"

#include <functional>
#include <string>
#include <vector>

namespace vorma::shell {

// Language folder names longer than this are left out of the menu.
inline constexpr size_t kLanguageMenuFolderNameLimit = 15;

struct LanguageMenuSource {
  std::wstring programPath;         // ends in a backslash
  std::wstring languageFolderName;  // the settings record's LanguageFolderName
  std::wstring resolutionFolder;    // empty or ends in a backslash
  std::wstring configPath;          // the program's AudioConfig.cfg
  std::wstring currentLanguage;     // `m_tcLanguage`
};

// The direct sub-folders of <programPath><languageFolderName>\<resolutionFolder>, sorted by name
// without regard to case.
std::vector<std::wstring> ListLanguageFolders(const LanguageMenuSource& source);

// Replaces the items of `languageMenu` with one item per language folder and fills `folderMap`
// (entry i is the folder of item i). Each item gets `onClick`; the item of the current language is
// checked, or the first one when none is. Returns the number of items (`m_nLanguageCount`).
int BuildLanguageMenu(forms::MenuItem& languageMenu, const LanguageMenuSource& source,
                      const std::function<void(forms::MenuItem&)>& onClick, std::vector<std::wstring>& folderMap);

// Checks the clicked item (unchecking the first languageCount items) and returns the folder of the
// first item with the clicked item's caption, the language to load next; empty when the item is
// not in the map. The window then loads and applies that language, shows the current page's
// controls and saves the choice.
std::wstring LanguageMenuClick(forms::MenuItem& clicked, forms::MenuItem& languageMenu, int languageCount,
                               const std::vector<std::wstring>& folderMap);

}  // namespace vorma::shell
