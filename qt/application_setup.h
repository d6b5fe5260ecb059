// The application as the windows expect it, once it is made.
#pragma once

class QApplication;

namespace ui {

// Its names and icon, the design fonts mapped to installed ones, Qt's own strings in
// French, and a lifetime that no window's closing ends.
void prepareApplication(QApplication& app);

}  // namespace ui
