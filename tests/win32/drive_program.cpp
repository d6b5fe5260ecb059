// Drives the real morvane101.exe as an outside program would, under Wine on an X server:
// windows found by class and caption, real mouse and key input (SendInput), and what the
// controls show read back with their messages, what screen readers are told heard as they
// are. One run of the program goes through the named cases in turn, from the splash to
// Fermer; each prints PASS or its failures, and the exit status is 0 when none failed.
//   drive_program PROGRAM.exe EXPECTED_OUTCOMES.tsv DPI
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "design/application.h"
#include "design/main_window_design.h"
#include "design/splash_design.h"
#include "design/spoken_texts.h"
#include "pairing/phase_catalogue.h"
#include "tests/model/outcome_sheet.h"
#include "win32/form.h"
#include "win32/text.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The failures of the case under way.
std::vector<std::string> failures;

void expect(bool holds, const std::string& what) {
    if (!holds)
        failures.push_back(what);
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
    const std::wstring title = win::widened(design::kApplicationTitle);
    for (HWND window = FindWindowExW(nullptr, nullptr, L"MorvaneForm", title.c_str()); window;
         window = FindWindowExW(nullptr, window, L"MorvaneForm", title.c_str()))
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

// Reset, and the main window back as it opened.
void startAfresh(HWND form) {
    click(controlOf(form, "Command3"));
    within(kGenerously, [&] { return fresh(form); });
}

HWND thanksBox() {
    return FindWindowW(L"#32770", win::widened(design::kApplicationTitle).c_str());
}

// What the cases share: the program, the screen's density, and the main window once it is
// there; each case takes the program as the one before left it.
struct Session {
    PROCESS_INFORMATION program{};
    int dotsPerInch{96};
    std::string sheetPath{};
    HWND form{nullptr};
};

void splashHandsOverToAFreshMainWindow(Session& session) {
    const int dpi = session.dotsPerInch;
    const std::string atDpi = " at " + std::to_string(dpi) + " dpi";
    HWND splash = nullptr;
    expect(within(kGenerously,
                  [&] { return visibleForms().size() == 1 && (splash = visibleForms()[0]); }),
           "the splash appears");
    const auto splashShown = Clock::now();
    const design::ControlDesign& picture = *design::controlNamed(design::kSplashControls, "Image2");
    expect(splash && sized(splash, design::kSplashDesign.clientWidth,
                           design::kSplashDesign.clientHeight, dpi),
           "the splash has its designed size" + atDpi);
    expect(splash && sized(controlOf(splash, "Image2", design::kSplashControls), picture.width,
                           picture.height, dpi),
           "the gecko has its designed size" + atDpi);
    session.form = formReplacing(splash, kGenerously);
    expect(session.form != nullptr, "the main window replaces the splash");
    // Not before its time; how soon after is the bench's.
    expect(Clock::now() - splashShown >=
               std::chrono::milliseconds(design::kHandOverMilliseconds) - 100ms,
           "the splash stays its time");
    if (!session.form)
        return;
    HWND form = session.form;
    expect(within(kGenerously, [&] { return focusOf(form) == controlOf(form, "Command1"); }),
           "the focus opens on Fermer");
    expect(fresh(form), "the main window opens fresh");
    expect(sized(form, design::kMainWindowDesign.clientWidth,
                 design::kMainWindowDesign.clientHeight, dpi),
           "the main window has its designed size" + atDpi);
}

void closedThroughItsFrameItComesBackFresh(Session& session) {
    click(boxOf(session.form, pairing::PhaseBox::Check1));
    PostMessageW(session.form, WM_SYSCOMMAND, SC_CLOSE, 0);
    HWND reopened = formReplacing(session.form, kGenerously);
    expect(reopened != nullptr, "a main window closed through its frame comes back");
    if (!reopened)
        return;
    session.form = reopened;
    expect(within(kGenerously, [&] { return fresh(reopened); }), "it comes back fresh");
}

void everyPairingAnswersAsTheSheetSaysByRealClicks(Session& session) {
    HWND form = session.form;
    HWND answer = controlOf(form, "answer");
    const std::vector<model::SheetRow> sheet = model::readOutcomeSheet(session.sheetPath);
    for (const model::SheetRow& row : sheet) {
        const auto box = [&](int number) { return boxOf(form, pairing::PhaseBox(number)); };
        startAfresh(form);
        click(box(row.clickedLast == row.female ? row.male : row.female));
        heard.clear();
        click(box(row.clickedLast));
        const std::string pairing = "Check" + std::to_string(row.female) + " with Check" +
                                    std::to_string(row.male) + ", Check" +
                                    std::to_string(row.clickedLast) + " last";
        expect(within(kGenerously, [&] { return textOf(answer) == row.text; }),
               pairing + ": \"" + textOf(answer) + "\" instead of \"" + row.text + "\"");
        expect(hears(row.text), pairing + ": the answer is announced");
    }
    expect(sheet.size() == 162, "the sheet has 162 rows");
}

void aTickGreysItsParentsOtherBoxesWhichTabPasses(Session& session) {
    using pairing::PhaseBox;
    HWND form = session.form;
    HWND reset = controlOf(form, "Command3");
    startAfresh(form);
    click(boxOf(form, PhaseBox::Check5));
    expect(within(kGenerously, [&] { return !IsWindowEnabled(boxOf(form, PhaseBox::Check1)); }),
           "a female tick greys the other female boxes");
    expect(hears("Les autres phases de la femelle sont indisponibles tant qu'Hypomelanistic est "
                 "cochée."),
           "the greying is announced");
    expect(IsWindowEnabled(boxOf(form, PhaseBox::Check2)), "the male boxes stay");
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
}

// From the Régulier box just before Reset: down its column, then across to the same phase
// of the other parent.
void arrowsMoveDownAColumnAndAcrossToTheOtherParent(Session& session) {
    using pairing::PhaseBox;
    HWND form = session.form;
    HWND reset = controlOf(form, "Command3");
    press(VK_TAB, VK_SHIFT);
    expect(within(kGenerously, [&] { return focusOf(form) != reset; }), "Shift+Tab goes back");
    const bool female = focusOf(form) == boxOf(form, PhaseBox::Check17);
    const HWND below = boxOf(form, female ? PhaseBox::Check1 : PhaseBox::Check2);
    const HWND across = boxOf(form, female ? PhaseBox::Check2 : PhaseBox::Check1);
    press(VK_DOWN);
    expect(within(kGenerously, [&] { return focusOf(form) == below; }),
           "Down goes to the next box of the column");
    press(female ? VK_RIGHT : VK_LEFT);
    expect(within(kGenerously, [&] { return focusOf(form) == across; }),
           "across goes to the same phase of the other parent");
}

void returnAndEscapeOnABoxAreNoCommands(Session& session) {
    HWND form = session.form;
    const HWND box = focusOf(form);
    press(VK_RETURN);
    press(VK_ESCAPE);
    press(VK_SPACE);
    expect(within(kGenerously, [&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }),
           "after Return and Escape, the box still has the focus and ticks");
    expect(IsWindowVisible(form) && !thanksBox(),
           "Return and Escape on a box neither close nor thank");
    press(VK_SPACE);
}

// Pressed by a screen reader or automation while another window is active: the thanks in
// a box of the program's title, owned by the main window; OK, and the program ends with 0.
void fermerThanksThenEndsTheProgram(Session& session) {
    HWND form = session.form;
    const HWND elsewhere = CreateWindowExW(0, L"STATIC", L"ailleurs", WS_OVERLAPPEDWINDOW, 0, 0,
                                           200, 100, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(elsewhere, SW_SHOW);
    SetForegroundWindow(elsewhere);
    within(kGenerously, [&] { return GetForegroundWindow() == elsewhere; });
    PostMessageW(controlOf(form, "Command1"), BM_CLICK, 0, 0);
    HWND thanks = nullptr;
    expect(within(kGenerously, [&] { return (thanks = thanksBox()) != nullptr; }),
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
    expect(
        WaitForSingleObject(session.program.hProcess, DWORD(kGenerously.count())) == WAIT_OBJECT_0,
        "the program ends");
    GetExitCodeProcess(session.program.hProcess, &status);
    expect(status == 0, "the program ends with status 0");
}

struct Case {
    const char* name;
    void (*run)(Session&);
    bool needsMainWindow;
};

constexpr Case kCases[] = {
    {"splashHandsOverToAFreshMainWindow", splashHandsOverToAFreshMainWindow, false},
    {"closedThroughItsFrameItComesBackFresh", closedThroughItsFrameItComesBackFresh, true},
    {"everyPairingAnswersAsTheSheetSaysByRealClicks", everyPairingAnswersAsTheSheetSaysByRealClicks,
     true},
    {"aTickGreysItsParentsOtherBoxesWhichTabPasses", aTickGreysItsParentsOtherBoxesWhichTabPasses,
     true},
    {"arrowsMoveDownAColumnAndAcrossToTheOtherParent",
     arrowsMoveDownAColumnAndAcrossToTheOtherParent, true},
    {"returnAndEscapeOnABoxAreNoCommands", returnAndEscapeOnABoxAreNoCommands, true},
    {"fermerThanksThenEndsTheProgram", fermerThanksThenEndsTheProgram, true},
};

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::printf("usage: drive_program PROGRAM.exe EXPECTED_OUTCOMES.tsv DPI\n");
        return 2;
    }
    // Coordinates as the program itself sees them: a driver that declares no DPI awareness
    // is handed scaled ones, by Windows and by Wine 10 alike.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    Session session{.dotsPerInch = std::stoi(argv[3]), .sheetPath = win::narrowed(argv[2])};
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &session.program)) {
        std::printf("FAIL: cannot start the program\n");
        return 1;
    }
    SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, listen,
                    session.program.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);

    int passed = 0, failed = 0;
    for (const Case& test : kCases) {
        failures.clear();
        if (test.needsMainWindow && !session.form)
            failures.push_back("no main window to try it on");
        else
            test.run(session);
        std::printf("%s %s\n", failures.empty() ? "PASS" : "FAIL", test.name);
        for (const std::string& failure : failures)
            std::printf("  %s\n", failure.c_str());
        ++(failures.empty() ? passed : failed);
    }
    if (failed)
        TerminateProcess(session.program.hProcess, 1);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
