// Controls that are real child windows: their notifications reach the form and come back as
// events, and their state survives until the form's window exists.

#include "forms/tests/FormTestSupport.h"

#include <commctrl.h>

namespace vorma::forms::test {
namespace {

class WindowedControlsTest : public FormTest {
protected:
  RadioButton& AddRadio(const std::wstring& name, int group, bool checked) {
    RadioButtonArgs args = Placed<RadioButtonArgs>(name, 0, 10 * static_cast<int>(form.Controls().size()), 80, 10);
    args.caption = name;
    args.group = group;
    args.checked = checked;
    RadioButton& radio = form.AddRadioButton(args);
    radio.OnClick = [this](Control& sender) { clicked.push_back(sender.Name()); };
    return radio;
  }

  Form form{application, BorderlessForm(L"Windowed", 200, 200)};
  std::vector<std::wstring> clicked;
};

TEST_F(WindowedControlsTest, RadioButtonsExcludeEachOtherWithinTheirGroupOnly) {
  RadioButton& a1 = AddRadio(L"A1", 1, true);
  RadioButton& a2 = AddRadio(L"A2", 1, false);
  RadioButton& b1 = AddRadio(L"B1", 2, true);
  ASSERT_TRUE(form.Create());
  EXPECT_TRUE(a1.Checked()) << "the state given before the window existed is kept";

  SendMessageW(a2.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(a2.Checked());
  EXPECT_FALSE(a1.Checked());
  EXPECT_TRUE(b1.Checked()) << "another group is left alone";
  SendMessageW(a2.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(std::vector<std::wstring>{L"A2"}, clicked) << "clicking the checked one changes nothing";
}

TEST_F(WindowedControlsTest, APressOnARadioButtonRunsItsMouseDownBeforeTheClick) {
  RadioButton& a1 = AddRadio(L"A1", 1, true);
  RadioButton& a2 = AddRadio(L"A2", 1, false);
  std::vector<std::wstring> events;
  a2.OnMouseDown = [&](Control& sender, const MouseEventArgs& args) {
    events.push_back(sender.Name() + (args.button == MouseButton::Left ? L" left " : L" right ") +
                     std::to_wstring(args.x) + L"," + std::to_wstring(args.y));
  };
  a2.OnClick = [&](Control& sender) { events.push_back(sender.Name() + L" click"); };
  ASSERT_TRUE(form.Create());

  SendMessageW(a2.Hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 4));
  SendMessageW(a2.Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(5, 4));
  SendMessageW(a2.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 3));
  SendMessageW(a2.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(7, 3));
  EXPECT_EQ(events, (std::vector<std::wstring>{L"A2 right 5,4", L"A2 left 7,3", L"A2 click"}));
  EXPECT_TRUE(a2.Checked());
  EXPECT_FALSE(a1.Checked());
  SendMessageW(a1.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(events.size(), 3u) << "a button without a mouse-down handler runs none";
}

TEST_F(WindowedControlsTest, RadioGroupReportsThePickedItem) {
  RadioGroupArgs args = Placed<RadioGroupArgs>(L"Mode", 10, 10, 150, 90);
  args.caption = L"Mode";
  args.items = {L"One", L"Two", L"Three"};
  args.itemIndex = 0;
  RadioGroup& group = form.AddRadioGroup(args);
  int clicks = 0;
  group.OnClick = [&](Control&) { ++clicks; };
  ASSERT_TRUE(form.Create());
  ASSERT_NE(nullptr, group.ItemWindow(2));

  SendMessageW(group.ItemWindow(2), BM_CLICK, 0, 0);
  EXPECT_EQ(2, group.ItemIndex());
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(BST_CHECKED, SendMessageW(group.ItemWindow(2), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_UNCHECKED, SendMessageW(group.ItemWindow(0), BM_GETCHECK, 0, 0));
  group.SetItemIndex(7);
  EXPECT_EQ(-1, group.ItemIndex()) << "an index outside the items selects none";
}

TEST_F(WindowedControlsTest, TrackBarClampsAndReportsChanges) {
  TrackBarArgs args = Placed<TrackBarArgs>(L"Level", 10, 10, 150, 30);
  args.min = 0;
  args.max = 20;
  args.position = 5;
  TrackBar& bar = form.AddTrackBar(args);
  std::vector<int> changes;
  bar.OnChange = [&](TrackBar& sender) { changes.push_back(sender.Position()); };
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(5, bar.Position());

  bar.SetPosition(99);
  EXPECT_EQ(20, bar.Position());
  // What the window does when the user drags the thumb: it moves and tells its parent.
  SendMessageW(bar.Hwnd(), TBM_SETPOS, TRUE, 12);
  SendMessageW(form.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 12), reinterpret_cast<LPARAM>(bar.Hwnd()));
  SendMessageW(form.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar.Hwnd()));
  EXPECT_EQ((std::vector<int>{20, 12}), changes) << "one change per new position";
}

TEST_F(WindowedControlsTest, ListBoxSelectionChangeRunsOnClick) {
  ListBoxArgs args = Placed<ListBoxArgs>(L"Profiles", 10, 10, 150, 80);
  args.items = {L"Music", L"Movie", L"Game"};
  args.itemIndex = 1;
  ListBox& list = form.AddListBox(args);
  int clicks = 0;
  list.OnClick = [&](Control&) { ++clicks; };
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(1, list.ItemIndex());

  SendMessageW(list.Hwnd(), LB_SETCURSEL, 2, 0);
  SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.Hwnd()));
  EXPECT_EQ(2, list.ItemIndex());
  EXPECT_EQ(1, clicks);
}

TEST_F(WindowedControlsTest, MinimisingTheMainFormMinimisesTheApplication) {
  ASSERT_TRUE(form.Create());
  form.Show();
  int minimised = 0;
  application.OnMinimize = [&] { ++minimised; };
  SendMessageW(form.Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(form.Visible()) << "hidden to the tray, not iconic on the task bar";
  EXPECT_EQ(1, minimised);
}

}  // namespace
}  // namespace vorma::forms::test
