#pragma once
// Small skin folders for the tests: tiny BMP pictures and a SkinSetting.ini written on the spot.

#include "tests/support/TestFiles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vorma::shell::test {

// A 24-bit bottom-up BMP of the size, filled with one colour.
inline std::string TinyBmp(int width, int height) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
  std::string bmp;
  auto put16 = [&bmp](std::uint32_t v) {
    bmp.push_back(static_cast<char>(v & 0xFF));
    bmp.push_back(static_cast<char>((v >> 8) & 0xFF));
  };
  auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  bmp += "BM";
  put32(54 + pixelBytes);
  put32(0);
  put32(54);
  put32(40);
  put32(static_cast<std::uint32_t>(width));
  put32(static_cast<std::uint32_t>(height));
  put16(1);
  put16(24);
  put32(0);
  put32(pixelBytes);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bmp += std::string("\x20\x80\xC0", 3);
    bmp.append(rowBytes - static_cast<std::uint32_t>(width) * 3, '\0');
  }
  return bmp;
}

inline std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

// Writes the SkinSetting.ini of a skin folder (ASCII text, as the shipped skins are).
inline void WriteSkinSetting(const vorma::test::TempFolder& folder, std::string_view text) {
  folder.WriteBytes(L"SkinSetting.ini", text);
}

}  // namespace vorma::shell::test
