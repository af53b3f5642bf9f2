// Pictures of every page for people checking a skin or a translation: with VORMA_SNAPSHOT_DIR set,
// the window saves one PNG per page after its first activation, named
// <skin>-<language>-<page number>.png, and then goes on as usual (or closes itself when
// VORMA_SNAPSHOT_CLOSE is 1). The pages are shown through the same redraws as a page button.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"

#include <array>
#include <string>

namespace vorma::shell {
namespace {

std::wstring EnvironmentValue(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

// Strip order: EQ, 3D, Effect, Mic, Virtual 7.1, LED, ENC, voice effect.
constexpr std::array kSnapshotPageButtons{kTagPageEq,          kTagPage3D, kTagPageEffect, kTagPageMic,
                                          kTagPageVirtual7ch1, kTagPageLed, kTagPageEnc,    kTagPageVoiceEffect};

}  // namespace

void TAudioMainForm::SaveSnapshotsWhenAsked() {
  std::wstring folder = EnvironmentValue(L"VORMA_SNAPSHOT_DIR");
  if (folder.empty()) return;
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  const int shownPage = m_nCurrentPage;
  for (int tag : kSnapshotPageButtons) {
    const WindowTag& snapshot = *PageButtonOf(tag);
    m_nCurrentPage = snapshot.opensPage;
    PageButtonShow(snapshot.pageButton);
    ShowPageControls(snapshot.opensPage);
    const std::wstring path =
        folder + SkinName() + L"-" + LanguageName() + L"-" + std::to_wstring(snapshot.opensPage) + L".png";
    if (RenderToPng(path)) DebugPrint(L"===== snapshot %ls =====\n", path.c_str());
    else DebugPrint(L"***** snapshot %ls could not be saved *****\n", path.c_str());
  }
  m_nCurrentPage = shownPage;
  for (int tag : kSnapshotPageButtons)
    if (PageButtonOf(tag)->opensPage == shownPage) PageButtonShow(PageButtonOf(tag)->pageButton);
  ShowPageControls(shownPage);
  if (EnvironmentValue(L"VORMA_SNAPSHOT_CLOSE") == L"1") PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace vorma::shell
