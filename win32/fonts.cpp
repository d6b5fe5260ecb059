#include "win32/fonts.h"

#include "design/fonts.h"
#include "win32/text.h"

namespace win {
namespace {

int widthOf(HDC dc, HFONT font, std::wstring_view text) {
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &extent);
    SelectObject(dc, previous);
    return extent.cx;
}

}  // namespace

HFONT createFont(const design::FontDesign& font, int pixelHeight) {
    const design::FontChoice* choice = design::fontChoiceFor(font.family);
    const std::wstring family = widened(choice ? choice->windows : design::kFontChoices[0].windows);
    return CreateFontW(-pixelHeight, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, family.c_str());
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
