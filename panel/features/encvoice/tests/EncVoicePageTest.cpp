// The ENC and voice-effect pages on a form built from the main window's resource, talking through
// the SDK stand-in to a virtual 72xx device and keeping their settings in Wine's registry: what
// reaches the device (journal and state) and the registry for start-up, clicks, the slider,
// removal and shutdown.

#include "panel/features/encvoice/EncVoicePage.h"
#include "panel/features/encvoice/EncVoiceRegistry.h"

#include "foundation/RegistryValues.h"
#include "outside/sdk/tests/SdkHostFixture.h"
#include "tests/support/FormMainWindowControls.h"
#include "tests/support/TestFeatureContext.h"

#include <memory>

namespace vorma::test {
namespace {

using features::CEncVoicePage;
using Lines = std::vector<std::string>;

constexpr wchar_t kSoftwareKey[] = L"SOFTWARE\\KVX 72xx Software";

class TestEncHost final : public features::EncVoiceHost {
public:
  SliderRange EncSliderRange() override { return track; }
  void ShowEncoderWarning() override { ++warnings; }

  SliderRange track{150, 120};
  int warnings = 0;
};

class EncVoicePageTest : public SdkHostFixture {
protected:
  void SetUp() override {
    SdkHostFixture::SetUp();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSoftwareKey);
    ASSERT_TRUE(application.Initialize());
    controls = std::make_unique<FormMainWindowControls>(application);
    context = std::make_unique<TestFeatureContext>(*controls);  // the pages reach the device through the SDK only
    page = std::make_unique<CEncVoicePage>(*context, host);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSoftwareKey); }

  static void StoreEncLevel(const wchar_t* name, DWORD level) {
    ASSERT_EQ(SetRegistryDword(features::kEncValueMapKey, name, level), kRegistryDone);
  }
  static std::optional<unsigned long> Stored(const wchar_t* subKey, const wchar_t* name) {
    unsigned long value = 0;
    if (GetRegistryDword(subKey, name, value) != kRegistryDone) return std::nullopt;
    return value;
  }
  Lines SdkCalls() { return Only(TakeJournal(), "sdk"); }
  static Lines Only(const Lines& lines, const std::string& prefix) {
    Lines kept;
    for (const std::string& line : lines)
      if (line.starts_with(prefix)) kept.push_back(line);
    return kept;
  }
  forms::Image& Slider() { return *controls->ImageNamed(L"ENCSliderImage"); }
  std::wstring ValueCaption() { return controls->LabelNamed(L"ENCValueLabel")->Caption(); }

  forms::Application application{GetModuleHandleW(nullptr)};
  TestEncHost host;
  std::unique_ptr<FormMainWindowControls> controls;
  std::unique_ptr<TestFeatureContext> context;
  std::unique_ptr<CEncVoicePage> page;
};

TEST_F(EncVoicePageTest, DeviceWithoutAnEncEntryAnswersEveryControlWithTheWarningAndSendsNothing) {
  StoreEncLevel(L"VID_1E4B&PID_7299", 12);  // another device's entry does not count
  ASSERT_EQ(SetRegistryDword(features::kFeatureRegistryKey, L"RuvavIzezoEnable", 1), kRegistryDone);
  page->InitEnc();
  page->InitVoiceEffect();
  EXPECT_FALSE(page->EncAvailable());
  EXPECT_EQ(page->EncEnable(), 0);

  page->ENCFunctionImageClick();
  page->ENCSliderImageMouseDown({500, 300});
  page->ENCSliderImageMouseMove({500, 260});
  page->ENCSliderImageMouseUp();
  page->VMFunctionImageClick();
  for (int mode = 0; mode < 5; ++mode) page->VMEffectImageClick(mode);
  EXPECT_EQ(host.warnings, 7);  // the slider's press leaves the warning to the window's drag
  EXPECT_EQ(SdkCalls(), Lines{});
  EXPECT_FALSE(Stored(features::kEncValueMapKey, L"VID_1E4B&PID_7201"));

  // Without a device the controls do nothing at all, not even warn.
  context->deviceActive = false;
  page->ENCFunctionImageClick();
  page->VMFunctionImageClick();
  EXPECT_EQ(host.warnings, 7);
}

