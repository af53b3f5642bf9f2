#pragma once
// The geometry of the virtual 7.1 page: speaker positions around the listener turned into the
// angles and levels the device takes, the device's 68-byte parameter block, and the default
// arrangement. Pure arithmetic; the page (Virtual7ch1Page.h) moves the icons and talks to the SDK.

#include <array>
#include <cstdint>
#include <string_view>

namespace vorma::features {

inline constexpr int kSpeakerCount = 8;

// Speakers in the one order used for icons, Tags, profile keys and the parameter block.
enum SpeakerIndex { kSpeakerL, kSpeakerR, kSpeakerC, kSpeakerSUB, kSpeakerLS, kSpeakerRS, kSpeakerLB, kSpeakerRB };

struct SpeakerInfo {
  const wchar_t* imageName;
  int tag;
  const wchar_t* profileKey;
};
inline constexpr std::array<SpeakerInfo, kSpeakerCount> kSpeakers = {{
    {L"VirtualLImage", 39, L"L"},
    {L"VirtualRImage", 40, L"R"},
    {L"VirtualCImage", 41, L"C"},
    {L"VirtualSUBImage", 42, L"SUB"},
    {L"VirtualLSImage", 43, L"LS"},
    {L"VirtualRSImage", 44, L"RS"},
    {L"VirtualLBImage", 45, L"LB"},
    {L"VirtualRBImage", 46, L"RB"},
}};

// The device was tuned against these rounded constants, so they are used as they stand rather
// than the library's own value of pi.
inline constexpr double kPi = 3.14159265;
inline constexpr double kTwoPi = 6.2831853;
inline constexpr double kOneDegree = 0.017453292500000002;
inline constexpr double kMaxLevel = 1.7;
inline constexpr std::size_t kVirtual7ch1BlockSize = 68;

// One speaker in polar form around the circle's centre: angle counter-clockwise from the positive
// x axis in radians, distance in pixels.
struct SpeakerPolar {
  float angle = 0.0f;
  double distance = 0.0;
};
using SpeakerPolarRecord = std::array<SpeakerPolar, kSpeakerCount>;

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// The polar form of a top-left icon position; exactly the centre gives angle 0 and distance 0.
SpeakerPolar PolarOfPosition(PixelPoint position, PixelPoint centre);

// Where an icon goes for a polar entry; fractions are truncated toward zero.
PixelPoint PositionOfPolar(const SpeakerPolar& polar, PixelPoint centre);

// The arrangement RESET restores, for a circle of the given centre and radius, in speaker order.
std::array<PixelPoint, kSpeakerCount> DefaultSpeakerArrangement(PixelPoint centre, int radius);

// A speaker's level for the device: distance x 1.7 / radius, kept within [0, 1.7].
float SpeakerLevel(float distance, int radius);

// The block DLLQZ_SetVirtual7ch1 takes, little-endian: enable (u32), level[8], angle[8] (floats).
std::array<std::uint8_t, kVirtual7ch1BlockSize> BuildVirtual7ch1Block(int enable,
                                                                      const std::array<float, kSpeakerCount>& distance,
                                                                      const std::array<float, kSpeakerCount>& angle,
                                                                      int radius);

// [DefaultSet] V7ch1Scalar tenths (leading digits; none read as 0); 2.0 when the value is empty.
float Virtual7ch1ScalarFromConfig(std::wstring_view value);

// "x,y" as a profile stores a speaker; false when either number is missing or not a number.
bool ParseSpeakerPosition(std::wstring_view text, PixelPoint& position);

}  // namespace vorma::features
