#include "panel/shell/skin/SkinMenu.h"

#include "foundation/DebugOutput.h"

#include <windows.h>

#include <algorithm>

namespace vorma::shell {

std::vector<std::wstring> ListSkinFolders(const std::wstring& folder) {
  std::vector<std::wstring> names;
  std::wstring pattern = folder;
  if (!pattern.empty() && pattern.back() != L'\\') pattern.push_back(L'\\');
  pattern += L"*";
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    DebugPrint(L"[TAudioMainForm::BuildSkinMenu] no skin folders in %s\n", folder.c_str());
    return names;
  }
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..")
      names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  // The file system's order differs between systems; the menu lists the skins by name.
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  return names;
}

std::wstring SkinMenuCaption(std::wstring_view folderName) {
  std::wstring caption;
  for (wchar_t c : folderName) {
    if (c == L'&') caption.push_back(L'&');
    caption.push_back(c);
  }
  return caption;
}

std::wstring SkinNameFromCaption(std::wstring_view caption) {
  std::wstring name;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (++i == caption.size()) break;
    }
    name.push_back(caption[i]);
  }
  return name;
}

int BuildSkinMenu(forms::MenuItem& skinMenu, const std::wstring& skinListFolder, std::wstring_view currentSkin,
                  const std::function<void(forms::MenuItem&)>& onClick) {
  skinMenu.ClearItems();
  int count = 0;
  forms::MenuItem* current = nullptr;
  for (const std::wstring& name : ListSkinFolders(skinListFolder)) {
    forms::MenuItemArgs args;
    args.caption = SkinMenuCaption(name);
    args.onClick = onClick;
    forms::MenuItem& item = skinMenu.AddItem(args);
    if (current == nullptr && name == currentSkin) current = &item;
    ++count;
  }
  if (current == nullptr && count > 0) current = skinMenu.Items().front().get();
  if (current != nullptr) current->SetChecked(true);
  return count;
}

std::wstring SelectSkinMenuItem(forms::MenuItem& skinMenu, int skinCount, forms::MenuItem& clicked) {
  const auto& items = skinMenu.Items();
  for (int i = 0; i < skinCount && i < static_cast<int>(items.size()); ++i) items[static_cast<size_t>(i)]->SetChecked(false);
  clicked.SetChecked(true);
  return SkinNameFromCaption(clicked.Caption()).substr(0, kSkinNameCapacity);
}

}  // namespace vorma::shell
