// The main window laid out again at each density a screen may have: every place at the
// design's twips for the new DPI, and no caption wider than its control.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "design/main_window_design.h"
#include "win32/check_box_drawing.h"
#include "win32/main_window.h"
#include "win32/text.h"

namespace {

int captionWidth(HWND control) {
    wchar_t text[128]{};
    const int length = GetWindowTextW(control, text, int(std::size(text)));
    HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, length, &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.cx;
}

class FormLayout : public testing::TestWithParam<int> {};

TEST_P(FormLayout, FollowsTheScreenItMovesTo) {
    const int dotsPerInch = GetParam();
    const auto pixels = [dotsPerInch](int twips) {
        return design::twipsToPixels(twips, dotsPerInch);
    };
    win::Form3 form;
    form.create();
    // What Windows suggests: the frame scaled with the rest.
    RECT frame{0, 0, pixels(design::kMainWindowDesign.clientWidth),
               pixels(design::kMainWindowDesign.clientHeight)};
    AdjustWindowRectExForDpi(&frame, DWORD(GetWindowLongW(form.handle(), GWL_STYLE)), FALSE, 0,
                             UINT(dotsPerInch));
    SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch),
                 reinterpret_cast<LPARAM>(&frame));
    EXPECT_EQ(form.dotsPerInch(), dotsPerInch);

    RECT client{};
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, pixels(design::kMainWindowDesign.clientWidth));
    EXPECT_EQ(client.bottom, pixels(design::kMainWindowDesign.clientHeight));

    for (const design::ControlDesign& control : design::kMainWindowControls) {
        HWND handle = form.control(control.name, "test");
        RECT place{};
        GetClientRect(handle, &place);
        EXPECT_EQ(place.right, pixels(control.width)) << control.name;
        EXPECT_EQ(place.bottom, pixels(control.height)) << control.name;
        const int room = control.kind == design::ControlKind::CheckBox
                             ? place.right - win::checkGlyphRoom(dotsPerInch)
                             : place.right;
        if (control.kind != design::ControlKind::Frame) {
            EXPECT_LE(captionWidth(handle), room) << control.name << " at " << dotsPerInch;
        }
    }
}

// 100, 125, 150 and 200 %.
INSTANTIATE_TEST_SUITE_P(Scales, FormLayout, testing::Values(96, 120, 144, 192));

// The process's GDI and USER objects: what the windows hold of the system. (Wine counts
// none; Windows does.)
std::pair<DWORD, DWORD> systemObjects() {
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

int windowsOfThisThread() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM counted) {
            ++*reinterpret_cast<int*>(counted);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// A main window opened, moved `moves` times between screens of two densities, and closed
// through its frame: its window and the fonts its controls were given go with it.
void openMoveAndClose(int moves) {
    const int windowsBefore = windowsOfThisThread();
    win::Form3 form;
    form.create();
    form.show();
    for (int move = 0; move < moves; ++move) {
        const int dotsPerInch = move % 2 ? 144 : 96;
        RECT frame{0, 0, 1000, 800};
        SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch),
                     reinterpret_cast<LPARAM>(&frame));
    }
    std::vector<HGDIOBJ> fonts;
    for (const design::ControlDesign& control : design::kMainWindowControls)
        fonts.push_back(reinterpret_cast<HGDIOBJ>(
            SendMessageW(form.control(control.name, "test"), WM_GETFONT, 0, 0)));
    SendMessageW(form.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.handle(), nullptr) << "the form lets its window go";
    EXPECT_EQ(windowsOfThisThread(), windowsBefore);
    for (HGDIOBJ font : fonts)
        EXPECT_EQ(font ? GetObjectType(font) : 0, 0u) << "a font outlives its window";
}

// Whatever a window takes from the system it gives back as it goes: after fifty moves
// between densities, and twenty windows later, the process holds what it held after the
// first window (which loads what stays for the program's life: the window class, the
// icons, the visual style).
TEST(FormResources, AreGivenBackWhenTheWindowGoes) {
    openMoveAndClose(50);
    const auto before = systemObjects();
    for (int window = 0; window < 20; ++window)
        openMoveAndClose(0);
    EXPECT_EQ(systemObjects(), before);
}

}  // namespace
