#include <QApplication>

#include "ui/form_runtime.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    auto* mainWindow = new ui::Form3;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    return QApplication::exec();
}
