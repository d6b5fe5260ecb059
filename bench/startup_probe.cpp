// The program's own start-up, as in startup/main.cpp, watched by a probe:
//   startup_probe splash     -> "painted" at the splash's first paint
//   startup_probe hand-over  -> "shown" at the splash's show, "ticked" when its timer's event
//                               arrives, before the hand-over runs, "painted" at the main window's
#include <QApplication>
#include <cstring>

#include "bench/paint_probe.h"
#include "startup/splash_window.h"
#include "ui/form_runtime.h"

int main(int argc, char* argv[]) {
    const bool handOver = argc > 1 && std::strcmp(argv[1], "hand-over") == 0;
    PaintProbe probe(handOver ? "Form3" : "Form1", handOver ? "Form1" : nullptr);
    QApplication app(argc, argv);
    app.installEventFilter(&probe);
    ui::prepareApplication(app);
    startup::Form1 splash;
    splash.show();
    return QApplication::exec();
}
