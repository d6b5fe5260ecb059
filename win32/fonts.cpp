#include "win32/fonts.h"

#include <algorithm>
#include <array>

namespace win {
namespace {

struct FontFamily {
    std::string_view design;
    const wchar_t* windows;
};

// Fonts that every Windows 10 and 11 has. MS Sans Serif, a bitmap font, has its TrueType
// twin; Liberation Sans was made to the metrics of Arial. There is no narrow Arial without
// Office: the boxes take Arial and fit their captions to their room (fittedFont).
constexpr std::array<FontFamily, 3> kFontFamilies{{
    {"MS Sans Serif", L"Microsoft Sans Serif"},
    {"Liberation Sans", L"Arial"},
    {"Liberation Sans Narrow", L"Arial"},
}};

int widthOf(HDC dc, HFONT font, std::wstring_view text) {
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &extent);
    SelectObject(dc, previous);
    return extent.cx;
}

}  // namespace

HFONT createFont(const design::FontDesign& font, int pixelHeight) {
    const auto family = std::find_if(kFontFamilies.begin(), kFontFamilies.end(),
                                     [&](const FontFamily& f) { return f.design == font.family; });
    return CreateFontW(-pixelHeight, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS,
                       family != kFontFamilies.end() ? family->windows : L"Microsoft Sans Serif");
}

HFONT fittedFont(const design::FontDesign& font, int pixelHeight, std::wstring_view text,
                 int room) {
    HDC dc = GetDC(nullptr);
    HFONT fitted = createFont(font, pixelHeight);
    for (int height = pixelHeight; height > 6 && widthOf(dc, fitted, text) > room; --height) {
        DeleteObject(fitted);
        fitted = createFont(font, height - 1);
    }
    ReleaseDC(nullptr, dc);
    return fitted;
}

}  // namespace win
