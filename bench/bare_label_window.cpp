// The floor of start-up: the barest Qt Widgets window that shows a line of text, titled and
// sized as the splash is, so that it pays for the font set-up too.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Morvane 101"));
    window.setWindowTitle(QStringLiteral("Morvane 101"));
    window.resize(372, 287);
    window.show();
    return QApplication::exec();
}
