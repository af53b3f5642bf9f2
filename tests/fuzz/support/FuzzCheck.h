#pragma once
// What the fuzz targets share: the input as bytes or as one character per byte, and a check that
// ends the run with a message when a parser breaks one of its own promises.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vorma::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

inline std::wstring Characters(const std::uint8_t* data, size_t size) { return std::wstring(data, data + size); }

#define VORMA_FUZZ_CHECK(condition)                                                           \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition);    \
      std::abort();                                                                           \
    }                                                                                         \
  } while (false)

}  // namespace vorma::fuzz
