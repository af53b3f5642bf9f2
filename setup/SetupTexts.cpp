#include "setup/SetupTexts.h"

#include "foundation/DebugOutput.h"

namespace vorma::setup {

const wchar_t* const kSetupTextKeys[18] = {
    L"LabelBackBtn",  L"LabelNextBtn",    L"LabelFinishBtn", L"LabelCancelBtn",        L"LabelSelectLang",
    L"LabelVersion",  L"LabelZurudOvo",   L"LabelInstall",   L"LabelReboot",           L"LabelRebootRadioBtn",
    L"LabelNoRebootRadioBtn", L"LabelTitle", L"LabelWarning1", L"LabelWarning2",       L"AntivirusTip",
    L"LabelWarning3", L"LabelWarning4",   L"KB3033929Tip",
};

bool SetupTexts::Load(const std::wstring& languageIniPath) {
  records_.clear();
  for (const wchar_t* key : kSetupTextKeys) {
    shell::LabelAtt& record = records_[key];
    const shell::LanguageLoadResult result = shell::ReadLabelRecord(languageIniPath, kSetupTextSection, key, 0, record);
    if (!result.Succeeded()) {
      DebugPrint(L"***** [Setup] %s: %s *****\n", key, result.message.c_str());
      return false;
    }
  }
  return true;
}

const shell::LabelAtt& SetupTexts::Record(const std::wstring& key) const {
  static const shell::LabelAtt kEmpty;
  const auto found = records_.find(key);
  return found == records_.end() ? kEmpty : found->second;
}

std::wstring SetupTexts::Text(const std::wstring& key) const {
  const std::wstring& text = Record(key).Text;
  return text == L"(null)" ? std::wstring() : text;
}

}  // namespace vorma::setup
