#pragma once
// 8-bit text of a file turned into UTF-16 as the system's code-page conversion does it: UTF-8 and
// the ANSI code page. The Windows build converts with MultiByteToWideChar (CodePageText.cpp); a
// build without Windows plugs in its own conversion behind these two functions.

#include <string>
#include <string_view>

namespace vorma {

std::wstring Utf8Text(std::string_view bytes);
std::wstring AnsiText(std::string_view bytes);

}  // namespace vorma
