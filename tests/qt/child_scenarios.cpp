// Scenarios that end the process they run in, each started by the tests in a child process:
// `child_scenarios NAME [DISMISS]`. Every message box shown is reported on stdout as
// "box: TITLE | TEXT | ICON | MODALITY" and dismissed the way DISMISS says (ok, escape,
// close), so that nothing waits for a person.
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

#include "qt/application_setup.h"
#include "qt/form_builder.h"
#include "qt/main_window.h"
#include "qt/widget_board.h"

namespace {

void dismissMessageBoxes(const QString& how) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [how] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        std::printf("box: %s | %s | %d | %d\n", qPrintable(box->windowTitle()),
                    box->text().toUtf8().constData(), int(box->icon()), int(box->windowModality()));
        std::fflush(stdout);
        if (how == QStringLiteral("escape") || how == QStringLiteral("return")) {
            QKeyEvent key(QEvent::KeyPress,
                          how == QStringLiteral("escape") ? Qt::Key_Escape : Qt::Key_Return,
                          Qt::NoModifier);
            QApplication::sendEvent(box, &key);
        } else if (how == QStringLiteral("close")) {
            box->close();
        } else {
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer->start(20);
}

// Reaches a box of a main window that has been destroyed.
int controlOfDestroyedWindow() {
    auto* form = new ui::Form3;
    ui::WidgetBoard board(form);
    delete form;
    return board.value(pairing::PhaseBox::Check7);
}

// Looks for the board's controls on a window that has none.
int formWithoutControls() {
    QWidget empty;
    ui::WidgetBoard board(&empty);
    return 0;
}

// Presses "Fermer" once the main window runs, with `press`; the program must end after
// the message box.
int closeCommand(const std::function<void(QPushButton&)>& press) {
    auto* form = new ui::Form3;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    QTimer::singleShot(0, form, [form, press] {
        press(*form->findChild<QPushButton*>(QStringLiteral("Command1")));
        std::puts("returned from Fermer");  // reached only once the box is gone
        std::fflush(stdout);
    });
    const int status = QApplication::exec();
    std::printf("exec returned %d\n", status);
    return status;
}

void pressReturnOn(QPushButton& button) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&button, &key);
}

// Builds a control inside a container that the form does not have.
int controlWithoutContainer() {
    QWidget form;
    const design::ControlDesign orphan{
        .name = "Label9", .text = "?", .width = 150, .height = 150, .container = "Frame9"};
    ui::buildForm(&form, design::WindowDesign{"?", 1500, 1500}, {&orphan, 1});
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    const QStringList args = QApplication::arguments();
    dismissMessageBoxes(args.value(2, QStringLiteral("ok")));
    const std::map<QString, std::function<int()>> scenarios{
        {QStringLiteral("control-of-destroyed-window"), controlOfDestroyedWindow},
        {QStringLiteral("form-without-controls"), formWithoutControls},
        {QStringLiteral("control-without-container"), controlWithoutContainer},
        {QStringLiteral("close-command"), [] { return closeCommand(&QPushButton::click); }},
        {QStringLiteral("close-command-by-return"), [] { return closeCommand(pressReturnOn); }},
    };
    const auto scenario = scenarios.find(args.value(1));
    if (scenario == scenarios.end()) {
        std::fprintf(stderr, "unknown scenario\n");
        return 64;
    }
    return scenario->second();
}
