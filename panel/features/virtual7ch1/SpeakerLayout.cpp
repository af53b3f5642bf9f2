#include "panel/features/virtual7ch1/SpeakerLayout.h"

#include "foundation/ValueItems.h"

#include <bit>
#include <cmath>
#include <cwchar>
#include <string>

namespace vorma::features {

namespace {

// Default positions sit on a circle a little wider than half the radius.
constexpr double kArrangementFactor = 1.6;
constexpr double kAngleFrontRight = 0.7853981624999999;
constexpr double kAngleFrontLeft = 2.3561944875000003;
constexpr double kAngleBackLeft = 3.9269908125000006;
constexpr double kAngleBackRight = 5.4977871375000005;

int Truncate(double value) { return static_cast<int>(value); }

void PutU32(std::uint8_t* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A leading integer of `text` from `pos` (optional minus); false when no digit follows.
bool ReadInteger(std::wstring_view text, std::size_t& pos, int& value) {
  bool negative = false;
  if (pos < text.size() && text[pos] == L'-') {
    negative = true;
    ++pos;
  }
  const std::size_t start = pos;
  long long number = 0;
  while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
    if (number < 1000000) number = number * 10 + (text[pos] - L'0');
    ++pos;
  }
  if (pos == start) return false;
  value = static_cast<int>(negative ? -number : number);
  return true;
}

void SkipBlanks(std::wstring_view text, std::size_t& pos) {
  while (pos < text.size() && (text[pos] == L' ' || text[pos] == L'\t')) ++pos;
}

}  // namespace

SpeakerPolar PolarOfPosition(PixelPoint position, PixelPoint centre) {
  if (position == centre) return {};
  const double dx = position.x - centre.x;
  const double dy = position.y - centre.y;  // screen y grows downwards
  double angle = 0.0;
  if (dy > 0 && dx < 0) {
    angle = kPi + std::atan2(dy, -dx);
  } else if (dy > 0) {
    angle = kTwoPi - std::atan2(dy, dx);
  } else if (dx < 0) {
    angle = kPi - std::atan2(-dy, -dx);
  } else {
    angle = std::atan2(-dy, dx);
  }
  // Level with the centre on the right, atan2 gives -0; the device gets the same 0 as elsewhere.
  if (angle == 0.0) angle = 0.0;
  return {static_cast<float>(angle), std::sqrt(dx * dx + dy * dy)};
}

PixelPoint PositionOfPolar(const SpeakerPolar& polar, PixelPoint centre) {
  const double angle = polar.angle;
  return {Truncate(centre.x + std::cos(angle) * polar.distance), Truncate(centre.y - std::sin(angle) * polar.distance)};
}

std::array<PixelPoint, kSpeakerCount> DefaultSpeakerArrangement(PixelPoint centre, int radius) {
  const int half = radius / 2;
  const double k = half * kArrangementFactor;
  auto onCircle = [&](double angle) {
    return PixelPoint{Truncate(std::cos(angle) * k + centre.x), Truncate(centre.y - std::sin(angle) * k)};
  };
  std::array<PixelPoint, kSpeakerCount> at{};
  at[kSpeakerC] = {centre.x, Truncate(centre.y - k)};
  at[kSpeakerLS] = {Truncate(centre.x - k), centre.y};
  at[kSpeakerRS] = {Truncate(centre.x + k), centre.y};
  at[kSpeakerL] = onCircle(kAngleFrontLeft);
  at[kSpeakerLB] = onCircle(kAngleBackLeft);
  at[kSpeakerRB] = onCircle(kAngleBackRight);
  at[kSpeakerR] = onCircle(kAngleFrontRight);
  at[kSpeakerSUB] = {centre.x, centre.y - half};  // the subwoofer stays closer in
  return at;
}

float SpeakerLevel(float distance, int radius) {
  double level = distance * kMaxLevel / radius;
  // A zero radius from a broken skin gives infinity or NaN; both end within the range.
  if (!(level >= 0.0)) level = 0.0;
  if (level > kMaxLevel) level = kMaxLevel;
  return static_cast<float>(level);
}

std::array<std::uint8_t, kVirtual7ch1BlockSize> BuildVirtual7ch1Block(int enable,
                                                                      const std::array<float, kSpeakerCount>& distance,
                                                                      const std::array<float, kSpeakerCount>& angle,
                                                                      int radius) {
  std::array<std::uint8_t, kVirtual7ch1BlockSize> block{};
  PutU32(block.data(), enable != 0 ? 1u : 0u);
  for (int i = 0; i < kSpeakerCount; ++i) {
    PutU32(block.data() + 4 + 4 * i, std::bit_cast<std::uint32_t>(SpeakerLevel(distance[i], radius)));
    PutU32(block.data() + 36 + 4 * i, std::bit_cast<std::uint32_t>(angle[i]));
  }
  return block;
}

float Virtual7ch1ScalarFromConfig(std::wstring_view value) {
  if (value.empty()) return 2.0f;
  return static_cast<float>(LenientInteger(value) * 0.1);
}

bool ParseSpeakerPosition(std::wstring_view text, PixelPoint& position) {
  std::size_t pos = 0;
  PixelPoint read;
  SkipBlanks(text, pos);
  if (!ReadInteger(text, pos, read.x)) return false;
  SkipBlanks(text, pos);
  if (pos >= text.size() || text[pos] != L',') return false;
  ++pos;
  SkipBlanks(text, pos);
  if (!ReadInteger(text, pos, read.y)) return false;
  position = read;
  return true;
}

}  // namespace vorma::features
