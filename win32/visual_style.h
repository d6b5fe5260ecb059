// The visual style's drawing of controls. UxTheme.dll is no DLL that Windows always takes
// from its own folder: imported, a DLL of that name beside the program (in a downloads
// folder, on a USB stick) would run in its place. It is loaded from the system folder
// alone, when first needed.
#pragma once

#include <windows.h>

namespace win {

// Draws the part `part` in the state `state` of the style's class `styleClass`, as the
// visual style draws it for `window`, into `square`. False, drawing nothing, where no
// visual style is on.
bool drawStyled(HWND window, const wchar_t* styleClass, int part, int state, HDC dc,
                const RECT& square);

}  // namespace win
