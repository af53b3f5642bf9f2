#pragma once
// The limits every private-profile read of the programs works within.

#include <cstddef>
#include <string>

namespace vorma {

inline constexpr std::size_t kProfileValueCapacity = 256;  // at most 255 characters are read

// The path as the profile reads use it: cut to 255 characters like the buffers the profile
// functions were always called with.
inline std::wstring LimitedProfilePath(const std::wstring& path) { return path.substr(0, kProfileValueCapacity - 1); }

}  // namespace vorma
