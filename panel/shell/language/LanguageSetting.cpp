#include "panel/shell/language/LanguageSetting.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileFile.h"
#include "foundation/ValueItems.h"

#include <optional>
#include <vector>

namespace vorma::shell {

namespace {

constexpr std::int32_t kOldLayoutLeftOffset = 196;
constexpr std::int32_t kOldLayoutTopOffset = 52;
constexpr size_t kUsedItems = 10;

// Reads one key; a conversion error is kept in `error` and ends the reading.
class LanguageFileReader {
public:
  explicit LanguageFileReader(const ProfileFile& file) : file_(file) {}

  std::wstring Read(std::wstring_view section, std::wstring_view key) {
    section_ = section;
    key_ = key;
    std::wstring value;
    file_.Read(section_.c_str(), key_.c_str(), value);
    return value;
  }

  // An integer item of the key read last; on failure records the error and gives nothing.
  std::optional<std::int32_t> Integer(const std::wstring& item) {
    std::optional<std::int32_t> number = ParseStrictInteger(item);
    if (!number) Fail(item);
    return number;
  }

  // value + offset; a sum beyond 32 bits records the conversion error of the item and gives false.
  bool Offset(const std::wstring& item, std::int32_t offset, std::int32_t& value) {
    const std::optional<std::int32_t> moved = OffsetInteger(value, offset);
    if (!moved) {
      Fail(item);
      return false;
    }
    value = *moved;
    return true;
  }

  bool Failed() const { return !result_.Succeeded(); }
  const LanguageLoadResult& Result() const { return result_; }

private:
  void Fail(const std::wstring& item) {
    result_.section = section_;
    result_.key = key_;
    result_.message = NotAnIntegerMessage(item);
  }

  const ProfileFile& file_;
  std::wstring section_;
  std::wstring key_;
  LanguageLoadResult result_;
};

// Sets field and flag from a non-empty integer item; false after a conversion error.
bool TakeInteger(LanguageFileReader& reader, const std::vector<std::wstring>& items, size_t index,
                 std::int32_t& field, std::uint8_t& has) {
  if (index >= items.size() || items[index].empty()) return true;
  std::optional<std::int32_t> number = reader.Integer(items[index]);
  if (!number) return false;
  field = *number;
  has = 1;
  return true;
}

bool ReadGlobalInteger(LanguageFileReader& reader, const wchar_t* key, std::int32_t& field) {
  const std::vector<std::wstring> items = SplitValueItems(reader.Read(L"GlobalFont", key));
  if (items.empty() || items.front().empty()) return true;
  std::optional<std::int32_t> number = reader.Integer(items.front());
  if (!number) return false;
  field = *number;
  return true;
}

bool ReadGlobalFont(LanguageFileReader& reader, GlobalFont& global) {
  if (!ReadGlobalInteger(reader, L"ColorUp", global.ColorUp)) return false;
  if (!ReadGlobalInteger(reader, L"ColorDown", global.ColorDown)) return false;
  global.Font = reader.Read(L"GlobalFont", L"Font");
  return ReadGlobalInteger(reader, L"FontSize", global.FontSize);
}

bool ReadLabel(LanguageFileReader& reader, const LanguageKey& key, int oldVersion, LabelAtt& r) {
  std::vector<std::wstring> items = SplitValueItems(reader.Read(key.section, key.key));
  if (items.size() > kUsedItems) items.resize(kUsedItems);
  r.Page = key.defaultPage;
  if (!items.empty()) r.Text = items[0];
  if (!TakeInteger(reader, items, 1, r.ColorUp, r.HasColorUp)) return false;
  if (!TakeInteger(reader, items, 2, r.ColorDown, r.HasColorDown)) return false;
  if (items.size() > 3 && !items[3].empty()) {
    r.Font = items[3];
    r.HasFont = 1;
  }
  if (!TakeInteger(reader, items, 4, r.FontSize, r.HasFontSize)) return false;
  if (!TakeInteger(reader, items, 5, r.Left, r.HasLeft)) return false;
  if (!TakeInteger(reader, items, 6, r.Top, r.HasTop)) return false;
  if (!TakeInteger(reader, items, 7, r.Width, r.HasWidth)) return false;
  if (!TakeInteger(reader, items, 8, r.Height, r.HasHeight)) return false;
  if (items.size() > 9 && !items[9].empty()) {
    std::optional<std::int32_t> page = reader.Integer(items[9]);
    if (!page) return false;
    r.Page = *page;
  }
  // The old window layout put every page's labels 196 right and 52 down. A position the offset
  // would push beyond 32 bits is no integer of this key and stops the load like any other.
  if (oldVersion != 0 && key.defaultPage != 0) {
    if (r.HasLeft && !reader.Offset(items[5], kOldLayoutLeftOffset, r.Left)) return false;
    if (r.HasTop && !reader.Offset(items[6], kOldLayoutTopOffset, r.Top)) return false;
  }
  return true;
}

}  // namespace

LabelAtt* LanguageSetting::Record(std::wstring_view key) {
  const std::size_t index = LanguageKeyIndex(key);
  return index < kLanguageKeyCount ? &records_[index] : nullptr;
}

const LabelAtt* LanguageSetting::Record(std::wstring_view key) const {
  const std::size_t index = LanguageKeyIndex(key);
  return index < kLanguageKeyCount ? &records_[index] : nullptr;
}

std::wstring LanguageSetting::Text(std::wstring_view key) const {
  const LabelAtt* record = Record(key);
  return record ? record->Text : std::wstring();
}

void LanguageSetting::Clear() {
  records_.fill(LabelAtt{});
  global_ = GlobalFont{};
}

std::wstring LanguageDirectory(const std::wstring& programPath, const std::wstring& languageFolderName,
                               const std::wstring& resolutionFolder, const std::wstring& language) {
  return programPath + languageFolderName + L"\\" + resolutionFolder + language + L"\\";
}

LanguageLoadResult ReadLabelRecord(const std::wstring& iniPath, std::wstring_view section, std::wstring_view key,
                                   int defaultPage, LabelAtt& record) {
  record = LabelAtt{};
  const ProfileFile file(iniPath);
  LanguageFileReader reader(file);
  LanguageKey row;
  row.section = section;
  row.key = key;
  row.defaultPage = defaultPage;
  ReadLabel(reader, row, 0, record);
  return reader.Result();
}

LanguageLoadResult LoadLanguageSetting(const std::wstring& langDir, int oldVersion, LanguageSetting& setting) {
  // Read once: a language's hundred profile reads would each open the file again.
  return LoadLanguageSetting(ProfileFile(langDir + kLanguageFileName), oldVersion, setting);
}

LanguageLoadResult LoadLanguageSetting(const ProfileFile& file, int oldVersion, LanguageSetting& setting) {
  setting.Clear();
  LanguageFileReader reader(file);
  if (ReadGlobalFont(reader, setting.Global())) {
    const auto keys = LanguageKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (!ReadLabel(reader, keys[i], oldVersion, setting.At(i))) break;
    }
  }
  if (reader.Failed()) {
    const LanguageLoadResult& result = reader.Result();
    DebugPrint(L"***** Language.ini [%ls] %ls: %ls *****\n", result.section.c_str(), result.key.c_str(),
               result.message.c_str());
  }
  return reader.Result();
}

}  // namespace vorma::shell
