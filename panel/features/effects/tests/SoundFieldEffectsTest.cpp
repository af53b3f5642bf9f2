// The effect page on a form built from the main window's resource, against the filter driver of a
// virtual 72xx device: which buttons it draws and what reaches the driver.

#include "panel/features/effects/EffectsPage.h"

#include "panel/device/FilterControl.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/TestFeatureContext.h"

#include <algorithm>

namespace vorma::test {
namespace {

using features::CEffectsPage;
using Lines = std::vector<std::string>;
using WLines = std::vector<std::wstring>;

class SoundFieldEffectsTest : public VirtualDeviceTest {
protected:
  void SetUp() override {
    VirtualDeviceTest::SetUp();
    ASSERT_TRUE(application.Initialize());
    device = Plug();
    ASSERT_EQ(KVX_Set_DEVICE_SYMBOLIC_NAME(*ports.filter, 0x1E4B, 0x7201), 0);
    TakeJournal(device);
    controls = std::make_unique<FormMainWindowControls>(application);
    context = std::make_unique<TestFeatureContext>(*controls, &ports);
    effects = std::make_unique<CEffectsPage>(*context);
  }
  Lines FilterRequests() { return TakeJournal(device, {"filter.ioctl"}); }

  forms::Application application{GetModuleHandleW(nullptr)};
  DeviceNumber device = 0;
  std::unique_ptr<FormMainWindowControls> controls;
  std::unique_ptr<TestFeatureContext> context;
  std::unique_ptr<CEffectsPage> effects;
};

TEST_F(SoundFieldEffectsTest, TheBathroomButtonSendsDriverValueTwoAndStoresEffectThree) {
  effects->SelectEffect(18 - 15);
  EXPECT_EQ(effects->CurrentEffect(), 3);
  EXPECT_EQ(FilterRequests(), (Lines{"filter.ioctl 0x8232008 set-effect [02 00 00 00] cap 0 -> 0 out []",
                                     "filter.ioctl 0x8232000 set-switch [01 00 00 00] cap 0 -> 0 out []"}));
  std::string effect;
  ASSERT_EQ(client.StateValue(device, "filter.effect", effect), virtual72xx::kOk);
  EXPECT_EQ(effect, "2");
  // Tag 18 is the image named after the StoneGallery effect, yet it shows the Bathroom pictures.
  const WLines requests = controls->TakeRequests();
  EXPECT_NE(std::ranges::find(requests, L"EffectButtonStoneGalleryImage=EffectButtonBathroomImageDown"), requests.end());
  EXPECT_NE(std::ranges::find(requests, L"EffectButtonBathroomImage=EffectButtonStoneGalleryImageUp"), requests.end());
  EXPECT_NE(std::ranges::find(requests, L"EffectPicImage=EffectPicBathroomImage"), requests.end());
  EXPECT_NE(std::ranges::find(requests, L"EffectBathroomLabel:LabelEffectNothing:down"), requests.end());
}

TEST_F(SoundFieldEffectsTest, StartUpShowsEffectOneAndShutDownSelectsDriverEffectZero) {
  effects->StartUp();
  EXPECT_EQ(effects->CurrentEffect(), 1);
  EXPECT_TRUE(FilterRequests().empty());
  const WLines requests = controls->TakeRequests();
  EXPECT_NE(std::ranges::find(requests, L"EffectButtonNonImage=EffectButtonNonImageDown"), requests.end());
  effects->SelectEffect(5);
  FilterRequests();
  effects->ShutDown();
  EXPECT_EQ(FilterRequests(), (Lines{"filter.ioctl 0x8232008 set-effect [00 00 00 00] cap 0 -> 0 out []",
                                     "filter.ioctl 0x8232000 set-switch [01 00 00 00] cap 0 -> 0 out []"}));
}

TEST_F(SoundFieldEffectsTest, AValueOutsideTheFiveShowsNoPictureAndAFailingDriverIsNotFatal) {
  effects->ShowEffect(0);
  for (const std::wstring& request : controls->TakeRequests()) EXPECT_EQ(request.find(L"EffectPicImage="), std::wstring::npos);
  ASSERT_EQ(client.InjectFault(device, "filter.open", -1), virtual72xx::kOk);
  effects->SelectEffect(2);
  EXPECT_EQ(effects->CurrentEffect(), 2);
}

}  // namespace
}  // namespace vorma::test
