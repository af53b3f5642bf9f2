#pragma once
// Turns the bytes of a text file into UTF-16 text by the encoding its byte-order mark names.

#include <string>
#include <string_view>

namespace vorma {

// UTF-8 to UTF-16 for text inside the Basic Multilingual Plane. Lead bytes announce sequences of up
// to six bytes; overlong forms are accepted. False for a bad lead byte, a continuation byte not of
// the form 10xxxxxx, a sequence cut off by the end of the input, or a code point above U+FFFF.
bool DecodeUtf8Bmp(std::string_view bytes, std::wstring& text);

// Detects the byte-order mark (returns the encoding code of IniDocument.h and the mark's length).
int DetectByteOrderMark(std::string_view bytes, size_t& markLength);

// Converts the bytes after the mark to text in the given encoding; false when they cannot be
// decoded in it.
bool DecodeText(int encoding, std::string_view bytes, std::wstring& text);

}  // namespace vorma
