#pragma once
// How the panel's text values are taken apart and converted, one rule for every file that holds
// them (SkinSetting.ini, Language.ini, AudioConfig.cfg): the comma-separated item rule and the
// lenient and strict integer conversions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorma {

// Splits a value at every comma. Spaces belong to the items and empty items count, so "a,,b," has
// four. An item that begins with a double quote runs to the matching quote (a doubled quote inside
// stands for one) and is unquoted; an unclosed quote runs to the end of the value. Text between a
// closing quote and the next comma starts an item of its own. An empty value has no items.
std::vector<std::wstring> SplitValueItems(std::wstring_view value);

// The value of the text's leading decimal digits (at most the largest int); 0 when it does not
// start with a digit.
int LenientInteger(std::wstring_view text);

// The strict integer syntax: blanks around it, an optional sign, then decimal digits or
// hexadecimal digits after "$" or "0x". Anything else, an empty text or a value outside 32 bits
// is no integer. Hexadecimal values are 32-bit patterns, so "$FF00000F" is negative.
std::optional<std::int32_t> ParseStrictInteger(std::wstring_view text);

// value + offset, or none when the sum does not fit 32 bits (a layout offset never wraps a
// position around to the other end of the screen).
std::optional<std::int32_t> OffsetInteger(std::int32_t value, std::int32_t offset);

// The conversion error shown for a text that is not an integer: "'<text>' is not a valid integer
// value".
std::wstring NotAnIntegerMessage(std::wstring_view text);

}  // namespace vorma
