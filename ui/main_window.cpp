// Form3: the main window, built from its design table.
#include "ui/main_window.h"

#include <QLabel>
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

// What a screen reader says for a box: its column and its phase, "Femelle : Albinos".
QString spokenName(pairing::PhaseBox box) {
    // The column heading reads "Male:", but a speech synthesiser must hear "Mâle".
    const QString parent = pairing::parentOf(box) == pairing::Parent::Femelle
                               ? QStringLiteral("Femelle")
                               : QStringLiteral("Mâle");
    return QStringLiteral("%1 : %2").arg(parent,
                                         toQString(pairing::caption(pairing::phaseOf(box))));
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
        widget.setAccessibleName(spokenName(box));
        connect(&widget, &CheckBox::valueChanged, this,
                [this, box] { pairing::handleBoxClick(*board_, box); });
    }
    auto* reset = findChild<QPushButton*>(QStringLiteral("Command3"));
    auto* close = findChild<QPushButton*>(QStringLiteral("Command1"));
    reset->setAccessibleDescription(
        QStringLiteral("Décoche toutes les phases et efface le résultat"));
    close->setAccessibleDescription(QStringLiteral("Quitte Morvane 101"));
    // Screen readers hear the answer as the label's name, and each change of it.
    findChild<QLabel*>(QStringLiteral("answer"))
        ->setAccessibleDescription(QStringLiteral("Résultat du croisement"));
    connect(reset, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(close, &QPushButton::clicked, this, &Form3::Command1_Click);
}

Form3::~Form3() = default;

pairing::PairingBoard& Form3::board() {
    return *board_;
}

}  // namespace ui
