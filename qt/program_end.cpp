#include "qt/program_end.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "design/application.h"
#include "qt/form_builder.h"

namespace ui {

void showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, toQString(design::kApplicationTitle), text,
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void endProgram() {
    // Nothing is left to see or to tick while the event loop unwinds.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
        for (QTimer* timer : window->findChildren<QTimer*>())
            timer->stop();
    }
    QCoreApplication::exit(0);
}

}  // namespace ui
