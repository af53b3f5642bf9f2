#pragma once
// Formatting of journal lines: printf-style text and byte blocks as spaced lower-case hex.

#include <cstdint>
#include <string>
#include <vector>

namespace vorma::virtual72xx {

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "00 60 20 01 10": the bytes up to the last non-zero one, but at least `minimum` of them.
std::string ReportText(const std::vector<std::uint8_t>& bytes, size_t minimum = 5);

// Every byte, spaced.
std::string BytesText(const std::vector<std::uint8_t>& bytes);

// GPIO 0-9 as ten digits, GPIO 0 first: "1111111110".
std::string PinsText(std::uint16_t levels);

}  // namespace vorma::virtual72xx
