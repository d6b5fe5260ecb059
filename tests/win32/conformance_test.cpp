// Both windows of the Windows edition against their designs, control by control and field by
// field: what each control shows (class, text, place, size, font, alignment, colours) and
// what a screen reader is told of it (its class, which gives its role; name, description,
// live region, tab order). A field that the edition drops or changes fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "design/fonts.h"
#include "design/main_window_design.h"
#include "design/splash_design.h"
#include "pairing/pairing_board.h"
#include "tests/win32/recorded_annotations.h"
#include "win32/colour_theme.h"
#include "win32/main_window.h"
#include "win32/splash_window.h"
#include "win32/text.h"

// Wine has no contrast theme: these tests answer for the system whether one is on, in the
// place of the program's own answer (win32/colour_theme.cpp, which the link then leaves out).
namespace {
bool contrastTheme = false;
}  // namespace
bool win::contrastThemeIsOn() {
    return contrastTheme;
}

namespace {

using design::ControlDesign;
using design::ControlKind;

struct WindowUnderTest {
    const char* name;
    const design::WindowDesign& design;
    std::span<const ControlDesign> controls;
    std::function<std::unique_ptr<win::Form>()> make;
};

const WindowUnderTest kWindows[] = {
    {"Form1", design::kSplashDesign, design::kSplashControls,
     [] { return std::make_unique<win::Form1>(); }},
    {"Form3", design::kMainWindowDesign, design::kMainWindowControls,
     [] { return std::make_unique<win::Form3>(); }},
};

// The standard control, and its kind, that each kind of the designs is made of: screen
// readers and automation give it its role by them (static text, check box, push button,
// grouping, graphic).
struct ControlClass {
    const wchar_t* name;
    DWORD type;  // the bits of the style that say which kind of the class
    DWORD typeMask;
};

ControlClass classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return {L"Static", SS_LEFT, SS_TYPEMASK & ~SS_CENTER};
        case ControlKind::CheckBox:
            return {L"Button", BS_3STATE, BS_TYPEMASK};
        case ControlKind::CommandButton:
            return {L"Button", BS_PUSHBUTTON, BS_TYPEMASK};
        case ControlKind::Frame:
            return {L"Button", BS_GROUPBOX, BS_TYPEMASK};
        case ControlKind::Picture:
            return {L"Static", SS_BITMAP, SS_TYPEMASK};
    }
    return {};
}

std::wstring classNameOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, int(std::size(name)));
    return name;
}

std::string textOf(HWND window) {
    wchar_t text[512]{};
    GetWindowTextW(window, text, int(std::size(text)));
    return win::narrowed(text);
}

// The place of `control` in its window's client area.
RECT placeOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// The colours the window gives a control to paint itself with.
struct Colours {
    COLORREF text, background;
};

