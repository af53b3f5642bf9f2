#include "panel/features/threed/tests/ThreeDTestWindow.h"

#include "panel/device/SdkLibrary.h"

#include <algorithm>

namespace vorma::test {

void ThreeDFeatureTest::SetUp() {
  VirtualDeviceTest::SetUp();
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
  ASSERT_TRUE(application.Initialize());
  window = std::make_unique<FormMainWindowControls>(application);
  context = std::make_unique<TestFeatureContext>(*window, &ports);

  device = Plug();
  ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(0x1E4B, 0x7201), 0);

  // The factory bytes of the 3D record; everything else of the table is the equaliser's business.
  factoryTable.fill(0xFF);
  factoryTable[0xA1] = 0x7B;
  factoryTable[0xE7] = 0xA3;
  factoryTable[0xE8] = 0xA3;
  configImage.fill(0xFF);
  std::ranges::copy(factoryTable, configImage.begin());

  features::ThreeDConfigBytes bytes;
  bytes.imageByte = [this](std::size_t offset) { return configImage.at(offset); };
  bytes.setImageByte = [this](std::size_t offset, std::uint8_t value) { configImage.at(offset) = value; };
  bytes.factoryTable = factoryTable;
  features::ThreeDSkinPictures skin;
  skin.skinDirectory = [this] { return skinDirectory; };
  skin.pictureName = [this](std::wstring_view key) {
    auto found = skinPictures.find(key);
    return found == skinPictures.end() ? std::wstring() : found->second;
  };
  threeD = std::make_unique<features::CThreeDPage>(*context, features::ThreeDSettings{}, bytes, std::move(skin));
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

std::vector<std::wstring> ThreeDFeatureTest::Toggles() {
  std::vector<std::wstring> toggles = window->TakeRequests();
  std::erase_if(toggles, [](const std::wstring& request) { return !request.starts_with(L"toggle "); });
  return toggles;
}

}  // namespace vorma::test
