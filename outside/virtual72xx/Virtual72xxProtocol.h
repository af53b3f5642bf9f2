#pragma once
// The request/response protocol of the virtual 72xx bus: one line of text per request and one per
// reply, fields separated by single spaces.
//   request: "<verb> <field> ..."            e.g. "hid.set 3 006020011000..."
//   reply:   "ok <field> ..."  or  "err <win32 code> <text>"
// A field is escaped so that it never holds a space or a line break: '%', ' ', CR and LF become
// "%25", "%20", "%0D", "%0A", and an empty field is the lone "%". Wide text travels as UTF-8,
// byte blocks as lower-case hexadecimal without separators, numbers in decimal.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorma::virtual72xx::protocol {

std::string EscapeField(std::string_view text);
std::string UnescapeField(std::string_view field);

// Splits a line at single spaces and unescapes every field.
std::vector<std::string> SplitFields(std::string_view line);

// Builds a line from fields, escaping each.
std::string JoinFields(const std::vector<std::string>& fields);

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

std::string HexFromBytes(const std::vector<std::uint8_t>& bytes);
// False when the text is not an even number of hexadecimal digits.
bool BytesFromHex(std::string_view hex, std::vector<std::uint8_t>& bytes);

// Whole-text conversions; false on anything that is not a number of the type's range.
bool ParseUnsigned(std::string_view text, std::uint64_t& value);
bool ParseSigned(std::string_view text, std::int64_t& value);

// Reply lines.
std::string OkReply(const std::vector<std::string>& fields = {});
std::string ErrorReply(unsigned long code, std::string_view text);

}  // namespace vorma::virtual72xx::protocol
