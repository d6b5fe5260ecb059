// Form3: the main window, built from its design table.
#include "ui/main_window.h"

#include <QPushButton>

#include "ui/main_window_design.h"
#include "ui/widget_board.h"

namespace ui {
namespace {

// Text in the given colour while the box is usable; the style's grey once disabled.
void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

Form3::Form3(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form3"));
    buildForm(this, kMainWindowDesign, kMainWindowControls);
    // On the grey background the style's own grey for disabled text all but vanishes.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(112, 112, 112));
    setPalette(palette);
    board_ = std::make_unique<WidgetBoard>(this);
    for (pairing::PhaseBox box : pairing::kAllBoxes) {
        CheckBox& widget = board_->box(box, "initialisation");
        const pairing::Phase phase = pairing::phaseOf(box);
        widget.setText(toQString(pairing::caption(phase)));
        setTextColour(&widget, textColourOf(phase));
        connect(&widget, &CheckBox::valueChanged, this,
                [this, box] { pairing::handleBoxClick(*board_, box); });
    }
    connect(findChild<QPushButton*>(QStringLiteral("Command3")), &QPushButton::clicked, this,
            &Form3::Command3_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &Form3::Command1_Click);
}

Form3::~Form3() = default;

pairing::PairingBoard& Form3::board() {
    return *board_;
}

}  // namespace ui
