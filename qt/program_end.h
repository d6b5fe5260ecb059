// How the program says its last word and ends: Fermer's thank-you note, then the end.
#pragma once

#include <QString>

namespace ui {

// Shows `text` in an application-modal box with the application's title, OK alone and no
// icon, and waits until it is dismissed, however that happens.
void showMessage(const QString& text);

// Ends the program at once: every window is hidden and its timers stopped, so that nothing
// is left to show or to tick, and the event loop returns with status 0.
void endProgram();

}  // namespace ui
