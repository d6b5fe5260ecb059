// The two commands of the main window, Reset and Fermer.
#include "design/spoken_texts.h"
#include "ui/announcer.h"
#include "ui/form_design.h"
#include "ui/form_runtime.h"
#include "ui/main_window.h"

namespace ui {

void Form3::Command3_Click() {
    pairing::resetBoard(board());
    announcer_->announce(toQString(design::announcementAfterReset()));
}

void Form3::Command1_Click() {
    showMessage(toQString(design::thanksNote()));
    endProgram();
}

}  // namespace ui
