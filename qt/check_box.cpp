#include "qt/check_box.h"

#include <QSignalBlocker>

namespace ui {
namespace {

constexpr CheckBox::Value kUnticked = 0;
constexpr CheckBox::Value kTicked = 1;
// What a value other than 0 and 1 becomes if the state is changed behind Value's back.
constexpr CheckBox::Value kNeither = 2;

Qt::CheckState stateFor(CheckBox::Value value) {
    switch (value) {
        case kUnticked:
            return Qt::Unchecked;
        case kTicked:
            return Qt::Checked;
        default:
            return Qt::PartiallyChecked;
    }
}

}  // namespace

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    // Anything that changes the state without going through Value (a screen reader's
    // toggle action, say) still changes Value and is reported. Qt 6.7 replaced the signal
    // that carries the state as an int by one that carries the state itself.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    connect(this, &QCheckBox::checkStateChanged, this, &CheckBox::followCheckState);
#else
    connect(this, &QCheckBox::stateChanged, this,
            [this](int state) { followCheckState(static_cast<Qt::CheckState>(state)); });
#endif
}

void CheckBox::setValue(Value value) {
    if (value == value_)
        return;
    value_ = value;
    {
        const QSignalBlocker quiet(this);
        setCheckState(stateFor(value));
    }
    emit valueChanged();
}

void CheckBox::nextCheckState() {
    setValue(value_ == kTicked ? kUnticked : kTicked);
}

void CheckBox::followCheckState(Qt::CheckState state) {
    if (stateFor(value_) == state)
        return;
    setValue(state == Qt::Unchecked ? kUnticked : state == Qt::Checked ? kTicked : kNeither);
}

}  // namespace ui
