#include "qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace ui {
namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Announcer*>(widget())->text() : QString();
    }
};

QAccessibleInterface* announcerAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(announcerAccessible), true);
    (void)installed;
    setObjectName(QStringLiteral("announcer"));
    // Nothing to see or click: it paints nothing and lets the mouse through.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& text) {
    text_ = text;
    if (pending_ || text.isEmpty())
        return;
    pending_ = true;
    QTimer::singleShot(0, this, &Announcer::speak);
}

void Announcer::speak() {
    pending_ = false;
    if (text_.isEmpty())
        return;
    hide();
    // Screen readers keep an object's name until told it changed (Orca 48 read the first
    // announcement again for each later one).
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    show();
}

}  // namespace ui
