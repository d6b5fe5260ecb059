// The floor: the barest Qt Widgets window with a line of text, watched by the same probe.
#include <QApplication>
#include <QLabel>

#include "bench/paint_probe.h"

int main(int argc, char* argv[]) {
    PaintProbe probe("bare");
    QApplication app(argc, argv);
    app.installEventFilter(&probe);
    QLabel window(QStringLiteral("Morvane 101"));
    window.setObjectName(QStringLiteral("bare"));
    window.resize(372, 287);
    window.show();
    return QApplication::exec();
}
