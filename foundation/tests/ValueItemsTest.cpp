// The comma item rule and the integer conversions shared by SkinSetting.ini, Language.ini and
// AudioConfig.cfg values.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/ValueItems.h"

namespace vorma {
namespace {

TEST(ValueItemsTest, SplitsAtEveryCommaKeepingSpacesAndUnquoting) {
  struct Case {
    const wchar_t* value;
    std::vector<std::wstring> items;
  };
  const Case cases[] = {
      {L"", {}},
      {L"CEqualizerPage", {L"CEqualizerPage"}},
      {L"pic.bmp,10,20", {L"pic.bmp", L"10", L"20"}},
      {L" pic.bmp , 10", {L" pic.bmp ", L" 10"}},
      {L"Sound Effect, 255", {L"Sound Effect", L" 255"}},
      {L"EQ,,,Arial,9", {L"EQ", L"", L"", L"Arial", L"9"}},
      {L"EQ,", {L"EQ", L""}},
      {L",", {L"", L""}},
      {L",5", {L"", L"5"}},
      {L"\"Save, load\",255", {L"Save, load", L"255"}},
      {L"\"Say \"\"hi\"\"\",1", {L"Say \"hi\"", L"1"}},
      {L"\"\",3", {L"", L"3"}},
      {L"\"\"", {L""}},
      {L" \"quoted\"", {L" \"quoted\""}},  // a quote after a space is text
      {L"a\"b,6", {L"a\"b", L"6"}},        // so is a quote inside an item
      {L"\"open,ended", {L"open,ended"}},
      {L"\"open \"\"ended,7", {L"open \"ended,7"}},
      // The quoted item ends at its quote; the rest up to the comma is an item of its own.
      {L"\"ab\"cd,e", {L"ab", L"cd", L"e"}},
      {L"\"q\"tail", {L"q", L"tail"}},
      {L"\"a\",", {L"a", L""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitValueItems(c.value), c.items) << testing::PrintToString(std::wstring(c.value));
  }
}

TEST(ValueItemsTest, LenientIntegersTakeTheLeadingDigits) {
  struct Case {
    const wchar_t* text;
    int value;
  };
  const Case cases[] = {
      {L"12", 12}, {L"12px", 12}, {L"px", 0}, {L"", 0}, {L" 12", 0}, {L"-5", 0}, {L"99999999999", INT_MAX},
  };
  for (const Case& c : cases) EXPECT_EQ(LenientInteger(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
}

TEST(ValueItemsTest, StrictIntegersAcceptOnlyWholeNumbers) {
  struct Case {
    const wchar_t* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {L"0", 0},
      {L"12", 12},
      {L"255", 255},
      {L" 255", 255},
      {L" 255 ", 255},
      {L"\t5", 5},
      {L" -7 ", -7},
      {L"-16", -16},
      {L"+7", 7},
      {L"$FF", 255},
      {L"0x00FF00", 0x00FF00},
      {L"0X1f", 31},
      {L"-$10", -16},
      {L"$FF00000F", static_cast<std::int32_t>(0xFF00000F)},
      {L"2147483647", INT32_MAX},
      {L"-2147483648", INT32_MIN},
      {L"", std::nullopt},
      {L" ", std::nullopt},
      {L"-", std::nullopt},
      {L"$", std::nullopt},
      {L"0x", std::nullopt},
      {L"$G", std::nullopt},
      {L"12a", std::nullopt},
      {L"1 2", std::nullopt},
      {L"- 5", std::nullopt},
      {L"1.5", std::nullopt},
      {L"red", std::nullopt},
      {L"2147483648", std::nullopt},
      {L"-2147483649", std::nullopt},
      {L"$100000000", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseStrictInteger(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
  }
  EXPECT_EQ(NotAnIntegerMessage(L"red"), L"'red' is not a valid integer value");
}

}  // namespace
}  // namespace vorma
