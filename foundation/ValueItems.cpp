#include "foundation/ValueItems.h"

#include <climits>

namespace vorma {

namespace {

constexpr wchar_t kDelimiter = L',';
constexpr wchar_t kQuote = L'"';

// Reads a quoted item starting at the opening quote; `pos` ends after the closing quote (or at
// the end of an unterminated item).
std::wstring ReadQuoted(std::wstring_view value, size_t& pos) {
  std::wstring item;
  ++pos;
  while (pos < value.size()) {
    const wchar_t c = value[pos++];
    if (c != kQuote) {
      item += c;
      continue;
    }
    if (pos < value.size() && value[pos] == kQuote) {
      item += kQuote;
      ++pos;
      continue;
    }
    break;
  }
  return item;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace

std::vector<std::wstring> SplitValueItems(std::wstring_view value) {
  std::vector<std::wstring> items;
  size_t pos = 0;
  while (pos < value.size()) {
    if (value[pos] == kQuote) {
      // The item ends at its closing quote; what follows before a comma is read as the next item.
      items.push_back(ReadQuoted(value, pos));
    } else {
      const size_t start = pos;
      while (pos < value.size() && value[pos] != kDelimiter) ++pos;
      items.emplace_back(value.substr(start, pos - start));
    }
    if (pos < value.size() && value[pos] == kDelimiter) {
      ++pos;
      if (pos == value.size()) items.emplace_back();  // a comma at the end leaves one more, empty, item
    }
  }
  return items;
}

int LenientInteger(std::wstring_view text) {
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') break;
    value = value * 10 + (c - L'0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

std::optional<std::int32_t> ParseStrictInteger(std::wstring_view text) {
  // Items keep the spaces around their commas ("10, 20"), so blanks around the number are allowed.
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) negative = text[pos++] == L'-';
  unsigned base = 10;
  if (pos < text.size() && text[pos] == L'$') {
    base = 16;
    ++pos;
  } else if (pos + 1 < text.size() && text[pos] == L'0' && (text[pos + 1] == L'x' || text[pos + 1] == L'X')) {
    base = 16;
    pos += 2;
  }
  if (pos == text.size()) return std::nullopt;
  // Decimal magnitudes go up to 2^31 (the most negative value); hexadecimal ones fill 32 bits.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = DigitValue(text[pos]);
    if (digit < 0 || static_cast<unsigned>(digit) >= base) return std::nullopt;
    magnitude = magnitude * base + static_cast<unsigned>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(magnitude)
                                                        : static_cast<std::uint32_t>(magnitude));
  return static_cast<std::int32_t>(bits);
}

std::optional<std::int32_t> OffsetInteger(std::int32_t value, std::int32_t offset) {
  const std::int64_t sum = std::int64_t{value} + offset;
  if (sum < INT32_MIN || sum > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(sum);
}

std::wstring NotAnIntegerMessage(std::wstring_view text) {
  return L"'" + std::wstring(text) + L"' is not a valid integer value";
}

}  // namespace vorma
