#include "panel/shell/skin/SkinLoading.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileFile.h"
#include "foundation/ValueItems.h"

#include <optional>
#include <vector>

namespace vorma::shell {
namespace {

constexpr wchar_t kSkinSettingFile[] = L"SkinSetting.ini";

// Reads the layout keys in order, stopping at the first item that is no integer.
class LayoutReader {
public:
  LayoutReader(const ProfileFile& file, SkinLoadResult& result) : file_(file), result_(result) {}

  // The items of the key converted strictly; none when the value is empty or the load stopped.
  std::optional<std::vector<int>> Numbers(const wchar_t* section, const wchar_t* key) {
    if (!result_.ok) return std::nullopt;
    section_ = section;
    key_ = key;
    std::wstring value;
    file_.Read(section, key, value);
    items_ = SplitValueItems(value);
    std::vector<int> numbers;
    for (const std::wstring& item : items_) {
      const std::optional<int> number = ParseStrictInteger(item);
      if (!number) {
        Fail(item);
        return std::nullopt;
      }
      numbers.push_back(*number);
    }
    if (numbers.empty()) return std::nullopt;
    return numbers;
  }

  // Moves item `index` of the key read last by the old-layout offset. A value the offset would
  // push beyond 32 bits is no integer of this key: the load stops with its conversion error.
  bool Offset(size_t index, int offset, int& value) {
    const std::optional<int> moved = OffsetInteger(value, offset);
    if (!moved) {
      Fail(index < items_.size() ? items_[index] : std::to_wstring(value));
      return false;
    }
    value = *moved;
    return true;
  }

  bool Stopped() const { return !result_.ok; }

private:
  void Fail(const std::wstring& item) {
    result_.ok = false;
    result_.section = section_;
    result_.key = key_;
    result_.error = NotAnIntegerMessage(item);
    DebugPrint(L"***** LoadSkinSetting [%s] %s: %s FAIL! *****\n", section_.c_str(), key_.c_str(),
               result_.error.c_str());
  }

