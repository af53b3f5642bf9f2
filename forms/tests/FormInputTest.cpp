// Mouse messages posted to a form reach the topmost visible control under the point, pass the
// application's hook first, and timers fire through the form's window.

#include "forms/tests/FormTestSupport.h"

#include <string>
#include <vector>

namespace vorma::forms::test {
namespace {

struct Event {
  std::wstring control;
  std::wstring what;
  int x, y;
  bool operator==(const Event&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Event& e) {
  return out << std::string(e.control.begin(), e.control.end()) << ' ' << std::string(e.what.begin(), e.what.end())
             << ' ' << e.x << ',' << e.y;
}

class FormInputTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    AddRecordedShape(L"Bottom", 10, 10, 60, 60);
    AddRecordedShape(L"Top", 40, 40, 60, 40);
    AddRecordedShape(L"Hidden", 0, 0, 120, 20).SetVisible(false);
    // Posted messages reach a hidden window too; a shown one would also get the real pointer's
    // moves, and hiding it again costs Wine two seconds without a window manager.
    ASSERT_TRUE(form.Create());
  }

  Shape& AddRecordedShape(const std::wstring& name, int left, int top, int width, int height) {
    Shape& shape = form.AddShape(Placed<ShapeArgs>(name, left, top, width, height));
    const auto record = [this](const wchar_t* what) {
      return [this, what](Control& sender, const MouseEventArgs& e) {
        events.push_back({sender.Name(), what, e.x, e.y});
      };
    };
    shape.OnMouseDown = record(L"down");
    shape.OnMouseUp = record(L"up");
    shape.OnMouseMove = record(L"move");
    shape.OnClick = [this](Control& sender) { events.push_back({sender.Name(), L"click", 0, 0}); };
    return shape;
  }

  void Post(UINT message, int x, int y, WPARAM keys = 0) {
    ASSERT_TRUE(PostMessageW(form.Hwnd(), message, keys, MAKELPARAM(x, y)));
  }

  // Posts the message and pumps until its event arrived.
  void PostAndWait(UINT message, int x, int y, WPARAM keys = 0) {
    const size_t before = events.size() + formEvents;
    Post(message, x, y, keys);
    ASSERT_TRUE(PumpUntil(application, [&] { return events.size() + formEvents > before; }));
  }

  Form form{application, BorderlessForm(L"InputForm", 120, 90)};
  std::vector<Event> events;
  size_t formEvents = 0;
};

TEST_F(FormInputTest, PressGoesToTheTopmostVisibleControlInItsOwnCoordinates) {
  struct Case {
    int x, y;
    Event expected;
  } cases[] = {
      {45, 45, {L"Top", L"down", 5, 5}},      // both overlap here; the later one is on top
      {20, 20, {L"Bottom", L"down", 10, 10}},
      {5, 5, {L"", L"", 0, 0}},               // only the hidden control lies here
  };
  form.OnMouseDown = [this](Form&, const MouseEventArgs&) { ++formEvents; };
  form.OnMouseUp = [this](Form&, const MouseEventArgs&) { ++formEvents; };
  for (const Case& c : cases) {
    events.clear();
    formEvents = 0;
    PostAndWait(WM_LBUTTONDOWN, c.x, c.y, MK_LBUTTON);
    PostAndWait(WM_LBUTTONUP, c.x, c.y);
    if (c.expected.control.empty()) {
      EXPECT_TRUE(events.empty()) << "a hidden control takes no input";
      EXPECT_EQ(2u, formEvents) << "the form's own handlers got the press and the release";
    } else {
      ASSERT_FALSE(events.empty());
      EXPECT_EQ(c.expected, events.front());
    }
  }
}

TEST_F(FormInputTest, ControlKeepsTheMouseFromPressToReleaseAndClicksOnlyInside) {
  PostAndWait(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
  // Moving onto the other control during the drag still reports to the pressed one.
  PostAndWait(WM_MOUSEMOVE, 90, 50, MK_LBUTTON);
  PostAndWait(WM_LBUTTONUP, 90, 50);
  const std::vector<Event> dragged{
      {L"Bottom", L"down", 10, 10}, {L"Bottom", L"move", 80, 40}, {L"Bottom", L"up", 80, 40}};
  EXPECT_EQ(dragged, events) << "no click when released outside";

  events.clear();
  PostAndWait(WM_LBUTTONDOWN, 90, 50, MK_LBUTTON);
  PostAndWait(WM_LBUTTONUP, 91, 51);
  const std::vector<Event> clicked{{L"Top", L"down", 50, 10}, {L"Top", L"click", 0, 0}, {L"Top", L"up", 51, 11}};
  EXPECT_EQ(clicked, events);
}

TEST_F(FormInputTest, HookSeesEveryQueuedMessageAndControlsStillReceiveThem) {
  std::vector<UINT> hooked;
  application.SetMessageHook([&](const MSG& message) {
    if (message.hwnd == form.Hwnd() && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
      hooked.push_back(message.message);
    }
  });
  PostAndWait(WM_LBUTTONDOWN, 45, 45, MK_LBUTTON);
  PostAndWait(WM_MOUSEMOVE, 46, 46, MK_LBUTTON);
  PostAndWait(WM_LBUTTONUP, 46, 46);
  EXPECT_EQ((std::vector<UINT>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}), hooked);
  EXPECT_EQ(4u, events.size()) << "down, move, click and up all reached the control";
}

TEST_F(FormInputTest, EnabledTimersFireAndDisabledOnesDoNot) {
  int fastTicks = 0;
  int offTicks = 0;
  Timer& fast = form.AddTimer(TimerArgs{L"Fast", 10, true, [&](Timer&) { ++fastTicks; }});
  form.AddTimer(TimerArgs{L"Off", 10, false, [&](Timer&) { ++offTicks; }});
  EXPECT_EQ(&fast, form.FindTimer(L"Fast"));
  ASSERT_TRUE(PumpUntil(application, [&] { return fastTicks >= 3; }));
  EXPECT_EQ(0, offTicks);

  fast.SetEnabled(false);
  application.ProcessMessages();
  const int stoppedAt = fastTicks;
  form.FindTimer(L"Off")->SetEnabled(true);
  ASSERT_TRUE(PumpUntil(application, [&] { return offTicks >= 2; }));
  EXPECT_EQ(stoppedAt, fastTicks) << "a disabled timer stays silent";
}

TEST_F(FormInputTest, CheckBoxIsARealButtonThatReportsClicks) {
  CheckBoxArgs args = Placed<CheckBoxArgs>(L"Option", 5, 60, 100, 20);
  args.caption = L"Option";
  CheckBox& box = form.AddCheckBox(args);
  int clicks = 0;
  box.OnClick = [&](Control&) { ++clicks; };
  ASSERT_NE(nullptr, box.Hwnd());
  wchar_t className[16] = {};
  GetClassNameW(box.Hwnd(), className, 16);
  EXPECT_STREQ(L"Button", className);

  SendMessageW(box.Hwnd(), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil(application, [&] { return clicks == 1; }));
  EXPECT_TRUE(box.Checked());
  box.SetChecked(false);
  EXPECT_EQ(2, clicks);
  box.SetChecked(false);
  EXPECT_EQ(2, clicks) << "no click when the state stays";
}

}  // namespace
}  // namespace vorma::forms::test
