#include "qt/application_setup.h"
#include "qt/application_start.h"
#include "qt/splash_window.h"

int main(int argc, char* argv[]) {
    const auto app = ui::startApplication(argc, argv);
    ui::prepareApplication(*app);
    ui::Form1 splash;
    splash.show();
    return QApplication::exec();
}