Colours coloursOf(HWND form, HWND control, ControlKind kind) {
    HDC dc = CreateCompatibleDC(nullptr);
    const UINT message = kind == ControlKind::Label || kind == ControlKind::Picture
                             ? WM_CTLCOLORSTATIC
                             : WM_CTLCOLORBTN;
    SendMessageW(form, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const Colours colours{GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return colours;
}

COLORREF colorRef(design::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

class Conformance : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Conformance, ControlIsAsDesigned) {
    const WindowUnderTest& tested = kWindows[GetParam().first];
    const ControlDesign& designed = tested.controls[size_t(GetParam().second)];
    SCOPED_TRACE(std::string(tested.name) + " " + std::string(designed.name));
    const std::unique_ptr<win::Form> form = tested.make();
    form->create();
    const HWND control = form->control(designed.name, "test");

    // What it is made of.
    const ControlClass kind = classOf(designed.kind);
    EXPECT_EQ(classNameOf(control), std::wstring(kind.name));
    const auto style = DWORD(GetWindowLongW(control, GWL_STYLE));
    EXPECT_EQ(style & kind.typeMask, kind.type);
    EXPECT_EQ((style & WS_TABSTOP) != 0, design::takesFocus(designed.kind));

    // Where it is, at the screen's density: within its container, if it has one.
    const auto pixels = [&](int twips) {
        return design::twipsToPixels(twips, form->dotsPerInch());
    };
    int left = designed.left, top = designed.top;
    if (const ControlDesign* container =
            design::controlNamed(tested.controls, designed.container)) {
        left += container->left;
        top += container->top;
    }
    const RECT place = placeOf(control);
    EXPECT_EQ(place.left, pixels(left));
    EXPECT_EQ(place.top, pixels(top));
    EXPECT_EQ(place.right - place.left, pixels(designed.width));
    EXPECT_EQ(place.bottom - place.top, pixels(designed.height));

    // What it shows, and how.
    if (designed.kind == ControlKind::Picture) {
        EXPECT_NE(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    } else {
        EXPECT_EQ(textOf(control), designed.text);
    }
    if (designed.kind == ControlKind::Label) {
        EXPECT_EQ((style & SS_CENTER) != 0, designed.alignment == design::Alignment::TopCentre);
    }
    const design::FontDesign& font =
        designed.font.family.empty() ? tested.design.defaultFont : designed.font;
    const auto given = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (font.family.empty()) {
        EXPECT_EQ(given, nullptr) << "the system's font";
    } else {
        LOGFONTW logical{};
        ASSERT_TRUE(given && GetObjectW(given, sizeof logical, &logical));
        EXPECT_EQ(win::narrowed(logical.lfFaceName), design::fontChoiceFor(font.family)->windows);
        EXPECT_EQ(logical.lfWeight >= FW_BOLD, font.bold);
        // A box's caption may be given a smaller font to fit its room.
        const int height = design::pointsToPixels(font.points, form->dotsPerInch());
        if (designed.kind == ControlKind::CheckBox)
            EXPECT_LE(-logical.lfHeight, height);
        else
            EXPECT_EQ(-logical.lfHeight, height);
    }
    const Colours colours = coloursOf(form->handle(), control, designed.kind);
    EXPECT_EQ(colours.text,
              designed.foreground ? colorRef(*designed.foreground) : GetSysColor(COLOR_BTNTEXT));
    const std::optional<design::Rgb> background =
        designed.background ? designed.background : tested.design.background;
    EXPECT_EQ(colours.background, background ? colorRef(*background) : GetSysColor(COLOR_BTNFACE));

    // What a screen reader is told beyond the control's own text.
    const test::Annotations told = test::annotationsOf(control);
    EXPECT_EQ(told.name, designed.spokenName);
    EXPECT_EQ(told.description, designed.description);
    EXPECT_EQ(told.liveRegion, designed.liveRegion);
}

std::vector<std::pair<int, int>> everyControl() {
    std::vector<std::pair<int, int>> all;
    for (int window = 0; window < int(std::size(kWindows)); ++window)
        for (int control = 0; control < int(kWindows[window].controls.size()); ++control)
            all.emplace_back(window, control);
    return all;
}

INSTANTIATE_TEST_SUITE_P(BothWindows, Conformance, testing::ValuesIn(everyControl()),
                         [](const testing::TestParamInfo<std::pair<int, int>>& info) {
                             const WindowUnderTest& window = kWindows[info.param.first];
                             return std::string(window.name) + "_" +
                                    std::string(window.controls[size_t(info.param.second)].name);
                         });

class WindowConformance : public testing::TestWithParam<int> {};

TEST_P(WindowConformance, WindowIsAsDesigned) {
    const WindowUnderTest& tested = kWindows[GetParam()];
    const std::unique_ptr<win::Form> form = tested.make();
    form->create();
    EXPECT_EQ(textOf(form->handle()), tested.design.caption);
    RECT client{};
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, design::twipsToPixels(tested.design.clientWidth, form->dotsPerInch()));
    EXPECT_EQ(client.bottom,
              design::twipsToPixels(tested.design.clientHeight, form->dotsPerInch()));
    EXPECT_EQ(test::annotationsOf(form->handle()).description,
              design::windowDescription(tested.design, tested.controls));
}

// Tab goes round the controls that take the focus in the tables' order, from the one the
// window opens on.
TEST_P(WindowConformance, TabFollowsTheTable) {
    const WindowUnderTest& tested = kWindows[GetParam()];
    const std::unique_ptr<win::Form> form = tested.make();
    form->create();
    std::vector<std::string> designed, visited;
    for (const ControlDesign& control : tested.controls)
        if (design::takesFocus(control.kind))
            designed.emplace_back(control.name);
    if (const ControlDesign* first = design::initialFocus(tested.controls)) {
        const HWND start = form->control(first->name, "test");
        HWND control = start;
        do {
            visited.emplace_back(form->designOf(control)->name);
            control = GetNextDlgTabItem(form->handle(), control, FALSE);
        } while (control && control != start && visited.size() <= designed.size());
    }
    EXPECT_EQ(visited, designed);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, WindowConformance, testing::Values(0, 1),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(kWindows[info.param].name);
                         });

// A click on a box, as the box tells its window of it.
void click(win::Form3& form, pairing::PhaseBox box) {
    const HWND control = form.control(pairing::boxName(box), "test");
    SendMessageW(form.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

// In a contrast theme every colour is the system's, the greyed boxes' too, and the designs'
// come back when the theme goes.
TEST(ContrastTheme, TakesTheSystemsColoursAndGivesThemBack) {
    win::Form3 form;
    form.create();
    const auto themeChanged = [&](bool on) {
        contrastTheme = on;
        SendMessageW(form.handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    };
    themeChanged(true);
    click(form, pairing::PhaseBox::Check1);
    for (const ControlDesign& control : design::kMainWindowControls) {
        const HWND handle = form.control(control.name, "test");
        const Colours colours = coloursOf(form.handle(), handle, control.kind);
        EXPECT_EQ(colours.text,
                  GetSysColor(IsWindowEnabled(handle) ? COLOR_BTNTEXT : COLOR_GRAYTEXT))
            << control.name;
        EXPECT_EQ(colours.background, GetSysColor(COLOR_BTNFACE)) << control.name;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(GetDC(nullptr), 4, 4);
    const HGDIOBJ previous = SelectObject(dc, canvas);
    SendMessageW(form.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 1, 1), GetSysColor(COLOR_BTNFACE)) << "the window's background";
    themeChanged(false);
    SendMessageW(form.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 1, 1), colorRef(*design::kMainWindowDesign.background));
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
    const ControlDesign& albinos = *design::controlNamed(design::kMainWindowControls, "Check1");
    EXPECT_EQ(coloursOf(form.handle(), form.control("Check1", "test"), albinos.kind).text,
              colorRef(*albinos.foreground));
}

// A live region's every new text is announced to screen readers as it comes.
std::vector<HWND> announced;

void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    announced.push_back(window);
}

TEST(LiveRegions, AnnounceEachNewText) {
    win::Form3 form;
    form.create();
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        heard, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    announced.clear();
    click(form, pairing::PhaseBox::Check1);
    click(form, pairing::PhaseBox::Check2);
    // The events come as messages to the thread that listens.
    for (int round = 0; round < 100 && announced.empty(); ++round) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    for (const ControlDesign& control : design::kMainWindowControls) {
        if (control.liveRegion) {
            EXPECT_NE(
                std::find(announced.begin(), announced.end(), form.control(control.name, "test")),
                announced.end())
                << control.name;
        }
    }
}

}  // namespace

// The annotation service stands in for the system's before the first window asks for it.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    test::recordAnnotations();
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
