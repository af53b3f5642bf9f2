// How skin values are cut into items and how their numbers are read.

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "panel/shell/skin/SkinItems.h"

namespace vorma::shell {
namespace {

struct SplitCase {
  std::wstring value;
  std::vector<std::wstring> items;
};

TEST(SkinItemsTest, EveryCommaSeparatesAndQuotedItemsKeepTheirCommas) {
  const SplitCase cases[] = {
      {L"", {}},
      {L"pic.bmp", {L"pic.bmp"}},
      {L"pic.bmp,10,20", {L"pic.bmp", L"10", L"20"}},
      {L" pic.bmp , 10", {L" pic.bmp ", L" 10"}},
      {L"a,,b", {L"a", L"", L"b"}},
      {L"a,", {L"a", L""}},
      {L",", {L"", L""}},
      {L",5", {L"", L"5"}},
      {L"\"my, pic.bmp\",1", {L"my, pic.bmp", L"1"}},
      {L"\"say \"\"hi\"\"\",2", {L"say \"hi\"", L"2"}},
      {L"\"\",3", {L"", L"3"}},
      {L"\"never closed,4", {L"never closed,4"}},
      {L"\"q\"tail,5", {L"q", L"5"}},
      {L"a\"b,6", {L"a\"b", L"6"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitSkinItems(c.value), c.items) << "value: " << std::string(c.value.begin(), c.value.end());
}

TEST(SkinItemsTest, PictureNumbersTakeLeadingDigitsLayoutNumbersMustBeWhole) {
  EXPECT_EQ(LeadingDigitsValue(L"12px"), 12);
  EXPECT_EQ(LeadingDigitsValue(L"px"), 0);
  EXPECT_EQ(LeadingDigitsValue(L" 12"), 0);
  EXPECT_EQ(LeadingDigitsValue(L"99999999999"), INT_MAX);

  const std::pair<std::wstring, std::optional<int>> strict[] = {
      {L"12", 12},          {L" -7 ", -7},        {L"+3", 3},
      {L"-2147483648", INT_MIN}, {L"2147483647", INT_MAX}, {L"2147483648", std::nullopt},
      {L"12a", std::nullopt}, {L"", std::nullopt},  {L" ", std::nullopt},
      {L"0x10", std::nullopt}, {L"$10", std::nullopt}, {L"1 2", std::nullopt},
  };
  for (const auto& [text, value] : strict)
    EXPECT_EQ(StrictIntegerValue(text), value) << std::string(text.begin(), text.end());
  EXPECT_EQ(NotAnIntegerText(L"abc"), L"'abc' is not a valid integer value");
}

}  // namespace
}  // namespace vorma::shell
