#pragma once
// A private-profile file read once and answered from memory. Under Wine every
// GetPrivateProfileStringW opens and checks the file again, which makes a burst of a few hundred
// reads (a skin's or a language's settings) cost tens of milliseconds. Reads give exactly what
// ReadProfileString gives for the file as it was when loaded.

#include "foundation/ProfileLimits.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vorma {

class ProfileFile {
public:
  // Loads the whole file (its path limited as ReadProfileString limits it). A file that cannot be
  // read answers every read with an empty value, as the profile functions do.
  explicit ProfileFile(const std::wstring& path);
  // The same for a file's content already in memory.
  static ProfileFile FromBytes(std::string_view bytes);

  // As ReadProfileString: the value of the first key of that name in the first section of that
  // name (names compared without regard to ASCII case), at most capacity - 1 characters (255 by
  // default), one pair of enclosing quotes removed; empty when missing. Always returns 0.
  int Read(const wchar_t* section, const wchar_t* key, std::wstring& value, size_t capacity = kProfileValueCapacity) const;

  bool Loaded() const { return loaded_; }

private:
  ProfileFile() = default;

  // Lines of a section by folded key name; a line without '=' is a key without a value.
  using Keys = std::unordered_map<std::wstring, std::optional<std::wstring>>;

  void Parse(std::wstring_view text);

  std::unordered_map<std::wstring, Keys> sections_;  // by folded name
  bool loaded_ = false;
};

}  // namespace vorma
