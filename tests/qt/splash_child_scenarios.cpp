// Whole-program scenarios that end their process, each run by the tests in a child
// process: `splash_child_scenarios NAME [SEED]`. They report what happened on stdout,
// one line an event, and the test reads the lines and the exit status.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <random>

#include "qt/application_setup.h"
#include "qt/check_box.h"
#include "qt/program_end.h"
#include "qt/splash_window.h"

namespace {

using ui::Form1;

void report(const QString& line) {
    std::puts(qPrintable(line));
    std::fflush(stdout);
}

QMessageBox* openMessageBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

bool mainWindowShown(const Form1& splash) {
    return splash.mainWindow() && splash.mainWindow()->isVisible();
}

void clickFermer(const Form1& splash) {
    // Queued: the click opens a modal box whose loop must not run inside this timer.
    QMetaObject::invokeMethod(
        splash.mainWindow()->findChild<QPushButton*>(QStringLiteral("Command1")),
        &QPushButton::click, Qt::QueuedConnection);
}

// Calls `step` every 50 ms until the program ends.
void every50ms(Form1& splash, std::function<void()> step) {
    auto* poll = new QTimer(&splash);
    QObject::connect(poll, &QTimer::timeout, std::move(step));
    poll->start(50);
}

void closeSplashFirst(Form1& splash, unsigned) {
    QTimer::singleShot(200, &splash, [&splash] { splash.close(); });
    QTimer::singleShot(3000, [] { report(QStringLiteral("still running")); });
}

// After the hand-over: "Fermer", and the box dismissed with OK.
void closeThroughFermer(Form1& splash, unsigned) {
    every50ms(splash, [&splash] {
        if (QMessageBox* box = openMessageBox()) {
            report(QStringLiteral("thanks shown"));
            box->button(QMessageBox::Ok)->click();
        } else if (mainWindowShown(splash)) {
            report(QStringLiteral("main window shown"));
            clickFermer(splash);
        }
    });
}

// The main window goes away by code while its "Fermer" box is still open.
void closeMainWindowWhileThanksShown(Form1& splash, unsigned) {
    every50ms(splash, [&splash] {
        if (QMessageBox* box = openMessageBox()) {
            if (splash.mainWindow()) {
                report(QStringLiteral("closing main window under the box"));
                splash.mainWindow()->close();
            } else {
                box->button(QMessageBox::Ok)->click();
            }
        } else if (mainWindowShown(splash)) {
            clickFermer(splash);
        }
    });
}

// The splash is asked to close after the hand-over: it stays, and so does the program.
void closeSplashAfterHandOver(Form1& splash, unsigned) {
    every50ms(splash, [&splash, asked = false]() mutable {
        if (QMessageBox* box = openMessageBox()) {
            box->button(QMessageBox::Ok)->click();
        } else if (mainWindowShown(splash) && !asked) {
            asked = true;
            splash.close();
            report(splash.isHidden() ? QStringLiteral("splash hidden")
                                     : QStringLiteral("splash shown"));
        } else if (mainWindowShown(splash)) {
            report(QStringLiteral("program still running"));
            clickFermer(splash);
        }
    });
}

// The program ends, and a tick of the splash's timer arrives before the event loop has
// unwound: it must not bring a window back.
// The end, called with the main window shown: what is left of the program.
void endAfterHandOver(Form1& splash, unsigned) {
    every50ms(splash, [&splash] {
        if (!mainWindowShown(splash))
            return;
        ui::endProgram();
        const bool windowLeft =
            std::ranges::any_of(QApplication::topLevelWidgets(), &QWidget::isVisible);
        report(QStringLiteral("window left: %1, Timer1 ticking: %2")
                   .arg(windowLeft ? "yes" : "no", splash.timer1().isActive() ? "yes" : "no"));
    });
}

// Random actions at random moments: close the main window, ask the splash to close, tick
// boxes, use "Fermer" and dismiss its box in any of the ways a user can, until the
// program ends. It must end with status 0, and never crash.
void chaos(Form1& splash, unsigned seed) {
    auto random = std::make_shared<std::mt19937>(seed);
    auto* timer = new QTimer(&splash);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, [&splash, random, timer] {
        const int action = std::uniform_int_distribution<int>(0, 5)(*random);
        if (QMessageBox* box = openMessageBox()) {
            switch (action % 3) {
                case 0:
                    box->button(QMessageBox::Ok)->click();
                    break;
                case 1:
                    box->reject();
                    break;
                default:
                    if (splash.mainWindow())
                        splash.mainWindow()->close();
                    break;
            }
        } else if (splash.mainWindow()) {
            ui::Form3* form = splash.mainWindow();
            const auto boxes = form->findChildren<ui::CheckBox*>();
            switch (action) {
                case 0:
                    form->close();
                    break;
                case 1:
                    splash.close();
                    break;
                case 2:
                    clickFermer(splash);
                    break;
                default:
                    boxes[std::uniform_int_distribution<qsizetype>(0, boxes.size() - 1)(*random)]
                        ->click();
                    break;
            }
        }
        timer->start(std::uniform_int_distribution<int>(10, 400)(*random));
    });
    timer->start(100);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    Form1 splash;
    splash.show();
    const std::map<QString, std::function<void(Form1&, unsigned)>> scenarios{
        {QStringLiteral("close-splash-first"), closeSplashFirst},
        {QStringLiteral("close-through-fermer"), closeThroughFermer},
        {QStringLiteral("close-main-window-while-thanks-shown"), closeMainWindowWhileThanksShown},
        {QStringLiteral("close-splash-after-hand-over"), closeSplashAfterHandOver},
        {QStringLiteral("end-after-hand-over"), endAfterHandOver},
        {QStringLiteral("chaos"), chaos},
    };
    const QStringList args = QApplication::arguments();
    const auto scenario = scenarios.find(args.value(1));
    if (scenario == scenarios.end())
        return 64;
    scenario->second(splash, args.value(2).toUInt());
    const int status = QApplication::exec();
    report(splash.mainWindow() ? QStringLiteral("main window existed")
                               : QStringLiteral("no main window"));
    return status;
}
