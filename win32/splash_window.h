// Form1, the splash window: the title, the gecko picture and a notice line. Its timer hands
// over to the main window and keeps watch over it for the life of the program.
#pragma once

#include <memory>

#include "win32/form.h"
#include "win32/main_window.h"

namespace win {

class Form1 final : public Form {
public:
    Form1();

    // The main window, once the first tick has created it and while it is open.
    Form3* mainWindow() const;

    // Hides the splash and shows the main window, creating it afresh if there is none:
    // at the first tick, and again after the user closed it through its frame.
    void Timer1_Timer();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void startTimer1();

    std::unique_ptr<Form3> mainWindow_{};
    bool painted_{false};
};

}  // namespace win
