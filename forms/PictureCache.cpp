#include "forms/PictureCache.h"

#include <cwctype>

namespace vorma::forms {

std::shared_ptr<Picture> PictureCache::Load(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) return nullptr;
  const ULONGLONG size = (static_cast<ULONGLONG>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
  std::wstring key = path;
  for (wchar_t& c : key) c = static_cast<wchar_t>(std::towupper(c));
  auto found = entries_.find(key);
  if (found != entries_.end() && found->second.size == size &&
      CompareFileTime(&found->second.written, &attributes.ftLastWriteTime) == 0)
    return found->second.picture;
  std::shared_ptr<Picture> picture = Picture::Open(path);
  if (!picture) {
    if (found != entries_.end()) entries_.erase(found);
    return nullptr;
  }
  entries_[key] = Entry{size, attributes.ftLastWriteTime, picture};
  return picture;
}

}  // namespace vorma::forms