  const ProfileFile& file_;
  SkinLoadResult& result_;
  std::wstring section_;
  std::wstring key_;
  std::vector<std::wstring> items_;
};

// The item at `index`, or the fallback when the value has fewer items.
int ItemOr(const std::vector<int>& numbers, size_t index, int fallback) {
  return index < numbers.size() ? numbers[index] : fallback;
}

// Top and range of a slider; an empty value gives the defaults. The old layout moves the top, the
// default one too.
bool ReadSlider(LayoutReader& reader, const wchar_t* section, const wchar_t* key, SliderRange defaults,
                int oldVersion, SliderRange& slider) {
  const auto numbers = reader.Numbers(section, key);
  if (reader.Stopped()) return false;
  int top = numbers ? ItemOr(*numbers, 0, defaults.top) : defaults.top;
  if (oldVersion != 0 && !reader.Offset(0, kOldLayoutTopOffset, top)) return false;
  slider.top = top;
  slider.range = numbers ? ItemOr(*numbers, 1, defaults.range) : defaults.range;
  return true;
}

bool ReadSingle(LayoutReader& reader, const wchar_t* section, const wchar_t* key, int fallback, int& target) {
  const auto numbers = reader.Numbers(section, key);
  if (reader.Stopped()) return false;
  target = numbers ? numbers->front() : fallback;
  return true;
}

bool ReadVirtualCenter(LayoutReader& reader, int oldVersion, SpeakerCircle& circle) {
  const auto numbers = reader.Numbers(L"Virtual7ch1", L"VirtualCenter");
  if (reader.Stopped()) return false;
  // The radius of the skin before is what a skin switch rescales the speakers from.
  circle.oldRadius = circle.radius;
  const SpeakerCircle defaults;
  if (!numbers) {
    circle.x = defaults.x;
    circle.y = defaults.y;
    circle.radius = defaults.radius;
    return true;
  }
  int x = ItemOr(*numbers, 0, defaults.x);
  int y = ItemOr(*numbers, 1, defaults.y);
  if (oldVersion != 0 && (!reader.Offset(0, kOldLayoutLeftOffset, x) || !reader.Offset(1, kOldLayoutTopOffset, y)))
    return false;
  circle.x = x;
  circle.y = y;
  circle.radius = ItemOr(*numbers, 2, defaults.radius);
  return true;
}

bool ReadColorShape(LayoutReader& reader, ColorShapeBounds& shape) {
  const auto numbers = reader.Numbers(L"LED", std::wstring(shape.key).c_str());
  if (reader.Stopped()) return false;
  shape.left = shape.top = shape.width = shape.height = std::nullopt;
  if (!numbers) return true;
  std::optional<int>* fields[] = {&shape.left, &shape.top, &shape.width, &shape.height};
  for (size_t i = 0; i < numbers->size() && i < std::size(fields); ++i) *fields[i] = (*numbers)[i];
  return true;
}

bool ReadLayout(const ProfileFile& file, int oldVersion, SkinLayout& layout, const SkinLoadHooks& hooks,
                SkinLoadResult& result) {
  LayoutReader reader(file, result);
  if (!ReadSlider(reader, L"EQ", L"EQSlider", {200, 120}, oldVersion, layout.eqSlider)) return false;
  if (!ReadSlider(reader, L"Mic", L"MicSlider", {208, 120}, oldVersion, layout.micSlider)) return false;
  if (!ReadSingle(reader, L"Mic", L"MicProgressLength", 203, layout.micProgressLength)) return false;
  if (!ReadVirtualCenter(reader, oldVersion, layout.virtualCenter)) return false;
  if (!ReadSingle(reader, L"Main", L"BevelLine", 0, layout.bevelLine)) return false;
  if (!ReadSingle(reader, L"Main", L"BevelLine2", 0, layout.bevelLine2)) return false;
  if (!ReadSingle(reader, L"Main", L"BevelLine3", 1, layout.bevelLine3)) return false;
  if (!ReadSingle(reader, L"LED", L"LEDPageMode", 0, layout.ledPageMode)) return false;
  if (!ReadSingle(reader, L"LED", L"LEDFastRightSide", 0, layout.ledFastRightSide)) return false;
  if (hooks.resetLedColorTable)
    hooks.resetLedColorTable();
  else
    DebugWrite(L"[LoadSkinSetting] LED colour table not built: its reset is skipped\n");
  for (ColorShapeBounds& shape : layout.colorShapes) {
    if (!ReadColorShape(reader, shape)) return false;
    if (hooks.applyShapeDefaultColor) hooks.applyShapeDefaultColor(shape.key);
  }
  if (!hooks.applyShapeDefaultColor)
    DebugWrite(L"[LoadSkinSetting] LED colour table not built: colour shapes keep their colours\n");
  // An empty ENCSlider leaves the encoder range as it was.
  const auto enc = reader.Numbers(L"ENC", L"ENCSlider");
  if (reader.Stopped()) return false;
  if (enc) {
    layout.encSlider.top = ItemOr(*enc, 0, layout.encSlider.top);
    layout.encSlider.range = ItemOr(*enc, 1, layout.encSlider.range);
  }
  return true;
}

}  // namespace

ImageAtt ParseImageAtt(std::wstring_view value, const PictureKey& key, int oldVersion) {
  ImageAtt record;
  record.Page = key.defaultPage;
  const std::vector<std::wstring> items = SplitValueItems(value);
  if (items.empty()) return record;
  record.Name = items[0].substr(0, kImageNameCapacity);
  std::int32_t* fields[] = {&record.Left, &record.Top, &record.Width, &record.Height};
  std::uint8_t* flags[] = {&record.HasLeft, &record.HasTop, &record.HasWidth, &record.HasHeight};
  for (size_t i = 0; i < 4 && i + 1 < items.size(); ++i) {
    if (items[i + 1].empty()) continue;
    *fields[i] = LenientInteger(items[i + 1]);
    *flags[i] = 1;
  }
  if (items.size() > 5 && !items[5].empty()) record.Page = LenientInteger(items[5]);
  // Page pictures of the old layout sit lower and further right; the default page decides, not
  // the page the file gives. A position the offset would push beyond 32 bits is a bad number,
  // which this lenient key reads as 0 like any other (and then moves).
  if (oldVersion != 0 && key.defaultPage != 0) {
    if (record.HasLeft) record.Left = OffsetInteger(record.Left, kOldLayoutLeftOffset).value_or(kOldLayoutLeftOffset);
    if (record.HasTop) record.Top = OffsetInteger(record.Top, kOldLayoutTopOffset).value_or(kOldLayoutTopOffset);
  }
  return record;
}

SkinLoadResult LoadSkinSetting(SkinSetting& setting, const std::wstring& skinDir, int oldVersion,
                               const SkinLoadHooks& hooks) {
  // Read once: a few hundred profile reads of the file would each open it again.
  return LoadSkinSetting(setting, ProfileFile(skinDir + kSkinSettingFile), oldVersion, hooks);
}

SkinLoadResult LoadSkinSetting(SkinSetting& setting, const ProfileFile& file, int oldVersion,
                               const SkinLoadHooks& hooks) {
  DebugTraceEntry(L"TAudioMainForm::LoadSkinSetting");
  setting.ClearRecords();
  const auto keys = PictureKeys();
  const auto records = setting.Records();
  for (size_t i = 0; i < keys.size(); ++i) {
    std::wstring value;
    file.Read(std::wstring(keys[i].section).c_str(), std::wstring(keys[i].key).c_str(), value);
    records[i] = ParseImageAtt(value, keys[i], oldVersion);
  }
  SkinLoadResult result;
  ReadLayout(file, oldVersion, setting.layout, hooks, result);
  return result;
}

}  // namespace vorma::shell
