#include "foundation/TextDecoding.h"

#include "foundation/IniDocument.h"

#include <cstdint>

namespace vorma {
namespace {

// Length of the sequence a UTF-8 lead byte announces, or 0 for a byte that cannot lead.
int Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC0 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF7) return 4;
  if (lead >= 0xF8 && lead <= 0xFB) return 5;
  if (lead >= 0xFC && lead <= 0xFD) return 6;
  return 0;
}

// The payload bits of the lead byte for each sequence length.
constexpr unsigned char kLeadMask[7] = {0, 0x7F, 0x1F, 0x0F, 0x07, 0x03, 0x01};

uint32_t ReadUnit32(const unsigned char* p, bool bigEndian) {
  return bigEndian ? (uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3])
                   : (uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
}

bool DecodeUtf32(std::string_view bytes, bool bigEndian, std::wstring& text) {
  if (bytes.size() % 4 != 0) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  text.reserve(bytes.size() / 4);
  for (size_t i = 0; i < bytes.size(); i += 4) {
    const uint32_t unit = ReadUnit32(p + i, bigEndian);
    if (unit > 0xFFFF) return false;
    text.push_back(static_cast<wchar_t>(unit));
  }
  return true;
}

void DecodeUtf16(std::string_view bytes, bool bigEndian, std::wstring& text) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  // A final odd byte is not a whole unit and is left out.
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<wchar_t>(bigEndian ? (p[i] << 8 | p[i + 1]) : (p[i + 1] << 8 | p[i])));
}

}  // namespace

bool DecodeUtf8Bmp(std::string_view bytes, std::wstring& text) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  // First pass: validate and count, so the text is allocated once.
  size_t count = 0;
  for (size_t i = 0; i < size; ++count) {
    const int length = Utf8SequenceLength(p[i]);
    if (length == 0 || size - i < static_cast<size_t>(length)) return false;
    uint32_t codePoint = p[i] & kLeadMask[length];
    for (int k = 1; k < length; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return false;
      codePoint = codePoint << 6 | (p[i + k] & 0x3F);
    }
    if (codePoint > 0xFFFF) return false;
    i += length;
  }
  // Second pass: produce the characters.
  text.clear();
  text.reserve(count);
  for (size_t i = 0; i < size;) {
    const int length = Utf8SequenceLength(p[i]);
    uint32_t codePoint = p[i] & kLeadMask[length];
    for (int k = 1; k < length; ++k) codePoint = codePoint << 6 | (p[i + k] & 0x3F);
    text.push_back(static_cast<wchar_t>(codePoint));
    i += length;
  }
  return true;
}

int DetectByteOrderMark(std::string_view bytes, size_t& markLength) {
  auto startsWith = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
  using namespace std::string_view_literals;
  markLength = 4;
  if (bytes.size() > 3 && startsWith("\xFF\xFE\x00\x00"sv)) return kIniEncodingUtf32Le;
  if (bytes.size() > 3 && startsWith("\x00\x00\xFE\xFF"sv)) return kIniEncodingUtf32Be;
  markLength = 3;
  if (bytes.size() > 2 && startsWith("\xEF\xBB\xBF"sv)) return kIniEncodingUtf8;
  markLength = 2;
  if (bytes.size() > 1 && startsWith("\xFF\xFE"sv)) return kIniEncodingUtf16Le;
  if (bytes.size() > 1 && startsWith("\xFE\xFF"sv)) return kIniEncodingUtf16Be;
  markLength = 0;
  return kIniEncodingBytes;
}

bool DecodeText(int encoding, std::string_view bytes, std::wstring& text) {
  text.clear();
  switch (encoding) {
    case kIniEncodingBytes:
      // Files without a mark are expected to be ASCII; other bytes are taken as Latin-1.
      text.reserve(bytes.size());
      for (unsigned char byte : bytes) text.push_back(static_cast<wchar_t>(byte));
      return true;
    case kIniEncodingUtf8: return DecodeUtf8Bmp(bytes, text);
    case kIniEncodingUtf16Le: DecodeUtf16(bytes, false, text); return true;
    case kIniEncodingUtf16Be: DecodeUtf16(bytes, true, text); return true;
    case kIniEncodingUtf32Le: return DecodeUtf32(bytes, false, text);
    case kIniEncodingUtf32Be: return DecodeUtf32(bytes, true, text);
    default: return false;
  }
}

}  // namespace vorma
