#pragma once
// Building request and reply lines from typed values and reading typed values back from the
// fields of a line (shared by the client and the bus service).

#include "outside/virtual72xx/Virtual72xxProtocol.h"

#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace vorma::virtual72xx::protocol {

inline std::string Field(const std::string& text) { return text; }
inline std::string Field(const char* text) { return text; }
inline std::string Field(const std::wstring& text) { return Utf8FromWide(text); }
inline std::string Field(const std::vector<std::uint8_t>& bytes) { return HexFromBytes(bytes); }
inline std::string Field(bool value) { return value ? "1" : "0"; }
template <std::integral T>
  requires(!std::same_as<T, bool>)
std::string Field(T value) {
  return std::to_string(value);
}

template <typename... Args>
std::string Line(const char* verb, const Args&... args) {
  std::vector<std::string> fields{verb};
  (fields.push_back(Field(args)), ...);
  return JoinFields(fields);
}

template <typename... Args>
std::vector<std::string> Fields(const Args&... args) {
  return {Field(args)...};
}

// Reads the fields of a line in order; any missing or malformed field makes ok() false and every
// later read return a zero value.
class FieldReader {
public:
  explicit FieldReader(const std::vector<std::string>& fields, size_t start = 0) : fields_(fields), next_(start) {}

  bool ok() const { return ok_; }
  bool AtEnd() const { return next_ >= fields_.size(); }

  const std::string& Text() {
    static const std::string kEmpty;
    if (!ok_ || next_ >= fields_.size()) {
      ok_ = false;
      return kEmpty;
    }
    return fields_[next_++];
  }

  std::wstring Wide() { return WideFromUtf8(Text()); }

  std::vector<std::uint8_t> Bytes() {
    std::vector<std::uint8_t> bytes;
    if (!BytesFromHex(Text(), bytes)) ok_ = false;
    return bytes;
  }

  bool Flag() { return Number<int>(0, 1) != 0; }

  template <std::integral T>
  T Number(T lowest = std::numeric_limits<T>::min(), T highest = std::numeric_limits<T>::max()) {
    const std::string& text = Text();
    if (!ok_) return 0;
    if constexpr (std::is_signed_v<T>) {
      std::int64_t value = 0;
      if (ParseSigned(text, value) && value >= lowest && value <= highest) return static_cast<T>(value);
    } else {
      std::uint64_t value = 0;
      if (ParseUnsigned(text, value) && value >= lowest && value <= highest) return static_cast<T>(value);
    }
    ok_ = false;
    return 0;
  }

private:
  const std::vector<std::string>& fields_;
  size_t next_;
  bool ok_ = true;
};

}  // namespace vorma::virtual72xx::protocol
