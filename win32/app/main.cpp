// Morvane 101 on Windows: the splash, then everything is the windows' handling of events.
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <objbase.h>

#include "win32/accessibility.h"
#include "win32/splash_window.h"

namespace {

// COM for the life of the program: the annotations for screen readers are a COM service.
// Without it the windows work all the same, and say only what they show.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        win::releaseAnnotationService();
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Whatever is loaded from here on comes from the system's folder, never from beside the
    // program, where anyone may have left a DLL.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const ComApartment com;
    // The controls of version 6, drawn in the system's visual style.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    win::Form1 splash;
    splash.create();
    splash.show();
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        HWND window = GetAncestor(message.hwnd, GA_ROOT);
        win::Form3* mainWindow = splash.mainWindow();
        if (message.message == WM_KEYDOWN && mainWindow && window == mainWindow->handle() &&
            mainWindow->moveAmongBoxes(message.wParam))
            continue;
        // Tab, Shift+Tab, Space and Return as in a dialog.
        if (window && IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // -1: the message loop itself failed, and nothing can run any more.
    return got < 0 ? 1 : int(message.wParam);
}
