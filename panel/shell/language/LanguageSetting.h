#pragma once
// The label records of a language: one LabelAtt per Language.ini label key and the [GlobalFont]
// values, read from <language folder>\Language.ini.

#include "panel/shell/language/LanguageKeys.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorma {
class ProfileFile;
}

namespace vorma::shell {

inline constexpr wchar_t kLanguageFileName[] = L"Language.ini";

// One label key. Colours are the framework's encoding: red in the lowest byte, negative values
// name system colours. The Has flags say the file gave the value.
struct LabelAtt {
  std::wstring Text;
  std::int32_t ColorUp = 0;
  std::int32_t ColorDown = 0;
  std::wstring Font;
  std::int32_t FontSize = 0;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t Page = 0;
  std::uint8_t HasColorUp = 0;
  std::uint8_t HasColorDown = 0;
  std::uint8_t HasFont = 0;
  std::uint8_t HasFontSize = 0;
  std::uint8_t HasLeft = 0;
  std::uint8_t HasTop = 0;
  std::uint8_t HasWidth = 0;
  std::uint8_t HasHeight = 0;
};

// [GlobalFont]: 0 colours, an empty face and a size of -1 mean "none".
struct GlobalFont {
  std::int32_t ColorUp = 0;
  std::int32_t ColorDown = 0;
  std::wstring Font;
  std::int32_t FontSize = -1;
};

class LanguageSetting {
public:
  // The record of a label key; null for a key Language.ini does not have.
  LabelAtt* Record(std::wstring_view key);
  const LabelAtt* Record(std::wstring_view key) const;
  // The record's text, empty for an unknown key (the warnings, LabelMenu3, LabelAbout, LabelWeb).
  std::wstring Text(std::wstring_view key) const;

  LabelAtt& At(std::size_t keyIndex) { return records_[keyIndex]; }
  const LabelAtt& At(std::size_t keyIndex) const { return records_[keyIndex]; }

  GlobalFont& Global() { return global_; }
  const GlobalFont& Global() const { return global_; }

  // Every record zero and the global values "none".
  void Clear();

private:
  std::array<LabelAtt, kLanguageKeyCount> records_{};
  GlobalFont global_;
};

// What a load ended with. A value that must be an integer but is not stops the load at its key:
// the records read before it stay filled, the later ones stay empty.
struct LanguageLoadResult {
  std::wstring section;  // where the load stopped; empty when it read everything
  std::wstring key;
  std::wstring message;  // the conversion error, "'<value>' is not a valid integer value"
  bool Succeeded() const { return message.empty(); }
};

// <programPath><languageFolderName>\<resolutionFolder><language>\ (the resolution folder is empty
// or ends in a backslash; programPath ends in one).
std::wstring LanguageDirectory(const std::wstring& programPath, const std::wstring& languageFolderName,
                               const std::wstring& resolutionFolder, const std::wstring& language);

// Reads one label record of any section into a cleared record, with the section's default page
// and no old-layout offsets (the installer's [Setup] texts have the same format).
LanguageLoadResult ReadLabelRecord(const std::wstring& iniPath, std::wstring_view section, std::wstring_view key,
                                   int defaultPage, LabelAtt& record);

// Clears `setting` and reads langDir + "Language.ini" into it. A missing file reads as empty: every
// record stays empty and no global value is set. With a non-zero oldVersion, labels of sections
// that belong to a page get their given Left moved by 196 and Top by 52.
LanguageLoadResult LoadLanguageSetting(const std::wstring& langDir, int oldVersion, LanguageSetting& setting);
// The same for a Language.ini already read.
LanguageLoadResult LoadLanguageSetting(const ProfileFile& file, int oldVersion, LanguageSetting& setting);

}  // namespace vorma::shell
