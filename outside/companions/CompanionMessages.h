#pragma once
// The registered messages the panel and its companion programs coordinate with.

namespace vorma::companion {

// Broadcast by the panel (and the uninstaller): every running companion program ends.
inline constexpr wchar_t kEffectExitMessage[] = L"WM_AUDIO_EFFECT_EXIT";
// Broadcast by a companion program as it ends: the panel unchecks its plug-in item.
inline constexpr wchar_t kExitResumeMessage[] = L"WM_APP_EXIT_RESUME";

}  // namespace vorma::companion
