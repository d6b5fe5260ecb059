// Form1: the splash window and its timer.
#include "win32/splash_window.h"

#include "design/application.h"
#include "design/splash_design.h"
#include "win32/runtime.h"

namespace win {
namespace {

constexpr UINT_PTR kTimer1 = 1;
// A splash is not resized.
constexpr DWORD kFixedFrame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

Form1::Form1() : Form("Form1", kFixedFrame, design::kSplashDesign, design::kSplashControls) {}

Form3* Form1::mainWindow() const {
    return mainWindow_ && mainWindow_->handle() ? mainWindow_.get() : nullptr;
}

// Goes with the window; set again, it counts again from now. Without it the splash would
// stay for ever.
void Form1::startTimer1() {
    if (!SetTimer(handle(), kTimer1, design::kHandOverMilliseconds, nullptr))
        runTimeError("Timer1", "démarrage de la minuterie");
}

void Form1::Timer1_Timer() {
    hide();
    if (!mainWindow()) {
        mainWindow_ = std::make_unique<Form3>();
        mainWindow_->create();
    }
    mainWindow_->show();
}

LRESULT Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            startTimer1();
            return 0;
        case WM_PAINT:
            // Started when the splash was made, the timer starts again once the splash is
            // painted, which on a busy machine can come well after.
            if (!painted_) {
                painted_ = true;
                startTimer1();
            }
            return Form::handleMessage(message, wParam, lParam);
        case WM_TIMER:
            if (wParam == kTimer1)
                Timer1_Timer();
            return 0;
        case WM_CLOSE:
            // Once the main window exists, the hidden splash keeps watch over it and stays;
            // closed before, it leaves no window: the program ends.
            if (!mainWindow_)
                endProgram();
            return 0;
        default:
            return Form::handleMessage(message, wParam, lParam);
    }
}

}  // namespace win
