#include "panel/shell/skin/RegionData.h"

#include <algorithm>
#include <cstdint>

namespace vorma::shell {
namespace {

constexpr size_t kHeaderSize = 32;
constexpr size_t kRectangleSize = 16;
constexpr std::uint32_t kRectangleRegion = 1;

std::uint32_t Unsigned32(std::string_view data, size_t offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(data.data() + offset);
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

std::int32_t Signed32(std::string_view data, size_t offset) { return static_cast<std::int32_t>(Unsigned32(data, offset)); }

struct Box {
  std::int32_t left, top, right, bottom;
  bool HasArea() const { return left < right && top < bottom; }
  bool operator==(const Box&) const = default;
};

Box BoxAt(std::string_view data, size_t offset) {
  return Box{Signed32(data, offset), Signed32(data, offset + 4), Signed32(data, offset + 8),
             Signed32(data, offset + 12)};
}

}  // namespace

std::optional<RegionFileBounds> CheckRegionData(std::string_view data) {
  if (data.size() < kHeaderSize) return std::nullopt;
  if (Unsigned32(data, 0) != kHeaderSize || Unsigned32(data, 4) != kRectangleRegion) return std::nullopt;
  const std::uint64_t count = Unsigned32(data, 8);
  if (count * kRectangleSize > data.size() - kHeaderSize) return std::nullopt;

  // Rectangles without an area add nothing to the region.
  std::optional<Box> united;
  for (size_t i = 0; i < count; ++i) {
    const Box box = BoxAt(data, kHeaderSize + i * kRectangleSize);
    if (!box.HasArea()) continue;
    if (!united) {
      united = box;
      continue;
    }
    united->left = std::min(united->left, box.left);
    united->top = std::min(united->top, box.top);
    united->right = std::max(united->right, box.right);
    united->bottom = std::max(united->bottom, box.bottom);
  }
  const Box bounds = BoxAt(data, 16);
  if (!united || bounds.left < 0 || bounds.top < 0 || !(bounds == *united)) return std::nullopt;
  return RegionFileBounds{bounds.right, bounds.bottom};
}

}  // namespace vorma::shell
