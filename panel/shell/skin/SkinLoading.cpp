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
    std::wstring value;
    file_.Read(section, key, value);
    std::vector<int> numbers;
    for (const std::wstring& item : SplitValueItems(value)) {
      const std::optional<int> number = ParseStrictInteger(item);
      if (!number) {
        result_.ok = false;
        result_.section = section;
        result_.key = key;
        result_.error = NotAnIntegerMessage(item);
        DebugPrint(L"***** LoadSkinSetting [%s] %s: %s FAIL! *****\n", section, key, result_.error.c_str());
        return std::nullopt;
      }
      numbers.push_back(*number);
    }
    if (numbers.empty()) return std::nullopt;
    return numbers;
  }

  bool Stopped() const { return !result_.ok; }

private:
  const ProfileFile& file_;
  SkinLoadResult& result_;
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
  slider.top = numbers ? ItemOr(*numbers, 0, defaults.top) : defaults.top;
  slider.range = numbers ? ItemOr(*numbers, 1, defaults.range) : defaults.range;
  if (oldVersion != 0) slider.top += kOldLayoutTopOffset;
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
  circle.x = ItemOr(*numbers, 0, defaults.x);
  circle.y = ItemOr(*numbers, 1, defaults.y);
  circle.radius = ItemOr(*numbers, 2, defaults.radius);
  if (oldVersion != 0) {
    circle.x += kOldLayoutLeftOffset;
    circle.y += kOldLayoutTopOffset;
  }
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
  // the page the file gives.
  if (oldVersion != 0 && key.defaultPage != 0) {
    if (record.HasLeft) record.Left += kOldLayoutLeftOffset;
    if (record.HasTop) record.Top += kOldLayoutTopOffset;
  }
  return record;
}

SkinLoadResult LoadSkinSetting(SkinSetting& setting, const std::wstring& skinDir, int oldVersion,
                               const SkinLoadHooks& hooks) {
  DebugTraceEntry(L"TAudioMainForm::LoadSkinSetting");
  setting.ClearRecords();
  // Read once: a few hundred profile reads of the file would each open it again.
  const ProfileFile file(skinDir + kSkinSettingFile);
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
