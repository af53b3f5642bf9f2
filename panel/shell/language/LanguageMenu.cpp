#include "panel/shell/language/LanguageMenu.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"

#include <windows.h>

#include <algorithm>

namespace vorma::shell {

namespace {

// A FindFirstFileW search, closed on every way out.
class FileSearch {
public:
  FileSearch(const std::wstring& pattern, WIN32_FIND_DATAW& data) : handle_(FindFirstFileW(pattern.c_str(), &data)) {}
  ~FileSearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAW& data) { return FindNextFileW(handle_, &data) != FALSE; }

private:
  HANDLE handle_;
};

bool IsSubFolder(const WIN32_FIND_DATAW& data) {
  const std::wstring_view name = data.cFileName;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..";
}

bool LessIgnoringCase(const std::wstring& a, const std::wstring& b) {
  const int order = CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE);
  return order == CSTR_LESS_THAN || (order == CSTR_EQUAL && a < b);
}

}  // namespace

std::vector<std::wstring> ListLanguageFolders(const LanguageMenuSource& source) {
  std::vector<std::wstring> folders;
  const std::wstring pattern = source.programPath + source.languageFolderName + L"\\" + source.resolutionFolder + L"*";
  WIN32_FIND_DATAW data{};
  FileSearch search(pattern, data);
  if (!search.Found()) return folders;
  do {
    if (IsSubFolder(data)) folders.emplace_back(data.cFileName);
  } while (search.Next(data));
  std::sort(folders.begin(), folders.end(), LessIgnoringCase);
  return folders;
}

int BuildLanguageMenu(forms::MenuItem& languageMenu, const LanguageMenuSource& source,
                      const std::function<void(forms::MenuItem&)>& onClick, std::vector<std::wstring>& folderMap) {
  languageMenu.ClearItems();
  folderMap.clear();
  for (const std::wstring& folder : ListLanguageFolders(source)) {
    // The menu keeps folder names of at most 15 characters; a longer one would be cut and then
    // name a folder that does not exist.
    if (folder.size() > kLanguageMenuFolderNameLimit) {
      DebugPrint(L"[BuildLanguageMenu] folder name too long, not listed: %ls\n", folder.c_str());
      continue;
    }
    forms::MenuItemArgs args;
    ReadProfileString(source.configPath, L"MultiLanguageFolderMap", folder.c_str(), args.caption);
    args.onClick = onClick;
    languageMenu.AddItem(args);
    folderMap.push_back(folder);
  }

  const auto& items = languageMenu.Items();
  const auto current = std::find(folderMap.begin(), folderMap.end(), source.currentLanguage);
  if (current != folderMap.end()) items[static_cast<size_t>(current - folderMap.begin())]->SetChecked(true);
  else if (!items.empty()) items.front()->SetChecked(true);
  return static_cast<int>(items.size());
}

std::wstring LanguageMenuClick(forms::MenuItem& clicked, forms::MenuItem& languageMenu, int languageCount,
                               const std::vector<std::wstring>& folderMap) {
  const auto& items = languageMenu.Items();
  const size_t count = std::min(items.size(), static_cast<size_t>(std::max(languageCount, 0)));
  for (size_t i = 0; i < count; ++i) items[i]->SetChecked(false);
  clicked.SetChecked(true);

  // Two folders with the same caption cannot be told apart in the menu: the first one is chosen.
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i]->Caption() != clicked.Caption()) continue;
    if (i < folderMap.size()) return folderMap[i];
    break;
  }
  return {};
}

}  // namespace vorma::shell
