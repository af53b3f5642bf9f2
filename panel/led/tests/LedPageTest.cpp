// The LED page's handlers against a virtual device: the command sequences of the check images,
// the send with one retry, the colour dots, the slider drags and their speeds, the page button,
// the profile reader and the skin's colour reset.

#include "panel/led/tests/LedPageFixture.h"

#include "foundation/ProfileStrings.h"
#include "tests/support/TestFiles.h"

#include <algorithm>
#include <cwchar>
#include <functional>

namespace vorma::test {
namespace {

using led::CLedPage;
using led::LedEffect;

// The rainbow pattern P1 P2 P3 P2 P1 P3 P2 and the skin's seven default colours, as (R, G, B).
const int kP[3][3] = {{9, 240, 247}, {169, 247, 9}, {245, 10, 245}};
const int kRainbow[7] = {0, 1, 2, 1, 0, 2, 1};
const int kDefaults[7][3] = {{255, 0, 0}, {255, 255, 0}, {0, 128, 0}, {0, 0, 255}, {255, 0, 255}, {128, 0, 128}, {0, 255, 0}};

TEST_F(LedPageTest, CheckImagesSendTheirCommandSequences) {
  Lines rainbow{Mode(5, 1)}, multi{Mode(6, 1)};
  for (int i = 0; i < 7; ++i) {
    const int* p = kP[kRainbow[i]];
    rainbow.push_back(Colour(i + 1, p[0], p[1], p[2]));
    multi.push_back(Colour(i + 1, kDefaults[i][0], kDefaults[i][1], kDefaults[i][2]));
  }
  rainbow.push_back(Mode(5, 1));
  multi.push_back(Mode(6, 1));
  struct Case {
    const char* name;
    void (CLedPage::*click)();
    Lines calls;
    const char* controllerMode;
    int deviceMode;
  };
  const Case cases[] = {
      // LED OFF: once while the page is applied, once after it.
      {"off", &CLedPage::ColorLEDOffCheckImageClick, {Mode(1, 1), Mode(1, 1)}, "1", 1},
      {"single", &CLedPage::ColorSingleCheckImageClick, {Mode(2, 0), ModeColour(2, 255, 0, 0)}, "2", 2},
      {"breathe", &CLedPage::ColorBreatheCheckImageClick, {Mode(4, 1), ModeColour(4, 255, 0, 0), Mode(4, 1)}, "4", 4},
      {"rainbow", &CLedPage::ColorRainbowCheckImageClick, rainbow, "5", 5},
      {"multi-breathe", &CLedPage::ColorPulsatingCheckImageClick, multi, "6", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    page = std::make_unique<CLedPage>(*context, *host);
    UsePageOnWindow();
    (page.get()->*c.click)();
    EXPECT_EQ(SdkCalls(), c.calls);
    EXPECT_EQ(State("led.master.1.mode"), c.controllerMode);
    EXPECT_EQ(State("led.master.2.mode"), c.controllerMode);  // group 0 reaches both outputs
    EXPECT_EQ(page->DeviceMode(), c.deviceMode);
  }
}

TEST_F(LedPageTest, AnEffectShowsItsCheckAndSliderDownAndTheOthersUp) {
  UsePageOnWindow();
  page->ColorRainbowCheckImageClick();
  const std::vector<std::wstring> requests = controls->TakeRequests();
  for (const wchar_t* expected :
       {L"ColorLEDOffCheckImage=ColorLEDOffCheckUpImage", L"ColorBreatheCheckImage=ColorBreatheCheckUpImage",
        L"ColorBreatheSliderImage=ColorBreatheSliderUpImage", L"ColorRainbowCheckImage=ColorRainbowCheckDownImage",
        L"ColorRainbowSliderImage=ColorRainbowSliderDownImage",
        L"ColorPulsatingCheckImage=ColorPulsatingCheckUpImage", L"ColorSingleCheckImage=ColorSingleCheckUpImage"})
    EXPECT_NE(std::find(requests.begin(), requests.end(), expected), requests.end()) << std::string(expected, expected + std::wcslen(expected));
  // The single colour was deselected by the effect.
  EXPECT_EQ(page->Values().singleColor, 0);
  EXPECT_EQ(page->Values().effectMode, 2);
}

TEST_F(LedPageTest, WithTheSettingsInTheDialogTheCheckImagesSendOnlyTheirOwnCommands) {
  page->ColorLEDOffCheckImageClick();
  page->ColorBreatheCheckImageClick();
  page->ColorSingleCheckImageClick();
  EXPECT_EQ(SdkCalls(), (Lines{Mode(1, 1), Mode(4, 1)}));
}

TEST_F(LedPageTest, AFailedCommandIsSentOnceMoreAndThenLeftAlone) {
  UsePageOnWindow();
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_SetRGB_Mode_ById", 1), virtual72xx::kOk);
  page->ColorLEDOffCheckImageClick();
  EXPECT_EQ(SdkCalls(), (Lines{Mode(1, 1) + " -> 1 (fault)", Mode(1, 1), Mode(1, 1)}));

  // A controller that keeps failing gets each command twice, never a third time.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_SetRGB_Mode_ById", -1), virtual72xx::kOk);
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_SetRGB_SingleColor_ById", -1), virtual72xx::kOk);
  page->ColorSingleCheckImageClick();
  EXPECT_EQ(SdkCalls(), (Lines{Mode(2, 0) + " -> 1 (fault)", Mode(2, 0) + " -> 1 (fault)",
                               ModeColour(2, 255, 0, 0) + " -> 1 (fault)", ModeColour(2, 255, 0, 0) + " -> 1 (fault)"}));
  // The breathe dot's colour is not retried.
  host->colourAnswers.push_back(RGB(1, 2, 3));
  page->OnShapeMouseDown(Shape(183));
  EXPECT_EQ(SdkCalls(), (Lines{ModeColour(4, 1, 2, 3) + " -> 1 (fault)"}));
}

TEST_F(LedPageTest, ColourDotsStoreTheColourAndSendItWhereTheirEffectUsesIt) {
  struct Case {
    const char* name;
    int tag;
    void (CLedPage::*effect)();  // chosen before the press; none leaves the page as it starts
    std::optional<COLORREF> answer;
    Lines calls;
    int deviceMode;
  };
  const Case cases[] = {
      {"palette dot, multi-breathe", 153, &CLedPage::ColorPulsatingCheckImageClick, RGB(10, 20, 30),
       {Colour(3, 10, 20, 30)}, 6},
      {"palette dot, breathe", 153, &CLedPage::ColorBreatheCheckImageClick, RGB(10, 20, 30), {}, 4},
      {"palette dot, nothing chosen", 157, nullptr, RGB(10, 20, 30), {}, 1},
      // The breathe and static colours switch the controller at once, whatever is chosen.
      {"breathe dot", 183, &CLedPage::ColorRainbowCheckImageClick, RGB(40, 50, 60), {ModeColour(4, 40, 50, 60)}, 4},
      {"static dot", 184, &CLedPage::ColorBreatheCheckImageClick, RGB(70, 80, 90), {ModeColour(2, 70, 80, 90)}, 2},
      {"black is no choice", 184, nullptr, RGB(0, 0, 0), {}, 1},
      {"cancelled", 183, nullptr, std::nullopt, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    page = std::make_unique<CLedPage>(*context, *host);
    UsePageOnWindow();
    if (c.effect) (page.get()->*c.effect)();
    SdkCalls();
    const COLORREF before = Shape(c.tag).BrushColor();
    host->colourAnswers.push_back(c.answer);
    page->OnShapeMouseDown(Shape(c.tag));
    EXPECT_EQ(SdkCalls(), c.calls);
    EXPECT_EQ(page->DeviceMode(), c.deviceMode);
    const bool chosen = c.answer && *c.answer != 0;
    EXPECT_EQ(Shape(c.tag).BrushColor(), chosen ? *c.answer : before);
    const led::LedPageValues values = page->Values();
    const std::int32_t stored = chosen ? static_cast<std::int32_t>(*c.answer) : 0;
    if (c.tag == 183) {
      EXPECT_EQ(values.breatheColorRgb, chosen ? stored : 255);
    } else if (c.tag == 184) {
      EXPECT_EQ(values.singleColorRgb, chosen ? stored : 255);
    } else if (chosen) {
      EXPECT_EQ(values.colours[c.tag - 151], stored);
    }
    // The highlight moves in every case, cancel and black included.
    EXPECT_EQ(page->SelectedShape(), c.tag);
    EXPECT_EQ(Shape(c.tag).PenWidth(), 3);
    EXPECT_EQ(Shape(c.tag).PenColor(), RGB(166, 202, 240));
  }
  // The previous highlight goes back to a thin black outline.
  host->colourAnswers.push_back(std::nullopt);
  page->OnShapeMouseDown(Shape(151));
  EXPECT_EQ(Shape(183).PenWidth(), 1);
  EXPECT_EQ(Shape(183).PenColor(), RGB(0, 0, 0));
  EXPECT_EQ(Shape(151).PenWidth(), 3);
  // A colour changed while multi-breathe was not chosen reaches the controller when it is.
  page = std::make_unique<CLedPage>(*context, *host);
  UsePageOnWindow();
  host->colourAnswers.push_back(RGB(1, 1, 1));
  page->OnShapeMouseDown(Shape(152));
  page->ColorPulsatingCheckImageClick();
  const Lines calls = SdkCalls();
  ASSERT_EQ(calls.size(), 9u);
  EXPECT_EQ(calls[2], Colour(2, 1, 1, 1));
}

// Presses, moves and releases a slider by cursor offsets from its press point.
void Drag(CLedPage& page, LedEffect effect, std::initializer_list<int> moves) {
  const POINT start{1000, 500};
  page.SliderMouseDown(effect, true, start);
  for (int dx : moves) page.SliderMouseMove(effect, {start.x + dx, start.y + 7});
  page.SliderMouseUp(effect, true);
}

TEST_F(LedPageTest, DraggingASliderSetsItsSpeedAndTheReleaseOfTheChosenEffectSendsIt) {
  // The bars are 240 wide at 400 with sliders of 16: the travel is 224.
  struct Case {
    const char* name;
    int fastRightSide;
    int dx;
    int left;   // where the slider stands
    int speed;  // what the drag computed
  };
  const Case cases[] = {
      {"far left", 0, -500, 400, 2},      {"far left, fast right", 1, -500, 400, 253},
      {"far right", 0, 500, 627, 255},    {"far right, fast right", 1, 500, 627, 1},
      {"half way", 0, 112, 515, 127},     {"half way, fast right", 1, 112, 515, 128},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    page = std::make_unique<CLedPage>(*context, *host);
    UsePageOnWindow(c.fastRightSide);
    Image(L"ColorBreatheSliderImage").SetLeft(400);
    page->ColorBreatheCheckImageClick();
    SdkCalls();
    Drag(*page, LedEffect::Breathe, {30, c.dx});
    EXPECT_EQ(Image(L"ColorBreatheSliderImage").Left(), c.left);
    EXPECT_EQ(page->Values().sliderPos[0], c.left);
    EXPECT_EQ(page->Values().breatheSpeed, c.speed);
    // The release ran the breathe click: the page applied with the new speed, and the click's own.
    const std::string mode = Mode(4, c.speed);
    EXPECT_EQ(SdkCalls(), (Lines{mode, ModeColour(4, 255, 0, 0), mode}));
    EXPECT_EQ(State("led.master.1.speed"), std::to_string(c.speed));
  }
}

TEST_F(LedPageTest, ReleasingTheSliderOfAnotherEffectOnlyStoresItsSpeed) {
  UsePageOnWindow();
  page->ColorBreatheCheckImageClick();
  SdkCalls();
  Image(L"ColorRainbowSliderImage").SetLeft(400);
  Drag(*page, LedEffect::Rainbow, {112});
  EXPECT_EQ(page->Values().rainbowSpeed, 127);
  EXPECT_EQ(SdkCalls(), Lines{});
  // A press with the right button starts no drag.
  page->SliderMouseDown(LedEffect::Rainbow, false, {0, 0});
  page->SliderMouseMove(LedEffect::Rainbow, {200, 0});
  EXPECT_EQ(Image(L"ColorRainbowSliderImage").Left(), 515);
  // Choosing rainbow sends the stored speed.
  page->ColorRainbowCheckImageClick();
  const Lines calls = SdkCalls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back(), Mode(5, 127));
}

TEST_F(LedPageTest, RecomputedSpeedsFollowTheSlidersAtRest) {
  struct Case {
    int left;
    int fastRightSide;
    int speed;
  };
  const Case cases[] = {{400, 0, 1}, {400, 1, 255}, {624, 0, 255}, {624, 1, 1}, {512, 0, 127}, {512, 1, 128}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.left << " fast right " << c.fastRightSide);
    UsePageOnWindow(c.fastRightSide);
    for (const wchar_t* slider : {L"ColorBreatheSliderImage", L"ColorRainbowSliderImage", L"ColorPulsatingSliderImage"})
      Image(slider).SetLeft(c.left);
    page->RecomputeLEDSpeeds();
    const led::LedPageValues values = page->Values();
    EXPECT_EQ(values.breatheSpeed, c.speed);
    EXPECT_EQ(values.rainbowSpeed, c.speed);
    EXPECT_EQ(values.multiBreatheSpeed, c.speed);
  }
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(LedPageTest, PageButtonAppliesThePageOrOpensTheDialog) {
  struct Case {
    int pageMode;
    void (CLedPage::*click)();
    int dialogs;
    bool applied;
  };
  const Case cases[] = {
      {1, &CLedPage::PageLEDClick, 0, true},  {2, &CLedPage::PageLEDClick, 1, false},
      {0, &CLedPage::PageLEDClick, 0, false},  // the image does nothing for mode 0 ...
      {0, &CLedPage::PageLEDLabelClick, 1, false},  // ... its label opens the dialog
      {1, &CLedPage::PageLEDLabelClick, 0, true},  {2, &CLedPage::PageLEDLabelClick, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "page mode " << c.pageMode);
    page = std::make_unique<CLedPage>(*context, *host);
    page->TakeSkinValues(c.pageMode, 0);
    page->ColorLEDOffCheckImageClick();  // LED OFF chosen: an applied page sends mode 1
    SdkCalls();
    host->dialogs = 0;
    (page.get()->*c.click)();
    EXPECT_EQ(host->dialogs, c.dialogs);
    EXPECT_EQ(SdkCalls(), c.applied ? Lines{Mode(1, 1)} : Lines{});
  }
}

TEST_F(LedPageTest, AppliedPageKeepsEachSliderOnItsBar) {
  TempFolder folder;
  const std::wstring profile = folder.File(L"p.ini");
  WriteProfileString(profile, L"LED", L"LEDBreatheSliderPos", L"12");
  WriteProfileString(profile, L"LED", L"LEDRainbowSliderPos", L"500");
  UsePageOnWindow();
  page->LoadLEDUI(profile);
  page->ApplyLEDPage();
  EXPECT_EQ(Image(L"ColorBreatheSliderImage").Left(), 400);
  EXPECT_EQ(Image(L"ColorRainbowSliderImage").Left(), 500);
  EXPECT_EQ(Image(L"ColorPulsatingSliderImage").Left(), 400);
}

TEST_F(LedPageTest, ProfileKeysReplaceOnlyTheMembersTheyHold) {
  TempFolder folder;
  const std::wstring profile = folder.File(L"p.ini");
  for (const auto& [key, value] : std::vector<std::pair<const wchar_t*, const wchar_t*>>{
           {L"LEDPageMode", L"1"}, {L"LEDEffectMode", L"3"}, {L"LEDRainbowSpeed", L"77"},
           {L"LEDBreatheSpeed", L""},  // empty counts as missing
           {L"LEDColor2RGB", L"1193046"}, {L"LEDSingleColorRGB", L"65280"}, {L"LEDFastRightSide", L"1"}})
    WriteProfileString(profile, L"LED", key, value);
  page->LoadLEDUI(profile);
  const led::LedPageValues v = page->Values();
  EXPECT_EQ(v.pageMode, 1);
  EXPECT_EQ(v.effectMode, 3);
  EXPECT_EQ(v.rainbowSpeed, 77);
  EXPECT_EQ(v.colours[1], 1193046);
  EXPECT_EQ(v.singleColorRgb, 65280);
  EXPECT_EQ(v.fastRightSide, 1);
  EXPECT_EQ(Shape(152).BrushColor(), static_cast<COLORREF>(1193046));
  EXPECT_EQ(Shape(184).BrushColor(), static_cast<COLORREF>(65280));
  // Untouched: the defaults of the members whose keys are missing or empty.
  const led::LedPageValues defaults;
  EXPECT_EQ(v.off, defaults.off);
  EXPECT_EQ(v.singleColor, defaults.singleColor);
  EXPECT_EQ(v.breatheSpeed, defaults.breatheSpeed);
  EXPECT_EQ(v.multiBreatheSpeed, defaults.multiBreatheSpeed);
  EXPECT_EQ(v.sliderPos, defaults.sliderPos);
  EXPECT_EQ(v.breatheColorRgb, defaults.breatheColorRgb);
  EXPECT_EQ(v.colours[0], defaults.colours[0]);
  EXPECT_EQ(v.colours[6], defaults.colours[6]);
  const std::vector<std::wstring> requests = controls->TakeRequests();
  EXPECT_NE(std::find(requests.begin(), requests.end(), L"ColorPulsatingCheckImage=ColorPulsatingCheckDownImage"),
            requests.end());
  // Reading sends nothing by itself.
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(LedPageTest, ASkinLoadResetsTheNineColours) {
  TempFolder folder;
  const std::wstring profile = folder.File(L"p.ini");
  WriteProfileString(profile, L"LED", L"LEDColor5RGB", L"1");
  WriteProfileString(profile, L"LED", L"LEDBreatheColorRGB", L"2");
  page->LoadLEDUI(profile);
  page->TakeSkinValues(1, 1);
  for (const wchar_t* key : {L"Color05Shape", L"ColorBreatheShape"}) page->ApplyShapeDefaultColour(key);
  const led::LedPageValues v = page->Values();
  EXPECT_EQ(v.colours, led::kDefaultLedColours);
  EXPECT_EQ(v.breatheColorRgb, 255);
  EXPECT_EQ(v.pageMode, 1);
  EXPECT_EQ(v.fastRightSide, 1);
  EXPECT_EQ(Shape(155).BrushColor(), static_cast<COLORREF>(16711935));
  EXPECT_EQ(Shape(183).BrushColor(), static_cast<COLORREF>(255));
}

}  // namespace
}  // namespace vorma::test
