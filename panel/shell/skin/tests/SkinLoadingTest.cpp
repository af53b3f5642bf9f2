// Reading SkinSetting.ini: the picture key table, the item rule with the old-layout offsets, the
// layout values with their defaults, and a load that stops at a layout item that is no number.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "panel/shell/skin/SkinLoading.h"
#include "panel/shell/skin/tests/SkinFixtures.h"
#include "tests/support/DebugLines.h"
#include "tests/support/TestFiles.h"

namespace vorma::shell {
namespace {

using vorma::test::TempFolder;

const PictureKey& KeyNamed(std::wstring_view name) {
  for (const PictureKey& key : PictureKeys())
    if (key.key == name) return key;
  throw std::runtime_error("no such key");
}

TEST(SkinKeyTableTest, HoldsTheWindowsKeysOnceEachThenTheUnusedOnes) {
  const auto keys = PictureKeys();
  std::set<std::pair<std::wstring_view, std::wstring_view>> seen;
  size_t used = 0;
  for (const PictureKey& key : keys) {
    EXPECT_TRUE(seen.emplace(key.section, key.key).second) << test::Narrow(key.key);
    if (key.usedByControls) ++used;
  }
  EXPECT_EQ(used, kUsedPictureKeyCount);
  // The used keys come first, in reading order; the About logo shares its key with [Main]'s.
  EXPECT_TRUE(keys[kUsedPictureKeyCount - 1].usedByControls);
  EXPECT_EQ(keys.front().key, L"MainFormImage");
  EXPECT_EQ(keys[kUsedPictureKeyCount - 1].key, L"VMFunctionDownImage");
  EXPECT_EQ(keys[kUsedPictureKeyCount - 1].section, L"RuvavIzezo");
  EXPECT_EQ(keys.back().key, L"VirtualPanel");
  // Default pages, including the lower bars that belong to every page.
  const std::pair<std::wstring_view, int> pages[] = {
      {L"MainFormImage", 0},      {L"Back_EQImage", 1},        {L"EQ60HzBarDownImage", 0},
      {L"EQ12000HzBarDownImage", 0}, {L"Back_3DImage", 5},     {L"EffectPicNonImage", 2},
      {L"MicBarImage", 3},        {L"MicBarDownImage", 0},     {L"VirtualSUBImage", 4},
      {L"PageLEDDownImage", 0},   {L"ColorSingleCheckDownImage", 6}, {L"ENCValueImage", 7},
      {L"VMEffect4UpImage", 8},   {L"EffectPanel", 2},         {L"MicPanel", 3}};
  for (const auto& [key, page] : pages) EXPECT_EQ(KeyNamed(key).defaultPage, page) << test::Narrow(key);
}

struct PictureCase {
  std::wstring key;
  std::wstring value;
  int oldVersion;
  ImageAtt expected;
};

ImageAtt Att(std::wstring name, int left, int top, int width, int height, int page, int hasLeft, int hasTop,
             int hasWidth, int hasHeight) {
  ImageAtt a;
  a.Name = std::move(name);
  a.Left = left;
  a.Top = top;
  a.Width = width;
  a.Height = height;
  a.Page = page;
  a.HasLeft = static_cast<std::uint8_t>(hasLeft);
  a.HasTop = static_cast<std::uint8_t>(hasTop);
  a.HasWidth = static_cast<std::uint8_t>(hasWidth);
  a.HasHeight = static_cast<std::uint8_t>(hasHeight);
  return a;
}

TEST(SkinLoadingTest, PictureItemsFillTheRecordWithOldLayoutOffsetsOnPagePictures) {
  const std::wstring longName(70, L'n');
  const PictureCase cases[] = {
      {L"Back_EQImage", L"", 0, Att(L"", 0, 0, 0, 0, 1, 0, 0, 0, 0)},
      {L"Back_EQImage", L"eq.bmp", 0, Att(L"eq.bmp", 0, 0, 0, 0, 1, 0, 0, 0, 0)},
      {L"Back_EQImage", L"eq.bmp,10,20,30,40,3", 0, Att(L"eq.bmp", 10, 20, 30, 40, 3, 1, 1, 1, 1)},
      {L"Back_EQImage", L"eq.bmp,,20,,40", 0, Att(L"eq.bmp", 0, 20, 0, 40, 1, 0, 1, 0, 1)},
      {L"Back_EQImage", L"eq.bmp,10px,abc", 0, Att(L"eq.bmp", 10, 0, 0, 0, 1, 1, 1, 0, 0)},
      {L"Back_EQImage", L",5", 0, Att(L"", 5, 0, 0, 0, 1, 1, 0, 0, 0)},
      {L"Back_EQImage", L"eq.bmp,1,2,3,4,,9,9", 0, Att(L"eq.bmp", 1, 2, 3, 4, 1, 1, 1, 1, 1)},
      {L"Back_EQImage", longName + L",1", 0, Att(longName.substr(0, 63), 1, 0, 0, 0, 1, 1, 0, 0, 0)},
      // Old layout: page pictures move by 392/104, also with an explicit page; [Main] pictures and
      // the lower bars (default page 0) stay; an absent position is not invented.
      {L"Back_EQImage", L"eq.bmp,10,20", 1, Att(L"eq.bmp", 402, 124, 0, 0, 1, 1, 1, 0, 0)},
      {L"Back_EQImage", L"eq.bmp,10,20,,,0", 1, Att(L"eq.bmp", 402, 124, 0, 0, 0, 1, 1, 0, 0)},
      {L"MainFormImage", L"main.bmp,10,20", 1, Att(L"main.bmp", 10, 20, 0, 0, 0, 1, 1, 0, 0)},
      {L"EQ60HzBarDownImage", L"bar.bmp,10,20", 1, Att(L"bar.bmp", 10, 20, 0, 0, 0, 1, 1, 0, 0)},
      {L"VMFunctionUpImage", L"vm.bmp,,20", 1, Att(L"vm.bmp", 0, 124, 0, 0, 8, 0, 1, 0, 0)},
      // A position the offset would push past the largest int is a bad number, read as 0 like any
      // other, never wrapped far off-screen; the same positions stay as they are without the offset.
      {L"Back_EQImage", L"eq.bmp,2147483600,2147483600", 1, Att(L"eq.bmp", 392, 104, 0, 0, 1, 1, 1, 0, 0)},
      {L"Back_EQImage", L"eq.bmp,2147483255,2147483543", 1,
       Att(L"eq.bmp", 2147483647, 2147483647, 0, 0, 1, 1, 1, 0, 0)},
      {L"Back_EQImage", L"eq.bmp,2147483600,99999999999", 0,
       Att(L"eq.bmp", 2147483600, 2147483647, 0, 0, 1, 1, 1, 0, 0)},
  };
  for (const PictureCase& c : cases) {
    const ImageAtt got = ParseImageAtt(c.value, KeyNamed(c.key), c.oldVersion);
    SCOPED_TRACE(test::Narrow(c.key + L"=" + c.value));
    EXPECT_EQ(got.Name, c.expected.Name);
    EXPECT_EQ(std::vector({got.Left, got.Top, got.Width, got.Height, got.Page}),
              std::vector({c.expected.Left, c.expected.Top, c.expected.Width, c.expected.Height, c.expected.Page}));
    EXPECT_EQ(std::vector({got.HasLeft, got.HasTop, got.HasWidth, got.HasHeight}),
              std::vector({c.expected.HasLeft, c.expected.HasTop, c.expected.HasWidth, c.expected.HasHeight}));
  }
}

class SkinLoadTest : public ::testing::Test {
protected:
  TempFolder skin_;
  SkinSetting setting_;
};

TEST_F(SkinLoadTest, ReadsRecordsAndLayoutValuesFromTheFile) {
  test::WriteSkinSetting(skin_,
                         "[Main]\r\nMainFormImage=main.bmp\r\nLogoImage=logo.bmp,16,10\r\nBevelLine=1\r\n"
                         "[About]\r\nLogoImage=about.bmp\r\n"
                         "[Mic]\r\nMicSlider=150,80\r\nMicProgressLength=180\r\nMicPanel=panel.bmp\r\n"
                         "[Virtual7ch1]\r\nVirtualCenter=500,300,100\r\n"
                         "[LED]\r\nLEDPageMode=1\r\nLEDFastRightSide=2\r\nColor01Shape=10,20,30,40\r\n"
                         "ColorBreatheShape=5,6\r\n"
                         "[ENC]\r\nENCSlider=120,200\r\n");
  const SkinLoadResult result = LoadSkinSetting(setting_, skin_.Path(), 0);
  ASSERT_TRUE(result.ok) << test::Narrow(result.error);
  EXPECT_EQ(setting_.Record(L"MainFormImage").Name, L"main.bmp");
  EXPECT_EQ(setting_.Record(L"LogoImage").Name, L"logo.bmp");
  EXPECT_EQ(setting_.Record(L"About", L"LogoImage").Name, L"about.bmp");
  EXPECT_EQ(setting_.Record(L"MicPanel").Name, L"panel.bmp");
  EXPECT_EQ(setting_.Record(L"Back_EQImage").Page, 1);
  const SkinLayout& layout = setting_.layout;
  // EQSlider is empty: the defaults.
  EXPECT_EQ(layout.eqSlider.top, 200);
  EXPECT_EQ(layout.eqSlider.range, 120);
  EXPECT_EQ(layout.micSlider.top, 150);
  EXPECT_EQ(layout.micSlider.range, 80);
  EXPECT_EQ(layout.micProgressLength, 180);
  EXPECT_EQ(std::vector({layout.virtualCenter.x, layout.virtualCenter.y, layout.virtualCenter.radius,
                         layout.virtualCenter.oldRadius}),
            std::vector({500, 300, 100, 110}));
  EXPECT_EQ(std::vector({layout.bevelLine, layout.bevelLine2, layout.bevelLine3}), std::vector({1, 0, 1}));
  EXPECT_EQ(layout.ledPageMode, 1);
  EXPECT_EQ(layout.ledFastRightSide, 2);
  EXPECT_EQ(layout.colorShapes[0].key, L"Color01Shape");
  EXPECT_EQ(layout.colorShapes[0].width, 30);
  EXPECT_EQ(layout.colorShapes[8].key, L"ColorBreatheShape");
  EXPECT_EQ(layout.colorShapes[8].top, 6);
  EXPECT_FALSE(layout.colorShapes[8].width.has_value());
  EXPECT_FALSE(layout.colorShapes[1].left.has_value());
  EXPECT_EQ(layout.encSlider.top, 120);
  EXPECT_EQ(layout.encSlider.range, 200);

  // The next skin starts from empty records; its radius is rescaled from this one's.
  test::WriteSkinSetting(skin_, "[Virtual7ch1]\r\nVirtualCenter=400,200,50\r\n");
  ASSERT_TRUE(LoadSkinSetting(setting_, skin_.Path(), 0).ok);
  EXPECT_TRUE(setting_.Record(L"MainFormImage").Name.empty());
  EXPECT_EQ(setting_.Record(L"Back_EQImage").Page, 1);
  EXPECT_EQ(setting_.layout.virtualCenter.radius, 50);
  EXPECT_EQ(setting_.layout.virtualCenter.oldRadius, 100);
  EXPECT_EQ(setting_.layout.micSlider.top, 208);
  EXPECT_EQ(setting_.layout.encSlider.top, 120);  // an empty ENCSlider keeps the range
}

struct LayoutCase {
  const char* ini;
  int oldVersion;
  SliderRange eq;
  SliderRange mic;
  SpeakerCircle centre;
};

TEST_F(SkinLoadTest, LayoutDefaultsAndOldLayoutOffsets) {
  const LayoutCase cases[] = {
      {"", 0, {200, 120}, {208, 120}, {560, 251, 110, 110}},
      {"", 1, {304, 120}, {312, 120}, {560, 251, 110, 110}},
      {"[EQ]\r\nEQSlider=150,100\r\n[Virtual7ch1]\r\nVirtualCenter=500,300,90\r\n", 1, {254, 100}, {312, 120},
       {892, 404, 90, 110}},
      // A value with fewer items takes the defaults for the rest.
      {"[EQ]\r\nEQSlider=150\r\n[Virtual7ch1]\r\nVirtualCenter=500\r\n", 0, {150, 120}, {208, 120},
       {500, 251, 110, 110}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.ini);
    SkinSetting setting;
    test::WriteSkinSetting(skin_, c.ini);
    ASSERT_TRUE(LoadSkinSetting(setting, skin_.Path(), c.oldVersion).ok);
    const SkinLayout& l = setting.layout;
    EXPECT_EQ(std::vector({l.eqSlider.top, l.eqSlider.range, l.micSlider.top, l.micSlider.range}),
              std::vector({c.eq.top, c.eq.range, c.mic.top, c.mic.range}));
    EXPECT_EQ(std::vector({l.virtualCenter.x, l.virtualCenter.y, l.virtualCenter.radius, l.virtualCenter.oldRadius}),
              std::vector({c.centre.x, c.centre.y, c.centre.radius, c.centre.oldRadius}));
  }
}

TEST_F(SkinLoadTest, MissingFileGivesEmptyRecordsAndDefaults) {
  setting_.layout.micProgressLength = 1;
  const SkinLoadResult result = LoadSkinSetting(setting_, skin_.File(L"NoSuchSkin\\"), 0);
  EXPECT_TRUE(result.ok);
  for (const ImageAtt& record : setting_.Records()) EXPECT_TRUE(record.Name.empty());
  EXPECT_EQ(setting_.layout.micProgressLength, 203);
  EXPECT_EQ(setting_.layout.bevelLine3, 1);
}

TEST_F(SkinLoadTest, ANonNumericLayoutItemStopsTheLoadAtItsKey) {
  setting_.layout.micProgressLength = 999;
  setting_.layout.ledPageMode = 7;
  test::WriteSkinSetting(skin_,
                         "[Main]\r\nMainFormImage=main.bmp\r\n[RuvavIzezo]\r\nVMFunctionDownImage=vm.bmp\r\n"
                         "[EQ]\r\nEQSlider=150,100\r\n[Mic]\r\nMicSlider=12,abc\r\nMicProgressLength=100\r\n"
                         "[LED]\r\nLEDPageMode=1\r\n");
  int resets = 0;
  SkinLoadHooks hooks;
  hooks.resetLedColorTable = [&resets] { ++resets; };
  vorma::test::DebugLineRecorder lines;
  const SkinLoadResult result = LoadSkinSetting(setting_, skin_.Path(), 0, hooks);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, L"'abc' is not a valid integer value");
  EXPECT_EQ(result.section, L"Mic");
  EXPECT_EQ(result.key, L"MicSlider");
  EXPECT_TRUE(lines.Contains(L"***** LoadSkinSetting [Mic] MicSlider: 'abc' is not a valid integer value FAIL! *****\n"));
  // What was read before stays, what comes after is not read.
  EXPECT_EQ(setting_.Record(L"MainFormImage").Name, L"main.bmp");
  EXPECT_EQ(setting_.Record(L"VMFunctionDownImage").Name, L"vm.bmp");
  EXPECT_EQ(setting_.layout.eqSlider.top, 150);
  EXPECT_EQ(setting_.layout.micProgressLength, 999);
  EXPECT_EQ(setting_.layout.ledPageMode, 7);
  EXPECT_EQ(resets, 0);

