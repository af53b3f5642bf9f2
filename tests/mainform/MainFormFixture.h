#pragma once
// The main window built in the test process with the shipped configuration, skin and language, on
// a virtual device served here. The user's folders (APPDATA, USERPROFILE) are temporary folders of
// the test; the shipped configuration beside the program is restored after every test.

#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "panel/shell/AudioMainForm.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

namespace vorma::shell {

inline std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

class MainFormTest : public test::VirtualDeviceTest {
protected:
  void SetUp() override {
    test::VirtualDeviceTest::SetUp();
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    // The user's choice of skin and language lives under APPDATA; the shipped configuration beside
    // the program is restored after every test that changes it.
    CreateDirectoryW(appData_.File(L"Vorma").c_str(), nullptr);
    appData_.WriteBytes(L"Vorma\\AudioConfig.cfg", "[Language]\r\nDefaultLanguage=English\r\n[Skin]\r\nDefaultSkin=Graphite\r\n");
    SetEnvironmentVariableW(L"APPDATA", WithoutSlash(appData_).c_str());
    SetEnvironmentVariableW(L"USERPROFILE", WithoutSlash(userProfile_).c_str());
    shippedConfig_ = test::ReadFileBytes(ConfigPath());
    ASSERT_FALSE(shippedConfig_.empty());
    ASSERT_TRUE(application_.Initialize());
    application_.SetDialogs(dialogs_);
  }

  void TearDown() override {
    form_.reset();
    HANDLE file = CreateFileW(ConfigPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, shippedConfig_.data(), static_cast<DWORD>(shippedConfig_.size()), &written, nullptr);
    CloseHandle(file);
    test::VirtualDeviceTest::TearDown();
  }

  static std::wstring ConfigPath() { return ProgramFolder() + L"AudioConfig.cfg"; }
  static std::wstring WithoutSlash(const test::TempFolder& folder) {
    return folder.Path().substr(0, folder.Path().size() - 1);
  }

  void Start() {
    form_ = std::make_unique<TAudioMainForm>(application_);
    form_->FormCreate();
    form_->Show();
    application_.ProcessMessages();
  }

  forms::Image& Image(std::wstring_view name) {
    forms::Image* image = form_->ImageNamed(name);
    EXPECT_NE(image, nullptr) << std::string(name.begin(), name.end());
    return *image;
  }

  void Press(std::wstring_view imageName) {
    forms::Image& image = Image(imageName);
    form_->OnImageMouseDown(image, forms::MouseEventArgs{});
    form_->OnImageMouseUp(image, forms::MouseEventArgs{});
  }

  void PressPageLabel(std::wstring_view labelName) {
    form_->OnLabelPageMouseDown(*form_->LabelNamed(labelName), forms::MouseEventArgs{});
  }

  // The cursor over a client point of the window, as the user would put it there.
  void CursorAt(int x, int y) {
    POINT point{x, y};
    ClientToScreen(form_->Hwnd(), &point);
    ASSERT_TRUE(SetCursorPos(point.x, point.y));
  }

  test::TempFolder appData_;
  test::TempFolder userProfile_;
  std::string shippedConfig_;
  test::ScriptedDialogs dialogs_;
  forms::Application application_{GetModuleHandleW(nullptr)};
  std::unique_ptr<TAudioMainForm> form_;
};

}  // namespace vorma::shell
