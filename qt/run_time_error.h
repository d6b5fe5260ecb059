// The run-time error that ends the program when its code reaches a control it cannot.
#pragma once

#include <QString>

namespace ui {

// Reports a failed access to a control, in a message box and on stderr, and ends the
// program with a non-zero status. Never returns.
[[noreturn]] void runTimeError(const QString& control, const QString& operation);

}  // namespace ui