  // An empty item is no number either.
  test::WriteSkinSetting(skin_, "[LED]\r\nColor03Shape=1,,3,4\r\n");
  const SkinLoadResult empty = LoadSkinSetting(setting_, skin_.Path(), 0, hooks);
  EXPECT_EQ(empty.error, L"'' is not a valid integer value");
  EXPECT_EQ(empty.key, L"Color03Shape");
}

TEST_F(SkinLoadTest, AnOldLayoutOffsetBeyondTheLargestIntStopsTheLoadAtItsKey) {
  struct Case {
    const char* ini;
    const wchar_t* key;
    const wchar_t* error;
  } cases[] = {
      {"[EQ]\r\nEQSlider=2147483600,120\r\n", L"EQSlider", L"'2147483600' is not a valid integer value"},
      {"[Mic]\r\nMicSlider=2147483544\r\n", L"MicSlider", L"'2147483544' is not a valid integer value"},
      {"[Virtual7ch1]\r\nVirtualCenter=2147483256,10,90\r\n", L"VirtualCenter",
       L"'2147483256' is not a valid integer value"},
      {"[Virtual7ch1]\r\nVirtualCenter=10, 2147483600 ,90\r\n", L"VirtualCenter",
       L"' 2147483600 ' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    SkinSetting setting;
    test::WriteSkinSetting(skin_, c.ini);
    const SkinLoadResult result = LoadSkinSetting(setting, skin_.Path(), 1);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.key, c.key);
    EXPECT_EQ(result.error, c.error);
    // The same values in the current layout are in range.
    EXPECT_TRUE(LoadSkinSetting(setting, skin_.Path(), 0).ok);
  }
}

TEST_F(SkinLoadTest, LedColourStepsRunInReadingOrderOrReportThatTheyAreMissing) {
  std::vector<std::wstring> calls;
  SkinLoadHooks hooks;
  hooks.resetLedColorTable = [&calls] { calls.push_back(L"reset"); };
  hooks.applyShapeDefaultColor = [&calls](std::wstring_view key) { calls.emplace_back(key); };
  ASSERT_TRUE(LoadSkinSetting(setting_, skin_.Path(), 0, hooks).ok);
  EXPECT_EQ(calls, (std::vector<std::wstring>{L"reset", L"Color01Shape", L"Color02Shape", L"Color03Shape",
                                               L"Color04Shape", L"Color05Shape", L"Color06Shape", L"Color07Shape",
                                               L"ColorSingleShape", L"ColorBreatheShape"}));

  vorma::test::DebugLineRecorder lines;
  ASSERT_TRUE(LoadSkinSetting(setting_, skin_.Path(), 0).ok);
  EXPECT_TRUE(lines.Contains(L"[LoadSkinSetting] LED colour table not built: its reset is skipped\n"));
  EXPECT_TRUE(lines.Contains(L"[LoadSkinSetting] LED colour table not built: colour shapes keep their colours\n"));
}

TEST(SkinSettingTest, KeylessPageLeftRecordsAreEmptyAndUnknownKeysAreReported) {
  SkinSetting setting;
  setting.Records()[15].Name = L"left1.bmp";  // MainLeftImage1
  ASSERT_EQ(PictureKeys()[15].key, L"MainLeftImage1");
  EXPECT_EQ(setting.MainLeftRecord(1).Name, L"left1.bmp");
  for (int page : {6, 7, 8}) EXPECT_EQ(&setting.MainLeftRecord(page), &SkinSetting::EmptyRecord());
  vorma::test::DebugLineRecorder lines;
  EXPECT_TRUE(setting.Record(L"NoSuchImage").Name.empty());
  EXPECT_TRUE(lines.Contains(L"[SkinSetting::Record] no picture key NoSuchImage\n"));
}

}  // namespace
}  // namespace vorma::shell
