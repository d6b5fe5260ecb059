// The fonts of the designs, asked of Windows by names that every Windows 10 and 11 has.
#pragma once

#include <windows.h>

#include <string_view>

#include "design/form_design.h"

namespace win {

// `font` at `pixelHeight` pixels, the character height.
HFONT createFont(const design::FontDesign& font, int pixelHeight);

// `font` at `pixelHeight`, or smaller where `text` would be wider than `room` pixels in
// the font the system gave.
HFONT fittedFont(const design::FontDesign& font, int pixelHeight, std::wstring_view text, int room);

}  // namespace win
