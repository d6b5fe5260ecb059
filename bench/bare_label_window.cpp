// The floor of start-up: the barest Qt Widgets window that shows a line of text, titled and
// sized as the splash is, so that it pays for the font set-up too.
#include <QApplication>
#include <QLabel>

#include "design/application.h"
#include "design/splash_design.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString title = QString::fromUtf8(design::kApplicationTitle.data(),
                                            qsizetype(design::kApplicationTitle.size()));
    QLabel window(title);
    window.setWindowTitle(title);
    window.resize(design::twipsToPixels(design::kSplashDesign.clientWidth),
                  design::twipsToPixels(design::kSplashDesign.clientHeight));
    window.show();
    return QApplication::exec();
}
