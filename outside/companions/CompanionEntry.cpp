// VormaEffect.exe and VormaSoundEffect.exe: the two companion programs the panel's plug-in menu
// starts. One source; the build gives each its name and title.

#include "outside/companions/CompanionWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t*, int) {
  return vorma::companion::RunCompanion(instance, {VORMA_COMPANION_NAME, VORMA_COMPANION_TITLE});
}
