#include "panel/features/threed/tests/ThreeDTestWindow.h"

#include "panel/device/DeviceDiscovery.h"
#include "panel/device/SdkLibrary.h"
#include "panel/shell/MainFormResource.h"

#include <ranges>

namespace vorma::test {

forms::Image* TestMainWindow::ImageNamed(std::wstring_view name) {
  return dynamic_cast<forms::Image*>(form_.FindControlByName(name));
}

forms::Label* TestMainWindow::LabelNamed(std::wstring_view name) {
  return dynamic_cast<forms::Label*>(form_.FindControlByName(name));
}

forms::Image* TestMainWindow::FindImageByTag(int tag) {
  for (const auto& control : std::views::reverse(form_.Controls()))
    if (auto* image = dynamic_cast<forms::Image*>(control.get()); image && image->Tag() == tag) return image;
  return nullptr;
}

forms::Label* TestMainWindow::FindLabelByTag(int tag) {
  for (const auto& control : std::views::reverse(form_.Controls()))
    if (auto* label = dynamic_cast<forms::Label*>(control.get()); label && label->Tag() == tag) return label;
  return nullptr;
}

void TestMainWindow::ChangeImageAttr(forms::Image&, std::wstring_view skinKey) { skinKeys.emplace_back(skinKey); }

void TestMainWindow::SetLabelColor(forms::Label&, std::wstring_view, bool) {}

void TestMainWindow::ToggleButtonState(int tag, int& state) {
  state = state ? 0 : 1;
  toggles.push_back(std::to_string(tag) + "=" + std::to_string(state));
}

void ThreeDFeatureTest::SetUp() {
  VirtualDeviceTest::SetUp();
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
  ASSERT_TRUE(application.Initialize());
  const shell::FormDescriptor& resource = shell::MainFormResource();
  form = std::make_unique<forms::Form>(application, shell::FormArgsFor(resource));
  shell::AddResourceToForm(resource, *form, events);
  window = std::make_unique<TestMainWindow>(*form);

  device = Plug();
  ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(0x1E4B, 0x7201), 0);

  // The factory bytes of the 3D record; everything else of the table is the equaliser's business.
  factoryTable.fill(0xFF);
  factoryTable[0xA1] = 0x7B;
  factoryTable[0xE7] = 0xA3;
  factoryTable[0xE8] = 0xA3;
  configImage.fill(0xFF);
  std::ranges::copy(factoryTable, configImage.begin());

  threed::ThreeDDeviceAccess access;
  access.openHid = [this] { return OpenHidDevice(*ports.hid, 0x1E4B, 0x7201); };
  access.deviceActive = [this] { return deviceActive; };
  access.deviceSync = [this] { return deviceSync; };
  threed::ThreeDConfigBytes bytes;
  bytes.imageByte = [this](std::size_t offset) { return configImage.at(offset); };
  bytes.setImageByte = [this](std::size_t offset, std::uint8_t value) { configImage.at(offset) = value; };
  bytes.factoryTable = factoryTable;
  threed::ThreeDSkinPictures skin;
  skin.skinDirectory = [this] { return skinDirectory; };
  skin.pictureName = [this](std::wstring_view key) {
    auto found = skinPictures.find(key);
    return found == skinPictures.end() ? std::wstring() : found->second;
  };
  threeD = std::make_unique<threed::CThreeDSound>(*window, threed::ThreeDSettings{}, std::move(access), bytes,
                                                  std::move(skin));
  threeD->InitThreeD();
  Transactions();
}

std::uint8_t ThreeDFeatureTest::Register(std::uint16_t address) {
  std::uint8_t value = 0xBD;
  EXPECT_EQ(client.PeekRegister(device, address, value), virtual72xx::kOk);
  return value;
}

void ThreeDFeatureTest::SetRegister(std::uint16_t address, std::uint8_t value) {
  ASSERT_EQ(client.SdkWriteRegister(device, address, value, 0), 0);
  Transactions();
}

std::vector<std::string> ThreeDFeatureTest::Transactions() {
  std::vector<std::string> steps;
  for (const std::string& line : TakeJournal(device, {"sdk ", "hid.out", "hid.in"})) {
    if (line.starts_with("sdk ")) {
      steps.push_back(line.substr(4));
      continue;
    }
    const size_t arrow = line.find("-> ");
    const std::string step = arrow == std::string::npos ? line : line.substr(arrow + 3);
    if (!step.starts_with("address")) steps.push_back(step);
  }
  return steps;
}

forms::Image& ThreeDFeatureTest::Image(std::wstring_view name) {
  forms::Image* image = window->ImageNamed(name);
  EXPECT_NE(image, nullptr);
  return *image;
}

}  // namespace vorma::test
