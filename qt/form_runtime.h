// The few form semantics the program relies on, on top of Qt: guarded access to controls,
// the run-time error that ends the program, the message box, program end, and the
// application-wide set-up (title, fonts, translation, lifetime).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QApplication;

namespace ui {

// Sets up the application as the windows expect it: its title and icon, the design fonts
// mapped to installed ones, Qt's own strings in French, and a lifetime that no window's
// closing ends.
void prepareApplication(QApplication& app);

// Reports a failed access to a control, in a message box and on stderr, and ends the
// program with a non-zero status. Never returns.
[[noreturn]] void runTimeError(const QString& control, const QString& operation);

// Shows `text` in an application-modal box with the application's title, OK alone and no
// icon, and waits until it is dismissed, however that happens.
void showMessage(const QString& text);

// Ends the program at once: every window is hidden and its timers stopped, so that nothing
// is left to show or to tick, and the event loop returns with status 0.
void endProgram();

// A control reached through its form: each access says what it does, and reaching a
// control that no longer exists is a run-time error rather than undefined behaviour.
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
