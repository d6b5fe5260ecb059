#include "win32/check_box_drawing.h"

#include <vssym32.h>

#include <iterator>

#include "win32/visual_style.h"

namespace win {
namespace {

// The tick's square and the gap after it, as Windows draws them at 96 dots per inch.
int glyphSide(int dotsPerInch) {
    return MulDiv(13, dotsPerInch, 96);
}
int glyphGap(int dotsPerInch) {
    return MulDiv(3, dotsPerInch, 96);
}

struct BoxState {
    LRESULT check;  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE: a Value neither 0 nor 1
    bool disabled, pressed, hot;
};

void drawTick(HWND box, HDC dc, const RECT& square, BoxState state) {
    // The style's states come in fours: normal, hot, pressed, disabled.
    const int offset = state.disabled ? 3 : state.pressed ? 2 : state.hot ? 1 : 0;
    const int first = state.check == BST_CHECKED         ? CBS_CHECKEDNORMAL
                      : state.check == BST_INDETERMINATE ? CBS_MIXEDNORMAL
                                                         : CBS_UNCHECKEDNORMAL;
    if (drawStyled(box, L"BUTTON", BP_CHECKBOX, first + offset, dc, square))
        return;
    RECT classic = square;
    DrawFrameControl(dc, &classic, DFC_BUTTON,
                     (state.check == BST_INDETERMINATE ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK) |
                         (state.check != BST_UNCHECKED ? DFCS_CHECKED : 0) |
                         (state.disabled ? DFCS_INACTIVE : 0) | (state.pressed ? DFCS_PUSHED : 0));
}

}  // namespace

int checkGlyphRoom(int dotsPerInch) {
    return glyphSide(dotsPerInch) + glyphGap(dotsPerInch);
}

void drawCheckBox(const NMCUSTOMDRAW& draw, COLORREF textColour, HBRUSH background,
                  int dotsPerInch) {
    HWND box = draw.hdr.hwndFrom;
    HDC dc = draw.hdc;
    const RECT area = draw.rc;
    FillRect(dc, &area, background);

    const BoxState state{SendMessageW(box, BM_GETCHECK, 0, 0), !IsWindowEnabled(box),
                         (SendMessageW(box, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0,
                         (draw.uItemState & CDIS_HOT) != 0};
    const int side = glyphSide(dotsPerInch);
    const int top = (area.top + area.bottom - side) / 2;
    drawTick(box, dc, RECT{area.left, top, area.left + side, top + side}, state);

    wchar_t caption[64]{};
    const int length = GetWindowTextW(box, caption, int(std::size(caption)));
    const HGDIOBJ previousFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    RECT text{area.left + checkGlyphRoom(dotsPerInch), area.top, area.right, area.bottom};
    constexpr UINT kFormat = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColour);
    DrawTextW(dc, caption, length, &text, kFormat);

    // The focus around the caption, once the keyboard has been used in the window.
    const bool focusShown = !(SendMessageW(box, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if (GetFocus() == box && focusShown) {
        RECT focus = text;
        DrawTextW(dc, caption, length, &focus, kFormat | DT_CALCRECT);
        const int height = focus.bottom - focus.top;
        focus.top = text.top + (text.bottom - text.top - height) / 2;
        focus.bottom = focus.top + height;
        InflateRect(&focus, 1, 1);
        IntersectRect(&focus, &focus, &area);
        DrawFocusRect(dc, &focus);
    }
    SelectObject(dc, previousFont);
}

}  // namespace win
