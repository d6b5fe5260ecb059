// The few form semantics the program relies on, on plain Win32: the run-time error that
// ends the program, the message box and program end.
#pragma once

#include <windows.h>

#include <string_view>

namespace win {

// Reports a failed access to a control in a message box and ends the program with
// status 1. Never returns.
[[noreturn]] void runTimeError(std::string_view control, std::string_view operation);

// Shows `text` with the application's title, OK alone and no icon, owned by `owner`, and
// waits until it is dismissed, however that happens.
void showMessage(HWND owner, std::string_view text);

// Ends the program at once: its windows go, and the message loop returns status 0.
void endProgram();

}  // namespace win
