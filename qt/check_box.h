// A check box with a form's Value: 0 unticked, 1 ticked, any other value set by code shown
// as neither. Every change of Value, by the user or by code, is reported once, before the
// change returns.
#pragma once

#include <QCheckBox>
#include <cstdint>

namespace ui {

class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    using Value = std::int16_t;

    explicit CheckBox(QWidget* parent = nullptr);

    Value value() const { return value_; }
    // Changing the value emits valueChanged() before returning; the same value does nothing.
    void setValue(Value value);

signals:
    // The form's Click of a check box.
    void valueChanged();

protected:
    // A user's click ticks an unticked box and unticks a ticked one.
    void nextCheckState() override;

private:
    void followCheckState(Qt::CheckState state);

    Value value_{0};
};

}  // namespace ui
