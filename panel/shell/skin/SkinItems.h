#pragma once
// How a SkinSetting.ini value is cut into items and how its numbers are read. Items are separated
// by every comma; spaces belong to the items; an item that begins with a double quote runs to the
// matching quote (a doubled quote inside stands for one) and empty items count. Picture numbers
// are read leniently (leading digits), layout numbers strictly.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::shell {

// The items of a value; an empty value has none.
std::vector<std::wstring> SplitSkinItems(std::wstring_view value);

// The value of the item's leading decimal digits; 0 when it does not start with a digit.
int LeadingDigitsValue(std::wstring_view item);

// A whole decimal integer (blanks around it and a sign allowed, within the 32-bit range).
std::optional<int> StrictIntegerValue(std::wstring_view item);

// The conversion error a layout item that is no integer gives: "'<item>' is not a valid integer value".
std::wstring NotAnIntegerText(std::wstring_view item);

}  // namespace vorma::shell
