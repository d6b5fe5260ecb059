// Drives the real morvane101.exe as an outside program would, under Wine on an X server:
// windows found by class and caption, real mouse and key input (SendInput), and what the
// controls show read back with their messages, what screen readers are told heard as they
// are. Prints each failure; exit status 0 when there is none.
//   drive_program PROGRAM.exe EXPECTED_OUTCOMES.tsv DPI
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "design/main_window_design.h"
#include "design/splash_design.h"
#include "design/spoken_texts.h"
#include "pairing/phase_catalogue.h"
#include "win32/form.h"
#include "win32/text.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

int failures = 0;

void expect(bool holds, const std::string& what) {
    if (!holds) {
        std::printf("FAIL: %s\n", what.c_str());
        ++failures;
    }
}

// How long the driver waits for what must come: how soon it comes is the bench's, and a
// busy machine only makes it later.
constexpr std::chrono::milliseconds kGenerously = 20s;

// Waits up to `limit` for `condition`, handing on meanwhile what screen readers hear.
bool within(std::chrono::milliseconds limit, const std::function<bool()>& condition) {
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
    }
    return true;
}

std::string textOf(HWND window) {
    wchar_t text[512]{};
    SendMessageW(window, WM_GETTEXT, WPARAM(std::size(text)), LPARAM(text));
    return win::narrowed(text);
}

// The texts of the live regions, in the order the program announced their changes.
std::vector<std::string> heard;

void CALLBACK listen(HWINEVENTHOOK, DWORD, HWND region, LONG, LONG, DWORD, DWORD) {
    heard.push_back(textOf(region));
}

bool hears(const std::string& text) {
    return within(kGenerously,
                  [&] { return std::find(heard.begin(), heard.end(), text) != heard.end(); });
}

// The visible top-level windows of the program's class with its caption.
std::vector<HWND> visibleForms() {
    std::vector<HWND> forms;
    for (HWND window = FindWindowExW(nullptr, nullptr, L"MorvaneForm", L"Morvane 101"); window;
         window = FindWindowExW(nullptr, window, L"MorvaneForm", L"Morvane 101"))
        if (IsWindowVisible(window))
            forms.push_back(window);
    return forms;
}

// The one visible form, once it is another than `previous`; null if none comes in time.
HWND formReplacing(HWND previous, std::chrono::milliseconds limit) {
    HWND replacing = nullptr;
    within(limit, [&] {
        const auto shown = visibleForms();
        return shown.size() == 1 && shown[0] != previous && (replacing = shown[0]);
    });
    return replacing;
}

// A control of a window by its design name: the program numbers them in design order.
HWND controlOf(HWND form, std::string_view name,
               std::span<const design::ControlDesign> controls = design::kMainWindowControls) {
    return GetDlgItem(
        form, win::controlId(size_t(design::controlNamed(controls, name) - controls.data())));
}

SIZE sizeOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

bool sized(HWND window, int widthTwips, int heightTwips, int dotsPerInch) {
    const SIZE size = sizeOf(window);
    return size.cx == design::twipsToPixels(widthTwips, dotsPerInch) &&
           size.cy == design::twipsToPixels(heightTwips, dotsPerInch);
}

HWND boxOf(HWND form, pairing::PhaseBox box) {
    return controlOf(form, pairing::boxName(box));
}

void sendMouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

// A real click near the left of `control`, where a box has its tick; each click on a spot
// of its own, or two would make a double click.
void click(HWND control) {
    static int shift = 0;
    RECT place;
    GetWindowRect(control, &place);
    const int x = place.left + 8 + (shift++ % 3), y = (place.top + place.bottom) / 2;
    sendMouse(0, x, y);
    sendMouse(MOUSEEVENTF_LEFTDOWN, x, y);
    sendMouse(MOUSEEVENTF_LEFTUP, x, y);
}

// `key`, pressed and released, with `modifier` held if there is one.
void press(WORD key, WORD modifier = 0) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD virtualKey, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        if (virtualKey)
            inputs.push_back(input);
    };
    add(modifier, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    add(modifier, KEYEVENTF_KEYUP);
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND focusOf(HWND form) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    return info.hwndFocus;
}

bool fresh(HWND form) {
    for (pairing::PhaseBox box : pairing::kAllBoxes)
        if (SendMessageW(boxOf(form, box), BM_GETCHECK, 0, 0) != BST_UNCHECKED ||
            !IsWindowEnabled(boxOf(form, box)))
            return false;
    return textOf(controlOf(form, "answer")).empty();
}

