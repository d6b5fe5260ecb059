// The two commands of the main window, Reset and Fermer.
#include "ui/announcer.h"
#include "ui/form_runtime.h"
#include "ui/main_window.h"
#include "ui/spoken_texts.h"

namespace ui {

QString Form3::thanksNote() {
    // A no-break space keeps the "!" with its word, as French typography wants.
    return QString::fromUtf8("Merci à Lucien Arvel pour son aide précieuse et fidèle\u00A0!");
}

void Form3::Command3_Click() {
    pairing::resetBoard(board());
    announcer_->announce(announcementAfterReset());
}

void Form3::Command1_Click() {
    showMessage(thanksNote());
    endProgram();
}

}  // namespace ui
