#pragma once
// Reads fixtures/device-id-codes.txt: codes made with the OpenSSL command line, so the tests compare
// our CryptoAPI code against an independent implementation of the same cipher.

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorma::test {

struct DeviceIdFixtureLine {
  std::string text;  // the pattern of an entry, or the text encrypted without padding
  std::string code;
};

struct DeviceIdFixture {
  std::vector<DeviceIdFixtureLine> entries;
  std::vector<DeviceIdFixtureLine> badPadding;

  // The code of an entry by its pattern.
  const std::string& CodeOf(const std::string& pattern) const {
    for (const auto& entry : entries)
      if (entry.text == pattern) return entry.code;
    throw std::out_of_range("no fixture entry for " + pattern);
  }
};

inline DeviceIdFixture ReadDeviceIdFixture() {
  std::ifstream in(std::filesystem::path(VORMA_DEVICE_ID_FIXTURE));
  if (!in) throw std::runtime_error("cannot open the device-ID fixture");
  DeviceIdFixture fixture;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    const size_t space = line.find(' ');
    const size_t comma = line.find(',', space);
    if (space == std::string::npos || comma == std::string::npos) throw std::runtime_error("bad fixture line " + line);
    DeviceIdFixtureLine entry{line.substr(space + 1, comma - space - 1), line.substr(comma + 1)};
    const std::string kind = line.substr(0, space);
    if (kind == "entry")
      fixture.entries.push_back(std::move(entry));
    else if (kind == "bad-padding")
      fixture.badPadding.push_back(std::move(entry));
    else
      throw std::runtime_error("bad fixture line " + line);
  }
  return fixture;
}

inline std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace vorma::test
