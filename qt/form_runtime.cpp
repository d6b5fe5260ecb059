#include "qt/form_runtime.h"

#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "design/application.h"
#include "design/fonts.h"
#include "design/spoken_texts.h"
#include "qt/form_builder.h"

namespace ui {
namespace {

// The built-in copy of the installed icon, at the sizes that title bars and task
// switchers show.
QIcon windowIcon() {
    QIcon icon;
    QDirIterator files(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        icon.addPixmap(QPixmap::fromImage(builtInImage(files.next())));
    return icon;
}

// Gives the windows their icon right after the first window's first paint. Decoding the
// icons costs a few milliseconds, which would otherwise delay the splash; the window
// manager shows the icon in the frame before anyone could notice the difference.
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] { QApplication::setWindowIcon(windowIcon()); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("morvane-101"));
    QApplication::setApplicationDisplayName(toQString(design::kApplicationTitle));
    QApplication::setDesktopFileName(toQString(design::kApplicationId));
    app.installEventFilter(new IconAfterFirstPaint(&app));
    // The windows decide when the program ends: closing the main window through its frame
    // must not, while the hidden splash keeps watch.
    QApplication::setQuitOnLastWindowClosed(false);
    // The designs' fonts, as this desktop has them.
    for (const design::FontChoice& font : design::kFontChoices)
        if (font.desktop != font.design)
            QFont::insertSubstitution(toQString(font.design), toQString(font.desktop));

    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void runTimeError(const QString& control, const QString& operation) {
    const QString message = QString::fromStdString(
        design::runTimeErrorMessage(control.toStdString(), operation.toStdString()));
    std::fprintf(stderr, "%s: %s\n", design::kApplicationTitle.data(),
                 message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, toQString(design::kApplicationTitle), message,
                        QMessageBox::Ok);
        box.exec();
    }
    // Whatever state the forms are in can no longer be trusted: leave without running
    // their destructors.
    std::_Exit(EXIT_FAILURE);
}

void showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, toQString(design::kApplicationTitle), text,
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void endProgram() {
    // Nothing is left to see or to tick while the event loop unwinds.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
        for (QTimer* timer : window->findChildren<QTimer*>())
            timer->stop();
    }
    QCoreApplication::exit(0);
}

}  // namespace ui
