// The windows' icon, built into the program at the sizes title bars and task switchers show.
#pragma once

class QApplication;

namespace ui {

// Gives every window the icon right after the first window's first paint. Decoding the
// icons costs a few milliseconds, which would otherwise delay the splash; the window
// manager shows the icon in the frame before anyone could notice the difference.
void setWindowIconAfterFirstPaint(QApplication& app);

}  // namespace ui
