// Reading Language.ini into the label records: the ten items, the [GlobalFont] values, the old
// layout offsets, conversion errors and a missing file.

#include <gtest/gtest.h>

#include "panel/shell/language/LanguageSetting.h"
#include "tests/support/TestFiles.h"

#include <set>

namespace vorma::shell {
namespace {

class LanguageSettingTest : public ::testing::Test {
protected:
  LanguageLoadResult Load(std::string_view ini, int oldVersion = 0) {
    folder_.WriteBytes(L"Language.ini", ini);
    return LoadLanguageSetting(folder_.Path(), oldVersion, setting_);
  }
  const LabelAtt& R(std::wstring_view key) {
    const LabelAtt* record = setting_.Record(key);
    EXPECT_NE(record, nullptr) << testing::PrintToString(std::wstring(key));
    static const LabelAtt kNone;
    return record ? *record : kNone;
  }

  test::TempFolder folder_;
  LanguageSetting setting_;
};

TEST(LanguageKeysTest, EightyLabelKeysEachNamedOnce) {
  std::set<std::wstring_view> keys;
  for (const LanguageKey& key : LanguageKeys()) keys.insert(key.key);
  EXPECT_EQ(keys.size(), kLanguageKeyCount);
  EXPECT_EQ(LanguageKeyIndex(L"LableEQ3DEnable"), 26u);
  EXPECT_EQ(LanguageKeyIndex(L"LabelEQ3DEnable"), kLanguageKeyCount);
  EXPECT_EQ(LanguageKeys().back().key, L"LabelWarning1");
}

TEST_F(LanguageSettingTest, AllTenItemsFillTheRecord) {
  ASSERT_TRUE(Load("[EQ]\r\nLabelEQS2=Rock,255,65280,Arial,9,10,20,30,40,3,ignored\r\n").Succeeded());
  const LabelAtt& r = R(L"LabelEQS2");
  EXPECT_EQ(r.Text, L"Rock");
  EXPECT_EQ(r.ColorUp, 255);
  EXPECT_EQ(r.ColorDown, 65280);
  EXPECT_EQ(r.Font, L"Arial");
  EXPECT_EQ(r.FontSize, 9);
  EXPECT_EQ(r.Left, 10);
  EXPECT_EQ(r.Top, 20);
  EXPECT_EQ(r.Width, 30);
  EXPECT_EQ(r.Height, 40);
  EXPECT_EQ(r.Page, 3);
  EXPECT_TRUE(r.HasColorUp && r.HasColorDown && r.HasFont && r.HasFontSize && r.HasLeft && r.HasTop && r.HasWidth &&
              r.HasHeight);
}

TEST_F(LanguageSettingTest, EmptyItemsLeaveFieldsUngivenAndPageDefaultsToTheSection) {
  ASSERT_TRUE(Load("[Mic]\r\nLabelMicBoost=\"Boost, +20 dB\",,128,,,,5\r\n[Main]\r\nLabelSync=Sync\r\n").Succeeded());
  const LabelAtt& boost = R(L"LabelMicBoost");
  EXPECT_EQ(boost.Text, L"Boost, +20 dB");
  EXPECT_FALSE(boost.HasColorUp);
  EXPECT_TRUE(boost.HasColorDown);
  EXPECT_EQ(boost.ColorDown, 128);
  EXPECT_FALSE(boost.HasFont || boost.HasFontSize || boost.HasLeft || boost.HasWidth || boost.HasHeight);
  EXPECT_TRUE(boost.HasTop);
  EXPECT_EQ(boost.Page, 3);
  EXPECT_EQ(R(L"LabelSync").Page, 0);
  EXPECT_EQ(R(L"LabelSync").Text, L"Sync");
  EXPECT_EQ(R(L"ColorFastLabel").Page, 6);  // a key the file lacks still gets its section's page
  EXPECT_EQ(R(L"ColorFastLabel").Text, L"");
}

TEST_F(LanguageSettingTest, OldLayoutMovesGivenPositionsOfPageSectionsOnly) {
  struct Case {
    const char* ini;
    const wchar_t* key;
    int oldVersion;
    int left, top;
    bool hasLeft;
  };
  const Case cases[] = {
      {"[EQ]\r\nLabelEQReset=Reset,,,,,10,20\r\n", L"LabelEQReset", 1, 206, 72, true},
      {"[EQ]\r\nLabelEQReset=Reset,,,,,10,20\r\n", L"LabelEQReset", 0, 10, 20, true},
      {"[Main]\r\nLabelSync=Sync,,,,,10,20\r\n", L"LabelSync", 1, 10, 20, true},
      {"[About]\r\nLabelWeb=Web,,,,,10,20\r\n", L"LabelWeb", 1, 10, 20, true},
      // an explicit page 0 does not change the section's rule
      {"[3D]\r\nLabel3DReset=Reset,,,,,10,20,,,0\r\n", L"Label3DReset", 1, 206, 72, true},
      // only given values move
      {"[LED]\r\nColorSlowLabel=Slow,,,,,,20\r\n", L"ColorSlowLabel", 1, 0, 72, false},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(c.ini, c.oldVersion).Succeeded()) << c.ini;
    const LabelAtt& r = R(c.key);
    EXPECT_EQ(r.Left, c.left) << c.ini;
    EXPECT_EQ(r.Top, c.top) << c.ini;
    EXPECT_EQ(r.HasLeft != 0, c.hasLeft) << c.ini;
  }
}

TEST_F(LanguageSettingTest, AnOldLayoutOffsetBeyondTheLargestIntIsAConversionError) {
  struct Case {
    const char* ini;
    const wchar_t* message;
  } cases[] = {
      {"[EQ]\r\nLabelEQEnable=On\r\nLabelEQReset=Reset,,,,,2147483452,20\r\n", L"'2147483452' is not a valid integer value"},
      {"[EQ]\r\nLabelEQEnable=On\r\nLabelEQReset=Reset,,,,,10,$7FFFFFFF\r\n", L"'$7FFFFFFF' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    const LanguageLoadResult result = Load(c.ini, 1);
    EXPECT_EQ(result.key, L"LabelEQReset");
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(R(L"LabelEQEnable").Text, L"On");  // read before the key
    EXPECT_TRUE(Load(c.ini, 0).Succeeded());
  }
  // The largest positions the offsets still reach.
  ASSERT_TRUE(Load("[EQ]\r\nLabelEQReset=Reset,,,,,2147483451,2147483595\r\n", 1).Succeeded());
  EXPECT_EQ(R(L"LabelEQReset").Left, 2147483647);
  EXPECT_EQ(R(L"LabelEQReset").Top, 2147483647);
}

TEST_F(LanguageSettingTest, GlobalFontTakesFirstItemsAndTheWholeFontValue) {
  ASSERT_TRUE(Load("[GlobalFont]\r\nColorUp=255,99\r\nColorDown=$FF00\r\nFont=Arial, Bold\r\nFontSize=11\r\n").Succeeded());
  EXPECT_EQ(setting_.Global().ColorUp, 255);
  EXPECT_EQ(setting_.Global().ColorDown, 0xFF00);
  EXPECT_EQ(setting_.Global().Font, L"Arial, Bold");
  EXPECT_EQ(setting_.Global().FontSize, 11);

  ASSERT_TRUE(Load("[GlobalFont]\r\nColorUp=\r\n").Succeeded());
  EXPECT_EQ(setting_.Global().ColorUp, 0);
  EXPECT_EQ(setting_.Global().ColorDown, 0);
  EXPECT_EQ(setting_.Global().Font, L"");
  EXPECT_EQ(setting_.Global().FontSize, -1);
}

TEST_F(LanguageSettingTest, ConversionErrorStopsTheLoadAtItsKey) {
  const LanguageLoadResult result =
      Load("[Main]\r\nLabelMenu1=Save\r\nLabelSync=Sync,red\r\nLabelSetting=Setting\r\n[About]\r\nLabelAbout=About\r\n");
  EXPECT_FALSE(result.Succeeded());
  EXPECT_EQ(result.section, L"Main");
  EXPECT_EQ(result.key, L"LabelSync");
  EXPECT_EQ(result.message, L"'red' is not a valid integer value");
  EXPECT_EQ(R(L"LabelMenu1").Text, L"Save");  // read before
  EXPECT_EQ(R(L"LabelSetting").Text, L"");    // after
  EXPECT_EQ(R(L"LabelAbout").Text, L"");

  const LanguageLoadResult global = Load("[GlobalFont]\r\nFontSize=big\r\n[Main]\r\nLabelMenu1=Save\r\n");
  EXPECT_EQ(global.key, L"FontSize");
  EXPECT_EQ(global.message, L"'big' is not a valid integer value");
  EXPECT_EQ(R(L"LabelMenu1").Text, L"");

  EXPECT_EQ(Load("[ENC]\r\nLabelENCValue=0,,,,,,,,,two\r\n").message, L"'two' is not a valid integer value");
}

TEST_F(LanguageSettingTest, LoadClearsThePreviousLanguageAndMissingFileLeavesEverythingEmpty) {
  ASSERT_TRUE(Load("[GlobalFont]\r\nColorUp=255\r\n[Main]\r\nLabelMenu1=Save,1,2,Arial,9,1,2,3,4\r\n").Succeeded());
  test::TempFolder empty;
  const LanguageLoadResult result = LoadLanguageSetting(empty.Path(), 0, setting_);
  EXPECT_TRUE(result.Succeeded());
  const LabelAtt& r = R(L"LabelMenu1");
  EXPECT_EQ(r.Text, L"");
  EXPECT_FALSE(r.HasColorUp || r.HasFont || r.HasFontSize || r.HasLeft);
  EXPECT_EQ(setting_.Global().ColorUp, 0);
  EXPECT_EQ(setting_.Global().FontSize, -1);
}

TEST_F(LanguageSettingTest, AnySectionReadsWithTheSameRecordFormat) {
  folder_.WriteBytes(L"Language.ini", "[Setup]\r\nLabelTitle=Setup,255,,Tahoma,9,1,2,3,4\r\nLabelVersion=V,x\r\n");
  LabelAtt record;
  record.Text = L"stale";
  ASSERT_TRUE(ReadLabelRecord(folder_.File(L"Language.ini"), L"Setup", L"LabelTitle", 0, record).Succeeded());
  EXPECT_EQ(record.Text, L"Setup");
  EXPECT_EQ(record.ColorUp, 255);
  EXPECT_EQ(record.Font, L"Tahoma");
  EXPECT_EQ(record.Height, 4);
  EXPECT_EQ(ReadLabelRecord(folder_.File(L"Language.ini"), L"Setup", L"LabelVersion", 0, record).message,
            L"'x' is not a valid integer value");
  ASSERT_TRUE(ReadLabelRecord(folder_.File(L"Language.ini"), L"Setup", L"LabelReboot", 0, record).Succeeded());
  EXPECT_EQ(record.Text, L"");
  EXPECT_FALSE(record.HasColorUp);
}

TEST_F(LanguageSettingTest, Utf16FileKeepsNonLatinTextsAndMessageTexts) {
  const std::wstring text = L"[Main]\r\nLabelWarning=\u8BBE\u5907\u672A\u8FDE\u63A5\r\nLabelMenu1=\u4FDD\u5B58,255\r\n";
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>((c >> 8) & 0xFF);
  }
  ASSERT_TRUE(Load(bytes).Succeeded());
  EXPECT_EQ(setting_.Text(L"LabelWarning"), L"\u8BBE\u5907\u672A\u8FDE\u63A5");
  EXPECT_EQ(setting_.Text(L"LabelMenu1"), L"\u4FDD\u5B58");
  EXPECT_EQ(R(L"LabelMenu1").ColorUp, 255);
  EXPECT_EQ(setting_.Text(L"NoSuchKey"), L"");
}

TEST(LanguageDirectoryTest, JoinsProgramLanguageResolutionAndFolder) {
  EXPECT_EQ(LanguageDirectory(L"C:\\App\\", L"Language", L"1366x768\\", L"English"),
            L"C:\\App\\Language\\1366x768\\English\\");
  EXPECT_EQ(LanguageDirectory(L"C:\\App\\", L"Language", L"", L"English"), L"C:\\App\\Language\\English\\");
}

}  // namespace
}  // namespace vorma::shell
