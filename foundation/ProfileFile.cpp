#include "foundation/ProfileFile.h"

#include "foundation/CodePageText.h"
#include "foundation/FileBytes.h"
#include "foundation/ProfileLimits.h"

namespace vorma {
namespace {

constexpr size_t kLargestProfileFile = 64 * 1024 * 1024;

// A final odd byte is no whole character and is dropped (the profile functions of Wine read a
// byte past their buffer for it).
std::wstring Utf16Text(std::string_view bytes, bool bigEndian) {
  std::wstring text(bytes.size() / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    text[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return text;
}

// The profile functions take a byte-order mark for UTF-16 (either order) or UTF-8; anything else
// is text in the ANSI code page.
std::wstring FileText(std::string_view bytes) {
  using namespace std::string_view_literals;
  if (bytes.starts_with("\xEF\xBB\xBF"sv)) return Utf8Text(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE"sv)) return Utf16Text(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF"sv)) return Utf16Text(bytes.substr(2), true);
  return AnsiText(bytes);
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

// The profile functions keep names and values as C strings, so each ends at its first NUL
// character (after the blanks around it were trimmed).
std::wstring_view UpToNul(std::wstring_view text) { return text.substr(0, text.find(L'\0')); }

// The value as the profile functions hand it out: one pair of enclosing quotes (" or ') removed,
// cut to capacity - 1 characters. A value cut by the limit keeps the character where the quote
// would end.
std::wstring Delivered(const std::wstring& stored, size_t capacity) {
  std::wstring_view value = stored;
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);
  }
  const size_t limit = capacity - 1;
  std::wstring result(value.substr(0, limit));
  if (quoted && capacity >= value.size()) result.pop_back();
  return result;
}

}  // namespace

ProfileFile::ProfileFile(const std::wstring& path) {
  std::string bytes;
  if (ReadFileBytes(LimitedProfilePath(path), kLargestProfileFile, bytes) != FileBytesResult::kRead) return;
  loaded_ = true;
  Parse(FileText(bytes));
}

ProfileFile ProfileFile::FromBytes(std::string_view bytes) {
  ProfileFile file;
  file.loaded_ = true;
  file.Parse(FileText(bytes));
  return file;
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
        auto [entry, added] = sections_.try_emplace(Folded(UpToNul(Trimmed(line.substr(1, close - 1)))));
        section = added ? &entry->second : &discarded;
        continue;
      }
      // A header without its ']' is an ordinary line.
    }
    const size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos) {
      section->try_emplace(Folded(UpToNul(line)), std::nullopt);
    } else {
      section->try_emplace(Folded(UpToNul(Trimmed(line.substr(0, equals)))),
                           std::wstring(UpToNul(Trimmed(line.substr(equals + 1)))));
    }
  }
}

int ProfileFile::Read(const wchar_t* section, const wchar_t* key, std::wstring& value, size_t capacity) const {
  value.clear();
  const auto found = sections_.find(Folded(Trimmed(section)));
  if (found == sections_.end()) return 0;
  const auto entry = found->second.find(Folded(Trimmed(key)));
  if (entry != found->second.end() && entry->second) value = Delivered(*entry->second, capacity);
  return 0;
}

}  // namespace vorma
