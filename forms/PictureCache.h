#pragma once
// Decoded pictures shared by the images of a form. A skin shows one picture file on several
// controls and swaps the same up and down pictures back and forth; decoding each file once makes
// applying a skin several times faster. A file is decoded again when its size or time changes.

#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace Gdiplus {
class Bitmap;
}

namespace vorma::forms {

class PictureCache {
public:
  // The decoded picture of the file (32-bit premultiplied ARGB), or null when it cannot be loaded.
  std::shared_ptr<Gdiplus::Bitmap> Load(const std::wstring& path);
  // Forgets every picture; images keep the ones they show.
  void Clear() { entries_.clear(); }
  size_t Size() const { return entries_.size(); }

private:
  struct Entry {
    ULONGLONG size = 0;
    FILETIME written{};
    std::shared_ptr<Gdiplus::Bitmap> picture;
  };
  std::map<std::wstring, Entry> entries_;  // by upper-case path: Windows paths ignore case
};

}  // namespace vorma::forms
