// A control reached by name through its form, as the windows' code reaches each of theirs.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <utility>

#include "qt/run_time_error.h"

namespace ui {

// Each access says what it does, and reaching a control that no longer exists is a
// run-time error rather than undefined behaviour.
template <class Widget>
class Control {
public:
    Control() = default;
    Control(Widget* widget, QString name) : widget_(widget), name_(std::move(name)) {}

    Widget& operator()(const char* operation) const {
        if (widget_.isNull())
            runTimeError(name_, QString::fromUtf8(operation));
        return *widget_;
    }
    bool pointsTo(const QObject* object) const { return object && widget_ == object; }

private:
    QPointer<Widget> widget_{};
    QString name_{};
};

// The control called `name` on `form`; a form without it is a run-time error.
template <class Widget>
Control<Widget> findControl(QWidget* form, const QString& name) {
    Widget* widget = form ? form->findChild<Widget*>(name) : nullptr;
    if (!widget)
        runTimeError(name, QStringLiteral("recherche du contrôle"));
    return Control<Widget>(widget, name);
}

}  // namespace ui
