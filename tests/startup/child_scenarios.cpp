// Whole-program scenarios that end their process, each run by the tests in a child
// process: `startup_child_scenarios NAME`. Reports what happened on stdout.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "startup/splash_window.h"
#include "ui/form_runtime.h"

namespace {

void report(const char* line) {
    std::puts(line);
    std::fflush(stdout);
}

// Closes the splash before its first tick.
void closeSplashFirst(startup::Form1& splash) {
    QTimer::singleShot(200, &splash, [&splash] { splash.close(); });
    QTimer::singleShot(3000, [] { report("still running"); });
}

// Waits for the hand-over, then uses "Fermer" and dismisses its box.
void closeThroughFermer(startup::Form1& splash) {
    auto* poll = new QTimer(&splash);
    QObject::connect(poll, &QTimer::timeout, [&splash] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            report("thanks shown");
            box->button(QMessageBox::Ok)->click();
        } else if (splash.mainWindow() && splash.mainWindow()->isVisible()) {
            report("main window shown");
            QMetaObject::invokeMethod(
                splash.mainWindow()->findChild<QPushButton*>(QStringLiteral("Command1")),
                &QPushButton::click, Qt::QueuedConnection);
        }
    });
    poll->start(50);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    startup::Form1 splash;
    splash.show();
    const QString scenario = QApplication::arguments().value(1);
    if (scenario == QStringLiteral("close-splash-first"))
        closeSplashFirst(splash);
    else if (scenario == QStringLiteral("close-through-fermer"))
        closeThroughFermer(splash);
    else
        return 64;
    const int status = QApplication::exec();
    report(splash.mainWindow() ? "main window existed" : "no main window");
    return status;
}
