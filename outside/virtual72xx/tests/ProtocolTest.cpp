// Request lines: fields survive escaping whatever characters they hold.

#include "outside/virtual72xx/Virtual72xxProtocol.h"

#include <gtest/gtest.h>

namespace vorma::virtual72xx::protocol {
namespace {

TEST(ProtocolTest, FieldsSurviveJoinAndSplit) {
  const std::vector<std::string> fields = {"hid.open", "", "with space", "100%", "%20", "line\r\nbreak", "%",
                                           "\\\\?\\hid#vid_1e4b&pid_7201"};
  const std::string line = JoinFields(fields);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_EQ(SplitFields(line), fields);
}

TEST(ProtocolTest, HexAndNumbersRefuseMalformedText) {
  std::vector<std::uint8_t> bytes{0xBD};
  EXPECT_TRUE(BytesFromHex("0060ff", bytes));
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x00, 0x60, 0xFF}));
  for (const char* bad : {"0", "0g", "0 0"}) EXPECT_FALSE(BytesFromHex(bad, bytes)) << bad;
  std::uint64_t value = 0;
  EXPECT_FALSE(ParseUnsigned("12x", value));
  EXPECT_FALSE(ParseUnsigned("", value));
  EXPECT_FALSE(ParseUnsigned("-1", value));
  EXPECT_EQ(WideFromUtf8(Utf8FromWide(L"Mikrofon \x00FC\x4E2D")), L"Mikrofon \x00FC\x4E2D");
}

}  // namespace
}  // namespace vorma::virtual72xx::protocol
