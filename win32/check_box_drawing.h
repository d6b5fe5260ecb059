// Check boxes drawn by the program through custom draw, so that their captions take the
// design's colours with visual styles on too, where a themed box ignores the text colour
// its parent gives. They stay real check boxes for the keyboard, screen readers and
// automation: only their painting is the program's.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

namespace win {

// The width that the tick and the gap after it take beside a caption at `dotsPerInch`.
int checkGlyphRoom(int dotsPerInch);

// Paints the check box that `draw` is about, as the theme or the classic look draws its
// tick, its caption in `textColour` on `background`.
void drawCheckBox(const NMCUSTOMDRAW& draw, COLORREF textColour, HBRUSH background,
                  int dotsPerInch);

}  // namespace win
