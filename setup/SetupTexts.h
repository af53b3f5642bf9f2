#pragma once
// The wizard's texts: the label records of section [Setup] of a language's Language.ini.

#include "panel/shell/language/LanguageSetting.h"

#include <map>
#include <string>

namespace vorma::setup {

inline constexpr wchar_t kSetupTextSection[] = L"Setup";

class SetupTexts {
public:
  // Reads every key of the wizard from the file; keys the file lacks give empty records. Returns
  // false when a value that must be an integer is not one (the records read before it stay).
  bool Load(const std::wstring& languageIniPath);
  const shell::LabelAtt& Record(const std::wstring& key) const;
  // The record's text; "(null)" counts as empty.
  std::wstring Text(const std::wstring& key) const;

private:
  std::map<std::wstring, shell::LabelAtt> records_;
};

// The keys of [Setup], in reading order.
extern const wchar_t* const kSetupTextKeys[18];

}  // namespace vorma::setup
