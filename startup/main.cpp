#include <QApplication>

#include "startup/splash_window.h"
#include "ui/form_runtime.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    startup::Form1 splash;
    splash.show();
    return QApplication::exec();
}
