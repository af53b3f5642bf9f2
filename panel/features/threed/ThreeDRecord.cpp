#include "panel/features/threed/ThreeDRecord.h"

#include <algorithm>
#include <array>

namespace vorma::features {

bool ReadImageBytes(std::span<const std::uint8_t> table, ThreeDImageBytes& bytes) {
  if (table.size() <= kRightOffset) return false;
  bytes.flags = table[kFlagsOffset];
  bytes.left = table[kLeftOffset];
  bytes.right = table[kRightOffset];
  return true;
}

ThreeDRecord RecordFromBytes(const ThreeDImageBytes& bytes) {
  ThreeDRecord record;
  record.storedEnable = (bytes.flags & kStoredEnableBit) != 0;
  record.fbm = (bytes.flags & kFbmImageBit) != 0;
  record.leftAlpha = static_cast<std::uint8_t>(bytes.left >> 4);
  record.leftBeta = static_cast<std::uint8_t>(bytes.left & 0x0F);
  record.rightAlpha = static_cast<std::uint8_t>(bytes.right >> 4);
  record.rightBeta = static_cast<std::uint8_t>(bytes.right & 0x0F);
  return record;
}

namespace {

std::uint8_t StoredPair(std::uint8_t alpha, std::uint8_t beta, std::uint8_t old) {
  const int high = alpha <= 15 ? alpha : old >> 4;
  const int low = beta <= 15 ? beta : old & 0x0F;
  return static_cast<std::uint8_t>(high << 4 | low);
}

}  // namespace

ThreeDImageBytes BytesForRecord(const ThreeDRecord& record, const ThreeDImageBytes& old) {
  ThreeDImageBytes bytes;
  std::uint8_t flags = old.flags;
  flags = record.storedEnable ? (flags | kStoredEnableBit) : (flags & ~kStoredEnableBit);
  flags = record.fbm ? (flags | kFbmImageBit) : (flags & ~kFbmImageBit);
  bytes.flags = flags;
  bytes.left = StoredPair(record.leftAlpha, record.leftBeta, old.left);
  bytes.right = StoredPair(record.rightAlpha, record.rightBeta, old.right);
  return bytes;
}

bool PackAlphaBeta(std::uint8_t alpha, std::uint8_t beta, std::uint8_t& packed) {
  if (alpha > 15 || beta > 15) return false;
  packed = static_cast<std::uint8_t>(alpha * 16 + beta);
  return true;
}

int ClampSliderTop(int top) { return std::clamp(top, kSliderTopmost, kSliderBottommost); }

std::uint8_t SliderValue(int top, int travel) {
  if (travel <= 0) travel = kDefaultTravel;  // a broken skin must not divide by zero
  return static_cast<std::uint8_t>(15 - (top - kSliderTopmost) * 15 / travel);
}

int NextLinkMode(int mode) {
  switch (mode) {
    case kLinkIndependent:
      return kLinkSame;
    case kLinkSame:
      return kLinkMirrored;
    default:
      return kLinkIndependent;
  }
}

bool LinkedTop(int mode, int top, int& linkedTop) {
  switch (mode) {
    case kLinkSame:
      linkedTop = top;
      return true;
    case kLinkMirrored:
      linkedTop = kMirrorSum - top;
      return true;
    default:
      return false;
  }
}

std::wstring_view LinkPictureKey(bool alpha, int mode) {
  switch (mode) {
    case kLinkIndependent:
      return alpha ? L"D3AlphaDepImage" : L"D3BetaDepImage";
    case kLinkSame:
      return alpha ? L"D3AlphaInvImage" : L"D3BetaInvImage";
    default:
      return alpha ? L"D3AlphaIndepImage" : L"D3BetaIndepImage";
  }
}

std::uint8_t TunedByte(std::uint8_t value) {
  if ((value & 0x0F) == 0x0A) value |= 0x0F;
  if ((value & 0xF0) == 0xA0) value |= 0xF0;
  return value;
}

namespace {

struct NamedSlider {
  std::wstring_view name;
  SliderIdentity identity;
};

constexpr std::array<NamedSlider, 4> kSliders = {{
    {L"D3LAlphaSliderImage", {SliderSide::Left, SliderKind::Alpha}},
    {L"D3LBetaSliderImage", {SliderSide::Left, SliderKind::Beta}},
    {L"D3RAlphaSliderImage", {SliderSide::Right, SliderKind::Alpha}},
    {L"D3RBetaSliderImage", {SliderSide::Right, SliderKind::Beta}},
}};

}  // namespace

bool IdentifySlider(std::wstring_view name, SliderIdentity& identity) {
  for (const NamedSlider& slider : kSliders)
    if (slider.name == name) {
      identity = slider.identity;
      return true;
    }
  return false;
}

std::wstring_view SliderName(SliderIdentity identity) {
  for (const NamedSlider& slider : kSliders)
    if (slider.identity.side == identity.side && slider.identity.kind == identity.kind) return slider.name;
  return {};
}

}  // namespace vorma::features
