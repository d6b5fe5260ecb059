#include "win32/runtime.h"

#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string_view>

#include "design/application.h"
#include "design/spoken_texts.h"
#include "win32/form.h"
#include "win32/text.h"

namespace win {

void runTimeError(std::string_view control, std::string_view operation) {
    const std::string message = design::runTimeErrorMessage(control, operation);
    std::fprintf(stderr, "%s: %s\n", design::kApplicationTitle.data(), message.c_str());
    MessageBoxW(nullptr, widened(message).c_str(), widened(design::kApplicationTitle).c_str(),
                MB_OK | MB_ICONERROR);
    // Whatever state the windows are in can no longer be trusted.
    ExitProcess(1);
}

void showMessage(HWND owner, std::string_view text) {
    MessageBoxW(owner, widened(text).c_str(), widened(design::kApplicationTitle).c_str(),
                MB_OK | MB_APPLMODAL);
}

void endProgram() {
    // The forms go, and with them their timers: nothing is left to show or to tick.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) {
            wchar_t className[32]{};
            GetClassNameW(window, className, int(std::size(className)));
            if (std::wstring_view(className) == kFormClass)
                DestroyWindow(window);
            return TRUE;
        },
        0);
    PostQuitMessage(0);
}

}  // namespace win