TEST_F(EncVoicePageTest, ReadFailuresOfTheRegistryLeaveEncUnavailable) {
  // A missing key (created by the read), and a value of the wrong type, are read failures.
  page->InitEnc();
  EXPECT_FALSE(page->EncAvailable());
  ASSERT_EQ(SetRegistryString(features::kEncValueMapKey, L"VID_1E4B&PID_7201", L"x"), kRegistryDone);
  page->InitEnc();
  EXPECT_FALSE(page->EncAvailable());
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(EncVoicePageTest, InitEncSwitchesOnAndSendsTheDevicesRecordWithTheStoredLevel) {
  // The device's record as the get-all command returns it; only bytes 8-11 are the panel's.
  const BYTE record[16] = {0xa1, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 9, 0, 0, 0, 0xb1, 0xb2, 0xb3, 0xb4};
  ASSERT_EQ(Sdk().DLLQZ_SetEnc_Parameters(record), 0);
  StoreEncLevel(L"VID_1E4B&PID_7201", 7);
  SdkCalls();
  page->InitEnc();
  EXPECT_TRUE(page->EncAvailable());
  EXPECT_EQ(page->EncEnable(), 1);
  const Lines calls = SdkCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], "sdk DLLQZ_AudioCommand 04 00 01 00 00 00 234 -> 0");
  EXPECT_TRUE(calls[1].starts_with("sdk DLLQZ_AudioCommand 04 08")) << calls[1];
  EXPECT_EQ(calls[2], "sdk DLLQZ_SetEnc_Parameters a1 a2 a3 a4 a5 a6 a7 a8 07 00 00 00 b1 b2 b3 b4 -> 0");
  EXPECT_EQ(State("enc.enable"), "1");
  EXPECT_EQ(ValueCaption(), L"7");
  EXPECT_EQ(Slider().Top(), 150 + 120 - 28);

  // The switch is redrawn by ShowEnc; a click turns ENC off and sends the record unchanged.
  controls->TakeRequests();
  page->ShowEnc();
  EXPECT_EQ(controls->TakeRequests(),
            (std::vector<std::wstring>{L"ENCFunctionImage=ENCFunctionDownImage", L"ENCFunctionLabel:ENCFunctionLabel:down"}));
  page->ENCFunctionImageClick();
  EXPECT_EQ(SdkCalls(), (Lines{"sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0",
                               "sdk DLLQZ_SetEnc_Parameters a1 a2 a3 a4 a5 a6 a7 a8 07 00 00 00 b1 b2 b3 b4 -> 0"}));
  EXPECT_EQ(State("enc.enable"), "0");
}

TEST_F(EncVoicePageTest, FailingCommandsAreTriedOrLeftAsTheDeviceSays) {
  StoreEncLevel(L"VID_1E4B&PID_7201", 40);  // more than the device takes: the level stops at 30
  // The on/off command is tried a second time; a failing get-all leaves the record cleared.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_AudioCommand", 2), virtual72xx::kOk);
  page->InitEnc();
  const Lines calls = SdkCalls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0], "sdk DLLQZ_AudioCommand 04 00 01 00 00 00 234 -> 1 (fault)");
  EXPECT_EQ(calls[1], "sdk DLLQZ_AudioCommand 04 00 01 00 00 00 234 -> 1 (fault)");
  EXPECT_TRUE(calls[2].starts_with("sdk DLLQZ_AudioCommand 04 08")) << calls[2];
  EXPECT_EQ(calls[3], "sdk DLLQZ_SetEnc_Parameters 01 00 00 00 80 3e 00 00 1e 00 00 00 03 00 00 00 -> 0");
  EXPECT_EQ(page->EncLevel(), 30);
}