struct Row {
    std::string female, male, last, text;
};

std::vector<Row> outcomeSheet(const char* path) {
    std::vector<Row> rows;
    std::ifstream sheet(path);
    for (std::string line; std::getline(sheet, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        Row row;
        size_t from = 0;
        for (std::string* field : {&row.female, &row.male, &row.last, &row.text}) {
            const size_t tab = line.find('\t', from);
            *field = line.substr(from, tab - from);
            from = tab + 1;
        }
        rows.push_back(row);
    }
    return rows;
}

pairing::PhaseBox boxNamed(const std::string& name) {
    for (pairing::PhaseBox box : pairing::kAllBoxes)
        if (pairing::boxName(box) == name)
            return box;
    std::printf("FAIL: no box %s in the sheet's design\n", name.c_str());
    std::exit(2);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::printf("usage: drive_program PROGRAM.exe EXPECTED_OUTCOMES.tsv DPI\n");
        return 2;
    }
    // Coordinates as the program itself sees them: a driver that declares no DPI awareness
    // is handed scaled ones, by Windows and by Wine 10 alike.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::vector<Row> sheet = outcomeSheet(win::narrowed(argv[2]).c_str());
    const int dotsPerInch = std::stoi(argv[3]);
    const std::string atDpi = " at " + win::narrowed(argv[3]) + " dpi";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program)) {
        std::printf("FAIL: cannot start the program\n");
        return 1;
    }
    SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, listen,
                    program.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);

    // The splash alone, then the main window two seconds later.
    HWND splash = nullptr;
    expect(within(10s, [&] { return visibleForms().size() == 1 && (splash = visibleForms()[0]); }),
           "the splash appears");
    const auto splashShown = Clock::now();
    const design::ControlDesign& picture = *design::controlNamed(design::kSplashControls, "Image2");
    expect(splash && sized(splash, design::kSplashDesign.clientWidth,
                           design::kSplashDesign.clientHeight, dotsPerInch),
           "the splash has its designed size" + atDpi);
    expect(splash && sized(controlOf(splash, "Image2", design::kSplashControls), picture.width,
                           picture.height, dotsPerInch),
           "the gecko has its designed size" + atDpi);
    HWND form = formReplacing(splash, kGenerously);
    expect(form != nullptr, "the main window replaces the splash");
    expect(Clock::now() - splashShown >= 1900ms, "the splash stays two seconds");
    if (!form)
        return 1;
    expect(within(kGenerously, [&] { return focusOf(form) == controlOf(form, "Command1"); }),
           "the focus opens on Fermer");
    expect(fresh(form), "the main window opens fresh");
    expect(sized(form, design::kMainWindowDesign.clientWidth,
                 design::kMainWindowDesign.clientHeight, dotsPerInch),
           "the main window has its designed size" + atDpi);
    const SIZE size = sizeOf(form);
    expect(dotsPerInch != 96 || (size.cx == 665 && size.cy == 547),
           "the main window is 665 x 547 at 96 dpi");

    // Closed through its title bar, it comes back fresh (how soon is the bench's).
    click(boxOf(form, pairing::PhaseBox::Check1));
    PostMessageW(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    HWND reopened = formReplacing(form, kGenerously);
    expect(reopened != nullptr, "a main window closed through its frame comes back");
    if (!reopened)
        return 1;
    form = reopened;
    expect(within(kGenerously, [&] { return fresh(form); }), "it comes back fresh");

    // Every pairing, box clicked last, by real clicks.
    HWND reset = controlOf(form, "Command3");
    HWND answer = controlOf(form, "answer");
    for (const Row& row : sheet) {
        click(reset);
        within(kGenerously, [&] { return fresh(form); });
        click(boxOf(form, boxNamed(row.last == row.female ? row.male : row.female)));
        heard.clear();
        click(boxOf(form, boxNamed(row.last)));
        const bool answered = within(kGenerously, [&] { return textOf(answer) == row.text; });
        expect(answered, row.female + " with " + row.male + ", " + row.last + " last: \"" +
                             textOf(answer) + "\" instead of \"" + row.text + "\"");
        expect(hears(row.text), "the answer is announced: " + row.text);
    }
    expect(sheet.size() == 162, "the sheet has 162 rows");

    // A tick greys the other boxes of its parent; Return on the focused Reset clears all.
    click(reset);
    within(kGenerously, [&] { return fresh(form); });
    click(boxOf(form, pairing::PhaseBox::Check5));
    expect(within(kGenerously,
                  [&] { return !IsWindowEnabled(boxOf(form, pairing::PhaseBox::Check1)); }),
           "a female tick greys the other female boxes");
    expect(hears("Les autres phases de la femelle sont indisponibles tant qu'Hypomelanistic est "
                 "cochée."),
           "the greying is announced");
    expect(IsWindowEnabled(boxOf(form, pairing::PhaseBox::Check2)), "the male boxes stay");
    // Tab from the box just ticked goes on in the designed order, past the greyed boxes.
    std::vector<std::string> visited;
    for (int i = 0; i < 19 && focusOf(form) != reset; ++i) {
        const HWND from = focusOf(form);
        press(VK_TAB);
        within(kGenerously, [&] { return focusOf(form) != from; });
        visited.push_back(textOf(focusOf(form)));
    }
    expect(visited == std::vector<std::string>{"Blizzard", "Régulier", "Reset"},
           "Tab follows the design, past the greyed boxes");
    press(VK_RETURN);
    expect(within(kGenerously, [&] { return fresh(form); }), "Return on Reset clears every choice");
    expect(hears(design::announcementAfterReset().choices), "the clearing is announced");

    // The arrows, from the Régulier box just before Reset: down its column, then across to
    // the same phase of the other parent.
    press(VK_TAB, VK_SHIFT);
    expect(within(kGenerously, [&] { return focusOf(form) != reset; }), "Shift+Tab goes back");
    const bool female = focusOf(form) == boxOf(form, pairing::PhaseBox::Check17);
    using pairing::PhaseBox;
    press(VK_DOWN);
    expect(within(kGenerously,
                  [&] {
                      return focusOf(form) ==
                             boxOf(form, female ? PhaseBox::Check1 : PhaseBox::Check2);
                  }),
           "Down goes to the next box of the column");
    press(female ? VK_RIGHT : VK_LEFT);
    expect(within(kGenerously,
                  [&] {
                      return focusOf(form) ==
                             boxOf(form, female ? PhaseBox::Check2 : PhaseBox::Check1);
                  }),
           "across goes to the same phase of the other parent");
    // Return and Escape on a box are no commands of the window's.
    const HWND box = focusOf(form);
    press(VK_RETURN);
    press(VK_ESCAPE);
    press(VK_SPACE);
    expect(within(kGenerously, [&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }),
           "after Return and Escape, the box still has the focus and ticks");
    expect(IsWindowVisible(form) && !FindWindowW(L"#32770", L"Morvane 101"),
           "Return and Escape on a box neither close nor thank");
    press(VK_SPACE);

    // Fermer pressed by a screen reader or automation while another window is active: the
    // thanks in a box of the program's title, owned by the main window; OK, and the program
    // ends with 0.
    const HWND elsewhere = CreateWindowExW(0, L"STATIC", L"ailleurs", WS_OVERLAPPEDWINDOW, 0, 0,
                                           200, 100, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(elsewhere, SW_SHOW);
    SetForegroundWindow(elsewhere);
    within(kGenerously, [&] { return GetForegroundWindow() == elsewhere; });
    PostMessageW(controlOf(form, "Command1"), BM_CLICK, 0, 0);
    HWND thanks = nullptr;
    expect(within(kGenerously,
                  [&] { return (thanks = FindWindowW(L"#32770", L"Morvane 101")) != nullptr; }),
           "Fermer shows the thanks");
    expect(thanks && GetWindow(thanks, GW_OWNER) == form, "the thanks is owned by the main window");
    if (thanks) {
        HWND note = FindWindowExW(thanks, nullptr, L"Static", nullptr);
        while (note && textOf(note).empty())
            note = FindWindowExW(thanks, note, L"Static", nullptr);
        expect(note && textOf(note) == design::thanksNote(), "the thanks reads as designed");
        click(FindWindowExW(thanks, nullptr, L"Button", L"OK"));
    }
    DWORD status = 1;
    expect(WaitForSingleObject(program.hProcess, 5000) == WAIT_OBJECT_0, "the program ends");
    GetExitCodeProcess(program.hProcess, &status);
    expect(status == 0, "the program ends with status 0");
    if (failures)
        TerminateProcess(program.hProcess, 1);
    std::printf("%d passed, %d failed\n", failures ? 0 : 1, failures ? 1 : 0);
    return failures ? 1 : 0;
}
