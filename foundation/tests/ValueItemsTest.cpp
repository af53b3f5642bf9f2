// The comma item rule and the strict integer syntax of Language.ini values.

#include <gtest/gtest.h>

#include "panel/shell/language/ValueItems.h"

namespace vorma::shell {
namespace {

TEST(ValueItemsTest, SplitsAtEveryCommaKeepingSpacesAndUnquoting) {
  struct Case {
    const wchar_t* value;
    std::vector<std::wstring> items;
  };
  const Case cases[] = {
      {L"", {}},
      {L"Equalizer", {L"Equalizer"}},
      {L"Sound Effect, 255", {L"Sound Effect", L" 255"}},
      {L"EQ,,,Arial,9", {L"EQ", L"", L"", L"Arial", L"9"}},
      {L"EQ,", {L"EQ", L""}},
      {L",", {L"", L""}},
      {L"\"Save, load\",255", {L"Save, load", L"255"}},
      {L"\"Say \"\"hi\"\"\",1", {L"Say \"hi\"", L"1"}},
      {L" \"quoted\"", {L" \"quoted\""}},  // a quote after a space is text
      {L"\"open,ended", {L"open,ended"}},
      {L"\"ab\"cd,e", {L"abcd", L"e"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitValueItems(c.value), c.items) << c.value;
  }
}

TEST(ValueItemsTest, StrictIntegersAcceptOnlyWholeNumbers) {
  struct Case {
    const wchar_t* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {L"0", 0},
      {L"255", 255},
      {L" 255", 255},
      {L"-16", -16},
      {L"+7", 7},
      {L"$FF", 255},
      {L"0x00FF00", 0x00FF00},
      {L"$FF00000F", static_cast<std::int32_t>(0xFF00000F)},
      {L"2147483647", 2147483647},
      {L"-2147483648", INT32_MIN},
      {L"", std::nullopt},
      {L" ", std::nullopt},
      {L"-", std::nullopt},
      {L"$", std::nullopt},
      {L"12a", std::nullopt},
      {L" 255 ", 255},
      {L"2 55", std::nullopt},
      {L"- 5", std::nullopt},
      {L"1.5", std::nullopt},
      {L"red", std::nullopt},
      {L"2147483648", std::nullopt},
      {L"$100000000", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseStrictInteger(c.text), c.value) << '"' << testing::PrintToString(std::wstring(c.text)) << '"';
  }
  EXPECT_EQ(NotAnIntegerMessage(L"red"), L"'red' is not a valid integer value");
}

}  // namespace
}  // namespace vorma::shell
