// Code-page conversion for the native build of the parsers, shaped like MultiByteToWideChar's:
// UTF-8 to UTF-16 code units (surrogate pairs above U+FFFF, U+FFFD for every byte that starts no
// valid sequence); the ANSI code page taken as Latin-1.

#include "foundation/CodePageText.h"

#include <cstdint>

namespace vorma {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// Length and payload bits of a valid sequence starting at p[0]; 0 when none starts there.
size_t Utf8Sequence(const unsigned char* p, size_t available, std::uint32_t& codePoint) {
  const unsigned char lead = p[0];
  size_t length = 0;
  std::uint32_t minimum = 0;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, minimum = 0x80, codePoint = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, minimum = 0x800, codePoint = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, minimum = 0x10000, codePoint = lead & 0x07;
  else return 0;
  if (available < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    codePoint = codePoint << 6 | (p[i] & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::wstring Utf8Text(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  std::wstring text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    std::uint32_t codePoint = 0;
    const size_t length = Utf8Sequence(p + i, bytes.size() - i, codePoint);
    if (length == 0) {
      text.push_back(kReplacement);
      ++i;
      continue;
    }
    if (codePoint > 0xFFFF) {
      codePoint -= 0x10000;
      text.push_back(static_cast<wchar_t>(0xD800 + (codePoint >> 10)));
      text.push_back(static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF)));
    } else {
      text.push_back(static_cast<wchar_t>(codePoint));
    }
    i += length;
  }
  return text;
}

std::wstring AnsiText(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (unsigned char byte : bytes) text.push_back(static_cast<wchar_t>(byte));
  return text;
}

}  // namespace vorma
