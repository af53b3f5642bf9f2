// The simple-mode dialog in the test process: its caption, the device-ID groups it loads from
// Wine's registry when shown, "-start" on activation and closing it into the tray.

#include "panel/shell/SimpleForm.h"

#include "forms/Application.h"
#include "foundation/DeviceIdManager.h"
#include "foundation/UniqueHandles.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace vorma::shell {
namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

std::wstring ShippedConfig() {
  const std::wstring program = ProgramPath();
  return program.substr(0, program.find_last_of(L'\\') + 1) + L"AudioConfig.cfg";
}

// A device-ID group's string values, taken when constructed and put back when destroyed.
class GroupBackup {
public:
  explicit GroupBackup(std::wstring group) : path_(L"SOFTWARE\\" + std::move(group)) {
    UniqueRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return;
    existed_ = true;
    for (DWORD index = 0;; ++index) {
      wchar_t name[256];
      wchar_t data[1024];
      DWORD nameLength = 256;
      DWORD size = sizeof(data);
      DWORD type = 0;
      if (RegEnumValueW(key.get(), index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
          ERROR_SUCCESS)
        break;
      values_.push_back({{name, nameLength}, std::wstring(data, wcsnlen(data, size / sizeof(wchar_t)))});
    }
  }
  ~GroupBackup() {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
    if (!existed_) return;
    UniqueRegKey key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    for (const auto& [name, text] : values_)
      RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  const std::wstring& Path() const { return path_; }

private:
  std::wstring path_;
  bool existed_ = false;
  std::vector<std::pair<std::wstring, std::wstring>> values_;
};

class SimpleFormTest : public ::testing::Test {
protected:
  // A plain form stands in for the main window: the tray moment is the application's.
  static forms::FormArgs MainArgs() {
    forms::FormArgs args;
    args.name = L"MainStandIn";
    args.caption = L"Main";
    return args;
  }

  void SetUp() override {
    // A main form destroyed by an earlier test left its quit message in this thread's queue.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    ASSERT_TRUE(application_.Initialize());
    application_.SetDialogs(dialogs_);
    application_.OnMinimize = [this] { ++trayMoments_; };
    ASSERT_TRUE(mainForm_.Create());
    application_.SetMainForm(mainForm_);
    mainForm_.Show();
  }

  // Both groups as setup stores them from the shipped configuration.
  void StoreShippedGroups() {
    CDeviceIdMgr usb;
    CDeviceIdMgr hid;
    ASSERT_EQ(usb.LoadFromConfig(ShippedConfig(), kUsbDeviceIdSection), kDeviceIdConfigLoaded);
    ASSERT_EQ(hid.LoadFromConfig(ShippedConfig(), kHidDeviceIdSection), kDeviceIdConfigLoaded);
    ASSERT_EQ(usb.SaveToRegistry(kUsbDeviceIdGroup), kDeviceIdRegistrySaved);
    ASSERT_EQ(hid.SaveToRegistry(kHidDeviceIdGroup), kDeviceIdRegistrySaved);
  }

  std::unique_ptr<TSimpleForm> ShowSimpleForm() {
    auto form = std::make_unique<TSimpleForm>(application_, ProgramPath());
    EXPECT_TRUE(form->Create(mainForm_.Hwnd()));
    form->Show();
    application_.ProcessMessages();
    return form;
  }

  GroupBackup usbBackup_{kUsbDeviceIdGroup};
  GroupBackup hidBackup_{kHidDeviceIdGroup};
  test::ScriptedDialogs dialogs_;
  forms::Application application_{GetModuleHandleW(nullptr)};
  forms::Form mainForm_{application_, MainArgs()};
  int trayMoments_ = 0;
};

TEST_F(SimpleFormTest, CaptionCarriesTheProgramVersionWhenThereIsOne) {
  EXPECT_EQ(TSimpleForm(application_, ProgramPath()).Caption(), L"SimpleForm (V3.1.4.1)");
  // A program without a version resource keeps the plain caption rather than " (V)".
  test::TempFolder folder;
  EXPECT_EQ(TSimpleForm(application_, folder.WriteBytes(L"plain.exe", "no resources")).Caption(), L"SimpleForm");
}

TEST_F(SimpleFormTest, ShowingLoadsBothStoredGroups) {
  StoreShippedGroups();
  auto form = ShowSimpleForm();
  EXPECT_TRUE(dialogs_.shown.empty());
  CDeviceIdMgr usb;
  CDeviceIdMgr hid;
  usb.LoadFromConfig(ShippedConfig(), kUsbDeviceIdSection);
  hid.LoadFromConfig(ShippedConfig(), kHidDeviceIdSection);
  EXPECT_EQ(form->UsbIds().Entries(), usb.Entries());
  EXPECT_EQ(form->HidIds().Entries(), hid.Entries());
  EXPECT_TRUE(form->UsbIds().Matches(L"USB\\VID_1E4B&PID_7201&REV_0100&MI_00"));
}

// A group setup never stored, or one with a broken entry, is reported in a box captioned
// "Uninstall"; the other group still loads.
TEST_F(SimpleFormTest, AGroupThatCannotBeLoadedIsReported) {
  struct Case {
    const wchar_t* brokenGroup;
    bool removeIt;  // otherwise its first entry loses its code
    const wchar_t* text;
  };
  const Case cases[] = {
      {kUsbDeviceIdGroup, true, L"***** Get USB device ID from registry FAIL! *****"},
      {kHidDeviceIdGroup, false, L"***** Get HID device ID from registry FAIL! *****"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.text, c.text + wcslen(c.text)));
    StoreShippedGroups();
    const std::wstring path = std::wstring(L"SOFTWARE\\") + c.brokenGroup;
    if (c.removeIt) {
      ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str()), ERROR_SUCCESS);
    } else {
      UniqueRegKey key;
      ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, key.put()), ERROR_SUCCESS);
      const wchar_t noCode[] = L"HID\\VID_1E4B&PID_72XX&REV_0100&MI_03,";
      ASSERT_EQ(RegSetValueExW(key.get(), L"1", 0, REG_SZ, reinterpret_cast<const BYTE*>(noCode), sizeof(noCode)),
                ERROR_SUCCESS);
    }
    dialogs_.shown.clear();
    auto form = ShowSimpleForm();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, c.text);
    EXPECT_EQ(dialogs_.shown[0].caption, L"Uninstall");
    const CDeviceIdMgr& other = c.brokenGroup == kUsbDeviceIdGroup ? form->HidIds() : form->UsbIds();
    EXPECT_FALSE(other.Entries().empty());
  }
}

TEST_F(SimpleFormTest, StartOnTheCommandLineSendsThePanelToTheTray) {
  StoreShippedGroups();
  auto form = ShowSimpleForm();
  form->ActivateWithCommandLine(L"\"C:\\Vorma\\Vormapanel.exe\" -servicestart");
  EXPECT_TRUE(mainForm_.Visible());
  EXPECT_EQ(trayMoments_, 0);
  form->ActivateWithCommandLine(L"\"C:\\Vorma\\Vormapanel.exe\" -start");
  EXPECT_FALSE(mainForm_.Visible());
  EXPECT_TRUE(IsIconic(application_.Handle()));
  EXPECT_EQ(trayMoments_, 1);
}

TEST_F(SimpleFormTest, ClosingItPutsTheMainWindowIntoTheTrayAndThePanelRuns) {
  StoreShippedGroups();
  auto form = ShowSimpleForm();
  SendMessageW(form->Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(application_.ProcessMessages());
  EXPECT_FALSE(mainForm_.Visible());
  EXPECT_EQ(trayMoments_, 1);
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(IsWindow(form->Hwnd()));
  EXPECT_TRUE(IsWindow(mainForm_.Hwnd()));
}

}  // namespace
}  // namespace vorma::shell
