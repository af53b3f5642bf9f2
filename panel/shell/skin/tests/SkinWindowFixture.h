#pragma once
// A real main window built from its form resource, and a skin folder in which every picture key
// names a tiny BMP called after the key, so a test can tell which record an image shows.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "forms/Application.h"
#include "forms/Form.h"
#include "panel/shell/FormBuilder.h"
#include "panel/shell/MainFormResource.h"
#include "panel/shell/skin/SkinFolder.h"
#include "panel/shell/skin/SkinLoading.h"
#include "panel/shell/skin/tests/SkinFixtures.h"
#include "tests/support/NoFormEvents.h"
#include "tests/support/TestFiles.h"

namespace vorma::shell::test {

// The window's handlers do not matter here.
using NoEvents = vorma::test::NoFormEvents;

class SkinWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(application_.Initialize());
    form_ = std::make_unique<forms::Form>(application_, FormArgsFor(MainFormResource()));
    NoEvents events;
    AddResourceToForm(MainFormResource(), *form_, events);
    skin_.dir = folder_.Path();
    skin_.name = L"Test";
  }

  forms::Image& ImageNamed(std::wstring_view name) {
    auto* image = dynamic_cast<forms::Image*>(form_->FindControlByName(name));
    if (image == nullptr) throw std::runtime_error("no image " + Narrow(name));
    return *image;
  }

  // The key whose picture the image shows ("" without a picture).
  std::wstring ShownKey(std::wstring_view name) {
    const std::wstring& path = ImageNamed(name).PicturePath();
    if (path.empty()) return L"";
    const std::wstring file = path.substr(path.find_last_of(L'\\') + 1);
    return file.substr(0, file.size() - 4);
  }

  // A skin in which every picture key names "<key>.bmp" (7 x 5 pixels) at its form position;
  // `extra` adds lines (with their line ends) to sections.
  void WriteEveryKeySkin(const std::map<std::string, std::string>& extra = {}) {
    const std::string bmp = TinyBmp(7, 5);
    // Each section once: [Main] has keys in two places of the reading order.
    std::map<std::string, std::string> sections;
    for (const PictureKey& key : PictureKeys()) {
      sections[Narrow(key.section)] += Narrow(key.key) + "=" + Narrow(key.key) + ".bmp\r\n";
      folder_.WriteBytes(std::wstring(key.key) + L".bmp", bmp);
    }
    for (const auto& [section, lines] : extra) sections[section] += lines;
    std::string ini;
    for (const auto& [section, lines] : sections) ini += "[" + section + "]\r\n" + lines;
    WriteSkinSetting(folder_, ini);
  }

  forms::Application application_{GetModuleHandleW(nullptr)};
  std::unique_ptr<forms::Form> form_;
  vorma::test::TempFolder folder_;
  SkinFolder skin_;
  SkinSetting setting_;
};

}  // namespace vorma::shell::test
