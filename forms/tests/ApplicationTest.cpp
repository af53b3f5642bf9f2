// The application object: its findable window, lookup of controls, closing and modal forms,
// minimising to the tray and the scripted dialog seam.

#include "forms/TrayIcon.h"
#include "forms/tests/FormTestSupport.h"
#include "foundation/UniqueHandles.h"
#include "tests/support/ScriptedDialogs.h"

#include <thread>

namespace vorma::forms::test {
namespace {

using vorma::test::ScriptedDialogs;

TEST_F(FormTest, ApplicationWindowCarriesTheTitleForASecondInstance) {
  application.SetTitle(L"Vorma forms test title");
  const HWND found = FindWindowW(kApplicationWindowClassName, L"Vorma forms test title");
  EXPECT_EQ(application.Handle(), found);
  EXPECT_FALSE(IsWindowVisible(found));
}

TEST_F(FormTest, LookupByNameAndByTagFollowsDeclarationOrder) {
  Form form(application, NamedForm(L"Lookup"));
  const auto image = [&](const wchar_t* name, int tag) -> Image& {
    ImageArgs args;
    args.name = name;
    args.tag = tag;
    return form.AddImage(args);
  };
  image(L"First", 7);
  Image& second = image(L"Second", 7);
  LabelArgs labelArgs;
  labelArgs.name = L"Text";
  labelArgs.tag = 3;
  Label& label = form.AddLabel(labelArgs);
  image(L"Third", 3);

  EXPECT_EQ(&second, form.FindControlByName(L"Second"));
  EXPECT_EQ(nullptr, form.FindControlByName(L"second")) << "names compare exactly";
  EXPECT_EQ(L"First", form.FindControlByTag(ControlKind::Image, 7)->Name());
  EXPECT_EQ(L"Third", form.FindControlByTag(ControlKind::Image, 3)->Name()) << "a label with the Tag is not an image";
  EXPECT_EQ(&label, form.FindControlByTag(ControlKind::Label, 3));
  EXPECT_EQ(nullptr, form.FindControlByTag(ControlKind::Shape, 3));
  form.FindControlByName(L"First")->SetTag(0);
  EXPECT_EQ(&second, form.FindControlByTag(ControlKind::Image, 7));
}

TEST_F(FormTest, ClosingTheMainFormEndsTheMessageLoop) {
  Form main(application, NamedForm(L"Main"));
  bool destroyed = false;
  main.OnDestroy = [&](Form&) { destroyed = true; };
  ASSERT_TRUE(main.Create());
  EXPECT_EQ(&main, application.MainForm());
  bool shownWhileRunning = true;
  main.AddTimer({L"CloseSoon", 20, true, [&](Timer&) {
                   shownWhileRunning = main.Visible();
                   main.Close();
                 }});
  // Not shown: a shown window would also meet the real pointer, and hiding costs Wine 2 s.
  application.SetShowMainForm(false);
  EXPECT_EQ(0, application.Run());
  EXPECT_FALSE(shownWhileRunning) << "ShowMainForm false keeps the main form hidden";
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(nullptr, main.Hwnd());
  EXPECT_TRUE(application.Terminated());
}

// A message another thread sends is handled inside the loop's wait; when its handler lets pending
// messages run and the main form closes there, that nested pump takes the quit. The loop must still
// end, and not wait for some later posted message to wake it.
TEST_F(FormTest, AQuitTakenByANestedPumpInsideASentMessageStillEndsTheLoop) {
  Form main(application, NamedForm(L"Main"));
  ASSERT_TRUE(main.Create());
  constexpr UINT kSent = WM_APP + 7;
  main.OnMessage = [&](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message != kSent) return false;
    main.Close();
    application.ProcessMessages();
    return true;
  };
  application.SetShowMainForm(false);
  const HWND window = main.Hwnd();
  const DWORD loopThread = GetCurrentThreadId();
  UniqueHandle loopEnded{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  bool watchdogWoke = false;
  std::thread sender([&] {
    Sleep(100);  // the loop is waiting in GetMessage by now
    SendMessageW(window, kSent, 0, 0);
    // Without the quit the loop would wait for ever; a posted message wakes it so the test ends.
    if (WaitForSingleObject(loopEnded.get(), 5000) == WAIT_TIMEOUT) {
      watchdogWoke = true;
      PostThreadMessageW(loopThread, WM_NULL, 0, 0);
    }
  });
  application.Run();
  SetEvent(loopEnded.get());
  sender.join();
  EXPECT_FALSE(watchdogWoke) << "the loop ended only when a later message arrived";
  EXPECT_TRUE(application.Terminated());
}

TEST_F(FormTest, ShowModalReturnsTheResultAndCloseCancels) {
  Form main(application, NamedForm(L"Main"));
  ASSERT_TRUE(main.Create());
  Form dialog(application, NamedForm(L"Dialog"));
  ASSERT_TRUE(dialog.Create(main.Hwnd()));
  Timer& answer = dialog.AddTimer({L"Answer", 20, true, [&](Timer&) { dialog.SetModalResult(IDYES); }});
  EXPECT_EQ(IDYES, dialog.ShowModal());
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(IsWindowEnabled(main.Hwnd())) << "the owner is enabled again";

  answer.OnTimer = [&](Timer&) { dialog.Close(); };
  EXPECT_EQ(IDCANCEL, dialog.ShowModal());
  EXPECT_NE(nullptr, dialog.Hwnd()) << "a modal form is hidden on close, not destroyed";
}

TEST_F(FormTest, MinimizeHidesTheMainFormAndARestoreOfTheApplicationWindowBringsItBack) {
  Form main(application, NamedForm(L"Main"));
  ASSERT_TRUE(main.Create());
  main.Show();
  application.Minimize();
  EXPECT_FALSE(main.Visible());
  EXPECT_TRUE(IsIconic(application.Handle())) << "a second instance restores the iconic window";
  // What a second instance does to the application window it found.
  ShowWindow(application.Handle(), SW_RESTORE);
  ASSERT_TRUE(PumpUntil(application, [&] { return main.Visible() && !IsWindowVisible(application.Handle()); }));
  EXPECT_FALSE(IsIconic(application.Handle()));
}

TEST_F(FormTest, TrayIconRunsDoubleClickFromItsCallbackMessage) {
  TrayIcon tray(application);
  ASSERT_NE(nullptr, tray.Hwnd());
  int doubleClicks = 0;
  tray.OnDblClick = [&](TrayIcon&) { ++doubleClicks; };
  tray.SetHint(L"Vorma");
  SendMessageW(tray.Hwnd(), TrayIcon::kCallbackMessage, 1, WM_LBUTTONDBLCLK);
  SendMessageW(tray.Hwnd(), TrayIcon::kCallbackMessage, 1, WM_MOUSEMOVE);
  EXPECT_EQ(1, doubleClicks);
  EXPECT_EQ(L"Vorma", tray.Hint());
}

TEST_F(FormTest, DialogSeamAnswersFromTheScriptAndRecordsWhatWasShown) {
  ScriptedDialogs dialogs;
  application.SetDialogs(dialogs);
  application.SetTitle(L"Panel");
  Form main(application, NamedForm(L"Main"));
  ASSERT_TRUE(main.Create());

  dialogs.AnswerMessageBox(IDNO);
  EXPECT_EQ(IDNO, application.MessageBox(L"Question?", L"", MB_YESNO));
  dialogs.AnswerFile(L"C:\\profiles\\a.ini");
  dialogs.AnswerFile(std::nullopt);
  dialogs.AnswerColour(RGB(1, 2, 3));

  std::wstring path = L"untouched";
  FileDialogArgs fileArgs;
  fileArgs.owner = main.Hwnd();
  fileArgs.title = L"Load profile";
  EXPECT_TRUE(application.Dialogs().OpenFile(fileArgs, path));
  EXPECT_EQ(L"C:\\profiles\\a.ini", path);
  EXPECT_FALSE(application.Dialogs().SaveFile(fileArgs, path));
  EXPECT_EQ(L"C:\\profiles\\a.ini", path) << "a cancelled dialog leaves the path alone";
  COLORREF colour = 0xdeadbeef;
  EXPECT_TRUE(application.Dialogs().ChooseColour(main.Hwnd(), colour));
  EXPECT_EQ(RGB(1, 2, 3), colour);

  ASSERT_EQ(4u, dialogs.shown.size());
  EXPECT_EQ(main.Hwnd(), dialogs.shown[0].owner) << "boxes are owned by the main form";
  EXPECT_EQ(L"Panel", dialogs.shown[0].caption) << "an empty caption becomes the title";
  EXPECT_EQ(static_cast<UINT>(MB_YESNO), dialogs.shown[0].type);
  EXPECT_EQ(ScriptedDialogs::Kind::SaveFile, dialogs.shown[2].kind);
  EXPECT_EQ(L"Load profile", dialogs.shown[1].text);
}

}  // namespace
}  // namespace vorma::forms::test
