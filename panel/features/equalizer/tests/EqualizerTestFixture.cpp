#include "panel/features/equalizer/tests/EqualizerTestFixture.h"

#include "panel/device/DeviceDiscovery.h"
#include "panel/device/SdkLibrary.h"

namespace vorma::test {

void EqualizerTest::SetUp() {
  VirtualDeviceTest::SetUp();
  ASSERT_TRUE(application.Initialize());
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
  device = Plug("72xx", kTestProductId);
  ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(kTestVendorId, kTestProductId), 0);
  window = std::make_unique<FormMainWindowControls>(application);
  context = std::make_unique<TestFeatureContext>(*window, &ports);
  context->vendorId = kTestVendorId;
  context->productId = kTestProductId;
  context->deviceSync = false;  // as before the device's first activation
  TakeJournal(device);
}

void EqualizerTest::TearDown() {
  page_.reset();
  context.reset();
  window.reset();
  VirtualDeviceTest::TearDown();
}

features::CEqualizerPage& EqualizerTest::Page() {
  if (!page_) {
    features::EqualizerLinks links;
    links.apply3DOnOff = [this] { ++apply3DCalls; };
    page_ = std::make_unique<features::CEqualizerPage>(*context, image, settings, links);
  }
  return *page_;
}

forms::Image& EqualizerTest::Slider(int band) { return *window->FindImageByTag(kTagEqSliderFirst + band); }

std::uint8_t EqualizerTest::Register(std::uint16_t address) {
  std::uint8_t value = 0;
  EXPECT_EQ(client.PeekRegister(device, address, value), virtual72xx::kOk);
  return value;
}

std::string EqualizerTest::State(const std::string& key) {
  std::string value;
  EXPECT_EQ(client.StateValue(device, key, value), virtual72xx::kOk);
  return value;
}

Lines EqualizerTest::TakeDeviceLog() {
  Lines log;
  for (const std::string& line : TakeJournal(device, {"sdk", "hid.out", "hid.in"})) {
    if (line.starts_with("sdk ")) {
      log.push_back(line.substr(4));
      continue;
    }
    // "hid.out 00 60 5a 01 20 -> write 0x0120 = 0x5a", "hid.in 00 60 e4 00 10 -> register 0x0129"
    const size_t arrow = line.find("-> ");
    if (arrow == std::string::npos) continue;
    const std::string effect = line.substr(arrow + 3);
    if (effect.starts_with("write "))
      log.push_back(effect);
    else if (effect.starts_with("register "))
      log.push_back("read " + effect.substr(9));
  }
  return log;
}

}  // namespace vorma::test
