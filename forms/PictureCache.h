#pragma once
// Pictures shared by the images of a form. A skin shows one picture file on several controls and
// swaps the same up and down pictures back and forth; opening and decoding each file once makes
// applying a skin several times faster. A file is opened again when its size or time changes.

#include "forms/Picture.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace vorma::forms {

class PictureCache {
public:
  // The picture of the file, or null when it cannot be opened (see Picture::Open).
  std::shared_ptr<Picture> Load(const std::wstring& path);
  // Forgets every picture; images keep the ones they show.
  void Clear() { entries_.clear(); }
  size_t Size() const { return entries_.size(); }

private:
  struct Entry {
    ULONGLONG size = 0;
    FILETIME written{};
    std::shared_ptr<Picture> picture;
  };
  std::map<std::wstring, Entry> entries_;  // by upper-case path: Windows paths ignore case
};

}  // namespace vorma::forms
