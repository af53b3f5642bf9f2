#include "foundation/CodePageText.h"

#include <windows.h>

#include <algorithm>

namespace vorma {
namespace {

std::wstring CodePageText(UINT codePage, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(std::max(length, 0)), L'\0');
  if (length > 0) MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
  return text;
}

}  // namespace

std::wstring Utf8Text(std::string_view bytes) { return CodePageText(CP_UTF8, bytes); }
std::wstring AnsiText(std::string_view bytes) { return CodePageText(CP_ACP, bytes); }

}  // namespace vorma
