// The language menu built from the language folders and [MultiLanguageFolderMap], and choosing a
// language from it.

#include <gtest/gtest.h>

#include "panel/shell/language/LanguageMenu.h"
#include "tests/support/TestFiles.h"

#include <windows.h>

namespace vorma::shell {
namespace {

class LanguageMenuTest : public ::testing::Test {
protected:
  LanguageMenuTest() {
    forms::MenuItemArgs args;
    args.name = L"LanguageMenu";
    args.caption = L"Language";
    menu_.AddItem(args);
  }
  void SetUp() override {
    source_.programPath = program_.Path();
    source_.languageFolderName = L"Language";
    source_.configPath = program_.File(L"AudioConfig.cfg");
    program_.WriteBytes(L"AudioConfig.cfg",
                        "[MultiLanguageFolderMap]\r\nEnglish=English\r\nGerman=Deutsch\r\nDeutsch=Deutsch\r\n"
                        "Chinese=Chinese (Simplified)\r\nFifteen_Chars_X=Fifteen\r\nTraditionalChinese=Chinese\r\n");
    ASSERT_TRUE(CreateDirectoryW(program_.File(L"Language").c_str(), nullptr));
  }
  void AddFolders(const std::wstring& under, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) {
      ASSERT_TRUE(CreateDirectoryW((program_.Path() + L"Language\\" + under + name).c_str(), nullptr));
    }
  }
  int Build() {
    return BuildLanguageMenu(LanguageMenu(), source_, [this](forms::MenuItem&) { ++clicks_; }, folderMap_);
  }
  forms::MenuItem& LanguageMenu() { return *menu_.FindItem(L"LanguageMenu"); }
  forms::MenuItem& Item(size_t i) { return *LanguageMenu().Items().at(i); }
  std::vector<std::wstring> Captions() {
    std::vector<std::wstring> captions;
    for (const auto& item : LanguageMenu().Items()) captions.push_back(item->Caption());
    return captions;
  }
  std::vector<bool> Checks() {
    std::vector<bool> checks;
    for (const auto& item : LanguageMenu().Items()) checks.push_back(item->Checked());
    return checks;
  }

  test::TempFolder program_;
  LanguageMenuSource source_;
  forms::PopupMenu menu_;
  std::vector<std::wstring> folderMap_;
  int clicks_ = 0;
};

TEST_F(LanguageMenuTest, ItemsAreTheFoldersCaptionedFromTheMap) {
  AddFolders(L"", {L"German", L"english", L"Klingon", L"Chinese", L"Fifteen_Chars_X", L"TraditionalChinese"});
  program_.WriteBytes(L"Language\\notes.txt", "not a folder");
  source_.currentLanguage = L"German";

  ASSERT_EQ(Build(), 5);
  // Folder names over 15 characters are not listed; the map's keys match without regard to case.
  EXPECT_EQ(folderMap_, (std::vector<std::wstring>{L"Chinese", L"english", L"Fifteen_Chars_X", L"German", L"Klingon"}));
  EXPECT_EQ(Captions(),
            (std::vector<std::wstring>{L"Chinese (Simplified)", L"English", L"Fifteen", L"Deutsch", L""}));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false, true, false}));
  Item(4).Click();
  EXPECT_EQ(clicks_, 1);
}

TEST_F(LanguageMenuTest, UnknownCurrentLanguageChecksTheFirstAndARebuildReplacesTheItems) {
  AddFolders(L"", {L"German", L"English"});
  source_.currentLanguage = L"Spanish";
  ASSERT_EQ(Build(), 2);
  ASSERT_EQ(Build(), 2);
  EXPECT_EQ(Checks(), (std::vector<bool>{true, false}));
  EXPECT_EQ(folderMap_.size(), 2u);
}

TEST_F(LanguageMenuTest, ResolutionFolderIsListedInsteadOfTheLanguageFolder) {
  AddFolders(L"", {L"German", L"1366x768"});
  AddFolders(L"1366x768\\", {L"English"});
  source_.resolutionFolder = L"1366x768\\";
  source_.currentLanguage = L"English";
  ASSERT_EQ(Build(), 1);
  EXPECT_EQ(folderMap_, (std::vector<std::wstring>{L"English"}));
  EXPECT_EQ(Checks(), (std::vector<bool>{true}));

  source_.languageFolderName = L"NoSuchFolder";
  EXPECT_EQ(Build(), 0);
  EXPECT_TRUE(LanguageMenu().Items().empty());
}

TEST_F(LanguageMenuTest, ClickChoosesTheFirstFolderWithTheClickedCaption) {
  AddFolders(L"", {L"Deutsch", L"English", L"German"});
  source_.currentLanguage = L"English";
  const int count = Build();
  ASSERT_EQ(Captions(), (std::vector<std::wstring>{L"Deutsch", L"English", L"Deutsch"}));

  struct Case {
    size_t clicked;
    const wchar_t* language;
  };
  for (const Case& c : {Case{2, L"Deutsch"}, Case{0, L"Deutsch"}, Case{1, L"English"}}) {
    EXPECT_EQ(LanguageMenuClick(Item(c.clicked), LanguageMenu(), count, folderMap_), c.language) << c.clicked;
    std::vector<bool> checks(3, false);
    checks[c.clicked] = true;
    EXPECT_EQ(Checks(), checks) << c.clicked;
  }
}

}  // namespace
}  // namespace vorma::shell
