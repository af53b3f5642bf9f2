#include "outside/virtual72xx/JournalText.h"

#include <cstdarg>
#include <cstdio>

namespace vorma::virtual72xx {

std::string Printf(const char* format, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

std::string ReportText(const std::vector<std::uint8_t>& bytes, size_t minimum) {
  size_t shown = bytes.size();
  while (shown > minimum && bytes[shown - 1] == 0) --shown;
  return BytesText(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(shown)));
}

std::string BytesText(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i) text += ' ';
    text += Printf("%02x", bytes[i]);
  }
  return text;
}

std::string PinsText(std::uint16_t levels) {
  std::string text;
  for (int pin = 0; pin < 10; ++pin) text += (levels >> pin) & 1 ? '1' : '0';
  return text;
}

}  // namespace vorma::virtual72xx
