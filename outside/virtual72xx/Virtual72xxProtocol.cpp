#include "outside/virtual72xx/Virtual72xxProtocol.h"

#include <windows.h>

#include <charconv>

namespace vorma::virtual72xx::protocol {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string EscapeField(std::string_view text) {
  if (text.empty()) return "%";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '%': out += "%25"; break;
      case ' ': out += "%20"; break;
      case '\r': out += "%0D"; break;
      case '\n': out += "%0A"; break;
      default: out += c;
    }
  }
  return out;
}

std::string UnescapeField(std::string_view field) {
  if (field == "%") return {};
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '%' && i + 2 < field.size()) {
      int high = HexDigitValue(field[i + 1]);
      int low = HexDigitValue(field[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

std::vector<std::string> SplitFields(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  std::vector<std::string> fields;
  if (line.empty()) return fields;
  size_t start = 0;
  for (;;) {
    size_t space = line.find(' ', start);
    fields.push_back(UnescapeField(line.substr(start, space == std::string_view::npos ? space : space - start)));
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return fields;
}

std::string JoinFields(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += ' ';
    line += EscapeField(fields[i]);
  }
  return line;
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

std::string HexFromBytes(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

bool BytesFromHex(std::string_view hex, std::vector<std::uint8_t>& bytes) {
  if (hex.size() % 2 != 0) return false;
  std::vector<std::uint8_t> out;
  out.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    int high = HexDigitValue(hex[i]);
    int low = HexDigitValue(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    out.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  bytes = std::move(out);
  return true;
}

bool ParseUnsigned(std::string_view text, std::uint64_t& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

bool ParseSigned(std::string_view text, std::int64_t& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

std::string OkReply(const std::vector<std::string>& fields) {
  std::string line = "ok";
  if (!fields.empty()) line += ' ' + JoinFields(fields);
  return line;
}

std::string ErrorReply(unsigned long code, std::string_view text) {
  return "err " + std::to_string(code) + ' ' + EscapeField(text);
}

}  // namespace vorma::virtual72xx::protocol
