#include <QApplication>

#include "qt/form_runtime.h"
#include "qt/splash_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    ui::Form1 splash;
    splash.show();
    return QApplication::exec();
}
