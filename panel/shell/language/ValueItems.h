#pragma once
// How Language.ini values are taken apart: the comma-separated item rule and the strict integer
// conversion the label records use.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::shell {

// Splits a value at every comma. Spaces belong to the items; an item that begins with a double
// quote runs to the matching quote (a doubled quote inside stands for one) and is unquoted; empty
// items count, so "a,,b," has four. An empty value has no items.
std::vector<std::wstring> SplitValueItems(std::wstring_view value);

// The strict integer syntax: blanks around it, an optional sign, then decimal digits or
// hexadecimal digits after "$" or "0x". Anything else, an empty text or a value outside 32 bits
// is no integer. Hexadecimal values are 32-bit patterns, so "$FF00000F" is negative.
std::optional<std::int32_t> ParseStrictInteger(std::wstring_view text);

// The conversion error shown for a text that is not an integer: "'<text>' is not a valid integer
// value".
std::wstring NotAnIntegerMessage(std::wstring_view text);

}  // namespace vorma::shell
