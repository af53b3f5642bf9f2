#include "foundation/ProfileFile.h"

#include "foundation/ProfileStrings.h"
#include "foundation/UniqueHandles.h"

#include <windows.h>

#include <algorithm>

namespace vorma {
namespace {

constexpr LONGLONG kLargestProfileFile = 64 * 1024 * 1024;

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestProfileFile) return std::nullopt;
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return std::nullopt;
  bytes.resize(read);
  return bytes;
}

std::wstring Utf16Text(std::string_view bytes, bool bigEndian) {
  std::wstring text(bytes.size() / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    text[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return text;
}

std::wstring CodePageText(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(std::max(length, 0)), L'\0');
  if (length > 0) MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
  return text;
}

// The profile functions take a byte-order mark for UTF-16 (either order) or UTF-8; anything else
// is text in the ANSI code page.
std::wstring FileText(std::string_view bytes) {
  using namespace std::string_view_literals;
  if (bytes.starts_with("\xEF\xBB\xBF"sv)) return CodePageText(CP_UTF8, bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE"sv)) return Utf16Text(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF"sv)) return Utf16Text(bytes.substr(2), true);
  return CodePageText(CP_ACP, bytes);
}

// Blanks as the profile functions see them: ASCII white space and ^Z, nothing beyond ASCII.
bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A; }

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names compare without regard to ASCII case; other letters must match exactly.
std::wstring Folded(std::wstring_view name) {
  std::wstring folded(name);
  for (wchar_t& c : folded)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return folded;
}

// The next line: up to the next CR or LF (the blanks around it are trimmed off by the caller).
std::wstring_view NextLine(std::wstring_view& rest) {
  size_t end = rest.find_first_of(L"\r\n");
  end = end == std::wstring_view::npos ? rest.size() : end + 1;
  const std::wstring_view line = rest.substr(0, end);
  rest.remove_prefix(end);
  return line;
}

// The value as the profile functions hand it out: one pair of enclosing quotes (" or ') removed,
// cut to 255 characters. A value cut by the limit keeps the character where the quote would end.
std::wstring Delivered(const std::wstring& stored) {
  std::wstring_view value = stored;
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);
  }
  const size_t limit = kProfileValueCapacity - 1;
  std::wstring result(value.substr(0, limit));
  if (quoted && kProfileValueCapacity >= value.size()) result.pop_back();
  return result;
}

}  // namespace

ProfileFile::ProfileFile(const std::wstring& path) {
  const std::optional<std::string> bytes = ReadWholeFile(LimitedProfilePath(path));
  if (!bytes) return;
  loaded_ = true;
  Parse(FileText(*bytes));
}

void ProfileFile::Parse(std::wstring_view text) {
  // Lines before the first section header belong to a section without a name. A later section
  // of a name already seen is never read; its lines go to `discarded`.
  Keys discarded;
  Keys* section = &sections_[std::wstring()];
  while (!text.empty()) {
    const std::wstring_view line = Trimmed(NextLine(text));
    if (line.empty()) continue;
    if (line.front() == L'[') {
      const size_t close = line.rfind(L']');
      if (close != std::wstring_view::npos && close > 0) {
        auto [entry, added] = sections_.try_emplace(Folded(Trimmed(line.substr(1, close - 1))));
        section = added ? &entry->second : &discarded;
        continue;
      }
      // A header without its ']' is an ordinary line.
    }
    const size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos) {
      section->try_emplace(Folded(line), std::nullopt);
    } else {
      section->try_emplace(Folded(Trimmed(line.substr(0, equals))), std::wstring(Trimmed(line.substr(equals + 1))));
    }
  }
}

int ProfileFile::Read(const wchar_t* section, const wchar_t* key, std::wstring& value) const {
  value.clear();
  const auto found = sections_.find(Folded(Trimmed(section)));
  if (found == sections_.end()) return 0;
  const auto entry = found->second.find(Folded(Trimmed(key)));
  if (entry != found->second.end() && entry->second) value = Delivered(*entry->second);
  return 0;
}

}  // namespace vorma
