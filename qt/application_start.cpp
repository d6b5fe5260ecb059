#include "qt/application_start.h"

#include <QList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "design/spoken_texts.h"

namespace ui {
namespace {

QtMessageHandler qtHandler = nullptr;

struct Message {
    QtMsgType type;
    QString text;
};
// What Qt says while the application is made: passed on once it is made, or, if Qt finds
// no display, left unsaid in favour of the program's own sentence.
QList<Message> held;

void holdOrEnd(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        held.append({type, text});
        return;
    }
    const std::string sentence = std::string(design::noDisplayMessage()) + "\n";
    std::fputs(sentence.c_str(), stderr);
    std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    qtHandler = qInstallMessageHandler(holdOrEnd);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const Message& message : std::exchange(held, {}))
        qtHandler(message.type, QMessageLogContext(), message.text);
    return application;
}

}  // namespace ui
