#include "qt/window_icon.h"

#include <QApplication>
#include <QDirIterator>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include "qt/form_builder.h"

namespace ui {
namespace {

QIcon builtInIcon() {
    QIcon icon;
    QDirIterator files(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        icon.addPixmap(QPixmap::fromImage(builtInImage(files.next())));
    return icon;
}

class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] { QApplication::setWindowIcon(builtInIcon()); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void setWindowIconAfterFirstPaint(QApplication& app) {
    app.installEventFilter(new IconAfterFirstPaint(&app));
}

}  // namespace ui
