#include "panel/shell/skin/SkinItems.h"

#include <climits>
#include <cwctype>

namespace vorma::shell {
namespace {

// Reads a quoted item starting at the opening quote; returns the position after the closing quote
// (or the end when the quote is never closed) and appends the unquoted text.
size_t ReadQuoted(std::wstring_view value, size_t position, std::wstring& item) {
  ++position;
  while (position < value.size()) {
    const wchar_t c = value[position++];
    if (c != L'"') {
      item.push_back(c);
      continue;
    }
    if (position < value.size() && value[position] == L'"') {
      item.push_back(L'"');
      ++position;
      continue;
    }
    break;
  }
  return position;
}

}  // namespace

std::vector<std::wstring> SplitSkinItems(std::wstring_view value) {
  std::vector<std::wstring> items;
  if (value.empty()) return items;
  size_t position = 0;
  for (;;) {
    std::wstring item;
    if (position < value.size() && value[position] == L'"') {
      position = ReadQuoted(value, position, item);
      // A quoted item ends at its closing quote; anything after it up to the comma is dropped.
      while (position < value.size() && value[position] != L',') ++position;
    } else {
      while (position < value.size() && value[position] != L',') item.push_back(value[position++]);
    }
    items.push_back(std::move(item));
    if (position >= value.size()) break;
    ++position;  // the comma; a comma at the end leaves one more, empty, item
  }
  return items;
}

int LeadingDigitsValue(std::wstring_view item) {
  long long value = 0;
  for (wchar_t c : item) {
    if (c < L'0' || c > L'9') break;
    value = value * 10 + (c - L'0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

std::optional<int> StrictIntegerValue(std::wstring_view item) {
  size_t first = 0;
  while (first < item.size() && std::iswspace(item[first])) ++first;
  size_t last = item.size();
  while (last > first && std::iswspace(item[last - 1])) --last;
  std::wstring_view text = item.substr(first, last - first);
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::wstring NotAnIntegerText(std::wstring_view item) {
  return L"'" + std::wstring(item) + L"' is not a valid integer value";
}

}  // namespace vorma::shell
