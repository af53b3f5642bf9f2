#include "foundation/DeviceIdCode.h"
#include "foundation/tests/DeviceIdFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorma {
namespace {

constexpr unsigned char kPoison = 0xBD;

const unsigned char* Bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

struct DecodeOutcome {
  int result;
  std::string text;
  size_t reportedLength;
  bool bufferUntouched;
};

DecodeOutcome Decode(const std::string& code, size_t capacity = 4096) {
  std::vector<unsigned char> output(capacity + 16, kPoison);
  size_t length = capacity;
  DecodeOutcome outcome{};
  outcome.result = DecodeDeviceIdCode(Bytes(code), code.size(), output.data(), length);
  outcome.reportedLength = length;
  if (outcome.result == kDeviceIdCodeDone) outcome.text.assign(output.begin(), output.begin() + length);
  outcome.bufferUntouched = true;
  for (size_t i = outcome.result == kDeviceIdCodeDone ? length : 0; i < output.size(); ++i)
    if (output[i] != kPoison) outcome.bufferUntouched = false;
  return outcome;
}

TEST(DeviceIdCode, DecodesEveryOpenSslFixtureCodeToItsPattern) {
  const auto fixture = test::ReadDeviceIdFixture();
  ASSERT_FALSE(fixture.entries.empty());
  bool sawFullPaddingBlock = false;
  for (const auto& entry : fixture.entries) {
    SCOPED_TRACE(entry.text);
    const DecodeOutcome outcome = Decode(entry.code);
    ASSERT_EQ(outcome.result, kDeviceIdCodeDone);
    EXPECT_EQ(outcome.text, entry.text);
    EXPECT_TRUE(outcome.bufferUntouched) << "bytes beyond the reported length were written";
    sawFullPaddingBlock |= entry.text.size() % kDesBlockBytes == 0;
  }
  EXPECT_TRUE(sawFullPaddingBlock) << "the fixture needs a pattern that fills whole blocks";
}

TEST(DeviceIdCode, EncoderReproducesTheOpenSslFixtureCodes) {
  for (const auto& entry : test::ReadDeviceIdFixture().entries) {
    std::string code = "untouched";
    ASSERT_EQ(EncodeDeviceIdCode(Bytes(entry.text), entry.text.size(), code), kDeviceIdCodeDone);
    EXPECT_EQ(code, entry.code) << entry.text;
  }
}

TEST(DeviceIdCode, BlocksWithoutValidPaddingFailAsDes) {
  const auto fixture = test::ReadDeviceIdFixture();
  ASSERT_FALSE(fixture.badPadding.empty());
  for (const auto& line : fixture.badPadding) {
    const DecodeOutcome outcome = Decode(line.code);
    EXPECT_EQ(outcome.result, kDeviceIdCodeDesFailure) << line.text;
    EXPECT_EQ(outcome.reportedLength, 4096u) << "the length must stay as it was on failure";
    EXPECT_TRUE(outcome.bufferUntouched) << line.text;
  }
}

struct MalformedCodeCase {
  const char* name;
  std::string code;
  int expected;
};

TEST(DeviceIdCode, RejectsMalformedCodesWithTheFailingStep) {
  // "grVhYeWUG0A=" is a valid 8-byte code, so each row differs from a good code in one way.
  const std::vector<MalformedCodeCase> cases = {
      {"empty", "", kDeviceIdCodeBase64Failure},
      {"5 characters", "grVhY", kDeviceIdCodeBase64Failure},
      {"11 characters", "grVhYeWUG0A", kDeviceIdCodeBase64Failure},
      {"character outside the alphabet", "grVhYe-UG0A=", kDeviceIdCodeBase64Failure},
      {"space inside", "grVh eWUG0A=", kDeviceIdCodeBase64Failure},
      {"'=' in a group that is not the last", "grV=YeWUG0A=", kDeviceIdCodeBase64Failure},
      {"'==' in a group that is not the last", "gr==YeWUG0A=", kDeviceIdCodeBase64Failure},
      {"'=' first in the last group", "grVhYeWU=0A=", kDeviceIdCodeBase64Failure},
      {"'=' third but not fourth", "grVhYeWUG0=A", kDeviceIdCodeBase64Failure},
      {"only padding", "====", kDeviceIdCodeBase64Failure},
      {"1368 characters decode beyond 1023 bytes", std::string(1368, 'A'), kDeviceIdCodeBase64Failure},
      {"1364 characters fit, but 1023 bytes are no whole blocks", std::string(1364, 'A'), kDeviceIdCodeDesFailure},
      {"9 bytes are no whole blocks", "grVhYeWUG0AA", kDeviceIdCodeDesFailure},
      {"3 bytes are no whole block", "AAAA", kDeviceIdCodeDesFailure},
  };
  for (const auto& c : cases) {
    const DecodeOutcome outcome = Decode(c.code);
    EXPECT_EQ(outcome.result, c.expected) << c.name;
    EXPECT_TRUE(outcome.bufferUntouched) << c.name;
    EXPECT_EQ(outcome.reportedLength, 4096u) << c.name;
  }
}

TEST(DeviceIdCode, OutputMustHoldTheWholeCipherText) {
  const std::string pattern = "USB\\VID_1E4B&PID_72XX&REV_0100&MI_00";  // 36 bytes, 40 encrypted
  const std::string code = test::ReadDeviceIdFixture().CodeOf(pattern);
  struct CapacityCase {
    size_t capacity;
    int expected;
  };
  for (const auto& c : {CapacityCase{40, kDeviceIdCodeDone}, CapacityCase{39, kDeviceIdCodeDesFailure},
                        CapacityCase{36, kDeviceIdCodeDesFailure}, CapacityCase{0, kDeviceIdCodeDesFailure}}) {
    const DecodeOutcome outcome = Decode(code, c.capacity);
    EXPECT_EQ(outcome.result, c.expected) << "capacity " << c.capacity;
    EXPECT_TRUE(outcome.bufferUntouched) << "capacity " << c.capacity;
    if (c.expected == kDeviceIdCodeDone) {
      EXPECT_EQ(outcome.text, pattern);
    } else {
      EXPECT_EQ(outcome.reportedLength, c.capacity);
    }
  }
}

TEST(DeviceIdCode, EncoderStopsAtTheLongestDecodableText) {
  const std::string longest(kDeviceIdCodeMaxTextBytes, 'X');
  std::string code;
  ASSERT_EQ(EncodeDeviceIdCode(Bytes(longest), longest.size(), code), kDeviceIdCodeDone);
  EXPECT_EQ(Decode(code).text, longest);

  const std::string tooLong(kDeviceIdCodeMaxTextBytes + 1, 'X');
  std::string untouched = "untouched";
  EXPECT_EQ(EncodeDeviceIdCode(Bytes(tooLong), tooLong.size(), untouched), kDeviceIdCodeTextTooLong);
  EXPECT_EQ(untouched, "untouched");
}

}  // namespace
}  // namespace vorma
