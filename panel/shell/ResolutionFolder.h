#pragma once
// The screen-size sub-folder of the skin and language folders. Big screens get pictures and fonts
// made for them; a folder that lacks the chosen skin or language is not used at all, so skin and
// language always come from the same size.

#include <string>

namespace vorma::shell {

// "1920x1080\", "1366x768\", "960x540\" or empty, by the number of pixels of the primary screen.
// The thresholds are strict, so a screen of exactly 1920 x 1080 takes "1366x768\".
std::wstring ResolutionFolderForScreen(int width, int height);

// The folder to use: `folder` when both programPath + skinFolderName + "\" + folder + skin +
// "\SkinSetting.ini" and the language's Language.ini exist below it, else empty.
std::wstring UsableResolutionFolder(const std::wstring& folder, const std::wstring& programPath,
                                    const std::wstring& skinFolderName, const std::wstring& skin,
                                    const std::wstring& languageFolderName, const std::wstring& language);

}  // namespace vorma::shell
