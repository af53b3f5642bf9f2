#pragma once
// Drawing helpers shared by the form and its controls: off-screen buffers, PNG files, fonts.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vorma::forms {

void PaintBackground(HDC dc, const RECT& area, COLORREF color);

// Paints into a memory bitmap of the area's size (coordinates stay those of the client area) and
// copies the area to the target in one step, so the screen never shows a half-drawn state.
void PaintBuffered(HDC target, const RECT& area, const std::function<void(HDC dc)>& paint);

// Paints into a 32-bit top-down bitmap of the size and returns its pixels (0x00RRGGBB);
// empty on failure.
void RenderOffscreen(int width, int height, const std::function<void(HDC dc)>& paint, std::vector<DWORD>& pixels);

bool SavePixelsAsPng(const std::vector<DWORD>& pixels, int width, int height, const std::wstring& path);

}  // namespace vorma::forms