TEST_F(EncVoicePageTest, SliderLevelsFollowTheTrackAndTheReleaseStoresThemPerDevice) {
  // Travel 120: the top is 30, the bottom 0, and each level is 4 pixels.
  const SliderRange track{150, 120};
  const struct {
    int top, level;
  } cases[] = {{150, 30}, {270, 0}, {154, 29}, {157, 28}, {158, 28}, {266, 1}, {269, 0}, {210, 15}};
  for (const auto& c : cases) {
    EXPECT_EQ(features::EncLevelForSliderTop(track, c.top), c.level) << c.top;
    if ((c.top - 150) % 4 == 0) {
      EXPECT_EQ(features::EncSliderTopForLevel(track, c.level), c.top) << c.level;
    }
  }

  StoreEncLevel(L"VID_1E4B&PID_7201", 0);
  StoreEncLevel(L"VID_1E4B&PID_7202", 5);
  page->InitEnc();
  ASSERT_EQ(Slider().Top(), 270);
  SdkCalls();
  // Dragged 500 pixels up the slider stops at the track's top.
  page->ENCSliderImageMouseDown({600, 900});
  page->ENCSliderImageMouseMove({600, 880});
  EXPECT_EQ(Slider().Top(), 250);
  EXPECT_EQ(ValueCaption(), L"5");
  page->ENCSliderImageMouseMove({600, 400});
  EXPECT_EQ(Slider().Top(), 150);
  EXPECT_EQ(ValueCaption(), L"30");
  EXPECT_EQ(SdkCalls(), Lines{});  // nothing goes out before the release
  page->ENCSliderImageMouseUp();
  EXPECT_EQ(SdkCalls(), Lines{"sdk DLLQZ_SetEnc_Parameters 01 00 00 00 80 3e 00 00 1e 00 00 00 03 00 00 00 -> 0"});
  EXPECT_EQ(State("enc.level"), "30");
  EXPECT_EQ(Stored(features::kEncValueMapKey, L"VID_1E4B&PID_7201"), 30u);
  EXPECT_EQ(Stored(features::kEncValueMapKey, L"VID_1E4B&PID_7202"), 5u);  // the other device keeps its own
  // A second release without a press stores and sends nothing.
  page->ENCSliderImageMouseUp();
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(EncVoicePageTest, StoredVoiceLevelsGiveTheirModesAndClicksStoreAndSendThem) {
  StoreEncLevel(L"VID_1E4B&PID_7201", 10);
  ASSERT_EQ(SetRegistryDword(features::kFeatureRegistryKey, L"RuvavIzezoEnable", 1), kRegistryDone);
  page->InitEnc();
  const struct {
    DWORD stored;
    int mode;
    const char* offset;
  } cases[] = {{12, 0, "0"}, {24, 4, "12"}, {5, 0, "0"}, {9, 1, "-3"}, {2, 3, "-10"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    ASSERT_EQ(SetRegistryDword(features::kFeatureRegistryKey, L"RuvavIzezoLevel", c.stored), kRegistryDone);
    SdkCalls();
    page->InitVoiceEffect();
    EXPECT_EQ(page->VoiceEffectMode(), c.mode);
    EXPECT_EQ(State("voice.enable"), "1");
    EXPECT_EQ(State("voice.offset"), c.offset);
    const Lines calls = SdkCalls();
    ASSERT_EQ(calls.size(), 3u);  // on/off, then the parameters from the switch and from the mode
    EXPECT_EQ(calls[0], "sdk DLLQZ_AudioCommand 07 00 01 00 00 00 234 -> 0");
  }

  page->VMEffectImageClick(2);
  EXPECT_EQ(State("voice.parameters"), "01 00 00 00 07 00 00 00 00 00");
  EXPECT_EQ(Stored(features::kFeatureRegistryKey, L"RuvavIzezoLevel"), 19u);
  controls->TakeRequests();
  page->VMFunctionImageClick();
  EXPECT_EQ(State("voice.enable"), "0");
  EXPECT_EQ(State("voice.parameters"), "00 00 00 00 07 00 00 00 00 00");
  EXPECT_EQ(Stored(features::kFeatureRegistryKey, L"RuvavIzezoEnable"), 0u);
  EXPECT_EQ(controls->TakeRequests(),
            (std::vector<std::wstring>{L"VMFunctionImage=VMFunctionUpImage", L"VMFunctionLabel:VMFunctionLabel:up"}));
}

TEST_F(EncVoicePageTest, RemovalStoresTheVoiceEffectOffAndSendsNothingAndShutdownSwitchesBothOff) {
  StoreEncLevel(L"VID_1E4B&PID_7201", 10);
  ASSERT_EQ(SetRegistryDword(features::kFeatureRegistryKey, L"RuvavIzezoEnable", 1), kRegistryDone);
  ASSERT_EQ(SetRegistryDword(features::kFeatureRegistryKey, L"RuvavIzezoLevel", 24), kRegistryDone);
  page->InitEnc();
  page->InitVoiceEffect();
  SdkCalls();
  controls->TakeRequests();
  page->DeviceRemoved();
  EXPECT_EQ(SdkCalls(), Lines{});
  EXPECT_EQ(Stored(features::kFeatureRegistryKey, L"RuvavIzezoEnable"), 0u);
  EXPECT_EQ(Stored(features::kFeatureRegistryKey, L"RuvavIzezoLevel"), 24u);  // the mode is not stored
  EXPECT_EQ(page->EncEnable(), 0);
  EXPECT_EQ(page->VoiceEffectMode(), 0);
  const std::vector<std::wstring> drawn = controls->TakeRequests();
  EXPECT_EQ(drawn.front(), L"VMFunctionImage=VMFunctionUpImage");
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), L"VMEffectNoneImage=VMEffectNoneDownImage"), drawn.end());
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), L"VMEffect4Image=VMEffect4UpImage"), drawn.end());

  page->Shutdown();
  EXPECT_EQ(SdkCalls(), (Lines{"sdk DLLQZ_AudioCommand 04 00 00 00 00 00 234 -> 0",
                               "sdk DLLQZ_AudioCommand 07 00 00 00 00 00 234 -> 0"}));
}

TEST_F(EncVoicePageTest, HardwareButtonTogglesEncAndRedrawsOnlyOnTheEncPage) {
  page->ToggleEncFromButton();  // no ENC entry, no check: the device gets it all the same
  EXPECT_EQ(State("enc.enable"), "1");
  EXPECT_EQ(controls->TakeRequests(), std::vector<std::wstring>{});
  context->currentPage = 7;
  page->ToggleEncFromButton();
  EXPECT_EQ(State("enc.enable"), "0");
  EXPECT_EQ(controls->TakeRequests(),
            (std::vector<std::wstring>{L"ENCFunctionImage=ENCFunctionUpImage", L"ENCFunctionLabel:ENCFunctionLabel:up"}));
}

}  // namespace
}  // namespace vorma::test
