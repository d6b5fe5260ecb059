#include "qt/run_time_error.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "design/application.h"
#include "design/spoken_texts.h"
#include "qt/form_builder.h"

namespace ui {

void runTimeError(const QString& control, const QString& operation) {
    const QString message = QString::fromStdString(
        design::runTimeErrorMessage(control.toStdString(), operation.toStdString()));
    std::fprintf(stderr, "%s: %s\n", design::kApplicationTitle.data(),
                 message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, toQString(design::kApplicationTitle), message,
                        QMessageBox::Ok);
        box.exec();
    }
    // Whatever state the forms are in can no longer be trusted: leave without running
    // their destructors.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace ui
