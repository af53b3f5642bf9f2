// The controls a wizard is made of: pages of a notebook, a drop-down list, a progress bar, push
// buttons that follow their enabled state, and a window with a see-through colour.

#include "forms/tests/FormTestSupport.h"

#include <commctrl.h>

namespace vorma::forms::test {
namespace {

class WizardControlsTest : public FormTest {
protected:
  Form form{application, BorderlessForm(L"Wizard", 300, 200)};
};

TEST_F(WizardControlsTest, NotebookShowsOnlyTheActivePageAndKeepsEachControlsOwnVisibility) {
  NotebookArgs args = Placed<NotebookArgs>(L"Notebook", 0, 0, 300, 150);
  args.pages = {L"Language", L"InstallPage", L"FinishPage"};
  Notebook& notebook = form.AddNotebook(args);
  Label& title = form.AddLabel(Placed<LabelArgs>(L"Title", 10, 10, 100, 20));
  ButtonArgs buttonArgs = Placed<ButtonArgs>(L"OnSecond", 10, 40, 80, 24);
  Button& button = form.AddButton(buttonArgs);
  Label& hiddenOwn = form.AddLabel(Placed<LabelArgs>(L"HiddenOwn", 10, 70, 100, 20));
  Label& outside = form.AddLabel(Placed<LabelArgs>(L"Outside", 10, 160, 100, 20));
  notebook.AddToPage(0, title);
  notebook.AddToPage(1, button);
  notebook.AddToPage(1, hiddenOwn);
  hiddenOwn.SetVisible(false);
  ASSERT_TRUE(form.Create());

  EXPECT_TRUE(title.Showing());
  EXPECT_FALSE(button.Showing());
  EXPECT_FALSE(IsWindowVisible(button.Hwnd())) << "a windowed control of another page has no visible window";
  EXPECT_TRUE(outside.Showing()) << "a control on no page is always there";

  int changes = 0;
  notebook.OnPageChanged = [&](Control&) { ++changes; };
  notebook.SetPageIndex(1);
  EXPECT_EQ(L"InstallPage", notebook.ActivePage());
  EXPECT_FALSE(title.Showing());
  EXPECT_TRUE(title.Visible()) << "the page hides the control, its own visibility stays";
  EXPECT_TRUE(button.Showing());
  EXPECT_TRUE(GetWindowLongW(button.Hwnd(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(hiddenOwn.Showing()) << "a control hidden for its own reasons stays hidden on its page";
  EXPECT_EQ(nullptr, form.ControlAt({20, 15})) << "a control of a hidden page takes no mouse input";

  notebook.SetPageIndex(7);
  notebook.SetPageIndex(1);
  EXPECT_EQ(1, changes) << "an unknown page and the same page change nothing";
}

TEST_F(WizardControlsTest, ComboBoxReportsTheUsersPickButNotTheProgramsOwn) {
  ComboBoxArgs args = Placed<ComboBoxArgs>(L"ComboBox", 10, 10, 150, 24);
  args.items = {L"English", L"Deutsch", L"Zhongwen"};
  args.itemIndex = 1;
  ComboBox& combo = form.AddComboBox(args);
  std::vector<std::wstring> picked;
  combo.OnChange = [&](ComboBox& sender) { picked.push_back(sender.Text()); };
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(1, combo.ItemIndex()) << "the selection given before the window existed is kept";
  EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongW(combo.Hwnd(), GWL_STYLE) & 3) << "a list to pick from, not to type in";

  combo.SetItemIndex(0);
  // What the window does when the user picks an item: it selects it and tells its parent.
  SendMessageW(combo.Hwnd(), CB_SETCURSEL, 2, 0);
  SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.Hwnd()));
  EXPECT_EQ(std::vector<std::wstring>{L"Zhongwen"}, picked);
  combo.SetItemIndex(5);
  EXPECT_EQ(-1, combo.ItemIndex());
  EXPECT_EQ(L"", combo.Text());
}

TEST_F(WizardControlsTest, SmoothProgressBarClampsItsPosition) {
  ProgressBarArgs args = Placed<ProgressBarArgs>(L"ProgressBar", 10, 10, 200, 20);
  args.position = 30;
  ProgressBar& bar = form.AddProgressBar(args);
  ASSERT_TRUE(form.Create());
  EXPECT_TRUE(GetWindowLongW(bar.Hwnd(), GWL_STYLE) & PBS_SMOOTH);
  EXPECT_EQ(30, SendMessageW(bar.Hwnd(), PBM_GETPOS, 0, 0));
  bar.SetPosition(90);
  EXPECT_EQ(90, SendMessageW(bar.Hwnd(), PBM_GETPOS, 0, 0));
  bar.SetPosition(250);
  EXPECT_EQ(100, bar.Position());
  bar.SetPosition(-4);
  EXPECT_EQ(0, bar.Position());
}

TEST_F(WizardControlsTest, ButtonWindowFollowsEnabledStateAndDefaultFlag) {
  ButtonArgs nextArgs = Placed<ButtonArgs>(L"Next", 10, 10, 80, 24);
  nextArgs.isDefault = true;
  Button& next = form.AddButton(nextArgs);
  Button& back = form.AddButton(Placed<ButtonArgs>(L"Back", 100, 10, 80, 24));
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongW(next.Hwnd(), GWL_STYLE) & 0xF);
  EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongW(back.Hwnd(), GWL_STYLE) & 0xF);

  next.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(next.Hwnd())) << "disabling after the window exists reaches the window";
  next.SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(next.Hwnd()));
}

TEST_F(WizardControlsTest, TransparentColourMakesALayeredWindowWithThatKey) {
  FormArgs args = BorderlessForm(L"Background", 100, 100);
  args.transparentColor = RGB(240, 240, 240);
  Form background(application, args);
  ASSERT_TRUE(background.Create());
  EXPECT_TRUE(GetWindowLongW(background.Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  COLORREF key = 0xdeadbeef;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(background.Hwnd(), &key, nullptr, &flags));
  EXPECT_EQ(RGB(240, 240, 240), key);
  EXPECT_TRUE(flags & LWA_COLORKEY);

  ASSERT_TRUE(background.SetTransparentColor(std::nullopt));
  EXPECT_FALSE(GetWindowLongW(background.Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

}  // namespace
}  // namespace vorma::forms::test
